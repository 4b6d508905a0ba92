#include <gtest/gtest.h>

#include <vector>

#include "engine/properties/SoilFactors.h"

using namespace strelvan;

namespace {

constexpr float kSentinel = -7.0f; // a value no pass writes

// A grid of layers at the given depths (layer k at depths[k - 1]); every soil-property array
// sized for it and holding the sentinel, so that a test sees what was written.
struct Layers {
    LayerGrid grid;
    SoilPropArrays props;

    explicit Layers(const std::vector<float>& depths, float fill = 0.0f) {
        grid.NumLayers = static_cast<int16_t>(depths.size());
        grid.LayerDepth.assign(depths.size() + 1, 0.0f);
        for (std::size_t k = 0; k < depths.size(); ++k)
            grid.LayerDepth[k + 1] = depths[k];
        for (auto* a : Arrays())
            a->assign(depths.size() + 1, fill);
    }
    std::vector<std::vector<float>*> Arrays() {
        return {&props.Gamma,  &props.Nk,          &props.Moisture,      &props.Phi, &props.SigmaV,
                &props.SigmaH, &props.ConsModulus, &props.ShearStrength, &props.OCR};
    }
    SoilFactorEntry Apply(const SoilFactorTexts& texts, int16_t choice = kConstrainedModulus) {
        return ApplySoilFactors(texts, choice, grid, props);
    }
};

SoilFactorTexts Texts(const char* phi, const char* moisture, const char* gamma,
                      const char* nk = "15") {
    return {phi, moisture, gamma, nk};
}

} // namespace

TEST(SoilFactors, NoUnitWeightLeavesBothStressesZeroWhateverElseIsEntered) {
    Layers L({5.0f, 10.0f});
    // Nk is not read without a unit weight, so its text does not matter.
    EXPECT_FALSE(L.Apply(Texts("30", "0.25", "", "not read")).error);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(L.props.Gamma[k], 0.0f);
        EXPECT_EQ(L.props.Nk[k], 0.0f);
        EXPECT_EQ(L.props.SigmaV[k], 0.0f);
        EXPECT_EQ(L.props.SigmaH[k], 0.0f);
        EXPECT_EQ(L.props.Moisture[k], 0.25f);
        EXPECT_FLOAT_EQ(L.props.Phi[k], 0.5235988f);
    }
}

TEST(SoilFactors, UnitWeightGivesTheVerticalStressAndIndexZeroStaysZero) {
    Layers L({2.0f, 10.0f});
    EXPECT_FALSE(L.Apply(Texts("", "", "120", "12.5"), kUndrainedShearStrength).error);
    EXPECT_FLOAT_EQ(L.props.Gamma[2], 0.06f); // ton/ft3
    EXPECT_EQ(L.props.Nk[2], 12.5f);
    EXPECT_FLOAT_EQ(L.props.SigmaV[2], 0.6f); // 10 ft x 0.06, no moisture: factor 1
    EXPECT_FLOAT_EQ(L.props.SigmaV[1], 0.12f);
    // No friction angle: the horizontal stress is the vertical one.
    EXPECT_EQ(L.props.SigmaH[2], L.props.SigmaV[2]);
    EXPECT_EQ(L.props.Moisture[2], 0.0f);
    EXPECT_EQ(L.props.Phi[2], 0.0f);
    for (auto* a : L.Arrays())
        EXPECT_EQ((*a)[0], 0.0f);
    EXPECT_EQ(L.props.ConsModulus[1], 0.0f); // the formulas are not run here
}

