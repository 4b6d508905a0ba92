#include "engine/charts/ChartChoice.h"

#include <algorithm>
#include <limits>

#include "engine/classification/Methods.h"
#include "engine/state/Numbers.h"

namespace strelvan {

SlotCharts DefaultSlotCharts() {
    return {int16_t{0}, int16_t{1}, int16_t{2}, int16_t{3}};
}

bool ChartAccepted(int16_t methodCode, int chart) {
    const MethodRow* method = MethodOfCode(methodCode);
    if (method == nullptr)
        return false;
    // The automatic layer text (chart 4) only where the method describes layers.
    const int last = method->DescribesLayers() ? 4 : 3;
    return chart >= 0 && chart <= last;
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
    const MethodRow* method = MethodOfCode(methodCode);
    if (method == nullptr)
        return {};
    ResultWindowPlan plan;
    plan.shown = method->resultWindow;
    plan.unloaded.assign(method->closesOnNext.begin(), method->closesOnNext.end());
    // Manual layers come back only through the editor's Export; the probability window, which
    // never shows them, leaves the flag as it is.
    plan.clearsManualFlag = method->method != Method::Probabilistic;
    for (const MethodRow& other : Methods())
        if (&other != method)
            plan.released.emplace_back(other.resultWindow);
    return plan;
}

} // namespace strelvan
