#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/classification/LayerGrid.h"
#include "support/RealSoundings.h"

using namespace strelvan;

namespace {

constexpr float T = 0.328f;

// The averaging written the plain way, every reading scanned for every layer, on a grid
// fresh from InitIntervalArrays. The program's averaging must give the same arrays, bit for
// bit.
void ScanAverage(const ConeData& c, LayerGrid& g) {
    const int n = c.NumPoints;
    const float t = g.LayerThick;
    float top;
    if (c.Depth[1] <= t) {
        g.LayerDepth[1] = t / 2;
        top = t;
    } else {
        g.LayerDepth[1] = c.Depth[1] + t / 2;
        top = c.Depth[1];
        g.LayerQc[1] = c.Qc[1];
        g.LayerQt[1] = c.Qt[1];
        g.LayerFs[1] = c.Fs[1];
        g.LayerU1[1] = c.U1[1];
        g.LayerU2[1] = c.U2[1];
        g.LayerU3[1] = c.U3[1];
    }
    const auto ratio = [&](int k) {
        if (g.LayerQc[k] != 0)
            g.LayerRatio[k] = static_cast<float>(double{g.LayerFs[k]} * 100 / g.LayerQc[k]);
    };
    for (int k = 2; k <= g.NumLayers; ++k) {
        const float bottom = top + t;
        float qc = 0, qt = 0, fs = 0, u1 = 0, u2 = 0, u3 = 0;
        int count = 0;
        for (int i = 1; i <= n; ++i) {
            if (top < c.Depth[i] && c.Depth[i] <= bottom) {
                qc += c.Qc[i];
                qt += c.Qt[i];
                fs += c.Fs[i];
                u1 += c.U1[i];
                u2 += c.U2[i];
                u3 += c.U3[i];
                ++count;
            }
        }
        g.LayerDepth[k] = g.LayerDepth[k - 1] + t;
        if (count > 0) {
            g.LayerQc[k] = qc / count;
            g.LayerQt[k] = qt / count;
            g.LayerFs[k] = fs / count;
            g.LayerU1[k] = u1 / count;
            g.LayerU2[k] = u2 / count;
            g.LayerU3[k] = u3 / count;
        } else {
            g.LayerQc[k] = g.LayerQc[k - 1];
            g.LayerQt[k] = g.LayerQt[k - 1];
            g.LayerFs[k] = g.LayerFs[k - 1];
            g.LayerU1[k] = g.LayerU1[k - 1];
            g.LayerU2[k] = g.LayerU2[k - 1];
            g.LayerU3[k] = g.LayerU3[k - 1];
        }
        ratio(k);
        top = top + t;
    }
    g.LayerQc[1] = g.LayerQc[2];
    g.LayerQt[1] = g.LayerQt[2];
    g.LayerFs[1] = g.LayerFs[2];
    g.LayerU1[1] = g.LayerU1[2];
    g.LayerU2[1] = g.LayerU2[2];
    g.LayerU3[1] = g.LayerU3[2];
    ratio(1);
    if (c.PoreType1 != 2 && c.PoreType2 != 2)
        g.LayerQt = g.LayerQc;
}

struct Graded {
    LayerGrid grid;
    ClassResults results;
    SoilPropArrays props;
    GridResult init;
    GridResult average;
};

Graded Average(const ConeData& c, int16_t lastPoint = 0) {
    Graded r;
    r.init = InitIntervalArrays(c, r.grid, r.results, r.props, lastPoint);
    r.average = AverageLayers(c, r.grid, lastPoint);
    return r;
}

// The program's averaging and the plain scan on the same sounding; both must succeed.
::testing::AssertionResult SameAsScan(const ConeData& c) {
    const Graded fast = Average(c);
    if (!fast.init.ok || !fast.average.ok)
        return ::testing::AssertionFailure()
               << "refused: " << fast.init.message.text << fast.average.message.text;
    Graded plain;
    InitIntervalArrays(c, plain.grid, plain.results, plain.props);
    ScanAverage(c, plain.grid);
    if (fast.grid.NumLayers != plain.grid.NumLayers)
        return ::testing::AssertionFailure() << "layer counts differ";
    using Array = std::vector<float> LayerGrid::*;
    const std::pair<const char*, Array> arrays[] = {
        {"LayerDepth", &LayerGrid::LayerDepth}, {"LayerQc", &LayerGrid::LayerQc},
        {"LayerFs", &LayerGrid::LayerFs},       {"LayerQt", &LayerGrid::LayerQt},
        {"LayerRatio", &LayerGrid::LayerRatio}, {"LayerU1", &LayerGrid::LayerU1},
        {"LayerU2", &LayerGrid::LayerU2},       {"LayerU3", &LayerGrid::LayerU3},
        {"LayerElev", &LayerGrid::LayerElev}};
    for (const auto& [name, array] : arrays) {
        const auto& a = fast.grid.*array;
        const auto& b = plain.grid.*array;
        if (a.size() != b.size())
            return ::testing::AssertionFailure() << name << " sizes differ";
        for (std::size_t k = 0; k < a.size(); ++k)
            if (std::bit_cast<uint32_t>(a[k]) != std::bit_cast<uint32_t>(b[k]))
                return ::testing::AssertionFailure()
                       << name << "(" << k << ") is " << a[k] << ", the scan gives " << b[k];
    }
    return ::testing::AssertionSuccess();
}

// A sounding with the given depths; qc 10, 20, 30, ..., fs 0.1, 0.2, ..., qt = qc.
ConeData Sounding(const std::vector<float>& depths) {
    ConeData c;
    c.NumPoints = static_cast<int16_t>(depths.size());
    for (std::size_t j = 0; j < depths.size(); ++j) {
        const int i = static_cast<int>(j) + 1;
        c.Depth[i] = depths[j];
        c.Qc[i] = 10.0f * i;
        c.Qt[i] = c.Qc[i];
        c.Fs[i] = static_cast<float>(0.1 * i);
    }
    return c;
}

// Depths from `from` in equal steps, each rounded to a float as a file's text would be.
std::vector<float> Depths(double from, double step, int count) {
    std::vector<float> d;
    for (int i = 0; i < count; ++i)
        d.push_back(static_cast<float>(from + step * i));
    return d;
}

float Ratio(float fs, float qc) {
    return static_cast<float>(double{fs} * 100 / qc);
}

} // namespace

