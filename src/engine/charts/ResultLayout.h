#pragma once
// The side-by-side layout of the charts of a result window. The chart order names the charts
// on show by their digits (0 qc, 1 fs, 2 friction ratio, 3 soil types, 4 automatic layer
// text, 5 manual layer text) at character positions 1, 3, 5 and 7, one blank between them.
// Each display slot has a left edge worked out from the width W of one chart: slot i stands at
// i x W plus an offset that depends on the number of charts. The edges are logical: they
// order the slots, and the offsets, read as twips, give the margin before the first chart
// and the gaps between charts.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace strelvan {

inline constexpr int kDisplaySlots = 4;

// Offsets of the slots' left edges, [number of charts - 1][slot], in twips.
using SlotOffsets = std::array<std::array<int32_t, kDisplaySlots>, kDisplaySlots>;

// The family of result windows with soil-type and layer-text charts: one chart at 300; two
// or three at 200, W + 300, 2W + 400; four at 90, W + 180, 2W + 270, 3W + 360.
inline constexpr SlotOffsets kFamilySlotOffsets{{
    {300, 0, 0, 0},
    {200, 300, 0, 0},
    {200, 300, 400, 0},
    {90, 180, 270, 360},
}};
// The probability window: one chart at 250; four at 70, W + 90, 2W + 100, 3W + 150.
inline constexpr SlotOffsets kProbabilitySlotOffsets{{
    {250, 0, 0, 0},
    {200, 300, 0, 0},
    {200, 300, 400, 0},
    {70, 90, 100, 150},
}};

struct ChartLayout {
    int16_t ChartCount = 0;                    // 1 to 4
    std::array<int32_t, kDisplaySlots> left{}; // left edge of slots 0 .. ChartCount - 1
};

// The number of charts follows the length of the order alone: 1 character one chart, 3 two,
// 5 three, any other length four. The edges are worked out in 32 bits, so no chart width a
// window can have wraps them around.
ChartLayout LayOutCharts(std::string_view chartOrder, int32_t chartWidth,
                         const SlotOffsets& offsets);

// The display slot in which a chart stands: the first slot i below chartCount whose character
// at position 2i + 1 is the chart's digit; -1 when none is. A blank or a position past the
// end of the order never matches, so a digit that stands twice is shown once.
int SlotOfChart(std::string_view chartOrder, int chart, int chartCount);

// While manual layers are in force the automatic layer-text chart gives way to the manual
// one: every digit 4 among the first seven characters becomes a 5.
void UseManualLayerText(std::string& chartOrder);

} // namespace strelvan
