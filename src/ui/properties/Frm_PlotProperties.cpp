#include "ui/properties/Frm_PlotProperties.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/properties/PropertyChoice.h"
#include "engine/state/ArraySizes.h"
#include "engine/state/HistoryLists.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/PrintProfiles.h"
#include "ui/charts/ProfileChartWindow.h"
#include "ui/charts/ReadingProfile.h"
#include "ui/charts/ToolbarIcons.h"

namespace strelvan {

namespace {
constexpr int32_t kRed = 0x0000FF;
// The profiles of this window always name ton/ft².
const std::string kTsf = "ton/ft";

// The profiles of this window show every reading of the sounding.
int32_t AllReadings(const ConeData& cone) {
    return ReadingsHeld(cone);
}
} // namespace

Frm_PlotProperties::Frm_PlotProperties(AppContext& app) : Form(app, kFormName) {
    setWindowTitle(QStringLiteral("Soil Properties"));
    auto* central = new QWidget(this);

    QGridLayout* boxes = BuildProjectBoxes(central, false);
    auto* charts = new QHBoxLayout;
    charts->setSpacing(6);
    for (std::size_t i = 0; i < ChartFX1.size(); ++i) {
        ChartFX1[i] = new platform::ChartFX(platform::ChartLook::Profile, central);
        ChartFX1[i]->setObjectName(QStringLiteral("ChartFX1(%1)").arg(i));
        charts->addWidget(ChartFX1[i], 1);
    }
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(boxes);
    layout->addLayout(charts, 1);
    setCentralWidget(central);
    BuildToolbar();
    platform::FitToScreen(*this, {1200, 780});
}

void Frm_PlotProperties::BuildToolbar() {
    // The Depth/Elevation button carries no key: the axis mode is the profile window's.
    Toolbar1 = AddWindowToolbar(this, {{"Back", "Back", "", ToolIcon::Back},
                                       {"Next", "Next", "", ToolIcon::Next},
                                       {"", "Depth/Elevation", "", ToolIcon::DepthElevation},
                                       {"Print", "Print", "", ToolIcon::Print},
                                       {"Export", "Export", "", ToolIcon::Export},
                                       {"Exit", "Exit", "Exit", ToolIcon::Exit}});
    connect(Toolbar1, &platform::Toolbar::ButtonClick, this,
            &Frm_PlotProperties::Toolbar1_ButtonClick);
}

void Frm_PlotProperties::Form_Load() {
    setWindowTitle(QStringLiteral("Soil Properties -  File:  ") +
                   Q(Decl().importSettings.FileName));
    FillProjectBoxes(Decl().project);
    AxisMode = ProfileWindowAxisMode(App().windows);
    platform::SetMousePointer(platform::MousePointer::Hourglass);
    TipPlot();
    SleevePlot();
    Ratioplot();
    Propertyplot();
    platform::SetMousePointer(platform::MousePointer::Default);
}

void Frm_PlotProperties::TipPlot() {
    Declarations& d = Decl();
    d.plot.PlotSeries = 1;
    d.plot.PlotPoints = AllReadings(d.cone); // this window has no depth cut
    PlotReadingProfile(*ChartFX1[0], d.cone, d.plot, AxisMode, AllReadings(d.cone),
                       TipProfile(d.cone, kTsf));
}

void Frm_PlotProperties::SleevePlot() {
    const Declarations& d = Decl();
    PlotReadingProfile(*ChartFX1[1], d.cone, d.plot, AxisMode, AllReadings(d.cone),
                       SleeveProfile(d.cone, kTsf));
}

void Frm_PlotProperties::Ratioplot() {
    const Declarations& d = Decl();
    PlotReadingProfile(*ChartFX1[2], d.cone, d.plot, AxisMode, AllReadings(d.cone),
                       RatioProfile(d.cone));
}

void Frm_PlotProperties::Propertyplot() {
    Declarations& d = Decl();
    platform::ChartFX& chart = *ChartFX1[3];
    const int layers = std::max<int>(d.grid.NumLayers, 0); // read once
    chart.BeginData(platform::kChartValues, d.plot.PlotSeries, layers);
    chart.BeginData(platform::kChartXValues, d.plot.PlotSeries, layers);
    chart.ChartSetting7(50);
    chart.ChartSetting5(30);
    chart.ChartSetting16(2);
    chart.TitleColor(2, kRed);
    if (d.grid.LayerDepth.size() < static_cast<std::size_t>(layers) + 1)
        return; // no grid for this sounding: nothing to draw
    const auto position = [&](int k) { return LayerPosition(d.grid, d.project, AxisMode, k); };
    const ChosenProperty* property = PropertyOfChoice(d.props.PropChoice);
    chart.TitleText(2, property != nullptr ? Q(property->title) : QString());
    if (property != nullptr) {
        if (!property->compute(d.grid, d.props, d.project).ok)
            return; // the property cannot be computed: its chart stays empty
        const std::vector<float>& values = d.props.*(property->values);
        platform::ChartSeries series = chart.SeriesList(0);
        for (int i = 0; i < layers; ++i) {
            series.PointValue(i, position(i + 1));
            series.PointXValue(i, values[static_cast<std::size_t>(i) + 1]);
        }
    }
    if (layers > 0) {
        // The axis ends at the last layer, so that layer lies on the chart.
        chart.AxisList(0).AxisMax(position(1));
        chart.AxisList(0).AxisMin(position(layers));
    }
    chart.Refresh();
    chart.EndData(platform::kChartValues);
    chart.EndData(platform::kChartXValues);
}

void Frm_PlotProperties::Toolbar1_ButtonClick(const QString& key) {
    WindowRegistry& windows = App().windows;
    if (key == "Back") {
        windows.UnloadAndRelease(kFormName);
        windows.Show("Frm_SoilFactors");
    } else if (key == "Print") {
        PrintProfiles(Decl().project, 4, ChartFX1[0], ChartFX1[1], ChartFX1[2], ChartFX1[3],
                      nullptr);
    } else if (key == "Export") {
        windows.Show("Frm_Export");
    } else if (key == "Exit") {
        windows.UnloadAndRelease(kFormName);
        ReleaseHistoryLists(Decl().history);
        platform::EndProgram();
    }
    // "Next", and the Depth/Elevation button, do nothing.
}

} // namespace strelvan
