#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "platform/ChartFX.h"
#include "ui/properties/Frm_PlotProperties.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/support/Soundings.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {

using test::kTsf;

class SoilFactorsWindow : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        CreateHistoryLists(Decl().history);
        Sounding(20.0f);
    }

    void Sounding(float lastDepth) { test::EvenSounding(Decl().cone, lastDepth); }

    Frm_SoilFactors& Open() {
        auto& w = Window<Frm_SoilFactors>();
        w.Show();
        ProcessEvents();
        return w;
    }
    // Types the four boxes and presses OK.
    void Enter(Frm_SoilFactors& w, const char* phi, const char* moisture, const char* gamma = "",
               const char* nk = "15") {
        w.TextPhi->setText(phi);
        w.TextMoisture->setText(moisture);
        w.TextGamma->setText(gamma);
        w.TextNK->setText(nk);
        w.OK->click();
        ProcessEvents();
    }
    Frm_PlotProperties* Plot() {
        auto* p = app->windows.FindAs<Frm_PlotProperties>();
        return p != nullptr && p->isVisible() ? p : nullptr;
    }
    platform::ChartFX& PropertyChart() { return *Plot()->ChartFX1[3]; }
};

} // namespace

TEST_F(SoilFactorsWindow, LoadShowsTheModulusFactorsAndLaysTheGridAfresh) {
    Decl().results.TypeOlsen.assign(3, 2); // an earlier classification
    auto& w = Open();
    EXPECT_EQ(w.windowTitle(), "Enter Soil Factors");
    EXPECT_EQ(w.Frame2->title(), "Parameter of Constrained Modulus");
    EXPECT_EQ(w.Frame1->title(), "Parameter for Undrained Shear Strength");
    EXPECT_EQ(w.Frame3->title(), "Parameter for Overconsolidation Ratio");
    EXPECT_TRUE(w.Frame2->isVisible());
    EXPECT_FALSE(w.Frame1->isVisible());
    EXPECT_FALSE(w.Frame3->isVisible());
    // The modulus asks for the unit weight too, so that the vertical stress is the overburden.
    for (QLineEdit* box : {w.TextPhi, w.TextMoisture, w.TextGamma})
        EXPECT_TRUE(box->isVisible() && box->parentWidget() == w.Frame2);
    EXPECT_FALSE(w.TextNK->isVisible());
    EXPECT_FALSE(w.LblGWT->isVisible());
    const std::pair<QLineEdit*, const char*> rows[] = {
        {w.TextPhi, "Enter Phi (effective) in degrees:"},
        {w.TextMoisture, "Enter Moisture Content:"},
        {w.TextGamma, "Enter Gamma in lb/ft^3:"},
        {w.TextNK, "Enter Nk:"}};
    for (const auto& [box, caption] : rows) {
        bool labelled = false;
        for (const QLabel* label : w.findChildren<QLabel*>())
            labelled |= label->buddy() == box && label->text() == caption;
        EXPECT_TRUE(labelled) << caption;
    }
    EXPECT_EQ(w.TextPhi->text(), "");
    EXPECT_EQ(w.TextNK->text(), "15");
    EXPECT_EQ(w.OK->text(), "OK");
    EXPECT_TRUE(w.Grid.ok);
    EXPECT_EQ(Decl().grid.NumLayers, 60); // Int((20 - 0.5) / 0.328) + 1
    EXPECT_EQ(Decl().results.TypeOlsen, std::vector<int16_t>(61, 0));
    EXPECT_TRUE(messages.empty());
}

TEST_F(SoilFactorsWindow, OkFillsTheStressesShowsThePlotAndUnloads) {
    auto& w = Open();
    Enter(w, "30", "0.25", "", "fifteen"); // Nk is not read without a unit weight
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(w.IsLoaded());
    ASSERT_NE(Plot(), nullptr);
    const SoilPropArrays& p = Decl().props;
    EXPECT_FLOAT_EQ(p.Phi[60], 0.5235988f);
    EXPECT_EQ(p.Moisture[60], 0.25f);
    EXPECT_EQ(p.Gamma[60], 0.0f); // no unit weight entered
    EXPECT_EQ(p.SigmaV[60], 0.0f);
    EXPECT_EQ(p.SigmaH[60], 0.0f);
    EXPECT_EQ(PropertyChart().Data().TitleText(2), " Constrained Modulus (" + kTsf + ") ");
    EXPECT_EQ(PropertyChart().Data().SeriesList(0).PointXValue(59), 4.0f * Decl().grid.LayerQt[60]);
}

