#pragma once
// The raw text of the chosen cone data file, as it stands in the file.
#include <string>

#include "platform/Form.h"

class QPlainTextEdit;

namespace strelvan {

class Frm_ViewFile : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_ViewFile";
    explicit Frm_ViewFile(AppContext& app);

    // The file on show, set before the window is shown; the sounding held keeps its own.
    std::string FileName;

protected:
    void Form_Load() override;

private:
    QPlainTextEdit* Text1;
};

} // namespace strelvan
