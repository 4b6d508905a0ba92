#pragma once
// The project information form: the user confirms the project, station, elevation,
// water table and the other particulars of the sounding, then the readings are converted
// to ft and ton/ft2 and the profile window opens.
#include <array>

#include "engine/import/ProjectEntry.h"
#include "platform/Form.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace strelvan {

class Frm_Titles : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Titles";
    explicit Frm_Titles(AppContext& app);

    void CmdOK_Click();
    void CmdCancel_Click();
    // The readings are in ft and ton/ft2: shows the profile window that fits the sounding,
    // hides this form (the profile window's Back shows it again as it was) and gives up the
    // file window.
    void HandOverToProfile();

    QLabel* LblMain;
    QLabel* LblGPS;
    QLabel* LblComment;
    std::array<QLabel*, kProjectBoxCount> LblTitle;
    std::array<QComboBox*, kProjectBoxCount> cmbTitle; // editable drop-down boxes
    QPlainTextEdit* TxtComment;
    QPushButton* CmdOK;
    QPushButton* CmdCancel;

protected:
    void Form_Load() override;

private:
    ProjectTexts BoxTexts() const;
    void ShowEntryError(const Message& message, int focusBox);
};

} // namespace strelvan
