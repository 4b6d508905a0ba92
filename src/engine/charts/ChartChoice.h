#pragma once
// The choice of result charts and layer thickness made before a result window opens: four
// picture slots that each show one chart or nothing, which charts a classification method
// can show, the chart order handed to the result windows, the grid layers per described
// soil layer, and which result windows to show, close and forget for each method.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace strelvan {

// Chart digits: 0 qc, 1 fs, 2 friction ratio, 3 soil types, 4 automatic layer text.
inline constexpr int kChoosableCharts = 5;
inline constexpr int kChartSlotCount = 4;

// The chart digit each slot shows, slot 0 leftmost; nullopt for an empty slot.
using SlotCharts = std::array<std::optional<int16_t>, kChartSlotCount>;

// Charts 0, 1, 2, 3 in slots 0 to 3: the choice every visit starts with.
SlotCharts DefaultSlotCharts();

// Whether the result window of a method can show a chart: the probabilistic (1) and fuzzy
// (5) windows have no layer-text chart, the chart-zone methods (2 to 4) show all five, and
// an unknown method shows none.
bool ChartAccepted(int16_t methodCode, int chart);

// Puts an accepted chart into the first empty slot. False, with the slots unchanged, when
// the method refuses the chart or every slot is filled. A chart may stand in two slots.
bool PutChart(SlotCharts& slots, int16_t methodCode, int chart);

// Moves the filled slots to the front, keeping their order.
void CloseSlotGaps(SlotCharts& slots);

// The chart digits from slot 0 up to the first empty slot, one blank between them and none
// at either end ("0 1 3 4"); empty when slot 0 is empty.
std::string ChartOrderOf(const SlotCharts& slots);

// Grid layers (0.328 ft each) per described soil layer for a thickness in ft picked as
// text: Int(thickness / 0.328), "3" giving 9 and "5" giving 15. nullopt when the text is
// not a number or gives no whole grid layer or more than a 16-bit count holds.
std::optional<int16_t> PointsPerLayerOf(std::string_view thicknessText);

// What Next does with the result windows for a method: the window it shows, the windows it
// closes when they are open, whether the manual-layer flag is cleared after the showing,
// and the windows whose instances are forgotten. An unknown method shows nothing.
struct ResultWindowPlan {
    std::string shown; // empty: no window is shown
    std::vector<std::string> unloaded;
    bool clearsManualFlag = false;
    std::vector<std::string> released;
};
ResultWindowPlan ResultWindowsFor(int16_t methodCode);

} // namespace strelvan
