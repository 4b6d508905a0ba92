// What the five result windows do alike, tested once over all five: the depth/elevation switch
// of their profiles, the Zoom key over their profiles, and a sounding the layer grid refuses.
#include <QAction>
#include <QTest>

#include "engine/classification/Methods.h"
#include "platform/Program.h"
#include "ui/results/ResultChartWindow.h"
#include "ui/support/ResultWindowFixture.h"

using namespace strelvan;
using platform::ChartFX;

namespace {

class ResultWindowsAlike : public test::ResultWindowTest,
                           public testing::WithParamInterface<Method> {
protected:
    ResultChartWindow& OpenWindow(const std::string& order) {
        const MethodRow& method = RowOf(GetParam());
        Decl().selection.MethodCode = method.Code();
        Decl().selection.ChartOrder = order;
        auto* w = qobject_cast<ResultChartWindow*>(
            app->windows.Instance(QString::fromLatin1(method.resultWindow)));
        EXPECT_NE(w, nullptr);
        w->Show();
        ProcessEvents();
        return *w;
    }
    static double Shown(const ChartFX& chart, bool upper) {
        double low = 0, high = 0;
        chart.Data().AxisList(0).AxisZoomRange(low, high);
        return upper ? high : low;
    }
};

std::string MethodName(const testing::TestParamInfo<Method>& info) {
    return RowOf(info.param).resultWindow;
}
INSTANTIATE_TEST_SUITE_P(Methods, ResultWindowsAlike,
                         testing::Values(Method::Probabilistic, Method::Schmertmann,
                                         Method::Robertson86, Method::DouglasOlsen, Method::Fuzzy),
                         MethodName);

} // namespace

TEST_P(ResultWindowsAlike, TheProfilesSwitchToElevationOnlyWhenOneWasEntered) {
    Sounding(30);
    ResultChartWindow& w = OpenWindow("0 1 2 3");
    Click(w, "YAxis");
    ExpectElevationRefused();
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(Chart(w, 0).Data().AxisList(0).AxisTitle(), "Depth (ft)");

    Decl().project.GroundElev = 12.5f;
    w.Unload();
    w.Show();
    ProcessEvents();
    Click(w, "YAxis");
    const LayerGrid& g = Decl().grid;
    const auto n = static_cast<std::size_t>(g.NumLayers);
    EXPECT_EQ(w.AxisMode(), -1);
    EXPECT_EQ(Chart(w, 0).Data().AxisList(0).AxisTitle(), "Elevation (ft)");
    for (int k : {0, 1, 2}) {
        const ChartFX& profile = Chart(w, k);
        EXPECT_EQ(profile.Data().SeriesList(0).PointValue(0), 12.5f - g.LayerDepth[1]) << k;
        EXPECT_EQ(profile.Data().AxisList(0).AxisMax(), g.LayerElev[1]) << k;
        EXPECT_EQ(profile.Data().AxisList(0).AxisMin(), g.LayerElev[n]) << k;
    }
    // The soil chart stays against depth.
    EXPECT_EQ(Chart(w, 3).Data().AxisList(2).AxisMax(), g.LayerDepth[1]);
    Click(w, "YAxis");
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(Chart(w, 2).Data().SeriesList(0).PointValue(0), g.LayerDepth[1]);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_P(ResultWindowsAlike, ZoomKeyWantsAZoomedProfileThenLinksThemAndReturns) {
    Sounding(30);
    ResultChartWindow& w = OpenWindow("0 1 2 3");
    QAction* zoom = w.Toolbar1->ButtonByKey("Zoom");
    ASSERT_NE(zoom, nullptr);
    Click(w, "Zoom");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(zoom->text(), "Zoom All    ");

    // The user zooms the fs profile with the mouse from 5 to 15 ft.
    ChartFX& fs = Chart(w, 1);
    const int x = static_cast<int>(fs.PlotArea().center().x());
    const int y0 = static_cast<int>(fs.VerticalPixel(5));
    const int y1 = static_cast<int>(fs.VerticalPixel(15));
    QTest::mousePress(fs.viewport(), Qt::LeftButton, {}, QPoint(x, y0));
    QTest::mouseMove(fs.viewport(), QPoint(x, y1));
    QTest::mouseRelease(fs.viewport(), Qt::LeftButton, {}, QPoint(x, y1));
    ASSERT_TRUE(fs.ZoomActive());
    Click(w, "Zoom");
    EXPECT_EQ(zoom->text(), "Zoom Out    ");
    for (int k : {0, 2}) {
        EXPECT_DOUBLE_EQ(Shown(Chart(w, k), false), Shown(fs, false)) << k;
        EXPECT_DOUBLE_EQ(Shown(Chart(w, k), true), Shown(fs, true)) << k;
    }
    // The soil chart is no profile: it keeps its whole depth.
    double top = 0, bottom = 0;
    Chart(w, 3).Data().AxisList(2).AxisZoomRange(top, bottom);
    EXPECT_GT(bottom - top, 25.0);

    Click(w, "Zoom");
    EXPECT_EQ(zoom->text(), "Zoom All    ");
    for (int k : {0, 1, 2}) {
        EXPECT_FALSE(Chart(w, k).ZoomActive()) << k;
        EXPECT_GT(Shown(Chart(w, k), true) - Shown(Chart(w, k), false), 20.0) << k;
    }
    EXPECT_EQ(messages.size(), 1u);
    // Each load starts from the caption as stored.
    w.Unload();
    w.Show();
    EXPECT_EQ(zoom->text(), "Zoom All     ");
}

TEST_P(ResultWindowsAlike, ASoundingTheGridRefusesShowsItsMessageAndNoWindow) {
    struct Case {
        float lastDepth;
        const char* startsWith;
    };
    for (const Case& c : {Case{0.0f, " The sounding holds no readings"},
                          Case{0.5f, " The sounding is too short to classify"}}) {
        SCOPED_TRACE(c.lastDepth);
        messages.clear();
        Sounding(c.lastDepth);
        ResultChartWindow& w = OpenWindow("0 1 2 3");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text.rfind(c.startsWith, 0), 0u) << messages[0].text;
        EXPECT_EQ(messages[0].title, " Soil Layer Message");
        EXPECT_FALSE(w.IsLoaded());
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(Decl().grid.NumLayers, 0);
        for (std::size_t k = 0; k < w.ChartFX.size(); ++k)
            EXPECT_EQ(w.ChartFX[k]->Data().PointCount(), 0) << k;
        EXPECT_EQ(platform::CurrentMousePointer(), platform::MousePointer::Default);
    }
}
