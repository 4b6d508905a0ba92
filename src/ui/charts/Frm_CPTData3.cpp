#include "ui/charts/Frm_CPTData3.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

#include "engine/charts/ProfileReadings.h"
#include "platform/AppContext.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/charts/ToolbarIcons.h"

namespace strelvan {

namespace {
// The Zoom button's tool tip holds the state of the zoom toggle.
constexpr ProfileWindowKeys kKeys{.zoomState = ZoomKeyState::ToolTip,
                                  .ownScale = true,
                                  .nextOffersMethods = false,
                                  .exportKey = true,
                                  .exitReleasesHistory = true};
} // namespace

Frm_CPTData3::Frm_CPTData3(AppContext& app)
    : ProfileChartWindow(app, kFormName, kKeys, 1100, true, "Elevation (ft):", "Project No:") {
    BuildToolbar();
    menuBar()->addMenu(munCS);
}

void Frm_CPTData3::BuildToolbar() {
    // The stored order: keyed buttons at the even positions 2 to 14, placeholders between.
    platform::Toolbar* toolbar = AddWindowToolbar(
        this, {{"Back", "   ", "Back to previous form", ToolIcon::Back},
               {"YAxis", "", "Toggle between Depth/Elevation in Y Axis", ToolIcon::DepthElevation},
               {"Zoom", "  ", "Zoom all graphs", ToolIcon::Zoom},
               {"Print", "  ", "Print All   ", ToolIcon::Print},
               {"Export", "    ", "Export. Change the default printer driver", ToolIcon::Export},
               {"Exit", "       ", "Exit the program", ToolIcon::Exit}});
    toolbar->AddPlaceholder();
    toolbar->AddButton("Depth", "Depth");
    Combo1 = new QComboBox(toolbar);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // As wide as the longest depth (or elevation) of its list, 80 px at least.
    Combo1->setMinimumWidth(80);
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    toolbar->AddControl(Combo1);
    for (int k = 15; k <= 17; ++k)
        toolbar->AddPlaceholder();
    // The road to the soil properties.
    toolbar->AddButton("Properties", "Soil Properties");
    UseToolbar(toolbar);
}

void Frm_CPTData3::AxisModeSet() {
    const Declarations& decl = Decl();
    Combo1->clear();
    for (const std::string& item : DepthList(decl.cone, decl.project, AxisMode()))
        Combo1->addItem(Q(item));
    Combo1->setCurrentIndex(-1); // the list offers; the text stays empty
    Combo1->clearEditText();
}

void Frm_CPTData3::CutProfiles() {
    const Declarations& decl = Decl();
    const DepthCut cut = CutAtDepth(decl.cone, AxisMode(), S(Combo1->currentText()));
    if (cut.error) {
        platform::ShowMessage(*cut.error, this);
        return;
    }
    // The profiles are drawn anew down to the cut: a zoomed range may lie beyond it.
    EndZoom();
    Combo1->setEditText(Q(cut.text));
    if (cut.plotCount)
        PlotCount = *cut.plotCount;
    PlotAll();
}

} // namespace strelvan
