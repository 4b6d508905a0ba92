#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

#include "engine/properties/PropertyChoice.h"
#include "engine/properties/SoilProperties.h"

using namespace strelvan;

namespace {

constexpr float kSentinel = -7.0f; // a value no formula writes

// Layers 1 to n with their qt and vertical stress, layer k at a depth of k ft; the arrays hold
// `extra` elements beyond layer n and every output starts at the sentinel.
struct Layers {
    LayerGrid grid;
    SoilPropArrays props;

    Layers(const std::vector<float>& qt, const std::vector<float>& sigmaV, std::size_t extra = 0) {
        const std::size_t size = qt.size() + 1 + extra;
        grid.NumLayers = static_cast<int16_t>(qt.size());
        grid.LayerQt.assign(size, 0.0f);
        grid.LayerDepth.assign(size, 0.0f);
        props.SigmaV.assign(size, 0.0f);
        for (std::size_t k = 0; k < size; ++k)
            grid.LayerDepth[k] = static_cast<float>(k);
        for (std::size_t k = 0; k < qt.size(); ++k) {
            grid.LayerQt[k + 1] = qt[k];
            props.SigmaV[k + 1] = sigmaV[k];
        }
        props.Nk.assign(size, 15.0f);
        for (auto* a : {&props.ConsModulus, &props.ShearStrength, &props.OCR})
            a->assign(size, kSentinel);
    }
};

const float kMax = std::numeric_limits<float>::max();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

} // namespace

TEST(ConstrainedModulus, FourTimesTheNetConeResistance) {
    Layers L({25.0f, 10.0f, 0.3f}, {0.0f, 0.5f, 0.5f});
    const PropertyResult r = ConstrainedModulus(L.grid, L.props);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(L.props.ConsModulus[1], 100.0f); // no vertical stress: 4 x qt
    EXPECT_EQ(L.props.ConsModulus[2], 38.0f);
    EXPECT_FLOAT_EQ(L.props.ConsModulus[3], -0.8f); // not clamped
    EXPECT_EQ(L.props.ConsModulus[0], kSentinel);   // index 0 is not written
}

TEST(ConstrainedModulus, TouchesOnlyLayersOneToNumLayers) {
    Layers L({20.0f, 30.0f}, {0.0f, 0.0f}, 3);
    ASSERT_TRUE(ConstrainedModulus(L.grid, L.props).ok);
    EXPECT_EQ(L.props.ConsModulus,
              std::vector<float>({kSentinel, 80, 120, kSentinel, kSentinel, kSentinel}));
    for (int16_t layers : {int16_t{0}, int16_t{-2}}) {
        Layers none({20.0f}, {0.0f});
        none.grid.NumLayers = layers;
        EXPECT_TRUE(ConstrainedModulus(none.grid, none.props).ok);
        EXPECT_EQ(none.props.ConsModulus, std::vector<float>(2, kSentinel));
    }
}

TEST(ConstrainedModulus, FailureLeavesTheArrayAsItWas) {
    struct Case {
        const char* name;
        std::vector<float> qt, sigmaV;
        PropertyStatus status;
        int layer;
    };
    const Case cases[] = {
        {"4 x qt beyond a single", {10, kMax / 2}, {0, 0}, PropertyStatus::Overflow, 2},
        {"net resistance beyond a single", {kMax, 10}, {-kMax, 0}, PropertyStatus::Overflow, 1},
        {"qt that is no number", {10, kNaN}, {0, 0}, PropertyStatus::InvalidOperation, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Layers L(c.qt, c.sigmaV);
        const PropertyResult r = ConstrainedModulus(L.grid, L.props);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.layer, c.layer);
        EXPECT_EQ(L.props.ConsModulus, std::vector<float>(3, kSentinel));
    }
}

TEST(SoilProperties, ArraysShorterThanTheLayerCountFailWithoutReadingPastThem) {
    Layers L({20.0f, 30.0f}, {0.0f, 0.0f});
    L.grid.NumLayers = 40;
    const ProjectInfo project;
    for (auto r : {ConstrainedModulus(L.grid, L.props), UndrainedShearStrength(L.grid, L.props),
                   OverconsolidationRatio(L.grid, L.props, project)}) {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.status, PropertyStatus::GridMismatch);
    }
    Layers shortNk({20.0f, 30.0f}, {0.0f, 0.0f});
    shortNk.props.Nk.resize(2);
    EXPECT_EQ(UndrainedShearStrength(shortNk.grid, shortNk.props).status,
              PropertyStatus::GridMismatch);
}

TEST(UndrainedShearStrength, NetResistanceOverNk) {
    // No unit weight: qt / Nk; 120 lb/ft3 at 10 ft: (qt - 0.6) / Nk; a stress beyond qt gives a
    // negative strength, as it gives a negative modulus.
    Layers L({25.0f, 10.0f, 30.0f, 0.3f}, {0.0f, 0.5f, 0.6f, 0.5f});
    L.props.Nk[2] = 19.0f;
    const PropertyResult r = UndrainedShearStrength(L.grid, L.props);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.withoutValue, 0);
    EXPECT_FLOAT_EQ(L.props.ShearStrength[1], 25.0f / 15.0f);
    EXPECT_FLOAT_EQ(L.props.ShearStrength[2], 0.5f);
    EXPECT_FLOAT_EQ(L.props.ShearStrength[3], 29.4f / 15.0f);
    EXPECT_FLOAT_EQ(L.props.ShearStrength[4], -0.2f / 15.0f);
    EXPECT_EQ(L.props.ShearStrength[0], kSentinel);
}

