#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/classification/ChartZones.h"
#include "engine/classification/ZoneBoundary.h"
#include "engine/classification/ZoneRules.h"

using namespace strelvan;
using zones::Boundary;

namespace {

struct Point {
    float qc;
    float Rf;
};

int16_t Tumay(Point p) {
    return Tumay02Zone(p.qc, p.Rf);
}
int16_t Robertson(Point p) {
    return Robert86Zone(p.qc, p.Rf);
}
int16_t Olsen(Point p) {
    return OlsenZone(p.qc, p.Rf);
}

double Above(double x) {
    return std::nextafter(x, std::numeric_limits<double>::infinity());
}

} // namespace

// ---- Schmertmann (1978) -------------------------------------------------------------------

TEST(Tumay02Zone, ValuesOutsideTheChartCountAtItsLimits) {
    // qc at or below 0 counts as 1 ton/ft2, a negative ratio as 0, a ratio above 6 as 5.99.
    EXPECT_EQ(Tumay({0.0f, 3.0f}), 2);
    for (float Rf : {0.5f, 3.0f, 5.5f}) {
        EXPECT_EQ(Tumay({0.0f, Rf}), Tumay({1.0f, Rf})) << Rf;
        EXPECT_EQ(Tumay({-12.0f, Rf}), Tumay({1.0f, Rf})) << Rf;
    }
    for (float qc : {1.0f, 10.0f, 200.0f, 5000.0f}) {
        EXPECT_EQ(Tumay({qc, -0.5f}), Tumay({qc, 0.0f})) << qc;
        for (float Rf : {6.01f, 7.0f, 12.0f, 20.0f})
            EXPECT_EQ(Tumay({qc, Rf}), Tumay({qc, 5.99f})) << qc << " " << Rf;
    }
}

TEST(Tumay02Zone, FrictionRatioOfSixIsNotOrganicClay) {
    // At qc 10 ton/ft2 the organic clay boundary lies above the point for f just under 6.
    EXPECT_EQ(Tumay({10.0f, 5.99f}), 1);
    EXPECT_EQ(Tumay({10.0f, 7.0f}), 1);  // limited to 5.99
    EXPECT_EQ(Tumay({10.0f, 6.0f}), 5);  // stays 6, falls to the clays below S2: stiff clay
    EXPECT_EQ(Tumay({10.0f, 4.99f}), 4); // rule 1 needs f of 5 or more: medium clay
}

TEST(Tumay02Zone, TipResistanceOutsideTheChartCountsAtItsEdges) {
    for (float Rf : {0.3f, 1.0f, 2.5f, 4.0f, 5.5f}) {
        EXPECT_EQ(Tumay({1001.0f, Rf}), zones::Tumay02Rules(2.99, Rf)) << Rf;
        EXPECT_EQ(Tumay({1.0e6f, Rf}), zones::Tumay02Rules(2.99, Rf)) << Rf;
        EXPECT_EQ(Tumay({0.5f, Rf}), zones::Tumay02Rules(0.1, Rf)) << Rf;
        EXPECT_EQ(Tumay({1.0e-6f, Rf}), zones::Tumay02Rules(0.1, Rf)) << Rf;
    }
    EXPECT_EQ(Tumay({2000.0f, 1.0f}), 15); // dense or cemented sand
}

TEST(Tumay02Zone, BandJustBelowOneThousandAtRatio475HasNoType) {
    // log10 qc lies above S3 there (rule 8 fails) and f = 4.75 is not below 4.75 (rules 9
    // to 11 fail); above 1000 ton/ft2 the point counts as 2.99 and is sandy clay again.
    EXPECT_EQ(Tumay({975.0f, 4.75f}), 8);
    for (float qc : {980.0f, 985.0f, 990.0f, 999.9f, 1000.0f})
        EXPECT_EQ(Tumay({qc, 4.75f}), kNoSoilType) << qc;
    EXPECT_EQ(Tumay({1001.0f, 4.75f}), 8);
    EXPECT_EQ(Tumay({990.0f, 4.74f}), 10); // just below 4.75: clayey sand or silt
}

TEST(Tumay02Zone, PointsOnABoundaryGoToTheSideTheirRuleNames) {
    const float f = 3.0f;
    const double S5 = Boundary(zones::kS5, f);
    ASSERT_LT(S5, Boundary(zones::kS2, f));
    EXPECT_EQ(zones::Tumay02Rules(S5, f), 2);        // L <= S5: very soft clay
    EXPECT_EQ(zones::Tumay02Rules(Above(S5), f), 3); // just above: soft clay
    // S2 is a strict upper limit of the clays: on it, the point is sandy clay.
    const double S2b = Boundary(zones::kS2, 1.0f), S3b = Boundary(zones::kS3, 1.0f);
    ASSERT_LT(S2b, S3b);
    EXPECT_EQ(zones::Tumay02Rules(S2b, 1.0f), 8);
    EXPECT_EQ(zones::Tumay02Rules(std::nextafter(S2b, 0.0), 1.0f), 2);
    // S3 itself belongs to the clayey sands above it.
    EXPECT_EQ(zones::Tumay02Rules(S3b, 1.0f), 9);
    EXPECT_EQ(zones::Tumay02Rules(std::nextafter(S3b, 0.0), 1.0f), 8);
    // The organic clay boundary S1 is inclusive.
    const double S1 = Boundary(zones::kS1, 5.5f);
    EXPECT_EQ(zones::Tumay02Rules(S1, 5.5f), 1);
    EXPECT_NE(zones::Tumay02Rules(Above(S1), 5.5f), 1);
}

