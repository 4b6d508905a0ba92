#include "engine/charts/PrintedPage.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
constexpr double kPortraitShare = 0.92;
constexpr double kLandscapeShare = 0.95;
constexpr double kHeightShare = 0.95;
constexpr double kFrameBottom = 548.72;
constexpr double kRowStep = 216.6;     // from the first header row to the second
constexpr double kRightLabel = 3176.8; // the date and elevation labels, back from W
constexpr double kNumberColumn = 1444; // the project number after its label; the date from W
constexpr double kElevationValue = 1300;

// A pixel position: rounded half to even, kept within what a 32-bit integer holds.
int32_t Pixel(double x) {
    const double r = RoundHalfEven(x);
    if (!(r > std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(r < std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

// Where the texts of a row are wider than the room (the budget) all together, the widest
// give up width (down to a common cap) until they fit; the narrow ones stay whole. Whether
// any had to give up width.
bool CapWidths(std::vector<double>& widths, double budget) {
    double total = 0;
    for (double w : widths)
        total += w;
    if (total <= budget)
        return false;
    std::vector<double> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    double remaining = std::max(0.0, budget);
    double cap = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const double share = remaining / static_cast<double>(sorted.size() - i);
        if (sorted[i] > share) {
            cap = share;
            break;
        }
        remaining -= sorted[i];
    }
    for (double& w : widths)
        w = std::min(w, cap);
    return true;
}
} // namespace

int16_t PageOrientation(int16_t chartCount) {
    return chartCount > 2 ? kLandscape : kPortrait;
}

PageGeometry PageGeometryOf(int16_t chartCount, double pageWidth, double pageHeight, float tx,
                            float ty) {
    PageGeometry g;
    const bool landscape = PageOrientation(chartCount) == kLandscape;
    g.W = pageWidth * (landscape ? kLandscapeShare : kPortraitShare);
    g.H = pageHeight * kHeightShare;
    g.tx = tx;
    g.ty = ty;
    g.u = 100.0 / tx;
    return g;
}

HeaderLayout HeaderLayoutOf(const PageGeometry& page, double rowHeight) {
    HeaderLayout h;
    h.frame = {page.u, page.u, page.W, kFrameBottom};
    const double highest = h.frame.top + kHeaderGap;
    const double fitting = h.frame.bottom - kHeaderGap - rowHeight - kRowStep;
    h.row1 = std::max(highest, std::min(4 * page.u, fitting));
    h.row2 = h.row1 + kRowStep;
    const double chartTop = Pixel(6 * page.u) * static_cast<double>(page.ty);
    h.frame.bottom = std::max(h.frame.bottom, std::min(h.row2 + rowHeight + kHeaderGap, chartTop));
    return h;
}

std::vector<HeaderItem> HeaderItems(const ProjectInfo& p, const PageGeometry& page,
                                    const HeaderLayout& header) {
    const double u = page.u;
    const double W = page.W;
    const double row1 = header.row1;
    const double row2 = header.row2;
    const double left = 5 * u;
    std::vector<HeaderItem> items = {
        {1, left, row1, false, {"Project Number: "}},
        {1, left + kNumberColumn, row1, true, {p.ProjNum}},
        {1, W / 3, row1, true, {"Title: " + p.ProjTitle}},
        {1, W - kRightLabel, row1, false, {"Date: "}},
        {1, W - kNumberColumn, row1, true, {p.ProjDate}},
        {2, left, row2, false, {"Parish: " + p.Parish}},
        {2, left + 4000, row2, true, {"CPT NO: " + p.CPTNo}},
        {2, left + 7000, row2, false, {"Station: " + p.Station, "         Offset: " + p.Offset}},
        {2, W - kRightLabel, row2, false, {"Elevation (ft): "}},
    };
    if (p.GroundElev != kNoElevation)
        items.push_back({2, W - kElevationValue, row2, true, {SignedText(p.GroundElev)}});
    return items;
}

RowBounds HeaderRowBounds(const PageGeometry& page) {
    const double left = std::min(5 * page.u, std::max(kRowInset, page.u + kHeaderGap));
    return {left, page.W - kRowInset};
}

double NextPrintZone(double x, double zone) {
    if (!(zone > 0))
        return x;
    return (std::floor(x / zone) + 1) * zone;
}

std::vector<RowSlot> FitHeaderRow(const std::vector<RowItem>& items, RowBounds bounds, double gap,
                                  double zone) {
    const std::size_t n = items.size();
    const double left = bounds.left;
    const double right = bounds.right;
    // The items from left to right by their own positions (on a narrow page an item meant
    // for the right-hand side may stand left of one meant for the middle).
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return items[a].x < items[b].x; });
    std::vector<RowItem> row(n);
    std::vector<double> least(n);
    for (std::size_t k = 0; k < n; ++k) {
        row[k] = items[order[k]];
        row[k].width = std::max(0.0, row[k].width);
        row[k].zoned = std::max(0.0, row[k].zoned);
        least[k] = row[k].width + row[k].zoned;
    }
    // Texts that cannot all fit: the widest lose room, and a zoned text is no longer set
    // apart (the printer shortens it to what is left after the zone).
    if (CapWidths(least, right - left - gap * static_cast<double>(n > 0 ? n - 1 : 0)))
        for (std::size_t k = 0; k < n; ++k)
            row[k] = {row[k].x, least[k], 0};
    // Where an item standing at x ends, and the furthest right it may start to end by a limit.
    const auto end = [&](const RowItem& item, double x) {
        if (item.zoned <= 0)
            return x + item.width;
        return NextPrintZone(x + item.width, zone) + item.zoned;
    };
    const auto latest = [&](const RowItem& item, double limit) {
        if (item.zoned <= 0 || !(zone > 0))
            return limit - item.width - item.zoned;
        // Its own text ends just before the last zone boundary that leaves the zoned text
        // room, so that text starts on that boundary.
        const double boundary = std::floor((limit - item.zoned) / zone) * zone;
        return boundary - item.width - 1e-6 * zone;
    };
    std::vector<double> at(n);
    // Left to right: nothing starts inside the text before it.
    for (std::size_t k = 0; k < n; ++k) {
        at[k] = std::max(row[k].x, left);
        if (k > 0)
            at[k] = std::max(at[k], end(row[k - 1], at[k - 1]) + gap);
    }
    // Right to left: nothing runs past the right limit or into the text after it.
    for (std::size_t k = n; k-- > 0;) {
        const double limit = k + 1 < n ? at[k + 1] - gap : right;
        if (end(row[k], at[k]) > limit)
            at[k] = latest(row[k], limit);
        at[k] = std::max(at[k], left);
    }
    std::vector<RowSlot> slots(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double limit = k + 1 < n ? at[k + 1] - gap : right;
        slots[order[k]] = {at[k], std::max(0.0, limit - at[k])};
    }
    return slots;
}

std::vector<ChartRect> ChartRects(int16_t chartCount, const PageGeometry& page) {
    std::vector<ChartRect> rects;
    if (chartCount < 1 || chartCount > kMaxPageCharts)
        return rects;
    const int32_t top = Pixel(6 * page.u);
    const int32_t bottom = Pixel(page.H / page.ty - page.u);
    // The column width in pixels: n tx is formed in single precision, as the twips per
    // pixel are.
    const float columns = static_cast<float>(chartCount) * page.tx;
    int32_t left = Pixel(page.u);
    for (int k = 1; k <= chartCount; ++k) {
        const int32_t right = Pixel(k * page.W / columns);
        rects.push_back({left, top, right, bottom});
        left = right;
    }
    return rects;
}

} // namespace strelvan
