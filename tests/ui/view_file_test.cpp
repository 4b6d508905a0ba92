// The raw view of a cone data file, opened from the file window's View Data File button.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/import/Frm_ViewFile.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::RealSounding;
using strelvan::test::UiTest;

namespace {

class ViewFileTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        Window<Frm_OpenFile>().Show();
    }

    // A file of the given length whose bytes run through the alphabet, with line ends.
    QString PatternFile(int length) {
        QByteArray bytes;
        for (int i = 0; i < length; ++i)
            bytes += (i % 40 == 39) ? '\n' : static_cast<char>('a' + i % 26);
        const QString path = dir.filePath(QStringLiteral("pattern%1.txt").arg(length));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    // Views the file through the View Data File button; the view window, or nullptr.
    Frm_ViewFile* View(const QString& path) {
        AnswerNextOpenDialog(path);
        QTest::mouseClick(Window<Frm_OpenFile>().findChild<QPushButton*>("CmdViewFile"),
                          Qt::LeftButton);
        ProcessEvents();
        return app->windows.FindAs<Frm_ViewFile>();
    }
    static QString Shown(Frm_ViewFile* view) {
        return view->findChild<QPlainTextEdit*>("Text1")->toPlainText();
    }
    static QString FileText(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromLatin1(f.readAll());
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ViewFileTest, ASmallFileIsShownWholeUnderItsPath) {
    const QString path = PatternFile(100);
    Frm_ViewFile* view = View(path);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), path);
    EXPECT_EQ(Shown(view), FileText(path));
    EXPECT_EQ(Shown(view).size(), 100);
    EXPECT_TRUE(Shown(view).endsWith(QLatin1Char('v'))) << "the last character is shown";
    EXPECT_TRUE(messages.empty());
}

TEST_F(ViewFileTest, ALongFileIsCutAfter56000Characters) {
    const QString path = PatternFile(60000);
    Frm_ViewFile* view = View(path);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Shown(view), FileText(path).left(56000) + " [ + more data in file ] ");
}

TEST_F(ViewFileTest, ViewingAgainReplacesTheEarlierView) {
    Frm_ViewFile* first = View(PatternFile(100));
    ASSERT_NE(first, nullptr);
    const QString real = RealSounding("geolibplus-bro-179092-short.txt");
    Frm_ViewFile* second = View(real);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), real);
    EXPECT_EQ(Shown(second), FileText(real));
    EXPECT_TRUE(Shown(second).startsWith("CPT test input "));
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        open += (w->objectName() == "Frm_ViewFile" && w->isVisible()) ? 1 : 0;
    EXPECT_EQ(open, 1);
}

TEST_F(ViewFileTest, AnEmptyFileGivesTheReadMessageAndNoView) {
    const QString path = dir.filePath("empty.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    View(path);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Could not read data from file");
    EXPECT_EQ(messages[0].title, "Open File Error");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(app->windows.FindAs<Frm_ViewFile>(), nullptr) << "instance released";
    EXPECT_FALSE(app->windows.IsLoaded("Frm_ViewFile"));
    EXPECT_TRUE(Window<Frm_OpenFile>().isVisible());
    EXPECT_EQ(endProgramCalls, 0);
}

namespace {
// Runs what the user does with a named pipe and tells whether it waited in the open for a
// writer. A writer comes after a while, so that a wait ends and the test fails instead of
// hanging.
bool WaitedForAWriter(const QString& pipe, const std::function<void()>& use) {
    const QByteArray path = QFile::encodeName(pipe);
    std::atomic<bool> done{false};
    std::atomic<bool> waited{false};
    std::thread writer([&] {
        for (int i = 0; i < 200 && !done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            // Opening the writing end without waiting succeeds only while a reader waits.
            const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                waited = true;
                ::close(fd);
                return;
            }
        }
    });
    use();
    done = true;
    writer.join();
    return waited;
}
} // namespace

TEST_F(ViewFileTest, ANamedPipeIsRefusedAtOnceAsTheReaderRefusesIt) {
    const QString pipe = dir.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(WaitedForAWriter(pipe, [&] { View(pipe); }));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Could not read data from file");
    EXPECT_EQ(messages[0].title, "Open File Error");
    EXPECT_FALSE(app->windows.IsLoaded("Frm_ViewFile"));

    messages.clear();
    EXPECT_FALSE(WaitedForAWriter(pipe, [&] {
        AnswerNextOpenDialog(pipe);
        QTest::mouseClick(Window<Frm_OpenFile>().findChild<QPushButton*>("CmdOpenFile"),
                          Qt::LeftButton);
    }));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "File Open Error");
    EXPECT_EQ(messages[1].text, "Could not read data from file");
    EXPECT_EQ(Decl().importSettings.ImportError, -1);
}

// Title lines with a degree sign, an en dash and a superscript two, written in UTF-8 or in
// the Windows code page: the file view and the comments of the project form show the same.
class TitleCharactersTest : public ViewFileTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(TitleCharactersTest, ViewAndProjectFormShowTheSameCharacters) {
    const QString titles = QString::fromUtf8("Site 20\u00B0C \u2013 north\nArea 10 cm\u00B2\n");
    const QByteArray encoded = std::string_view(GetParam()) == "UTF-8"
                                   ? titles.toUtf8()
                                   : QByteArray("Site 20\xB0"
                                                "C \x96 north\nArea 10 cm\xB2\n");
    const QString path = dir.filePath(QStringLiteral("titles.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(encoded + "1.0,20.5,0.1\n2.0,30.5,0.2\n");
    f.close();

    Frm_ViewFile* view = View(path);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(Shown(view).startsWith(titles)) << Shown(view).toStdString();

    Window<Frm_OpenFile>().findChild<QComboBox*>("CombTitleLines")->setEditText("2");
    ASSERT_TRUE(ReadThroughFileWindow(path));
    EXPECT_EQ(Window<Frm_Titles>().TxtComment->toPlainText(), titles);
    EXPECT_TRUE(messages.size() == 1u && messages[0].icon == MsgIcon::Information);
}

INSTANTIATE_TEST_SUITE_P(Encodings, TitleCharactersTest,
                         ::testing::Values("UTF-8", "Windows code page"));
