#pragma once
// The frame of the profile windows of a sounding with pore-pressure columns: the project
// particulars and, side by side against depth or elevation, the profiles of tip resistance,
// sleeve friction, friction ratio and the pore pressure of each column. From here the user
// goes on to classify the soil, switches the vertical axis, zooms all charts together,
// prints, goes back to the project form or ends the program.
//
// A member is this frame with its pore-pressure charts: Frm_CPTData4 shows one column
// (ChartFX4), Frm_CPTData5 two (ChartFX4 and ChartFX5).
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/charts/PoreCharts.h"
#include "platform/Form.h"
#include "ui/charts/ProjectParticulars.h"

class QAction;
class QHBoxLayout;
class QMenu;

namespace strelvan {

namespace platform {
class ChartFX;
class Toolbar;
} // namespace platform

// The project boxes are those of ProjectParticulars without the CPT number.
class PoreProfileWindow : public Form, public ProjectParticulars {
    Q_OBJECT
public:
    // Each redraws one chart from readings 1 to NumPoints and AxisMode.
    void TipPlot();
    void SleevePlot();
    void Ratioplot();
    void Pore1Plot();

    void Toolbar1_ButtonClick(const QString& key);

    platform::ChartFX* ChartFX1; // tip resistance
    platform::ChartFX* ChartFX2; // sleeve friction
    platform::ChartFX* ChartFX3; // friction ratio
    platform::ChartFX* ChartFX4; // pore pressure of the first column on show
    platform::Toolbar* Toolbar1;
    // The classification methods, which the "Next" key offers while none is chosen.
    QMenu* munCS;
    std::array<QAction*, 5> munSubCS; // munSubCS1 .. munSubCS5

protected:
    PoreProfileWindow(AppContext& app, const char* formName, int width);

    void Form_Load() override;
    void Form_Unload() override;

    // The kind and readings of pore-pressure chart k (0 ChartFX4, 1 ChartFX5).
    virtual PoreChart PoreChartAt(std::size_t k) const = 0;
    // Draws pore-pressure chart k.
    void PlotPoreChart(std::size_t k);
    // Adds the next pore-pressure chart at the right end of the row.
    void AddPoreChart(platform::ChartFX* chart);

private:
    void BuildToolbar();
    void PlotAll();
    // Redraws every pore-pressure chart of the row after the three profiles.
    void PlotPores();
    void Toggle_Axis();
    void ZoomToggle();
    // "Next": the chart selection of the chosen method, or the choice of a method first.
    void ClassifySoil();
    void ClassifyWith(int16_t methodCode);

    QHBoxLayout* chartRow_ = nullptr;
    std::vector<platform::ChartFX*> poreCharts_;
};

} // namespace strelvan
