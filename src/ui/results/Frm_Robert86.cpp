#include "ui/results/Frm_Robert86.h"

#include "platform/AppContext.h"

namespace strelvan {

namespace {
ResultFamilyMember Robertson86() {
    ResultFamilyMember m;
    m.formName = Frm_Robert86::kFormName;
    m.method = Method::Robertson86;
    m.designCaption = QStringLiteral("Classification according to: Robertson et al. (1986)");
    m.captionPrefix = QStringLiteral(" Classification using: Robertson et al. (1986) - File: ");
    m.soilChartTitle = QStringLiteral("Soil Types - Robertson'86");
    m.textChartTitle = m.soilChartTitle;
    m.soilAxisSetting = false;
    // Three zones to a box: Text1 holds zones 1 to 3, Text4 zones 10 to 12.
    m.legend = Robertson86Legend();
    m.typesPerBox = 3;
    return m;
}
} // namespace

Frm_Robert86::Frm_Robert86(AppContext& app) : ResultWindow(app, Robertson86()) {}

} // namespace strelvan
