#include <gtest/gtest.h>

#include <string>

#include "engine/charts/ChartChoice.h"

using namespace strelvan;

namespace {
constexpr std::nullopt_t kEmpty = std::nullopt;

SlotCharts Slots(std::optional<int16_t> a, std::optional<int16_t> b, std::optional<int16_t> c,
                 std::optional<int16_t> d) {
    return {a, b, c, d};
}
} // namespace

TEST(ChartChoice, MethodsAcceptTheirCharts) {
    for (int chart = 0; chart <= 3; ++chart)
        for (int16_t method = 1; method <= 5; ++method)
            EXPECT_TRUE(ChartAccepted(method, chart)) << method << " " << chart;
    // The layer-text chart only for the chart-zone methods.
    EXPECT_FALSE(ChartAccepted(1, 4));
    EXPECT_FALSE(ChartAccepted(5, 4));
    EXPECT_TRUE(ChartAccepted(2, 4));
    EXPECT_TRUE(ChartAccepted(3, 4));
    EXPECT_TRUE(ChartAccepted(4, 4));
    // No method, an unknown method, or a chart that does not exist.
    for (int16_t method : {0, 6, -1})
        EXPECT_FALSE(ChartAccepted(method, 0)) << method;
    EXPECT_FALSE(ChartAccepted(2, -1));
    EXPECT_FALSE(ChartAccepted(2, 5));
}

TEST(ChartChoice, ClosingGapsKeepsTheOrderOfTheFilledSlots) {
    SlotCharts s = Slots(kEmpty, 1, kEmpty, 3);
    CloseSlotGaps(s);
    EXPECT_EQ(s, Slots(1, 3, kEmpty, kEmpty));

    s = Slots(4, kEmpty, kEmpty, 0);
    CloseSlotGaps(s);
    EXPECT_EQ(s, Slots(4, 0, kEmpty, kEmpty));

    s = Slots(kEmpty, kEmpty, kEmpty, kEmpty);
    CloseSlotGaps(s);
    EXPECT_EQ(s, Slots(kEmpty, kEmpty, kEmpty, kEmpty));

    s = Slots(3, 0, 3, 1);
    CloseSlotGaps(s);
    EXPECT_EQ(s, Slots(3, 0, 3, 1));
}

TEST(ChartChoice, ChartOrderHasSingleBlanksAndStopsAtTheFirstEmptySlot) {
    EXPECT_EQ(ChartOrderOf(DefaultSlotCharts()), "0 1 2 3");
    EXPECT_EQ(ChartOrderOf(Slots(0, 1, 3, 4)).size(), 7u);
    EXPECT_EQ(ChartOrderOf(Slots(3, kEmpty, kEmpty, kEmpty)), "3");
    EXPECT_EQ(ChartOrderOf(Slots(1, 3, kEmpty, kEmpty)), "1 3");
    EXPECT_EQ(ChartOrderOf(Slots(0, 0, 2, 2)), "0 0 2 2");
    EXPECT_EQ(ChartOrderOf(Slots(0, kEmpty, 2, 3)), "0");
    EXPECT_EQ(ChartOrderOf(Slots(kEmpty, 1, 2, 3)), "");
}

TEST(ChartChoice, PointsPerLayerRoundsTheDoubleQuotientDown) {
    EXPECT_EQ(PointsPerLayerOf("2"), 6);
    EXPECT_EQ(PointsPerLayerOf("3"), 9);
    EXPECT_EQ(PointsPerLayerOf("4"), 12);
    EXPECT_EQ(PointsPerLayerOf("5"), 15);
    // 3.28 / 0.328 lies just below 10 in double precision (a float division would give 10).
    EXPECT_EQ(PointsPerLayerOf("3.28"), 9);
    EXPECT_EQ(PointsPerLayerOf(" 0.328 "), 1);
}

TEST(ChartChoice, PointsPerLayerRefusesTextsThatGiveNoLayerCount) {
    for (const char* text : {"", "abc", "3 ft", "0", "0.2", "-5", "20000", "1e300"})
        EXPECT_EQ(PointsPerLayerOf(text), std::nullopt) << text;
}

TEST(ChartChoice, UnknownMethodsShowNoResultWindow) {
    for (int16_t method : {0, 6, -3}) {
        const ResultWindowPlan plan = ResultWindowsFor(method);
        EXPECT_TRUE(plan.shown.empty() && plan.unloaded.empty() && plan.released.empty());
        EXPECT_FALSE(plan.clearsManualFlag);
    }
}
