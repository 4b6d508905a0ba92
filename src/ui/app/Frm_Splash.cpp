#include "ui/app/Frm_Splash.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/AppContext.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "ui/app/ConePicture.h"
#include "ui/app/ProgramTexts.h"
#include "ui/app/TitleLabel.h"
#include "ui/import/Frm_OpenFile.h"

namespace strelvan {

Frm_Splash::Frm_Splash(AppContext& app) : Form(app, QString::fromLatin1(kFormName)) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    frame->setStyleSheet(QStringLiteral("QFrame { background: white; }"));
    setCentralWidget(frame);

    ConeImage = new ConePictureLabel(frame);
    ConeImage->setObjectName(QStringLiteral("ConeImage"));
    Lbl_Title = TitleLabel(frame, QStringLiteral("Lbl_Title"), 16, true);
    Lbl_Zarn = TitleLabel(frame, QStringLiteral("Lbl_Zarn"), 12, false);
    Lbl_Version = TitleLabel(frame, QStringLiteral("Lbl_Version"), 11, false);
    Lbl_Version->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    auto* texts = new QVBoxLayout;
    texts->addStretch(1);
    texts->addWidget(Lbl_Title);
    texts->addSpacing(24);
    texts->addWidget(Lbl_Zarn);
    texts->addStretch(2);
    texts->addWidget(Lbl_Version);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(18, 18, 18, 18);
    row->addWidget(ConeImage, 2);
    row->addSpacing(18);
    row->addLayout(texts, 3);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(4800);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Frm_Splash::Timer1_Timer);
}

void Frm_Splash::Form_Load() {
    platform::SizeToScreen(*this, 0.65, 0.6);
    Lbl_Title->setText(
        QStringLiteral(" PROGRAM: %1 \n\n%2")
            .arg(QString::fromLatin1(kProgramName), QString::fromLatin1(kLongTitle).toUpper()));
    Lbl_Zarn->setText(QString::fromLatin1(kMakerName));
    Lbl_Version->setText(QStringLiteral("Version 4.0   "));

    platform::SetMousePointer(platform::MousePointer::Hourglass);
    CreateHistoryLists(Decl().history);
    App().windows.Get<Frm_OpenFile>().Load();
    Timer1->start();
}

void Frm_Splash::Form_Unload() {
    Timer1->stop();
}

void Frm_Splash::Form_KeyPress() {
    EndSplash();
}
void Frm_Splash::Form_Click() {
    EndSplash();
}
void Frm_Splash::Timer1_Timer() {
    EndSplash();
}

void Frm_Splash::EndSplash() {
    if (!IsLoaded())
        return;
    Unload();
    App().windows.Get<Frm_OpenFile>().Show();
    platform::SetMousePointer(platform::MousePointer::Default);
    App().windows.Release<Frm_Splash>();
}

void Frm_Splash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    Form_KeyPress();
}

void Frm_Splash::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    Form_Click();
}

} // namespace strelvan
