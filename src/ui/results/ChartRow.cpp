#include "ui/results/ChartRow.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "platform/ChartFX.h"
#include "ui/charts/PrintProfiles.h"

namespace strelvan {

namespace {
// The layout's offsets and gaps are in twips; the screen shows 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

// The charts on show, ordered by the left edges of their slots.
std::vector<std::size_t> ChartsOnShow(std::span<platform::ChartFX* const> charts,
                                      std::span<const int32_t> chartLeft) {
    std::vector<std::size_t> shown;
    for (std::size_t k = 0; k < charts.size(); ++k)
        if (!charts[k]->isHidden())
            shown.push_back(k);
    std::stable_sort(shown.begin(), shown.end(),
                     [&](std::size_t a, std::size_t b) { return chartLeft[a] < chartLeft[b]; });
    return shown;
}

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
                              std::span<platform::ChartFX* const> charts, ChartSlots& chartSlot,
                              const std::function<void(int16_t chart, int32_t left)>& show) {
    const ChartLayout layout = LayOutCharts(order, chartWidth, offsets);
    for (std::size_t k = 0; k < charts.size(); ++k) {
        charts[k]->setVisible(false);
        const int slot = SlotOfChart(order, static_cast<int>(k), layout.ChartCount);
        if (slot < 0)
            continue;
        show(static_cast<int16_t>(k), layout.left[static_cast<std::size_t>(slot)]);
        chartSlot[static_cast<std::size_t>(slot)] = static_cast<int16_t>(k);
    }
    return layout;
}

void ArrangeChartRow(QMainWindow& window, QHBoxLayout& row,
                     std::span<platform::ChartFX* const> charts, std::span<const int32_t> chartLeft,
                     int32_t chartWidth, const ChartLayout& layout) {
    while (QLayoutItem* item = row.takeAt(0))
        delete item;
    const std::vector<std::size_t> shown = ChartsOnShow(charts, chartLeft);
    // The gaps of the layout: before the first slot, and between one slot's chart and the next.
    row.addSpacing(layout.left[0] / kTwipsPerPixel);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::size_t k = shown[i];
        if (i > 0) {
            const int32_t gap = chartLeft[k] - chartLeft[shown[i - 1]] - chartWidth;
            row.addSpacing(std::clamp(gap, 0, 30 * kTwipsPerPixel) / kTwipsPerPixel);
        }
        row.addWidget(charts[k], 1);
    }
    // Each chart keeps the width of one of four, whatever the number on show.
    if (shown.size() < kDisplaySlots)
        row.addStretch(static_cast<int>(kDisplaySlots - shown.size()));
    SettleLayout(window);
}

void ArrangeFirstFour(QMainWindow& window, QHBoxLayout& row,
                      std::span<platform::ChartFX* const> charts, std::span<int32_t> chartLeft,
                      const SlotOffsets& offsets) {
    const ChartLayout four = LayOutCharts("0 1 2 3", 0, offsets);
    for (std::size_t k = 0; k < charts.size(); ++k) {
        const bool first = k < kDisplaySlots;
        charts[k]->setVisible(first);
        chartLeft[k] = first ? four.left[k] : 0;
    }
    ArrangeChartRow(window, row, charts, chartLeft, 0, four);
    for (platform::ChartFX* chart : charts)
        chart->setVisible(false);
    std::fill(chartLeft.begin(), chartLeft.end(), 0);
}

int16_t ChartWidthOf(std::span<platform::ChartFX* const> charts) {
    // Every chart on show has the width of the first one; chart 0 itself may be hidden.
    const auto shown = std::find_if(charts.begin(), charts.end(),
                                    [](const platform::ChartFX* c) { return !c->isHidden(); });
    const platform::ChartFX* chart = shown != charts.end() ? *shown : charts.front();
    return static_cast<int16_t>(std::clamp(chart->Width(), 0, 32767));
}

void PrintChartsOnShow(const ProjectInfo& project, std::span<platform::ChartFX* const> charts,
                       std::span<const int32_t> chartLeft) {
    // A chart named twice in the order is on show once; a slot the layout did not fill holds
    // no chart of this load.
    const std::vector<std::size_t> shown = ChartsOnShow(charts, chartLeft);
    std::array<platform::ChartFX*, kDisplaySlots> page{};
    for (std::size_t i = 0; i < shown.size() && i < page.size(); ++i)
        page[i] = charts[shown[i]];
    const auto count = static_cast<int16_t>(std::min(shown.size(), page.size()));
    PrintProfiles(project, count, page[0], page[1], page[2], page[3], nullptr);
}

} // namespace strelvan
