#pragma once
// The row of charts of a chart window (the profile windows, the result windows, the property
// plot): its charts side by side in display order, what each profile among them plots, the
// window's vertical axis (depth or elevation), its Zoom key and its printed page.
//
// The linked zoom, the depth/elevation switch, the dispatch of the toolbar's keys and the
// printing of the page are written here once. A window adds its charts, tells the row the
// keys of its own and how it redraws after a switch of the axis, and draws its profiles
// through the row, so the zoom follows exactly what each chart plots.
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "engine/charts/ZoomMaxima.h"
#include "ui/charts/ProfilePlot.h"
#include "ui/charts/ZoomCharts.h"

class QAction;

namespace strelvan {

class Form;

namespace platform {
class ChartFX;
class Toolbar;
} // namespace platform

// Where a window's Zoom key keeps the state of its toggle: in the key's tool tip or in its
// caption.
enum class ZoomKeyState { ToolTip, Caption };

class ChartRow {
public:
    // The row of a window whose Zoom key keeps its toggle where zoomState says.
    ChartRow(Form& window, ZoomKeyState zoomState);

    // Adds a chart at the right end of the row.
    void Add(platform::ChartFX* chart);
    // The left edge of the display slot a chart stands in, where a window places its charts
    // in slots: the display order goes by it (charts never placed keep the order they were
    // added in, ahead of those placed).
    void Place(const platform::ChartFX* chart, int32_t left);
    int32_t Left(const platform::ChartFX* chart) const;
    // The charts on show, in display order.
    std::vector<platform::ChartFX*> OnShow() const;

    // The vertical axis of the row's profiles: 1 depth, -1 elevation.
    int16_t AxisMode() const { return axisMode_; }
    void SetAxisMode(int16_t mode) { axisMode_ = mode; }

    // Draws a profile on a chart of the row against the row's axis and keeps what it plots
    // for the linked zoom at its place in the zoom (nullopt: the chart takes no part).
    void Plot(platform::ChartFX& chart, const Profile& profile,
              std::optional<ZoomChart> place = std::nullopt);
    // The chart no longer shows what it plotted (emptied or hidden): it takes no part in the
    // zoom until it is plotted again.
    void Forget(const platform::ChartFX* chart);

    // The window's toolbar: its clicks are dispatched by key.
    void UseToolbar(platform::Toolbar* toolbar);
    // The action of a key. The row answers "YAxis" (once the window said how it redraws),
    // "Zoom", "Print" and "Export" itself unless the window gives them another action, or none
    // (an empty action: the key does nothing). Any other key does nothing.
    void OnKey(const QString& key, std::function<void()> action);
    void Press(const QString& key);

    // How the window redraws once its axis switched; `from` is the mode switched from.
    void OnAxisSwitch(std::function<void(int16_t from)> redraw);
    // Switches the axis between depth and elevation: refused with a message when no ground
    // elevation was entered; else the zoom ends and the window redraws.
    void Toggle_Axis();
    // A press of the Zoom key. With no profile zoomed: the message "Perform a 'Zoom' on one of
    // the graphs before you 'Zoom All' .. " and the state becomes "Zoom All    ", nothing else
    // changes. Otherwise, when the state contains "All" (in any case), it becomes
    // "Zoom Out    " and every profile follows the one zoomed with the mouse (ZoomAll); else
    // all return to their whole range (ZoomReset) and the state becomes "Zoom All    ".
    void PressZoom();
    // Ends the linked zoom of profiles about to be drawn over another vertical range (the
    // other axis mode, another depth cut), where the range zoomed would show nothing: all
    // return to their whole range, and the Zoom key's state is "Zoom All    ".
    void EndZoom();
    // Prints the page of the project header and the charts on show, in display order.
    void Print();
    // A window that prints its charts otherwise than they stand on screen wraps the printing.
    void PrintThrough(std::function<void(const std::function<void()>& print)> wrap);

private:
    struct Plotted {
        ZoomChart place = ZoomChart::Tip;
        std::vector<float> depth, position, values;
        int32_t count = 0;
        int32_t held = 0;
    };
    struct Entry {
        platform::ChartFX* chart = nullptr;
        std::optional<int32_t> left;
        std::optional<Plotted> plotted;
    };

    Entry* Find(const platform::ChartFX* chart);
    const Entry* Find(const platform::ChartFX* chart) const;
    QAction* ZoomKey() const;
    void SetZoomState(const QString& text) const;
    // The charts linked by the zoom at their places, and what each one plots.
    struct Linked {
        LinkedCharts charts{};
        int16_t count = 3;
        ZoomRow zoom;
    };
    Linked LinkedCharts() const;

    Form& window_;
    const ZoomKeyState zoomState_;
    int16_t axisMode_ = 1;
    std::vector<Entry> entries_;
    platform::Toolbar* toolbar_ = nullptr;
    std::map<QString, std::function<void()>> keys_;
    std::function<void(int16_t)> redraw_;
    std::function<void(const std::function<void()>&)> printWrap_;
};

} // namespace strelvan
