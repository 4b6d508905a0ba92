#include <gtest/gtest.h>

#include <string>

#include "engine/charts/PrintedPage.h"

using namespace strelvan;

namespace {
// Letter paper in twips, 600 dots per inch.
constexpr double kLetterShort = 12240;
constexpr double kLetterLong = 15840;
constexpr float k600Dpi = 2.4f;

ProjectInfo Project() {
    ProjectInfo p;
    p.ProjNum = "LA-1024";
    p.ProjTitle = "Levee reach 7";
    p.ProjDate = "03/14/2024";
    p.Parish = "Orleans";
    p.CPTNo = "7";
    p.Station = "12+50";
    p.Offset = "25 L";
    p.GroundElev = 4.5f;
    p.GWTDepth = 6.25f;
    p.Latitude = "29.951";
    p.Longitude = "-90.071";
    return p;
}

std::string AllText(const std::vector<HeaderItem>& items) {
    std::string all;
    for (const HeaderItem& i : items)
        for (const std::string& t : i.texts)
            all += t + "|";
    return all;
}
} // namespace

TEST(PrintedPage, OrientationAndUsableWidthFollowTheChartCount) {
    for (int16_t n : {0, 1, 2}) {
        EXPECT_EQ(PageOrientation(n), kPortrait) << n;
        const PageGeometry g = PageGeometryOf(n, kLetterShort, kLetterLong, k600Dpi, k600Dpi);
        EXPECT_DOUBLE_EQ(g.W, 0.92 * kLetterShort) << n;
        EXPECT_DOUBLE_EQ(g.H, 0.95 * kLetterLong) << n;
    }
    for (int16_t n : {3, 4, 5, 6}) {
        EXPECT_EQ(PageOrientation(n), kLandscape) << n;
        const PageGeometry g = PageGeometryOf(n, kLetterLong, kLetterShort, k600Dpi, k600Dpi);
        EXPECT_DOUBLE_EQ(g.W, 0.95 * kLetterLong) << n;
        EXPECT_DOUBLE_EQ(g.H, 0.95 * kLetterShort) << n;
    }
    EXPECT_EQ(PageOrientation(-1), kPortrait);
}

TEST(PrintedPage, SixHundredDotsPerInch) {
    const PageGeometry g = PageGeometryOf(3, kLetterLong, kLetterShort, k600Dpi, k600Dpi);
    EXPECT_NEAR(g.u, 41.67, 0.005);
    // Rows of a height that fits stand where the layout puts them, 166.7 and 383.3 twips.
    const HeaderLayout h = HeaderLayoutOf(g, 140);
    EXPECT_DOUBLE_EQ(h.frame.left, g.u);
    EXPECT_DOUBLE_EQ(h.frame.top, g.u);
    EXPECT_DOUBLE_EQ(h.frame.right, g.W);
    EXPECT_DOUBLE_EQ(h.frame.bottom, 548.72);

    const auto items = HeaderItems(Project(), g, h);
    ASSERT_EQ(items.size(), 10u);
    for (std::size_t k = 0; k < 5; ++k)
        EXPECT_NEAR(items[k].y, 166.7, 0.05) << k;
    for (std::size_t k = 5; k < items.size(); ++k)
        EXPECT_NEAR(items[k].y, 383.3, 0.05) << k;

    const auto rects = ChartRects(3, g);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].top, 250);
    EXPECT_EQ(rects[0].left, 42);
    // H / ty - u = 0.95 x 12240 / 2.4 - 41.67
    EXPECT_EQ(rects[0].bottom, 4803);
}

// Rows of 9 point type (about 210 twips high) at 300, 600 and 1200 dots per inch: both whole
// inside the frame and above the charts, moved up only where they must be.
TEST(PrintedPage, HeaderRowsStandWholeInsideTheFrameAtEveryResolution) {
    const double rowHeight = 210;
    struct Case {
        float tx;
        double row1;        // where row 1 stands
        double frameBottom; // where the frame ends
    };
    const Case cases[] = {
        {4.8f, 4 * 100 / 4.8, 548.72},             // 300 dpi: as laid out
        {2.4f, 548.72 - 15 - 210 - 216.6, 548.72}, // 600 dpi: moved up 59.6
        {1.2f, 548.72 - 15 - 210 - 216.6, 548.72}, // 1200 dpi: moved up 226
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(1440 / c.tx);
        for (int16_t n : {2, 3}) {
            const bool landscape = n > 2;
            const PageGeometry g =
                PageGeometryOf(n, landscape ? kLetterLong : kLetterShort,
                               landscape ? kLetterShort : kLetterLong, c.tx, c.tx);
            const HeaderLayout h = HeaderLayoutOf(g, rowHeight);
            EXPECT_NEAR(h.row1, c.row1, 1e-3);
            EXPECT_NEAR(h.row2, h.row1 + 216.6, 1e-9);
            EXPECT_NEAR(h.frame.bottom, c.frameBottom, 1e-3);
            EXPECT_DOUBLE_EQ(h.frame.top, g.u);
            EXPECT_GE(h.row1, h.frame.top + kHeaderGap - 1e-9);
            EXPECT_LE(h.row2 + rowHeight, h.frame.bottom - kHeaderGap + 1e-9);
            EXPECT_LE(h.frame.bottom, ChartRects(n, g)[0].top * g.ty);
        }
    }
    // At 2400 dpi the frame's top is 166.7 twips down: the rows stand a gap below it and
    // the frame's bottom moves down to hold them, but stops at the top of the charts.
    const PageGeometry g = PageGeometryOf(3, kLetterLong, kLetterShort, 0.6f, 0.6f);
    EXPECT_NEAR(HeaderLayoutOf(g, 150).row1, 100 / 0.6 + 15, 1e-3);
    EXPECT_NEAR(HeaderLayoutOf(g, 150).frame.bottom, 100 / 0.6 + 15 + 216.6 + 150 + 15, 1e-3);
    EXPECT_NEAR(HeaderLayoutOf(g, 210).frame.bottom, 600, 1e-3);
}

