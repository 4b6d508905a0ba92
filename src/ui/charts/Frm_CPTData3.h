#pragma once
// The profile window of a sounding without pore-pressure columns: the project particulars
// and three profiles side by side (tip resistance, sleeve friction, friction ratio) against
// depth or elevation. From here the user picks a classification method, switches the
// vertical axis, cuts the profiles at a depth, goes back to the project form or ends.
#include <array>
#include <cstdint>

#include "platform/Form.h"
#include "ui/charts/ProjectParticulars.h"

class QAction;
class QComboBox;
class QMenu;

namespace strelvan {

namespace platform {
class ChartFX;
class Toolbar;
} // namespace platform

class Frm_CPTData3 : public Form, public ProjectParticulars {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_CPTData3";
    explicit Frm_CPTData3(AppContext& app);

    // Each redraws one chart from the readings, PlotCount and AxisMode.
    void TipPlot();
    void SleevePlot();
    void Ratioplot();

    void Toolbar1_ButtonClick(const QString& key);
    void munSubCS1_Click();
    void munSubCS2_Click();
    void munSubCS3_Click();
    void munSubCS4_Click();
    void munSubCS5_Click();

    platform::ChartFX* ChartFX1;
    platform::ChartFX* ChartFX2;
    platform::ChartFX* ChartFX3;
    platform::Toolbar* Toolbar1;
    QComboBox* Combo1; // editable: the depths (or elevations) to cut the profiles at
    QMenu* munCS;
    std::array<QAction*, 5> munSubCS; // munSubCS1 .. munSubCS5

    // Readings 1 to PlotCount are plotted.
    int16_t PlotCount = 0;
    // The largest cleaned readings of the sounding (not of the cut).
    float MaxQc = 0;
    float MaxFs = 0;
    float MaxRatio = 0;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void BuildToolbar();
    void FillDepthList(int16_t axisMode);
    void ClassifyWith(int16_t methodCode);
    void Toggle_Axis();
    void CutProfiles();
    void ZoomToggle();
    void PlotAll();
};

} // namespace strelvan
