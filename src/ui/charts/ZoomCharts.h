#pragma once
// The linked zoom of a row of profile charts, for every window that shows one (the profile
// windows and the result windows).
//
// The charts are passed in their fixed order, which fixes the quantity each one shows:
//   Chart1 qc, Chart2 fs, Chart3 friction ratio, Chart4 the pore-pressure column of
//   PoreType1, Chart5 that of PoreType2.
// ChartCount is 3, 4 or 5: charts 1 to 3 always take part, Chart4 when ChartCount > 3 and
// Chart5 when ChartCount = 5; the charts beyond the count may be nullptr and are not
// looked at. A nullptr within the count is skipped: it is neither a source nor a follower.
//
// The window hands the zoom what its charts plot (a ZoomRow, engine/charts/ZoomMaxima.h) and
// keeps whether its next Zoom press zooms or resets (in its Zoom button); it calls:
//   ZoomAll(row, 3, ChartFX1, ChartFX2, ChartFX3);
//   ZoomReset(3, ChartFX1, ChartFX2, ChartFX3);
#include <cstdint>

#include "engine/charts/ZoomMaxima.h"

class QAction;
class QWidget;

namespace strelvan {

namespace platform {
class ChartFX;
}

// Makes every chart follow the one the user zoomed with the mouse (the source): the first
// of Chart1, Chart2, Chart3 whose ZoomActive is True; failing those, Chart4 (ChartCount 4
// or 5), then Chart5 (ChartCount 5). Each other chart shows the source's vertical range
// (AxisZoom on axis item 0) and its value axis from 0 (or the lowest negative reading on
// show, rounded down) to the maximum of its quantity (AxisZoom on axis item 2; see
// engine/charts/ZoomMaxima.h), worked out from what the row plots.
// The source stays as the user zoomed it. With no source: with three charts the message
// "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ", with four or five
// nothing. A maximum too large for a value axis leaves that chart's value axis whole and
// is told once.
void ZoomAll(const ZoomRow& row, int16_t ChartCount, platform::ChartFX* Chart1,
             platform::ChartFX* Chart2, platform::ChartFX* Chart3,
             platform::ChartFX* Chart4 = nullptr, platform::ChartFX* Chart5 = nullptr);

// Returns every chart within the count to its whole range: ZoomActive False, ZoomResetFlag
// False, Refresh.
void ZoomReset(int16_t ChartCount, platform::ChartFX* Chart1, platform::ChartFX* Chart2,
               platform::ChartFX* Chart3, platform::ChartFX* Chart4 = nullptr,
               platform::ChartFX* Chart5 = nullptr);

// Where a window keeps the state of its Zoom key's toggle: in the Zoom button's tool tip or
// in its caption.
enum class ZoomKeyState { ToolTip, Caption };

// A press of the Zoom key of a window, over its row of linked charts (as for ZoomAll). With
// no chart of the row zoomed: the message "Perform a 'Zoom' on one of the graphs before you
// 'Zoom All' .. " and the state becomes "Zoom All    ", nothing else changes. Otherwise, when
// the state contains "All" (in any case), it becomes "Zoom Out    " and ZoomAll makes every
// chart follow the zoomed one; else ZoomReset returns all to their whole range and the
// state becomes "Zoom All    ".
void PressZoomKey(const ZoomRow& row, QWidget* window, QAction& zoom, ZoomKeyState where,
                  int16_t ChartCount, platform::ChartFX* Chart1, platform::ChartFX* Chart2,
                  platform::ChartFX* Chart3, platform::ChartFX* Chart4 = nullptr,
                  platform::ChartFX* Chart5 = nullptr);

// Ends the zoom of a window whose charts are about to be drawn over another vertical range
// (the other axis mode, another depth cut), where the range zoomed would show nothing:
// ZoomReset of the row, and the Zoom key's state back to "Zoom All    ".
void EndZoom(QAction& zoom, ZoomKeyState where, int16_t ChartCount, platform::ChartFX* Chart1,
             platform::ChartFX* Chart2, platform::ChartFX* Chart3,
             platform::ChartFX* Chart4 = nullptr, platform::ChartFX* Chart5 = nullptr);

} // namespace strelvan