TEST(LayerCount, QuotientOfTheTwoSinglesDecidesTheCount) {
    // 3.28 / 0.328 lies just below 10 and 32.8 / 0.328 just below 100.
    for (const auto& [last, layers] :
         {std::pair{0.656f, 2}, {3.28f, 9}, {32.8f, 99}, {0.984f, 3}, {10747.9f, 32767}}) {
        Graded g = Average(Sounding({0.1f, 0.2f, last}));
        ASSERT_TRUE(g.init.ok && g.average.ok) << last;
        EXPECT_EQ(g.grid.NumLayers, layers) << last;
        EXPECT_EQ(g.grid.LayerThick, T);
        for (const auto* a :
             {&g.grid.LayerDepth, &g.grid.LayerElev, &g.results.ProbSand, &g.props.OCR})
            EXPECT_EQ(a->size(), static_cast<std::size_t>(layers) + 1);
        EXPECT_EQ(g.results.TypeOlsen.size(), static_cast<std::size_t>(layers) + 1);
    }
}

TEST(LayerAveraging, ReadingsEveryTenthOfAFoot) {
    const Graded g = Average(Sounding(Depths(0.1, 0.1, 20))); // qc 10 x reading number
    ASSERT_TRUE(g.average.ok);
    // Window 2 is (0.328, 0.656]: the readings at 0.4, 0.5 and 0.6 ft.
    EXPECT_FLOAT_EQ(g.grid.LayerDepth[2], 0.492f);
    EXPECT_EQ(g.grid.LayerQc[2], 50.0f);
    EXPECT_EQ(g.grid.LayerFs[2], (0.4f + 0.5f + 0.6f) / 3);
    EXPECT_EQ(g.grid.LayerRatio[2], Ratio(g.grid.LayerFs[2], 50.0f));
    // Window 3 is (0.656, 0.984]: 0.7, 0.8 and 0.9 ft.
    EXPECT_EQ(g.grid.LayerQc[3], 80.0f);
    // Layer 1 repeats layer 2 at the middle of the top step; readings above 0.328 ft are
    // in no window.
    EXPECT_EQ(g.grid.LayerDepth[1], T / 2);
    EXPECT_EQ(g.grid.LayerQc[1], 50.0f);
    EXPECT_EQ(g.grid.LayerRatio[1], g.grid.LayerRatio[2]);
    EXPECT_EQ(g.grid.LayerQt, g.grid.LayerQc);
    EXPECT_EQ(g.grid.LayerQc[0], 0.0f);
    EXPECT_TRUE(SameAsScan(Sounding(Depths(0.1, 0.1, 20))));
}

