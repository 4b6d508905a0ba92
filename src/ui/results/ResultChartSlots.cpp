#include "ui/results/ResultChartSlots.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "platform/ChartFX.h"
#include "ui/charts/ChartRow.h"

namespace strelvan {

namespace {
// The layout's offsets and gaps are in twips; the screen shows 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

void SettleLayout(QMainWindow& window) {
    window.layout()->activate();
    if (QWidget* central = window.centralWidget(); central && central->layout())
        central->layout()->activate();
}
} // namespace

QHBoxLayout* AddChartRow(QVBoxLayout& column, std::span<platform::ChartFX*> charts,
                         const std::function<platform::ChartLook(int chart)>& look) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    for (std::size_t k = 0; k < charts.size(); ++k) {
        const int chartDigit = static_cast<int>(k);
        auto* chart = new platform::ChartFX(look(chartDigit), column.parentWidget());
        chart->setObjectName(QStringLiteral("ChartFX(%1)").arg(chartDigit));
        charts[k] = chart;
        row->addWidget(chart, 1);
    }
    column.addLayout(row, 1);
    return row;
}

ChartLayout ShowChartsInOrder(const std::string& order, int32_t chartWidth,
                              const SlotOffsets& offsets,
                              std::span<platform::ChartFX* const> charts, ChartRow& row,
                              ChartSlots& chartSlot,
                              const std::function<void(int16_t chart, int32_t left)>& show) {
    const ChartLayout layout = LayOutCharts(order, chartWidth, offsets);
    for (std::size_t k = 0; k < charts.size(); ++k) {
        charts[k]->setVisible(false);
        row.Forget(charts[k]);
        const int slot = SlotOfChart(order, static_cast<int>(k), layout.ChartCount);
        if (slot < 0)
            continue;
        show(static_cast<int16_t>(k), layout.left[static_cast<std::size_t>(slot)]);
        chartSlot[static_cast<std::size_t>(slot)] = static_cast<int16_t>(k);
    }
    return layout;
}

void ArrangeChartRow(QMainWindow& window, QHBoxLayout& layout, const ChartRow& row,
                     int32_t chartWidth, const ChartLayout& chartLayout) {
    while (QLayoutItem* item = layout.takeAt(0))
        delete item;
    const std::vector<platform::ChartFX*> shown = row.OnShow();
    // The gaps of the layout: before the first slot, and between one slot's chart and the next.
    layout.addSpacing(chartLayout.left[0] / kTwipsPerPixel);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (i > 0) {
            const int32_t gap = row.Left(shown[i]) - row.Left(shown[i - 1]) - chartWidth;
            layout.addSpacing(std::clamp(gap, 0, 30 * kTwipsPerPixel) / kTwipsPerPixel);
        }
        layout.addWidget(shown[i], 1);
    }
    // Each chart keeps the width of one of four, whatever the number on show.
    if (shown.size() < kDisplaySlots)
        layout.addStretch(static_cast<int>(kDisplaySlots - shown.size()));
    SettleLayout(window);
}

void ArrangeFirstFour(QMainWindow& window, QHBoxLayout& layout,
                      std::span<platform::ChartFX* const> charts, ChartRow& row,
                      const SlotOffsets& offsets) {
    const ChartLayout four = LayOutCharts("0 1 2 3", 0, offsets);
    for (std::size_t k = 0; k < charts.size(); ++k) {
        const bool first = k < kDisplaySlots;
        charts[k]->setVisible(first);
        row.Place(charts[k], first ? four.left[k] : 0);
    }
    ArrangeChartRow(window, layout, row, 0, four);
    for (platform::ChartFX* chart : charts) {
        chart->setVisible(false);
        row.Place(chart, 0);
    }
}

int16_t ChartWidthOf(std::span<platform::ChartFX* const> charts) {
    // Every chart on show has the width of the first one; chart 0 itself may be hidden.
    const auto shown = std::find_if(charts.begin(), charts.end(),
                                    [](const platform::ChartFX* c) { return !c->isHidden(); });
    const platform::ChartFX* chart = shown != charts.end() ? *shown : charts.front();
    return static_cast<int16_t>(std::clamp(chart->Width(), 0, 32767));
}

} // namespace strelvan
