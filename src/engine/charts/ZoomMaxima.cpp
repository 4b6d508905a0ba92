#include "engine/charts/ZoomMaxima.h"

#include <algorithm>
#include <cmath>

#include "engine/charts/PoreCharts.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
// The scan starts at this point, whatever the range on show.
constexpr int kFirstScanned = 10;
constexpr double kTipMargin = 10.5;
constexpr double kMargin = 0.5;

double MarginOf(int position) {
    return position == static_cast<int>(ZoomChart::Tip) ? kTipMargin : kMargin;
}

// Int(maximum + margin) of the values from point 10 down to the first one whose depth is not
// above the limit, or down to the last plotted point when that comes first.
double ScanMaximum(const ProfileSeries& chart, double limit, double margin) {
    const int held = HeldPoints(chart);
    if (held == 0)
        return 0; // no points: nothing to scan
    const int last = PlottedPoints(chart);
    int i = std::min(kFirstScanned, held);
    double m = chart.values[static_cast<std::size_t>(i)];
    while (i < last && chart.depth[static_cast<std::size_t>(i)] < limit) {
        m = std::max(m, static_cast<double>(chart.values[static_cast<std::size_t>(i) + 1]));
        ++i;
    }
    return Int(m + margin);
}

struct Extremes {
    double lowest = 0;
    double highest = 0;
};

// The lowest and highest value of the points drawn within low .. high (both included, either
// order) on the vertical axis; nullopt when none is.
std::optional<Extremes> ExtremesOnShow(const ProfileSeries& chart, double low, double high) {
    const double top = std::min(low, high);
    const double bottom = std::max(low, high);
    std::optional<Extremes> m;
    for (int i = 1; i <= PlottedPoints(chart); ++i) {
        const double at = chart.position[static_cast<std::size_t>(i)];
        if (at < top || at > bottom)
            continue;
        const double v = chart.values[static_cast<std::size_t>(i)];
        if (!m)
            m = Extremes{v, v};
        m->lowest = std::min(m->lowest, v);
        m->highest = std::max(m->highest, v);
    }
    return m;
}

const ProfileSeries* ChartAt(int position, const ZoomRow& row) {
    if (position < 1 || position > static_cast<int>(row.charts.size()))
        return nullptr;
    return &row.charts[static_cast<std::size_t>(position) - 1];
}

double ReadingMaximum(const ConeData& cone, const ConeData::Column* column, int32_t plotCount,
                      double limit, ZoomChart position) {
    return ZoomMaximum(static_cast<int>(position), ReadingSeries(cone, column, plotCount, 1),
                       limit);
}
} // namespace

double MaxTipToDepth(const ConeData& cone, int32_t plotCount, double Limit) {
    return ReadingMaximum(cone, &cone.Qc, plotCount, Limit, ZoomChart::Tip);
}

double MaxSleeveToDepth(const ConeData& cone, int32_t plotCount, double Limit) {
    return ReadingMaximum(cone, &cone.Fs, plotCount, Limit, ZoomChart::Sleeve);
}

double MaxRatioToDepth(const ConeData& cone, int32_t plotCount, double Limit) {
    return ReadingMaximum(cone, &cone.Ratio, plotCount, Limit, ZoomChart::Ratio);
}

double MaxPore1ToDepth(const ConeData& cone, int32_t plotCount, double Limit) {
    return ReadingMaximum(cone, PoreColumn(cone, cone.PoreType1), plotCount, Limit,
                          ZoomChart::Pore1);
}

double MaxPore2ToDepth(const ConeData& cone, int32_t plotCount, double Limit) {
    return ReadingMaximum(cone, PoreColumn(cone, cone.PoreType2), plotCount, Limit,
                          ZoomChart::Pore2);
}

double ZoomMaximum(int position, const ProfileSeries& chart, double Limit) {
    if (position < 1 || position > 5)
        return 0;
    return ScanMaximum(chart, Limit, MarginOf(position));
}

double ZoomLimit(int16_t axisMode, float groundElev, double low, double high) {
    if (axisMode == -1 && groundElev != kNoElevation)
        return static_cast<double>(groundElev) - high;
    return low;
}

std::optional<int16_t> ZoomValueTop(int position, const ZoomRow& row, double low, double high) {
    const ProfileSeries* chart = ChartAt(position, row);
    if (chart == nullptr)
        return int16_t{0};
    const double limit = ZoomLimit(row.AxisMode, row.GroundElev, low, high);
    double top = ZoomMaximum(position, *chart, limit);
    // The maximum above runs from point 10 down to the top of the range on show, so a
    // quantity that grows with depth would run off the cut axis inside the range. Widen the
    // axis so that every point on show stays visible. Int(m + 0.5) rounds to the nearest
    // whole number, which can fall below m; the top must not cut the point off.
    if (const auto onShow = ExtremesOnShow(*chart, low, high))
        top =
            std::max({top, Int(onShow->highest + MarginOf(position)), std::ceil(onShow->highest)});
    return CInt(top);
}

std::optional<int16_t> ZoomValueBottom(int position, const ZoomRow& row, double low, double high) {
    const ProfileSeries* chart = ChartAt(position, row);
    const auto onShow = chart ? ExtremesOnShow(*chart, low, high) : std::nullopt;
    if (!onShow || !(onShow->lowest < 0))
        return int16_t{0};
    return CInt(std::floor(onShow->lowest));
}

Message ZoomFirstMessage() {
    return Message{"Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ", "",
                   MsgIcon::Information, MsgButtons::Ok};
}

Message ZoomTooLargeMessage() {
    return Message{" A reading is too large for the value axis of a zoomed graph; that graph "
                   "keeps its whole range of values. ",
                   " Data Plot Message", MsgIcon::Information, MsgButtons::Ok};
}

} // namespace strelvan