TEST(LayerAveraging, ReadingOnAWindowBottomBelongsToThatWindow) {
    // 0.656 is the bottom of window 2 and the top of window 3.
    const Graded g = Average(Sounding({0.2f, 0.656f, 0.7f, 1.0f, 2.0f}));
    ASSERT_TRUE(g.average.ok);
    EXPECT_EQ(g.grid.LayerQc[2], 20.0f);
    EXPECT_EQ(g.grid.LayerQc[3], 30.0f);

    // Deeper down the bottoms are stepped in single precision and part from k x 0.328:
    // a reading on a stepped bottom still belongs to its window.
    float bottom = T;
    int k = 1;
    while (++k < 3000) {
        bottom += T;
        if (bottom != static_cast<float>(k * double{T}))
            break;
    }
    ASSERT_LT(k, 3000) << "no stepped bottom parts from k x 0.328";
    const float below = std::nextafter(bottom, 1e9f);
    const Graded s = Average(Sounding({0.1f, bottom, below, bottom + 2.0f}));
    ASSERT_TRUE(s.average.ok);
    EXPECT_EQ(s.grid.LayerQc[k], 20.0f) << "window " << k;
    EXPECT_EQ(s.grid.LayerQc[k + 1], 30.0f) << "window " << k + 1;
    EXPECT_TRUE(SameAsScan(Sounding({0.1f, bottom, below, bottom + 2.0f})));
}

TEST(LayerAveraging, EmptyWindowRepeatsTheLayerAbove) {
    // No readings in window 5, (1.312, 1.64].
    std::vector<float> d = Depths(0.1, 0.1, 30);
    std::erase_if(d, [](float x) { return x > 1.312f && x <= 1.64f; });
    ConeData c = Sounding(d);
    const Graded g = Average(c);
    ASSERT_TRUE(g.average.ok);
    EXPECT_EQ(g.grid.LayerQc[5], g.grid.LayerQc[4]);
    EXPECT_EQ(g.grid.LayerFs[5], g.grid.LayerFs[4]);
    EXPECT_EQ(g.grid.LayerRatio[5], g.grid.LayerRatio[4]);
    EXPECT_NE(g.grid.LayerRatio[4], 0.0f);
    EXPECT_EQ(g.grid.LayerDepth[5], g.grid.LayerDepth[4] + T);
    EXPECT_NE(g.grid.LayerQc[6], g.grid.LayerQc[5]);
}

TEST(LayerAveraging, ReadingsEveryFootFromTheSurface) {
    const Graded g = Average(Sounding(Depths(0.0, 1.0, 11)));
    ASSERT_TRUE(g.average.ok);
    // Windows 2 and 3 are empty and repeat the empty layer 1; window 4, (0.984, 1.312],
    // holds the reading at 1 ft.
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(g.grid.LayerQc[k], 0.0f) << k;
        EXPECT_EQ(g.grid.LayerRatio[k], 0.0f) << k;
    }
    EXPECT_EQ(g.grid.LayerQc[4], 20.0f);
    EXPECT_EQ(g.grid.LayerRatio[4], Ratio(0.2f, 20.0f));
}

