// The Robertson et al. (1986) zones against points read off the published chart, and the
// zones the rules once left to clay: organic soil at the foot of the chart, dense sand at the
// top of zone 9, very stiff fine-grained soil between B5 and the sands of zone 12, and the
// top of zone 12 beyond a ratio of 4.57.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

#include "engine/classification/ChartZones.h"
#include "engine/classification/ZoneBoundary.h"
#include "engine/classification/ZoneRules.h"

using namespace strelvan;
using zones::Boundary;
using zones::Robert86Rules;

namespace {

struct ChartPoint {
    float qc; // MPa
    float Rf; // %
    int16_t zone;
};

int16_t Zone(float qc, float Rf) {
    return Robert86Zone(qc, Rf);
}

double Above(double x) {
    return std::nextafter(x, std::numeric_limits<double>::infinity());
}
double Below(double x) {
    return std::nextafter(x, -std::numeric_limits<double>::infinity());
}

// ---- The rules as they stood before the mend --------------------------------------------

using Bounds = std::array<double, 15>; // B1 to B14 at one ratio; index 0 unused

Bounds BoundsAt(float f) {
    const std::span<const double> c[] = {
        zones::kB1, zones::kB2, zones::kB3,  zones::kB4,  zones::kB5,  zones::kB6,  zones::kB7,
        zones::kB8, zones::kB9, zones::kB10, zones::kB11, zones::kB12, zones::kB13, zones::kB14};
    Bounds b{};
    for (std::size_t i = 0; i < 14; ++i)
        b[i + 1] = Boundary(c[i], f);
    return b;
}

// The zone of the rules as they stood before the mend, rules 1 to 16 in their order, or 0
// where none of them held and the point was clay by default (rule 17).
int16_t OldZoneUnlessClayByDefault(double L, float f, const Bounds& B) {
    if (L <= B[1] && L <= B[2])
        return 2;
    if (f <= 2.614f && B[1] < L && L <= B[3])
        return 1;
    if (L > 0.75 && f > 4.9f)
        return 11;
    if (L > 0.75 && B[5] <= L && L <= B[9])
        return 11;
    if (f > 1.78f && f < 4.57f && L > 0.75 && L >= B[4] && L >= B[8])
        return 12;
    if (f > 1.78f && f < 4.57f && L > 0.75 && L >= B[5] && L >= B[8])
        return 12;
    if (f > 1.78f && f < 4.57f && L > 0.75 && L <= B[9])
        return 12;
    if (f <= 1.19f && L > B[14])
        return 10;
    if (f <= 1.6f && B[12] <= L && L < B[14] && L <= B[13])
        return 9;
    if (f > 1.6f && f <= 1.78f && B[12] <= L && L < B[14] && L >= B[13])
        return 9;
    if (f < 1.6f && B[11] <= L && L <= B[12] && L < B[4])
        return 8;
    if (f <= 2.42f && B[11] <= L && L <= B[13] && L < B[4])
        return 8;
    if (f <= 3.23f && B[10] <= L && L < B[11] && L < B[5])
        return 7;
    if (f < 3.903f && B[8] <= L && L < B[10] && L < B[5])
        return 6;
    if (f > 0.7f && f <= 4.61f && B[7] <= L && L < B[8] && L < B[5])
        return 5;
    if (f > 1.56f && f <= 5.18f && B[6] <= L && L < B[7])
        return 4;
    return 0;
}

} // namespace

TEST(Robert86Chart, PointsReadOffThePublishedChart) {
    // Organic material (2), sand up to the top of the chart (9), very stiff fine grained
    // (11), sand to clayey sand (12), and the zones around them.
    const ChartPoint points[] = {{0.25f, 6.5f, 2},   {0.3f, 7.5f, 2},    {0.16f, 5.3f, 2},
                                 {0.4f, 8.0f, 2},    {0.15f, 7.6f, 2},   {60.0f, 1.45f, 9},
                                 {85.0f, 1.5f, 9},   {52.0f, 1.44f, 9},  {63.0f, 1.5f, 9},
                                 {12.0f, 0.57f, 9},  {15.0f, 4.35f, 11}, {18.0f, 4.43f, 11},
                                 {13.5f, 4.27f, 11}, {12.0f, 6.2f, 11},  {28.0f, 3.37f, 12},
                                 {38.7f, 4.14f, 12}, {0.77f, 6.7f, 3},   {1.6f, 4.5f, 3},
                                 {10.0f, 1.0f, 8},   {5.6f, 2.5f, 6},    {0.5f, 1.0f, 1}};
    for (const ChartPoint& p : points)
        EXPECT_EQ(Zone(p.qc, p.Rf), p.zone) << p.qc << " MPa, " << p.Rf << " %";
}