// ---- Robertson et al. (1986) --------------------------------------------------------------

TEST(Robert86Zone, PublishedExamples) {
    EXPECT_EQ(Robertson({10.0f, 1.0f}), 8);  // sand to silty sand
    EXPECT_EQ(Robertson({63.0f, 1.5f}), 9);  // sand, near the top of the chart
    EXPECT_EQ(Robertson({0.15f, 7.0f}), 2);  // organic material
    EXPECT_EQ(Robertson({0.77f, 6.7f}), 3);  // clay
    EXPECT_EQ(Robertson({0.2f, 0.5f}), 1);   // sensitive fine grained
    EXPECT_EQ(Robertson({30.0f, 0.3f}), 10); // gravelly sand to sand
}

TEST(Robert86Zone, RatiosOutsideTheChartCountAtItsLimits) {
    for (float qc : {0.0f, 0.15f, 1.0f, 10.0f, 250.0f}) {
        EXPECT_EQ(Robertson({qc, -3.0f}), Robertson({qc, 0.0f})) << qc;
        for (float Rf : {8.01f, 9.0f, 20.0f})
            EXPECT_EQ(Robertson({qc, Rf}), Robertson({qc, 7.9f})) << qc << " " << Rf;
    }
    // 8 itself is inside the chart.
    EXPECT_EQ(Robertson({0.5f, 8.0f}), zones::Robert86Rules(zones::Log10Qc(0.5f), 8.0f));
    EXPECT_NE(Robertson({0.5f, 8.0f}), Robertson({0.5f, 7.9f}));
}

TEST(Robert86Zone, TipResistanceOutsideTheChartCountsAtItsEdges) {
    for (float Rf : {0.0f, 0.5f, 1.5f, 3.0f, 5.0f, 7.9f}) {
        EXPECT_EQ(Robertson({150.0f, Rf}), zones::Robert86Rules(1.9, Rf)) << Rf;
        EXPECT_EQ(Robertson({0.09f, Rf}), zones::Robert86Rules(-1.0, Rf)) << Rf;
        EXPECT_EQ(Robertson({1.0e-9f, Rf}), zones::Robert86Rules(-1.0, Rf)) << Rf;
    }
}

TEST(Robert86Zone, LayerWithoutReadingsCountsAsTheLowestTipResistance) {
    for (float Rf : {0.0f, 1.0f, 4.0f, 7.0f}) {
        const int16_t lowest = zones::Robert86Rules(-1.0, Rf);
        EXPECT_EQ(Robertson({0.0f, Rf}), lowest) << Rf;
        EXPECT_EQ(Robertson({-0.0f, Rf}), lowest) << Rf;
        EXPECT_EQ(Robertson({-5.0f, Rf}), lowest) << Rf;
        EXPECT_EQ(Robertson({-std::numeric_limits<float>::infinity(), Rf}), lowest) << Rf;
        EXPECT_GE(lowest, 1);
    }
}

TEST(Robert86Zone, PointsOnABoundaryGoToTheSideTheirRuleNames) {
    // f = 0: the lowest log10 qc of the chart, -1, lies exactly on B1, the top of the
    // organic zone there, and the sensitive fine grained zone starts only above B1.
    EXPECT_EQ(Robertson({0.05f, 0.0f}), 2);
    EXPECT_EQ(zones::Robert86Rules(Above(-1.0), 0.0f), 1);
    // Limits on the ratio are single-precision numbers: 2.614f lies a little above 2.614, and
    // a ratio of 2.614f is still inside the sensitive zone.
    EXPECT_EQ(Robertson({0.125f, 2.614f}), 1);
    EXPECT_EQ(Robertson({0.125f, std::nextafter(2.614f, 3.0f)}), 3);
    // B3 closes the sensitive zone from above.
    const double B3 = Boundary(zones::kB3, 1.0f);
    EXPECT_EQ(zones::Robert86Rules(B3, 1.0f), 1);
    EXPECT_NE(zones::Robert86Rules(Above(B3), 1.0f), 1);
    // B11 opens sand to silty sand from below; on B12 the sand rule, tried first, holds.
    const double B11 = Boundary(zones::kB11, 1.0f), B12 = Boundary(zones::kB12, 1.0f);
    EXPECT_EQ(zones::Robert86Rules(B11, 1.0f), 8);
    EXPECT_EQ(zones::Robert86Rules(std::nextafter(B11, 0.0), 1.0f), 7);
    EXPECT_EQ(zones::Robert86Rules(B12, 1.0f), 9);
    EXPECT_EQ(zones::Robert86Rules(std::nextafter(B12, 0.0), 1.0f), 8);
}

