#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "engine/charts/ProfileReadings.h"
#include "engine/classification/ChartZones.h"
#include "engine/classification/LayerClassification.h"
#include "engine/classification/LayerGrid.h"
#include "engine/classification/SoilNames.h"
#include "engine/import/ConeReader.h"
#include "engine/import/Units.h"

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

TEST(LayerCleanUp, RatioIsRoundedOnceFromTheLayerValues) {
    // fs of 2 % of qc in m and MPa: after conversion each layer holds fs 0.20885539 and qc
    // 10.44277 ton/ft2, whose ratio is 1.99999991 %. Stored once that is the float just below
    // 2, left of the Schmertmann chart's 2 % limit: clayey sand. A quotient and product in
    // single precision would round up to 2 and give clayey silt.
    const char* text = "0.1 1.000 0.020\n0.2 1.000 0.020\n0.3 1.000 0.020\n0.4 1.000 0.020\n"
                       "0.5 1.000 0.020\n0.6 1.000 0.020\n0.7 1.000 0.020\n0.8 1.000 0.020\n";
    auto d = std::make_unique<Declarations>();
    d->importSettings.NumTitleLines = 0;
    d->importSettings.UnitsOption = 2;
    ReadConeText(text, d->importSettings, d->cone);
    ASSERT_EQ(d->importSettings.ImportError, 0);
    ASSERT_TRUE(ConvertMetric(d->cone, d->importSettings).converted);
    CleanReadings(d->cone, d->project);
    ASSERT_TRUE(InitIntervalArrays(d->cone, d->grid, d->results, d->props).ok);
    ASSERT_TRUE(AverageLayers(d->cone, d->grid).ok);
    CleanGridLayers(d->grid, d->project.GroundElev);
    ClassifySchmertmann(d->grid, d->results);
    ASSERT_GE(d->grid.NumLayers, 7);
    for (int k = 1; k <= d->grid.NumLayers; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(d->grid.LayerRatio[k], std::nextafter(2.0f, 0.0f));
        EXPECT_EQ(SoilNameTumay(d->results.TypeTumay02[k]), "Clayey Sand ");
    }
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

TEST(SchmertmannLayers, TypesOfTheChartLimitsAndTheLayersKeepTheirValues) {
    LayerGrid g;
    ClassResults r;
    Fill(g, r,
         {{0.5f, 10.0f, 0.8f},    // ratio 8: classified as 5.99, kept as 8
          {1.0f, 25.0f, 1.5f},    // exactly 6
          {1.5f, 120.0f, 1.2f},   // an ordinary sand
          {2.0f, 5000.0f, 20.0f}, // beyond the chart's qc
          {2.5f, 0.5f, 0.01f}});
    CleanGridLayers(g, kNoElevation);
    const LayerGrid cleaned = g;
    ClassifySchmertmann(g, r);
    EXPECT_EQ(g.LayerQc, cleaned.LayerQc);
    EXPECT_EQ(g.LayerRatio, cleaned.LayerRatio);
    EXPECT_EQ(g.LayerRatio[1], 8.0f);
    EXPECT_EQ(r.TypeTumay02[0], 0);
    EXPECT_EQ(r.TypeTumay02[1], 1) << "organic clay, as at 5.99";
    EXPECT_EQ(r.TypeTumay02[1], Tumay02Zone(10.0f, 5.99f));
    EXPECT_EQ(r.TypeTumay02[2], Tumay02Zone(25.0f, 6.0f));
    for (int k = 1; k <= g.NumLayers; ++k) {
        EXPECT_GE(r.TypeTumay02[k], 1) << k;
        EXPECT_LE(r.TypeTumay02[k], 16) << k;
    }
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

namespace {

// Layers given as their corrected tip resistance (ton/ft2) and friction ratio after the
// clean-up; qc is set far apart from qt, so a classifier that read it would tell.
void FillMetric(LayerGrid& g, ClassResults& r, const std::vector<std::pair<float, float>>& layers) {
    Fill(g, r, {});
    const std::size_t size = layers.size() + 1;
    g.NumLayers = static_cast<int16_t>(layers.size());
    for (auto* a : {&g.LayerQc, &g.LayerQt, &g.LayerRatio})
        a->assign(size, -7.0f);
    r.TypeRobert86.assign(size, 0);
    r.TypeOlsen.assign(size, 0);
    for (std::size_t k = 1; k < size; ++k) {
        g.LayerQt[k] = layers[k - 1].first;
        g.LayerRatio[k] = layers[k - 1].second;
        g.LayerQc[k] = 1.0f;
    }
}

struct MetricMethod {
    const char* name;
    void (*classify)(const LayerGrid&, ClassResults&);
    int16_t (*zone)(float, float);
    std::vector<int16_t> ClassResults::*types;
};
const MetricMethod kMetricMethods[] = {
    {"Robertson", ClassifyRobert86, Robert86Zone, &ClassResults::TypeRobert86},
    {"Douglas and Olsen", ClassifyOlsen, OlsenZone, &ClassResults::TypeOlsen}};

constexpr float kTenMPa = 104.4277f; // ton/ft2

} // namespace

TEST(MetricChartLayers, ClassifyTheCorrectedTipInMPaAndKeepTheLayerValues) {
    const std::vector<std::pair<float, float>> layers = {
        {kTenMPa, 1.0f}, // Robertson zone 8
        {kTenMPa, 9.0f}, // above both charts' friction ratio
        {kTenMPa, 8.0f}, // the Robertson limit itself
        {kTenMPa, 7.0f}, // above the Douglas and Olsen limit
        {20.0f, 0.0f},   // below it
        {5000.0f, 2.0f}, // beyond both charts' qc
        {0.0f, 3.0f},    // a layer that holds no reading
        {-4.0f, 3.0f}};
    for (const MetricMethod& m : kMetricMethods) {
        SCOPED_TRACE(m.name);
        LayerGrid g;
        ClassResults r;
        FillMetric(g, r, layers);
        const LayerGrid before = g;
        m.classify(g, r);
        const std::vector<int16_t>& types = r.*m.types;
        EXPECT_EQ(types[0], 0);
        EXPECT_EQ(g.LayerQt, before.LayerQt);
        EXPECT_EQ(g.LayerQc, before.LayerQc);
        EXPECT_EQ(g.LayerRatio, before.LayerRatio);
        for (int k = 1; k <= g.NumLayers; ++k) {
            SCOPED_TRACE(k);
            const int16_t type =
                m.zone(static_cast<float>(before.LayerQt[k] / 10.44277), before.LayerRatio[k]);
            EXPECT_EQ(types[k], type);
            EXPECT_GE(type, 1);
        }
    }
}

TEST(MetricChartLayers, RatiosBeyondEachChartAreClassifiedAtItsLimits) {
    LayerGrid g;
    ClassResults r;
    FillMetric(
        g, r,
        {{kTenMPa, 1.0f}, {kTenMPa, 9.0f}, {kTenMPa, 8.0f}, {kTenMPa, 7.0f}, {kTenMPa, -1.0f}});
    ClassifyRobert86(g, r);
    EXPECT_EQ(r.TypeRobert86[1], 8) << "10 MPa; the layer's qc of 1 ton/ft2 is another zone";
    EXPECT_EQ(r.TypeRobert86[2], Robert86Zone(10.0f, 7.9f));
    EXPECT_EQ(r.TypeRobert86[3], Robert86Zone(10.0f, 8.0f));
    EXPECT_EQ(r.TypeRobert86[5], Robert86Zone(10.0f, 0.0f));
    EXPECT_EQ(r.TypeOlsen, std::vector<int16_t>(6, 0)) << "one chart's types only";

    ClassifyOlsen(g, r);
    EXPECT_EQ(r.TypeOlsen[1], 4) << "sand at 10 MPa; the layer's qc of 1 ton/ft2 is clay";
    EXPECT_EQ(r.TypeOlsen[2], OlsenZone(10.0f, 5.95f));
    EXPECT_EQ(r.TypeOlsen[4], OlsenZone(10.0f, 5.95f));
    EXPECT_EQ(r.TypeOlsen[5], OlsenZone(10.0f, 0.11f));
    EXPECT_EQ(g.LayerRatio[2], 9.0f);
    EXPECT_EQ(g.LayerRatio[5], -1.0f);
}

TEST(MetricChartLayers, ArraysShorterThanTheLayerCountAreNotOverrun) {
    for (const MetricMethod& m : kMetricMethods) {
        SCOPED_TRACE(m.name);
        LayerGrid g;
        ClassResults r;
        FillMetric(g, r, {{kTenMPa, 9.0f}, {kTenMPa, 9.0f}, {kTenMPa, 9.0f}});
        g.LayerQt.resize(3); // layers 0 to 2 only
        g.NumLayers = 9;
        m.classify(g, r);
        EXPECT_NE((r.*m.types)[2], 0);
        EXPECT_EQ((r.*m.types)[3], 0) << "beyond the shortest array";
        (r.*m.types).resize(2); // a type for layer 1 only
        m.classify(g, r);
        EXPECT_EQ((r.*m.types).size(), 2u);
    }
}
