// The result windows' frame: loading and classifying, the side-by-side charts, the toolbar
// and the depth/elevation toggle.
#include "ui/results/ResultWindow.h"

#include <QAction>
#include <algorithm>

#include "engine/charts/AxisToggle.h"
#include "engine/classification/LayerClassification.h"
#include "engine/state/HistoryLists.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/LineControl.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/results/ChartRow.h"
#include "ui/results/ConeProfilePlot.h"
#include "ui/results/ResultGrid.h"

namespace strelvan {

void ResultWindow::Form_Load() {
    Declarations& decl = Decl();
    setWindowTitle(member_.captionPrefix + Q(decl.importSettings.FileName));
    for (std::size_t k = 0; k < LegendLines.size() && k < member_.legend.size(); ++k)
        LegendLines[k]->BorderColor(member_.legend[k].Color());
    ResetToolbar();
    decl.plot.AxisMode = 1;
    DrawnAxisMode = 1;
    Form_Resize();
    // Manual layers come back to a window that has classified already: the grid, the types
    // and the manual layers stay as they are.
    if (decl.selection.ManualFlag && member_.keepsManualLayers) {
        SelectChart();
        return;
    }
    // A sounding that cannot be laid on the grid has nothing to show: the user is told why,
    // and the window does not open empty.
    if (!LaySoundingOnGrid(*this))
        return;
    ClassifyAveragedLayers();
    CleanGridLayers(decl.grid, decl.project.GroundElev);
    ClassifyLayers();
    SelectChart();
    platform::SetMousePointer(platform::MousePointer::Default);
}

void ResultWindow::SelectChart() {
    ChartSelection& selection = Decl().selection;
    if (selection.ManualFlag)
        UseManualLayerText(selection.ChartOrder);
    const ChartLayout layout =
        ShowChartsInOrder(selection.ChartOrder, ChartWidth, kFamilySlotOffsets, ChartFX, ChartSlot,
                          [this](int16_t k, int32_t left) { ShowChart(k, left); });
    ChartCount = layout.ChartCount;
    ArrangeChartRow(*this, *chartRow_, ChartFX, ChartLeft, ChartWidth, layout);
}

void ResultWindow::ShowChart(int16_t N, int32_t XCoord) {
    if (N < 0 || N >= kCharts)
        return;
    platform::ChartFX& chart = *ChartFX[static_cast<std::size_t>(N)];
    chart.setVisible(true);
    ChartLeft[static_cast<std::size_t>(N)] = XCoord;
    Declarations& decl = Decl();
    if (N >= 3) {
        if (QAction* manual = Toolbar1->ButtonByKey(QStringLiteral("Next")))
            manual->setEnabled(true);
        // After a toggle the soil-type and text charts keep their drawing: they stand
        // against depth whatever the profiles show.
        if (DrawnAxisMode != decl.plot.AxisMode)
            return;
    }
    switch (N) {
    case 0:
    case 1:
    case 2:
        ConeProfilePlot(N, chart, decl.grid, decl.plot, 0);
        break;
    case 3:
        SoilPlot(chart);
        break;
    case 4:
        SoilText(chart);
        break;
    case 5:
        ManualText(chart);
        break;
    default:
        break;
    }
}

void ResultWindow::Toolbar1_ButtonClick(const QString& key) {
    WindowRegistry& windows = App().windows;
    if (key == "Back") {
        Unload();
        windows.Show("Frm_Select");
    } else if (key == "Next") {
        windows.Show("Frm_Manual");
    } else if (key == "YAxis") {
        Toggle_Axis();
    } else if (key == "Zoom") {
        ZoomToggle();
    } else if (key == "Print") {
        PrintCharts();
    } else if (key == "Export") {
        windows.Show("Frm_Export");
    } else if (key == "Exit") {
        ReleaseHistoryLists(Decl().history);
        platform::EndProgram();
    }
}

void ResultWindow::PrintCharts() {
    PrintChartSlots(Decl().project, ChartCount, ChartSlot, ChartFX);
}

void ResultWindow::ZoomToggle() {
    if (QAction* zoom = Toolbar1->ButtonByKey(QStringLiteral("Zoom")))
        ZoomProfiles(this, Decl(), *zoom, ChartFX[0], ChartFX[1], ChartFX[2]);
}

void ResultWindow::Toggle_Axis() {
    Declarations& decl = Decl();
    if (const auto refusal = ElevationToggleRefusal(decl.project)) {
        platform::ShowMessage(*refusal, this);
        return;
    }
    DrawnAxisMode = decl.plot.AxisMode;
    decl.plot.AxisMode = static_cast<int16_t>(-decl.plot.AxisMode);
    SelectChart();
}

} // namespace strelvan
