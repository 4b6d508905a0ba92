// The profile windows of soundings with one or two pore-pressure columns: what they show on
// loading, their toolbar, the depth/elevation switch, the zoom of all charts and the ways
// on and back.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include "engine/import/ConeReader.h"
#include "engine/import/Units.h"
#include "platform/ChartFX.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData4.h"
#include "ui/charts/Frm_CPTData5.h"
#include "ui/import/Frm_Titles.h"
#include "ui/support/Soundings.h"
#include "ui/support/TestPrinter.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::UiTest;

namespace {

using test::kTsf;

class PoreProfileWindows : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CreateHistoryLists(Decl().history);
        test::LeveeProject(Decl());
        // Readings every 0.5 ft from 0.5 to 50 ft; u1, u2, u3 told apart by their size,
        // u2 negative near the top as pore pressures often are.
        ConeData& cone = Decl().cone;
        test::EvenSounding(cone, 50);
        for (int i = 1; i <= 100; ++i) {
            cone.U1[i] = 1.0f + cone.Depth[i] / 10.0f;
            cone.U2[i] = cone.Depth[i] / 5.0f - 2.0f;
            cone.U3[i] = 30.0f + cone.Depth[i];
        }
    }

    // Opens the profile window through the project form, as the program does.
    Form* OpenThroughProjectForm(int16_t first, int16_t second) {
        Decl().cone.PoreType1 = first;
        Decl().cone.PoreType2 = second;
        Frm_Titles& titles = Window<Frm_Titles>();
        titles.Show();
        titles.cmbTitle[kBoxElev]->setEditText(QString());
        titles.CmdOK->click();
        ProcessEvents();
        for (const char* name : {"Frm_CPTData3", "Frm_CPTData4", "Frm_CPTData5"}) {
            Form* f = app->windows.Find(name);
            if (f != nullptr && f->isVisible())
                return f;
        }
        return nullptr;
    }

    template <class W> W& Open(int16_t first, int16_t second) {
        Decl().cone.PoreType1 = first;
        Decl().cone.PoreType2 = second;
        auto& w = Window<W>();
        w.Show();
        ProcessEvents();
        return w;
    }

    static void Click(PoreProfileWindow& w, const char* key) {
        w.Toolbar1->ButtonByKey(key)->trigger();
    }
    static QString ZoomCaption(const PoreProfileWindow& w) { return w.Toolbar1->Item(10)->text(); }
    static std::pair<double, double> Shown(const ChartFX* chart, int axis) {
        double low = 0, high = 0;
        chart->Data().AxisList(axis).AxisZoomRange(low, high);
        return {low, high};
    }
    static QString PoreTitle(const char* kind) {
        return QStringLiteral(" Pore Pressure  ") + kind + " (" + kTsf + ") ";
    }
    // Every reading plotted, the vertical axis from the first reading to the last one.
    static void ExpectWholeProfile(const ChartFX* c, const ConeData& cone,
                                   const ConeData::Column* values) {
        const int n = cone.NumPoints;
        EXPECT_EQ(c->Data().PointCount(), n);
        EXPECT_FALSE(c->Data().DataOpen(platform::kChartValues));
        EXPECT_EQ(c->Data().AxisList(0).AxisMax(), cone.Depth[1]);
        EXPECT_EQ(c->Data().AxisList(0).AxisMin(), cone.Depth[n]);
        EXPECT_EQ(c->Data().AxisList(2).AxisStep(), std::nullopt); // the chart's own scale
        EXPECT_EQ(c->Data().SeriesList(0).PointValue(n - 1), cone.Depth[n]);
        if (values != nullptr) {
            EXPECT_EQ(c->Data().SeriesList(0).PointXValue(n - 1), (*values)[n]);
        }
    }
};

} // namespace