TEST(LayerAveraging, SoundingStartingAtFiveFeetEndsWithItsLastReading) {
    const ConeData c = Sounding(Depths(5.0, 0.1, 31)); // 5.0 to 8.0 ft
    const Graded g = Average(c);
    ASSERT_TRUE(g.average.ok);
    // Int(3.0 / 0.328) + 1 layers, not Int(8.0 / 0.328) = 24 counted from the surface.
    EXPECT_EQ(g.grid.NumLayers, 10);
    EXPECT_FLOAT_EQ(g.grid.LayerDepth[1], 5.164f);
    EXPECT_FLOAT_EQ(g.grid.LayerDepth[2], 5.492f);
    EXPECT_FLOAT_EQ(g.grid.LayerDepth[10], 8.116f);
    // Window 2 is (5.0, 5.328]: 5.1, 5.2 and 5.3 ft, not the first reading.
    EXPECT_EQ(g.grid.LayerQc[2], 30.0f);
    EXPECT_EQ(g.grid.LayerQc[1], 30.0f);
    // The last window, (7.624, 7.952], holds 7.7, 7.8 and 7.9 ft; none lies below the
    // sounding to repeat it.
    EXPECT_EQ(g.grid.LayerQc[10], 290.0f);
    EXPECT_TRUE(SameAsScan(c));

    // With window 2 empty the first reading's values reach layers 2 and 1.
    const Graded gap = Average(Sounding({5.0f, 5.5f, 6.0f}));
    ASSERT_TRUE(gap.average.ok);
    EXPECT_EQ(gap.grid.LayerQc[2], 10.0f);
    EXPECT_EQ(gap.grid.LayerQc[1], 10.0f);
}

TEST(LayerAveraging, CorrectedTipIsAveragedOnlyWithAU2Column) {
    ConeData c = Sounding(Depths(0.1, 0.1, 20));
    for (int i = 1; i <= c.NumPoints; ++i)
        c.Qt[i] = c.Qc[i] + 1.0f;
    for (const auto& [kind1, kind2, averaged] :
         {std::tuple{0, 0, false}, {1, 3, false}, {2, 0, true}, {0, 2, true}}) {
        c.PoreType1 = static_cast<int16_t>(kind1);
        c.PoreType2 = static_cast<int16_t>(kind2);
        const Graded g = Average(c);
        ASSERT_TRUE(g.average.ok);
        EXPECT_EQ(g.grid.LayerQt[2], averaged ? 51.0f : 50.0f) << kind1 << kind2;
    }
}

TEST(LayerGridSetUp, ClearsEveryEarlierResult) {
    Graded g = Average(Sounding(Depths(0.1, 0.1, 40)));
    for (auto* a : {&g.grid.LayerElev, &g.results.ProbClay, &g.results.MuHPS, &g.props.Gamma,
                    &g.props.ConsModulus})
        std::fill(a->begin(), a->end(), 7.0f);
    std::fill(g.results.TypeRobert86.begin(), g.results.TypeRobert86.end(), int16_t{5});
    const GridResult again =
        InitIntervalArrays(Sounding(Depths(0.1, 0.1, 20)), g.grid, g.results, g.props);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(g.grid.NumLayers, 6);
    for (const auto* a : {&g.grid.LayerQc, &g.grid.LayerElev, &g.results.ProbClay, &g.results.MuHPS,
                          &g.props.Gamma, &g.props.ConsModulus})
        EXPECT_EQ(*a, std::vector<float>(7, 0.0f));
    EXPECT_EQ(g.results.TypeRobert86, std::vector<int16_t>(7, 0));
}

namespace {

// After a refusal the grid is empty: no layers, every re-created array one zero element.
void ExpectEmptyGrid(const LayerGrid& g) {
    EXPECT_EQ(g.NumLayers, 0);
    for (const auto* a : {&g.LayerDepth, &g.LayerQc, &g.LayerFs, &g.LayerQt, &g.LayerRatio,
                          &g.LayerU1, &g.LayerU2, &g.LayerU3, &g.LayerElev})
        EXPECT_EQ(*a, std::vector<float>(1, 0.0f));
}

} // namespace

