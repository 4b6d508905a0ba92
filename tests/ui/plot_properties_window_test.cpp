#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>

#include "platform/ChartFX.h"
#include "platform/Printer.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/properties/Frm_PlotProperties.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/support/Soundings.h"
#include "ui/support/StandInForm.h"
#include "ui/support/TestPrinter.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::UiTest;

namespace {

using test::kTsf;

class PlotPropertiesWindow : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        test::RegisterStandIns(*app, {"Frm_Export"});
        CreateHistoryLists(Decl().history);
        test::LeveeProject(Decl());
        Readings();
        Layers({5.0f, 10.0f, 15.0f}, {25.0f, 40.0f, 60.0f});
    }

    // Readings every ft from 1 to 16 ft, cleaned as the profile window leaves them.
    void Readings() {
        ConeData& cone = Decl().cone;
        for (int i = 1; i <= 16; ++i) {
            cone.Depth[i] = static_cast<float>(i);
            cone.Qc[i] = 20.0f + i;
            cone.Fs[i] = 0.3f;
            cone.Ratio[i] = cone.Fs[i] * 100.0f / cone.Qc[i];
            cone.Elev[i] = 100.0f - cone.Depth[i];
        }
        cone.NumPoints = 16;
    }
    // A grid of layers at the given depths with their qt and no vertical stress.
    void Layers(const std::vector<float>& depths, const std::vector<float>& qt) {
        LayerGrid& g = Decl().grid;
        SoilPropArrays& p = Decl().props;
        g.NumLayers = static_cast<int16_t>(depths.size());
        const std::size_t size = depths.size() + 1;
        for (auto* a : {&g.LayerDepth, &g.LayerQt, &p.SigmaV, &p.ConsModulus, &p.Nk,
                        &p.ShearStrength, &p.OCR})
            a->assign(size, 0.0f);
        for (std::size_t k = 0; k < depths.size(); ++k) {
            g.LayerDepth[k + 1] = depths[k];
            g.LayerQt[k + 1] = qt[k];
        }
    }

    Frm_PlotProperties& Open() {
        auto& w = Window<Frm_PlotProperties>();
        w.Show();
        ProcessEvents();
        return w;
    }
    void Click(Frm_PlotProperties& w, const char* key) { w.Toolbar1->ButtonByKey(key)->trigger(); }
};

} // namespace

TEST_F(PlotPropertiesWindow, LoadFillsTheCaptionAndTheNineProjectBoxes) {
    auto& w = Open();
    EXPECT_EQ(w.windowTitle(), "Soil Properties -  File:  C:/soundings/levee-7.txt");
    test::ExpectLeveeBoxes(w); // -99999 leaves the elevation empty
    EXPECT_EQ(w.findChild<QLineEdit*>("TxtCPTNo"), nullptr);
    EXPECT_EQ(w.findChildren<QLineEdit*>().size(), 9);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w.findChild<ChartFX*>(QStringLiteral("ChartFX1(%1)").arg(i)), w.ChartFX1[i]);
}

TEST_F(PlotPropertiesWindow, ProfilesShowEveryReadingDownToTheLast) {
    auto& w = Open();
    const ConeData& cone = Decl().cone;
    EXPECT_EQ(w.ChartFX1[0]->Data().TitleText(2), " Tip Resistance (" + kTsf + ") ");
    EXPECT_EQ(w.ChartFX1[1]->Data().TitleText(2), " Sleeve Resistance (" + kTsf + ") ");
    EXPECT_EQ(w.ChartFX1[2]->Data().TitleText(2), " Sleeve/Tip Ratio (%) ");
    EXPECT_EQ(w.ChartFX1[0]->Data().TitleColor(2), 0xFF0000);
    EXPECT_EQ(w.ChartFX1[1]->Data().TitleColor(2), 0);
    EXPECT_EQ(w.ChartFX1[2]->Data().TitleColor(2), 0x0000FF);
    EXPECT_EQ(w.ChartFX1[0]->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(w.ChartFX1[0]->Data().AxisList(0).AxisFontSize(), 10);
    EXPECT_EQ(w.ChartFX1[1]->Data().ChartSetting5(), 10);
    const ConeData::Column* readings[] = {&cone.Qc, &cone.Fs, &cone.Ratio};
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        ChartFX& chart = *w.ChartFX1[c];
        EXPECT_EQ(chart.Data().PointCount(), 16);
        EXPECT_EQ(chart.Data().ChartSetting7(), 50);
        EXPECT_EQ(chart.Data().ChartSetting16(), 2);
        EXPECT_EQ(chart.Data().AxisList(2).AxisStep(), std::nullopt); // max qc 36 would give 6
        EXPECT_EQ(chart.Data().AxisList(0).AxisMax(), 1.0f);
        EXPECT_EQ(chart.Data().AxisList(0).AxisMin(),
                  16.0f); // the last reading, not the one before
        EXPECT_EQ(chart.Data().SeriesList(0).PointValue(15), 16.0f);
        EXPECT_EQ(chart.Data().SeriesList(0).PointXValue(15), (*readings[c])[16]);
        EXPECT_FALSE(chart.Data().DataOpen(platform::kChartValues));
    }
}

