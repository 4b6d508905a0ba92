// The controls of the main file window and their places.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/Toolbar.h"
#include "ui/app/ProgramTexts.h"
#include "ui/app/TitleLabel.h"
#include "ui/import/Frm_OpenFile.h"

namespace strelvan {

namespace {
template <class W> W* Named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setMinimumHeight(40);
    return button;
}
} // namespace

void Frm_OpenFile::BuildControls() {
    setWindowTitle(QStringLiteral("Open Cone Data File"));

    Toolbar1 = Named(new platform::Toolbar(this), QStringLiteral("Toolbar1"));
    Toolbar1->AddButton(QStringLiteral("File"), QStringLiteral("Open"),
                        QStringLiteral("Open Cone Data File"),
                        style()->standardIcon(QStyle::SP_DialogOpenButton));
    Toolbar1->AddPlaceholder();
    Toolbar1->AddButton(QStringLiteral("Exit"), QStringLiteral("Exit"),
                        QStringLiteral("Exit the Program"),
                        style()->standardIcon(QStyle::SP_DialogCloseButton));
    Toolbar1->AddPlaceholder();
    Toolbar1->AddButton(QStringLiteral("About"), QStringLiteral("  About"),
                        QStringLiteral("About the Program"),
                        style()->standardIcon(QStyle::SP_MessageBoxInformation));
    addToolBar(Toolbar1);

    auto* central = new QWidget(this);
    setCentralWidget(central);

    Label2 =
        TitleLabel(central, QStringLiteral("Label2"), 20, true, QStringLiteral("Strelvan Program"));
    Lbl_Title =
        TitleLabel(central, QStringLiteral("Lbl_Title"), 13, true, QString::fromLatin1(kLongTitle));

    Frm_TitleLines = Named(new QGroupBox(central), QStringLiteral("Frm_TitleLines"));
    CombTitleLines = Named(new QComboBox(Frm_TitleLines), QStringLiteral("CombTitleLines"));
    CombTitleLines->setEditable(true);
    CombTitleLines->setInsertPolicy(QComboBox::NoInsert);
    CombTitleLines->setMaxVisibleItems(16);
    CombTitleLines->setMinimumWidth(70);
    Lbl_TitleLines = Named(new QLabel(Frm_TitleLines), QStringLiteral("Lbl_TitleLines"));
    auto* titleRow = new QHBoxLayout(Frm_TitleLines);
    titleRow->addWidget(CombTitleLines);
    titleRow->addWidget(Lbl_TitleLines);
    titleRow->addStretch(1);

    Frm_Units = Named(new QGroupBox(central), QStringLiteral("Frm_Units"));
    Label1 = Named(new QLabel(QStringLiteral("Units in Data File:"), Frm_Units),
                   QStringLiteral("Label1"));
    const std::array<const char*, 3> unitCaptions{"m-MilliVolts", "ft-tsf", "m-MPa"};
    auto* unitsColumn = new QVBoxLayout(Frm_Units);
    unitsColumn->addWidget(Label1);
    for (std::size_t i = 0; i < Opt_Units.size(); ++i) {
        Opt_Units[i] = Named(new QRadioButton(QString::fromLatin1(unitCaptions[i]), Frm_Units),
                             QStringLiteral("Opt_Units(%1)").arg(i));
        unitsColumn->addWidget(Opt_Units[i]);
    }

    CmdOpenFile = Button(central, QStringLiteral("CmdOpenFile"), QStringLiteral("Open Data File"));
    CmdViewFile = Button(central, QStringLiteral("CmdViewFile"), QStringLiteral("View Data File"));
    CmdPlot = Button(central, QStringLiteral("CmdPlot"), QStringLiteral("Plot Cone Data"));

    Label4 = Named(new QLabel(QStringLiteral("Disclaimer:"), central), QStringLiteral("Label4"));
    QFont bold = Label4->font();
    bold.setBold(true);
    Label4->setFont(bold);
    Label3 = Named(new QLabel(QString::fromLatin1(kDisclaimer), central), QStringLiteral("Label3"));
    Label3->setWordWrap(true);

    auto* settingsColumn = new QVBoxLayout;
    settingsColumn->addWidget(Frm_TitleLines);
    settingsColumn->addWidget(Frm_Units);
    settingsColumn->addStretch(1);
    auto* buttonsColumn = new QVBoxLayout;
    buttonsColumn->setSpacing(14);
    buttonsColumn->addWidget(CmdOpenFile);
    buttonsColumn->addWidget(CmdViewFile);
    buttonsColumn->addWidget(CmdPlot);
    buttonsColumn->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addStretch(1);
    middle->addLayout(settingsColumn, 3);
    middle->addSpacing(30);
    middle->addLayout(buttonsColumn, 3);
    middle->addStretch(1);

    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(24, 16, 24, 16);
    page->addWidget(Label2);
    page->addWidget(Lbl_Title);
    page->addSpacing(16);
    page->addLayout(middle, 1);
    page->addSpacing(16);
    page->addWidget(Label4);
    page->addWidget(Label3);
}

} // namespace strelvan
