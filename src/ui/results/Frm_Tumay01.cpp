// The probability window: loading and classifying, drawing each chart, the legends of the
// printed page, and where the toolbar's keys lead.
#include "ui/results/Frm_Tumay01.h"

#include "engine/classification/LayerClassification.h"
#include "engine/classification/Methods.h"
#include "engine/classification/UnclassifiedLayers.h"
#include "engine/state/HistoryLists.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "ui/charts/GridSetUp.h"
#include "ui/results/ConeProfilePlot.h"
#include "ui/results/DepthCurveChart.h"

namespace strelvan {

void Frm_Tumay01::Form_Load() {
    Declarations& decl = Decl();
    setWindowTitle(QStringLiteral(" Classification using: Zhang & Tumay (1999) - File: ") +
                   Q(decl.importSettings.FileName));
    // A sounding without a ground elevation shows none, not that of an earlier sounding.
    FillProjectBoxes(decl.project);
    RestoreToolbar();
    if (!LaySoundingOnGrid(*this).ok)
        return;
    // The classifier takes the friction ratio as averaged and raises qc and clears fs
    // itself; the window then only caps the ratio and works out the elevations.
    const int unclassified = RowOf(Method::Probabilistic).classify(decl.grid, decl.results);
    Row().SetAxisMode(1);
    UpdateRatioAndElevation(decl.grid, decl.project.GroundElev);
    Form_Resize();
    SelectChart();
    platform::SetMousePointer(platform::MousePointer::Default);
    if (const auto message = UnclassifiedLayersMessage(unclassified, IndexGrades::Probabilities))
        platform::ShowMessage(*message, this);
}

void Frm_Tumay01::DrawChart(int16_t N, platform::ChartFX& chart) {
    // Every chart on show is drawn again: the profiles in the axis mode in force, the
    // probabilities always against depth.
    if (N >= 3)
        SoilPlot(chart);
    else
        Row().Plot(chart, *LayerProfile(N, Decl().grid, AxisMode()), static_cast<ZoomChart>(N + 1));
}

void Frm_Tumay01::SoilPlot(platform::ChartFX& ChartSoil) {
    Declarations& decl = Decl();
    const ClassResults& r = decl.results;
    // Percentages on axis item 0, from 0 to 100.
    const DepthCurveChart probabilities{
        .title = QStringLiteral(" Probability of Soil Types - Zhang&Tumay'99"),
        .legends = {QStringLiteral("% Sand"), QStringLiteral("% Silt"), QStringLiteral("% Clay")},
        .curves = {&r.ProbSand, &r.ProbSilt, &r.ProbClay}};
    DrawDepthCurves(ChartSoil, decl.grid, probabilities, platform::TwipsPerPixelY());
}

void Frm_Tumay01::BackKey() {
    Unload();
    WindowRegistry& windows = App().windows;
    if (windows.Find(FormName()) == this)
        windows.Release(FormName());
    windows.ShowFresh(QStringLiteral("Frm_Select"), this);
}

void Frm_Tumay01::PrintPage(const std::function<void()>& print) {
    PrintWithLegendBoxes(ChartFX, platform::TwipsPerPixelY(), print);
}

void Frm_Tumay01::ExitKey() {
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
