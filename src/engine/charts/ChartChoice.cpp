#include "engine/charts/ChartChoice.h"

#include <algorithm>
#include <limits>

#include "engine/state/Numbers.h"

namespace strelvan {

SlotCharts DefaultSlotCharts() {
    return {int16_t{0}, int16_t{1}, int16_t{2}, int16_t{3}};
}

bool ChartAccepted(int16_t methodCode, int chart) {
    switch (methodCode) {
    case 1:
    case 5:
        return chart >= 0 && chart <= 3;
    case 2:
    case 3:
    case 4:
        return chart >= 0 && chart <= 4;
    default:
        return false;
    }
}

bool PutChart(SlotCharts& slots, int16_t methodCode, int chart) {
    if (!ChartAccepted(methodCode, chart))
        return false;
    const auto empty = std::find(slots.begin(), slots.end(), std::nullopt);
    if (empty == slots.end())
        return false;
    *empty = static_cast<int16_t>(chart);
    return true;
}

void CloseSlotGaps(SlotCharts& slots) {
    std::stable_partition(slots.begin(), slots.end(),
                          [](const std::optional<int16_t>& s) { return s.has_value(); });
}

std::string ChartOrderOf(const SlotCharts& slots) {
    std::string order;
    for (const auto& slot : slots) {
        if (!slot)
            break;
        if (!order.empty())
            order += ' ';
        order += std::to_string(*slot);
    }
    return order;
}

std::optional<int16_t> PointsPerLayerOf(std::string_view thicknessText) {
    const auto thickness = ToNumber(thicknessText);
    if (!thickness)
        return std::nullopt;
    // The quotient is formed in double precision before rounding down.
    const double layers = Int(*thickness / 0.328);
    if (layers < 1 || layers > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(layers);
}

ResultWindowPlan ResultWindowsFor(int16_t methodCode) {
    switch (methodCode) {
    case 1:
        return {"Frm_Tumay01",
                {"Frm_Tumay02", "Frm_Robert86"},
                false,
                {"Frm_Tumay02", "Frm_Robert86", "Frm_Fuzzy", "Frm_Olsen"}};
    case 2:
        return {"Frm_Tumay02",
                {"Frm_Robert86"},
                true,
                {"Frm_Tumay01", "Frm_Robert86", "Frm_Fuzzy", "Frm_Olsen"}};
    case 3:
        return {"Frm_Robert86",
                {"Frm_Tumay02"},
                true,
                {"Frm_Tumay01", "Frm_Tumay02", "Frm_Fuzzy", "Frm_Olsen"}};
    case 4:
        return {"Frm_Olsen",
                {"Frm_Tumay02"},
                true,
                {"Frm_Tumay01", "Frm_Tumay02", "Frm_Fuzzy", "Frm_Robert86"}};
    case 5:
        return {"Frm_Fuzzy",
                {"Frm_Tumay02"},
                true,
                {"Frm_Tumay01", "Frm_Tumay02", "Frm_Robert86", "Frm_Olsen"}};
    default:
        return {};
    }
}

} // namespace strelvan
