#include "ui/import/Frm_Titles.h"

#include <QComboBox>
#include <QDate>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/import/EntryMessages.h"
#include "engine/import/FileText.h"
#include "engine/import/ProfileWindow.h"
#include "engine/import/Units.h"
#include "platform/AppContext.h"
#include "platform/DialogKeys.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "ui/import/Frm_ConeFactors.h"

namespace strelvan {

namespace {
const std::array<const char*, kProjectBoxCount> kLabels = {"Project Number:",
                                                           "Parish: ",
                                                           "Project Title:",
                                                           "CPT Station:",
                                                           "Offset:",
                                                           "Ground Elevation (ft):",
                                                           "Ground Water Table (depth -- ft):",
                                                           "Latitude:",
                                                           "Longitude:",
                                                           "Date: ",
                                                           "CPT No:"};

QLabel* NamedLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// A drop-down box with free text entry; it neither completes nor adds what is typed.
QComboBox* EntryBox(int index, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cmbTitle(%1)").arg(index));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(24);
    return box;
}

// Title lines of this many characters show whole in the comment box.
constexpr int kTitleColumns = 80;

std::string Today() {
    const QDate today = QDate::currentDate();
    return DateText(today.year(), today.month(), today.day());
}

// Title lines of the file end in CR LF; the comment box shows them as plain lines, their
// characters read as the file view reads them.
QString CommentText(const std::string& header) {
    QString text = Q(FileTextAsUtf8(header));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}
} // namespace

Frm_Titles::Frm_Titles(AppContext& app) : Form(app, kFormName) {
    auto* central = new QWidget(this);
    LblMain = NamedLabel("LblMain", "Enter Project Information:", central);
    LblGPS = NamedLabel("LblGPS", "GPS Data", central);
    LblComment = NamedLabel("LblComment", "Comments", central);
    for (int i = 0; i < kProjectBoxCount; ++i) {
        LblTitle[i] = NamedLabel(QStringLiteral("LblTitle(%1)").arg(i), kLabels[i], central);
        cmbTitle[i] = EntryBox(i, central);
    }
    TxtComment = new QPlainTextEdit(central);
    TxtComment->setObjectName("TxtComment");
    TxtComment->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Title lines often hold columns; they line up in a fixed-width font.
    TxtComment->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    CmdOK = new QPushButton(QStringLiteral("OK"), central);
    CmdOK->setObjectName("CmdOK");
    CmdCancel = new QPushButton(QStringLiteral("Cancel"), central);
    CmdCancel->setObjectName("CmdCancel");
    connect(CmdOK, &QPushButton::clicked, this, &Frm_Titles::CmdOK_Click);
    connect(CmdCancel, &QPushButton::clicked, this, &Frm_Titles::CmdCancel_Click);
    platform::UseDialogKeys(*this, CmdOK, CmdCancel);

    auto* boxes = new QGridLayout;
    int row = 0;
    for (int i = 0; i < kProjectBoxCount; ++i) {
        if (i == kBoxLatitude)
            boxes->addWidget(LblGPS, row++, 0, 1, 2);
        boxes->addWidget(LblTitle[i], row, 0);
        boxes->addWidget(cmbTitle[i], row++, 1);
    }
    auto* comment = new QVBoxLayout;
    comment->addWidget(LblComment);
    comment->addWidget(TxtComment);
    auto* fields = new QHBoxLayout;
    fields->addLayout(boxes);
    fields->addLayout(comment, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdCancel);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(LblMain);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setCentralWidget(central);
}

void Frm_Titles::Form_Load() {
    const Declarations& decl = Decl();
    const ProjectTexts texts = StoredProjectTexts(decl.project);
    const ProjectLists lists = ProjectChoices(decl.history, Today());
    for (int i = 0; i < kProjectBoxCount; ++i) {
        QComboBox* box = cmbTitle[i];
        box->clear();
        for (const std::string& item : lists[i])
            box->addItem(Q(item));
        box->setCurrentIndex(-1); // the list offers; the text is the stored value alone
        box->setEditText(Q(texts[i]));
    }
    TxtComment->setPlainText(CommentText(decl.importSettings.HeaderText));
    platform::FitToScreen(*this, platform::WidenedForColumns(*this, *TxtComment, kTitleColumns));
}

ProjectTexts Frm_Titles::BoxTexts() const {
    ProjectTexts texts;
    for (int i = 0; i < kProjectBoxCount; ++i)
        texts[i] = S(cmbTitle[i]->currentText());
    return texts;
}

void Frm_Titles::ShowEntryError(const Message& message, int focusBox) {
    platform::ShowMessage(message, this);
    if (focusBox >= 0)
        cmbTitle[focusBox]->setFocus();
}

void Frm_Titles::CmdOK_Click() {
    Declarations& decl = Decl();
    const ProjectEntry entry = StoreProjectEntry(BoxTexts(), decl.project, decl.history);
    if (entry.error) {
        ShowEntryError(*entry.error, entry.focusBox);
        return;
    }
    switch (ConfirmUnits(decl.cone, decl.importSettings)) {
    case UnitsStep::ConeFactors:
        // The cone factor window converts and hands over itself, or leaves all as it was.
        App().windows.Get<Frm_ConeFactors>().ShowModal(this);
        return;
    case UnitsStep::TooLarge:
        ShowEntryError(DataTooLargeMessage(), -1);
        return;
    case UnitsStep::Ready:
        break;
    }
    HandOverToProfile();
}

void Frm_Titles::HandOverToProfile() {
    WindowRegistry& windows = App().windows;
    windows.Show(ProfileWindowName(Decl().cone));
    Hide(); // stays loaded: the profile window's Back shows it again as it was
    windows.UnloadAndRelease("Frm_OpenFile");
}

void Frm_Titles::CmdCancel_Click() {
    WindowRegistry& windows = App().windows;
    Unload();
    // A new sounding starts: no window keeps results of this one.
    windows.ReleaseWindowsHolding(WindowRegistry::Holds::Sounding);
    windows.Show("Frm_OpenFile"); // a new instance when OK had released it
}

} // namespace strelvan
