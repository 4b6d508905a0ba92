// The result windows' common frame: the row of charts, the toolbar's keys, the
// depth/elevation toggle, the linked zoom and the printed page.
#include "ui/results/ResultChartWindow.h"

#include <QAction>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "engine/charts/AxisToggle.h"
#include "platform/AppContext.h"
#include "platform/MessageBox.h"
#include "platform/Toolbar.h"
#include "ui/charts/ZoomCharts.h"
#include "ui/results/ConeProfilePlot.h"

namespace strelvan {

ResultChartWindow::ResultChartWindow(AppContext& app, const QString& formName, std::size_t charts,
                                     const SlotOffsets& offsets,
                                     std::span<const ResultToolbarButton> toolbar)
    : Form(app, formName), ChartFX(charts, nullptr), ChartLeft(charts, 0), offsets_(offsets),
      toolbar_(toolbar) {}

void ResultChartWindow::AddChartRow(QVBoxLayout& column,
                                    const std::function<platform::ChartLook(int chart)>& look) {
    chartRow_ = strelvan::AddChartRow(column, ChartFX, look);
}

void ResultChartWindow::ArrangeFirstCharts() {
    ArrangeFirstFour(*this, *chartRow_, ChartFX, ChartLeft, offsets_);
}

void ResultChartWindow::AddToolbar() {
    Toolbar1 = AddResultToolbar(this, toolbar_);
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this,
            &ResultChartWindow::Toolbar1_ButtonClick);
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
    }
}

void ResultChartWindow::SelectChart() {
    std::string& order = Decl().selection.ChartOrder;
    PrepareChartOrder(order);
    const ChartLayout layout =
        ShowChartsInOrder(order, ChartWidth, offsets_, ChartFX, ChartSlot,
                          [this](int16_t k, int32_t left) { ShowChart(k, left); });
    ChartCount = layout.ChartCount;
    ArrangeChartRow(*this, *chartRow_, ChartFX, ChartLeft, ChartWidth, layout);
}

void ResultChartWindow::ShowChart(int16_t N, int32_t XCoord) {
    if (N < 0 || static_cast<std::size_t>(N) >= ChartFX.size())
        return;
    const auto k = static_cast<std::size_t>(N);
    ChartFX[k]->setVisible(true);
    ChartLeft[k] = XCoord;
    DrawChart(N, *ChartFX[k]);
}

void ResultChartWindow::Toolbar1_ButtonClick(const QString& key) {
    if (key == "Back") {
        BackKey();
    } else if (key == "Next") {
        NextKey();
    } else if (key == "YAxis") {
        Toggle_Axis();
    } else if (key == "Zoom") {
        ZoomToggle();
    } else if (key == "Print") {
        PrintCharts();
    } else if (key == "Export") {
        App().windows.Show(QStringLiteral("Frm_Export"));
    } else if (key == "Exit") {
        ExitKey();
    }
}

void ResultChartWindow::Toggle_Axis() {
    if (const auto refusal = ElevationToggleRefusal(Decl().project)) {
        platform::ShowMessage(*refusal, this);
        return;
    }
    // A range zoomed in one mode is no range of the other: the profiles show all again.
    EndZoom();
    BeforeToggle();
    AxisMode = static_cast<int16_t>(-AxisMode);
    SelectChart();
}

// The Zoom button's caption holds the toggle: while it holds "All", every profile follows the
// one zoomed with the mouse, their value axes cut to what the layers on show reach; after that
// all go back to their whole range.
void ResultChartWindow::ZoomToggle() {
    const Declarations& decl = Decl();
    if (QAction* zoom = Toolbar1->ButtonByKey(QStringLiteral("Zoom")))
        PressZoomKey(LayerZoomRow(decl.grid, AxisMode, decl.project.GroundElev), this, *zoom,
                     ZoomKeyState::Caption, 3, ChartFX[0], ChartFX[1], ChartFX[2]);
}

void ResultChartWindow::EndZoom() {
    if (QAction* zoom = Toolbar1->ButtonByKey(QStringLiteral("Zoom")))
        strelvan::EndZoom(*zoom, ZoomKeyState::Caption, 3, ChartFX[0], ChartFX[1], ChartFX[2]);
}

void ResultChartWindow::PrintCharts() {
    PrintPage([this] { PrintChartsOnShow(Decl().project, ChartFX, ChartLeft); });
}

} // namespace strelvan