TEST(LayerGridRefusal, SoundingsThatCannotBeLaidOnTheGrid) {
    const ConeData tooMany = [] {
        ConeData c = Sounding({0.1f, 1.0f});
        c.NumPoints = 4001;
        return c;
    }();
    const struct {
        const char* what;
        ConeData cone;
        int16_t lastPoint;
        GridStatus status;
    } cases[] = {
        {"last depth 0.5 ft", Sounding({0.1f, 0.3f, 0.5f}), 0, GridStatus::TooShort},
        {"just above 0.656 ft", Sounding({0.1f, 0.6559f}), 0, GridStatus::TooShort},
        {"negative last depth", Sounding({0.1f, 2.0f, -1.0f}), 0, GridStatus::TooShort},
        {"pre-drilled, within one layer", Sounding({5.0f, 5.1f, 5.3f}), 0, GridStatus::TooShort},
        {"pre-drilled from 0.5 ft", Sounding({0.5f, 0.8f}), 0, GridStatus::TooShort},
        {"pre-drilled, ending above its start", Sounding({5.0f, 9.0f, 2.0f}), 0,
         GridStatus::TooShort},
        {"pre-drilled, beyond 32767 layers", Sounding({5.0f, 10753.0f}), 0, GridStatus::TooDeep},
        {"no readings", Sounding({}), 0, GridStatus::NoReadings},
        {"beyond 32767 layers", Sounding({0.1f, 10748.0f}), 0, GridStatus::TooDeep},
        {"far beyond", Sounding({0.1f, 1e30f}), 0, GridStatus::TooDeep},
        {"infinite depth", Sounding({0.1f, std::numeric_limits<float>::infinity()}), 0,
         GridStatus::TooDeep},
        {"lastPoint past the readings", Sounding({0.1f, 1.0f, 2.0f}), 4,
         GridStatus::OutsideReadings},
        {"negative lastPoint", Sounding({0.1f, 1.0f, 2.0f}), -1, GridStatus::OutsideReadings},
        {"more than 4000 readings", tooMany, 0, GridStatus::OutsideReadings},
    };
    for (const auto& t : cases) {
        Graded g;
        g.results.MuHPC.assign(50, 3.0f);
        g.grid.LayerElev.assign(50, 3.0f);
        g.init = InitIntervalArrays(t.cone, g.grid, g.results, g.props, t.lastPoint);
        EXPECT_FALSE(g.init.ok) << t.what;
        EXPECT_EQ(g.init.status, t.status) << t.what;
        EXPECT_EQ(g.init.message.title, " Soil Layer Message") << t.what;
        EXPECT_FALSE(g.init.message.text.empty()) << t.what;
        ExpectEmptyGrid(g.grid);
        EXPECT_EQ(g.results.MuHPC, std::vector<float>(1, 0.0f)) << t.what;
        // A window that averages anyway is refused again and reads nothing.
        g.average = AverageLayers(t.cone, g.grid, t.lastPoint);
        EXPECT_FALSE(g.average.ok) << t.what;
        ExpectEmptyGrid(g.grid);
    }
}

TEST(LayerGridRefusal, MessagesSayWhatIsWrong) {
    Graded g = Average(Sounding({0.1f, 0.5f}));
    EXPECT_EQ(g.init.message.text,
              " The sounding is too short to classify: its last depth of 0.5 ft gives fewer "
              "than 2 layers of 0.328 ft.. A last depth of at least 0.656 ft is needed. ");
    EXPECT_EQ(g.init.message.icon, MsgIcon::Information);
    g = Average(Sounding({5.0f, 5.2f}));
    EXPECT_EQ(g.init.message.text,
              " The sounding is too short to classify: its readings from 5 ft to 5.2 ft give "
              "fewer than 2 layers of 0.328 ft.. The last reading must lie at least 0.328 ft "
              "below the first. ");
    // Laid for the soil properties, the grid says so when it refuses.
    g.init = InitIntervalArrays(Sounding({0.1f, 0.5f}), g.grid, g.results, g.props, 0,
                                GridUse::SoilProperties);
    EXPECT_EQ(g.init.message.text,
              " The sounding is too short to estimate soil properties: its last depth of 0.5 ft "
              "gives fewer than 2 layers of 0.328 ft.. A last depth of at least 0.656 ft is "
              "needed. ");
    g = Average(Sounding({0.1f, 20000.0f}));
    EXPECT_EQ(g.init.message.text,
              " The last depth of 20000 ft gives more layers of 0.328 ft than the program can "
              "hold (32767).. Soundings can be classified to a last depth of 10747.9 ft; please "
              "check the depths and the units of the file. ");
    EXPECT_EQ(g.init.message.icon, MsgIcon::Critical);
    g = Average(Sounding({0.1f, 1.0f, 2.0f}), 5);
    EXPECT_EQ(g.init.message.text, " Reading 5 is not in the sounding, which holds 3 readings.. "
                                   "The soil layers were not computed. ");
}

