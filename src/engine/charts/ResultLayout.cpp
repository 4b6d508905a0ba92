#include "engine/charts/ResultLayout.h"

#include <algorithm>

namespace strelvan {

ChartLayout LayOutCharts(std::string_view chartOrder, int32_t chartWidth,
                         const SlotOffsets& offsets) {
    ChartLayout layout;
    switch (chartOrder.size()) {
    case 1:
        layout.ChartCount = 1;
        break;
    case 3:
        layout.ChartCount = 2;
        break;
    case 5:
        layout.ChartCount = 3;
        break;
    default:
        layout.ChartCount = 4;
        break;
    }
    const auto& row = offsets[static_cast<std::size_t>(layout.ChartCount - 1)];
    for (int i = 0; i < layout.ChartCount; ++i)
        layout.left[static_cast<std::size_t>(i)] =
            i * chartWidth + row[static_cast<std::size_t>(i)];
    return layout;
}

int SlotOfChart(std::string_view chartOrder, int chart, int chartCount) {
    const int slots = std::min(chartCount, kDisplaySlots);
    for (int i = 0; i < slots; ++i) {
        const std::size_t p = static_cast<std::size_t>(2 * i);
        if (p >= chartOrder.size())
            continue;
        const char c = chartOrder[p];
        if (c >= '0' && c <= '9' && c - '0' == chart)
            return i;
    }
    return -1;
}

void UseManualLayerText(std::string& chartOrder) {
    const std::size_t end = std::min<std::size_t>(chartOrder.size(), 7);
    for (std::size_t p = 0; p < end; ++p)
        if (chartOrder[p] == '4')
            chartOrder[p] = '5';
}

} // namespace strelvan
