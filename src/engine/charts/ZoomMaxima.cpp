#include "engine/charts/ZoomMaxima.h"

#include <algorithm>
#include <cmath>

#include "engine/charts/PoreCharts.h"
#include "engine/state/ArraySizes.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
// The scan starts at this reading, whatever the range on show.
constexpr int kFirstScanned = 10;
constexpr double kTipMargin = 10.5;
constexpr double kMargin = 0.5;

// Int(maximum + margin) of a column over the readings from reading 10 down to the first one
// whose depth is not above the limit, or down to the last plotted reading when that comes
// first. Reads only readings 1 to NumPoints.
double ScanMaximum(const ConeData& cone, const PlotState& plot, const ConeData::Column& column,
                   double limit, double margin) {
    const int count = ReadingsHeld(cone);
    if (count == 0)
        return 0; // no readings: nothing to scan
    const int last = std::min<int32_t>(plot.PlotPoints, count);
    int i = std::min(kFirstScanned, count);
    double m = column[static_cast<std::size_t>(i)];
    while (i < last && cone.Depth[static_cast<std::size_t>(i)] < limit) {
        m = std::max(m, static_cast<double>(column[static_cast<std::size_t>(i) + 1]));
        ++i;
    }
    return Int(m + margin);
}

// The column and margin of a chart position; column nullptr when it shows no readings.
const ConeData::Column* PositionColumn(int position, const ConeData& cone, double& margin) {
    margin = kMargin;
    switch (static_cast<ZoomChart>(position)) {
    case ZoomChart::Tip:
        margin = kTipMargin;
        return &cone.Qc;
    case ZoomChart::Sleeve:
        return &cone.Fs;
    case ZoomChart::Ratio:
        return &cone.Ratio;
    case ZoomChart::Pore1:
        return PoreColumn(cone, cone.PoreType1);
    case ZoomChart::Pore2:
        return PoreColumn(cone, cone.PoreType2);
    }
    return nullptr;
}

struct Extremes {
    double lowest = 0;
    double highest = 0;
};

// The lowest and highest plotted reading whose depth lies from top to bottom (both included,
// depths in any order); nullopt when no plotted reading lies there.
std::optional<Extremes> ExtremesOnShow(const ConeData& cone, const PlotState& plot,
                                       const ConeData::Column& column, double top, double bottom) {
    const int count = ReadingsHeld(cone);
    const int last = std::clamp<int32_t>(plot.PlotPoints, 0, count);
    std::optional<Extremes> m;
    for (int i = 1; i <= last; ++i) {
        const double depth = cone.Depth[static_cast<std::size_t>(i)];
        if (depth < top || depth > bottom)
            continue;
        const double v = column[static_cast<std::size_t>(i)];
        if (!m)
            m = Extremes{v, v};
        m->lowest = std::min(m->lowest, v);
        m->highest = std::max(m->highest, v);
    }
    return m;
}

// The depths from the top to the bottom of the vertical range low .. high on show.
void DepthsOnShow(const Declarations& decl, double low, double high, double& top, double& bottom) {
    top = std::min(low, high);
    bottom = std::max(low, high);
    if (decl.plot.AxisMode == -1 && decl.project.GroundElev != kNoElevation) {
        top = static_cast<double>(decl.project.GroundElev) - std::max(low, high);
        bottom = static_cast<double>(decl.project.GroundElev) - std::min(low, high);
    }
}

// The extremes of the plotted readings of a chart position inside the range on show.
std::optional<Extremes> PositionOnShow(int position, const Declarations& decl, double low,
                                       double high, double& margin) {
    const ConeData::Column* column = PositionColumn(position, decl.cone, margin);
    if (column == nullptr)
        return std::nullopt;
    double top = 0, bottom = 0;
    DepthsOnShow(decl, low, high, top, bottom);
    return ExtremesOnShow(decl.cone, decl.plot, *column, top, bottom);
}
} // namespace

double MaxTipToDepth(const ConeData& cone, const PlotState& plot, double Limit) {
    return ZoomMaximum(static_cast<int>(ZoomChart::Tip), cone, plot, Limit);
}

double MaxSleeveToDepth(const ConeData& cone, const PlotState& plot, double Limit) {
    return ZoomMaximum(static_cast<int>(ZoomChart::Sleeve), cone, plot, Limit);
}

double MaxRatioToDepth(const ConeData& cone, const PlotState& plot, double Limit) {
    return ZoomMaximum(static_cast<int>(ZoomChart::Ratio), cone, plot, Limit);
}

double MaxPore1ToDepth(const ConeData& cone, const PlotState& plot, double Limit) {
    return ZoomMaximum(static_cast<int>(ZoomChart::Pore1), cone, plot, Limit);
}

double MaxPore2ToDepth(const ConeData& cone, const PlotState& plot, double Limit) {
    return ZoomMaximum(static_cast<int>(ZoomChart::Pore2), cone, plot, Limit);
}

double ZoomMaximum(int position, const ConeData& cone, const PlotState& plot, double Limit) {
    double margin = kMargin;
    const ConeData::Column* column = PositionColumn(position, cone, margin);
    return column == nullptr ? 0 : ScanMaximum(cone, plot, *column, Limit, margin);
}

double ZoomLimit(const PlotState& plot, const ProjectInfo& project, double low, double high) {
    if (plot.AxisMode == -1 && project.GroundElev != kNoElevation)
        return static_cast<double>(project.GroundElev) - high;
    return low;
}

std::optional<int16_t> ZoomValueTop(int position, const Declarations& decl, double low,
                                    double high) {
    const double limit = ZoomLimit(decl.plot, decl.project, low, high);
    double top = ZoomMaximum(position, decl.cone, decl.plot, limit);
    // The maximum above runs from reading 10 down to the top of the range on show, so a
    // quantity that grows with depth would run off the cut axis inside the range. Widen the
    // axis so that every plotted reading on show stays visible. Int(m + 0.5) rounds to the
    // nearest whole number, which can fall below m; the top must not cut the reading off.
    double margin = kMargin;
    if (const auto onShow = PositionOnShow(position, decl, low, high, margin))
        top = std::max({top, Int(onShow->highest + margin), std::ceil(onShow->highest)});
    return CInt(top);
}

std::optional<int16_t> ZoomValueBottom(int position, const Declarations& decl, double low,
                                       double high) {
    double margin = kMargin;
    const auto onShow = PositionOnShow(position, decl, low, high, margin);
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
