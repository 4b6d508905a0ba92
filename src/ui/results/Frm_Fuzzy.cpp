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
    DepthCurveChart chart;
    chart.title = QString::fromLatin1(kChartTitle);
    chart.legends = {QStringLiteral("HPS"), QStringLiteral("HPM"), QStringLiteral("HPC")};
    chart.curves = {&r.MuHPS, &r.MuHPM, &r.MuHPC};
    chart.legendOption = true;
    chart.setting7 = 45;
    chart.setting5 = 20;
    chart.lineWidth = 2;
    chart.valueAxis = 1;
    chart.valueMax = MembershipAxisMax(r, decl.grid.NumLayers);
    chart.valueStep = 0.2;
    DrawDepthCurves(ChartSoil, decl.grid, chart, platform::TwipsPerPixelY());
}

} // namespace strelvan
