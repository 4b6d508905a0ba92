#include "ui/charts/PoreProfileWindow.h"

#include <QAction>
#include <optional>

#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/Toolbar.h"
#include "ui/charts/ProfilePlot.h"
#include "ui/charts/ProfileWindowParts.h"
#include "ui/charts/ToolbarIcons.h"

namespace strelvan {

namespace {
// The Zoom button's caption holds the state of the zoom toggle. These windows keep no maxima of the
// readings, have no "Export" key, and end without releasing the history lists.
constexpr ProfileWindowKeys kKeys{.zoomState = ZoomKeyState::Caption,
                                  .ownScale = false,
                                  .nextOffersMethods = true,
                                  .exportKey = false,
                                  .exitReleasesHistory = false};
} // namespace

PoreProfileWindow::PoreProfileWindow(AppContext& app, const char* formName, int width)
    : ProfileChartWindow(app, formName, kKeys, width, false, "Elevation (ft):", "Project Number:") {
    ChartFX4 = ProfileChart("ChartFX4", centralWidget());
    AddPoreChart(ChartFX4);
    BuildToolbar();
}

void PoreProfileWindow::AddPoreChart(platform::ChartFX* chart) {
    AddChart(chart);
    poreCharts_.push_back(chart);
}

void PoreProfileWindow::BuildToolbar() {
    // The stored order: keyed buttons at the even positions 2 to 14, placeholders between;
    // those at positions 5 and 15 are twice as wide as the others.
    constexpr int kWideGap = 12;
    platform::Toolbar* toolbar = AddWindowToolbar(
        this, {{"Back", "Back      ", "Back to previous form", ToolIcon::Back},
               {"Next", "Classify Soil   ", "Select Classification Method  ", ToolIcon::Next},
               {"Properties", "Soil Properties", "", std::nullopt, kWideGap},
               {"YAxis", "Depth/Elevation", "Toggle between Depth/Elevation in Y Axis",
                ToolIcon::DepthElevation},
               {"Zoom", "Zoom All     ", "Print all graphs", ToolIcon::Zoom},
               {"Print", "Print All     ", "", ToolIcon::Print},
               {"Exit", "Exit           ", "Exit the program", ToolIcon::Exit}});
    toolbar->AddPlaceholder(kWideGap);
    UseToolbar(toolbar);
}

void PoreProfileWindow::PlotFurtherCharts() {
    for (std::size_t k = 0; k < poreCharts_.size(); ++k)
        PlotPoreChart(k);
}

void PoreProfileWindow::Pore1Plot() {
    PlotPoreChart(0);
}

void PoreProfileWindow::PlotPoreChart(std::size_t k) {
    const PoreChart pore = PoreChartAt(k);
    Row().Plot(*poreCharts_[k],
               {ReadingSeries(Decl().cone, pore.column, PlotCount, AxisMode()),
                PoreLook(pore.kind, StressUnit())},
               pore.zoomPlace);
}

} // namespace strelvan