TEST_F(SoilFactorsWindow, BadEntryIsNamedAndTheWindowStaysAsItWas) {
    auto& w = Open();
    Enter(w, "30", "a quarter");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Data Entry Error in 'Moisture Content'.. Please ReEnter ");
    EXPECT_EQ(messages[0].title, " Data Entry Message");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.TextMoisture->text(), "a quarter");
    EXPECT_EQ(w.TextMoisture->selectedText(), "a quarter");
    EXPECT_EQ(Decl().props.Phi[1], 0.0f); // the friction angle is not stored either
    EXPECT_EQ(Plot(), nullptr);

    Enter(w, "30", " "); // blanks are an entry, and no number
    EXPECT_EQ(messages.size(), 2u);
    Enter(w, "30", "0.25");
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_NE(Plot(), nullptr);
}

TEST_F(SoilFactorsWindow, EachLoadBringsBackTheStoredTexts) {
    auto& w = Open();
    w.TextPhi->setText("33");
    w.TextNK->setText("20");
    w.close(); // the close box computes nothing
    ProcessEvents();
    EXPECT_FALSE(w.IsLoaded());
    EXPECT_EQ(Plot(), nullptr);
    Decl().props.SigmaV.assign(3, 5.0f);
    Open();
    EXPECT_EQ(w.TextPhi->text(), "");
    EXPECT_EQ(w.TextNK->text(), "15");
    EXPECT_EQ(Decl().props.SigmaV, std::vector<float>(61, 0.0f)); // cleared by the new grid
}

TEST_F(SoilFactorsWindow, ShearStrengthChoiceShowsTheUnitWeightNkAndMoisture) {
    Decl().props.PropChoice = kUndrainedShearStrength;
    auto& w = Open();
    EXPECT_FALSE(w.Frame2->isVisible());
    EXPECT_TRUE(w.Frame1->isVisible());
    for (QLineEdit* box : {w.TextGamma, w.TextNK, w.TextMoisture})
        EXPECT_TRUE(box->isVisible() && box->parentWidget() == w.Frame1);
    EXPECT_FALSE(w.TextPhi->isVisible());
    Enter(w, "", "0.25", "120", "15");
    ASSERT_NE(Plot(), nullptr);
    const LayerGrid& g = Decl().grid;
    const SoilPropArrays& p = Decl().props;
    EXPECT_FLOAT_EQ(p.SigmaV[30], g.LayerDepth[30] * 0.06f * 1.25f);
    EXPECT_EQ(PropertyChart().Data().TitleText(2), " Shear Strength (" + kTsf + ") ");
    EXPECT_FLOAT_EQ(*PropertyChart().Data().SeriesList(0).PointXValue(29),
                    (g.LayerQt[30] - p.SigmaV[30]) / 15.0f);
}

TEST_F(SoilFactorsWindow, ShearStrengthWithoutUnitWeightIsQtOverNkAndNkMustDivide) {
    Decl().props.PropChoice = kUndrainedShearStrength;
    auto& w = Open();
    Enter(w, "", "", "", "0");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Data Entry Error in 'Nk'.. Please ReEnter ");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Plot(), nullptr);
    Enter(w, "", "", "", "12");
    ASSERT_NE(Plot(), nullptr);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FLOAT_EQ(*PropertyChart().Data().SeriesList(0).PointXValue(0),
                    Decl().grid.LayerQt[1] / 12.0f);
    // The profiles beside it are drawn all the same.
    EXPECT_EQ(Plot()->ChartFX1[2]->Data().PointCount(), 40);
}