TEST(SoilFactors, MoistureMultipliesTheStressByOnePlusItself) {
    Layers quarter({10.0f});
    ASSERT_FALSE(quarter.Apply(Texts("", "0.25", "120")).error);
    EXPECT_FLOAT_EQ(quarter.props.SigmaV[1], 0.6f * 1.25f);
    Layers percent({10.0f}); // an entry of 25 is taken as the fraction 25
    ASSERT_FALSE(percent.Apply(Texts("", "25", "120")).error);
    EXPECT_FLOAT_EQ(percent.props.SigmaV[1], 0.6f * 26.0f);
    // 1.5 ton/ft2 at 25 ft times (0.2 + 1), the factor formed with the product: the float
    // nearest 1.8. A factor rounded to a float first (1.20000005) would give one unit more.
    Layers fifth({25.0f});
    ASSERT_FALSE(fifth.Apply(Texts("", "0.2", "120")).error);
    EXPECT_EQ(fifth.props.SigmaV[1], 1.8f);
}

TEST(SoilFactors, FrictionAngleOfThirtyHalvesTheHorizontalStress) {
    Layers L({10.0f, 20.0f});
    ASSERT_FALSE(L.Apply(Texts("30", "0.25", "120")).error);
    for (int k = 1; k <= 2; ++k) {
        EXPECT_FLOAT_EQ(L.props.Phi[k], 0.5235988f);
        EXPECT_FLOAT_EQ(L.props.SigmaH[k], L.props.SigmaV[k] / 2.0f);
    }
    EXPECT_FLOAT_EQ(L.props.SigmaV[2], 20.0f * 0.06f * 1.25f);
}

TEST(SoilFactors, NoLayersMeansNothingIsWritten) {
    for (int16_t layers : {int16_t{0}, int16_t{-3}}) {
        Layers L({});
        L.grid.NumLayers = layers;
        EXPECT_FALSE(L.Apply(Texts("30", "0.25", "120")).error);
        for (auto* a : L.Arrays())
            EXPECT_EQ(*a, std::vector<float>{0.0f});
    }
}

