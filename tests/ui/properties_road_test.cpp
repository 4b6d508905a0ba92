// From the profile window's Soil Properties key through the soil factors to the property
// plot, with the real windows on the way.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ChartFX.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/properties/Frm_PlotProperties.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/support/Soundings.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::UiTest;

namespace {
class PropertiesRoad : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CreateHistoryLists(Decl().history);
    }

    // Soil Properties in the profile window, the factors typed, OK.
    Frm_PlotProperties* ToProperties(const char* phi, const char* moisture) {
        auto* profile = app->windows.FindAs<Frm_CPTData3>();
        if (profile == nullptr || !profile->isVisible())
            return nullptr;
        profile->Toolbar1->ButtonByKey("Properties")->trigger();
        ProcessEvents();
        auto& factors = Window<Frm_SoilFactors>();
        if (!factors.isVisible())
            return nullptr;
        factors.TextPhi->setText(phi);
        factors.TextMoisture->setText(moisture);
        factors.OK->click();
        ProcessEvents();
        auto* plot = app->windows.FindAs<Frm_PlotProperties>();
        return plot != nullptr && plot->isVisible() ? plot : nullptr;
    }

    // What the window shows for a sounding of n readings over the grid of NumLayers layers.
    void ExpectProperties(const Frm_PlotProperties& plot) {
        const ConeData& cone = Decl().cone;
        const LayerGrid& grid = Decl().grid;
        const int n = cone.NumPoints;
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(plot.ChartFX1[c]->Data().PointCount(), n);
            EXPECT_EQ(plot.ChartFX1[c]->Data().AxisList(0).AxisMin(), cone.Depth[n]);
        }
        const ChartFX& modulus = *plot.ChartFX1[3];
        ASSERT_GT(grid.NumLayers, 1);
        ASSERT_EQ(modulus.Data().PointCount(), grid.NumLayers);
        for (int k = 1; k <= grid.NumLayers; ++k) {
            ASSERT_EQ(modulus.Data().SeriesList(0).PointValue(k - 1), grid.LayerDepth[k]) << k;
            ASSERT_EQ(modulus.Data().SeriesList(0).PointXValue(k - 1), 4.0f * grid.LayerQt[k]) << k;
            ASSERT_GE(grid.LayerQt[k], 1.0f) << k; // the grid of the cleaned readings
        }
        EXPECT_EQ(modulus.Data().AxisList(0).AxisMin(), grid.LayerDepth[grid.NumLayers]);
        EXPECT_TRUE(messages.empty());
    }
};
} // namespace

TEST_F(PropertiesRoad, SampleFileFromTheFileWindowToTheModulus) {
    ASSERT_TRUE(ReadThroughFileWindow(test::ProjectFile("samples/STV-01-ft-tsf-comma.txt")));
    messages.clear(); // the report of the read
    Frm_Titles& titles = Window<Frm_Titles>();
    titles.cmbTitle[kBoxProjNum]->setEditText("450-12-0031");
    titles.cmbTitle[kBoxElev]->setEditText("8.5");
    titles.CmdOK->click();
    ProcessEvents();

    Frm_PlotProperties* plot = ToProperties("30", "0.25");
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(Decl().cone.NumPoints, 600);
    EXPECT_EQ(Decl().grid.NumLayers, 182); // Int(60 / 0.328)
    ExpectProperties(*plot);
    EXPECT_EQ(plot->TxtProjNum->text(), "450-12-0031");
    EXPECT_EQ(plot->TxtElevation->text(), "8.5");
    EXPECT_FLOAT_EQ(Decl().props.Phi[182], 0.5235988f);
    EXPECT_TRUE(Window<Frm_CPTData3>().isVisible()); // the profile window stays open

    // Back to the factors, and OK again: the same modulus, drawn afresh.
    plot->Toolbar1->ButtonByKey("Back")->trigger();
    ProcessEvents();
    Window<Frm_SoilFactors>().OK->click();
    ProcessEvents();
    auto* again = app->windows.FindAs<Frm_PlotProperties>();
    ASSERT_NE(again, nullptr);
    ExpectProperties(*again);
}

TEST_F(PropertiesRoad, RealSoundings) {
    for (const test::RealFile& real : test::kRealFiles) {
        SCOPED_TRACE(real.file);
        ASSERT_TRUE(test::ReadRealSounding(Decl(), real));
        Window<Frm_CPTData3>().Show();
        ProcessEvents();
        Frm_PlotProperties* plot = ToProperties("32", "0.3");
        ASSERT_NE(plot, nullptr);
        ExpectProperties(*plot);
        EXPECT_EQ(plot->windowTitle(),
                  "Soil Properties -  File:  " + Q(Decl().importSettings.FileName));
        for (const char* name : {"Frm_PlotProperties", "Frm_CPTData3"})
            app->windows.UnloadAndRelease(name);
        ProcessEvents();
    }
}
