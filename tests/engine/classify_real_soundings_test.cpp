// End to end on real soundings: readings in m and MPa are read, converted, cleaned,
// averaged into 0.328 ft layers, classified by the three charts and described in blocks of
// ten layers. The checks are coarse: the soil the charts find must follow what is known of
// each site.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/charts/ProfileReadings.h"
#include "engine/classification/LayerClassification.h"
#include "engine/classification/LayerGrid.h"
#include "engine/classification/LayerSoilTypes.h"
#include "support/RealSoundings.h"

using namespace strelvan;

namespace {

constexpr float kLayer = 0.328f; // ft

struct Layers {
    LayerGrid grid; // cleaned
    ClassResults results;
};

// The layers of a real sounding as the result windows see them: the readings cleaned by the
// profile window, averaged into the grid, the layers cleaned; then classified by each chart,
// which leaves the layer values as they were.
Layers Classify(const char* name) {
    Layers L;
    auto d = std::make_unique<Declarations>();
    EXPECT_TRUE(test::ReadRealSounding(test::RealFileNamed(name), d->cone)) << name;
    CleanReadings(d->cone, d->project);
    EXPECT_TRUE(InitIntervalArrays(d->cone, L.grid, L.results, d->props).ok) << name;
    EXPECT_TRUE(AverageLayers(d->cone, L.grid).ok) << name;
    CleanGridLayers(L.grid, d->project.GroundElev);
    const LayerGrid cleaned = L.grid;
    for (const auto classify : {ClassifySchmertmann, ClassifyRobert86, ClassifyOlsen})
        classify(L.grid, L.results);
    EXPECT_EQ(L.grid.LayerQc, cleaned.LayerQc) << name;
    EXPECT_EQ(L.grid.LayerQt, cleaned.LayerQt) << name;
    EXPECT_EQ(L.grid.LayerRatio, cleaned.LayerRatio) << name;
    return L;
}

// Share of the layers between two depths (m) whose type satisfies the test.
double Share(const Layers& L, const std::vector<int16_t>& types, double topM, double bottomM,
             const std::function<bool(int16_t)>& test) {
    int inside = 0, hits = 0;
    for (int k = 1; k <= L.grid.NumLayers; ++k) {
        const double m = L.grid.LayerDepth[k] / kMetreToFeet;
        if (m < topM || m > bottomM)
            continue;
        ++inside;
        hits += test(types[k]) ? 1 : 0;
    }
    EXPECT_GT(inside, 0);
    return inside == 0 ? 0.0 : static_cast<double>(hits) / inside;
}

bool TumayClay(int16_t t) {
    return t >= 1 && t <= 8;
}
bool TumaySand(int16_t t) {
    return t >= 12 && t <= 16;
}
bool RobertsonFine(int16_t t) {
    return t >= 1 && t <= 5;
}
bool RobertsonSand(int16_t t) {
    return t >= 7 && t <= 10;
}
bool OlsenClayOrSilt(int16_t t) {
    return t == 1 || t == 2;
}
bool OlsenSand(int16_t t) {
    return t == 3 || t == 4;
}

// Description of the block of ten layers that holds the given depth (m).
std::string DescribeAt(const Layers& L, int16_t method, double m) {
    ChartSelection selection;
    selection.MethodCode = method;
    selection.PointsPerLayer = 10;
    const int k = static_cast<int>(m * kMetreToFeet / kLayer);
    const int16_t top = static_cast<int16_t>(k / 10 * 10 + 1);
    return LayerSoilTypes(top, static_cast<int16_t>(top + 9), L.results, selection);
}

struct DepthRange {
    double top, bottom; // m
};

// Each chart finds fine-grained soil over the clay range and sand over the sand range, in
// at least the given shares of the layers.
void ExpectEachChartFinds(const Layers& L, DepthRange clay, DepthRange sand, double clayShare,
                          double sandShare) {
    const ClassResults& R = L.results;
    EXPECT_GE(Share(L, R.TypeTumay02, clay.top, clay.bottom, TumayClay), clayShare);
    EXPECT_GE(Share(L, R.TypeRobert86, clay.top, clay.bottom, RobertsonFine), clayShare);
    EXPECT_GE(Share(L, R.TypeOlsen, clay.top, clay.bottom, OlsenClayOrSilt), clayShare);
    EXPECT_GE(Share(L, R.TypeTumay02, sand.top, sand.bottom, TumaySand), sandShare);
    EXPECT_GE(Share(L, R.TypeRobert86, sand.top, sand.bottom, RobertsonSand), sandShare);
    EXPECT_GE(Share(L, R.TypeOlsen, sand.top, sand.bottom, OlsenSand), sandShare);
}

} // namespace

