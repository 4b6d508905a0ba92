#include "ui/charts/ZoomCharts.h"

#include <array>

#include "engine/charts/ZoomMaxima.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"

namespace strelvan {

namespace {
using platform::ChartFX;
using Row = std::array<ChartFX*, 5>;

// The charts that take part: positions 1 to 3, 4 when the count is above 3, 5 when it is 5.
int Taking(int16_t ChartCount) {
    return ChartCount == 5 ? 5 : ChartCount > 3 ? 4 : 3;
}

bool Zoomed(const ChartFX* chart) {
    return chart != nullptr && chart->ZoomActive();
}

// The index in the row of the chart the user zoomed, or -1.
int SourceIndex(const Row& row, int16_t ChartCount) {
    for (int k = 0; k < Taking(ChartCount); ++k)
        if (Zoomed(row[static_cast<std::size_t>(k)]))
            return k;
    return -1;
}
} // namespace

void ZoomAll(const Declarations& decl, int16_t ChartCount, ChartFX* Chart1, ChartFX* Chart2,
             ChartFX* Chart3, ChartFX* Chart4, ChartFX* Chart5) {
    const Row row{Chart1, Chart2, Chart3, Chart4, Chart5};
    const int source = SourceIndex(row, ChartCount);
    if (source < 0) {
        if (ChartCount != 4 && ChartCount != 5)
            platform::ShowMessage(ZoomFirstMessage(), Chart1 ? Chart1->window() : nullptr);
        return;
    }
    ChartFX* from = row[static_cast<std::size_t>(source)];
    double low = 0, high = 0;
    from->AxisList(0).AxisZoomRange(low, high);
    bool tooLarge = false;
    for (int k = 0; k < Taking(ChartCount); ++k) {
        ChartFX* chart = row[static_cast<std::size_t>(k)];
        if (k == source || chart == nullptr)
            continue;
        chart->AxisList(0).AxisZoom(low, high);
        if (const auto top = ZoomValueTop(k + 1, decl, low, high))
            chart->AxisList(2).AxisZoom(0, *top);
        else
            tooLarge = true;
    }
    if (tooLarge)
        platform::ShowMessage(ZoomTooLargeMessage(), from->window());
}

void ZoomReset(int16_t ChartCount, ChartFX* Chart1, ChartFX* Chart2, ChartFX* Chart3,
               ChartFX* Chart4, ChartFX* Chart5) {
    const Row row{Chart1, Chart2, Chart3, Chart4, Chart5};
    for (int k = 0; k < Taking(ChartCount); ++k) {
        ChartFX* chart = row[static_cast<std::size_t>(k)];
        if (chart == nullptr)
            continue;
        chart->ZoomActive(false);
        chart->ZoomResetFlag(false);
        chart->Refresh();
    }
}

} // namespace strelvan
