#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "engine/classification/ChartZones.h"
#include "engine/classification/LayerClassification.h"

using namespace strelvan;

namespace {

struct Layer {
    float depth, qc, fs;
};

// Grid layers 1 to n as the averaging leaves them; layer 0 holds a marker that must stay.
void Fill(LayerGrid& g, ClassResults& r, const std::vector<Layer>& layers) {
    const std::size_t size = layers.size() + 1;
    g.NumLayers = static_cast<int16_t>(layers.size());
    for (auto* a : {&g.LayerDepth, &g.LayerQc, &g.LayerFs, &g.LayerQt, &g.LayerRatio, &g.LayerElev})
        a->assign(size, -7.0f);
    r.TypeTumay02.assign(size, 0);
    for (std::size_t k = 1; k < size; ++k) {
        g.LayerDepth[k] = layers[k - 1].depth;
        g.LayerQc[k] = layers[k - 1].qc;
        g.LayerFs[k] = layers[k - 1].fs;
        g.LayerRatio[k] = 0;
        g.LayerElev[k] = 0;
    }
}

} // namespace

TEST(LayerCleanUp, TipFrictionRatioAndElevation) {
    LayerGrid g;
    ClassResults r;
    Fill(g, r,
         {{0.5f, 0.0f, 0.2f},
          {1.0f, -3.0f, 0.1f},
          {1.5f, 40.0f, -0.2f},
          {2.0f, 10.0f, 2.01f},
          {2.5f, 1.0f, std::numeric_limits<float>::max()},
          {3.0f, 50.0f, 1.0f}});
    CleanGridLayers(g, 12.5f);
    EXPECT_EQ(g.LayerQc[1], 1.0f);
    EXPECT_FLOAT_EQ(g.LayerRatio[1], 20.0f); // 0.2 x 100 / 1
    EXPECT_EQ(g.LayerQc[2], 1.0f);
    EXPECT_FLOAT_EQ(g.LayerRatio[2], 10.0f);
    EXPECT_EQ(g.LayerFs[3], 0.0f);
    EXPECT_EQ(g.LayerRatio[3], 0.0f);
    EXPECT_EQ(g.LayerRatio[4], 20.0f); // 20.1 capped
    EXPECT_EQ(g.LayerRatio[5], 20.0f); // beyond any float: capped, not infinite
    EXPECT_EQ(g.LayerRatio[6], 1.0f / 50.0f * 100.0f);
    EXPECT_EQ(g.LayerElev[1], 12.0f);
    EXPECT_EQ(g.LayerElev[6], 9.5f);
    // Layer 0 is left alone.
    EXPECT_EQ(g.LayerQc[0], -7.0f);
    EXPECT_EQ(g.LayerRatio[0], -7.0f);
    EXPECT_EQ(g.LayerElev[0], -7.0f);

    // Cleaning twice changes nothing more.
    const LayerGrid once = g;
    CleanGridLayers(g, 12.5f);
    EXPECT_EQ(g.LayerRatio, once.LayerRatio);
    EXPECT_EQ(g.LayerQc, once.LayerQc);
}

TEST(LayerCleanUp, NoElevationLeavesTheElevationsAlone) {
    LayerGrid g;
    ClassResults r;
    Fill(g, r, {{0.5f, 10, 0.1f}, {1.0f, 10, 0.1f}});
    CleanGridLayers(g, kNoElevation);
    EXPECT_EQ(g.LayerElev[1], 0.0f);
    EXPECT_EQ(g.LayerElev[2], 0.0f);
}

TEST(LayerCleanUp, ArraysShorterThanTheLayerCountAreNotOverrun) {
    LayerGrid g;
    ClassResults r;
    Fill(g, r, {{0.5f, -1, 0.1f}, {1.0f, -1, 0.1f}, {1.5f, -1, 0.1f}});
    g.LayerElev.resize(3); // layers 0 to 2 only
    g.NumLayers = 9;
    CleanGridLayers(g, 5.0f);
    EXPECT_EQ(g.LayerQc[2], 1.0f);
    EXPECT_EQ(g.LayerQc[3], -1.0f) << "beyond the shortest array";
    r.TypeTumay02.resize(2); // a type for layer 1 only
    ClassifySchmertmann(g, r);
    EXPECT_EQ(r.TypeTumay02.size(), 2u);
    EXPECT_EQ(g.LayerQc[3], -1.0f);

    g.NumLayers = 0;
    g.LayerQc[1] = -1;
    CleanGridLayers(g, 5.0f);
    EXPECT_EQ(g.LayerQc[1], -1.0f);
}

TEST(SchmertmannLayers, LimitsStayInTheLayerValues) {
    LayerGrid g;
    ClassResults r;
    Fill(g, r,
         {{0.5f, 10.0f, 0.8f},    // ratio 8: classified, and kept, as 5.99
          {1.0f, 25.0f, 1.5f},    // exactly 6 stays 6
          {1.5f, 120.0f, 1.2f},   // an ordinary sand
          {2.0f, 5000.0f, 20.0f}, // beyond the chart's qc
          {2.5f, 0.5f, 0.01f}});
    CleanGridLayers(g, kNoElevation);
    const LayerGrid cleaned = g;
    ClassifySchmertmann(g, r);
    EXPECT_EQ(g.LayerRatio[1], 5.99f);
    EXPECT_EQ(g.LayerRatio[2], 6.0f);
    EXPECT_EQ(r.TypeTumay02[0], 0);
    for (int k = 1; k <= g.NumLayers; ++k) {
        SCOPED_TRACE(k);
        float qc = cleaned.LayerQc[k];
        float rf = cleaned.LayerRatio[k];
        EXPECT_EQ(r.TypeTumay02[k], Tumay02Zone(qc, rf));
        EXPECT_EQ(g.LayerQc[k], qc);
        EXPECT_EQ(g.LayerRatio[k], rf);
        EXPECT_GE(r.TypeTumay02[k], 0);
        EXPECT_LE(r.TypeTumay02[k], 16);
    }
    EXPECT_EQ(g.LayerQc[4], 5000.0f);
}

TEST(SchmertmannLayers, NoLayersNoTypes) {
    LayerGrid g;
    ClassResults r;
    Fill(g, r, {});
    ClassifySchmertmann(g, r);
    EXPECT_EQ(r.TypeTumay02, std::vector<int16_t>{0});
    ClassResults empty;
    g.NumLayers = 3;
    ClassifySchmertmann(g, empty); // no type array: nothing is written
    EXPECT_TRUE(empty.TypeTumay02.empty());
}
