#pragma once
// The frame of the profile windows, which show a sounding once its project information is
// confirmed: the project particulars and, side by side against depth or elevation, the
// profiles of tip resistance, sleeve friction and friction ratio (and, in the windows of
// soundings with pore-pressure columns, the pore pressures). On loading, the window cleans
// the readings in place and draws its charts; from there the user picks a classification
// method or a soil property to estimate, switches the vertical axis, zooms all charts
// together, prints, goes back to the project form or ends the program.
//
// The frame owns the load, the three profiles, the chart row (which switches depth and
// elevation, zooms, prints and dispatches the toolbar's keys) and the choices of the method
// and of the soil property; a member adds its toolbar, its further charts and keys, and tells
// the frame its few differences (ProfileWindowKeys).
#include <array>
#include <cstdint>

#include "platform/Form.h"
#include "ui/charts/ChartRow.h"
#include "ui/charts/ProjectParticulars.h"

class QAction;
class QHBoxLayout;
class QMenu;

namespace strelvan {

class WindowRegistry;

namespace platform {
class ChartFX;
class Toolbar;
} // namespace platform

// What tells the members apart beyond their toolbars and charts.
struct ProfileWindowKeys {
    ZoomKeyState zoomState = ZoomKeyState::ToolTip; // where the Zoom key keeps its toggle
    // The window keeps the largest readings of the sounding for the steps of its value axes
    // and titles the stresses in the unit of the import settings; otherwise the value axes
    // take the chart's own scale and the unit is "ton/ft".
    bool ownScale = true;
    bool nextOffersMethods = false;  // "Next" offers the classification methods
    bool exportKey = true;           // "Export" chooses the printer
    bool exitReleasesHistory = true; // "Exit" releases the history lists first
};

class ProfileChartWindow : public Form, public ProjectParticulars {
    Q_OBJECT
public:
    // Each redraws one chart from readings 1 to PlotCount, against depth or elevation as the
    // window's axis mode says.
    void TipPlot();
    void SleevePlot();
    void Ratioplot();

    void Toolbar1_ButtonClick(const QString& key) { row_.Press(key); }
    void Toggle_Axis() { row_.Toggle_Axis(); }
    // This window's vertical axis: 1 depth, -1 elevation.
    int16_t AxisMode() const { return row_.AxisMode(); }
    ChartRow& Row() { return row_; }
    // The entries of the Classify Soil menu: the method 1 to 5, then the chart selection.
    void munSubCS1_Click();
    void munSubCS2_Click();
    void munSubCS3_Click();
    void munSubCS4_Click();
    void munSubCS5_Click();

    platform::ChartFX* ChartFX1; // tip resistance
    platform::ChartFX* ChartFX2; // sleeve friction
    platform::ChartFX* ChartFX3; // friction ratio
    platform::Toolbar* Toolbar1 = nullptr;
    QMenu* munCS;                     // "Classify Soil"
    std::array<QAction*, 5> munSubCS; // munSubCS1 .. munSubCS5
    // "Soil Properties", offered by the key "Properties": the constrained modulus, the
    // undrained shear strength and the overconsolidation ratio (munSubSP1 .. munSubSP3).
    QMenu* munSP;
    std::array<QAction*, 3> munSubSP;

    // Readings 1 to PlotCount are plotted.
    int16_t PlotCount = 0;
    // The largest cleaned readings of the sounding (not of the cut); 0 in a window that keeps
    // no maxima.
    float MaxQc = 0;
    float MaxFs = 0;
    float MaxRatio = 0;

protected:
    // A window of the given width with the project boxes (the CPT number's when asked, the
    // elevation and project number boxes with the labels given) over the three profiles.
    ProfileChartWindow(AppContext& app, const char* formName, const ProfileWindowKeys& keys,
                       int width, bool withCPTNo, const char* elevationLabel,
                       const char* projNumLabel);

    void Form_Load() override;
    void Form_Unload() override;

    // The window's toolbar: its clicks are dispatched by the chart row.
    void UseToolbar(platform::Toolbar* toolbar);
    // Adds a further chart at the right end of the row, printed after the others.
    void AddChart(platform::ChartFX* chart);
    // Redraws every chart of the window: the three profiles, then PlotFurtherCharts.
    void PlotAll();
    // Ends the linked zoom: the charts are about to show another vertical range.
    void EndZoom() { row_.EndZoom(); }
    // Pops up the Classify Soil menu under the button of the key.
    void OfferMethods(const QString& key) { Offer(munCS, key); }

    // The member's own steps, each empty in the frame.
    // After the three profiles: the further charts.
    virtual void PlotFurtherCharts() {}
    // The axis mode was set (on loading) or switched.
    virtual void AxisModeSet() {}
    // "Depth": cut the profiles at a chosen depth.
    virtual void CutProfiles() {}
    const std::string& StressUnit() const;

private:
    // The keys of the profile windows besides those the chart row answers.
    void BindKeys();
    // Pops up a menu under the button of the key.
    void Offer(QMenu* menu, const QString& key);
    void ClassifyWith(int16_t methodCode);
    // Records the soil property chosen and opens the soil factors it needs, loaded afresh.
    void EstimateProperty(int16_t propChoice);
    void ExitProgram();

    const ProfileWindowKeys keys_;
    ChartRow row_;
    QHBoxLayout* chartLayout_ = nullptr;
};

// The vertical axis mode of the profile window that is loaded, the window a soil-property
// estimate starts from; 1 (depth) when none is.
int16_t ProfileWindowAxisMode(const WindowRegistry& windows);

} // namespace strelvan
