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
#include <string>
#include <vector>

#include "ui/results/ResultChartWindow.h"
#include "ui/results/ResultFamily.h"

class QGroupBox;
class QLabel;

namespace strelvan {

namespace platform {
class ChartAnnotation;
class LineControl;
} // namespace platform

class ResultWindow : public ResultChartWindow {
    Q_OBJECT
public:
    // Chart digits: 0 qc, 1 fs, 2 friction ratio, 3 soil types, 4 automatic layer text,
    // 5 manual layer text.
    static constexpr int kCharts = 6;

    ResultWindow(AppContext& app, const ResultFamilyMember& member);

    // The soil-type chart: one bar per grid layer, the deepest first, in its type's colour.
    virtual void SoilPlot(platform::ChartFX& ChartSoil);
    // The automatic layer texts: blocks of PointsPerLayer grid layers, each described.
    void SoilText(platform::ChartFX& ChartText);
    // Keeps manual layer M (0 or more) for the manual layer-text chart: its label position,
    // description and boundary-line position, set on the layer grid in force. ManCount
    // becomes M.
    void ManualArray(int16_t M, float Y, const QString& Name, float X);
    // The manual layer texts: manual layers 1 to ManCount.
    void ManualText(platform::ChartFX& ChartText);
    // Describes grid layers first to last by this window's method, whatever method has been
    // picked since the window loaded.
    std::string DescribeLayers(int16_t first, int16_t last) const;
    // Whether the window is on show with layers set by hand in the manual layer editor.
    bool HoldsHandSetLayers() const override;

    // Controls besides the charts and the toolbar.
    QGroupBox* LegendFrame = nullptr;                // Frame1
    std::vector<QLabel*> LegendBoxes;                // Text1 ..
    std::vector<platform::LineControl*> LegendLines; // Line1 .., one per type

    // Window-level variables; they last as long as the window's instance.
    int16_t DrawnAxisMode = 1;  // the axis mode charts 3 to 5 were drawn with
    int Unclassified = 0;       // grid layers the last classification left without a result
    int16_t TextLayerCount = 0; // layers of the last automatic layer text
    std::vector<float> ManY;    // manual layers 0 to ManCount at least
    std::vector<float> ManX;
    std::vector<QString> ManName;
    int16_t ManCount = 0;
    int32_t ManualGrid = -1; // the generation of the layer grid the manual layers were set on
    std::shared_ptr<platform::ChartAnnotation> AnnotX; // the last label's list
    std::shared_ptr<platform::ChartAnnotation> AnnotY; // the last line's list
    bool ManualOnShow = false;                         // whether this load shows the manual layers

protected:
    void Form_Load() override;
    // Whether this window shows the manual layers instead of classifying: while they are in
    // force, and only on the layer grid they were set on (not on a grid set up since, nor on
    // another sounding's).
    bool ShowsManualLayers() const;

    // Draws a profile, the soil-type chart or a layer-text chart.
    void DrawChart(int16_t N, platform::ChartFX& chart) override;
    // While manual layers are in force the manual layer text takes the automatic one's place.
    void PrepareChartOrder(std::string& order) override;
    // The soil-type and layer-text charts keep the drawing of the axis mode switched from.
    void AxisSwitched(int16_t from) override;
    void BackKey() override;
    // On to the manual layer editor.
    void NextKey() override;
    void ExitKey() override;

private:
    void BuildLegend();
    void ResetToolbar();
    void AddChartLabel(platform::ChartFX& chart, float Y, const QString& Text);
    void AddChartLine(platform::ChartFX& chart, float X);

    const ResultFamilyMember member_;
};

} // namespace strelvan
