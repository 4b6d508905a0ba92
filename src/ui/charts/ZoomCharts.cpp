#include "ui/charts/ZoomCharts.h"

#include "engine/charts/ZoomMaxima.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"

namespace strelvan {

namespace {
using platform::ChartFX;

// The charts that take part: places 1 to 3, 4 when the count is above 3, 5 when it is 5.
int Taking(int16_t ChartCount) {
    return ChartCount == 5 ? 5 : ChartCount > 3 ? 4 : 3;
}
} // namespace

ChartFX* ZoomSource(const LinkedCharts& charts, int16_t ChartCount) {
    for (int k = 0; k < Taking(ChartCount); ++k) {
        ChartFX* chart = charts[static_cast<std::size_t>(k)];
        if (chart != nullptr && chart->ZoomActive())
            return chart;
    }
    return nullptr;
}

void ZoomLinked(const ZoomRow& zoomRow, int16_t ChartCount, const LinkedCharts& charts) {
    ChartFX* from = ZoomSource(charts, ChartCount);
    if (from == nullptr) {
        if (ChartCount != 4 && ChartCount != 5)
            platform::ShowMessage(ZoomFirstMessage(), charts[0] ? charts[0]->window() : nullptr);
        return;
    }
    double low = 0, high = 0;
    from->AxisList(0).AxisZoomRange(low, high);
    bool tooLarge = false;
    for (int k = 0; k < Taking(ChartCount); ++k) {
        ChartFX* chart = charts[static_cast<std::size_t>(k)];
        if (chart == from || chart == nullptr)
            continue;
        chart->AxisList(0).AxisZoom(low, high);
        const auto bottom = ZoomValueBottom(k + 1, zoomRow, low, high);
        const auto top = ZoomValueTop(k + 1, zoomRow, low, high);
        if (bottom && top)
            chart->AxisList(2).AxisZoom(*bottom, *top);
        else
            tooLarge = true;
    }
    if (tooLarge)
        platform::ShowMessage(ZoomTooLargeMessage(), from->window());
}

void ZoomAll(const ZoomRow& row, int16_t ChartCount, ChartFX* Chart1, ChartFX* Chart2,
             ChartFX* Chart3, ChartFX* Chart4, ChartFX* Chart5) {
    ZoomLinked(row, ChartCount, {Chart1, Chart2, Chart3, Chart4, Chart5});
}

void ResetLinked(int16_t ChartCount, const LinkedCharts& charts) {
    for (int k = 0; k < Taking(ChartCount); ++k) {
        ChartFX* chart = charts[static_cast<std::size_t>(k)];
        if (chart == nullptr)
            continue;
        chart->ZoomActive(false);
        chart->ZoomResetFlag(false);
        chart->Refresh();
    }
}

void ZoomReset(int16_t ChartCount, ChartFX* Chart1, ChartFX* Chart2, ChartFX* Chart3,
               ChartFX* Chart4, ChartFX* Chart5) {
    ResetLinked(ChartCount, {Chart1, Chart2, Chart3, Chart4, Chart5});
}

} // namespace strelvan
