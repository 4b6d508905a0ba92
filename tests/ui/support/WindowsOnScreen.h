#pragma once
// Windows as a desktop user meets them on the screen of the test program: the same cases run
// on a laptop screen of 1366 x 768 (screen_fit_test) and on a desktop screen of 1920 x 1080
// (desktop_windows_test). Every window lies whole within the available area, a read-only box
// shows its text from the first character, and a window opened by another opens centred on
// it, owned by it.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QWindow>

#include "platform/ReadOnlyBox.h"
#include "platform/Text.h"
#include "ui/import/Frm_Titles.h"
#include "ui/properties/Frm_PlotProperties.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/results/Frm_Manual.h"
#include "ui/results/Frm_Tumay01.h"
#include "ui/support/ResultWindowFixture.h"

namespace strelvan::test {

class OnScreen : public ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        area = QGuiApplication::primaryScreen()->availableGeometry();
    }

    // A project whose particulars are longer than their boxes on a small screen.
    void LongProject() {
        ProjectInfo& p = Decl().project;
        p.ProjNum = "2019-GEO-000123-REV-B";
        p.Parish = "East Baton Rouge";
        p.ProjTitle = "I-10 widening at the Mississippi River bridge, east approach: edge pile "
                      "load test program";
        p.Station = "1234+56.78";
        p.Offset = "25.5 ft RT of baseline";
        p.GroundElev = 12.5f;
        p.ProjDate = "03-14-2024";
        p.Latitude = "30.451468 N";
        p.Longitude = "91.187149 W";
        p.CPTNo = "CPT-07B";
    }

    // The window is on show with its frame inside the available area.
    void ExpectWhole(const QWidget& w) {
        ASSERT_TRUE(w.isVisible()) << S(w.objectName());
        const QRect f = w.frameGeometry();
        EXPECT_TRUE(area.contains(f)) << S(w.objectName()) << " at " << f.x() << "," << f.y() << " "
                                      << f.width() << "x" << f.height();
    }
    void ExpectWhole(const char* name) {
        const Form* w = app->windows.Find(name);
        ASSERT_NE(w, nullptr) << name;
        ExpectWhole(*w);
    }

    // The window just opened for `owner`: whole on the screen, centred on the owner wherever the
    // screen leaves room for that, and owned by it (kept in front of it) when the owner is still
    // on show.
    void ExpectOpenedOn(const char* name, const QWidget& owner) {
        ProcessEvents();
        const Form* w = app->windows.Find(name);
        ASSERT_TRUE(w != nullptr && w->isVisible()) << name;
        ExpectWhole(*w);
        const QRect f = w->frameGeometry();
        const QPoint centre = owner.frameGeometry().center();
        const bool roomAcross =
            centre.x() - f.width() / 2 >= area.left() && centre.x() + f.width() / 2 <= area.right();
        const bool roomDown = centre.y() - f.height() / 2 >= area.top() &&
                              centre.y() + f.height() / 2 <= area.bottom();
        if (roomAcross) {
            EXPECT_NEAR(f.center().x(), centre.x(), 1) << name;
        }
        if (roomDown) {
            EXPECT_NEAR(f.center().y(), centre.y(), 1) << name;
        }
        ASSERT_NE(w->windowHandle(), nullptr);
        EXPECT_EQ(w->windowHandle()->transientParent(),
                  owner.isVisible() ? owner.windowHandle() : nullptr)
            << name;
    }

    // What a box shows, read back at its edges: its text from the first character, and all of
    // it unless the whole text is its tool tip.
    static void ExpectShownFromStart(QLineEdit& box) {
        SCOPED_TRACE(S(box.objectName()) + ": " + S(box.text()));
        box.grab(); // paints the box as on screen, which scrolls a text that does not fit
        const int y = box.height() / 2;
        EXPECT_EQ(box.cursorPositionAt(QPoint(4, y)), 0);
        const bool whole = box.cursorPositionAt(QPoint(box.width() - 4, y)) == box.text().size();
        if (qobject_cast<platform::ReadOnlyBox*>(&box) != nullptr)
            EXPECT_EQ(S(box.toolTip()), whole ? std::string() : S(box.text()));
        else
            EXPECT_TRUE(whole);
    }
    // Every project box of a window; how many of them cut their text.
    int ExpectProjectBoxesShownFromStart(const QWidget& window) {
        int cut = 0;
        const auto boxes = window.findChildren<platform::ReadOnlyBox*>();
        EXPECT_GE(boxes.size(), 9) << S(window.objectName());
        for (platform::ReadOnlyBox* box : boxes) {
            EXPECT_FALSE(box->text().isEmpty()) << S(box->objectName());
            ExpectShownFromStart(*box);
            cut += box->toolTip().isEmpty() ? 0 : 1;
        }
        return cut;
    }

    // The profile, probability and property windows of the long project, as the user opens
    // them; the number of their boxes that cut their text.
    int ProjectBoxesOfTheThreeWindows() {
        LongProject();
        SoundingOfLayers(60);
        int cut = 0;
        const auto check = [&](const char* name) {
            SCOPED_TRACE(name);
            ProcessEvents();
            const Form* w = app->windows.Find(name);
            EXPECT_TRUE(w != nullptr && w->isVisible());
            if (w != nullptr)
                cut += ExpectProjectBoxesShownFromStart(*w);
        };
        app->windows.Show("Frm_CPTData3");
        check("Frm_CPTData3");
        Decl().selection.MethodCode = 1;
        Open<Frm_Tumay01>("0 1 2 3");
        check("Frm_Tumay01");
        app->windows.Show("Frm_SoilFactors"); // lays the grid afresh: the probabilities close
        Window<Frm_SoilFactors>().OK->click();
        check("Frm_PlotProperties");
        return cut;
    }

    QRect area;
};

