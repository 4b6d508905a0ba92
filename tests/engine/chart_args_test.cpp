#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "engine/charts/ChartArgs.h"

using namespace strelvan;

TEST(ChartArgs, SplitsAndJoinsAPackedPosition) {
    const int32_t L = 3 * 65536 + 4;
    EXPECT_EQ(ChartHiWord(L), 3);
    EXPECT_EQ(ChartLoWord(L), 4);
    EXPECT_EQ(ChartMakeLong(4, 3), L);
}

TEST(ChartArgs, HalvesAreSigned) {
    EXPECT_EQ(ChartLoWord(65535), -1);
    EXPECT_EQ(ChartHiWord(65535), 0);
    EXPECT_EQ(ChartHiWord(-1), -1);
    EXPECT_EQ(ChartLoWord(-1), -1);
    EXPECT_EQ(ChartLoWord(32768), -32768);
    EXPECT_EQ(ChartHiWord(std::numeric_limits<int32_t>::min()), -32768);
    EXPECT_EQ(ChartHiWord(std::numeric_limits<int32_t>::max()), 32767);
}

TEST(ChartArgs, MakeLongIsAnArithmeticSum) {
    EXPECT_EQ(ChartMakeLong(-1, 0), -1);
    EXPECT_EQ(ChartMakeLong(-1, 5), 5 * 65536 - 1);
    // A negative low half lowers the high half read back; a position with x -1 still
    // gives back its y when x is not negative.
    EXPECT_EQ(ChartHiWord(ChartMakeLong(-1, 5)), 4);
    EXPECT_EQ(ChartLoWord(ChartMakeLong(-1, 5)), -1);
    for (int hi : {-32768, -7, 0, 1, 250, 32767})
        for (int lo : {0, 1, 300, 32767}) {
            const int32_t packed = ChartMakeLong(lo, hi);
            EXPECT_EQ(ChartHiWord(packed), hi);
            EXPECT_EQ(ChartLoWord(packed), lo);
        }
}

TEST(ChartArgs, OverflowIsReportedNotWrapped) {
    // The one 16-bit pair whose sum leaves the 32-bit range.
    EXPECT_EQ(ChartMakeLong(0, -32768), std::numeric_limits<int32_t>::min());
    EXPECT_THROW(ChartMakeLong(-1, -32768), std::overflow_error);
    // Halves beyond 16 bits.
    EXPECT_THROW(ChartMakeLong(32768, 0), std::overflow_error);
    EXPECT_THROW(ChartMakeLong(0, 32768), std::overflow_error);
    EXPECT_THROW(ChartMakeLong(-32769, 0), std::overflow_error);
    EXPECT_EQ(ChartMakeLong(32767, 32767), 32767 * 65536 + 32767);
}