TEST_F(SoilFactorsWindow, OverconsolidationChoiceNeedsTheUnitWeightAndShowsTheWaterTable) {
    Decl().props.PropChoice = kOverconsolidationRatio;
    Decl().project.GWTDepth = 4.0f;
    auto& w = Open();
    EXPECT_TRUE(w.Frame3->isVisible());
    EXPECT_FALSE(w.Frame1->isVisible() || w.Frame2->isVisible());
    for (QWidget* shown :
         std::initializer_list<QWidget*>{w.TextGamma, w.TextMoisture, w.LblGWT, w.LblGWTDepth})
        EXPECT_TRUE(shown->isVisible() && shown->parentWidget() == w.Frame3);
    EXPECT_FALSE(w.TextPhi->isVisible() || w.TextNK->isVisible());
    EXPECT_EQ(w.LblGWT->text(), "Ground Water Table (depth -- ft):");
    EXPECT_EQ(w.LblGWTDepth->text(), "4");
    EXPECT_EQ(w.focusWidget(), w.TextGamma); // the first box, Tab then down the rows
    EXPECT_EQ(w.TextGamma->nextInFocusChain(), w.TextMoisture);

    Enter(w, "", "0.25", "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Missing Data Entry in 'Gamma'.. The Overconsolidation Ratio "
                                "needs the unit weight.. Please Enter ");
    EXPECT_EQ(w.focusWidget(), w.TextGamma);
    EXPECT_EQ(Plot(), nullptr);

    Enter(w, "", "0.25", "110");
    ASSERT_NE(Plot(), nullptr);
    EXPECT_EQ(PropertyChart().Data().TitleText(2), " Overconsolidation Ratio ");
}

TEST_F(SoilFactorsWindow, OtherChoicesShowNoFrameAndPlotNoProperty) {
    Decl().props.PropChoice = 2;
    auto& w = Open();
    EXPECT_FALSE(w.Frame1->isVisible());
    EXPECT_FALSE(w.Frame2->isVisible());
    EXPECT_FALSE(w.Frame3->isVisible());
    w.OK->click();
    ASSERT_NE(Plot(), nullptr);
    EXPECT_EQ(PropertyChart().Data().TitleText(2), "");
    EXPECT_EQ(PropertyChart().Data().SeriesList(0).PointXValue(0), std::nullopt);
    EXPECT_EQ(PropertyChart().Data().AxisList(0).AxisMin(), Decl().grid.LayerDepth[60]);
}

TEST_F(SoilFactorsWindow, NoChoiceAsksForOneAndComputesNothing) {
    Decl().props.PropChoice = kNoPropertyChosen;
    auto& w = Open();
    Enter(w, "30", "0.25");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Please choose Soil Properties from the menu");
    EXPECT_EQ(messages[0].title, "");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Decl().props.Phi[1], 0.0f);
    EXPECT_EQ(Plot(), nullptr);
}

TEST_F(SoilFactorsWindow, SoundingTheGridRefusesIsToldInPropertyWordsAndTheWindowCloses) {
    Sounding(0.5f); // one reading, at 0.5 ft
    Decl().props.Phi.assign(3, 0.5f);
    auto& w = Open();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              " The sounding is too short to estimate soil properties: its readings from 0.5 ft "
              "to 0.5 ft give fewer than 2 layers of 0.328 ft.. The last reading must lie at "
              "least 0.328 ft below the first. ");
    EXPECT_EQ(messages[0].title, " Soil Layer Message");
    EXPECT_FALSE(w.IsLoaded());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(Decl().grid.NumLayers, 0);
    EXPECT_EQ(Decl().props.Phi, std::vector<float>{0.0f});
    EXPECT_EQ(Plot(), nullptr);
}

TEST_F(SoilFactorsWindow, OkRedrawsAPlotWindowThatIsStillOpen) {
    Enter(Open(), "", "");
    QPointer<Frm_PlotProperties> first = Plot();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first->ChartFX1[3]->Data().PointCount(), 60);
    // Another sounding, while the plot of the first one is still open.
    Sounding(30.0f);
    Enter(Open(), "", "");
    ProcessEvents();
    ASSERT_NE(Plot(), nullptr);
    EXPECT_EQ(PropertyChart().Data().PointCount(), 90); // Int((30 - 0.5) / 0.328) + 1
    EXPECT_EQ(Plot()->ChartFX1[0]->Data().PointCount(), 60);
    EXPECT_TRUE(first.isNull());
}
