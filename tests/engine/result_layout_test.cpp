#include <gtest/gtest.h>

#include <string>

#include "engine/charts/ResultLayout.h"

using namespace strelvan;

namespace {
constexpr int32_t W = 3000;

std::array<int, 6> Slots(const std::string& order, int count) {
    std::array<int, 6> slots{};
    for (int k = 0; k < 6; ++k)
        slots[static_cast<std::size_t>(k)] = SlotOfChart(order, k, count);
    return slots;
}
} // namespace

TEST(ResultLayout, TheFourLayoutsOfTheFamily) {
    ChartLayout one = LayOutCharts("3", W, kFamilySlotOffsets);
    EXPECT_EQ(one.ChartCount, 1);
    EXPECT_EQ(one.left[0], 300); // one chart stands further in than the first of two

    ChartLayout two = LayOutCharts("3 0", W, kFamilySlotOffsets);
    EXPECT_EQ(two.ChartCount, 2);
    EXPECT_EQ(two.left[0], 200);
    EXPECT_EQ(two.left[1], W + 300);

    ChartLayout three = LayOutCharts("0 1 2", W, kFamilySlotOffsets);
    EXPECT_EQ(three.ChartCount, 3);
    EXPECT_EQ(three.left[2], 2 * W + 400);

    ChartLayout four = LayOutCharts("0 1 3 4", W, kFamilySlotOffsets);
    EXPECT_EQ(four.ChartCount, 4);
    EXPECT_EQ(four.left, (std::array<int32_t, 4>{90, W + 180, 2 * W + 270, 3 * W + 360}));
}

TEST(ResultLayout, AnyOtherLengthLaysOutFourCharts) {
    for (const char* order : {"", "03", "0 13", "0 1 2 ", "0 1 2 3 4", "0 1 2 3 4 5 6"}) {
        SCOPED_TRACE(order);
        EXPECT_EQ(LayOutCharts(order, W, kFamilySlotOffsets).ChartCount, 4);
    }
    // Only positions 1, 3, 5 and 7 are read.
    EXPECT_EQ(Slots("0 1 2 3 4", 4), (std::array<int, 6>{0, 1, 2, 3, -1, -1}));
    EXPECT_EQ(Slots("03", 4), (std::array<int, 6>{0, -1, -1, -1, -1, -1}));
}

TEST(ResultLayout, TheProbabilityWindowHasItsOwnOffsets) {
    EXPECT_EQ(LayOutCharts("3", W, kProbabilitySlotOffsets).left[0], 250);
    EXPECT_EQ(LayOutCharts("0 1 2 3", W, kProbabilitySlotOffsets).left,
              (std::array<int32_t, 4>{70, W + 90, 2 * W + 100, 3 * W + 150}));
}

TEST(ResultLayout, EachChartFindsItsFirstSlot) {
    EXPECT_EQ(Slots("0 1 3 4", 4), (std::array<int, 6>{0, 1, -1, 2, 3, -1}));
    EXPECT_EQ(Slots("3 0", 2), (std::array<int, 6>{1, -1, -1, 0, -1, -1}));
    // A digit twice is shown once, in its first slot.
    EXPECT_EQ(Slots("1 1", 2), (std::array<int, 6>{-1, 0, -1, -1, -1, -1}));
    // A slot beyond the count is not read; a blank never matches.
    EXPECT_EQ(SlotOfChart("0 1 2", 2, 2), -1);
    EXPECT_EQ(SlotOfChart("  0", 0, 4), 1);
    EXPECT_EQ(SlotOfChart(" 0", 0, 4), -1);
    EXPECT_EQ(SlotOfChart("", 0, 4), -1);
}

TEST(ResultLayout, ManualLayersTurnTheAutomaticTextIntoTheManualOne) {
    std::string order = "0 4 2";
    UseManualLayerText(order);
    EXPECT_EQ(order, "0 5 2");
    order = "4 4 1 4 4";
    UseManualLayerText(order); // the first seven characters only
    EXPECT_EQ(order, "5 5 1 5 4");
    order = "0 1 2 3";
    UseManualLayerText(order);
    EXPECT_EQ(order, "0 1 2 3");
}
