#include "ui/app/Frm_About.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "platform/AppContext.h"
#include "platform/DialogKeys.h"
#include "platform/Screen.h"
#include "ui/app/ConePicture.h"
#include "ui/app/ProgramTexts.h"
#include "ui/app/TitleLabel.h"

namespace strelvan {

Frm_About::Frm_About(AppContext& app) : Form(app, QString::fromLatin1(kFormName)) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Image1 = new ConePictureLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Lbl_Title = TitleLabel(central, QStringLiteral("Lbl_Title"), 13, true);
    Lbl_Zarn = TitleLabel(central, QStringLiteral("Lbl_Zarn"), 11, true);
    Lbl_Ver = TitleLabel(central, QStringLiteral("Lbl_Ver"), 10, false);
    RichTextBox1 = new QTextEdit(central);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    CmdOK = new QPushButton(QStringLiteral("OK"), central);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setMinimumWidth(100);
    connect(CmdOK, &QPushButton::clicked, this, &Frm_About::CmdOK_Click);
    platform::UseDialogKeys(*this, CmdOK, CmdOK); // Escape closes it as OK does

    auto* grid = new QGridLayout(central);
    grid->addWidget(Image1, 0, 0, 3, 1);
    grid->addWidget(Lbl_Title, 0, 1);
    grid->addWidget(Lbl_Zarn, 1, 1);
    grid->addWidget(Lbl_Ver, 2, 1);
    grid->addWidget(RichTextBox1, 3, 0, 1, 2);
    grid->addWidget(CmdOK, 4, 0, 1, 2, Qt::AlignHCenter);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 4);
    grid->setRowStretch(3, 1);
    grid->setRowMinimumHeight(0, 60);
}

void Frm_About::Form_Load() {
    platform::SizeToScreen(*this, 0.72, 0.6);
    Lbl_Title->setText(QString::fromLatin1(kLongTitle).toUpper() + QStringLiteral("\n") +
                       QString(23, QLatin1Char(' ')));
    Lbl_Zarn->setText(QString::fromLatin1(kUsersName));
    Lbl_Ver->setText(QStringLiteral(" Version 4.0 - June 2003"));
    RichTextBox1->setHtml(AboutDocument());
    CmdOK->setFocus();
}

void Frm_About::CmdOK_Click() {
    Unload();
    App().windows.Release<Frm_About>();
}

} // namespace strelvan
