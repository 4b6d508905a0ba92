#pragma once
// What the linked zoom of the profile charts works out from the readings: the ends of each
// following chart's value axis, and the messages of the zoom.
//
// When the user zoomed one profile chart and asks to zoom all, every other chart shows the
// same vertical range, and its value axis is cut to 0 .. the maximum of its quantity over the
// readings from reading 10 down to the first reading whose depth is not above the Limit (or
// down to the last plotted reading, PlotPoints, when that comes first). The chart's position
// in the row fixes the quantity:
//   1 qc (maximum + 10.5, rounded down), 2 fs, 3 friction ratio, 4 the pore-pressure column
//   of PoreType1, 5 that of PoreType2 (maximum + 0.5, rounded down).
// A pore-pressure kind other than 1 (u1), 2 (u2) or 3 (u3) gives 0.
//
// Only readings that exist are read: the scan ends at min(PlotPoints, NumPoints, 4000); a
// sounding with fewer than 10 readings starts at its last reading; a sounding without
// readings gives 0.
#include <cstdint>
#include <optional>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// The position of a chart in the row of linked profile charts.
enum class ZoomChart : int { Tip = 1, Sleeve = 2, Ratio = 3, Pore1 = 4, Pore2 = 5 };

// The maxima, whole numbers: Int(maximum + 10.5) for qc, Int(maximum + 0.5) for the others.
double MaxTipToDepth(const ConeData& cone, const PlotState& plot, double Limit);
double MaxSleeveToDepth(const ConeData& cone, const PlotState& plot, double Limit);
double MaxRatioToDepth(const ConeData& cone, const PlotState& plot, double Limit);
double MaxPore1ToDepth(const ConeData& cone, const PlotState& plot, double Limit);
double MaxPore2ToDepth(const ConeData& cone, const PlotState& plot, double Limit);

// The maximum function of a chart position (1 to 5; any other position gives 0).
double ZoomMaximum(int position, const ConeData& cone, const PlotState& plot, double Limit);

// The depth the maxima scan down to for the vertical range low .. high on show: low itself
// in depth mode (AxisMode 1); in elevation mode the depth of the top of the range,
// GroundElev - high, so that the same view gives the same maxima in both modes.
double ZoomLimit(const PlotState& plot, const ProjectInfo& project, double low, double high);

// The top of the value axis of the chart at a position, for the vertical range low .. high
// on show: its maximum, widened where needed so that every plotted reading inside the range
// on show fits under it, as a 16-bit whole number, or nullopt when the maximum does not fit
// one (or is not a number); that chart's value axis is then left whole, never cut at a
// wrapped-around number.
std::optional<int16_t> ZoomValueTop(int position, const Declarations& decl, double low,
                                    double high);

// The bottom of the value axis of the chart at a position, for the vertical range low .. high
// on show: 0, or, where a plotted reading on show lies below 0 (pore pressures may), that
// reading rounded down, so that it stays visible; nullopt when that does not fit a 16-bit
// whole number (the chart's value axis is then left whole).
std::optional<int16_t> ZoomValueBottom(int position, const Declarations& decl, double low,
                                       double high);

// "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ": Zoom All was asked for
// while no chart was zoomed.
Message ZoomFirstMessage();
// A maximum too large for a value axis: those charts keep their whole range of values.
Message ZoomTooLargeMessage();

} // namespace strelvan
