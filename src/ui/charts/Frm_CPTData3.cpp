#include "ui/charts/Frm_CPTData3.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
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
#include "ui/charts/ToolbarIcons.h"
#include "ui/charts/ZoomCharts.h"

namespace strelvan {

namespace {
// The Zoom button's position in the toolbar (placeholders count); its tool tip holds the
// state of the zoom toggle.
constexpr int kZoomPosition = 6;
} // namespace

Frm_CPTData3::Frm_CPTData3(AppContext& app) : Form(app, kFormName) {
    auto* central = new QWidget(this);
    ChartFX1 = ProfileChart("ChartFX1", central);
    ChartFX2 = ProfileChart("ChartFX2", central);
    ChartFX3 = ProfileChart("ChartFX3", central);

    QGridLayout* boxes = BuildProjectBoxes(central, true);
    auto* charts = new QHBoxLayout;
    charts->setSpacing(6);
    for (platform::ChartFX* chart : {ChartFX1, ChartFX2, ChartFX3})
        charts->addWidget(chart, 1);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(boxes);
    layout->addLayout(charts, 1);
    setCentralWidget(central);

    BuildToolbar();
    munCS = menuBar()->addMenu(QStringLiteral("Classify Soil"));
    munCS->setObjectName("munCS");
    munSubCS = AddMethodEntries(munCS, this, [this](int16_t code) {
        void (Frm_CPTData3::*const handlers[5])() = {
            &Frm_CPTData3::munSubCS1_Click, &Frm_CPTData3::munSubCS2_Click,
            &Frm_CPTData3::munSubCS3_Click, &Frm_CPTData3::munSubCS4_Click,
            &Frm_CPTData3::munSubCS5_Click};
        (this->*handlers[code - 1])();
    });
    platform::FitToScreen(*this, {1100, 780});
}

void Frm_CPTData3::BuildToolbar() {
    // The stored order: keyed buttons at the even positions 2 to 14, placeholders between.
    Toolbar1 = AddWindowToolbar(
        this, {{"Back", "   ", "Back to previous form", ToolIcon::Back},
               {"YAxis", "", "Toggle between Depth/Elevation in Y Axis", ToolIcon::DepthElevation},
               {"Zoom", "  ", "Zoom all graphs", ToolIcon::Zoom},
               {"Print", "  ", "Print All   ", ToolIcon::Print},
               {"Export", "    ", "Export. Change the default printer driver", ToolIcon::Export},
               {"Exit", "       ", "Exit the program", ToolIcon::Exit}});
    Toolbar1->AddPlaceholder();
    Toolbar1->AddButton("Depth", "Depth");
    Combo1 = new QComboBox(Toolbar1);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setFixedWidth(80);
    Toolbar1->AddControl(Combo1);
    for (int k = 15; k <= 17; ++k)
        Toolbar1->AddPlaceholder();
    // The road to the soil properties.
    Toolbar1->AddButton("Properties", "Soil Properties");
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this, &Frm_CPTData3::Toolbar1_ButtonClick);
}

void Frm_CPTData3::Form_Load() {
    Declarations& decl = Decl();
    const ProjectInfo& project = decl.project;
    PlotCount = static_cast<int16_t>(ReadingsHeld(decl.cone));
    MaxQc = MaxFs = MaxRatio = 0;
    FillDepthList(1); // the depths: the axis mode is set to depth below
    setWindowTitle(QStringLiteral("CPT Data -  File:  ") + Q(decl.importSettings.FileName));
    FillProjectBoxes(project);

    const ReadingMaxima maxima = CleanReadings(decl.cone, project);
    MaxQc = maxima.MaxQc;
    MaxFs = maxima.MaxFs;
    MaxRatio = maxima.MaxRatio;

    platform::SetMousePointer(platform::MousePointer::Hourglass);
    decl.plot.AxisMode = 1;
    PlotAll();
    platform::SetMousePointer(platform::MousePointer::Default);
}

void Frm_CPTData3::Form_Unload() {
    ReturnToProjectForm(*this);
}

