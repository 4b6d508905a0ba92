// The linked zoom over a row of three to five profile charts.
#include <QWidget>
#include <array>
#include <memory>

#include "engine/support/ReadingRows.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"
#include "ui/charts/ZoomCharts.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::UiTest;

namespace {

struct Range {
    double low, high;
    bool operator==(const Range&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Range& r) {
    return os << r.low << " .. " << r.high;
}

Range Shown(const ChartFX* chart, int axis) {
    Range r{};
    chart->Data().AxisList(axis).AxisZoomRange(r.low, r.high);
    return r;
}

class ZoomCharts : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        // Readings every 0.5 ft from 0.5 to 50 ft: qc = 20 + depth, fs and ratio rising too,
        // u1 1.0, u2 2.0, u3 3.0.
        ConeData& cone = Decl().cone;
        for (int i = 1; i <= 100; ++i) {
            const float d = 0.5f * static_cast<float>(i);
            cone.Depth[i] = d;
            cone.Qc[i] = 20.0f + d;
            cone.Fs[i] = d / 10.0f;
            cone.Ratio[i] = d / 5.0f;
            cone.U1[i] = 1.0f;
            cone.U2[i] = 2.0f;
            cone.U3[i] = 3.0f;
        }
        cone.NumPoints = 100;
        window = std::make_unique<QWidget>();
        const ConeData::Column* columns[] = {&cone.Qc, &cone.Fs, &cone.Ratio, &cone.U1, &cone.U2};
        for (std::size_t k = 0; k < charts.size(); ++k) {
            charts[k] = new ChartFX(platform::ChartLook::Profile, window.get());
            charts[k]->resize(240, 500);
            Draw(*charts[k], *columns[k]);
        }
    }

    void TearDown() override {
        window.reset();
        UiTest::TearDown();
    }

    void Draw(ChartFX& chart, const ConeData::Column& column) {
        const ConeData& cone = Decl().cone;
        chart.BeginData(platform::kChartValues, 1, cone.NumPoints);
        chart.BeginData(platform::kChartXValues, 1, cone.NumPoints);
        for (int p = 0; p < cone.NumPoints; ++p) {
            chart.SeriesList(0).PointValue(p, cone.Depth[p + 1]);
            chart.SeriesList(0).PointXValue(p, column[p + 1]);
        }
        chart.AxisList(0).AxisMax(cone.Depth[1]);
        chart.AxisList(0).AxisMin(cone.Depth[cone.NumPoints]);
        chart.Refresh();
        chart.EndData(platform::kChartValues);
        chart.EndData(platform::kChartXValues);
    }

    ChartFX* C(int position) { return charts[static_cast<std::size_t>(position - 1)]; }

    // What the five charts plot: readings 1 to 100, the pore pressures of their kinds.
    ZoomRow Row(int16_t mode = 1) {
        const ConeData& cone = Decl().cone;
        return test::ReadingRow(cone, 100, mode, Decl().project.GroundElev);
    }

    std::unique_ptr<QWidget> window;
    std::array<ChartFX*, 5> charts{};
};

} // namespace

TEST_F(ZoomCharts, FollowersShowTheZoomedRangeAndTheirMaximum) {
    const Range whole = Shown(C(2), 2);
    C(2)->DragZoom(40, 30); // the user zooms the fs chart over 30 to 40 ft
    ZoomAll(Row(), 3, C(1), C(2), C(3), nullptr, nullptr);
    EXPECT_TRUE(messages.empty());
    // qc rises with depth: readings 10 (5 ft) down to 30 ft reach qc 50 only, but the
    // readings on show reach qc 60 at 40 ft, so the axis runs to Int(60 + 10.5) and no
    // reading on show is cut off.
    EXPECT_EQ(Shown(C(1), 0), (Range{30, 40}));
    EXPECT_EQ(Shown(C(1), 2), (Range{0, 70}));
    // Ratio 8 at 40 ft: 0 to Int(8.5).
    EXPECT_EQ(Shown(C(3), 0), (Range{30, 40}));
    EXPECT_EQ(Shown(C(3), 2), (Range{0, 8}));
    // The source stays as the user zoomed it; only the user's own zoom is active.
    EXPECT_EQ(Shown(C(2), 0), (Range{30, 40}));
    EXPECT_EQ(Shown(C(2), 2), whole);
    EXPECT_FALSE(C(1)->Data().ZoomActive());
    EXPECT_FALSE(C(3)->Data().ZoomActive());
    // Charts beyond the count are not touched.
    EXPECT_EQ(Shown(C(4), 0), (Range{0.5, 50}));
}

TEST_F(ZoomCharts, TheZoomedChartInTheLowerPositionLeads) {
    C(3)->DragZoom(10, 20);
    C(2)->DragZoom(30, 40);
    ZoomAll(Row(), 3, C(1), C(2), C(3));
    EXPECT_EQ(Shown(C(1), 0), (Range{30, 40}));
    EXPECT_EQ(Shown(C(3), 0), (Range{30, 40}));
    // With five charts, chart 4 leads only when none of 1 to 3 is zoomed, then chart 5.
    ZoomReset(5, C(1), C(2), C(3), C(4), C(5));
    C(5)->DragZoom(5, 8);
    C(4)->DragZoom(12, 16);
    ZoomAll(Row(), 5, C(1), C(2), C(3), C(4), C(5));
    for (int k : {1, 2, 3, 5})
        EXPECT_EQ(Shown(C(k), 0), (Range{12, 16})) << k;
    ZoomReset(5, C(1), C(2), C(3), C(4), C(5));
    C(5)->DragZoom(5, 8);
    ZoomAll(Row(), 5, C(1), C(2), C(3), C(4), C(5));
    for (int k : {1, 2, 3, 4})
        EXPECT_EQ(Shown(C(k), 0), (Range{5, 8})) << k;
    EXPECT_TRUE(messages.empty());
}

