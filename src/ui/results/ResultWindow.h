#pragma once
// The frame of the result windows of the chart methods. On load a window lays the readings
// of the sounding on the layer grid, cleans the layers and classifies them by its method;
// then it shows one to four charts side by side in the order chosen in the selection window:
// the qc, fs and friction-ratio profiles of the grid, the soil-type chart, the automatic
// layer-text chart, or the layers set by hand in the manual layer editor. The toolbar leads
// back to the selection, on to the manual layer editor, toggles depth and elevation, zooms
// the profiles, prints, chooses the printer and ends the program.
//
// A member of the family is this frame with its ResultFamilyMember data (captions, legend,
// titles, toolbar, layout) and its own classification step.
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Form.h"
#include "ui/results/ResultFamily.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QResizeEvent;

namespace strelvan {

namespace platform {
class ChartAnnotation;
class ChartFX;
class LineControl;
class Toolbar;
} // namespace platform

class ResultWindow : public Form {
    Q_OBJECT
public:
    // Chart digits: 0 qc, 1 fs, 2 friction ratio, 3 soil types, 4 automatic layer text,
    // 5 manual layer text.
    static constexpr int kCharts = 6;
    static constexpr int kManualLayers = 101; // manual layers 0 to 100

    ResultWindow(AppContext& app, const ResultFamilyMember& member);

    // Lays out and draws the charts that the chart order names.
    void SelectChart();
    // Shows chart N in the display slot whose left edge is XCoord and draws it.
    void ShowChart(int16_t N, int32_t XCoord);
    // The soil-type chart: one bar per grid layer, the deepest first, in its type's colour.
    virtual void SoilPlot(platform::ChartFX& ChartSoil);
    // The automatic layer texts: blocks of PointsPerLayer grid layers, each described.
    void SoilText(platform::ChartFX& ChartText);
    // Keeps manual layer M (0 to 100) for the manual layer-text chart: its label position,
    // description and boundary-line position. ManCount becomes M.
    void ManualArray(int16_t M, float Y, const QString& Name, float X);
    // The manual layer texts: manual layers 1 to ManCount.
    void ManualText(platform::ChartFX& ChartText);
    void Toolbar1_ButtonClick(const QString& key);
    // Switches the profiles between depth and elevation.
    void Toggle_Axis();

    // Controls.
    std::array<platform::ChartFX*, kCharts> ChartFX{};
    platform::Toolbar* Toolbar1 = nullptr;
    QGroupBox* LegendFrame = nullptr;                // Frame1
    std::vector<QLabel*> LegendBoxes;                // Text1 ..
    std::vector<platform::LineControl*> LegendLines; // Line1 .., one per type

    // Window-level variables; they last as long as the window's instance.
    int16_t ChartWidth = 0; // width of a chart (pixels), the unit of the layout
    int16_t ChartCount = 0; // charts on show, 1 to 4
    std::array<int16_t, kDisplaySlots> ChartSlot{}; // the chart in each display slot
    int16_t DrawnAxisMode = 1;                      // the axis mode charts 3 to 5 were drawn with
    int16_t TextLayerCount = 0;                     // layers of the last automatic layer text
    std::array<float, kManualLayers> ManY{};
    std::array<float, kManualLayers> ManX{};
    std::array<QString, kManualLayers> ManName;
    int16_t ManCount = 0;
    std::shared_ptr<platform::ChartAnnotation> AnnotX; // the last label's list
    std::shared_ptr<platform::ChartAnnotation> AnnotY; // the last line's list
    // The logical left edge of each chart's display slot as the last layout gave it.
    std::array<int32_t, kCharts> ChartLeft{};

protected:
    void Form_Load() override;
    void Form_Resize();
    void resizeEvent(QResizeEvent* event) override;

    // Classifies grid layers 1 to NumLayers by a method that takes the layers as averaged,
    // before the clean-up caps the friction ratio.
    virtual void ClassifyAveragedLayers() {}
    // Classifies grid layers 1 to NumLayers by the window's method, after the clean-up.
    virtual void ClassifyLayers() = 0;

private:
    void BuildToolbar();
    void BuildLegend();
    void ResetToolbar();
    void ZoomToggle();
    // Prints the page with the charts on show, in display order.
    void PrintCharts();
    void AddChartLabel(platform::ChartFX& chart, float Y, const QString& Text);
    void AddChartLine(platform::ChartFX& chart, float X);

    const ResultFamilyMember member_;
    QHBoxLayout* chartRow_ = nullptr;
};

} // namespace strelvan
