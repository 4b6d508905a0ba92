#include <gtest/gtest.h>

#include <map>

#include "engine/charts/ManualChartOrder.h"
#include "engine/classification/ManualLayerWalk.h"

using namespace strelvan;

namespace {
void ExpectLayer(const ManualLayerWalk& w, int no, int top, int bottom) {
    EXPECT_EQ(w.LayerNo, no);
    EXPECT_EQ(w.LayerTop, top);
    EXPECT_EQ(w.LayerBottom, bottom);
}
} // namespace

TEST(ManualLayerWalk, NextLayersFollowDownToTheFootAndStopThere) {
    auto w = StartManualLayers(25, 10);
    ASSERT_TRUE(w);
    ExpectLayer(*w, 1, 1, 10);
    ASSERT_TRUE(NextManualLayer(*w, 10));
    ExpectLayer(*w, 2, 11, 20);
    EXPECT_FALSE(AtFoot(*w));
    // From the last full layer the next one is cut at the last grid layer.
    ASSERT_TRUE(NextManualLayer(*w, 10));
    ExpectLayer(*w, 3, 21, 25);
    EXPECT_TRUE(AtFoot(*w));
    EXPECT_EQ(w->LayerDict, (std::map<int16_t, int16_t>{{1, 10}, {2, 20}, {3, 25}}));
    const ManualLayerWalk atFoot = *w;
    EXPECT_FALSE(NextManualLayer(*w, 10));
    EXPECT_FALSE(MoveManualBottom(*w, +1));
    EXPECT_EQ(w->LayerDict, atFoot.LayerDict);
    ExpectLayer(*w, 3, 21, 25);
}

TEST(ManualLayerWalk, ASoundingShorterThanOneLayerEndsTheFirstLayerAtItsFoot) {
    for (int16_t last : {7, 10}) {
        auto w = StartManualLayers(last, 10);
        ASSERT_TRUE(w);
        ExpectLayer(*w, 1, 1, last);
        EXPECT_TRUE(AtFoot(*w));
        EXPECT_FALSE(NextManualLayer(*w, 10)) << "no layer beyond the grid";
    }
    EXPECT_FALSE(StartManualLayers(0, 10));
    EXPECT_FALSE(StartManualLayers(30, 0));
}

TEST(ManualLayerWalk, BottomMovesWithinTheLayerAndTheGrid) {
    auto w = StartManualLayers(40, 10);
    ASSERT_TRUE(w);
    EXPECT_TRUE(BelowStartSize(*w, 10));
    // Down then Up: back to the same bottom and the start size.
    ASSERT_TRUE(MoveManualBottom(*w, +1));
    EXPECT_EQ(w->LayerBottom, 11);
    EXPECT_EQ(w->LayerDict.at(1), 11);
    EXPECT_FALSE(BelowStartSize(*w, 10));
    ASSERT_TRUE(MoveManualBottom(*w, -1));
    EXPECT_EQ(w->LayerBottom, 10);
    EXPECT_EQ(w->LayerDict.at(1), 10);
    EXPECT_TRUE(BelowStartSize(*w, 10));
    EXPECT_FALSE(MoveManualBottom(*w, 2));

    // A layer keeps at least its top grid layer.
    auto thin = StartManualLayers(40, 1);
    ASSERT_TRUE(thin);
    EXPECT_FALSE(MoveManualBottom(*thin, -1));
    ExpectLayer(*thin, 1, 1, 1);
}

TEST(ManualLayerWalk, PreviousReturnsToTheBoundsTheLayerWasLeftWith) {
    auto w = StartManualLayers(60, 10);
    ASSERT_TRUE(w);
    EXPECT_FALSE(PreviousManualLayer(*w)) << "nothing before layer 1";
    MoveManualBottom(*w, +1); // layer 1: 1 to 11
    NextManualLayer(*w, 10);  // layer 2: 12 to 21
    MoveManualBottom(*w, -1); // 12 to 20
    NextManualLayer(*w, 10);  // layer 3: 21 to 30
    ASSERT_TRUE(PreviousManualLayer(*w));
    ExpectLayer(*w, 2, 12, 20);
    EXPECT_EQ(w->LayerDict, (std::map<int16_t, int16_t>{{1, 11}, {2, 20}}));
    ASSERT_TRUE(PreviousManualLayer(*w));
    ExpectLayer(*w, 1, 1, 11);
    EXPECT_FALSE(PreviousManualLayer(*w));
    // Going on again starts under the kept bottom.
    ASSERT_TRUE(NextManualLayer(*w, 10));
    ExpectLayer(*w, 2, 12, 21);
}

TEST(ManualLayerWalk, LabelsOfThinLayersInALongSoundingAreSmaller) {
    auto w = StartManualLayers(60, 3);
    ASSERT_TRUE(w);
    EXPECT_EQ(ManualLabelFontSize(*w), 7) << "60 / 2 is 30 exactly";
    ASSERT_TRUE(MoveManualBottom(*w, -1));
    EXPECT_EQ(ManualLabelFontSize(*w), 6) << "60 / 1";
    ASSERT_TRUE(MoveManualBottom(*w, -1));
    EXPECT_EQ(w->LayerBottom, w->LayerTop);
    EXPECT_EQ(ManualLabelFontSize(*w), 7) << "one grid layer has no span";

    const auto longer = StartManualLayers(61, 3);
    ASSERT_TRUE(longer);
    EXPECT_EQ(ManualLabelFontSize(*longer), 6) << "61 / 2 is more than 30";
}

TEST(ManualChartOrder, TheLayerTextJoinsTheChartsOnShow) {
    EXPECT_EQ(ChartOrderWithLayerText("0 1 3"), "0 1 3 4");
    EXPECT_EQ(ChartOrderWithLayerText("3"), "3 4");
    EXPECT_EQ(ChartOrderWithLayerText("0 1 2 3"), "0 1 4 3");
    EXPECT_EQ(ChartOrderWithLayerText("2 1 2 3"), "4 1 4 3");
    EXPECT_EQ(ChartOrderWithLayerText("0 1 3 4"), "0 1 3 4");
    EXPECT_EQ(ChartOrderWithLayerText("0 4"), "0 4");
    EXPECT_EQ(ChartOrderWithLayerText("0 0 1 3"), "0 0 1 3") << "four charts, neither 2 nor 4";
    // Manual layers set before: their chart is on show already.
    EXPECT_EQ(ChartOrderWithLayerText("0 1 5"), "0 1 5");
    EXPECT_EQ(ChartOrderWithLayerText("0 1 2 5"), "0 1 2 5");
}
