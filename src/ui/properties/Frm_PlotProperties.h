#pragma once
// The property plot window: the project particulars above the profiles of tip resistance,
// sleeve friction and friction ratio of the whole sounding, and beside them the chosen soil
// property of every grid layer, against depth or elevation. Its toolbar leads back to the
// soil factors, prints the page, changes the printer or ends the program.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Form.h"
#include "ui/charts/ChartRow.h"
#include "ui/charts/ProjectParticulars.h"

namespace strelvan {

namespace platform {
class ChartFX;
class Toolbar;
} // namespace platform

class Frm_PlotProperties : public Form, public ProjectParticulars {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_PlotProperties";
    explicit Frm_PlotProperties(AppContext& app);

    // The profiles draw every reading; Propertyplot draws the chosen property, computed when
    // the window loaded, per grid layer. A property that could not be computed leaves its
    // chart without points and nothing else.
    void TipPlot();
    void SleevePlot();
    void Ratioplot();
    void Propertyplot();

    void Toolbar1_ButtonClick(const QString& key) { row_.Press(key); }
    // The vertical axis: that of the profile window on loading (1 depth, -1 elevation).
    int16_t AxisMode() const { return row_.AxisMode(); }

    // The property on show: the choice when the window loaded.
    int16_t PropChoice = 0;

    // 0 tip resistance, 1 sleeve friction, 2 friction ratio, 3 the soil property.
    std::array<platform::ChartFX*, 4> ChartFX1;
    platform::Toolbar* Toolbar1;

protected:
    void Form_Load() override;

private:
    void BuildToolbar();
    // The profiles of the readings: every reading of the sounding.
    ProfileSeries Readings(const ConeData::Column& values) const;

    ChartRow row_;
    bool computed_ = false;            // the property of this load has its values
    std::vector<float> layerPosition_; // where each grid layer stands on the vertical axis
};

} // namespace strelvan
