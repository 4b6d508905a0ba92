// The probability window: loading and classifying, the side-by-side charts, the probability
// chart, the toolbar and the depth/elevation toggle.
#include "ui/results/Frm_Tumay01.h"

#include <QAction>

#include "engine/charts/AxisToggle.h"
#include "engine/classification/LayerClassification.h"
#include "engine/classification/SoilProbability.h"
#include "engine/classification/UnclassifiedLayers.h"
#include "engine/state/HistoryLists.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/results/ConeProfilePlot.h"
#include "ui/results/DepthCurveChart.h"
#include "ui/results/ResultGrid.h"

namespace strelvan {

void Frm_Tumay01::Form_Load() {
    Declarations& decl = Decl();
    setWindowTitle(QStringLiteral(" Classification using: Zhang & Tumay (1999) - File: ") +
                   Q(decl.importSettings.FileName));
    // A sounding without a ground elevation shows none, not that of an earlier sounding.
    FillProjectBoxes(decl.project);
    RestoreCaptions(*Toolbar1, ToolbarButtons());
    if (!LaySoundingOnGrid(*this))
        return;
    // The classifier takes the friction ratio as averaged and raises qc and clears fs
    // itself; the window then only caps the ratio and works out the elevations.
    const int unclassified = SoilProbability(decl.grid, decl.results);
    decl.plot.AxisMode = 1;
    UpdateRatioAndElevation(decl.grid, decl.project.GroundElev);
    Form_Resize();
    SelectChart();
    platform::SetMousePointer(platform::MousePointer::Default);
    if (const auto message = UnclassifiedLayersMessage(unclassified, IndexGrades::Probabilities))
        platform::ShowMessage(*message, this);
}

void Frm_Tumay01::SelectChart() {
    const ChartLayout layout =
        ShowChartsInOrder(Decl().selection.ChartOrder, ChartWidth, kProbabilitySlotOffsets, ChartFX,
                          ChartSlot, [this](int16_t k, int32_t left) { ShowChart(k, left); });
    ChartCount = layout.ChartCount;
    ArrangeChartRow(*this, *chartRow_, ChartFX, ChartLeft, ChartWidth, layout);
}

void Frm_Tumay01::ShowChart(int16_t N, int32_t XCoord) {
    if (N < 0 || N >= kCharts)
        return;
    platform::ChartFX& chart = *ChartFX[static_cast<std::size_t>(N)];
    chart.setVisible(true);
    ChartLeft[static_cast<std::size_t>(N)] = XCoord;
    // Every chart on show is drawn again: the profiles in the axis mode in force, the
    // probabilities always against depth.
    if (N >= 3)
        SoilPlot(chart);
    else
        ConeProfilePlot(N, chart, Decl().grid, Decl().plot, 0);
}

void Frm_Tumay01::SoilPlot(platform::ChartFX& ChartSoil) {
    Declarations& decl = Decl();
    const ClassResults& r = decl.results;
    DepthCurveChart chart;
    chart.title = QStringLiteral(" Probability of Soil Types - Zhang&Tumay'99");
    chart.legends = {QStringLiteral("% Sand"), QStringLiteral("% Silt"), QStringLiteral("% Clay")};
    chart.curves = {&r.ProbSand, &r.ProbSilt, &r.ProbClay};
    chart.legendOption = false;
    chart.setting7 = 50;
    chart.setting5 = 5;
    chart.valueAxis = 0;
    chart.valueMax = 100;
    DrawDepthCurves(ChartSoil, decl.grid, decl.plot, chart, platform::TwipsPerPixelY());
}

void Frm_Tumay01::Toolbar1_ButtonClick(const QString& key) {
    WindowRegistry& windows = App().windows;
    if (key == "Back") {
        Unload();
        if (windows.Find(FormName()) == this)
            windows.Release(FormName());
        windows.Show(QStringLiteral("Frm_Select"));
    } else if (key == "YAxis") {
        Toggle_Axis();
    } else if (key == "Zoom") {
        if (QAction* zoom = Toolbar1->ButtonByKey(QStringLiteral("Zoom")))
            ZoomProfiles(this, Decl(), *zoom, ChartFX[0], ChartFX[1], ChartFX[2]);
    } else if (key == "Print") {
        PrintAll();
    } else if (key == "Export") {
        windows.Show(QStringLiteral("Frm_Export"));
    } else if (key == "Exit") {
        ExitProgram();
    }
}

void Frm_Tumay01::Toggle_Axis() {
    Declarations& decl = Decl();
    if (const auto refusal = ElevationToggleRefusal(decl.project)) {
        platform::ShowMessage(*refusal, this);
        return;
    }
    decl.plot.AxisMode = static_cast<int16_t>(-decl.plot.AxisMode);
    SelectChart();
}

void Frm_Tumay01::PrintAll() {
    // Every chart shows its legend box, on the page and on screen from now on.
    for (platform::ChartFX* chart : ChartFX)
        ShowLegendBox(*chart, platform::TwipsPerPixelY());
    PrintChartSlots(Decl().project, ChartCount, ChartSlot, ChartFX);
}

void Frm_Tumay01::ExitProgram() {
    ReleaseHistoryLists(Decl().history);
    WindowRegistry& windows = App().windows;
    const char* const names[] = {kFormName, "Frm_CPTData3", "Frm_CPTData4", "Frm_CPTData5"};
    for (const char* name : names)
        windows.Unload(QString::fromLatin1(name));
    for (const char* name : names)
        windows.Release(QString::fromLatin1(name));
    platform::EndProgram();
}

} // namespace strelvan