TEST_F(PlotPropertiesWindow, ModulusChartIsFourTimesQtWithoutVerticalStress) {
    auto& w = Open();
    ChartFX& chart = *w.ChartFX1[3];
    EXPECT_EQ(chart.Data().TitleText(2), " Constrained Modulus (" + kTsf + ") ");
    EXPECT_EQ(chart.Data().TitleColor(2), 0x0000FF);
    EXPECT_EQ(chart.Data().ChartSetting5(), 30);
    EXPECT_EQ(chart.Data().ChartSetting7(), 50);
    EXPECT_EQ(chart.Data().ChartSetting16(), 2);
    EXPECT_EQ(chart.Data().AxisList(0).AxisTitle(), ""); // the property chart names no axis
    EXPECT_EQ(chart.Data().PointCount(), 3);
    const float qt[] = {25, 40, 60};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(chart.Data().SeriesList(0).PointValue(i), 5.0f * (i + 1));
        EXPECT_EQ(chart.Data().SeriesList(0).PointXValue(i), 4.0f * qt[i]);
    }
    EXPECT_EQ(chart.Data().AxisList(0).AxisMax(), 5.0f);
    EXPECT_EQ(chart.Data().AxisList(0).AxisMin(), 15.0f); // the last layer lies on the chart
    EXPECT_LT(chart.VerticalPixel(5), chart.VerticalPixel(15));
    EXPECT_FALSE(chart.Data().DataOpen(platform::kChartXValues));
    EXPECT_EQ(Decl().props.ConsModulus[2], 160.0f);
}

TEST_F(PlotPropertiesWindow, ElevationModeDrawsTheLayersBelowTheGroundElevation) {
    Decl().project.GroundElev = 100.0f;
    // The profile window the estimate starts from shows elevations.
    auto& profile = Window<Frm_CPTData3>();
    profile.Show();
    profile.Toolbar1->ButtonByKey("YAxis")->trigger();
    ASSERT_EQ(profile.AxisMode(), -1);
    auto& w = Open();
    EXPECT_EQ(w.TxtElevation->text(), "100");
    ChartFX& chart = *w.ChartFX1[3];
    EXPECT_EQ(chart.Data().SeriesList(0).PointValue(1), 90.0f); // the layer at 10 ft
    EXPECT_EQ(chart.Data().AxisList(0).AxisMax(), 95.0f);
    EXPECT_EQ(chart.Data().AxisList(0).AxisMin(), 85.0f);
    EXPECT_LT(chart.VerticalPixel(95), chart.VerticalPixel(85));
    EXPECT_EQ(w.ChartFX1[0]->Data().AxisList(0).AxisTitle(), "Elevation (ft)");
    EXPECT_EQ(w.ChartFX1[0]->Data().SeriesList(0).PointValue(0), 99.0f);
    EXPECT_EQ(w.ChartFX1[2]->Data().AxisList(0).AxisMin(), 84.0f);

    // Depth/Elevation switches the four charts as in every chart window, and back again.
    for (const bool depth : {true, false}) {
        SCOPED_TRACE(depth ? "to depth" : "back to elevation");
        Click(w, "YAxis");
        EXPECT_EQ(w.AxisMode(), depth ? 1 : -1);
        EXPECT_EQ(chart.Data().SeriesList(0).PointValue(1), depth ? 10.0f : 90.0f);
        EXPECT_EQ(chart.Data().AxisList(0).AxisMin(), depth ? 15.0f : 85.0f);
        EXPECT_EQ(w.ChartFX1[0]->Data().AxisList(0).AxisTitle(),
                  depth ? "Depth (ft)" : "Elevation (ft)");
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(w.ChartFX1[c]->Data().SeriesList(0).PointValue(0), depth ? 1.0f : 99.0f) << c;
    }
    EXPECT_EQ(profile.AxisMode(), -1); // the profile window keeps its own axis
    EXPECT_TRUE(messages.empty());
}

TEST_F(PlotPropertiesWindow, NoLayersGiveAnEmptyPropertyChart) {
    Layers({}, {});
    auto& w = Open();
    EXPECT_EQ(w.ChartFX1[3]->Data().PointCount(), 0);
    EXPECT_EQ(w.ChartFX1[3]->Data().AxisList(0).AxisMin(), std::nullopt);
    EXPECT_EQ(w.ChartFX1[0]->Data().PointCount(), 16);
    // A grid whose arrays hold fewer layers than its count draws no property either.
    Layers({5.0f, 10.0f}, {25.0f, 40.0f});
    Decl().grid.NumLayers = 30;
    w.Unload();
    Open();
    EXPECT_EQ(w.ChartFX1[3]->Data().SeriesList(0).PointXValue(0), std::nullopt);
}

