// The profile windows' frame: loading, the three profiles, the depth/elevation switch, the
// linked zoom, the toolbar and the choice of the classification method.
#include "ui/charts/ProfileChartWindow.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "engine/charts/AxisToggle.h"
#include "engine/charts/ProfileReadings.h"
#include "engine/state/ArraySizes.h"
#include "engine/state/HistoryLists.h"
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

namespace strelvan {

namespace {
// The unit of the stresses in the windows that do not take it from the import settings.
const std::string kTsf = "ton/ft";
} // namespace

ProfileChartWindow::ProfileChartWindow(AppContext& app, const char* formName,
                                       const ProfileWindowKeys& keys, int width, bool withCPTNo,
                                       const char* elevationLabel, const char* projNumLabel)
    : Form(app, QString::fromLatin1(formName)), keys_(keys) {
    auto* central = new QWidget(this);
    ChartFX1 = ProfileChart("ChartFX1", central);
    ChartFX2 = ProfileChart("ChartFX2", central);
    ChartFX3 = ProfileChart("ChartFX3", central);

    QGridLayout* boxes = BuildProjectBoxes(central, withCPTNo, elevationLabel, projNumLabel);
    chartRow_ = new QHBoxLayout;
    chartRow_->setSpacing(6);
    for (platform::ChartFX* chart : {ChartFX1, ChartFX2, ChartFX3})
        AddChart(chart);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(boxes);
    layout->addLayout(chartRow_, 1);
    setCentralWidget(central);

    munCS = new QMenu(QStringLiteral("Classify Soil"), this);
    munCS->setObjectName("munCS");
    munSubCS = AddMethodEntries(munCS, this, [this](int16_t code) { ClassifyWith(code); });
    platform::FitToScreen(*this, {width, 780});
}

void ProfileChartWindow::UseToolbar(platform::Toolbar* toolbar) {
    Toolbar1 = toolbar;
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this,
            &ProfileChartWindow::Toolbar1_ButtonClick);
}

void ProfileChartWindow::AddChart(platform::ChartFX* chart) {
    chartRow_->addWidget(chart, 1);
    charts_.push_back(chart);
}

void ProfileChartWindow::Form_Load() {
    Declarations& decl = Decl();
    PlotCount = static_cast<int16_t>(ReadingsHeld(decl.cone));
    setWindowTitle(QStringLiteral("CPT Data -  File:  ") + Q(decl.importSettings.FileName));
    FillProjectBoxes(decl.project);
    const ReadingMaxima maxima = CleanReadings(decl.cone, decl.project);
    const ReadingMaxima kept = keys_.ownScale ? maxima : ReadingMaxima{};
    MaxQc = kept.MaxQc;
    MaxFs = kept.MaxFs;
    MaxRatio = kept.MaxRatio;

    platform::SetMousePointer(platform::MousePointer::Hourglass);
    AxisMode = 1;
    AxisModeSet();
    PlotAll();
    platform::SetMousePointer(platform::MousePointer::Default);
}

void ProfileChartWindow::Form_Unload() {
    ReturnToProjectForm(*this);
}

const std::string& ProfileChartWindow::StressUnit() const {
    return keys_.ownScale ? Decl().importSettings.UnitStr : kTsf;
}

void ProfileChartWindow::PlotAll() {
    TipPlot();
    SleevePlot();
    Ratioplot();
    PlotFurtherCharts();
}

void ProfileChartWindow::TipPlot() {
    Declarations& decl = Decl();
    decl.plot.PlotSeries = 1;
    decl.plot.PlotPoints = PlotCount;
    PlotReadingProfile(*ChartFX1, decl.cone, decl.plot, AxisMode, PlotCount,
                       TipProfile(decl.cone, StressUnit(), ProfileStep(MaxQc)));
}

// The sleeve and ratio charts take the points as the tip chart left them.
void ProfileChartWindow::SleevePlot() {
    const Declarations& decl = Decl();
    PlotReadingProfile(*ChartFX2, decl.cone, decl.plot, AxisMode, PlotCount,
                       SleeveProfile(decl.cone, StressUnit(), ProfileStep(MaxFs)));
}

void ProfileChartWindow::Ratioplot() {
    const Declarations& decl = Decl();
    PlotReadingProfile(*ChartFX3, decl.cone, decl.plot, AxisMode, PlotCount,
                       RatioProfile(decl.cone, ProfileStep(MaxRatio)));
}

