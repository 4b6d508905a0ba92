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
// give up width (down to a common cap) until they fit; the narrow ones stay whole.
void CapWidths(std::vector<double>& widths, double budget) {
    double total = 0;
    for (double w : widths)
        total += w;
    if (total <= budget)
        return;
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

std::vector<RowSlot> FitHeaderRow(const std::vector<double>& x, const std::vector<double>& widths,
                                  double left, double right, double gap) {
    const std::size_t n = std::min(x.size(), widths.size());
    // The items from left to right by their own positions (on a narrow page an item meant
    // for the right-hand side may stand left of one meant for the middle).
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return x[a] < x[b]; });
    std::vector<double> at(n), w(n);
    for (std::size_t k = 0; k < n; ++k)
        w[k] = std::max(0.0, widths[order[k]]);
    CapWidths(w, right - left - gap * static_cast<double>(n > 0 ? n - 1 : 0));
    // Left to right: nothing starts inside the text before it.
    for (std::size_t k = 0; k < n; ++k) {
        at[k] = std::max(x[order[k]], left);
        if (k > 0)
            at[k] = std::max(at[k], at[k - 1] + w[k - 1] + gap);
    }
    // Right to left: nothing runs past the right limit or into the text after it.
    for (std::size_t k = n; k-- > 0;) {
        const double limit = k + 1 < n ? at[k + 1] - gap : right;
        at[k] = std::max(std::min(at[k], limit - w[k]), left);
    }
    std::vector<RowSlot> slots(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double end = k + 1 < n ? at[k + 1] - gap : right;
        slots[order[k]] = {at[k], std::max(0.0, end - at[k])};
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
