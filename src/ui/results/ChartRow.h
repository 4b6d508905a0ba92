#pragma once
// The row of charts of a result window: the charts that the chart order names, side by side
// in their display slots, each as wide as one of four.
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

struct ProjectInfo;

using ChartSlots = std::array<int16_t, kDisplaySlots>;

// Hides every chart, then shows those the order names by calling show(chart, left edge of its
// slot), in ascending chart order whatever their display order, and records the chart of each
// slot in chartSlot (slots no chart takes keep what they held). Returns the layout.
ChartLayout ShowChartsInOrder(const std::string& order, int32_t chartWidth,
                              const SlotOffsets& offsets,
                              std::span<platform::ChartFX* const> charts, ChartSlots& chartSlot,
                              const std::function<void(int16_t chart, int32_t left)>& show);

// Adds the row to the column: one chart per entry of charts, chart k named "ChartFX(k)" and
// drawn in look(k), each taking an equal share of the row.
QHBoxLayout* AddChartRow(QVBoxLayout& column, std::span<platform::ChartFX*> charts,
                         const std::function<platform::ChartLook(int chart)>& look);

// Puts the charts on show into the row, ordered by their slots' left edges, with the margin
// and the gaps that the layout's edges give, and brings the geometry of the window's
// controls up to date, also before it is shown.
void ArrangeChartRow(QMainWindow& window, QHBoxLayout& row,
                     std::span<platform::ChartFX* const> charts, std::span<const int32_t> chartLeft,
                     int32_t chartWidth, const ChartLayout& layout);

// Lays the row out once with the first four charts, so that a chart has its width before the
// window is first shown; afterwards every chart is hidden and chartLeft is cleared.
void ArrangeFirstFour(QMainWindow& window, QHBoxLayout& row,
                      std::span<platform::ChartFX* const> charts, std::span<int32_t> chartLeft,
                      const SlotOffsets& offsets);

// The width of the first chart on show, or of the first chart when none is shown (pixels,
// within 0 to 32767).
int16_t ChartWidthOf(std::span<platform::ChartFX* const> charts);

// Prints the page of the charts on show, each once, from left to right as the row shows them
// (ordered by the left edges of their slots).
void PrintChartsOnShow(const ProjectInfo& project, std::span<platform::ChartFX* const> charts,
                       std::span<const int32_t> chartLeft);

} // namespace strelvan