TEST_F(OnScreen, ProjectFormShowsEightyCharacterTitleLinesWhole) {
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

// The project boxes of the three windows that show them; a box given the same text again (a
// window loaded again on the same project) still shows its start.
TEST_F(OnScreen, ProjectBoxesShowTheirTextFromTheFirstCharacter) {
    ProjectBoxesOfTheThreeWindows();
    QLineEdit& title = *app->windows.FindAs<Frm_CPTData3>()->TxtTitle;
    title.setText(title.text());
    ExpectShownFromStart(title);
}

// Cut at the last reading, the profile window's depth list ends in a depth of many digits, and
// its elevation list in a negative one: the depth box shows each whole.
TEST_F(OnScreen, DepthBoxShowsEveryDepthOfItsListWhole) {
    Sounding(65.5f);
    ConeData& cone = Decl().cone;
    cone.Depth[static_cast<std::size_t>(cone.NumPoints)] = 65.51837f;
    Decl().project.GroundElev = 12.5f;
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    ExpectWhole(profile);
    QComboBox& combo = *profile.Combo1;
    for (const char* last : {"65.51837", "-53.01837"}) {
        SCOPED_TRACE(last);
        ASSERT_EQ(combo.count(), 8);
        EXPECT_EQ(combo.itemText(7), last);
        EXPECT_TRUE(combo.isVisible());
        for (int i = 0; i < combo.count(); ++i) {
            combo.setCurrentIndex(i);
            ExpectShownFromStart(*combo.lineEdit());
        }
        Click(profile, "YAxis"); // the elevations
        ProcessEvents();
    }
}

TEST_F(OnScreen, ProfileResultAndManualWindowsFitTheScreen) {
    SoundingOfLayers(40);
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    ExpectWhole("Frm_CPTData3");
    auto& result = Open<Frm_Tumay02>("0 1 3 4");
    Click(result, "Next"); // the manual layer editor
    ExpectWhole("Frm_Tumay02");
    ExpectOpenedOn("Frm_Manual", result);
}

// From the profile window through the selection to a result window, its printer choice, and
// Back to the selection; the soil factors and the property window: each dialog opens on the
// window it was opened from.
TEST_F(OnScreen, DialogsOpenCentredOnTheWindowThatOpenedThem) {
    SoundingOfLayers(40);
    Decl().project.GroundElev = 12.5f;
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    profile.munSubCS[1]->trigger();
    ExpectOpenedOn("Frm_Select", profile);

    auto* result = ClassifyThroughSelection<Frm_Tumay02>(2);
    ASSERT_TRUE(result != nullptr && result->isVisible());
    Click(*result, "Export");
    ExpectOpenedOn("Frm_Export", *result);
    app->windows.Unload("Frm_Export");

    // Back closes the result window: the selection opens where it stood, owned by none.
    const QRect stood = result->frameGeometry();
    Click(*result, "Back");
    ProcessEvents();
    ASSERT_FALSE(result->isVisible());
    auto* select = app->windows.FindAs<Frm_Select>();
    ASSERT_TRUE(select != nullptr && select->isVisible());
    EXPECT_NEAR(select->frameGeometry().center().x(), stood.center().x(), 1);
    EXPECT_NEAR(select->frameGeometry().center().y(), stood.center().y(), 1);
    EXPECT_EQ(select->windowHandle()->transientParent(), nullptr);

    // The soil factors open on the profile window, the property window on their OK, and the
    // soil factors again on the property window's Back, where it stood.
    select->findChild<QPushButton*>("CmdCancel")->click();
    Click(profile, "Properties");
    ExpectOpenedOn("Frm_SoilFactors", profile);
    Window<Frm_SoilFactors>().OK->click();
    ProcessEvents();
    auto* properties = app->windows.FindAs<Frm_PlotProperties>();
    ASSERT_TRUE(properties != nullptr && properties->isVisible());
    ExpectWhole(*properties);
    Click(*properties, "Export");
    ExpectOpenedOn("Frm_Export", *properties);
    app->windows.Unload("Frm_Export");
    const QRect stoodHere = properties->frameGeometry();
    Click(*properties, "Back");
    ProcessEvents();
    auto* factors = app->windows.FindAs<Frm_SoilFactors>();
    ASSERT_TRUE(factors != nullptr && factors->isVisible());
    EXPECT_NEAR(factors->frameGeometry().center().x(), stoodHere.center().x(), 1);
    EXPECT_NEAR(factors->frameGeometry().center().y(), stoodHere.center().y(), 1);
}

// The user moved the profile window down to the corner of the screen: the selection opens
// as near its centre as the screen allows, whole.
TEST_F(OnScreen, AWindowOpenedNearTheEdgeStaysWholeOnTheScreen) {
    SoundingOfLayers(40);
    app->windows.Show("Frm_CPTData3");
    ProcessEvents();
    auto& profile = *app->windows.FindAs<Frm_CPTData3>();
    for (const QPoint corner : {area.bottomRight() - QPoint(200, 120), area.topLeft()}) {
        profile.move(corner);
        ProcessEvents();
        profile.munSubCS[2]->trigger();
        ExpectOpenedOn("Frm_Select", profile);
        app->windows.Find("Frm_Select")->findChild<QPushButton*>("CmdCancel")->click();
        ProcessEvents();
    }
}

} // namespace strelvan::test
