#include "ui/results/Frm_Olsen.h"

#include "engine/classification/LayerClassification.h"
#include "platform/AppContext.h"

namespace strelvan {

namespace {
ResultFamilyMember DouglasOlsen() {
    ResultFamilyMember m;
    m.formName = Frm_Olsen::kFormName;
    m.methodCode = 4;
    m.designCaption = QStringLiteral("Classification according to: Douglas and Olsen (1981)");
    m.captionPrefix = QStringLiteral(" Classification using: Douglas and Olsen - File: ");
    // The soil-type chart writes "&", the layer texts "and".
    m.soilChartTitle = QStringLiteral("Soil Types - Douglas & Olsen");
    m.textChartTitle = QStringLiteral("Soil Types - Douglas and Olsen");
    m.soilAxisMax = 4;
    m.types = &ClassResults::TypeOlsen;
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

void Frm_Olsen::ClassifyLayers() {
    ClassifyOlsen(Decl().grid, Decl().results);
}

} // namespace strelvan
