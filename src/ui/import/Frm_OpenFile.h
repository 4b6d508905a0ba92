#pragma once
// The main file window: choose a cone data file, set its number of title lines and its
// units, read it or look at its raw text, and go on to the project information.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace strelvan {
namespace platform {
class Toolbar;
}

class Frm_OpenFile : public Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_OpenFile";
    // The open dialog's filter: the cone data file kinds first, then every file.
    static constexpr const char* kFileFilter =
        "ASCII Files (*.dat; *.txt; *.prn)|*.dat;*.txt;*.prn |All Files (*.*)|*.*";
    explicit Frm_OpenFile(AppContext& app);

    // Clears the project information of the sounding (the water-table depth stays).
    void InitHeader();
    // Lets the user choose a file, then views it (after View Data File) or reads it.
    void OpenFileMenu();

    void CmdViewFile_Click();
    void CmdOpenFile_Click();
    void Opt_Units_Click();
    void CombTitleLines_Click(int index);
    void CmdPlot_Click();
    void Toolbar1_ButtonClick(const QString& key);

protected:
    void Form_Load() override;

private:
    void BuildControls();
    void ReadChosenFile(const std::string& fileName);

    platform::Toolbar* Toolbar1;
    QLabel* Label2;
    QLabel* Lbl_Title;
    QGroupBox* Frm_TitleLines;
    QComboBox* CombTitleLines;
    QLabel* Lbl_TitleLines;
    QGroupBox* Frm_Units;
    QLabel* Label1;
    std::array<QRadioButton*, 3> Opt_Units{};
    QPushButton* CmdOpenFile;
    QPushButton* CmdViewFile;
    QPushButton* CmdPlot;
    QLabel* Label4;
    QLabel* Label3;

    int16_t OpenMode = 0; // 2 after Open Data File, 1 after View Data File
};

} // namespace strelvan