// A portrait second row: parish, CPT number, station with its offset at the next print zone
// (zones 1400 twips wide), the elevation label and value; gaps of 150 twips.
TEST(PrintedPage, AHeaderRowShortensNothingWhileItHasRoomAndIsTheSameAtEveryResolution) {
    EXPECT_DOUBLE_EQ(NextPrintZone(100, 1400), 1400);
    EXPECT_DOUBLE_EQ(NextPrintZone(1400, 1400), 2800); // the zone after, not the one at
    std::vector<std::vector<RowSlot>> rows;
    for (float tx : {4.8f, 2.4f, 1.2f}) {
        SCOPED_TRACE(1440 / tx);
        const PageGeometry g = PageGeometryOf(2, kLetterShort, kLetterLong, tx, tx);
        const RowBounds room = HeaderRowBounds(g);
        EXPECT_DOUBLE_EQ(room.left, 100); // inside the frame's line at u, and 5u or nearer
        EXPECT_DOUBLE_EQ(room.right, g.W - 100);
        const double u = g.u;
        const std::vector<RowItem> items = {{5 * u, 2000, 0},
                                            {5 * u + 4000, 1300, 0},
                                            {5 * u + 7000, 1650, 1750}, // station, offset
                                            {g.W - 3176.8, 1100, 0},
                                            {g.W - 1300, 400, 0}};
        const std::vector<RowSlot> slots = FitHeaderRow(items, room, 150, 1400);
        ASSERT_EQ(slots.size(), 5u);
        // Every item keeps the room of its whole text (the offset where its zone puts it),
        // in order along the row and within its room.
        for (std::size_t k = 0; k < slots.size(); ++k) {
            SCOPED_TRACE(k);
            const double end =
                items[k].zoned > 0
                    ? NextPrintZone(slots[k].x + items[k].width, 1400) + items[k].zoned
                    : slots[k].x + items[k].width;
            EXPECT_LE(end, slots[k].x + slots[k].room + 1e-6);
            EXPECT_GE(slots[k].x, room.left);
            if (k > 0) {
                EXPECT_GE(slots[k].x, slots[k - 1].x + slots[k - 1].room + 150 - 1e-6);
            }
        }
        EXPECT_LE(slots.back().x + slots.back().room, room.right + 1e-6);
        rows.push_back(slots);
    }
    // The crowded items stand in the same places at every resolution.
    for (std::size_t k = 1; k < 5; ++k) {
        EXPECT_NEAR(rows[1][k].x, rows[0][k].x, 1e-6) << k;
        EXPECT_NEAR(rows[2][k].x, rows[0][k].x, 1e-6) << k;
    }
    // Past the row's room the widest text gives way, and only it.
    const PageGeometry g = PageGeometryOf(2, kLetterShort, kLetterLong, 2.4f, 2.4f);
    const std::vector<RowSlot> tight = FitHeaderRow(
        {{200, 1000, 0}, {3000, 9000, 0}, {9000, 800, 0}}, HeaderRowBounds(g), 150, 1400);
    EXPECT_GE(tight[0].room, 1000);
    EXPECT_LT(tight[1].room, 9000);
    EXPECT_GE(tight[2].room, 800);
}

TEST(PrintedPage, ThreeChartsShareTheWidthInEqualColumns) {
    const PageGeometry g = PageGeometryOf(3, kLetterLong, kLetterShort, k600Dpi, k600Dpi);
    const auto r = ChartRects(3, g);
    ASSERT_EQ(r.size(), 3u);
    const double column = g.W / (3 * g.tx);
    EXPECT_NEAR(r[0].right, column, 0.5);
    EXPECT_NEAR(r[1].right, 2 * column, 0.5);
    EXPECT_NEAR(r[2].right, g.W / g.tx, 0.5);
    EXPECT_EQ(r[1].left, r[0].right);
    EXPECT_EQ(r[2].left, r[1].right);
    for (const ChartRect& c : r) {
        EXPECT_EQ(c.top, r[0].top);
        EXPECT_EQ(c.bottom, r[0].bottom);
    }
}

