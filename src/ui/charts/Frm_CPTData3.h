#pragma once
// The profile window of a sounding without pore-pressure columns: the project particulars
// and three profiles side by side (tip resistance, sleeve friction, friction ratio) against
// depth or elevation. Besides what every profile window does, it offers the Classify Soil
// menu in its menu bar, cuts the profiles at a chosen depth, and chooses the printer.
#include "ui/charts/ProfileChartWindow.h"

class QComboBox;

namespace strelvan {

class Frm_CPTData3 : public ProfileChartWindow {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_CPTData3";
    explicit Frm_CPTData3(AppContext& app);

    QComboBox* Combo1; // editable: the depths (or elevations) to cut the profiles at

protected:
    // The depths (or elevations) of the axis mode in force.
    void AxisModeSet() override;
    // "Depth": the first reading at or below the chosen depth ends the profiles.
    void CutProfiles() override;

private:
    void BuildToolbar();
};

} // namespace strelvan
