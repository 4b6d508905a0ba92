// The result windows' frame: loading and classifying, drawing each chart, and where the
// toolbar's keys lead.
#include "ui/results/ResultWindow.h"

#include <QAction>
#include <algorithm>

#include "engine/classification/LayerClassification.h"
#include "engine/classification/Methods.h"
#include "engine/state/HistoryLists.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/LineControl.h"
#include "platform/Program.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/GridSetUp.h"
#include "ui/results/ConeProfilePlot.h"
#include "ui/results/Frm_Manual.h"

namespace strelvan {

void ResultWindow::Form_Load() {
    Declarations& decl = Decl();
    setWindowTitle(member_.captionPrefix + Q(decl.importSettings.FileName));
    for (std::size_t k = 0; k < LegendLines.size() && k < member_.legend.size(); ++k)
        LegendLines[k]->BorderColor(member_.legend[k].Color());
    ResetToolbar();
    Row().SetAxisMode(1);
    DrawnAxisMode = 1;
    Form_Resize();
    // Manual layers come back to a window that has classified this grid already: the grid,
    // the types and the manual layers stay as they are.
    ManualOnShow = ShowsManualLayers();
    if (ManualOnShow) {
        SelectChart();
        return;
    }
    // A sounding that cannot be laid on the grid has nothing to show: the user is told why,
    // and the window does not open empty.
    if (!LaySoundingOnGrid(*this).ok)
        return;
    // The probabilistic and fuzzy methods grade the layers as averaged, the charts the cleaned
    // ones.
    const MethodRow& method = RowOf(member_.method);
    if (method.classifiesAveragedLayers)
        Unclassified = method.classify(decl.grid, decl.results);
    CleanGridLayers(decl.grid, decl.project.GroundElev);
    if (!method.classifiesAveragedLayers)
        Unclassified = method.classify(decl.grid, decl.results);
    SelectChart();
    platform::SetMousePointer(platform::MousePointer::Default);
}

bool ResultWindow::ShowsManualLayers() const {
    const Declarations& decl = Decl();
    return decl.selection.ManualFlag && member_.keepsManualLayers &&
           ManualGrid == decl.grid.Generation;
}

bool ResultWindow::HoldsHandSetLayers() const {
    return IsLoaded() && ManualOnShow;
}

void ResultWindow::PrepareChartOrder(std::string& order) {
    if (ShowsManualLayers())
        UseManualLayerText(order);
}

void ResultWindow::DrawChart(int16_t N, platform::ChartFX& chart) {
    Declarations& decl = Decl();
    if (N >= 3) {
        if (QAction* manual = Toolbar1->ButtonByKey(QStringLiteral("Next")))
            manual->setEnabled(true);
        // After a toggle the soil-type and text charts keep their drawing: they stand
        // against depth whatever the profiles show.
        if (DrawnAxisMode != AxisMode())
            return;
    }
    switch (N) {
    case 0:
    case 1:
    case 2:
        Row().Plot(chart, *LayerProfile(N, decl.grid, AxisMode()), static_cast<ZoomChart>(N + 1));
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

void ResultWindow::BackKey() {
    Unload();
    App().windows.ShowFresh(QStringLiteral("Frm_Select"), this);
}

void ResultWindow::NextKey() {
    auto* editor = qobject_cast<Frm_Manual*>(App().windows.Instance(Frm_Manual::kFormName));
    if (editor != nullptr)
        editor->OpenFor(*this);
}

void ResultWindow::ExitKey() {
    ReleaseHistoryLists(Decl().history);
    platform::EndProgram();
}

void ResultWindow::AxisSwitched(int16_t from) {
    DrawnAxisMode = from;
}

} // namespace strelvan
