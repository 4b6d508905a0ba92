#include <gtest/gtest.h>

#include <cmath>

#include "engine/charts/AxisScale.h"

using namespace strelvan;

TEST(AxisScale, NiceStepsAreOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(NiceStep(400, 6), 100); // 66.7 -> 100
    EXPECT_DOUBLE_EQ(NiceStep(40, 8), 5);    // 5
    EXPECT_DOUBLE_EQ(NiceStep(12, 6), 2);    // 2
    EXPECT_DOUBLE_EQ(NiceStep(1.3, 6), 0.5); // 0.217 -> 0.5
    EXPECT_DOUBLE_EQ(NiceStep(-40, 8), 5);   // the span's sign does not matter
    EXPECT_DOUBLE_EQ(NiceStep(0, 6), 1);
    EXPECT_DOUBLE_EQ(NiceStep(NAN, 6), 1);
}

TEST(AxisScale, RoundingToAStepKeepsExactMultiples) {
    EXPECT_DOUBLE_EQ(RoundUpTo(389.3, 66), 396);
    EXPECT_NEAR(RoundUpTo(0.6000000000000001, 0.2), 0.6, 1e-12); // not 0.8
    EXPECT_DOUBLE_EQ(RoundUpTo(30, 5), 30);
    EXPECT_DOUBLE_EQ(RoundDownTo(-3.5, 2), -4);
    EXPECT_DOUBLE_EQ(RoundDownTo(7, 0), 7);
}

TEST(AxisScale, FitStepThinsTicksThatWouldCrowd) {
    EXPECT_DOUBLE_EQ(FitStep(20, 220, 12), 20); // 11 parts fit
    EXPECT_DOUBLE_EQ(FitStep(20, 220, 5), 100); // 40 is 5.5 parts, 100 is 2.2
    EXPECT_DOUBLE_EQ(FitStep(66, 400, 4), 132);
    EXPECT_DOUBLE_EQ(FitStep(0.2, 1.2, 3), 0.4); // 3 parts
    EXPECT_DOUBLE_EQ(FitStep(0.2, 1.2, 2), 1);   // 0.4 would make 3
    EXPECT_DOUBLE_EQ(FitStep(-1, 10, 3), -1);    // nothing to fit
}
