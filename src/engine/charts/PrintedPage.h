#pragma once
// The layout of the printed page of charts: a framed two-line header with the project
// particulars of the sounding, and below it one to five charts side by side in equal
// columns. Everything is worked out from what the printer reports once the orientation is
// set: the page size in twips and the printer's twips per device pixel.
//
// One number, u = 100 / twips per pixel, serves twice: as a length in twips for the header
// and as a count of device pixels for the chart rectangles.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/state/Declarations.h"

namespace strelvan {

inline constexpr int16_t kPortrait = 1;
inline constexpr int16_t kLandscape = 2;
// At most this many charts stand on one page.
inline constexpr int16_t kMaxPageCharts = 5;

// Landscape for more than two charts, portrait otherwise.
int16_t PageOrientation(int16_t chartCount);

struct PageGeometry {
    double W = 0; // usable width, twips
    double H = 0; // usable height, twips
    float tx = 1; // twips per device pixel, across
    float ty = 1; // twips per device pixel, down
    double u = 0; // 100 / tx
};

// The usable width is 0.92 of the page width in portrait and 0.95 in landscape (chosen by
// the chart count as PageOrientation does); the usable height 0.95 of the page height.
// tx and ty must be above 0.
PageGeometry PageGeometryOf(int16_t chartCount, double pageWidth, double pageHeight, float tx,
                            float ty);

// The outline around the header, in twips.
struct HeaderFrame {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The header: its frame and where its two rows stand (the top of their texts), in twips.
struct HeaderLayout {
    HeaderFrame frame;
    double row1 = 0, row2 = 0;
};

// The frame runs from (u, u) to (W, 548.72); row 1 stands at 4u and row 2 216.6 twips below
// it. The charts start 6u pixels down, 600 twips on a printer of square pixels, so on a
// printer of more than about 450 dots per inch (where 4u is large) row 2 would reach the
// frame's line or the charts: both rows then move up together, just enough for a row of the
// given height to end kHeaderGap clear of the frame's bottom, never closer to its top than
// that gap. Only where they do not fit even so does the frame's bottom move down, never below
// the top of the charts.
inline constexpr double kHeaderGap = 15;
HeaderLayout HeaderLayoutOf(const PageGeometry& page, double rowHeight);

// The header font: every header text is in this face and size; only the weight changes.
inline constexpr const char* kHeaderFont = "Arial";
inline constexpr double kHeaderFontSize = 9;

// One printed item of the header: its row (1 or 2), its position in twips (the top left of
// the text), its weight, and its texts; a second text stands at the next print zone after
// the first.
struct HeaderItem {
    int row = 1;
    double x = 0, y = 0;
    bool bold = false;
    std::vector<std::string> texts;
};

// The items in the order they are printed, on the rows of the header layout. The project number,
// title, date, parish, CPT number, station, offset and ground elevation are shown (the elevation
// only when one was entered, as a number with a blank in place of a plus sign); the latitude,
// longitude and water-table depth are not.
std::vector<HeaderItem> HeaderItems(const ProjectInfo& project, const PageGeometry& page,
                                    const HeaderLayout& header);

// The room a header row may use, in twips: from 100 twips inside the page's left edge (or
// 5u, where the first items stand, if that is nearer) to 100 twips short of the frame's
// right side, and never on the frame's left line. On printers of 288 to about 1270 dots per
// inch this is the same room whatever the resolution, so a row's texts come out the same.
struct RowBounds {
    double left = 0, right = 0;
};
inline constexpr double kRowInset = 100;
RowBounds HeaderRowBounds(const PageGeometry& page);

// Where a text printed "at the next print zone" after position x starts: the next multiple
// of the zone width (in the same unit) beyond x.
double NextPrintZone(double x, double zone);

// One item of a header row: where it is meant to stand, the width of its (first) text, and
// the width of the text that follows it at the next print zone (0 when there is none).
struct RowItem {
    double x = 0;
    double width = 0;
    double zoned = 0;
};

// Where the items of one header row are printed, so that no text runs into another: each
// item stands at its own position x where the texts fit; an item that would start inside
// the text before it (plus the gap) moves right to follow it; items that would then run
// past the right limit move back left as far as needed, never before the left limit. An
// item with a zoned text takes the room up to the end of that text at the print zone that
// follows its own text where it stands. When the texts cannot all fit even without the
// spaces before the print zones, the widest are given less room (down to a common width)
// and the others stay whole. An item's room is the width its texts may take before the next
// item (or the right limit): a longer text must be shortened to it. In the order of the
// row's items; widths, positions and the zone in twips.
struct RowSlot {
    double x = 0;
    double room = 0;
};
std::vector<RowSlot> FitHeaderRow(const std::vector<RowItem>& items, RowBounds bounds, double gap,
                                  double zone);

// A chart's rectangle in device pixels.
struct ChartRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ChartRect&) const = default;
};

// The rectangles of charts 1 to n from left to right, each edge rounded to the nearest
// whole pixel (halves to the even neighbour): top 6u, bottom H / ty - u; chart k ends at
// k W / (n tx), chart 1 starts at u and every other chart where the one before it ends.
// Empty for a count outside 1 to kMaxPageCharts (the page then holds the header only).
std::vector<ChartRect> ChartRects(int16_t chartCount, const PageGeometry& page);

} // namespace strelvan