void ProfileChartWindow::Toolbar1_ButtonClick(const QString& key) {
    WindowRegistry& windows = App().windows;
    if (key == "Back") {
        Unload(); // clears the instance and shows the project form again
    } else if (key == "Next" && keys_.nextOffersMethods) {
        OfferMethods(key);
    } else if (key == "Properties") {
        windows.Show("Frm_SoilFactors");
    } else if (key == "YAxis") {
        Toggle_Axis();
    } else if (key == "Zoom") {
        ZoomToggle();
    } else if (key == "Print") {
        // The charts side by side in window order.
        std::array<platform::ChartFX*, 5> row{};
        std::copy_n(charts_.begin(), std::min(charts_.size(), row.size()), row.begin());
        PrintProfiles(Decl().project, static_cast<int16_t>(charts_.size()), row[0], row[1], row[2],
                      row[3], row[4]);
    } else if (key == "Export" && keys_.exportKey) {
        windows.Show("Frm_Export");
    } else if (key == "Depth") {
        CutProfiles();
    } else if (key == "Exit") {
        ExitProgram();
    }
}

void ProfileChartWindow::ExitProgram() {
    Unload();
    if (keys_.exitReleasesHistory)
        ReleaseHistoryLists(Decl().history);
    platform::EndProgram();
}

// Every press offers the five methods, whichever was chosen before.
void ProfileChartWindow::OfferMethods(const QString& key) {
    QWidget* button = Toolbar1->widgetForAction(Toolbar1->ButtonByKey(key));
    munCS->popup(button != nullptr ? button->mapToGlobal(QPoint(0, button->height()))
                                   : mapToGlobal(QPoint(0, 0)));
}

void ProfileChartWindow::ClassifyWith(int16_t methodCode) {
    Decl().selection.MethodCode = methodCode;
    App().windows.ShowFresh("Frm_Select");
}

void ProfileChartWindow::munSubCS1_Click() {
    ClassifyWith(1);
}
void ProfileChartWindow::munSubCS2_Click() {
    ClassifyWith(2);
}
void ProfileChartWindow::munSubCS3_Click() {
    ClassifyWith(3);
}
void ProfileChartWindow::munSubCS4_Click() {
    ClassifyWith(4);
}
void ProfileChartWindow::munSubCS5_Click() {
    ClassifyWith(5);
}

void ProfileChartWindow::Toggle_Axis() {
    if (const auto refusal = ElevationToggleRefusal(Decl().project)) {
        platform::ShowMessage(*refusal, this);
        return;
    }
    // A range zoomed in one mode is no range of the other: the charts show all again.
    EndZoom();
    AxisMode = static_cast<int16_t>(-AxisMode);
    AxisModeSet();
    PlotAll();
}

QAction& ProfileChartWindow::ZoomButton() const {
    return *Toolbar1->Item(keys_.zoomPosition);
}

ProfileChartWindow::LinkedRow ProfileChartWindow::Linked() const {
    const Declarations& decl = Decl();
    LinkedRow linked;
    linked.charts = {ChartFX1, ChartFX2, ChartFX3, nullptr, nullptr};
    linked.zoom = ReadingZoomRow(decl.cone, PlotCount, AxisMode, decl.project.GroundElev);
    LinkFurtherCharts(linked.charts, linked.count, linked.zoom);
    return linked;
}

// The Zoom button holds the toggle (in its tool tip or its caption): containing "All", the
// next press makes all charts follow the one zoomed with the mouse; otherwise it returns them
// to their whole range.
void ProfileChartWindow::ZoomToggle() {
    const LinkedRow linked = Linked();
    const auto& c = linked.charts;
    PressZoomKey(linked.zoom, this, ZoomButton(), keys_.zoomState, linked.count, c[0], c[1], c[2],
                 c[3], c[4]);
}

void ProfileChartWindow::EndZoom() {
    const LinkedRow linked = Linked();
    const auto& c = linked.charts;
    strelvan::EndZoom(ZoomButton(), keys_.zoomState, linked.count, c[0], c[1], c[2], c[3], c[4]);
}

int16_t ProfileWindowAxisMode(const WindowRegistry& windows) {
    for (const char* name : {"Frm_CPTData3", "Frm_CPTData4", "Frm_CPTData5"}) {
        const auto* window =
            qobject_cast<const ProfileChartWindow*>(windows.Find(QString::fromLatin1(name)));
        if (window != nullptr && window->IsLoaded())
            return window->AxisMode;
    }
    return 1;
}

} // namespace strelvan
