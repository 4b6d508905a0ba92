#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/classification/FuzzyMembership.h"
#include "support/MetricGrids.h"

using namespace strelvan;
using namespace strelvan::test;

TEST(FuzzyMembership, WorkedExamples) {
    LayerGrid grid;
    ClassResults results;
    FillGrid(grid, results, {{10.0, 1.0}, {50.0, 1.0}, {0.0, 0.0}});
    results.SoilIndexU[0] = results.MuHPS[0] = -1.0f;

    EXPECT_EQ(FuzzyMembership(grid, results), 0);

    EXPECT_NEAR(results.SoilIndexU[1], 1.3045, 5e-4);
    EXPECT_NEAR(results.MuHPS[1], 0.269, 5e-4);
    EXPECT_NEAR(results.MuHPM[1], 0.998, 5e-4);
    EXPECT_NEAR(results.MuHPC[1], 0.229, 5e-4);
    EXPECT_NEAR(results.SoilIndexU[2], 2.346, 5e-4);
    EXPECT_NEAR(results.MuHPS[2], 0.9326, 5e-4);
    // qc 0 is graded as 1 kg/cm2 and keeps that in the grid.
    EXPECT_NEAR(results.SoilIndexU[3], 0.27155, 1e-4);
    EXPECT_NEAR(grid.LayerQc[3], 1.0241, 1e-4);
    EXPECT_EQ(results.SoilIndexU[0], -1.0f);
    EXPECT_EQ(results.MuHPS[0], -1.0f);
}

TEST(MembershipsFromIndex, ClassCentresAndBeyond) {
    // At the centres the bell curve itself gives 1; beyond them the class is full.
    EXPECT_EQ(MembershipsFromIndex(2.6575).HPS, 1.0f);
    EXPECT_EQ(MembershipsFromIndex(-0.1775).HPC, 1.0f);
    EXPECT_EQ(MembershipsFromIndex(1.35).HPM, 1.0f);
    EXPECT_EQ(MembershipsFromIndex(40.0).HPS, 1.0f);
    EXPECT_EQ(MembershipsFromIndex(-40.0).HPC, 1.0f);
    EXPECT_LT(MembershipsFromIndex(2.6).HPS, 0.998f);
    EXPECT_LT(MembershipsFromIndex(-0.1).HPC, 0.997f);
    // Far out the other classes fade to 0 without overflow.
    const FuzzyMemberships far = MembershipsFromIndex(-3e38);
    EXPECT_EQ(far.HPS, 0.0f);
    EXPECT_EQ(far.HPM, 0.0f);
}

TEST(MembershipsFromIndex, BellCurvesUseTheDecimalBase) {
    // Three widths from the middle centre: 2.71828^-4.5, which differs from e^-4.5 in the
    // sixth digit.
    const float hpm = MembershipsFromIndex(1.35 + 3 * 0.724307).HPM;
    EXPECT_FLOAT_EQ(hpm, static_cast<float>(std::pow(2.71828, -4.5)));
    EXPECT_GT(std::fabs(hpm - static_cast<float>(std::exp(-4.5))), 1e-8f);
}

TEST(FuzzyMembership, LayerWithoutIndexBelongsToNoClass) {
    LayerGrid grid;
    ClassResults results;
    FillGrid(grid, results, {{10.0, 1.0}, {10.0, 1.0}});
    grid.LayerRatio[1] = -std::numeric_limits<float>::infinity();

    EXPECT_EQ(FuzzyMembership(grid, results), 1);

    for (const auto* a : {&results.SoilIndexU, &results.MuHPS, &results.MuHPM, &results.MuHPC})
        EXPECT_EQ((*a)[1], 0.0f);
    EXPECT_NEAR(results.MuHPM[2], 0.998, 5e-4);
}