TEST(LayerGridRefusal, AveragingNeedsAGridSetUpForIt) {
    const ConeData c = Sounding(Depths(0.1, 0.1, 20));
    LayerGrid fresh;
    EXPECT_EQ(AverageLayers(c, fresh).status, GridStatus::NotSetUp);
    ExpectEmptyGrid(fresh);

    Graded shrunk;
    ASSERT_TRUE(InitIntervalArrays(c, shrunk.grid, shrunk.results, shrunk.props).ok);
    shrunk.grid.LayerU3.pop_back();
    EXPECT_EQ(AverageLayers(c, shrunk.grid).status, GridStatus::NotSetUp);
    ExpectEmptyGrid(shrunk.grid);
}

TEST(LayerGridRefusal, SumsBeyondSinglePrecisionAreRefused) {
    ConeData c = Sounding({0.1f, 0.4f, 0.5f, 1.0f});
    c.Qc[2] = c.Qc[3] = 3e38f; // both in window 2
    const Graded g = Average(c);
    EXPECT_TRUE(g.init.ok);
    EXPECT_EQ(g.average.status, GridStatus::TooLarge);
    ExpectEmptyGrid(g.grid);

    // A friction ratio beyond a float: from a tip resistance near 0, or a sleeve friction
    // too large.
    ConeData tiny = Sounding({0.1f, 0.4f, 0.5f, 1.0f});
    tiny.Qc[2] = tiny.Qc[3] = 1e-38f;
    const Graded small = Average(tiny);
    EXPECT_EQ(small.average.status, GridStatus::TooSmall);
    EXPECT_EQ(small.average.message.text, " The tip resistance readings are too small to be "
                                          "averaged into soil layers.. Please check the units of "
                                          "the file. ");
    EXPECT_EQ(small.average.message.icon, MsgIcon::Critical);
    ExpectEmptyGrid(small.grid);
    ConeData large = Sounding({0.1f, 0.4f, 0.5f, 1.0f});
    large.Fs[2] = large.Fs[3] = 1e37f;
    large.Qc[2] = large.Qc[3] = 1e-3f;
    EXPECT_EQ(Average(large).average.status, GridStatus::TooLarge);
}

TEST(LayerAveraging, EarlierReadingsOnlyUpToLastPoint) {
    ConeData c = Sounding(Depths(0.1, 0.1, 20));
    c.Depth[11] = 0.75f;             // in window 3, but after the last reading asked for
    const Graded g = Average(c, 10); // to 1.0 ft: 3 layers
    ASSERT_TRUE(g.average.ok);
    EXPECT_EQ(g.grid.NumLayers, 3);
    EXPECT_EQ(g.grid.LayerQc[3], 80.0f);
}

