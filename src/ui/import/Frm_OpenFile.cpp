#include "ui/import/Frm_OpenFile.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "engine/classification/LayerGrid.h"
#include "engine/import/ConeReader.h"
#include "engine/import/ProjectEntry.h"
#include "engine/import/TitleLines.h"
#include "engine/state/Numbers.h"
#include "platform/AppContext.h"
#include "platform/MessageBox.h"
#include "platform/OpenDialog.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/app/Frm_About.h"
#include "ui/import/Frm_ViewFile.h"

namespace strelvan {

Frm_OpenFile::Frm_OpenFile(AppContext& app) : Form(app, QString::fromLatin1(kFormName)) {
    BuildControls();
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this, &Frm_OpenFile::Toolbar1_ButtonClick);
    connect(CmdOpenFile, &QPushButton::clicked, this, &Frm_OpenFile::CmdOpenFile_Click);
    connect(CmdViewFile, &QPushButton::clicked, this, &Frm_OpenFile::CmdViewFile_Click);
    connect(CmdPlot, &QPushButton::clicked, this, &Frm_OpenFile::CmdPlot_Click);
    connect(CombTitleLines, &QComboBox::activated, this, &Frm_OpenFile::CombTitleLines_Click);
    for (QRadioButton* option : Opt_Units)
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Opt_Units_Click();
        });
}

void Frm_OpenFile::Form_Load() {
    ImportSettings& settings = Decl().importSettings;
    settings.UnitStr = "ton/ft";
    platform::SizeToScreen(*this, 0.75, 0.75);
    Lbl_TitleLines->setText(QStringLiteral(" Num. of Title\n      Lines "));
    CombTitleLines->clear();
    for (int i = 0; i <= kListedTitleLines; ++i)
        CombTitleLines->addItem(QString::number(i));
    CombTitleLines->setEditText(QStringLiteral("10"));
    settings.NumTitleLines = 10;
    Opt_Units[1]->setChecked(true);
    settings.UnitsOption = 1;
    CmdPlot->setEnabled(false);
    OpenMode = 0;
}

void Frm_OpenFile::InitHeader() {
    ClearProjectTexts(Decl().project);
}

void Frm_OpenFile::OpenFileMenu() {
    const std::optional<QString> chosen =
        platform::ShowOpenDialog(QString::fromLatin1(kFileFilter), platform::kFileMustExist, this);
    if (!chosen)
        return; // cancelled: nothing chosen, nothing read
    // The reader opens the file itself; 1 is the first free number.
    Decl().importSettings.FileNum = 1;
    // The file name of the sounding held changes only with a good read: the view shows the
    // file under its own name.
    if (OpenMode == 1) {
        App().windows.UnloadAndRelease(QString::fromLatin1(Frm_ViewFile::kFormName));
        auto& view = App().windows.Get<Frm_ViewFile>();
        view.FileName = S(*chosen);
        view.Show();
        return;
    }
    ReadChosenFile(S(*chosen));
}

void Frm_OpenFile::ReadChosenFile(const std::string& fileName) {
    Declarations& decl = Decl();
    platform::SetMousePointer(platform::MousePointer::Hourglass);
    const Messages messages = ReadConeData(fileName, decl.importSettings, decl.cone);
    platform::SetMousePointer(platform::MousePointer::Default);
    if (decl.importSettings.ImportError == 0) {
        // A new sounding: what was shown of the one before goes with it.
        SoundingReplaced(decl.grid);
        App().windows.ReleaseWindowsHolding(WindowRegistry::Holds::Sounding);
    }
    platform::ShowMessages(messages, this);
    if (decl.importSettings.ImportError == 0) {
        // A failed read later on leaves the button as it is.
        CmdPlot->setEnabled(true);
        CmdPlot->setFocus();
    }
}

void Frm_OpenFile::CmdOpenFile_Click() {
    // A count that cannot be a number of lines is refused before anything is opened.
    if (const auto refused =
            TakeTypedTitleLines(S(CombTitleLines->currentText()), Decl().importSettings)) {
        platform::ShowMessage(*refused, this);
        CombTitleLines->setFocus();
        CombTitleLines->lineEdit()->selectAll();
        return;
    }
    OpenMode = 2;
    OpenFileMenu();
    InitHeader();
}

void Frm_OpenFile::CmdViewFile_Click() {
    OpenMode = 1;
    OpenFileMenu();
}

void Frm_OpenFile::Opt_Units_Click() {
    int16_t option = 2;
    if (Opt_Units[0]->isChecked())
        option = 0;
    else if (Opt_Units[1]->isChecked())
        option = 1;
    Decl().importSettings.UnitsOption = option;
}

void Frm_OpenFile::CombTitleLines_Click(int index) {
    if (const auto count = ToInt16(S(CombTitleLines->itemText(index))))
        Decl().importSettings.NumTitleLines = *count;
}

void Frm_OpenFile::CmdPlot_Click() {
    App().windows.Show(QStringLiteral("Frm_Titles"));
}

void Frm_OpenFile::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("File")) {
        OpenFileMenu();
    } else if (key == QLatin1String("Exit")) {
        Unload();
        App().windows.Release<Frm_OpenFile>();
        ReleaseHistoryLists(Decl().history);
        platform::EndProgram();
    } else if (key == QLatin1String("About")) {
        App().windows.Get<Frm_About>().ShowModal();
    }
}

} // namespace strelvan
