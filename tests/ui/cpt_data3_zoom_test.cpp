// The Zoom key of the profile window: zoom all charts to the one zoomed with the mouse, and
// back to the whole range on the next press.
#include <QAction>
#include <cmath>

#include "platform/ChartFX.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/support/Soundings.h"
#include "ui/support/StandInForm.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::UiTest;

namespace {

const char* const kZoomFirst = "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ";

class CPTData3Zoom : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        test::RegisterStandIns(*app, {"Frm_SoilFactors", "Frm_Export"});
        CreateHistoryLists(Decl().history);
    }

    // Readings every 0.5 ft from 0.5 to 50 ft, qc = 20 + depth, fs 0.2 + depth / 100.
    void Rising() { test::EvenSounding(Decl().cone, 50); }

    Frm_CPTData3& Open() {
        auto& w = Window<Frm_CPTData3>();
        w.Show();
        ProcessEvents();
        return w;
    }

    static void PressZoom(Frm_CPTData3& w) { w.Toolbar1->ButtonByKey("Zoom")->trigger(); }
    static QString Tip(const Frm_CPTData3& w) { return w.Toolbar1->Item(6)->toolTip(); }

    static void Shown(const ChartFX* chart, int axis, double& low, double& high) {
        chart->Data().AxisList(axis).AxisZoomRange(low, high);
    }
};

} // namespace

TEST_F(CPTData3Zoom, ZoomAllThenZoomOut) {
    Rising();
    auto& w = Open();
    ASSERT_EQ(w.Toolbar1->Item(6), w.Toolbar1->ButtonByKey("Zoom"));
    EXPECT_EQ(Tip(w), "Zoom all graphs");
    w.ChartFX2->DragZoom(30, 40);
    PressZoom(w);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Tip(w), "Zoom Out    ");
    double low = 0, high = 0;
    for (const ChartFX* c : {w.ChartFX1, w.ChartFX3}) {
        Shown(c, 0, low, high);
        EXPECT_EQ(low, 30);
        EXPECT_EQ(high, 40);
    }
    // qc of readings 10 to 60 (30 ft) is 50 at most, but the readings on show reach 60 at
    // 40 ft: 0 to Int(60 + 10.5), so none of them is cut off.
    Shown(w.ChartFX1, 2, low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 70);
    // Ratio (0.2 + d/100) x 100 / (20 + d) rises to 1 at 30 ft: 0 to Int(1.5).
    Shown(w.ChartFX3, 2, low, high);
    EXPECT_EQ(high, 1);

    PressZoom(w); // back to the whole range
    EXPECT_EQ(Tip(w), "Zoom All    ");
    for (const ChartFX* c : {w.ChartFX1, w.ChartFX2, w.ChartFX3}) {
        EXPECT_FALSE(c->Data().ZoomActive());
        EXPECT_FALSE(c->Data().ZoomResetFlag());
        Shown(c, 0, low, high);
        EXPECT_EQ(low, 0.5);
        EXPECT_EQ(high, 50);
    }
    // Zoomed again, the tip "Zoom All    " zooms all again.
    w.ChartFX3->DragZoom(10, 20);
    PressZoom(w);
    EXPECT_EQ(Tip(w), "Zoom Out    ");
    Shown(w.ChartFX2, 0, low, high);
    EXPECT_EQ(low, 10);
    EXPECT_EQ(high, 20);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CPTData3Zoom, NoZoomedChartGivesTheMessageAndResetsTheTip) {
    Rising();
    auto& w = Open();
    PressZoom(w);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kZoomFirst);
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(Tip(w), "Zoom All    ");
    // Zoom all, then the user ends the zoom of the source chart himself: the next press
    // gives the message again instead of resetting, and the next zoom zooms all.
    w.ChartFX1->DragZoom(20, 25);
    PressZoom(w);
    EXPECT_EQ(Tip(w), "Zoom Out    ");
    w.ChartFX1->ZoomActive(false);
    PressZoom(w);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(Tip(w), "Zoom All    ");
    double low = 0, high = 0;
    Shown(w.ChartFX2, 0, low, high); // followers were not reset
    EXPECT_EQ(low, 20);
    EXPECT_EQ(high, 25);
}

TEST_F(CPTData3Zoom, RealSoundingZoomedOnTheSleeveChart) {
    ASSERT_TRUE(test::ReadRealSounding(Decl(), {"pygef-cpt-mos-cptu.txt", 9}));
    auto& w = Open();
    const ConeData& cone = Decl().cone;
    // The sand from about 18 m (59 ft) down: zoom 55 to 62 ft.
    w.ChartFX2->DragZoom(55, 62);
    PressZoom(w);
    EXPECT_TRUE(messages.empty());
    double low = 0, high = 0;
    Shown(w.ChartFX1, 0, low, high);
    EXPECT_EQ(low, 55);
    EXPECT_EQ(high, 62);
    // The softer soil above 55 ft alone would give a top near 107; the sand on show reaches
    // qc of about 160, and every qc on show lies under the top of the qc axis.
    Shown(w.ChartFX1, 2, low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, std::floor(high));
    float largest = 0;
    for (int i = 10; i <= cone.NumPoints; ++i) {
        largest = std::max(largest, cone.Qc[i]);
        if (cone.Depth[i] >= 55)
            break;
    }
    float largestOnShow = 0;
    for (int i = 1; i <= cone.NumPoints; ++i)
        if (cone.Depth[i] >= 55 && cone.Depth[i] <= 62)
            largestOnShow = std::max(largestOnShow, cone.Qc[i]);
    EXPECT_GT(largestOnShow, largest + 10.5); // the scan alone would hide readings
    EXPECT_GE(high, std::floor(largest + 10.5));
    EXPECT_GE(high, largestOnShow);
    EXPECT_LE(high, largestOnShow + 10.5);
    PressZoom(w);
    Shown(w.ChartFX1, 0, low, high);
    EXPECT_FLOAT_EQ(static_cast<float>(low), cone.Depth[1]);
}
