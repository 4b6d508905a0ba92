// From the profile window's Soil Properties key through the soil factors to the property
// plot, with the real windows on the way: each property picked from the menu the key offers,
// its factors typed into the boxes its window shows, and its chart checked layer by layer.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "engine/properties/PropertyChoice.h"
#include "platform/ChartFX.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/import/Frm_Titles.h"
#include "ui/properties/Frm_PlotProperties.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/support/Soundings.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::UiTest;

namespace {

// The factors an engineer types for a clay sounding; each window takes those it asks for.
struct Factors {
    QString phi, moisture, gamma, nk;
};
const Factors kClay{"30", "0.25", "120", "15"};
constexpr float kWaterTable = 5.0f; // ft

// A property as the menu offers it and the frame its factors are entered in.
struct PropertyCase {
    std::size_t entry; // munSubSP1 .. munSubSP3
    int16_t choice;
    const char* frame;
    QStringList boxes; // the boxes shown, in their order
};
const PropertyCase kModulus{
    0, kConstrainedModulus, "Frame2", {"TextPhi", "TextMoisture", "TextGamma"}};

class PropertiesRoad : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CreateHistoryLists(Decl().history);
    }

    // Soil Properties in the profile window, the property's entry of the menu it offers.
    Frm_SoilFactors* ToFactors(const PropertyCase& property) {
        auto* profile = app->windows.FindAs<Frm_CPTData3>();
        if (profile == nullptr || !profile->isVisible())
            return nullptr;
        profile->Toolbar1->ButtonByKey("Properties")->trigger();
        EXPECT_TRUE(profile->munSP->isVisible());
        QAction* entry =
            profile->findChild<QAction*>(QStringLiteral("munSubSP%1").arg(property.entry + 1));
        EXPECT_EQ(entry->text(), Q(PropertyOfChoice(property.choice)->caption));
        entry->trigger();
        profile->munSP->hide();
        ProcessEvents();
        auto* factors = app->windows.FindAs<Frm_SoilFactors>();
        return factors != nullptr && factors->isVisible() ? factors : nullptr;
    }

    // The boxes the factor window shows are those of the property; typed, OK.
    Frm_PlotProperties* EnterFactors(Frm_SoilFactors& factors, const PropertyCase& property,
                                     const Factors& f) {
        const auto* frame = factors.findChild<QGroupBox*>(property.frame);
        EXPECT_TRUE(frame != nullptr && frame->isVisible());
        QStringList shown;
        for (QLineEdit* box :
             {factors.TextPhi, factors.TextMoisture, factors.TextGamma, factors.TextNK})
            if (box->isVisible()) {
                EXPECT_EQ(box->parentWidget(), frame) << S(box->objectName());
                shown << box->objectName();
            }
        shown.sort();
        QStringList wanted = property.boxes;
        wanted.sort();
        EXPECT_EQ(shown, wanted);
        factors.TextPhi->setText(f.phi);
        factors.TextMoisture->setText(f.moisture);
        factors.TextGamma->setText(f.gamma);
        factors.TextNK->setText(f.nk);
        factors.OK->click();
        ProcessEvents();
        auto* plot = app->windows.FindAs<Frm_PlotProperties>();
        return plot != nullptr && plot->isVisible() ? plot : nullptr;
    }

    // The profiles hold every reading; the property chart holds the property of every grid
    // layer at its depth, as the formula gives it from the layer's qt and vertical stress,
    // and leaves out a layer where the formula divides by zero.
    void ExpectProperty(const Frm_PlotProperties& plot, int16_t choice, float gamma,
                        float moisture) {
        const ConeData& cone = Decl().cone;
        const LayerGrid& grid = Decl().grid;
        const SoilPropArrays& props = Decl().props;
        const int n = cone.NumPoints;
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(plot.ChartFX1[c]->Data().PointCount(), n);
            EXPECT_EQ(plot.ChartFX1[c]->Data().AxisList(0).AxisMin(), cone.Depth[n]);
        }
        const ChartFX& chart = *plot.ChartFX1[3];
        EXPECT_EQ(chart.Data().TitleText(2), Q(PropertyOfChoice(choice)->title));
        ASSERT_GT(grid.NumLayers, 1);
        ASSERT_EQ(chart.Data().PointCount(), grid.NumLayers);
        const double table = Decl().project.GWTDepth;
        int drawn = 0;
        for (int k = 1; k <= grid.NumLayers; ++k) {
            SCOPED_TRACE(k);
            const double sigmaV = grid.LayerDepth[k] * gamma / 2000.0 * (1.0 + moisture);
            ASSERT_NEAR(props.SigmaV[k], sigmaV, 1e-6 * (1.0 + sigmaV));
            ASSERT_GE(grid.LayerQt[k], 1.0f); // the grid of the cleaned readings
            const float net = grid.LayerQt[k] - props.SigmaV[k];
            std::optional<double> value;
            if (choice == kConstrainedModulus)
                value = 4.0 * net;
            else if (choice == kUndrainedShearStrength)
                value = net / 15.0;
            else if (const double effective =
                         props.SigmaV[k] - 0.0312 * std::max(0.0, grid.LayerDepth[k] - table);
                     effective > 0.0)
                value = 0.33 * net / effective;
            ASSERT_EQ(chart.Data().SeriesList(0).PointValue(k - 1), grid.LayerDepth[k]);
            const std::optional<double> shown = chart.Data().SeriesList(0).PointXValue(k - 1);
            ASSERT_EQ(shown.has_value(), value.has_value());
            if (value) {
                ASSERT_FLOAT_EQ(static_cast<float>(*shown), static_cast<float>(*value));
                ++drawn;
            }
        }
        EXPECT_GT(drawn, grid.NumLayers / 2);
        EXPECT_EQ(chart.Data().AxisList(0).AxisMin(), grid.LayerDepth[grid.NumLayers]);
        EXPECT_TRUE(messages.empty());
    }
};

