#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/classification/FuzzyMembership.h"
#include "engine/classification/SoilClassIndex.h"
#include "engine/classification/SoilProbability.h"
#include "support/MetricGrids.h"

using namespace strelvan;
using namespace strelvan::test;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The chart point where both parts of the transformation's denominator vanish.
constexpr double kPoleX = 1.6713954370629907;
constexpr double kPoleY = 4.49223369245052;
// The index of a point far out on the chart, whatever the direction.
constexpr double kIndexFarOut = -9.1484;
} // namespace

TEST(SoilClassIndex, WorkedExamples) {
    EXPECT_NEAR(*SoilClassIndex(10.0, 1.0), 1.3045, 5e-4);
    EXPECT_NEAR(*SoilClassIndex(50.0, 1.0), 2.346, 5e-4);
    EXPECT_LT(*SoilClassIndex(5.0, 4.0), -0.14);
    EXPECT_GT(*SoilClassIndex(100.0, 0.5), 2.91);
}

TEST(SoilClassIndex, PoleHasNoIndexButItsNeighboursDo) {
    EXPECT_FALSE(SoilClassIndexOfPoint(kPoleX, kPoleY).has_value());
    // One step away the index exists and is huge: the pole is an isolated point.
    const auto beside = SoilClassIndexOfPoint(std::nextafter(kPoleX, 2.0), kPoleY);
    ASSERT_TRUE(beside.has_value());
    EXPECT_GT(std::fabs(*beside), 1e6);
    EXPECT_TRUE(std::isfinite(static_cast<float>(*beside)));
}

TEST(SoilClassIndex, ExtremeReadingsStayFinite) {
    // Huge friction ratios of either sign, and qc from the smallest to the largest float,
    // approach the index of the far chart.
    EXPECT_NEAR(*SoilClassIndex(1.0, 3e38), kIndexFarOut, 1e-3);
    EXPECT_NEAR(*SoilClassIndex(1.0, -3e38), kIndexFarOut, 1e-3);
    for (double qc : {1.4e-45, 1e-30, 1.0, 1e6, 3.4e38})
        for (double f : {-100.0, 0.0, 25.0, 1e10})
            EXPECT_TRUE(SoilClassIndex(qc, f).has_value()) << qc << " " << f;
    // Values that are not numbers have no index.
    EXPECT_FALSE(SoilClassIndex(1.0, kInf).has_value());
    EXPECT_FALSE(SoilClassIndex(kNaN, 1.0).has_value());
    EXPECT_FALSE(SoilClassIndex(kInf, 1.0).has_value());
    EXPECT_FALSE(SoilClassIndexOfPoint(kNaN, 0.0).has_value());
}

TEST(MetricBracket, CleansQcAndFsAndReturnsTheGridInEnglishUnits) {
    LayerGrid grid;
    ClassResults results;
    FillGrid(grid, results, {{10.0, 1.0}, {0.0, 0.0}, {20.0, 2.0}, {-3.0, 0.0}});
    grid.LayerFs[3] = -0.5f;
    grid.LayerQc[0] = 7.0f; // index 0 is no layer and keeps what it holds
    grid.LayerFs[0] = -7.0f;
    const LayerGrid before = grid;

    SoilProbability(grid, results);

    EXPECT_NEAR(grid.LayerQc[2], 1.0241, 1e-4); // 1 kg/cm2 back in ton/ft2
    EXPECT_NEAR(grid.LayerQc[4], 1.0241, 1e-4);
    EXPECT_EQ(grid.LayerFs[3], 0.0f);
    for (int k : {1, 3}) {
        EXPECT_NEAR(grid.LayerQc[k], before.LayerQc[k], 1e-6 * before.LayerQc[k]);
        EXPECT_NEAR(grid.LayerFs[k], k == 3 ? 0.0f : before.LayerFs[k], 1e-6);
    }
    for (int k = 1; k <= grid.NumLayers; ++k)
        EXPECT_NEAR(grid.LayerDepth[k], before.LayerDepth[k], 1e-6);
    EXPECT_EQ(grid.LayerQc[0], 7.0f);
    EXPECT_EQ(grid.LayerFs[0], -7.0f);
    EXPECT_EQ(grid.LayerRatio, before.LayerRatio); // the ratio is read, never written
}

TEST(MetricBracket, RatioAboveTwentyEntersUnchanged) {
    LayerGrid grid;
    ClassResults results;
    FillGrid(grid, results, {{1.0, 35.0}, {1.0, 20.0}});
    FuzzyMembership(grid, results);
    EXPECT_EQ(grid.LayerRatio[1], 35.0f);
    EXPECT_NEAR(results.SoilIndexU[1], *SoilClassIndex(1.0, 35.0), 1e-4);
    EXPECT_LT(results.SoilIndexU[1], results.SoilIndexU[2] - 1.0f); // not taken as 20
}

TEST(MetricBracket, NeverStepsPastTheArrays) {
    LayerGrid grid;
    ClassResults results;
    FillGrid(grid, results, {{10.0, 1.0}, {0.0, 1.0}, {50.0, 1.0}});
    grid.NumLayers = 30000; // more layers than any array holds
    results.ProbSand.resize(2);
    grid.LayerRatio.resize(3);

    EXPECT_EQ(SoilProbability(grid, results), 0);

    EXPECT_EQ(results.ProbSand.size(), 2u);
    EXPECT_NEAR(results.ProbSand[1], 24.9, 0.05);
    EXPECT_EQ(results.ProbSilt[3], 0.0f);       // beyond the shortest result array: not graded
    EXPECT_NEAR(grid.LayerQc[2], 1.0241, 1e-4); // still cleaned
    grid.NumLayers = -1;
    EXPECT_EQ(SoilProbability(grid, results), 0);
}
