#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/classification/FuzzyMembership.h"
#include "engine/classification/SoilProbability.h"
#include "support/MetricGrids.h"

using namespace strelvan;
using namespace strelvan::test;

namespace {
const char* const kSoundings[] = {
    "geolibplus-bro-179092-short.txt",  "geolibplus-bro-predrilled-u1.txt",
    "geolibplus-monnickendam-cptu.txt", "liquepy-standard1-cptu.txt",
    "pileresponse-example-cptu.txt",    "pygef-cpt-mos-cptu.txt",
    "pygef-cpt2-waternet-soft.txt",     "pygef-cpt4-sand.txt",
};

struct Classified {
    LayerGrid grid;
    ClassResults results;
};

Classified Classify(const std::string& name) {
    Classified c;
    AverageRealSounding(ReadRealSounding(name), c.grid, c.results);
    EXPECT_EQ(SoilProbability(c.grid, c.results), 0) << name;
    EXPECT_EQ(FuzzyMembership(c.grid, c.results), 0) << name;
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
    for (const char* name : kSoundings) {
        SCOPED_TRACE(name);
        const Classified c = Classify(name);
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
    const Classified soft = Classify("pygef-cpt2-waternet-soft.txt");
    EXPECT_GT(MeanBetween(soft, soft.results.ProbClay, 1.6, 3.5), 90.0);
    EXPECT_GT(MeanBetween(soft, soft.results.MuHPC, 1.6, 3.5), 0.9);
    EXPECT_GT(MeanBetween(soft, soft.results.ProbSand, 9.5, 10.2), 80.0);

    const Classified layered = Classify("geolibplus-monnickendam-cptu.txt");
    EXPECT_GT(MeanBetween(layered, layered.results.ProbClay, 2.4, 6.5), 80.0);
    EXPECT_GT(MeanBetween(layered, layered.results.ProbSand, 16.0, 25.0), 90.0);
    EXPECT_GT(MeanBetween(layered, layered.results.MuHPS, 16.0, 25.0), 0.9);

    const Classified sand = Classify("pygef-cpt4-sand.txt");
    EXPECT_GT(MeanBetween(sand, sand.results.ProbSand, 7.0, 20.0), 90.0);
    EXPECT_LT(MeanBetween(sand, sand.results.ProbClay, 7.0, 20.0), 1.0);
}