TEST(SoilFactors, BadEntryNamesItsBoxAndChangesNothing) {
    struct Case {
        SoilFactorTexts texts;
        SoilFactorBox box;
        const char* name;
        int16_t choice = kConstrainedModulus;
    };
    const Case cases[] = {
        {Texts("", "", "heavy"), SoilFactorBox::Gamma, "Gamma"},
        {Texts("", "", " "), SoilFactorBox::Gamma, "Gamma"},      // blanks are not "empty"
        {Texts("", "", "1E+300"), SoilFactorBox::Gamma, "Gamma"}, // / 2000 beyond a single
        // A unit weight of 0 or less gives no stress, or one pulling upwards.
        {Texts("", "", "0"), SoilFactorBox::Gamma, "Gamma"},
        {Texts("", "", "-120"), SoilFactorBox::Gamma, "Gamma", kOverconsolidationRatio},
        // Nk divides the strength: it must be a number above 0, with or without a unit weight.
        {Texts("", "", "120", ""), SoilFactorBox::Nk, "Nk", kUndrainedShearStrength},
        {Texts("", "", "120", "1E+39"), SoilFactorBox::Nk, "Nk", kUndrainedShearStrength},
        {Texts("", "", "", "0"), SoilFactorBox::Nk, "Nk", kUndrainedShearStrength},
        {Texts("", "", "120", "-15"), SoilFactorBox::Nk, "Nk", kUndrainedShearStrength},
        {Texts("", "0,25", "120"), SoilFactorBox::Moisture, "Moisture Content"},
        {Texts("thirty", "", ""), SoilFactorBox::Phi, "Phi (effective)"},
        {Texts("1E+307", "", ""), SoilFactorBox::Phi, "Phi (effective)"},
        // The unit weight is read before the friction angle.
        {Texts("x", "", "y"), SoilFactorBox::Gamma, "Gamma"},
        // A unit weight that fits, but whose stress at 10 ft does not.
        {Texts("", "", "6E+41"), SoilFactorBox::Gamma, "Gamma"},
        // A stress that fits until the moisture multiplies it.
        {Texts("", "3E+38", "120"), SoilFactorBox::Moisture, "Moisture Content"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Layers L({10.0f, 20.0f}, kSentinel);
        const SoilFactorEntry entry = L.Apply(c.texts, c.choice);
        ASSERT_TRUE(entry.error);
        EXPECT_EQ(entry.box, c.box);
        EXPECT_EQ(entry.error->text,
                  std::string(" Data Entry Error in '") + c.name + "'.. Please ReEnter ");
        EXPECT_EQ(entry.error->title, " Data Entry Message");
        EXPECT_EQ(entry.error->icon, MsgIcon::Critical);
        for (auto* a : L.Arrays())
            EXPECT_EQ(*a, std::vector<float>(3, kSentinel));
    }
}

TEST(SoilFactors, NoPropertyChosenAsksForOneAndComputesNothing) {
    Layers L({10.0f}, kSentinel);
    const SoilFactorEntry entry = L.Apply(Texts("30", "", "120"), kNoPropertyChosen);
    ASSERT_TRUE(entry.error);
    EXPECT_EQ(entry.error->text, "Please choose Soil Properties from the menu");
    EXPECT_EQ(entry.error->title, ""); // the program's own title
    EXPECT_EQ(entry.error->buttons, MsgButtons::Ok);
    EXPECT_EQ(L.props.SigmaV[1], kSentinel);
}

TEST(SoilFactors, EachPropertyReadsTheBoxesItsFormulaUses) {
    struct Case {
        int16_t choice;
        std::vector<SoilFactorBox> asked;
        float sigmaV, sigmaH, nk; // at 10 ft, from "30", "0.25", "120", "12.5"
    };
    using enum SoilFactorBox;
    const float stress = 0.6f * 1.25f;
    const Case cases[] = {
        {kConstrainedModulus, {Phi, Moisture, Gamma}, stress, stress / 2.0f, 0.0f},
        {kUndrainedShearStrength, {Gamma, Nk, Moisture}, stress, stress, 12.5f},
        {kOverconsolidationRatio, {Gamma, Moisture}, stress, stress, 0.0f},
        {int16_t{2}, {}, 0.0f, 0.0f, 0.0f}, // a choice no window offers reads nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        EXPECT_EQ(BoxesAskedFor(c.choice), c.asked);
        Layers L({10.0f});
        ASSERT_FALSE(L.Apply(Texts("30", "0.25", "120", "12.5"), c.choice).error);
        EXPECT_FLOAT_EQ(L.props.SigmaV[1], c.sigmaV);
        EXPECT_FLOAT_EQ(L.props.SigmaH[1], c.sigmaH);
        EXPECT_EQ(L.props.Nk[1], c.nk);
    }
    // The strength takes its Nk without a unit weight: qt / Nk with no vertical stress.
    Layers strength({10.0f});
    ASSERT_FALSE(strength.Apply(Texts("", "", "", "15"), kUndrainedShearStrength).error);
    EXPECT_EQ(strength.props.Nk[1], 15.0f);
    EXPECT_EQ(strength.props.SigmaV[1], 0.0f);
}

TEST(SoilFactors, OverconsolidationRatioRefusesAMissingUnitWeight) {
    Layers L({10.0f}, kSentinel);
    const SoilFactorEntry entry = L.Apply(Texts("", "0.25", ""), kOverconsolidationRatio);
    ASSERT_TRUE(entry.error);
    EXPECT_EQ(entry.box, SoilFactorBox::Gamma);
    EXPECT_EQ(entry.error->text, " Missing Data Entry in 'Gamma'.. The Overconsolidation Ratio "
                                 "needs the unit weight.. Please Enter ");
    EXPECT_EQ(entry.error->title, " Data Entry Message");
    EXPECT_EQ(L.props.SigmaV, std::vector<float>(2, kSentinel));
}

TEST(SoilFactors, ArraysShorterThanTheLayerCountAreRefused) {
    Layers L({10.0f, 20.0f}, kSentinel);
    L.grid.NumLayers = 5; // the arrays hold layers 0 to 2 only
    const SoilFactorEntry entry = L.Apply(Texts("30", "", "120"));
    ASSERT_TRUE(entry.error);
    EXPECT_EQ(entry.error->title, " Soil Layer Message");
    EXPECT_EQ(L.props.SigmaV, std::vector<float>(3, kSentinel));
}
