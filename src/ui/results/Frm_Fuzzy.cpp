#include "ui/results/Frm_Fuzzy.h"

#include <array>

#include "engine/charts/CurveChartScale.h"
#include "engine/classification/UnclassifiedLayers.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "ui/results/DepthCurveChart.h"

namespace strelvan {

namespace {
constexpr const char* kChartTitle = " Fuzzy Soil Type ";

// Captions as the window's toolbar has always shown them, trailing blanks too.
constexpr auto kFuzzyToolbar = ReducedToolbar("Print All     ", "Export", "Exit           ");

ResultFamilyMember Fuzzy() {
    ResultFamilyMember m;
    m.formName = Frm_Fuzzy::kFormName;
    m.method = Method::Fuzzy;
    m.designCaption = QStringLiteral("Form1");
    m.captionPrefix = QStringLiteral(" Classification using: Fuzzy Soil Type - File: ");
    m.soilChartTitle = QString::fromLatin1(kChartTitle);
    m.textChartTitle = QStringLiteral("Fuzzy Soil Types");
    m.soilChartLook = platform::ChartLook::DepthCurves;
    m.toolbar = kFuzzyToolbar;
    m.keepsManualLayers = false;
    return m;
}
} // namespace

Frm_Fuzzy::Frm_Fuzzy(AppContext& app) : ResultWindow(app, Fuzzy()) {}

void Frm_Fuzzy::Form_Load() {
    Unclassified = 0;
    ResultWindow::Form_Load();
    // Told once the charts are drawn, as the probability window tells it.
    if (const auto message = UnclassifiedLayersMessage(Unclassified, IndexGrades::Memberships))
        platform::ShowMessage(*message, this);
}

void Frm_Fuzzy::SoilPlot(platform::ChartFX& ChartSoil) {
    Declarations& decl = Decl();
    const ClassResults& r = decl.results;
    // The memberships on axis item 1, from 0 to the largest sum of a layer's three, in steps
    // of 0.2; thicker lines, and the legend box's further setting on.
    const DepthCurveChart memberships{
        .title = QString::fromLatin1(kChartTitle),
        .legends = {QStringLiteral("HPS"), QStringLiteral("HPM"), QStringLiteral("HPC")},
        .curves = {&r.MuHPS, &r.MuHPM, &r.MuHPC},
        .legendOption = true,
        .setting7 = 45,
        .setting5 = 20,
        .lineWidth = 2,
        .valueAxis = 1,
        .valueMax = MembershipAxisMax(r, decl.grid.NumLayers),
        .valueStep = 0.2};
    DrawDepthCurves(ChartSoil, decl.grid, memberships, platform::TwipsPerPixelY());
}

} // namespace strelvan
