// Windows as they open on a laptop screen of 1366 x 768 (the option --screen=laptop): each
// one whole within the screen, and the project form wide enough for title lines of 80
// characters.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>

#include "ui/import/Frm_Titles.h"
#include "ui/results/Frm_Manual.h"
#include "ui/support/ResultWindowFixture.h"

using namespace strelvan;
using strelvan::test::ResultWindowTest;

namespace {
class ScreenFit : public ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        area = QGuiApplication::primaryScreen()->availableGeometry();
        ASSERT_EQ(area.size(), QSize(1366, 768))
            << "the test runs on the laptop screen: --screen=laptop";
    }
    // The window is on show with its frame inside the available area.
    void ExpectWhole(const char* name) {
        const Form* w = app->windows.Find(name);
        ASSERT_TRUE(w != nullptr && w->isVisible()) << name;
        EXPECT_TRUE(area.contains(w->frameGeometry()))
            << name << " at " << w->frameGeometry().x() << "," << w->frameGeometry().y() << " "
            << w->frameGeometry().width() << "x" << w->frameGeometry().height();
    }
    QRect area;
};
} // namespace

TEST_F(ScreenFit, ProjectFormShowsEightyCharacterTitleLinesWhole) {
    const QString line = QString(79, QLatin1Char('x')) + QLatin1Char('|');
    Decl().importSettings.HeaderText = line.toStdString() + "\r\nSecond title\r\n";
    Window<Frm_Titles>().Show();
    ProcessEvents();
    ExpectWhole("Frm_Titles");
    const QPlainTextEdit& comment = *Window<Frm_Titles>().TxtComment;
    const int margins = 2 * static_cast<int>(comment.document()->documentMargin());
    EXPECT_GE(comment.viewport()->width() - margins,
              QFontMetrics(comment.font()).horizontalAdvance(line));
}

TEST_F(ScreenFit, ProfileResultAndManualWindowsFitTheScreen) {
    SoundingOfLayers(40);
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    ExpectWhole("Frm_CPTData3");
    Click(Open<Frm_Tumay02>("0 1 3 4"), "Next"); // the manual layer editor
    ProcessEvents();
    ExpectWhole("Frm_Tumay02");
    ExpectWhole("Frm_Manual");
}
