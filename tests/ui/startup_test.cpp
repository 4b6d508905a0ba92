// Start-up: the splash window and how it hands over to the file window; the About window.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "platform/Program.h"
#include "platform/Toolbar.h"
#include "ui/app/Frm_About.h"
#include "ui/app/Frm_Splash.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {

class StartupTest : public UiTest {
protected:
    // Starts the program as main does: the splash first.
    Frm_Splash& StartSplash() {
        auto& splash = Window<Frm_Splash>();
        splash.Show();
        return splash;
    }
    QSize Screen() const { return QGuiApplication::primaryScreen()->geometry().size(); }
    QString LabelText(QWidget& w, const char* name) {
        auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }

    // After the splash has ended: the file window is on show with its defaults, the splash
    // instance is gone, and the program goes on.
    void ExpectHandedOver() {
        ProcessEvents();
        EXPECT_EQ(app->windows.Find("Frm_Splash"), nullptr);
        auto* file = app->windows.FindAs<Frm_OpenFile>();
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->isVisible());
        EXPECT_EQ(Decl().importSettings.NumTitleLines, 10);
        EXPECT_TRUE(file->findChild<QWidget*>("Opt_Units(1)")->property("checked").toBool());
        EXPECT_EQ(platform::CurrentMousePointer(), platform::MousePointer::Default);
        EXPECT_EQ(endProgramCalls, 0);
    }
};

} // namespace

TEST_F(StartupTest, SplashLoadsTheFileWindowBehindItAndCreatesTheHistories) {
    Frm_Splash& splash = StartSplash();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(splash.width(), qRound(Screen().width() * 0.65));
    EXPECT_EQ(splash.height(), qRound(Screen().height() * 0.6));
    EXPECT_TRUE(Decl().history.Created);
    EXPECT_TRUE(app->windows.IsLoaded("Frm_OpenFile"));
    EXPECT_FALSE(app->windows.Find("Frm_OpenFile")->isVisible());
    EXPECT_EQ(platform::CurrentMousePointer(), platform::MousePointer::Hourglass);
    EXPECT_EQ(LabelText(splash, "Lbl_Version"), "Version 4.0   ");
    EXPECT_TRUE(LabelText(splash, "Lbl_Title").startsWith(" PROGRAM: Strelvan \n\n"));
    const QString title = LabelText(splash, "Lbl_Title").mid(22);
    EXPECT_FALSE(title.isEmpty());
    EXPECT_EQ(title, title.toUpper());
    EXPECT_FALSE(LabelText(splash, "Lbl_Zarn").isEmpty());
    auto* picture = splash.findChild<QLabel*>("ConeImage");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());

    auto* timer = splash.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 4800);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(StartupTest, SplashEndsOnItsTimer) {
    auto* timer = StartSplash().findChild<QTimer*>("Timer1");
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    ExpectHandedOver();
}

TEST_F(StartupTest, SplashEndsOnAKey) {
    Frm_Splash& splash = StartSplash();
    QPointer<QTimer> timer = splash.findChild<QTimer*>("Timer1");
    QTest::keyClick(&splash, Qt::Key_Space);
    ASSERT_FALSE(timer.isNull() || timer->isActive()) << "the timer does not fire again";
    ExpectHandedOver();
}

TEST_F(StartupTest, SplashEndsOnAClickAnywhereOnIt) {
    Frm_Splash& splash = StartSplash();
    QTest::mouseClick(splash.findChild<QLabel*>("Lbl_Title"), Qt::LeftButton);
    ExpectHandedOver();

    // A second start, clicked on the window itself.
    Frm_Splash& again = StartSplash();
    QTest::mouseClick(&again, Qt::LeftButton, {}, QPoint(5, 5));
    ExpectHandedOver();
}

TEST_F(StartupTest, AboutIsModalWithItsTextsAndOkCloses) {
    StartSplash().Timer1_Timer();
    auto* file = app->windows.FindAs<Frm_OpenFile>();
    ASSERT_NE(file, nullptr);
    file->findChild<platform::Toolbar*>("Toolbar1")->ButtonByKey("About")->trigger();

    auto* about = app->windows.FindAs<Frm_About>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(about->width(), qRound(Screen().width() * 0.72));
    EXPECT_EQ(LabelText(*about, "Lbl_Ver"), " Version 4.0 - June 2003");
    const QString title = LabelText(*about, "Lbl_Title");
    EXPECT_TRUE(title.endsWith("\n" + QString(23, ' ')));
    EXPECT_EQ(title, title.toUpper());
    EXPECT_EQ(LabelText(*about, "Lbl_Zarn").count('\n'), 1) << "two lines";

    auto* text = about->findChild<QTextEdit*>("RichTextBox1");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isReadOnly());
    const QString plain = text->toPlainText();
    qsizetype at = 0;
    for (const char* section :
         {"Disclaimer", "Notes on Reading Cone Data Files", "Soil Classification Methods",
          "Soil Properties Methods", "About the Program", "Version 3.5 - June 2001"}) {
        const qsizetype found = plain.indexOf(QString::fromLatin1(section), at);
        EXPECT_GE(found, at) << section << " in its place";
        at = std::max(at, found);
    }
    for (const char* reference : {"Zhang, Z. and Tumay, M.T. (1999)", "Tumay, M.T. (1985)",
                                  "Robertson, P.K., Campanella", "Robertson, P.K. (1990)"})
        EXPECT_TRUE(plain.contains(QString::fromLatin1(reference))) << reference;
    QTextCursor cursor(text->document());
    cursor.movePosition(QTextCursor::NextWord);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 0xb0)) << "blue text";

    QTest::mouseClick(about->findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_EQ(app->windows.Find("Frm_About"), nullptr);
    EXPECT_TRUE(file->isVisible());
    EXPECT_EQ(endProgramCalls, 0);
}
