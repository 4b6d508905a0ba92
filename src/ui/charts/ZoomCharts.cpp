#include "ui/charts/ZoomCharts.h"

#include <QAction>
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

const QString kZoomAll = QStringLiteral("Zoom All    ");

void SetZoomState(QAction& zoom, ZoomKeyState where, const QString& text) {
    if (where == ZoomKeyState::ToolTip)
        zoom.setToolTip(text);
    else
        zoom.setText(text);
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

void ZoomAll(const ZoomRow& zoomRow, int16_t ChartCount, ChartFX* Chart1, ChartFX* Chart2,
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

void PressZoomKey(const ZoomRow& zoomRow, QWidget* window, QAction& zoom, ZoomKeyState where,
                  int16_t ChartCount, ChartFX* Chart1, ChartFX* Chart2, ChartFX* Chart3,
                  ChartFX* Chart4, ChartFX* Chart5) {
    const Row row{Chart1, Chart2, Chart3, Chart4, Chart5};
    if (SourceIndex(row, ChartCount) < 0) {
        platform::ShowMessage(ZoomFirstMessage(), window);
        SetZoomState(zoom, where, kZoomAll);
        return;
    }
    const QString state = where == ZoomKeyState::ToolTip ? zoom.toolTip() : zoom.text();
    if (state.contains(QStringLiteral("All"), Qt::CaseInsensitive)) {
        SetZoomState(zoom, where, QStringLiteral("Zoom Out    "));
        ZoomAll(zoomRow, ChartCount, Chart1, Chart2, Chart3, Chart4, Chart5);
    } else {
        ZoomReset(ChartCount, Chart1, Chart2, Chart3, Chart4, Chart5);
        SetZoomState(zoom, where, kZoomAll);
    }
}

void EndZoom(QAction& zoom, ZoomKeyState where, int16_t ChartCount, ChartFX* Chart1,
             ChartFX* Chart2, ChartFX* Chart3, ChartFX* Chart4, ChartFX* Chart5) {
    ZoomReset(ChartCount, Chart1, Chart2, Chart3, Chart4, Chart5);
    SetZoomState(zoom, where, kZoomAll);
}

} // namespace strelvan