TEST_F(ZoomCharts, NoZoomedChartGivesTheMessageOnlyWithThreeCharts) {
    ZoomAll(Row(), 3, C(1), C(2), C(3));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages[0].title, ""); // the program's default title
    ZoomAll(Row(), 4, C(1), C(2), C(3), C(4));
    ZoomAll(Row(), 5, C(1), C(2), C(3), C(4), C(5));
    EXPECT_EQ(messages.size(), 1u);
    // With three charts, a zoomed fifth chart is not looked at.
    C(5)->DragZoom(5, 8);
    ZoomAll(Row(), 3, C(1), C(2), C(3), C(4), C(5));
    EXPECT_EQ(messages.size(), 2u);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(Shown(C(k), 0), (Range{0.5, 50})) << k;
}

TEST_F(ZoomCharts, PoreChartsFollowTheirKind) {
    ConeData& cone = Decl().cone;
    cone.PoreType1 = 0; // no known kind: the value axis is cut at 0 to 0, which leaves it whole
    cone.PoreType2 = 3;
    const Range whole = Shown(C(4), 2);
    C(1)->DragZoom(30, 40);
    ZoomAll(Row(), 5, C(1), C(2), C(3), C(4), C(5));
    EXPECT_EQ(Shown(C(4), 0), (Range{30, 40}));
    EXPECT_EQ(Shown(C(4), 2), whole);
    EXPECT_EQ(Shown(C(5), 0), (Range{30, 40}));
    EXPECT_EQ(Shown(C(5), 2), (Range{0, 3})); // u3, Int(3 + 0.5)
    EXPECT_EQ(Shown(C(2), 2), (Range{0, 4})); // fs 4 at 40 ft on show, Int(4.5)
}

TEST_F(ZoomCharts, EmptyChartReferencesWithinTheCountAreSkipped) {
    C(1)->DragZoom(30, 40);
    ZoomAll(Row(), 5, C(1), nullptr, C(3), nullptr, C(5));
    EXPECT_EQ(Shown(C(3), 0), (Range{30, 40}));
    EXPECT_EQ(Shown(C(5), 0), (Range{30, 40}));
    ZoomReset(5, C(1), nullptr, C(3), nullptr, C(5));
    EXPECT_FALSE(C(1)->Data().ZoomActive());
    EXPECT_EQ(Shown(C(3), 0), (Range{0.5, 50}));
    // No chart at all: nothing zoomed, the message with three charts.
    ZoomAll(Row(), 3, nullptr, nullptr, nullptr);
    ZoomReset(3, nullptr, nullptr, nullptr);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ZoomCharts, ResetReturnsEveryChartOfTheCountToItsWholeRange) {
    const Range qcWhole = Shown(C(1), 2);
    C(2)->DragZoom(30, 40);
    C(4)->DragZoom(1, 2);
    ZoomAll(Row(), 3, C(1), C(2), C(3));
    ZoomReset(3, C(1), C(2), C(3), C(4), C(5));
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FALSE(C(k)->Data().ZoomActive()) << k;
        EXPECT_FALSE(C(k)->Data().ZoomResetFlag()) << k;
        EXPECT_EQ(Shown(C(k), 0), (Range{0.5, 50})) << k;
    }
    EXPECT_EQ(Shown(C(1), 2), qcWhole);
    // Chart 4 lies beyond the count of three: it keeps its zoom.
    EXPECT_TRUE(C(4)->Data().ZoomActive());
    EXPECT_TRUE(C(4)->Data().ZoomResetFlag());
    ZoomReset(4, C(1), C(2), C(3), C(4));
    EXPECT_FALSE(C(4)->Data().ZoomActive());
    EXPECT_EQ(Shown(C(4), 0), (Range{0.5, 50}));
}

TEST_F(ZoomCharts, AMaximumTooLargeForTheAxisLeavesThatAxisWhole) {
    Decl().cone.Qc[20] = 1e9f; // between reading 10 and the zoomed range
    const Range whole = Shown(C(1), 2);
    C(3)->DragZoom(30, 40);
    ZoomAll(Row(), 3, C(1), C(2), C(3));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], ZoomTooLargeMessage());
    EXPECT_EQ(Shown(C(1), 0), (Range{30, 40})); // the depth range still follows
    EXPECT_EQ(Shown(C(1), 2), whole);
    EXPECT_EQ(Shown(C(2), 2), (Range{0, 4})); // fs 4 at 40 ft on show
}

TEST_F(ZoomCharts, ElevationViewCutsTheValueAxisAsTheSameDepthView) {
    Decl().project.GroundElev = 12.0f;
    ConeData& cone = Decl().cone;
    for (int i = 1; i <= cone.NumPoints; ++i)
        cone.Elev[i] = 12.0f - cone.Depth[i];
    // Elevations -28 to -18: depths 30 to 40 ft below a ground at 12 ft.
    C(2)->DragZoom(-28, -18);
    ZoomAll(Row(-1), 3, C(1), C(2), C(3));
    EXPECT_EQ(Shown(C(1), 0), (Range{-28, -18}));
    EXPECT_EQ(Shown(C(1), 2), (Range{0, 70})); // as the same view in depth
}