TEST(Robert86Chart, EachRegionOnceLeftToClay) {
    const ChartPoint points[] = {
        {0.11f, 2.0f, 2},   // organic, below B1 where B1 is the higher line
        {0.3f, 7.0f, 2},    // organic, below B2 where B2 is the higher line
        {63.0f, 1.5f, 9},   // dense sand above the low point of B13
        {15.0f, 4.35f, 11}, // very stiff fines above B5, below B8
        {90.0f, 4.62f, 12}, // sand to clayey sand above B9 past a ratio of 4.57
    };
    for (const ChartPoint& p : points) {
        EXPECT_EQ(Zone(p.qc, p.Rf), p.zone) << p.qc << " MPa, " << p.Rf << " %";
        const float f = p.Rf;
        const double L = std::log10(static_cast<double>(p.qc));
        EXPECT_EQ(OldZoneUnlessClayByDefault(L, f, BoundsAt(f)), 0) << "was clay by default";
    }
}

TEST(Robert86Chart, PointsOnTheMendedBoundaries) {
    // The organic zone's top is the higher of B1 and B2, and includes it; where the two
    // lines cross the point is organic too.
    for (float f : {1.0f, 3.0f, 5.0f, 7.5f}) {
        const Bounds B = BoundsAt(f);
        const double top = std::max(B[1], B[2]);
        EXPECT_EQ(Robert86Rules(top, f), 2) << f;
        EXPECT_NE(Robert86Rules(Above(top), f), 2) << f;
    }
    const float cross = static_cast<float>((1.44034 - 1.0) / (0.142626 - 0.0345));
    EXPECT_EQ(Robert86Rules(BoundsAt(cross)[1], cross), 2);
    EXPECT_EQ(Robert86Rules(BoundsAt(cross)[2], cross), 2);
    // The foot of the chart, log10 qc = -1, lies on or below B1 at every ratio.
    EXPECT_EQ(Zone(0.05f, 0.0f), 2);
    EXPECT_EQ(Zone(0.1f, 1.5f), 2);

    // Between B5 and B8 at f = 4.2: very stiff fines include B5 and stop below B8.
    const float f = 4.2f;
    const Bounds B = BoundsAt(f);
    ASSERT_TRUE(B[9] < B[5] && B[5] < B[8]);
    EXPECT_EQ(Robert86Rules(B[5], f), 11);
    EXPECT_EQ(Robert86Rules(Below(B[5]), f), 5); // clayey silt to silty clay below it
    EXPECT_EQ(Robert86Rules(Below(B[8]), f), 11);
    EXPECT_EQ(Robert86Rules(B[8], f), 12);

    // Past a ratio of 4.57 the steep line B9 parts very stiff fines (on it) from sand to
    // clayey sand (above it), up to the chart's top.
    const float g = 4.6f;
    const double B9 = BoundsAt(g)[9];
    EXPECT_EQ(Robert86Rules(B9, g), 11);
    EXPECT_EQ(Robert86Rules(Above(B9), g), 12);
    EXPECT_EQ(Zone(99.0f, 4.6f), 12);
    EXPECT_EQ(Zone(99.0f, 4.7f), 11); // B9 passes the chart's top at a ratio of 4.675
}

// Wherever the old rules placed a point in a zone, the point keeps that zone; only points
// the old rules left to clay by default may change, and then only inside the four regions
// the mend fills. Above log10 qc = 0.75, where clay has no place on the chart, almost none of
// those points stay clay.
TEST(Robert86Chart, ZonesOutsideTheMendedRegionsAreUnchanged) {
    int kept = 0, filled[13] = {}, clayAbove = 0, leftClayAbove = 0;
    for (int j = 0; j <= 1600; ++j) {
        const float f = 0.005f * static_cast<float>(j);
        const Bounds B = BoundsAt(f);
        for (int i = 0; i <= 1200; ++i) {
            const double L = -1.0 + 0.0025 * i;
            const int16_t old = OldZoneUnlessClayByDefault(L, f, B);
            const int16_t now = Robert86Rules(L, f);
            if (old != 0) {
                ASSERT_EQ(now, old) << "L " << L << " f " << f;
                ++kept;
                continue;
            }
            if (L > 0.75)
                ++clayAbove;
            switch (now) {
            case 3:
                leftClayAbove += L > 0.75 ? 1 : 0;
                break;
            case 2:
                ASSERT_LE(L, -0.29) << f;
                break;
            case 9:
                ASSERT_TRUE(f <= 1.6f && L > 1.5) << "L " << L << " f " << f;
                break;
            case 11:
                ASSERT_TRUE(f > 3.9f && f < 4.65f && L > 0.75) << "L " << L << " f " << f;
                break;
            case 12:
                ASSERT_TRUE(f >= 4.57f && f < 4.68f && L > 1.67) << "L " << L << " f " << f;
                break;
            default:
                FAIL() << "zone " << now << " at L " << L << " f " << f;
            }
            ++filled[now];
        }
    }
    EXPECT_GT(kept, 1000000);
    for (int zone : {2, 3, 9, 11, 12})
        EXPECT_GT(filled[zone], 500) << zone;
    EXPECT_GT(clayAbove, 20000);
    EXPECT_LT(leftClayAbove, clayAbove / 200) << "only specks where zone lines meet";
}
