#include <gtest/gtest.h>

#include <vector>

#include "engine/classification/LayerBlocks.h"

using namespace strelvan;

namespace {
struct Expected {
    int top, bottom;
    float label;
    std::optional<float> line;
};

void ExpectBlocks(const LayerBlocks& got, const std::vector<Expected>& want) {
    ASSERT_EQ(got.blocks.size(), want.size());
    for (std::size_t j = 0; j < want.size(); ++j) {
        SCOPED_TRACE(j + 1);
        EXPECT_EQ(got.blocks[j].top, want[j].top);
        EXPECT_EQ(got.blocks[j].bottom, want[j].bottom);
        EXPECT_EQ(got.blocks[j].labelPosition, want[j].label);
        EXPECT_EQ(got.blocks[j].linePosition, want[j].line);
    }
}
} // namespace

TEST(LayerBlocks, ARestOfFiveIsNotDescribed) {
    const auto b = AutomaticLayerBlocks(95, 10);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->count, 9);
    std::vector<Expected> want;
    for (int j = 0; j < 9; ++j)
        want.push_back({10 * j + 1, 10 * j + 10, 94.0f - 10 * j, 85.0f - 10 * j});
    ExpectBlocks(*b, want); // labels 94 .. 14, lines 85 .. 5; layers 91 to 95 undescribed
}

TEST(LayerBlocks, ARestOfSixBecomesAShorterLastLayerWithoutALine) {
    const auto b = AutomaticLayerBlocks(96, 10);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->count, 10);
    ASSERT_EQ(b->blocks.size(), 10u);
    ExpectBlocks(LayerBlocks{10, {b->blocks[0], b->blocks[9]}},
                 {{1, 10, 95, 86}, {91, 96, 5, std::nullopt}});
}

TEST(LayerBlocks, NineLayersPerBlockOverAHundred) {
    const auto b = AutomaticLayerBlocks(100, 9);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->count, 11); // rest 1 dropped
    ASSERT_EQ(b->blocks.size(), 11u);
    EXPECT_EQ(b->blocks.back().top, 91);
    EXPECT_EQ(b->blocks.back().bottom, 99);
    EXPECT_EQ(b->blocks.back().labelPosition, 9.0f);
    EXPECT_EQ(b->blocks.back().linePosition, 1.0f);
}

TEST(LayerBlocks, FewerLayersThanABlock) {
    const auto eight = AutomaticLayerBlocks(8, 10);
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->count, 1);
    ExpectBlocks(*eight, {{1, 8, 7, std::nullopt}});

    const auto five = AutomaticLayerBlocks(5, 10);
    ASSERT_TRUE(five);
    EXPECT_EQ(five->count, 0);
    EXPECT_TRUE(five->blocks.empty());

    const auto none = AutomaticLayerBlocks(0, 10);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->count, 0);
}

TEST(LayerBlocks, ExactBlocksEndWithoutALineAtTheFoot) {
    const auto b = AutomaticLayerBlocks(30, 10);
    ASSERT_TRUE(b);
    ExpectBlocks(*b, {{1, 10, 29, 20}, {11, 20, 19, 10}, {21, 30, 9, std::nullopt}});
}

TEST(LayerBlocks, NoBlocksWithoutAThickness) {
    EXPECT_FALSE(AutomaticLayerBlocks(95, 0));
    EXPECT_FALSE(AutomaticLayerBlocks(95, -3));
    EXPECT_FALSE(AutomaticLayerBlocks(-1, 10));
    EXPECT_FALSE(AutomaticLayerBlocks(40000, 10));
    const auto deepest = AutomaticLayerBlocks(32767, 1);
    ASSERT_TRUE(deepest);
    EXPECT_EQ(deepest->count, 32767);
    EXPECT_EQ(deepest->blocks.back().linePosition, std::nullopt);
}

TEST(LayerBlocks, LabelsShrinkBeyondThirtyLayers) {
    EXPECT_EQ(LayerLabelFontSize(0), 7);
    EXPECT_EQ(LayerLabelFontSize(30), 7);
    EXPECT_EQ(LayerLabelFontSize(31), 6);
    EXPECT_EQ(LayerLabelFontSize(400), 6);
}
