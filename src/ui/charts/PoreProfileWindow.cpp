#include "ui/charts/PoreProfileWindow.h"

#include <QAction>
#include <algorithm>
#include <optional>

#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/Toolbar.h"
#include "ui/charts/ProfileWindowParts.h"
#include "ui/charts/ReadingProfile.h"
#include "ui/charts/ToolbarIcons.h"

namespace strelvan {

namespace {
// The Zoom button stands at position 10 of the toolbar (placeholders count); its caption holds
// the state of the zoom toggle. These windows keep no maxima of the readings, have no
// "Export" key, and end without releasing the history lists.
constexpr ProfileWindowKeys kKeys{.zoomPosition = 10,
                                  .zoomState = ZoomKeyState::Caption,
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
    Declarations& decl = Decl();
    const PoreChart pore = PoreChartAt(k);
    decl.plot.PlotSeries = 1;
    decl.plot.PlotPoints = PlotCount;
    PlotReadingProfile(*poreCharts_[k], decl.cone, decl.plot, AxisMode, PlotCount,
                       PoreProfile(pore.kind, pore.column, StressUnit()));
}

void PoreProfileWindow::LinkFurtherCharts(std::array<platform::ChartFX*, 5>& charts, int16_t& count,
                                          ZoomRow& row) const {
    for (std::size_t k = 0; k < poreCharts_.size(); ++k) {
        const PoreChart pore = PoreChartAt(k);
        charts[static_cast<std::size_t>(pore.zoomPlace) - 1] = poreCharts_[k];
        row.at(pore.zoomPlace) = ReadingZoomProfile(Decl().cone, pore.column, PlotCount, AxisMode);
        count = std::max<int16_t>(count, static_cast<int16_t>(pore.zoomPlace));
    }
}

} // namespace strelvan
