#pragma once
// What the linked zoom of the profile charts works out from what the charts plot: the ends of
// each following chart's value axis, and the messages of the zoom.
//
// When the user zoomed one profile chart and asks to zoom all, every other chart shows the
// same vertical range, and its value axis is cut to 0 .. the maximum of its quantity over the
// points from point 10 down to the first point whose depth is not above the Limit (or down to
// the last plotted point, when that comes first), widened where a point on show reaches
// beyond it. The chart's position in the row fixes the quantity:
//   1 qc (maximum + 10.5, rounded down), 2 fs, 3 friction ratio, 4 the pore-pressure column
//   of PoreType1, 5 that of PoreType2 (maximum + 0.5, rounded down).
// A chart that plots no values (a pore-pressure kind other than 1, 2 or 3) gives 0.
//
// Each window hands the zoom what its charts plot (ProfileSeries): a profile window its
// readings 1 to its own plotted count, a result window its grid layers 1 to NumLayers. Only
// points that exist are read: with fewer than 10 the scan starts at the last one, whatever is
// plotted; a chart without points gives 0.
#include <array>
#include <cstdint>
#include <optional>

#include "engine/charts/ProfileSeries.h"
#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// The position of a chart in the row of linked profile charts.
enum class ZoomChart : int { Tip = 1, Sleeve = 2, Ratio = 3, Pore1 = 4, Pore2 = 5 };

// What a row of linked charts plots, and its vertical axis (AxisMode 1 depth, -1 elevation).
struct ZoomRow {
    std::array<ProfileSeries, 5> charts{}; // positions 1 to 5
    int16_t AxisMode = 1;
    float GroundElev = kNoElevation;

    ProfileSeries& at(ZoomChart position) { return charts[static_cast<std::size_t>(position) - 1]; }
};

// The maxima of the readings 1 to plotCount, whole numbers: Int(maximum + 10.5) for qc,
// Int(maximum + 0.5) for the others.
double MaxTipToDepth(const ConeData& cone, int32_t plotCount, double Limit);
double MaxSleeveToDepth(const ConeData& cone, int32_t plotCount, double Limit);
double MaxRatioToDepth(const ConeData& cone, int32_t plotCount, double Limit);
double MaxPore1ToDepth(const ConeData& cone, int32_t plotCount, double Limit);
double MaxPore2ToDepth(const ConeData& cone, int32_t plotCount, double Limit);

// The maximum of the chart at a position (1 to 5; any other position gives 0).
double ZoomMaximum(int position, const ProfileSeries& chart, double Limit);

// The depth the maxima scan down to for the vertical range low .. high on show: low itself
// in depth mode (AxisMode 1); in elevation mode the depth of the top of the range,
// GroundElev - high, so that the same view gives the same maxima in both modes.
double ZoomLimit(int16_t axisMode, float groundElev, double low, double high);

// The top of the value axis of the chart at a position, for the vertical range low .. high
// on show: its maximum, widened where needed so that every point it plots inside the range
// on show fits under it, as a 16-bit whole number, or nullopt when that does not fit one (or
// is not a number); that chart's value axis is then left whole, never cut at a wrapped-around
// number.
std::optional<int16_t> ZoomValueTop(int position, const ZoomRow& row, double low, double high);

// The bottom of the value axis of the chart at a position, for the vertical range low .. high
// on show: 0, or, where a point on show lies below 0 (pore pressures may), that value
// rounded down, so that it stays visible; nullopt when that does not fit a 16-bit whole
// number (the chart's value axis is then left whole).
std::optional<int16_t> ZoomValueBottom(int position, const ZoomRow& row, double low, double high);

// "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ": Zoom All was asked for
// while no chart was zoomed.
Message ZoomFirstMessage();
// A maximum too large for a value axis: those charts keep their whole range of values.
Message ZoomTooLargeMessage();

} // namespace strelvan
