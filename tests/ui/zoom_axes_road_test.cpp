// The linked zoom as a user drives it through the chart windows of a sounding: whatever window
// was used before, every value a chart plots inside the zoomed range lies within its value
// axis; the switch of the vertical axis and the depth cut end the zoom; a drag after Zoom All
// shows the dragged chart's values; each window keeps its own depth/elevation mode.
#include <QAction>
#include <QComboBox>
#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "platform/ChartFX.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/results/ResultChartWindow.h"
#include "ui/support/Soundings.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;

namespace {

struct Range {
    double low = 0, high = 0;
};

Range Shown(const ChartFX& chart, int axis) {
    Range r;
    chart.Data().AxisList(axis).AxisZoomRange(r.low, r.high);
    return r;
}

// The plotted points of a chart that lie inside its vertical range on show but outside its
// value axis; 0 when every one is on show.
int HiddenValues(const ChartFX& chart) {
    const Range vertical = Shown(chart, 0);
    const Range values = Shown(chart, 2);
    int hidden = 0;
    for (int p = 0; p < chart.Data().PointCount(); ++p) {
        const auto at = chart.Data().SeriesList(0).PointValue(p);
        const auto value = chart.Data().SeriesList(0).PointXValue(p);
        if (at && value && *at >= vertical.low && *at <= vertical.high)
            hidden += *value < values.low || *value > values.high;
    }
    return hidden;
}

// A chart window as the zoom sees it: its row of linked charts and its keys.
struct ChartWindow {
    std::string name;
    std::vector<ChartFX*> row;
    QAction* zoom = nullptr;
    QAction* yAxis = nullptr;
};

class ZoomAxesRoad : public test::UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CreateHistoryLists(Decl().history);
        test::LeveeProject(Decl());
        Decl().project.GroundElev = 3.0f;
        ChartSelection& s = Decl().selection;
        s.ChartOrder = "0 1 2 3";
        s.PointsPerLayer = 10;
    }

    ChartWindow Profile(const char* name) {
        auto* w = qobject_cast<ProfileChartWindow*>(app->windows.Instance(name));
        w->Show();
        ProcessEvents();
        ChartWindow c{name, {w->ChartFX1, w->ChartFX2, w->ChartFX3}, nullptr, nullptr};
        for (const char* pore : {"ChartFX4", "ChartFX5"})
            if (auto* chart = w->findChild<ChartFX*>(pore))
                c.row.push_back(chart);
        c.zoom = w->Toolbar1->ButtonByKey("Zoom");
        c.yAxis = w->Toolbar1->ButtonByKey("YAxis");
        return c;
    }

    ChartWindow Result(const char* name) {
        auto* w = qobject_cast<ResultChartWindow*>(app->windows.Instance(name));
        w->Show();
        ProcessEvents();
        return {name,
                {w->ChartFX[0], w->ChartFX[1], w->ChartFX[2]},
                w->Toolbar1->ButtonByKey("Zoom"),
                w->Toolbar1->ButtonByKey("YAxis")};
    }

    // A random range inside the whole vertical range of a chart.
    static std::pair<double, double> SomeRange(const ChartFX& chart, std::mt19937& random) {
        const Range whole = Shown(chart, 0);
        std::uniform_real_distribution<double> at(whole.low, whole.high);
        const double a = at(random);
        const double b = at(random);
        return {a, a == b ? whole.high : b};
    }

    // Rounds of a user zooming: now and then the other axis mode; a drag on one chart and
    // Zoom All; a drag on another chart after it; Zoom Out. After each step every chart of
    // the row shows every value it plots inside its range on show.
    void ZoomAround(const ChartWindow& w, std::mt19937& random) {
        std::uniform_int_distribution<std::size_t> pick(0, w.row.size() - 1);
        for (int round = 0; round < 4; ++round) {
            SCOPED_TRACE(testing::Message() << w.name << " round " << round);
            if (random() % 2 == 0)
                w.yAxis->trigger();
            ChartFX& source = *w.row[pick(random)];
            const auto [a, b] = SomeRange(source, random);
            source.DragZoom(a, b);
            w.zoom->trigger(); // Zoom All
            for (const ChartFX* chart : w.row)
                EXPECT_EQ(HiddenValues(*chart), 0) << chart->objectName().toStdString();
            ChartFX& next = *w.row[pick(random)];
            const auto [c, d] = SomeRange(next, random);
            next.DragZoom(c, d);
            EXPECT_EQ(HiddenValues(next), 0) << next.objectName().toStdString();
            w.zoom->trigger(); // Zoom Out
        }
        EXPECT_TRUE(messages.empty());
    }
};

class ZoomAxesOverSoundings : public ZoomAxesRoad,
                              public testing::WithParamInterface<test::RealFile> {};

} // namespace

