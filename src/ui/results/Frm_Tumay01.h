#pragma once
// The result window of the probabilistic region estimation of Zhang and Tumay (1999): beside
// up to three profiles of the layer grid, one chart of the probability, in percent, that each
// grid layer is sand, silt or clay, against depth; above them the project particulars of the
// sounding. A smaller sibling of the family of result windows: four charts, no layer texts and
// no manual layers, every chart redrawn on each depth/elevation toggle, and Back, Print and
// Exit keys of its own.
#include <array>
#include <cstdint>

#include "platform/Form.h"
#include "ui/charts/ProjectParticulars.h"
#include "ui/results/ChartRow.h"
#include "ui/results/ResultToolbar.h"

class QGroupBox;
class QHBoxLayout;
class QResizeEvent;

namespace strelvan {

namespace platform {
class ChartFX;
class Toolbar;
} // namespace platform

class Frm_Tumay01 : public Form, public ProjectParticulars {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Tumay01";
    // Chart digits: 0 qc, 1 fs, 2 friction ratio, 3 probabilities.
    static constexpr int kCharts = 4;

    explicit Frm_Tumay01(AppContext& app);

    // Lays out and draws the charts that the chart order names.
    void SelectChart();
    // Shows chart N in the display slot whose left edge is XCoord and draws it.
    void ShowChart(int16_t N, int32_t XCoord);
    // The probability chart: "% Sand", "% Silt" and "% Clay" of every grid layer against
    // depth, the deepest layer first.
    void SoilPlot(platform::ChartFX& ChartSoil);

    // Controls.
    std::array<platform::ChartFX*, kCharts> ChartFX{};
    platform::Toolbar* Toolbar1 = nullptr;
    QGroupBox* Frame1 = nullptr; // the project particulars

    // Window-level variables; they last as long as the window's instance.
    int16_t ChartWidth = 0;
    int16_t ChartCount = 0;
    ChartSlots ChartSlot{};
    // The logical left edge of each chart's display slot as the last layout gave it.
    std::array<int32_t, kCharts> ChartLeft{};

protected:
    void Form_Load() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static std::span<const ResultToolbarButton> ToolbarButtons();
    void Form_Resize();
    void Toolbar1_ButtonClick(const QString& key);
    void Toggle_Axis();
    void PrintAll();
    void ExitProgram();

    QHBoxLayout* chartRow_ = nullptr;
};

} // namespace strelvan
