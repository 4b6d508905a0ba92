// The probabilistic and fuzzy classifiers on the eight real soundings, read, cleaned and
// averaged into the layer grid as the program does it.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "engine/charts/ProfileReadings.h"
#include "engine/classification/FuzzyMembership.h"
#include "engine/classification/LayerGrid.h"
#include "engine/classification/SoilProbability.h"
#include "support/RealSoundings.h"

using namespace strelvan;
using namespace strelvan::test;

namespace {

struct Classified {
    LayerGrid grid;
    ClassResults results;
};

Classified Classify(const RealFile& real) {
    Classified c;
    auto d = std::make_unique<Declarations>();
    EXPECT_TRUE(ReadRealSounding(real, d->cone)) << real.file;
    CleanReadings(d->cone, d->project);
    EXPECT_TRUE(InitIntervalArrays(d->cone, c.grid, c.results, d->props).ok) << real.file;
    EXPECT_TRUE(AverageLayers(d->cone, c.grid).ok) << real.file;
    EXPECT_EQ(SoilProbability(c.grid, c.results), 0) << real.file;
    EXPECT_EQ(FuzzyMembership(c.grid, c.results), 0) << real.file;
    return c;
}

// Mean of a result over the layers whose middle lies between two depths in m.
double MeanBetween(const Classified& c, const std::vector<float>& values, double topM,
                   double bottomM) {
    double sum = 0;
    int count = 0;
    for (int k = 1; k <= c.grid.NumLayers; ++k) {
        const double depthM = c.grid.LayerDepth[k] * kFeetToMetre;
        if (depthM >= topM && depthM <= bottomM) {
            sum += values[k];
            ++count;
        }
    }
    EXPECT_GT(count, 0);
    return count ? sum / count : 0.0;
}
} // namespace

TEST(MetricClassifiersOnRealSoundings, EveryLayerGetsFiniteResults) {
    for (const RealFile& real : kRealFiles) {
        SCOPED_TRACE(real.file);
        const Classified c = Classify(real);
        ASSERT_GT(c.grid.NumLayers, 10);
        const ClassResults& r = c.results;
        for (int k = 1; k <= c.grid.NumLayers; ++k) {
            for (const auto* a : {&r.ProbSand, &r.ProbSilt, &r.ProbClay, &r.SoilIndexU})
                ASSERT_TRUE(std::isfinite((*a)[k])) << "layer " << k;
            ASSERT_NEAR(static_cast<double>(r.ProbSand[k]) + r.ProbSilt[k] + r.ProbClay[k], 100.0,
                        1e-3)
                << "layer " << k;
            for (const auto* a : {&r.MuHPS, &r.MuHPM, &r.MuHPC}) {
                ASSERT_GE((*a)[k], 0.0f) << "layer " << k;
                ASSERT_LE((*a)[k], 1.0f) << "layer " << k;
            }
            ASSERT_GT(c.grid.LayerQc[k], 0.0f) << "layer " << k;
            ASSERT_GE(c.grid.LayerFs[k], 0.0f) << "layer " << k;
        }
    }
}

TEST(MetricClassifiersOnRealSoundings, ClayAndSandBandsAreRecognised) {
    // Peat and soft clay over sand at Waternet, clay over dense sand at Monnickendam, soft
    // soil over sand in the sand-dominated sounding.
    const Classified soft = Classify(RealFileNamed("pygef-cpt2-waternet-soft.txt"));
    EXPECT_GT(MeanBetween(soft, soft.results.ProbClay, 1.6, 3.5), 90.0);
    EXPECT_GT(MeanBetween(soft, soft.results.MuHPC, 1.6, 3.5), 0.9);
    EXPECT_GT(MeanBetween(soft, soft.results.ProbSand, 9.5, 10.2), 80.0);

    const Classified layered = Classify(RealFileNamed("geolibplus-monnickendam-cptu.txt"));
    EXPECT_GT(MeanBetween(layered, layered.results.ProbClay, 2.4, 6.5), 80.0);
    EXPECT_GT(MeanBetween(layered, layered.results.ProbSand, 16.0, 25.0), 90.0);
    EXPECT_GT(MeanBetween(layered, layered.results.MuHPS, 16.0, 25.0), 0.9);

    const Classified sand = Classify(RealFileNamed("pygef-cpt4-sand.txt"));
    EXPECT_GT(MeanBetween(sand, sand.results.ProbSand, 7.0, 20.0), 90.0);
    EXPECT_LT(MeanBetween(sand, sand.results.ProbClay, 7.0, 20.0), 1.0);
}
