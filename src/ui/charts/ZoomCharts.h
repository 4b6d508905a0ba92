#pragma once
// The linked zoom of a row of profile charts (the profile windows and the result windows).
//
// The charts stand at fixed places, which fix the quantity each one shows:
//   1 qc, 2 fs, 3 friction ratio, 4 the pore-pressure column of PoreType1, 5 that of
//   PoreType2.
// ChartCount is 3, 4 or 5: places 1 to 3 always take part, place 4 when ChartCount > 3 and
// place 5 when ChartCount = 5; the charts beyond the count may be nullptr and are not looked
// at. A nullptr within the count is skipped: it is neither a source nor a follower.
//
// A window's chart row (ChartRow) hands the zoom its linked charts and what they plot (a
// ZoomRow, engine/charts/ZoomMaxima.h), and keeps in its Zoom key whether the next press zooms
// or resets.
#include <array>
#include <cstdint>

#include "engine/charts/ZoomMaxima.h"

namespace strelvan {

namespace platform {
class ChartFX;
}

// The charts at places 1 to 5.
using LinkedCharts = std::array<platform::ChartFX*, 5>;

// The first chart within the count whose ZoomActive is True, in place order; nullptr when none.
platform::ChartFX* ZoomSource(const LinkedCharts& charts, int16_t ChartCount);

// Makes every chart follow the one the user zoomed with the mouse (the source, ZoomSource).
// Each other chart shows the source's vertical range (AxisZoom on axis item 0) and its value
// axis from 0 (or the lowest negative reading on show, rounded down) to the maximum of its
// quantity (AxisZoom on axis item 2; see engine/charts/ZoomMaxima.h), worked out from what the
// row plots. The source stays as the user zoomed it. With no source: with three charts the
// message "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ", with four or five
// nothing. A maximum too large for a value axis leaves that chart's value axis whole and is
// told once.
void ZoomLinked(const ZoomRow& row, int16_t ChartCount, const LinkedCharts& charts);
void ZoomAll(const ZoomRow& row, int16_t ChartCount, platform::ChartFX* Chart1,
             platform::ChartFX* Chart2, platform::ChartFX* Chart3,
             platform::ChartFX* Chart4 = nullptr, platform::ChartFX* Chart5 = nullptr);

// Returns every chart within the count to its whole range: ZoomActive False, ZoomResetFlag
// False, Refresh.
void ResetLinked(int16_t ChartCount, const LinkedCharts& charts);
void ZoomReset(int16_t ChartCount, platform::ChartFX* Chart1, platform::ChartFX* Chart2,
               platform::ChartFX* Chart3, platform::ChartFX* Chart4 = nullptr,
               platform::ChartFX* Chart5 = nullptr);

} // namespace strelvan