TEST_F(PoreProfileWindows, SecondColumnOnlyOpensTheOneColumnWindowWithItsKind) {
    ConeData& cone = Decl().cone;
    cone.Qc[3] = 0;     // becomes 1
    cone.Fs[3] = -0.1f; // becomes 0, ratio 0
    cone.Qc[4] = 1;
    cone.Fs[4] = 0.5f; // ratio 50, capped at 20
    auto* w = dynamic_cast<Frm_CPTData4*>(OpenThroughProjectForm(0, 3));
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(Window<Frm_Titles>().isVisible());
    EXPECT_EQ(w->windowTitle(), "CPT Data -  File:  C:/soundings/levee-7.txt");
    EXPECT_EQ(cone.Qc[3], 1);
    EXPECT_EQ(cone.Fs[3], 0);
    EXPECT_EQ(cone.Ratio[3], 0);
    EXPECT_EQ(cone.Ratio[4], 20);
    EXPECT_EQ(w->AxisMode(), 1);

    EXPECT_EQ(w->ChartFX1->Data().TitleText(2), " Tip Resistance (" + kTsf + ") ");
    EXPECT_EQ(w->ChartFX2->Data().TitleText(2), " Sleeve Resistance (" + kTsf + ") ");
    EXPECT_EQ(w->ChartFX3->Data().TitleText(2), " Sleeve/Tip Ratio (%) ");
    EXPECT_EQ(w->ChartFX4->Data().TitleText(2), PoreTitle("3"));
    const int32_t colours[] = {0xFF0000, 0, 0x0000FF, 0xFF0000};
    const ChartFX* charts[] = {w->ChartFX1, w->ChartFX2, w->ChartFX3, w->ChartFX4};
    const ConeData::Column* values[] = {&cone.Qc, &cone.Fs, &cone.Ratio, &cone.U3};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(charts[k]->Data().TitleColor(2), colours[k]);
        EXPECT_EQ(charts[k]->Data().ChartSetting5(),
                  k == 1 || k == 2 ? std::optional<int16_t>(10) : std::nullopt);
        EXPECT_EQ(charts[k]->Data().AxisList(0).AxisFontSize(), k == 0 || k == 3 ? 10 : 8);
        ExpectWholeProfile(charts[k], cone, values[k]);
    }
    EXPECT_EQ(w->ChartFX1->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(w->ChartFX4->Data().AxisList(0).AxisTitle(), "");
    EXPECT_EQ(w->findChild<ChartFX*>("ChartFX5"), nullptr);
}

TEST_F(PoreProfileWindows, TwoColumnsOpenTheTwoColumnWindowEachWithItsKind) {
    auto* w = dynamic_cast<Frm_CPTData5*>(OpenThroughProjectForm(2, 1));
    ASSERT_NE(w, nullptr);
    const ConeData& cone = Decl().cone;
    EXPECT_EQ(w->ChartFX4->Data().TitleText(2), PoreTitle("2"));
    EXPECT_EQ(w->ChartFX5->Data().TitleText(2), PoreTitle("1"));
    ExpectWholeProfile(w->ChartFX4, cone, &cone.U2);
    ExpectWholeProfile(w->ChartFX5, cone, &cone.U1);
    EXPECT_EQ(w->ChartFX4->Data().SeriesList(0).PointXValue(0), -1.9f); // negative u2 as read
    // The charts stand side by side in their order.
    EXPECT_LT(w->ChartFX4->x(), w->ChartFX5->x());
    EXPECT_LT(w->ChartFX3->x(), w->ChartFX4->x());

    // A kind naming no column: the chart has its title and axis, and no points.
    app->windows.Find("Frm_CPTData5")->Unload();
    auto& odd = Open<Frm_CPTData5>(2, 7);
    EXPECT_EQ(odd.ChartFX5->Data().TitleText(2), PoreTitle("7"));
    EXPECT_EQ(odd.ChartFX5->Data().SeriesList(0).PointXValue(0), std::nullopt);
    EXPECT_EQ(odd.ChartFX5->Data().AxisList(0).AxisMin(), cone.Depth[100]);
}

