#include "ui/results/Frm_Olsen.h"

#include "platform/AppContext.h"

namespace strelvan {

namespace {
ResultFamilyMember DouglasOlsen() {
    ResultFamilyMember m;
    m.formName = Frm_Olsen::kFormName;
    m.method = Method::DouglasOlsen;
    m.designCaption = QStringLiteral("Classification according to: Douglas and Olsen (1981)");
    m.captionPrefix = QStringLiteral(" Classification using: Douglas and Olsen - File: ");
    // The soil-type chart writes "&", the layer texts "and".
    m.soilChartTitle = QStringLiteral("Soil Types - Douglas & Olsen");
    m.textChartTitle = QStringLiteral("Soil Types - Douglas and Olsen");
    // One type to a box, each with its colour line.
    m.legend = OlsenLegend();
    m.legendFrame = QStringLiteral("Frame4");
    m.typesPerBox = 1;
    m.boxName = QStringLiteral("txtboxOlsenType(%1)");
    m.lineName = QStringLiteral("OlsenLine(%1)");
    return m;
}
} // namespace

Frm_Olsen::Frm_Olsen(AppContext& app) : ResultWindow(app, DouglasOlsen()) {}

} // namespace strelvan
