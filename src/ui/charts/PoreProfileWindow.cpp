#include "ui/charts/PoreProfileWindow.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "engine/charts/AxisToggle.h"
#include "engine/charts/ChartChoice.h"
#include "engine/charts/ProfileReadings.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/PrintProfiles.h"
#include "ui/charts/ProfileWindowParts.h"
#include "ui/charts/ReadingProfile.h"
#include "ui/charts/ToolbarIcons.h"
#include "ui/charts/ZoomCharts.h"

namespace strelvan {

namespace {
// The unit of the stresses, fixed in these windows.
const std::string kTsf = "ton/ft";
// The Zoom button's position in the toolbar (placeholders count); its caption holds the
// state of the zoom toggle.
constexpr int kZoomPosition = 10;
} // namespace

PoreProfileWindow::PoreProfileWindow(AppContext& app, const char* formName, int width)
    : Form(app, QString::fromLatin1(formName)) {
    auto* central = new QWidget(this);
    ChartFX1 = ProfileChart("ChartFX1", central);
    ChartFX2 = ProfileChart("ChartFX2", central);
    ChartFX3 = ProfileChart("ChartFX3", central);
    ChartFX4 = ProfileChart("ChartFX4", central);

    QGridLayout* boxes = BuildProjectBoxes(central, false, "Elevation (ft):", "Project Number:");
    chartRow_ = new QHBoxLayout;
    chartRow_->setSpacing(6);
    for (platform::ChartFX* chart : {ChartFX1, ChartFX2, ChartFX3})
        chartRow_->addWidget(chart, 1);
    AddPoreChart(ChartFX4);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(boxes);
    layout->addLayout(chartRow_, 1);
    setCentralWidget(central);

    BuildToolbar();
    munCS = new QMenu(QStringLiteral("Classify Soil"), this);
    munCS->setObjectName("munCS");
    munSubCS = AddMethodEntries(munCS, this, [this](int16_t code) { ClassifyWith(code); });
    platform::FitToScreen(*this, {width, 780});
}

void PoreProfileWindow::AddPoreChart(platform::ChartFX* chart) {
    chartRow_->addWidget(chart, 1);
    poreCharts_.push_back(chart);
}

void PoreProfileWindow::BuildToolbar() {
    // The stored order: keyed buttons at the even positions 2 to 14, placeholders between;
    // those at positions 5 and 15 are twice as wide as the others.
    constexpr int kWideGap = 12;
    Toolbar1 = AddWindowToolbar(
        this, {{"Back", "Back      ", "Back to previous form", ToolIcon::Back},
               {"Next", "Classify Soil   ", "Select Classification Method  ", ToolIcon::Next},
               {"Properties", "Soil Properties", "", std::nullopt, kWideGap},
               {"YAxis", "Depth/Elevation", "Toggle between Depth/Elevation in Y Axis",
                ToolIcon::DepthElevation},
               {"Zoom", "Zoom All     ", "Print all graphs", ToolIcon::Zoom},
               {"Print", "Print All     ", "", ToolIcon::Print},
               {"Exit", "Exit           ", "Exit the program", ToolIcon::Exit}});
    Toolbar1->AddPlaceholder(kWideGap);
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this,
            &PoreProfileWindow::Toolbar1_ButtonClick);
}

void PoreProfileWindow::Form_Load() {
    Declarations& decl = Decl();
    setWindowTitle(QStringLiteral("CPT Data -  File:  ") + Q(decl.importSettings.FileName));
    FillProjectBoxes(decl.project);
    CleanReadings(decl.cone, decl.project); // these windows keep no maxima

    platform::SetMousePointer(platform::MousePointer::Hourglass);
    decl.plot.AxisMode = 1;
    PlotAll();
    platform::SetMousePointer(platform::MousePointer::Default);
}

void PoreProfileWindow::Form_Unload() {
    ReturnToProjectForm(*this);
}

void PoreProfileWindow::PlotAll() {
    TipPlot();
    SleevePlot();
    Ratioplot();
    PlotPores();
}

void PoreProfileWindow::TipPlot() {
    Declarations& decl = Decl();
    decl.plot.PlotSeries = 1;
    decl.plot.PlotPoints = decl.cone.NumPoints;
    PlotReadingProfile(*ChartFX1, decl.cone, decl.plot, decl.cone.NumPoints,
                       TipProfile(decl.cone, kTsf));
}