TEST_F(PoreProfileWindows, ProjectBoxesAndToolbarAsStored) {
    auto& w = Open<Frm_CPTData4>(2, 0);
    test::ExpectLeveeBoxes(w);
    EXPECT_EQ(w.findChild<QLineEdit*>("TxtCPTNo"), nullptr);
    QStringList labels;
    for (const QLabel* label : w.findChildren<QLabel*>())
        labels << label->text();
    labels.sort();
    EXPECT_EQ(labels, QStringList({"Date:", "Elevation (ft):", "Latit.:", "Longit.:", "Offset:",
                                   "Parish:", "Project Number:", "Project Title:", "Station:"}));
    EXPECT_TRUE(w.menuBar()->actions().isEmpty());

    const struct {
        int position;
        const char* key;
        const char* caption;
        const char* tip;
    } buttons[] = {{2, "Back", "Back      ", "Back to previous form"},
                   {4, "Next", "Classify Soil   ", "Select Classification Method  "},
                   {6, "Properties", "Soil Properties", nullptr},
                   {8, "YAxis", "Depth/Elevation", "Toggle between Depth/Elevation in Y Axis"},
                   {10, "Zoom", "Zoom All     ", "Print all graphs"},
                   {12, "Print", "Print All     ", nullptr},
                   {14, "Exit", "Exit           ", "Exit the program"}};
    ASSERT_EQ(w.Toolbar1->ItemCount(), 15);
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.key);
        const QAction* a = w.Toolbar1->Item(b.position);
        EXPECT_EQ(a->objectName(), b.key);
        EXPECT_EQ(a->text(), b.caption);
        if (b.tip != nullptr) {
            EXPECT_EQ(a->toolTip(), b.tip);
        }
        EXPECT_EQ(a->icon().isNull(), QString(b.key) == "Properties");
    }
    const auto width = [&w](int position) {
        return w.Toolbar1->widgetForAction(w.Toolbar1->Item(position))->width();
    };
    for (int position : {1, 3, 7, 9, 11, 13})
        EXPECT_EQ(width(position), width(1)) << position;
    EXPECT_EQ(width(5), 2 * width(1));
    EXPECT_EQ(width(15), 2 * width(1));
}

TEST_F(PoreProfileWindows, DepthElevationSwitchesEveryChart) {
    auto& none = Open<Frm_CPTData5>(2, 1);
    EXPECT_EQ(none.TxtElevation->text(), "");
    Click(none, "YAxis");
    ExpectElevationRefused();
    EXPECT_EQ(none.AxisMode(), 1);
    EXPECT_EQ(none.ChartFX5->Data().SeriesList(0).PointValue(0), 0.5f);
    none.Unload();

    Decl().project.GroundElev = 12.0f;
    auto& w = Open<Frm_CPTData5>(2, 1);
    EXPECT_EQ(w.TxtElevation->text(), "12");
    Click(w, "YAxis");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(w.AxisMode(), -1);
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisTitle(), "Elevation (ft)");
    for (const ChartFX* c : {w.ChartFX1, w.ChartFX2, w.ChartFX3, w.ChartFX4, w.ChartFX5}) {
        EXPECT_EQ(c->Data().SeriesList(0).PointValue(0), 11.5f);
        EXPECT_EQ(c->Data().AxisList(0).AxisMax(), 11.5f);
        EXPECT_EQ(c->Data().AxisList(0).AxisMin(), -38.0f); // the last reading, on the chart
    }
    Click(w, "YAxis");
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(w.ChartFX1->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(w.ChartFX5->Data().SeriesList(0).PointValue(0), 0.5f);
}

TEST_F(PoreProfileWindows, ZoomKeyFollowsTheZoomedChartAndComesBack) {
    auto& w = Open<Frm_CPTData5>(2, 3);
    // No chart zoomed: the message even when the caption reads "Zoom Out    ".
    w.Toolbar1->Item(10)->setText("Zoom Out    ");
    w.ChartFX1->AxisList(0).AxisZoom(10, 20); // shown so, but not zoomed by the user
    Click(w, "Zoom");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(ZoomCaption(w), "Zoom All    ");
    EXPECT_EQ(Shown(w.ChartFX1, 0), (std::pair<double, double>{10, 20})); // not reset

    w.ChartFX5->DragZoom(5, 10);
    Click(w, "Zoom");
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(ZoomCaption(w), "Zoom Out    ");
    for (const ChartFX* c : {w.ChartFX1, w.ChartFX2, w.ChartFX3, w.ChartFX4})
        EXPECT_EQ(Shown(c, 0), (std::pair<double, double>{5, 10}));
    // u2 runs from -1 at 5 ft to 0 at 10 ft: the value axis reaches down to the lowest.
    EXPECT_EQ(Shown(w.ChartFX4, 2), (std::pair<double, double>{-1, 0}));

    Click(w, "Zoom");
    EXPECT_EQ(ZoomCaption(w), "Zoom All    ");
    for (const ChartFX* c : {w.ChartFX1, w.ChartFX4, w.ChartFX5}) {
        EXPECT_FALSE(c->Data().ZoomActive());
        EXPECT_EQ(Shown(c, 0), (std::pair<double, double>{0.5, 50}));
    }
}

