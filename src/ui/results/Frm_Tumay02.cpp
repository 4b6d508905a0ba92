#include "ui/results/Frm_Tumay02.h"

#include "engine/classification/LayerClassification.h"
#include "platform/AppContext.h"

namespace strelvan {

namespace {
ResultFamilyMember Schmertmann() {
    ResultFamilyMember m;
    m.formName = Frm_Tumay02::kFormName;
    m.methodCode = 2;
    m.designCaption = QStringLiteral("Classification according to: Tumay (1985)");
    m.captionPrefix = QStringLiteral(" Classification using: Schmertmann (1978) - File: ");
    m.soilChartTitle = QStringLiteral("Soil Types - Schmertmann'78");
    m.textChartTitle = m.soilChartTitle;
    m.soilAxisMax = 16;
    m.types = &ClassResults::TypeTumay02;
    m.legend = SchmertmannLegend();
    return m;
}
} // namespace

Frm_Tumay02::Frm_Tumay02(AppContext& app) : ResultWindow(app, Schmertmann()) {}

void Frm_Tumay02::ClassifyLayers() {
    ClassifySchmertmann(Decl().grid, Decl().results);
}

} // namespace strelvan