namespace {

// A random sounding: unsorted or neighbour-swapped depths, duplicates, readings exactly on
// the stepped window bounds, starts above and below 0.328 ft (some very deep), negative and
// zero values.
ConeData RandomSounding(std::mt19937& rng) {
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution(a, b)(rng); };
    auto chance = [&](double p) { return uniform(0, 1) < p; };
    auto pick = [&](int a, int b) { return std::uniform_int_distribution(a, b)(rng); };
    ConeData c;
    const int n = chance(0.8) ? pick(2, 60) : pick(61, 500); // one reading spans no layer
    const double starts[] = {0.0, 0.1, double{T}, 0.5, 5.0, uniform(0, 20)};
    const double steps[] = {0.01, 0.05, 0.1, double{T}, 0.5, 1.0, uniform(0.001, 2)};
    std::vector<float> d = Depths(starts[pick(0, 5)], steps[pick(0, 6)], n);
    if (chance(0.3))
        std::shuffle(d.begin(), d.end(), rng);
    else if (chance(0.3))
        for (int i = 0; i + 1 < n; i += 2)
            std::swap(d[i], d[i + 1]);
    for (int j = 0; chance(0.3) && j < n / 4; ++j)
        d[pick(0, n - 1)] = d[pick(0, n - 1)];
    for (int j = 0; chance(0.1) && j < 3; ++j)
        d[pick(0, n - 1)] = static_cast<float>(-uniform(0, 2));
    if (d.back() < 0.7f)
        d.back() = static_cast<float>(uniform(0.656, 30));
    if (n > 2 && chance(0.05)) {
        // A first depth so large that the 0.328 ft steps below it round unevenly.
        d[0] = static_cast<float>(uniform(1e5, 4e6));
        for (int i = 1; i + 1 < n; ++i)
            d[i] = static_cast<float>(d[0] + uniform(-1, 60));
    }
    if (d[0] > T && d.back() < d[0] + 1.0f) // a pre-drilled grid needs layers below layer 1
        d.back() = static_cast<float>(d[0] + uniform(1, 30));
    // Readings (other than the first and the last) placed on stepped window bounds.
    const int layers =
        d[0] <= T ? static_cast<int>(std::floor(double{d.back()} / double{T}))
                  : static_cast<int>(std::floor((double{d.back()} - d[0]) / double{T})) + 1;
    if (n > 2 && layers >= 2 && chance(0.5)) {
        std::vector<float> bound{d[0] <= T ? T : d[0]};
        while (static_cast<int>(bound.size()) < layers)
            bound.push_back(bound.back() + T);
        for (int j = 0; j < n / 3; ++j)
            d[pick(1, n - 2)] = bound[pick(0, static_cast<int>(bound.size()) - 1)];
    }
    c.NumPoints = static_cast<int16_t>(n);
    for (int i = 1; i <= n; ++i) {
        c.Depth[i] = d[i - 1];
        c.Qc[i] = chance(0.1) ? 0.0f : static_cast<float>(uniform(-5, 400));
        c.Fs[i] = chance(0.1) ? 0.0f : static_cast<float>(uniform(-0.3, 4));
        c.Qt[i] = static_cast<float>(c.Qc[i] + uniform(-1, 3));
        c.U1[i] = static_cast<float>(uniform(-1, 5));
        c.U2[i] = chance(0.1) ? -0.0f : static_cast<float>(uniform(-1, 5));
        c.U3[i] = static_cast<float>(uniform(-1, 5));
    }
    c.PoreType1 = static_cast<int16_t>(pick(0, 3));
    c.PoreType2 = static_cast<int16_t>(pick(0, 3));
    return c;
}

} // namespace

TEST(LayerAveraging, SameAsScanningEveryReadingForEveryLayer) {
    std::mt19937 rng(20240611);
    for (int s = 0; s < 3000; ++s) {
        const ConeData c = RandomSounding(rng);
        ASSERT_TRUE(SameAsScan(c)) << "sounding " << s << " of " << c.NumPoints << " readings";
    }
}

TEST(LayerAveraging, SameAsScanOnTheDeepestGrid) {
    ConeData c = Sounding(Depths(0.0, 10747.9 / 399, 400)); // 32767 layers
    c.Depth[400] = 10747.9f;
    ASSERT_TRUE(SameAsScan(c));
}

namespace {

// A real sounding read as the program reads it (m and MPa, its title lines, the fourth
// column taken as u2 when poreKind is 2), converted to ft and ton/ft2.
std::unique_ptr<ConeData> RealSounding(const char* file, int16_t poreKind) {
    auto cone = std::make_unique<ConeData>();
    EXPECT_TRUE(test::ReadRealSounding(test::RealFileNamed(file), *cone, poreKind)) << file;
    return cone;
}

} // namespace