class ByProperty : public PropertiesRoad, public testing::WithParamInterface<PropertyCase> {};

std::string PropertyName(const testing::TestParamInfo<PropertyCase>& info) {
    std::string name = PropertyOfChoice(info.param.choice)->caption;
    std::erase(name, ' ');
    return name;
}

} // namespace

TEST_F(PropertiesRoad, SampleFileFromTheFileWindowToTheModulus) {
    ASSERT_TRUE(ReadThroughFileWindow(test::ProjectFile("samples/STV-01-ft-tsf-comma.txt")));
    messages.clear(); // the report of the read
    Frm_Titles& titles = Window<Frm_Titles>();
    titles.cmbTitle[kBoxProjNum]->setEditText("450-12-0031");
    titles.cmbTitle[kBoxElev]->setEditText("8.5");
    titles.CmdOK->click();
    ProcessEvents();

    // No unit weight: no vertical stress, and the modulus is four times qt.
    Frm_SoilFactors* factors = ToFactors(kModulus);
    ASSERT_NE(factors, nullptr);
    Frm_PlotProperties* plot = EnterFactors(*factors, kModulus, {"30", "0.25", "", "15"});
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(Decl().cone.NumPoints, 600);
    EXPECT_EQ(Decl().grid.NumLayers, 182); // Int(60 / 0.328)
    ExpectProperty(*plot, kConstrainedModulus, 0.0f, 0.25f);
    EXPECT_EQ(plot->ChartFX1[3]->Data().SeriesList(0).PointXValue(181),
              4.0f * Decl().grid.LayerQt[182]);
    EXPECT_EQ(plot->TxtProjNum->text(), "450-12-0031");
    EXPECT_EQ(plot->TxtElevation->text(), "8.5");
    EXPECT_FLOAT_EQ(Decl().props.Phi[182], 0.5235988f);
    EXPECT_TRUE(Window<Frm_CPTData3>().isVisible()); // the profile window stays open
}

TEST_P(ByProperty, EachRealSoundingGivesThePropertyOfTheFormula) {
    const PropertyCase& property = GetParam();
    for (const test::RealFile& real : test::kRealFiles) {
        SCOPED_TRACE(real.file);
        ASSERT_TRUE(test::ReadRealSounding(Decl(), real));
        Decl().project.GWTDepth = kWaterTable;
        Window<Frm_CPTData3>().Show();
        ProcessEvents();
        Frm_SoilFactors* factors = ToFactors(property);
        ASSERT_NE(factors, nullptr);
        if (property.choice == kOverconsolidationRatio) {
            EXPECT_TRUE(factors->LblGWT->isVisible());
            EXPECT_EQ(factors->LblGWTDepth->text(), "5");
        }
        Frm_PlotProperties* plot = EnterFactors(*factors, property, kClay);
        ASSERT_NE(plot, nullptr);
        EXPECT_EQ(Decl().props.PropChoice, property.choice);
        ExpectProperty(*plot, property.choice, 120.0f, 0.25f);

        // Printed: the four charts of the window on one page.
        plot->Toolbar1->ButtonByKey("Print")->trigger();
        const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
        ASSERT_EQ(page.charts.size(), 4u);
        EXPECT_EQ(page.charts[3].chartName, "ChartFX1(3)");

        // Back: the factors of the same property, and the same chart again.
        plot->Toolbar1->ButtonByKey("Back")->trigger();
        ProcessEvents();
        factors = app->windows.FindAs<Frm_SoilFactors>();
        ASSERT_TRUE(factors != nullptr && factors->isVisible());
        plot = EnterFactors(*factors, property, kClay);
        ASSERT_NE(plot, nullptr);
        ExpectProperty(*plot, property.choice, 120.0f, 0.25f);

        for (const char* name : {"Frm_PlotProperties", "Frm_CPTData3"})
            app->windows.UnloadAndRelease(name);
        ProcessEvents();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Properties, ByProperty,
    testing::Values(
        kModulus,
        PropertyCase{1, kUndrainedShearStrength, "Frame1", {"TextGamma", "TextNK", "TextMoisture"}},
        PropertyCase{2, kOverconsolidationRatio, "Frame3", {"TextGamma", "TextMoisture"}}),
    PropertyName);
