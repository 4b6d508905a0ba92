#pragma once
// The display slots of a result window's chart row: the charts that the chart order names,
// side by side in their slots, each as wide as one of four.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "engine/charts/ResultLayout.h"
#include "platform/ChartFX.h"

class QHBoxLayout;
class QMainWindow;
class QVBoxLayout;

namespace strelvan {

class ChartRow;

using ChartSlots = std::array<int16_t, kDisplaySlots>;

// Hides every chart (it then plots nothing the zoom follows), then shows those the order names
// by calling show(chart, left edge of its slot), in ascending chart order whatever their
// display order, and records the chart of each slot in chartSlot (slots no chart takes keep
// what they held). Returns the layout.
ChartLayout ShowChartsInOrder(const std::string& order, int32_t chartWidth,
                              const SlotOffsets& offsets,
                              std::span<platform::ChartFX* const> charts, ChartRow& row,
                              ChartSlots& chartSlot,
                              const std::function<void(int16_t chart, int32_t left)>& show);

// Adds the row to the column: one chart per entry of charts, chart k named "ChartFX(k)" and
// drawn in look(k), each taking an equal share of the row.
QHBoxLayout* AddChartRow(QVBoxLayout& column, std::span<platform::ChartFX*> charts,
                         const std::function<platform::ChartLook(int chart)>& look);

// Puts the row's charts on show into the layout in display order (by their slots' left edges),
// with the margin and the gaps that the layout's edges give, and brings the geometry of the
// window's controls up to date, also before it is shown.
void ArrangeChartRow(QMainWindow& window, QHBoxLayout& layout, const ChartRow& row,
                     int32_t chartWidth, const ChartLayout& chartLayout);

// Lays the row out once with the first four charts, so that a chart has its width before the
// window is first shown; afterwards every chart is hidden and placed at 0.
void ArrangeFirstFour(QMainWindow& window, QHBoxLayout& layout,
                      std::span<platform::ChartFX* const> charts, ChartRow& row,
                      const SlotOffsets& offsets);

// The width of the first chart on show, or of the first chart when none is shown (pixels,
// within 0 to 32767).
int16_t ChartWidthOf(std::span<platform::ChartFX* const> charts);

} // namespace strelvan