TEST(LayerAveraging, RealSoundingsEndAtTheirLastReading) {
    const struct {
        const char* file;
        int readings;
    } files[] = {
        {"geolibplus-bro-179092-short.txt", 98},    {"geolibplus-bro-predrilled-u1.txt", 915},
        {"geolibplus-monnickendam-cptu.txt", 1192}, {"liquepy-standard1-cptu.txt", 2765},
        {"pileresponse-example-cptu.txt", 3506},    {"pygef-cpt-mos-cptu.txt", 999},
        {"pygef-cpt2-waternet-soft.txt", 1039},     {"pygef-cpt4-sand.txt", 2021}};
    int preDrilled = 0;
    for (const auto& f : files) {
        for (const int16_t kind : {0, 2}) {
            SCOPED_TRACE(std::string(f.file) + (kind == 2 ? " with u2" : ""));
            const auto c = RealSounding(f.file, kind);
            ASSERT_EQ(c->NumPoints, f.readings);
            const Graded g = Average(*c);
            ASSERT_TRUE(g.init.ok && g.average.ok);
            const float first = c->Depth[1];
            const float last = c->Depth[f.readings];
            if (first <= T) { // from the surface: counted from depth 0, as it always was
                EXPECT_EQ(g.grid.NumLayers, static_cast<int>(double{last} / T));
            } else { // pre-drilled: the last window, stepped down from the first reading,
                     // ends within one step above the last reading and holds readings
                ++preDrilled;
                float bottom = first;
                for (int k = 2; k <= g.grid.NumLayers; ++k)
                    bottom += T;
                EXPECT_LE(bottom, last);
                EXPECT_GT(bottom + T, last);
                EXPECT_TRUE(std::any_of(&c->Depth[1], &c->Depth[f.readings] + 1,
                                        [&](float d) { return bottom - T < d && d <= bottom; }));
            }
            for (int k = 2; k <= g.grid.NumLayers; ++k)
                ASSERT_GT(g.grid.LayerDepth[k], g.grid.LayerDepth[k - 1]) << k;
            // The corrected tip resistance differs where a u2 column was read.
            const bool u2Read =
                std::any_of(&c->U2[1], &c->U2[f.readings] + 1, [](float u) { return u > 0; });
            EXPECT_EQ(u2Read, kind == 2 && f.file != std::string("pygef-cpt4-sand.txt") &&
                                  f.file != std::string("pygef-cpt2-waternet-soft.txt"));
            EXPECT_EQ(g.grid.LayerQt == g.grid.LayerQc, !u2Read);
            EXPECT_TRUE(SameAsScan(*c));
        }
    }
    EXPECT_EQ(preDrilled, 2 * 4); // four of the eight, each read twice
}

TEST(LayerDepthText, ShownToTheThousandthOfTheGrid) {
    // The noise of the single-precision steps goes; digits of the grid stay.
    EXPECT_EQ(LayerDepthText(5.7400007f), "5.74");
    EXPECT_EQ(LayerDepthText(8.036001f), "8.036");
    EXPECT_EQ(LayerDepthText(10.0f), "10");
    EXPECT_EQ(LayerDepthText(99.99996f), "100");

    // Every layer of every real sounding, those that start deeper than the surface too: the text
    // is the depth to within half a thousandth, in at most three decimals.
    for (const test::RealFile& real : test::kRealFiles) {
        SCOPED_TRACE(real.file);
        const auto c = RealSounding(real.file, 0);
        const Graded g = Average(*c);
        ASSERT_TRUE(g.init.ok && g.average.ok);
        for (int k = 1; k <= g.grid.NumLayers; ++k) {
            const float depth = g.grid.LayerDepth[static_cast<std::size_t>(k)];
            const std::string text = LayerDepthText(depth);
            const std::size_t point = text.find('.');
            if (point != std::string::npos) {
                ASSERT_LE(text.size() - point - 1, 3u) << text;
                ASSERT_NE(text.back(), '0') << text;
            }
            ASSERT_NEAR(std::stod(text), depth, 0.0005) << k;
        }
    }
}
