#pragma once
// The result window of the probabilistic region estimation of Zhang and Tumay (1999): beside
// up to three profiles of the layer grid, one chart of the probability, in percent, that each
// grid layer is sand, silt or clay, against depth; above them the project particulars of the
// sounding. A smaller sibling of the family of result windows: four charts, no layer texts and
// no manual layers, every chart redrawn on each depth/elevation toggle, and Back, Print and
// Exit keys of its own.
#include <cstdint>

#include "ui/charts/ProjectParticulars.h"
#include "ui/results/ResultChartWindow.h"

class QGroupBox;

namespace strelvan {

class Frm_Tumay01 : public ResultChartWindow, public ProjectParticulars {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Tumay01";
    // Chart digits: 0 qc, 1 fs, 2 friction ratio, 3 probabilities.
    static constexpr int kCharts = 4;

    explicit Frm_Tumay01(AppContext& app);

    // The probability chart: "% Sand", "% Silt" and "% Clay" of every grid layer against
    // depth, the deepest layer first.
    void SoilPlot(platform::ChartFX& ChartSoil);

    // Controls besides the charts and the toolbar.
    QGroupBox* Frame1 = nullptr; // the project particulars

protected:
    void Form_Load() override;
    // Every chart on show is drawn again: the profiles in the axis mode in force, the
    // probabilities always against depth.
    void DrawChart(int16_t N, platform::ChartFX& chart) override;
    // Every chart prints with its legend box; on screen the window stays as it is.
    void PrintPage(const std::function<void()>& print) override;
    // Back to the selection; this window's instance is released.
    void BackKey() override;
    // Ends the program, the profile windows and this one unloaded and released first.
    void ExitKey() override;
};

} // namespace strelvan