TEST_F(PoreProfileWindows, ZoomOfTheOneColumnFollowsTheReadingsItShows) {
    auto& w = Open<Frm_CPTData4>(0, 3); // u3 of file column 5: 30 + depth
    w.ChartFX2->DragZoom(30, 40);
    Click(w, "Zoom");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Shown(w.ChartFX4, 0), (std::pair<double, double>{30, 40}));
    // u3 reaches 70 at 40 ft: the axis is not cut at the 0 of an empty first kind.
    EXPECT_EQ(Shown(w.ChartFX4, 2), (std::pair<double, double>{0, 70}));
    Click(w, "Zoom");
    EXPECT_EQ(Shown(w.ChartFX4, 0), (std::pair<double, double>{0.5, 50}));
}

TEST_F(PoreProfileWindows, PrintPutsEveryChartSideBySideOnALandscapePage) {
    printed = test::PrintToImages(100);
    const auto expectColumns = [](const platform::PrintedPage& page, std::size_t count) {
        EXPECT_EQ(page.orientation, platform::kPrinterLandscape);
        ASSERT_EQ(page.charts.size(), count);
        for (std::size_t k = 0; k < count; ++k) {
            const platform::PrintedChart& c = page.charts[k];
            EXPECT_EQ(c.chartName, QStringLiteral("ChartFX%1").arg(k + 1));
            if (k > 0) { // left to right, each where the one before ends
                EXPECT_EQ(c.left, page.charts[k - 1].right);
            }
            if (k > 1) { // equal columns (the first starts a margin in from the page edge)
                EXPECT_NEAR(c.right - c.left, page.charts[k - 1].right - page.charts[k - 1].left,
                            2);
            }
        }
    };
    auto& four = Open<Frm_CPTData4>(0, 3);
    Click(four, "Print");
    ASSERT_EQ(printed->pages.size(), 1u);
    const platform::PrintedPage fourCharts = platform::CurrentPrinter().LastPage();
    expectColumns(fourCharts, 4);
    // The pore-pressure profile is drawn in the fourth column.
    const platform::PrintedChart& pore = fourCharts.charts[3];
    int blue = 0;
    for (int y = pore.top; y < pore.bottom; y += 2)
        for (int x = pore.left; x < pore.right; ++x) {
            const QColor p = printed->pages[0].pixelColor(printed->origin + QPoint(x, y));
            blue += p.blue() > 120 && p.red() < 80 && p.green() < 80;
        }
    EXPECT_GT(blue, 100);
    four.Unload();

    auto& five = Open<Frm_CPTData5>(2, 1);
    Click(five, "Print");
    EXPECT_EQ(printed->pages.size(), 2u);
    expectColumns(platform::CurrentPrinter().LastPage(), 5);
    EXPECT_TRUE(messages.empty());
}