TEST(PrintedPage, EdgesRoundHalfToEven) {
    // tx = 2.5: u = 40 exactly; W = 0.92 x 12000 = 11040; two columns of 2208 pixels.
    PageGeometry g = PageGeometryOf(2, 12000, 16000, 2.5f, 2.5f);
    auto r = ChartRects(2, g);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (ChartRect{40, 240, 2208, 6040}));
    EXPECT_EQ(r[1], (ChartRect{2208, 240, 4416, 6040}));

    // tx = ty = 8: u = 12.5 starts the first chart at 12, not 13; with H = 15192 the bottom
    // 1899 - 12.5 goes to 1886; with W = 17684 the second column ends at 2210.5, to 2210.
    g = PageGeometryOf(2, 0, 0, 8.0f, 8.0f);
    g.W = 17684; // set directly: the shares of the page are tested above
    g.H = 15192;
    r = ChartRects(2, g);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (ChartRect{12, 75, 1105, 1886}));
    EXPECT_EQ(r[1], (ChartRect{1105, 75, 2210, 1886}));
}

TEST(PrintedPage, OneToFiveChartsAndNoneBeyond) {
    for (int16_t n = 1; n <= 5; ++n) {
        const PageGeometry g = PageGeometryOf(n, n > 2 ? kLetterLong : kLetterShort,
                                              n > 2 ? kLetterShort : kLetterLong, 4.8f, 4.8f);
        const auto r = ChartRects(n, g);
        ASSERT_EQ(r.size(), static_cast<std::size_t>(n));
        EXPECT_NEAR(r.back().right, g.W / g.tx, 0.5) << n;
        for (const ChartRect& c : r)
            EXPECT_LT(c.left, c.right) << n;
    }
    const PageGeometry g = PageGeometryOf(3, kLetterLong, kLetterShort, k600Dpi, k600Dpi);
    for (int16_t n : {0, -1, 6, 32767})
        EXPECT_TRUE(ChartRects(n, g).empty()) << n;
}

TEST(PrintedPage, HeaderTextsPositionsAndWeights) {
    const PageGeometry g = PageGeometryOf(4, kLetterLong, kLetterShort, k600Dpi, k600Dpi);
    const double u = g.u, W = g.W;
    const auto items = HeaderItems(Project(), g, HeaderLayoutOf(g, 210));
    ASSERT_EQ(items.size(), 10u);
    struct Expected {
        double x;
        bool bold;
        std::vector<std::string> texts;
    };
    const Expected expected[] = {
        {5 * u, false, {"Project Number: "}},
        {5 * u + 1444, true, {"LA-1024"}},
        {W / 3, true, {"Title: Levee reach 7"}},
        {W - 3176.8, false, {"Date: "}},
        {W - 1444, true, {"03/14/2024"}},
        {5 * u, false, {"Parish: Orleans"}},
        {5 * u + 4000, true, {"CPT NO: 7"}},
        {5 * u + 7000, false, {"Station: 12+50", "         Offset: 25 L"}},
        {W - 3176.8, false, {"Elevation (ft): "}},
        {W - 1300, true, {" 4.5"}},
    };
    for (std::size_t k = 0; k < items.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_DOUBLE_EQ(items[k].x, expected[k].x);
        EXPECT_EQ(items[k].bold, expected[k].bold);
        EXPECT_EQ(items[k].texts, expected[k].texts);
    }
}

TEST(PrintedPage, ElevationNotEnteredAndFieldsNeverPrinted) {
    ProjectInfo p = Project();
    p.GroundElev = kNoElevation;
    const PageGeometry g = PageGeometryOf(2, kLetterShort, kLetterLong, k600Dpi, k600Dpi);
    const auto items = HeaderItems(p, g, HeaderLayoutOf(g, 210));
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items.back().texts, std::vector<std::string>{"Elevation (ft): "});
    const std::string all = AllText(items);
    EXPECT_EQ(all.find("-99999"), std::string::npos);
    for (const char* hidden : {"29.951", "-90.071", "6.25"})
        EXPECT_EQ(all.find(hidden), std::string::npos) << hidden;

    p.GroundElev = -3.25f; // below sea level: the minus sign stands in the sign's place
    EXPECT_EQ(HeaderItems(p, g, HeaderLayoutOf(g, 210)).back().texts,
              std::vector<std::string>{"-3.25"});
    p.GroundElev = 0;
    EXPECT_EQ(HeaderItems(p, g, HeaderLayoutOf(g, 210)).back().texts,
              std::vector<std::string>{" 0"});
}