void Frm_CPTData3::FillDepthList(int16_t axisMode) {
    const Declarations& decl = Decl();
    Combo1->clear();
    for (const std::string& item : DepthList(decl.cone, decl.project, axisMode))
        Combo1->addItem(Q(item));
    Combo1->setCurrentIndex(-1); // the list offers; the text stays empty
    Combo1->clearEditText();
}

void Frm_CPTData3::PlotAll() {
    TipPlot();
    SleevePlot();
    Ratioplot();
}

void Frm_CPTData3::TipPlot() {
    Declarations& decl = Decl();
    decl.plot.PlotSeries = 1;
    decl.plot.PlotPoints = PlotCount;
    PlotReadingProfile(*ChartFX1, decl.cone, decl.plot, PlotCount,
                       TipProfile(decl.cone, decl.importSettings.UnitStr, ProfileStep(MaxQc)));
}

void Frm_CPTData3::SleevePlot() {
    const Declarations& decl = Decl();
    PlotReadingProfile(*ChartFX2, decl.cone, decl.plot, PlotCount,
                       SleeveProfile(decl.cone, decl.importSettings.UnitStr, ProfileStep(MaxFs)));
}

void Frm_CPTData3::Ratioplot() {
    const Declarations& decl = Decl();
    PlotReadingProfile(*ChartFX3, decl.cone, decl.plot, PlotCount,
                       RatioProfile(decl.cone, ProfileStep(MaxRatio)));
}

void Frm_CPTData3::Toolbar1_ButtonClick(const QString& key) {
    WindowRegistry& windows = App().windows;
    if (key == "Back") {
        Unload(); // clears the instance and shows the project form again
    } else if (key == "Properties") {
        windows.Show("Frm_SoilFactors");
    } else if (key == "YAxis") {
        Toggle_Axis();
    } else if (key == "Print") {
        PrintProfiles(Decl().project, 3, ChartFX1, ChartFX2, ChartFX3, nullptr, nullptr);
    } else if (key == "Export") {
        windows.Show("Frm_Export");
    } else if (key == "Depth") {
        CutProfiles();
    } else if (key == "Zoom") {
        ZoomToggle();
    } else if (key == "Exit") {
        Unload();
        ReleaseHistoryLists(Decl().history);
        platform::EndProgram();
    }
}

void Frm_CPTData3::ClassifyWith(int16_t methodCode) {
    Decl().selection.MethodCode = methodCode;
    App().windows.ShowFresh("Frm_Select");
}

void Frm_CPTData3::munSubCS1_Click() {
    ClassifyWith(1);
}
void Frm_CPTData3::munSubCS2_Click() {
    ClassifyWith(2);
}
void Frm_CPTData3::munSubCS3_Click() {
    ClassifyWith(3);
}
void Frm_CPTData3::munSubCS4_Click() {
    ClassifyWith(4);
}
void Frm_CPTData3::munSubCS5_Click() {
    ClassifyWith(5);
}

void Frm_CPTData3::Toggle_Axis() {
    Declarations& decl = Decl();
    if (const auto refusal = ElevationToggleRefusal(decl.project)) {
        platform::ShowMessage(*refusal, this);
        return;
    }
    decl.plot.AxisMode = static_cast<int16_t>(-decl.plot.AxisMode);
    FillDepthList(decl.plot.AxisMode);
    PlotAll();
}

// The Zoom button's tool tip holds the toggle: containing "All", the next press makes all
// charts follow the one zoomed with the mouse; otherwise it returns them to their whole range.
void Frm_CPTData3::ZoomToggle() {
    PressZoomKey(Decl(), this, *Toolbar1->Item(kZoomPosition), ZoomKeyState::ToolTip, 3, ChartFX1,
                 ChartFX2, ChartFX3);
}

void Frm_CPTData3::CutProfiles() {
    const Declarations& decl = Decl();
    const DepthCut cut = CutAtDepth(decl.cone, decl.plot.AxisMode, S(Combo1->currentText()));
    if (cut.error) {
        platform::ShowMessage(*cut.error, this);
        return;
    }
    Combo1->setEditText(Q(cut.text));
    if (cut.plotCount)
        PlotCount = *cut.plotCount;
    PlotAll();
}

} // namespace strelvan
