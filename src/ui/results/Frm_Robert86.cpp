#include "ui/results/Frm_Robert86.h"

#include "engine/classification/LayerClassification.h"
#include "platform/AppContext.h"

namespace strelvan {

namespace {
ResultFamilyMember Robertson86() {
    ResultFamilyMember m;
    m.formName = Frm_Robert86::kFormName;
    m.methodCode = 3;
    m.designCaption = QStringLiteral("Classification according to: Robertson et al. (1986)");
    m.captionPrefix = QStringLiteral(" Classification using: Robertson et al. (1986) - File: ");
    m.soilChartTitle = QStringLiteral("Soil Types - Robertson'86");
    m.textChartTitle = m.soilChartTitle;
    m.soilAxisMax = 12;
    m.soilAxisSetting = false;
    m.types = &ClassResults::TypeRobert86;
    // Three zones to a box: Text1 holds zones 1 to 3, Text4 zones 10 to 12.
    m.legend = Robertson86Legend();
    m.typesPerBox = 3;
    return m;
}
} // namespace

Frm_Robert86::Frm_Robert86(AppContext& app) : ResultWindow(app, Robertson86()) {}

void Frm_Robert86::ClassifyLayers() {
    ClassifyRobert86(Decl().grid, Decl().results);
}

} // namespace strelvan
