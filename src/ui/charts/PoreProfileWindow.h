#pragma once
// The profile windows of a sounding with pore-pressure columns: besides the three profiles of
// every profile window, the pore pressure of each column, side by side against depth or
// elevation. Their "Next" key offers the classification methods.
//
// A member is this window with its pore-pressure charts: Frm_CPTData4 shows one column
// (ChartFX4), Frm_CPTData5 two (ChartFX4 and ChartFX5).
#include <cstddef>
#include <vector>

#include "engine/charts/PoreCharts.h"
#include "ui/charts/ProfileChartWindow.h"

namespace strelvan {

// The project boxes are those of ProjectParticulars without the CPT number.
class PoreProfileWindow : public ProfileChartWindow {
    Q_OBJECT
public:
    // Redraws the pore pressure of the first column on show from readings 1 to NumPoints.
    void Pore1Plot();

    platform::ChartFX* ChartFX4; // pore pressure of the first column on show

protected:
    PoreProfileWindow(AppContext& app, const char* formName, int width);

    // The kind and readings of pore-pressure chart k (0 ChartFX4, 1 ChartFX5).
    virtual PoreChart PoreChartAt(std::size_t k) const = 0;
    // Draws pore-pressure chart k.
    void PlotPoreChart(std::size_t k);
    // Adds the next pore-pressure chart at the right end of the row.
    void AddPoreChart(platform::ChartFX* chart);

    // Each pore-pressure chart takes the place in the linked zoom of the readings it shows,
    // which fixes the maximum its value axis is zoomed to: the one chart of Frm_CPTData4
    // showing the column of PoreType2 stands fifth.
    void PlotFurtherCharts() override;

private:
    void BuildToolbar();

    std::vector<platform::ChartFX*> poreCharts_;
};

} // namespace strelvan
