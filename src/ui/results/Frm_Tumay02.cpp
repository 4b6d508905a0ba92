#include "ui/results/Frm_Tumay02.h"

#include "platform/AppContext.h"

namespace strelvan {

namespace {
ResultFamilyMember Schmertmann() {
    ResultFamilyMember m;
    m.formName = Frm_Tumay02::kFormName;
    m.method = Method::Schmertmann;
    m.designCaption = QStringLiteral("Classification according to: Tumay (1985)");
    m.captionPrefix = QStringLiteral(" Classification using: Schmertmann (1978) - File: ");
    m.soilChartTitle = QStringLiteral("Soil Types - Schmertmann'78");
    m.textChartTitle = m.soilChartTitle;
    m.legend = SchmertmannLegend();
    return m;
}
} // namespace

Frm_Tumay02::Frm_Tumay02(AppContext& app) : ResultWindow(app, Schmertmann()) {}

} // namespace strelvan
