#pragma once
// Fixture of the tests of windows as a desktop user meets them on the screen of the test run:
// the cases of every screen (windows_on_screen_test, run on a desktop screen of 1920 x 1080 and
// again on a laptop screen of 1366 x 768), the laptop's own (screen_fit_test) and the
// desktop's keys (desktop_windows_test). Readers of whether a window lies whole within the
// available area, whether a read-only box shows its text from the first character, and whether
// a window opened by another opens centred on it, owned by it.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
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
        EXPECT_EQ(box.cursorPositionAt(QPoint(1, y)), 0); // at its very left edge
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

    // Soil Properties in the profile window, and the constrained modulus in its menu: the soil
    // factors of the modulus open.
    static void ChooseModulus(Frm_CPTData3& profile) {
        Click(profile, "Properties");
        profile.munSubSP[0]->trigger();
        profile.munSP->hide();
    }

    QRect area;
};

} // namespace strelvan::test
