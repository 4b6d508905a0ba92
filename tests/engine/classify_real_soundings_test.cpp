// End to end on real soundings: readings in m and MPa are converted, averaged into 0.328 ft
// layers, classified by the three charts and described in blocks of ten layers. The checks
// are coarse: the soil the charts find must follow what is known of each site.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "engine/classification/ChartZones.h"
#include "engine/classification/LayerSoilTypes.h"
#include "engine/import/Units.h"

using namespace strelvan;

namespace {

constexpr float kLayer = 0.328f; // ft

// Readings of a test file: title lines do not start with a digit, every other line holds
// depth, qc and fs (m, MPa, MPa), converted to ft and ton/ft2.
std::unique_ptr<ConeData> ReadMetric(const std::string& name) {
    auto cone = std::make_unique<ConeData>();
    std::ifstream in(std::string(STRELVAN_REAL_DATA_DIR) + "/" + name);
    std::string line;
    int n = 0;
    while (std::getline(in, line) && n < ConeData::kMaxPoints) {
        if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0])))
            continue;
        std::istringstream fields(line);
        ++n;
        fields >> cone->Depth[n] >> cone->Qc[n] >> cone->Fs[n];
    }
    cone->NumPoints = static_cast<int16_t>(n);
    ImportSettings settings;
    ConvertMetric(*cone, settings);
    return cone;
}

struct Layers {
    std::vector<float> depth{0.0f}, qc{0.0f}, ratio{0.0f}; // index 0 unused
    ClassResults results;
};

// Plain averages of qc and fs over windows ((k-1)T, kT]; an empty window repeats the layer
// above. qc at or below 0 counts as 1 ton/ft2 and the friction ratio is capped at 20 %, as
// the result windows clean their layers, then the three charts classify every layer.
Layers Classify(const ConeData& cone) {
    Layers L;
    const int last = static_cast<int>(cone.Depth[cone.NumPoints] / kLayer);
    float qc = 0.0f, fs = 0.0f;
    int i = 1;
    for (int k = 1; k <= last; ++k) {
        double sumQc = 0.0, sumFs = 0.0;
        int count = 0;
        while (i <= cone.NumPoints && cone.Depth[i] <= k * kLayer) {
            sumQc += cone.Qc[i];
            sumFs += cone.Fs[i];
            ++count;
            ++i;
        }
        if (count > 0) {
            qc = static_cast<float>(sumQc / count);
            fs = static_cast<float>(sumFs / count);
        }
        const float cleanQc = qc <= 0.0f ? 1.0f : qc;
        L.depth.push_back((k - 0.5f) * kLayer);
        L.qc.push_back(cleanQc);
        L.ratio.push_back(std::min(std::max(fs, 0.0f) * 100.0f / cleanQc, 20.0f));
    }
    const std::size_t n = L.depth.size();
    L.results.TypeTumay02.assign(n, 0);
    L.results.TypeRobert86.assign(n, 0);
    L.results.TypeOlsen.assign(n, 0);
    for (std::size_t k = 1; k < n; ++k) {
        float tsf = L.qc[k], Rf = L.ratio[k];
        L.results.TypeTumay02[k] = Tumay02Zone(tsf, Rf);
        float mpa = static_cast<float>(L.qc[k] / kMPaToTsf);
        Rf = L.ratio[k];
        L.results.TypeRobert86[k] = Robert86Zone(mpa, Rf);
        Rf = L.ratio[k];
        L.results.TypeOlsen[k] = OlsenZone(mpa, Rf);
    }
    return L;
}

// Share of the layers between two depths (m) whose type satisfies the test.
double Share(const Layers& L, const std::vector<int16_t>& types, double topM, double bottomM,
             const std::function<bool(int16_t)>& test) {
    int inside = 0, hits = 0;
    for (std::size_t k = 1; k < L.depth.size(); ++k) {
        const double m = L.depth[k] / kMetreToFeet;
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
    const Layers L = Classify(*ReadMetric("pygef-cpt2-waternet-soft.txt"));
    ExpectEachChartFinds(L, {1.0, 7.5}, {9.2, 10.2}, 0.9, 0.7);
    EXPECT_NE(DescribeAt(L, 2, 4.0).find("Clay"), std::string::npos) << DescribeAt(L, 2, 4.0);
    EXPECT_NE(DescribeAt(L, 3, 9.8).find("Sand"), std::string::npos) << DescribeAt(L, 3, 9.8);
}

TEST(ClassifyRealSoundings, SoftClayOverDenseSandAtMonnickendam) {
    // Soft clay and peat down to about 13.5 m, then dense sand to 25.5 m.
    const Layers L = Classify(*ReadMetric("geolibplus-monnickendam-cptu.txt"));
    ExpectEachChartFinds(L, {2.5, 13.0}, {14.5, 25.0}, 0.8, 0.8);
    EXPECT_NE(DescribeAt(L, 4, 8.0).find("Clay"), std::string::npos) << DescribeAt(L, 4, 8.0);
    EXPECT_NE(DescribeAt(L, 2, 20.0).find("Sand"), std::string::npos) << DescribeAt(L, 2, 20.0);
}

TEST(ClassifyRealSoundings, EveryLayerOfEverySoundingGetsAType) {
    for (const char* name : {"pygef-cpt-mos-cptu.txt", "pygef-cpt4-sand.txt",
                             "pygef-cpt2-waternet-soft.txt", "geolibplus-monnickendam-cptu.txt",
                             "geolibplus-bro-predrilled-u1.txt", "geolibplus-bro-179092-short.txt",
                             "liquepy-standard1-cptu.txt", "pileresponse-example-cptu.txt"}) {
        const Layers L = Classify(*ReadMetric(name));
        ASSERT_GT(L.depth.size(), 10u) << name;
        const auto& R = L.results;
        for (std::size_t k = 1; k < L.depth.size(); ++k) {
            EXPECT_TRUE(R.TypeRobert86[k] >= 1 && R.TypeRobert86[k] <= 12) << name << " " << k;
            EXPECT_TRUE(R.TypeOlsen[k] >= 1 && R.TypeOlsen[k] <= 4) << name << " " << k;
            EXPECT_TRUE(R.TypeTumay02[k] >= 0 && R.TypeTumay02[k] <= 16) << name << " " << k;
        }
    }
}
