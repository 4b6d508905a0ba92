#include "ui/properties/Frm_PlotProperties.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "engine/properties/PropertyChoice.h"
#include "engine/state/ArraySizes.h"
#include "engine/state/HistoryLists.h"
#include "platform/AppContext.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/ProfileChartWindow.h"
#include "ui/charts/ProfilePlot.h"
#include "ui/charts/ToolbarIcons.h"

namespace strelvan {

namespace {
// The profiles of this window always name ton/ft².
const std::string kTsf = "ton/ft";
} // namespace

Frm_PlotProperties::Frm_PlotProperties(AppContext& app)
    : Form(app, kFormName), row_(*this, ZoomKeyState::Caption) {
    setWindowTitle(QStringLiteral("Soil Properties"));
    auto* central = new QWidget(this);

    QGridLayout* boxes = BuildProjectBoxes(central, false);
    auto* charts = new QHBoxLayout;
    charts->setSpacing(6);
    for (std::size_t i = 0; i < ChartFX1.size(); ++i) {
        ChartFX1[i] = new platform::ChartFX(platform::ChartLook::Profile, central);
        ChartFX1[i]->setObjectName(QStringLiteral("ChartFX1(%1)").arg(i));
        charts->addWidget(ChartFX1[i], 1);
        row_.Add(ChartFX1[i]);
    }
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(boxes);
    layout->addLayout(charts, 1);
    setCentralWidget(central);
    BuildToolbar();
    platform::FitToScreen(*this, {1200, 780});
}

void Frm_PlotProperties::BuildToolbar() {
    Toolbar1 = AddWindowToolbar(this, {{"Back", "Back", "", ToolIcon::Back},
                                       {"Next", "Next", "", ToolIcon::Next},
                                       {"YAxis", "Depth/Elevation", "", ToolIcon::DepthElevation},
                                       {"Print", "Print", "", ToolIcon::Print},
                                       {"Export", "Export", "", ToolIcon::Export},
                                       {"Exit", "Exit", "Exit", ToolIcon::Exit}});
    row_.UseToolbar(Toolbar1);
    // Back to the soil factors of the property on show, loaded afresh.
    row_.OnKey(QStringLiteral("Back"), [this] {
        Decl().props.PropChoice = PropChoice;
        App().windows.UnloadAndRelease(kFormName);
        App().windows.ShowFresh(QStringLiteral("Frm_SoilFactors"), this);
    });
    row_.OnKey(QStringLiteral("Exit"), [this] {
        App().windows.UnloadAndRelease(kFormName);
        ReleaseHistoryLists(Decl().history);
        platform::EndProgram();
    });
    // Depth/Elevation switches the axis of the four charts, as in every chart window; the
    // window opens on the axis of the profile window.
    row_.OnAxisSwitch([this](int16_t) {
        TipPlot();
        SleevePlot();
        Ratioplot();
        Propertyplot();
    });
    // Nothing comes after this window: Next is shown disabled.
    Toolbar1->ButtonByKey(QStringLiteral("Next"))->setEnabled(false);
}

void Frm_PlotProperties::Form_Load() {
    setWindowTitle(QStringLiteral("Soil Properties -  File:  ") +
                   Q(Decl().importSettings.FileName));
    FillProjectBoxes(Decl().project);
    PropChoice = Decl().props.PropChoice;
    // The property is computed once a load; a switch of the axis only draws it again.
    const ChosenProperty* property = PropertyOfChoice(PropChoice);
    computed_ =
        property != nullptr && property->compute(Decl().grid, Decl().props, Decl().project).ok;
    row_.SetAxisMode(ProfileWindowAxisMode(App().windows));
    platform::SetMousePointer(platform::MousePointer::Hourglass);
    TipPlot();
    SleevePlot();
    Ratioplot();
    Propertyplot();
    platform::SetMousePointer(platform::MousePointer::Default);
}

ProfileSeries Frm_PlotProperties::Readings(const ConeData::Column& values) const {
    const ConeData& cone = Decl().cone;
    return ReadingSeries(cone, &values, ReadingsHeld(cone), AxisMode()); // no depth cut here
}

void Frm_PlotProperties::TipPlot() {
    row_.Plot(*ChartFX1[0], {Readings(Decl().cone.Qc), TipLook(kTsf)});
}

void Frm_PlotProperties::SleevePlot() {
    row_.Plot(*ChartFX1[1], {Readings(Decl().cone.Fs), SleeveLook(kTsf)});
}

void Frm_PlotProperties::Ratioplot() {
    row_.Plot(*ChartFX1[2], {Readings(Decl().cone.Ratio), RatioLook()});
}

void Frm_PlotProperties::Propertyplot() {
    Declarations& d = Decl();
    Profile profile;
    profile.look.titleColor = platform::kChartRed;
    profile.look.setting5 = 30;
    const ChosenProperty* property = PropertyOfChoice(PropChoice);
    // A grid whose arrays do not hold its layers, or a property that cannot be computed, leaves
    // the chart without points and axis; a layer without value (a zero denominator) is left
    // out.
    layerPosition_ = LayerPositions(d.grid, d.project, AxisMode());
    if (property == nullptr) {
        // No property chosen: the chart spans the layers and plots nothing.
        profile.series = LayerSeriesAt(d.grid, d.grid.LayerDepth, layerPosition_);
        profile.series.values = {};
    } else {
        profile.look.title = Q(property->title);
        if (computed_)
            profile.series = LayerSeriesAt(d.grid, d.props.*(property->values), layerPosition_);
    }
    row_.Plot(*ChartFX1[3], profile);
}

} // namespace strelvan
