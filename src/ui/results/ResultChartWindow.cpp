// The result windows' common frame: the row of charts, the toolbar's keys, the
// depth/elevation toggle, the linked zoom and the printed page.
#include "ui/results/ResultChartWindow.h"

#include <QAction>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "platform/AppContext.h"
#include "platform/Toolbar.h"
#include "ui/results/ConeProfilePlot.h"

namespace strelvan {

ResultChartWindow::ResultChartWindow(AppContext& app, const QString& formName, std::size_t charts,
                                     const SlotOffsets& offsets,
                                     std::span<const ResultToolbarButton> toolbar)
    : Form(app, formName), ChartFX(charts, nullptr), offsets_(offsets), toolbar_(toolbar),
      row_(*this, ZoomKeyState::Caption) {
    row_.OnKey(QStringLiteral("Back"), [this] { BackKey(); });
    row_.OnKey(QStringLiteral("Next"), [this] { NextKey(); });
    row_.OnKey(QStringLiteral("Exit"), [this] { ExitKey(); });
    row_.OnAxisSwitch([this](int16_t from) {
        AxisSwitched(from);
        SelectChart();
    });
    row_.PrintThrough([this](const std::function<void()>& print) { PrintPage(print); });
}

void ResultChartWindow::AddChartRow(QVBoxLayout& column,
                                    const std::function<platform::ChartLook(int chart)>& look) {
    chartLayout_ = strelvan::AddChartRow(column, ChartFX, look);
    for (platform::ChartFX* chart : ChartFX)
        row_.Add(chart);
}

void ResultChartWindow::ArrangeFirstCharts() {
    ArrangeFirstFour(*this, *chartLayout_, ChartFX, row_, offsets_);
}

void ResultChartWindow::AddToolbar() {
    Toolbar1 = AddResultToolbar(this, toolbar_);
    row_.UseToolbar(Toolbar1);
}

void ResultChartWindow::RestoreToolbar() {
    RestoreCaptions(*Toolbar1, toolbar_);
}

void ResultChartWindow::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Form_Resize();
}

void ResultChartWindow::Form_Resize() {
    ChartWidth = ChartWidthOf(ChartFX);
}

void ResultChartWindow::Form_Unload() {
    for (platform::ChartFX* chart : ChartFX) {
        ClearChart(*chart);
        chart->ZoomActive(false);
        chart->setVisible(false);
        row_.Forget(chart);
    }
}

void ResultChartWindow::SelectChart() {
    std::string& order = Decl().selection.ChartOrder;
    PrepareChartOrder(order);
    const ChartLayout layout =
        ShowChartsInOrder(order, ChartWidth, offsets_, ChartFX, row_, ChartSlot,
                          [this](int16_t k, int32_t left) { ShowChart(k, left); });
    ChartCount = layout.ChartCount;
    ArrangeChartRow(*this, *chartLayout_, row_, ChartWidth, layout);
}

void ResultChartWindow::ShowChart(int16_t N, int32_t XCoord) {
    if (N < 0 || static_cast<std::size_t>(N) >= ChartFX.size())
        return;
    const auto k = static_cast<std::size_t>(N);
    ChartFX[k]->setVisible(true);
    row_.Place(ChartFX[k], XCoord);
    DrawChart(N, *ChartFX[k]);
}

} // namespace strelvan
