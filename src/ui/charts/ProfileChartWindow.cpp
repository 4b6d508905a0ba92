// The profile windows' frame: loading, the three profiles, the depth/elevation switch, the
// linked zoom, the toolbar and the choices of the classification method and the soil property.
#include "ui/charts/ProfileChartWindow.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

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
#include "ui/charts/ProfilePlot.h"
#include "ui/charts/ProfileWindowParts.h"

namespace strelvan {

namespace {
// The unit of the stresses in the windows that do not take it from the import settings.
const std::string kTsf = "ton/ft";
} // namespace

ProfileChartWindow::ProfileChartWindow(AppContext& app, const char* formName,
                                       const ProfileWindowKeys& keys, int width, bool withCPTNo,
                                       const char* elevationLabel, const char* projNumLabel)
    : Form(app, QString::fromLatin1(formName)), keys_(keys), row_(*this, keys.zoomState) {
    auto* central = new QWidget(this);
    ChartFX1 = ProfileChart("ChartFX1", central);
    ChartFX2 = ProfileChart("ChartFX2", central);
    ChartFX3 = ProfileChart("ChartFX3", central);

    QGridLayout* boxes = BuildProjectBoxes(central, withCPTNo, elevationLabel, projNumLabel);
    chartLayout_ = new QHBoxLayout;
    chartLayout_->setSpacing(6);
    for (platform::ChartFX* chart : {ChartFX1, ChartFX2, ChartFX3})
        AddChart(chart);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(boxes);
    layout->addLayout(chartLayout_, 1);
    setCentralWidget(central);
    row_.OnAxisSwitch([this](int16_t) {
        AxisModeSet();
        PlotAll();
    });
    BindKeys();

    munCS = new QMenu(QStringLiteral("Classify Soil"), this);
    munCS->setObjectName("munCS");
    munSubCS = AddMethodEntries(munCS, this, [this](int16_t code) { ClassifyWith(code); });
    munSP = new QMenu(QStringLiteral("Soil Properties"), this);
    munSP->setObjectName("munSP");
    munSubSP =
        AddPropertyEntries(munSP, this, [this](int16_t choice) { EstimateProperty(choice); });
    platform::FitToScreen(*this, {width, 780});
}

void ProfileChartWindow::UseToolbar(platform::Toolbar* toolbar) {
    Toolbar1 = toolbar;
    row_.UseToolbar(toolbar);
}

void ProfileChartWindow::AddChart(platform::ChartFX* chart) {
    chartLayout_->addWidget(chart, 1);
    row_.Add(chart);
}

void ProfileChartWindow::BindKeys() {
    row_.OnKey(QStringLiteral("Back"), [this] { Unload(); }); // the project form shows again
    if (keys_.nextOffersMethods)
        row_.OnKey(QStringLiteral("Next"), [this] { OfferMethods(QStringLiteral("Next")); });
    row_.OnKey(QStringLiteral("Properties"),
               [this] { Offer(munSP, QStringLiteral("Properties")); });
    if (!keys_.exportKey)
        row_.OnKey(QStringLiteral("Export"), {});
    row_.OnKey(QStringLiteral("Depth"), [this] { CutProfiles(); });
    row_.OnKey(QStringLiteral("Exit"), [this] { ExitProgram(); });
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
    row_.SetAxisMode(1);
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
    const ConeData& cone = Decl().cone;
    row_.Plot(*ChartFX1,
              {ReadingSeries(cone, &cone.Qc, PlotCount, AxisMode()),
               TipLook(StressUnit(), ProfileStep(MaxQc))},
              ZoomChart::Tip);
}

void ProfileChartWindow::SleevePlot() {
    const ConeData& cone = Decl().cone;
    row_.Plot(*ChartFX2,
              {ReadingSeries(cone, &cone.Fs, PlotCount, AxisMode()),
               SleeveLook(StressUnit(), ProfileStep(MaxFs))},
              ZoomChart::Sleeve);
}

void ProfileChartWindow::Ratioplot() {
    const ConeData& cone = Decl().cone;
    row_.Plot(
        *ChartFX3,
        {ReadingSeries(cone, &cone.Ratio, PlotCount, AxisMode()), RatioLook(ProfileStep(MaxRatio))},
        ZoomChart::Ratio);
}

void ProfileChartWindow::ExitProgram() {
    Unload();
    if (keys_.exitReleasesHistory)
        ReleaseHistoryLists(Decl().history);
    platform::EndProgram();
}

// Every press offers every entry, whichever was chosen before.
void ProfileChartWindow::Offer(QMenu* menu, const QString& key) {
    QWidget* button = Toolbar1->widgetForAction(Toolbar1->ButtonByKey(key));
    menu->popup(button != nullptr ? button->mapToGlobal(QPoint(0, button->height()))
                                  : mapToGlobal(QPoint(0, 0)));
}

void ProfileChartWindow::EstimateProperty(int16_t propChoice) {
    Decl().props.PropChoice = propChoice;
    // An open soil-factor window may ask for another property: it loads afresh.
    App().windows.ShowFresh(QStringLiteral("Frm_SoilFactors"), this);
}

void ProfileChartWindow::ClassifyWith(int16_t methodCode) {
    Decl().selection.MethodCode = methodCode;
    App().windows.ShowFresh("Frm_Select", this);
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

int16_t ProfileWindowAxisMode(const WindowRegistry& windows) {
    for (const char* name : {"Frm_CPTData3", "Frm_CPTData4", "Frm_CPTData5"}) {
        const auto* window =
            qobject_cast<const ProfileChartWindow*>(windows.Find(QString::fromLatin1(name)));
        if (window != nullptr && window->IsLoaded())
            return window->AxisMode();
    }
    return 1;
}

} // namespace strelvan
