#pragma once
// What the program is, how it reads files, the methods it uses and their references.
#include "platform/Form.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace strelvan {

class Frm_About : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_About";
    explicit Frm_About(AppContext& app);

    void CmdOK_Click();

protected:
    void Form_Load() override;

private:
    QLabel* Image1;
    QLabel* Lbl_Title;
    QLabel* Lbl_Zarn;
    QLabel* Lbl_Ver;
    QTextEdit* RichTextBox1;
    QPushButton* CmdOK;
};

// The About document as rich text (HTML).
QString AboutDocument();

} // namespace strelvan