// ---- Douglas and Olsen (1981) -------------------------------------------------------------

TEST(OlsenZone, RatiosOutsideTheChartCountAtItsLimits) {
    const struct {
        float in, counted;
    } cases[] = {{6.0f, 5.95f}, {30.0f, 5.95f}, {5.99f, 5.99f},      {0.1f, 0.11f},
                 {0.0f, 0.11f}, {-2.0f, 0.11f}, {0.10001f, 0.10001f}};
    for (float qc : {0.05f, 0.3f, 1.0f, 3.0f, 20.0f})
        for (const auto& c : cases)
            EXPECT_EQ(Olsen({qc, c.in}), zones::OlsenRules(zones::Log10Qc(qc), c.counted))
                << qc << " " << c.in;
}

TEST(OlsenZone, TipResistanceOutsideTheChart) {
    for (float Rf : {0.5f, 2.0f, 4.0f, 5.9f}) {
        EXPECT_EQ(Olsen({100.0f, Rf}), zones::OlsenRules(1.9, Rf)) << Rf;
        EXPECT_EQ(Olsen({5000.0f, Rf}), zones::OlsenRules(1.9, Rf)) << Rf;
        // No lower limit: very small qc is clay, and so is a layer without readings.
        EXPECT_EQ(Olsen({1.0e-4f, Rf}), 1) << Rf;
        EXPECT_EQ(Olsen({0.0f, Rf}), 1) << Rf;
        EXPECT_EQ(Olsen({-7.0f, Rf}), 1) << Rf;
    }
    EXPECT_EQ(Olsen({30.0f, 0.5f}), 4);
    EXPECT_EQ(Olsen({2.0f, 2.5f}), 3);
}

TEST(OlsenZone, PointsOnABoundaryGoToTheSideTheirRuleNames) {
    for (float f : {0.5f, 1.5f, 2.5f, 3.5f}) {
        const double G1 = Boundary(zones::kG1, f), G2 = Boundary(zones::kG2, f),
                     G3 = Boundary(zones::kG3, f);
        ASSERT_LT(G1, G2);
        ASSERT_LT(G2, G3);
        EXPECT_EQ(zones::OlsenRules(G1, f), 1) << f;
        EXPECT_EQ(zones::OlsenRules(Above(G1), f), 2) << f;
        EXPECT_EQ(zones::OlsenRules(G2, f), 2) << f;
        EXPECT_EQ(zones::OlsenRules(Above(G2), f), 3) << f;
        EXPECT_EQ(zones::OlsenRules(G3, f), 3) << f;
        EXPECT_EQ(zones::OlsenRules(Above(G3), f), 4) << f;
    }
}

// ---- All three over the whole plane ---------------------------------------------------------

TEST(ChartZones, NumbersThatAreNotNumbersHaveNoType) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (Point p : {Point{nan, 2.0f}, Point{5.0f, nan}})
        for (auto* classify : {&Tumay02Zone, &Robert86Zone, &OlsenZone})
            EXPECT_EQ(classify(p.qc, p.Rf), kNoSoilType);
}

TEST(ChartZones, SweepOverTheWholePlaneStaysInRange) {
    std::vector<float> tips = {-1.0e30f, -100.0f,  -1.0f,   -1.0e-6f,
                               0.0f,     1.0e-30f, 1.0e30f, 985.0f,
                               990.0f,   999.0f,   1000.0f, std::numeric_limits<float>::infinity()};
    for (int i = 0; i <= 400; ++i) // 10^-3 to 10^5, in ton/ft2 as well as in MPa
        tips.push_back(static_cast<float>(std::pow(10.0, -3.0 + 8.0 * i / 400.0)));
    std::vector<float> ratios = {-1.0e30f, -5.0f, -0.001f, 6.0f,   8.0f,
                                 0.1f,     4.75f, 4.752f,  1.0e30f};
    for (int j = 0; j <= 1250; ++j)
        ratios.push_back(0.02f * static_cast<float>(j)); // 0 to 25 %

    int tumayEmpty = 0;
    for (const float qc0 : tips)
        for (const float Rf0 : ratios) {
            const int16_t t = Tumay02Zone(qc0, Rf0);
            ASSERT_TRUE(t >= 0 && t <= 16) << qc0 << " " << Rf0;
            if (t == kNoSoilType) { // only the narrow gap next to 1000 ton/ft2 at Rf 4.75
                ASSERT_TRUE(Rf0 >= 4.75f && Rf0 < 4.76f && qc0 >= 979.0f && qc0 <= 1000.0f)
                    << qc0 << " " << Rf0;
                ++tumayEmpty;
            }
            const int16_t r = Robert86Zone(qc0, Rf0);
            ASSERT_TRUE(r >= 1 && r <= 12) << qc0 << " " << Rf0;
            const int16_t o = OlsenZone(qc0, Rf0);
            ASSERT_TRUE(o >= 1 && o <= 4) << qc0 << " " << Rf0;
        }
    EXPECT_GT(tumayEmpty, 0);
}