TEST_F(PlotPropertiesWindow, ToolbarButtonsInOrderNextDisabledAndNoElevationRefused) {
    auto& w = Open();
    const char* captions[] = {"Back", "Next", "Depth/Elevation", "Print", "Export", "Exit"};
    const char* keys[] = {"Back", "Next", "YAxis", "Print", "Export", "Exit"};
    for (int i = 0; i < 6; ++i) {
        QAction* button = w.Toolbar1->Item(2 * (i + 1));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_EQ(button->objectName(), keys[i]);
    }
    EXPECT_EQ(w.Toolbar1->ButtonByKey("Exit")->toolTip(), "Exit");

    // Nothing comes after this window: Next is disabled. Without a ground elevation,
    // Depth/Elevation tells so and the charts stay on depth.
    EXPECT_FALSE(w.Toolbar1->ButtonByKey("Next")->isEnabled());
    EXPECT_TRUE(w.Toolbar1->ButtonByKey("YAxis")->isEnabled());
    const auto pointValue = [&] { return w.ChartFX1[3]->Data().SeriesList(0).PointValue(2); };
    const auto before = pointValue();
    Click(w, "Next");
    ProcessEvents();
    EXPECT_TRUE(messages.empty());
    w.Toolbar1->Item(6)->trigger();
    ProcessEvents();
    ExpectElevationRefused();
    messages.clear();
    EXPECT_TRUE(printed->pages.empty());
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(pointValue(), before);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(app->windows.IsLoaded("Frm_SoilFactors"));

    // Print: one landscape page with the four charts in their order.
    Click(w, "Print");
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(printed->pages.size(), 1u);
    const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
    EXPECT_EQ(page.orientation, platform::kPrinterLandscape);
    ASSERT_EQ(page.charts.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(page.charts[static_cast<std::size_t>(i)].chartName,
                  QStringLiteral("ChartFX1(%1)").arg(i));
    EXPECT_EQ(pointValue(), before);

    Click(w, "Export");
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Export"));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(PlotPropertiesWindow, BackShowsTheSoilFactorsAfresh) {
    Decl().cone.NumPoints = 100;
    for (int i = 1; i <= 100; ++i)
        Decl().cone.Depth[i] = 0.2f * i;
    QPointer<Frm_PlotProperties> w = &Open();
    Click(*w, "Back");
    ProcessEvents();
    EXPECT_TRUE(w.isNull()); // the instance is cleared
    auto* factors = app->windows.FindAs<Frm_SoilFactors>();
    ASSERT_NE(factors, nullptr);
    EXPECT_TRUE(factors->isVisible());
    EXPECT_EQ(factors->TextNK->text(), "15");
    EXPECT_EQ(Decl().grid.NumLayers, 60); // laid afresh from the readings
    EXPECT_EQ(endProgramCalls, 0);
}

TEST_F(PlotPropertiesWindow, ExitReleasesTheHistoryAndEndsTheProgram) {
    QPointer<Frm_PlotProperties> w = &Open();
    Click(*w, "Exit");
    // The key itself ends the program; the registry would also end it once no window is
    // left loaded, so the count is read before that can happen.
    EXPECT_EQ(endProgramCalls, 1);
    ProcessEvents();
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(Decl().history.Created);
    EXPECT_GE(endProgramCalls, 1);
}

TEST_F(PlotPropertiesWindow, LayerWithoutValueIsLeftOutAndBackKeepsTheProperty) {
    // The water table below the layers, and layer 2 without vertical stress: it has no ratio.
    Decl().project.GWTDepth = 20.0f;
    Decl().props.SigmaV = {0.0f, 0.3f, 0.0f, 0.9f};
    Decl().props.PropChoice = kOverconsolidationRatio;
    QPointer<Frm_PlotProperties> w = &Open();
    ChartFX& chart = *w->ChartFX1[3];
    EXPECT_EQ(chart.Data().TitleText(2), " Overconsolidation Ratio ");
    ASSERT_EQ(chart.Data().PointCount(), 3);
    EXPECT_FLOAT_EQ(*chart.Data().SeriesList(0).PointXValue(0), 0.33f * 24.7f / 0.3f);
    EXPECT_EQ(chart.Data().SeriesList(0).PointXValue(1), std::nullopt); // not drawn as 0
    EXPECT_FLOAT_EQ(*chart.Data().SeriesList(0).PointXValue(2), 0.33f * 59.1f / 0.9f);
    EXPECT_EQ(chart.Data().AxisList(0).AxisMin(), 15.0f);

    // Back leads to the factors of the property on show, whatever was chosen since.
    Decl().props.PropChoice = kConstrainedModulus;
    Click(*w, "Back");
    ProcessEvents();
    auto* factors = app->windows.FindAs<Frm_SoilFactors>();
    ASSERT_TRUE(factors != nullptr && factors->isVisible());
    EXPECT_EQ(factors->Choice, kOverconsolidationRatio);
    EXPECT_TRUE(factors->Frame3->isVisible());
    EXPECT_FALSE(factors->Frame2->isVisible());
}
