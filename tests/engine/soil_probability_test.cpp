#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/classification/SoilProbability.h"
#include "support/MetricGrids.h"

using namespace strelvan;
using namespace strelvan::test;

namespace {
void ExpectPercent(const ClassResults& r, int k, double sand, double silt, double clay,
                   double tolerance) {
    EXPECT_NEAR(r.ProbSand[k], sand, tolerance) << "layer " << k;
    EXPECT_NEAR(r.ProbSilt[k], silt, tolerance) << "layer " << k;
    EXPECT_NEAR(r.ProbClay[k], clay, tolerance) << "layer " << k;
}

void ExpectSumsToHundred(const SoilProbabilities& p) {
    EXPECT_NEAR(static_cast<double>(p.Sand) + p.Silt + p.Clay, 100.0, 1e-4);
}
} // namespace

TEST(SoilProbability, WorkedExamplesOfEachRange) {
    LayerGrid grid;
    ClassResults results;
    FillGrid(grid, results, {{10.0, 1.0}, {50.0, 1.0}, {5.0, 4.0}, {100.0, 0.5}});
    results.ProbSand[0] = results.ProbSilt[0] = results.ProbClay[0] = -1.0f;

    EXPECT_EQ(SoilProbability(grid, results), 0);

    ExpectPercent(results, 1, 24.9, 59.9, 15.2, 0.05);
    ExpectPercent(results, 2, 69.0, 30.3, 0.7, 0.05);
    ExpectPercent(results, 3, 0.35, 1.84, 97.81, 1e-4); // clay below the fitted range
    ExpectPercent(results, 4, 97.71, 2.29, 0.0, 1e-4);  // sand above it
    ExpectPercent(results, 0, -1.0, -1.0, -1.0, 0.0);   // index 0 is no layer
}

TEST(ProbabilitiesFromIndex, EndsOfTheFittedRangeUseThePolynomials) {
    const SoilProbabilities top = ProbabilitiesFromIndex(2.91);
    EXPECT_NEAR(top.Sand, 96.2806, 1e-3);
    EXPECT_NEAR(top.Silt, 3.6850, 1e-3);
    EXPECT_NEAR(top.Clay, 0.0345, 1e-3);
    const SoilProbabilities above = ProbabilitiesFromIndex(std::nextafter(2.91, 3.0));
    EXPECT_NEAR(above.Sand, 97.71, 1e-4);
    EXPECT_EQ(above.Clay, 0.0f);

    const SoilProbabilities bottom = ProbabilitiesFromIndex(-0.14);
    EXPECT_NEAR(bottom.Sand, 0.35216, 1e-4);
    EXPECT_NEAR(bottom.Silt, 1.85138, 1e-4);
    const SoilProbabilities below = ProbabilitiesFromIndex(std::nextafter(-0.14, -1.0));
    EXPECT_NEAR(below.Silt, 1.84, 1e-5);
    EXPECT_NEAR(below.Clay, 97.81, 1e-4);
}

TEST(ProbabilitiesFromIndex, LowerLimitsHoldInsideTheFittedRange) {
    // Near U = 0 the silt polynomial drops below its limit, near U = 2.66 the clay one
    // turns negative; both are held at their limits before the normalisation.
    const SoilProbabilities p = ProbabilitiesFromIndex(2.6575);
    EXPECT_NEAR(p.Sand, 84.4531, 1e-3);
    EXPECT_EQ(p.Clay, 0.0f);
    for (double U = -0.14; U <= 2.91; U += 0.01) {
        const SoilProbabilities q = ProbabilitiesFromIndex(U);
        EXPECT_GE(q.Sand, 0.0035f * 100.0f / 1.05f) << U;
        EXPECT_GE(q.Silt, 0.0184f * 100.0f / 1.05f) << U;
        EXPECT_GE(q.Clay, 0.0f) << U;
        ExpectSumsToHundred(q);
    }
}

TEST(ProbabilitiesFromIndex, AddUpToHundredForAnyIndex) {
    for (double U : {-1e30, -9.15, -0.1400001, 0.0, 1.0, 2.0, 2.9099999, 3.0, 1e30})
        ExpectSumsToHundred(ProbabilitiesFromIndex(U));
}

TEST(SoilProbability, LayerWithoutIndexGetsNoEstimate) {
    LayerGrid grid;
    ClassResults results;
    FillGrid(grid, results, {{10.0, 1.0}, {10.0, 1.0}, {10.0, 1.0}, {10.0, 1.0}});
    grid.LayerRatio[2] = std::numeric_limits<float>::infinity();
    grid.LayerQc[3] = std::numeric_limits<float>::quiet_NaN();
    grid.LayerRatio[4] = 3e38f; // huge but a number: clay

    EXPECT_EQ(SoilProbability(grid, results), 2);

    ExpectPercent(results, 2, 0.0, 0.0, 0.0, 0.0);
    ExpectPercent(results, 3, 0.0, 0.0, 0.0, 0.0);
    ExpectPercent(results, 4, 0.35, 1.84, 97.81, 1e-4);
    ExpectPercent(results, 1, 24.9, 59.9, 15.2, 0.05);
}