TEST_P(ZoomAxesOverSoundings, EveryPlottedValueInTheZoomedRangeLiesWithinItsAxis) {
    ConeData& cone = Decl().cone;
    cone.PoreType1 = 2; // the fourth column, where there is one, as u2
    cone.PoreType2 = 1; // no file has a fifth
    ASSERT_TRUE(test::ReadRealSounding(Decl(), GetParam()));
    std::mt19937 random(static_cast<unsigned>(cone.NumPoints));

    // The profile windows, then the result windows one after another from the profile
    // window (the selection releases the window of the method before), then the profile
    // window again.
    ZoomAround(Profile("Frm_CPTData5"), random);
    app->windows.UnloadAndRelease("Frm_CPTData5");
    ZoomAround(Profile("Frm_CPTData4"), random);
    app->windows.UnloadAndRelease("Frm_CPTData4");
    const ChartWindow profile = Profile("Frm_CPTData3");
    ZoomAround(profile, random);
    for (const char* result :
         {"Frm_Tumay01", "Frm_Tumay02", "Frm_Robert86", "Frm_Olsen", "Frm_Fuzzy"}) {
        ZoomAround(Result(result), random);
        app->windows.UnloadAndRelease(result);
    }
    ZoomAround(profile, random);
}

INSTANTIATE_TEST_SUITE_P(Real, ZoomAxesOverSoundings, testing::ValuesIn(test::kRealFiles),
                         [](const testing::TestParamInfo<test::RealFile>& info) {
                             std::string name = info.param.file;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(ZoomAxesRoad, AxisSwitchAndDepthCutEndTheZoom) {
    test::EvenSounding(Decl().cone, 50); // 0.5 .. 50 ft
    const ChartWindow w = Profile("Frm_CPTData3");
    auto& window = Window<Frm_CPTData3>();
    const auto expectWhole = [&] {
        for (const ChartFX* chart : w.row) {
            EXPECT_FALSE(chart->Data().ZoomActive());
            const Range r = Shown(*chart, 0);
            // The range on show holds the first and the last reading plotted.
            const double first = *chart->Data().SeriesList(0).PointValue(0);
            const double last =
                *chart->Data().SeriesList(0).PointValue(chart->Data().PointCount() - 1);
            EXPECT_LE(r.low, std::min(first, last));
            EXPECT_GE(r.high, std::max(first, last));
        }
        EXPECT_EQ(w.zoom->toolTip(), "Zoom All    ");
    };
    window.ChartFX2->DragZoom(40, 45);
    w.zoom->trigger();
    w.yAxis->trigger(); // to elevations 3 - depth: 40 .. 45 is no elevation of the sounding
    expectWhole();
    EXPECT_EQ(window.ChartFX1->Data().AxisList(0).AxisTitle(), "Elevation (ft)");

    w.yAxis->trigger();
    window.ChartFX1->DragZoom(40, 45);
    w.zoom->trigger();
    window.Combo1->setEditText("20"); // a cut above the zoomed range
    window.Toolbar1->ButtonByKey("Depth")->trigger();
    EXPECT_EQ(window.PlotCount, 40);
    expectWhole();
    // The next Zoom press zooms all again.
    window.ChartFX3->DragZoom(5, 10);
    w.zoom->trigger();
    EXPECT_EQ(Shown(*window.ChartFX1, 0).high, 10);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ZoomAxesRoad, DragAfterZoomAllShowsTheDraggedValuesWhole) {
    test::EvenSounding(Decl().cone, 50); // qc = 20 + depth
    Profile("Frm_CPTData3");
    auto& w = Window<Frm_CPTData3>();
    const Range whole = Shown(*w.ChartFX1, 2);
    w.ChartFX2->DragZoom(5, 10);
    w.Toolbar1->ButtonByKey("Zoom")->trigger();
    ASSERT_EQ(Shown(*w.ChartFX1, 2).high, 40); // qc 30 at 10 ft: Int(30 + 10.5)
    w.ChartFX1->DragZoom(40, 50);              // qc 60 .. 70 there
    EXPECT_EQ(Shown(*w.ChartFX1, 2).high, whole.high);
    EXPECT_EQ(HiddenValues(*w.ChartFX1), 0);
}

TEST_F(ZoomAxesRoad, EachWindowKeepsItsOwnDepthOrElevation) {
    Decl().selection.MethodCode = 2;
    test::EvenSounding(Decl().cone, 50);
    Profile("Frm_CPTData3");
    auto& profile = Window<Frm_CPTData3>();
    const ChartWindow result = Result("Frm_Tumay02");
    result.yAxis->trigger();
    EXPECT_EQ(result.row[0]->Data().AxisList(0).AxisTitle(), "Elevation (ft)");

    // The profile window still cuts at a depth and shows depths under its list of depths.
    EXPECT_EQ(profile.AxisMode(), 1);
    profile.Combo1->setEditText("30");
    profile.Toolbar1->ButtonByKey("Depth")->trigger();
    EXPECT_EQ(profile.PlotCount, 60); // 30 ft
    EXPECT_EQ(profile.ChartFX1->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(profile.ChartFX1->Data().SeriesList(0).PointValue(0), 0.5f);
    EXPECT_EQ(profile.Combo1->itemText(1), "8");
    // Its own switch goes to elevation, and the result window's stays there.
    profile.Toolbar1->ButtonByKey("YAxis")->trigger();
    EXPECT_EQ(profile.AxisMode(), -1);
    EXPECT_EQ(profile.ChartFX1->Data().AxisList(0).AxisTitle(), "Elevation (ft)");
    EXPECT_EQ(profile.ChartFX1->Data().SeriesList(0).PointValue(0), 2.5f);
    EXPECT_EQ(qobject_cast<ResultChartWindow*>(app->windows.Find("Frm_Tumay02"))->AxisMode(), -1);
    EXPECT_TRUE(messages.empty());
}
