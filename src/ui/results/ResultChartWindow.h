#pragma once
// What every result window has in common: a row of charts side by side in the display slots
// that the chart order names (the qc, fs and friction-ratio profiles of the layer grid and the
// window's own charts), a toolbar of keyed buttons, the depth/elevation toggle of the
// profiles, the linked zoom of the three profiles, and the printed page of the charts on show.
//
// The chart row (ChartRow) switches the axis, zooms, prints and dispatches the toolbar's keys;
// a window of this kind adds how it draws each chart, what it does before a layout or after a
// switch of the axis, how it prints its page, and where its Back, Next and Exit keys lead.
#include <QString>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "engine/charts/ResultLayout.h"
#include "platform/ChartFX.h"
#include "platform/Form.h"
#include "ui/charts/ChartRow.h"
#include "ui/results/ResultChartSlots.h"
#include "ui/results/ResultToolbar.h"

class QHBoxLayout;
class QResizeEvent;
class QVBoxLayout;

namespace strelvan {

namespace platform {
class Toolbar;
} // namespace platform

class ResultChartWindow : public Form {
    Q_OBJECT
public:
    // Lays out and draws the charts that the chart order names.
    void SelectChart();
    // Shows chart N in the display slot whose left edge is XCoord and draws it.
    void ShowChart(int16_t N, int32_t XCoord);
    void Toolbar1_ButtonClick(const QString& key) { row_.Press(key); }
    // Switches the profiles between depth and elevation.
    void Toggle_Axis() { row_.Toggle_Axis(); }
    // The vertical axis of this window's profiles: 1 depth, -1 elevation.
    int16_t AxisMode() const { return row_.AxisMode(); }
    // The logical left edge of chart k's display slot as the last layout gave it.
    int32_t ChartLeft(std::size_t k) const { return row_.Left(ChartFX.at(k)); }
    ChartRow& Row() { return row_; }

    // Controls: one chart per chart digit, and the toolbar.
    std::vector<platform::ChartFX*> ChartFX;
    platform::Toolbar* Toolbar1 = nullptr;

    // Window-level variables; they last as long as the window's instance.
    int16_t ChartWidth = 0; // width of a chart (pixels), the unit of the layout
    int16_t ChartCount = 0; // charts on show, 1 to 4
    ChartSlots ChartSlot{}; // the chart in each display slot

protected:
    // A window of `charts` charts laid out with the slot offsets given; its toolbar holds the
    // buttons given, as stored.
    ResultChartWindow(AppContext& app, const QString& formName, std::size_t charts,
                      const SlotOffsets& offsets, std::span<const ResultToolbarButton> toolbar);

    // Adds the row of charts to the column, chart k drawn in look(k).
    void AddChartRow(QVBoxLayout& column,
                     const std::function<platform::ChartLook(int chart)>& look);
    // Lays the row out once, when the window has its size, so that each chart has its width
    // before the window is first shown.
    void ArrangeFirstCharts();
    // Adds the toolbar at the window's top.
    void AddToolbar();
    // Gives every keyed button back its caption as stored.
    void RestoreToolbar();

    void Form_Resize();
    void resizeEvent(QResizeEvent* event) override;
    // The charts keep nothing of this load: the next load starts with every chart empty,
    // unzoomed and hidden.
    void Form_Unload() override;

    // Draws chart N, just shown in its slot.
    virtual void DrawChart(int16_t N, platform::ChartFX& chart) = 0;

    // The hooks of a window of this kind; by default they do nothing.
    // The chart order about to be laid out, to adjust in place.
    virtual void PrepareChartOrder(std::string& /*order*/) {}
    // The axis mode switched from `from`; the charts are laid out and drawn next.
    virtual void AxisSwitched(int16_t /*from*/) {}
    // Prints the page through `print`; a window that prints its charts otherwise than they
    // stand on screen wraps it.
    virtual void PrintPage(const std::function<void()>& print) { print(); }
    // The keys that lead elsewhere.
    virtual void BackKey() = 0;
    virtual void NextKey() {}
    virtual void ExitKey() = 0;

private:
    const SlotOffsets& offsets_;
    const std::span<const ResultToolbarButton> toolbar_;
    ChartRow row_;
    QHBoxLayout* chartLayout_ = nullptr;
};

} // namespace strelvan