TEST(UndrainedShearStrength, LayerWithZeroNkHasNoValue) {
    Layers L({25.0f, 10.0f, 40.0f}, {1.0f, 0.5f, 1.0f});
    L.props.Nk[2] = 0.0f;
    const PropertyResult r = UndrainedShearStrength(L.grid, L.props);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.withoutValue, 1);
    EXPECT_FLOAT_EQ(L.props.ShearStrength[1], 1.6f);
    EXPECT_TRUE(std::isnan(L.props.ShearStrength[2])); // left out of the chart, not 0
    EXPECT_FLOAT_EQ(L.props.ShearStrength[3], 2.6f);
}

TEST(OverconsolidationRatio, NetResistanceOverTheEffectiveVerticalStress) {
    // Layers at 2, 12 and 22 ft under a water table at 10 ft: no pore pressure above it, then
    // 0.0312 ton/ft3 of water for every foot below it.
    Layers L({10.0f, 30.0f, 40.0f}, {1.0f, 2.0f, 3.0f});
    L.grid.LayerDepth = {0.0f, 2.0f, 12.0f, 22.0f};
    ProjectInfo project;
    project.GWTDepth = 10.0f;
    ASSERT_TRUE(OverconsolidationRatio(L.grid, L.props, project).ok);
    EXPECT_FLOAT_EQ(L.props.OCR[1], static_cast<float>(0.33 * 9.0 / 1.0));
    EXPECT_FLOAT_EQ(L.props.OCR[2], static_cast<float>(0.33 * 28.0 / (2.0 - 0.0312 * 2.0)));
    EXPECT_FLOAT_EQ(L.props.OCR[3], static_cast<float>(0.33 * 37.0 / (3.0 - 0.0312 * 12.0)));
    EXPECT_EQ(L.props.OCR[0], kSentinel);
    // A water table of 0 (an empty box) stands at the ground surface.
    Layers wet({10.0f}, {0.5f});
    ASSERT_TRUE(OverconsolidationRatio(wet.grid, wet.props, ProjectInfo{}).ok);
    EXPECT_FLOAT_EQ(wet.props.OCR[1], static_cast<float>(0.33 * 9.5 / (0.5 - 0.0312)));
}

TEST(OverconsolidationRatio, LayersWithoutEffectiveStressHaveNoValue) {
    // No vertical stress: no layer has a value.
    Layers none({10.0f, 30.0f}, {0.0f, 0.0f});
    const PropertyResult r = OverconsolidationRatio(none.grid, none.props, ProjectInfo{});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.withoutValue, 2);
    EXPECT_TRUE(std::isnan(none.props.OCR[1]) && std::isnan(none.props.OCR[2]));
    // A stress no greater than the pore pressure (a unit weight below that of water) has no
    // ratio either, never a negative one; the other layers keep theirs.
    Layers light({10.0f, 30.0f, 40.0f}, {1.0f, 0.05f, 2.0f});
    const PropertyResult r1 = OverconsolidationRatio(light.grid, light.props, ProjectInfo{});
    EXPECT_TRUE(r1.ok);
    EXPECT_EQ(r1.withoutValue, 1);
    EXPECT_FLOAT_EQ(light.props.OCR[1], static_cast<float>(0.33 * 9.0 / (1.0 - 0.0312)));
    EXPECT_TRUE(std::isnan(light.props.OCR[2]));
    EXPECT_FLOAT_EQ(light.props.OCR[3], static_cast<float>(0.33 * 38.0 / (2.0 - 0.0312 * 3.0)));
}

TEST(PropertyChoice, EachChoiceHasItsTitleFormulaAndArray) {
    struct Case {
        int16_t choice;
        const char* caption;
        const char* title;
        std::vector<float> SoilPropArrays::*values;
        float expected; // qt 20, SigmaV 2 at 1 ft, Nk 15, the water table at the surface
    };
    const Case cases[] = {
        {kConstrainedModulus, "Constrained Modulus", " Constrained Modulus (ton/ft\xC2\xB2) ",
         &SoilPropArrays::ConsModulus, 72.0f},
        {kUndrainedShearStrength, "Undrained Shear Strength", " Shear Strength (ton/ft\xC2\xB2) ",
         &SoilPropArrays::ShearStrength, 1.2f},
        {kOverconsolidationRatio, "Overconsolidation Ratio", " Overconsolidation Ratio ",
         &SoilPropArrays::OCR, static_cast<float>(0.33 * 18.0 / (2.0 - 0.0312))},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const Case& c = cases[k];
        SCOPED_TRACE(c.title);
        const ChosenProperty* p = PropertyOfChoice(c.choice);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(OfferedProperties()[k], p); // offered in this order
        EXPECT_EQ(p->caption, c.caption);
        EXPECT_EQ(p->title, c.title);
        EXPECT_EQ(p->values, c.values);
        Layers L({20.0f}, {2.0f});
        ASSERT_TRUE(p->compute(L.grid, L.props, ProjectInfo{}).ok);
        EXPECT_FLOAT_EQ((L.props.*c.values)[1], c.expected);
    }
    for (int16_t other : {kNoPropertyChosen, int16_t{1}, int16_t{3}, int16_t{6}})
        EXPECT_EQ(PropertyOfChoice(other), nullptr);
}

TEST(PropertyChoice, LayerPositionIsDepthOrElevation) {
    LayerGrid grid;
    grid.LayerDepth = {0.0f, 0.164f, 10.0f};
    ProjectInfo project;
    project.GroundElev = 100.0f;
    EXPECT_EQ(LayerPositions(grid, project, 1), grid.LayerDepth);
    EXPECT_EQ(LayerPositions(grid, project, -1),
              std::vector<float>({100.0f, 100.0f - 0.164f, 90.0f}));
}