TEST_F(PoreProfileWindows, NextOffersTheMethodsAgainAfterOneWasChosen) {
    Decl().selection.MethodCode = 4; // chosen earlier in the run
    auto& w = Open<Frm_CPTData4>(1, 0);
    Click(w, "Next");
    EXPECT_TRUE(w.munCS->isVisible());
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Select"));
    w.munSubCS[1]->trigger(); // another method than the first one chosen
    EXPECT_EQ(Decl().selection.MethodCode, 2);
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(PoreProfileWindows, NextWithoutAMethodOffersTheMethodsFirst) {
    auto& w = Open<Frm_CPTData5>(1, 2);
    ASSERT_EQ(Decl().selection.MethodCode, 0);
    Click(w, "Next");
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Select"));
    EXPECT_TRUE(w.munCS->isVisible());
    const QStringList captions = {"Probabilistic Region Estimation (Zhang and Tumay, 1999)",
                                  "Schmertmann, 1978", "Roberston et. al ,1986",
                                  "Douglas and Olsen, 1981",
                                  "Fuzzy Classification (Zhang and Tumay, 1999)"};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(w.munSubCS[static_cast<std::size_t>(k)]->text(), captions[k]);
    w.munCS->hide(); // dismissed: nothing chosen
    EXPECT_EQ(Decl().selection.MethodCode, 0);
    Click(w, "Next");
    w.findChild<QAction*>("munSubCS3")->trigger();
    EXPECT_EQ(Decl().selection.MethodCode, 3);
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(PoreProfileWindows, BackAndCloseBoxShowTheProjectFormAgainExitEnds) {
    QPointer<Form> w = OpenThroughProjectForm(2, 0);
    ASSERT_NE(w, nullptr);
    Click(*static_cast<PoreProfileWindow*>(w.data()), "Properties");
    w->findChild<QAction*>("munSubSP2")->trigger(); // the undrained shear strength
    EXPECT_TRUE(app->windows.IsLoaded("Frm_SoilFactors"));
    EXPECT_EQ(Decl().props.PropChoice, kUndrainedShearStrength);
    Click(*static_cast<PoreProfileWindow*>(w.data()), "Back");
    ProcessEvents();
    EXPECT_TRUE(w.isNull()); // the instance is cleared
    EXPECT_TRUE(Window<Frm_Titles>().isVisible());

    w = OpenThroughProjectForm(2, 3);
    ASSERT_NE(w, nullptr);
    w->close();
    ProcessEvents();
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(Window<Frm_Titles>().isVisible()); // not left without a window
    EXPECT_EQ(endProgramCalls, 0);

    w = OpenThroughProjectForm(0, 1);
    Click(*static_cast<PoreProfileWindow*>(w.data()), "Exit");
    EXPECT_EQ(endProgramCalls, 1); // by the key itself, not left to the window registry
    ProcessEvents();
    EXPECT_GE(endProgramCalls, 1);
    EXPECT_TRUE(w.isNull());
}

TEST_F(PoreProfileWindows, RealSoundingsInTheTwoColumnWindow) {
    for (const test::RealFile& real : test::kRealFiles) {
        SCOPED_TRACE(real.file);
        ConeData& cone = Decl().cone;
        cone = ConeData{};
        cone.PoreType1 = 2; // the fourth column, where there is one, as u2
        cone.PoreType2 = 1; // no file has a fifth
        ImportSettings& settings = Decl().importSettings;
        settings.FileName = S(test::RealSounding(real.file));
        settings.NumTitleLines = static_cast<int16_t>(real.titleLines);
        settings.UnitsOption = 2;
        ReadConeData(settings, cone);
        ASSERT_EQ(settings.ImportError, 0);
        const ConeData metric = cone;
        ASSERT_TRUE(ConvertMetric(cone, settings).converted);
        auto& w = Window<Frm_CPTData5>();
        w.Show();
        const int n = cone.NumPoints;
        for (const ChartFX* c : {w.ChartFX1, w.ChartFX2, w.ChartFX3, w.ChartFX4, w.ChartFX5}) {
            EXPECT_EQ(c->Data().PointCount(), n);
            EXPECT_EQ(c->Data().AxisList(0).AxisMin(), cone.Depth[n]); // unsorted depths too
        }
        for (int i = 1; i <= n; ++i) {
            ASSERT_GT(cone.Qc[i], 0) << i;
            ASSERT_GE(cone.Fs[i], 0) << i;
            ASSERT_LE(cone.Ratio[i], 20) << i;
            ASSERT_FLOAT_EQ(
                static_cast<float>(*w.ChartFX4->Data().SeriesList(0).PointXValue(i - 1)),
                metric.U2[i] * 10.44277f)
                << i;
        }
        EXPECT_EQ(w.ChartFX5->Data().SeriesList(0).PointXValue(n - 1), 0.0f);
        app->windows.UnloadAndRelease("Frm_CPTData5");
        ProcessEvents();
    }
}