// The sleeve and ratio charts take the points as the tip chart left them.
void PoreProfileWindow::SleevePlot() {
    const Declarations& decl = Decl();
    PlotReadingProfile(*ChartFX2, decl.cone, decl.plot, decl.plot.PlotPoints,
                       SleeveProfile(decl.cone, kTsf));
}

void PoreProfileWindow::Ratioplot() {
    const Declarations& decl = Decl();
    PlotReadingProfile(*ChartFX3, decl.cone, decl.plot, decl.plot.PlotPoints,
                       RatioProfile(decl.cone));
}

void PoreProfileWindow::PlotPores() {
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
    decl.plot.PlotPoints = decl.cone.NumPoints;
    PlotReadingProfile(*poreCharts_[k], decl.cone, decl.plot, decl.cone.NumPoints,
                       PoreProfile(pore.kind, pore.column, kTsf));
}

void PoreProfileWindow::Toolbar1_ButtonClick(const QString& key) {
    WindowRegistry& windows = App().windows;
    if (key == "Back") {
        Unload(); // clears the instance and shows the project form again
    } else if (key == "Next") {
        ClassifySoil();
    } else if (key == "Properties") {
        windows.Show("Frm_SoilFactors");
    } else if (key == "YAxis") {
        Toggle_Axis();
    } else if (key == "Zoom") {
        ZoomToggle();
    } else if (key == "Print") {
        // Tip, sleeve, ratio and the pore-pressure charts side by side.
        platform::ChartFX* chart5 = poreCharts_.size() > 1 ? poreCharts_[1] : nullptr;
        PrintProfiles(Decl().project, static_cast<int16_t>(3 + poreCharts_.size()), ChartFX1,
                      ChartFX2, ChartFX3, ChartFX4, chart5);
    } else if (key == "Exit") {
        Unload();
        platform::EndProgram();
    }
}

void PoreProfileWindow::ClassifySoil() {
    // The selection window accepts charts only for a method; without one the user could
    // not go on, so the methods are offered first, as the Classify Soil menu of the window
    // without pore-pressure columns offers them.
    if (!ResultWindowsFor(Decl().selection.MethodCode).shown.empty()) {
        App().windows.ShowFresh("Frm_Select");
        return;
    }
    QWidget* next = Toolbar1->widgetForAction(Toolbar1->ButtonByKey("Next"));
    munCS->popup(next != nullptr ? next->mapToGlobal(QPoint(0, next->height()))
                                 : mapToGlobal(QPoint(0, 0)));
}

void PoreProfileWindow::ClassifyWith(int16_t methodCode) {
    Decl().selection.MethodCode = methodCode;
    App().windows.ShowFresh("Frm_Select");
}

void PoreProfileWindow::Toggle_Axis() {
    Declarations& decl = Decl();
    if (const auto refusal = ElevationToggleRefusal(decl.project)) {
        platform::ShowMessage(*refusal, this);
        return;
    }
    decl.plot.AxisMode = static_cast<int16_t>(-decl.plot.AxisMode);
    PlotAll();
}

// The Zoom button's caption holds the toggle. Each pore-pressure chart takes the place in
// the row of linked charts of the readings it shows, which fixes the maximum its value axis
// is zoomed to: the one chart of Frm_CPTData4 showing the column of PoreType2 stands fifth.
void PoreProfileWindow::ZoomToggle() {
    std::array<platform::ChartFX*, 5> row{ChartFX1, ChartFX2, ChartFX3, nullptr, nullptr};
    int16_t count = 3;
    for (std::size_t k = 0; k < poreCharts_.size(); ++k) {
        const int place = static_cast<int>(PoreChartAt(k).zoomPlace);
        row[static_cast<std::size_t>(place - 1)] = poreCharts_[k];
        count = std::max<int16_t>(count, static_cast<int16_t>(place));
    }
    PressZoomKey(Decl(), this, *Toolbar1->Item(kZoomPosition), ZoomKeyState::Caption, count, row[0],
                 row[1], row[2], row[3], row[4]);
}

} // namespace strelvan