TEST(ClassifyRealSoundings, SoftClayOverSandAtRingdijk) {
    // Clay and peat down to about 8 m, sand from 9 to 10.4 m.
    const Layers L = Classify("pygef-cpt2-waternet-soft.txt");
    ExpectEachChartFinds(L, {1.0, 7.5}, {9.2, 10.2}, 0.9, 0.7);
    EXPECT_NE(DescribeAt(L, 2, 4.0).find("Clay"), std::string::npos) << DescribeAt(L, 2, 4.0);
    EXPECT_NE(DescribeAt(L, 3, 9.8).find("Sand"), std::string::npos) << DescribeAt(L, 3, 9.8);
}

TEST(ClassifyRealSoundings, SoftClayOverDenseSandAtMonnickendam) {
    // Soft clay and peat down to about 13.5 m, then dense sand to 25.5 m.
    const Layers L = Classify("geolibplus-monnickendam-cptu.txt");
    ExpectEachChartFinds(L, {2.5, 13.0}, {14.5, 25.0}, 0.8, 0.8);
    EXPECT_NE(DescribeAt(L, 4, 8.0).find("Clay"), std::string::npos) << DescribeAt(L, 4, 8.0);
    EXPECT_NE(DescribeAt(L, 2, 20.0).find("Sand"), std::string::npos) << DescribeAt(L, 2, 20.0);
}

TEST(ClassifyRealSoundings, EveryLayerOfEverySoundingGetsAType) {
    for (const test::RealFile& real : test::kRealFiles) {
        const char* name = real.file;
        const Layers L = Classify(name);
        ASSERT_GE(L.grid.NumLayers, 10) << name;
        const auto& R = L.results;
        for (int k = 1; k <= L.grid.NumLayers; ++k) {
            EXPECT_TRUE(R.TypeRobert86[k] >= 1 && R.TypeRobert86[k] <= 12) << name << " " << k;
            EXPECT_TRUE(R.TypeOlsen[k] >= 1 && R.TypeOlsen[k] <= 4) << name << " " << k;
            EXPECT_TRUE(R.TypeTumay02[k] >= 0 && R.TypeTumay02[k] <= 16) << name << " " << k;
        }
    }
}

TEST(ClassifyRealSoundings, PeatIsOrganicOnTheRobertsonChart) {
    // Peat at the foot of the chart: qc 0.2 to 0.45 MPa at friction ratios of 7.5 to 12 %.
    const struct {
        const char* file;
        DepthRange peat;
    } soundings[] = {{"geolibplus-bro-179092-short.txt", {3.1, 3.5}},
                     {"pygef-cpt2-waternet-soft.txt", {1.1, 3.6}}};
    for (const auto& s : soundings) {
        const Layers L = Classify(s.file);
        EXPECT_EQ(Share(L, L.results.TypeRobert86, s.peat.top, s.peat.bottom,
                        [](int16_t t) { return t == 2; }),
                  1.0)
            << s.file;
    }
    // Ten layers of peat at Ringdijk are described as what they are, not as clay.
    EXPECT_EQ(DescribeAt(Classify("pygef-cpt2-waternet-soft.txt"), 3, 2.5), "Organic Material ");
}

TEST(ClassifyRealSoundings, PeatKeepsItsFrictionRatioBeyondTheCharts) {
    // The peat at Ringdijk, 1.1 to 3.6 m, has friction ratios of 8 to 12 %: beyond all three
    // charts, and kept as they are (classifying left the grid alone, see Classify).
    const Layers L = Classify("pygef-cpt2-waternet-soft.txt");
    int beyond = 0;
    for (int k = 1; k <= L.grid.NumLayers; ++k) {
        const double m = L.grid.LayerDepth[k] / kMetreToFeet;
        if (m >= 1.1 && m <= 3.6 && L.grid.LayerRatio[k] > 8.0f) {
            ++beyond;
            EXPECT_EQ(L.results.TypeRobert86[k], 2) << k; // organic, as at 7.9 %
            EXPECT_EQ(L.results.TypeOlsen[k], 1) << k;    // clay, as at 5.95 %
        }
    }
    EXPECT_GT(beyond, 10);
}
