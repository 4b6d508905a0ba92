// Which kind and readings the pore-pressure charts of the profile windows show.
#include <gtest/gtest.h>

#include <memory>

#include "engine/charts/PoreCharts.h"

using namespace strelvan;

namespace {
std::unique_ptr<ConeData> Kinds(int16_t first, int16_t second) {
    auto cone = std::make_unique<ConeData>();
    cone->PoreType1 = first;
    cone->PoreType2 = second;
    return cone;
}
} // namespace

TEST(PoreCharts, OneColumnChartShowsWhicheverKindIsSet) {
    auto c = Kinds(0, 3); // only file column 5 holds a pore pressure, u3
    PoreChart p = OnePoreChart(*c);
    EXPECT_EQ(p.kind, 3);
    EXPECT_EQ(p.column, &c->U3);
    EXPECT_EQ(p.zoomPlace, ZoomChart::Pore2); // zoomed on the readings of PoreType2

    c = Kinds(2, 0);
    p = OnePoreChart(*c);
    EXPECT_EQ(p.kind, 2);
    EXPECT_EQ(p.column, &c->U2);
    EXPECT_EQ(p.zoomPlace, ZoomChart::Pore1);

    // A kind of no known column: named in the title, nothing plotted.
    c = Kinds(5, 0);
    p = OnePoreChart(*c);
    EXPECT_EQ(p.kind, 5);
    EXPECT_EQ(p.column, nullptr);
    EXPECT_EQ(p.zoomPlace, ZoomChart::Pore1);
}

TEST(PoreCharts, TwoColumnChartsFollowFileColumnsFourAndFive) {
    auto c = Kinds(3, 1); // column 4 holds u3, column 5 holds u1
    const PoreChart first = FirstPoreChart(*c);
    EXPECT_EQ(first.kind, 3);
    EXPECT_EQ(first.column, &c->U3);
    EXPECT_EQ(first.zoomPlace, ZoomChart::Pore1);
    const PoreChart second = SecondPoreChart(*c);
    EXPECT_EQ(second.kind, 1);
    EXPECT_EQ(second.column, &c->U1);
    EXPECT_EQ(second.zoomPlace, ZoomChart::Pore2);

    // A kind of no known column in file column 5: titled, nothing plotted.
    c = Kinds(2, 4);
    EXPECT_EQ(FirstPoreChart(*c).column, &c->U2);
    EXPECT_EQ(SecondPoreChart(*c).kind, 4);
    EXPECT_EQ(SecondPoreChart(*c).column, nullptr);
}
