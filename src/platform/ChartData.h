#pragma once
// What a chart holds: everything a window gave the chart control, kept as given and read back
// by whoever asks (the control that draws it, a test that checks what a window drew). It knows
// no widget; ChartFX draws it and is told of each change.
//
// Looks. The window chooses the look when it creates the chart (ChartLook):
//  - Profile: line profiles. A point's value (axis item 0) is drawn on the vertical axis and
//    its X value (axis item 2) on the horizontal axis. The AxisMax end of the vertical axis
//    is drawn at the top, so a depth axis given AxisMax = the first depth and AxisMin = the
//    last one grows downward, and an elevation axis (AxisMax the highest) grows upward.
//  - SoilBars: coloured horizontal bars against depth. The X value (axis item 2) is the
//    depth, drawn vertically with its AxisMax end at the top; the value (axis item 0) is the
//    bar length, drawn horizontally. Each bar takes its point colour; a point never given a
//    colour takes the chart's own colour.
//  - LayerStrip: as SoilBars, for the strip of layer texts: no value-axis labels or grid, so
//    that labels and lines read clearly. The room of the value labels is kept, so the strip's
//    depths line up with those of a profile or soil-type chart of the same height beside it.
//  - DepthCurves: curves against depth: the X value (axis item 2) vertical with its AxisMax
//    end at the top, the values horizontal; a legend box names the series.
// In the looks with depth on axis item 2, a chart given no X values places point i by its
// index: point 0 at the AxisMin end of axis item 2 and point n-1 at its AxisMax end, evenly
// between (point i stands at AxisMin + i (AxisMax - AxisMin) / (n - 1)). The horizontal value
// axis takes its ends and step from axis item 0, or from axis item 1 (the secondary value axis)
// where item 0 was given none. An axis end never given is worked out from the data: a value
// axis runs from 0 to a round number above the largest value, a depth axis over the data.
//
// Data. BeginData(kind, a, b) opens one kind: 1 the values (a series, b points), 6 the X values
// (a series, b points), 3 the point colours (a points). The first BeginData when no kind is
// open starts a new drawing: earlier values, X values and colours are dropped. EndData(kind)
// closes the kind, and the chart shows what was written. Point and series indexes outside the
// opened counts are ignored; counts above kMaxChartSeries and kMaxChartPoints open that many
// only.
//
// Colours are the program's colour longs: red in the low byte, then green, then blue
// (blue = 0xFF0000, red = 0x0000FF).
//
// Settings. ChartSetting16 is the width of the series lines in pixels; ChartOption84 shows
// the legend box at the right of the plot (the DepthCurves look shows it unless told
// otherwise). The other settings and options are kept as given and do not change the picture.
//
// Zoom. ZoomVertical shows a range of the vertical axis and sets ZoomActive, as the user's
// drag over the plot does. AxisZoom shows a part of an axis; AxisZoomRange reports the lower
// and upper end on show. ZoomActive(false) ends every zoom of the chart, which shows its whole
// range again; putting True changes nothing.
//
// Annotations. Lists of labels and lines (ChartAnnotation) attached to the chart; each list
// belongs to one chart at a time.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/ChartItems.h"

namespace strelvan::platform {

class ChartAnnotation;
class ChartAnnotationObject;

enum class ChartLook { Profile, SoilBars, LayerStrip, DepthCurves };

// Kinds of BeginData and EndData.
inline constexpr int kChartValues = 1;
inline constexpr int kChartColors = 3;
inline constexpr int kChartXValues = 6;
inline constexpr int kMaxChartSeries = 64;
inline constexpr int kMaxChartPoints = 40000;

// What changed in a chart, as the control that draws it is told.
enum class ChartChange {
    Data,        // values, X values, colours or the line width: the drawing is out of date
    Closed,      // a kind of data was closed: the chart shows its data now
    Title,       // title text or colour
    Axes,        // an axis end, step, title, font or zoom
    Legend,      // series names, the legend shown or not
    Annotations, // labels and lines attached, removed or changed
};

// The control that draws a chart: told of each change, and asked to keep the place of an
// annotation object given in pixels of the picture on show in the chart's own terms.
class ChartWatcher {
public:
    virtual void ChartChanged(ChartChange change) = 0;
    virtual void PlacePixels(ChartAnnotationObject& object) = 0;

protected:
    ~ChartWatcher() = default;
};

// What one axis item was given.
struct ChartAxisState {
    QString title;
    std::optional<double> min, max, step; // nullopt: never given, worked out from the data
    int fontSize = 8;
    std::optional<int16_t> setting;
    std::optional<std::pair<double, double>> zoom; // the part on show, low <= high
};

// The numbers that one direction of the plot shows, from lo to hi: not reversed, lo is at the
// left (horizontal) or at the bottom (vertical); step, the step between labelled ticks asked for.
struct ChartScale {
    double lo = 0, hi = 1;
    bool reversed = false;
    double step = 1;
};

class ChartLegendBox {
public:
    void Width(int width) { width_ = width; }
    int Width() const { return width_; }
    // Legend-box settings kept as given.
    void Setting(int value) { setting_ = value; }
    std::optional<int> Setting() const { return setting_; }
    void Option(bool value) { option_ = value; }
    std::optional<bool> Option() const { return option_; }

private:
    int width_ = 0;
    std::optional<int> setting_;
    std::optional<bool> option_;
};

// The legend box of a chart as it stands: shown or not (nullopt: as the look has it) and its
// settings; kept to be put back as it was.
struct ChartLegendState {
    std::optional<bool> shown;
    ChartLegendBox box;
};

class ChartData {
public:
    explicit ChartData(ChartLook look = ChartLook::Profile);
    ~ChartData();
    ChartData(const ChartData&) = delete;
    ChartData& operator=(const ChartData&) = delete;

    // The control that draws the chart (nullptr: none).
    void Watch(ChartWatcher* watcher) { watcher_ = watcher; }

    ChartLook Look() const { return look_; }
    // Whether the depth (the X values, axis item 2) is drawn vertically: in every look but
    // Profile, where the values (axis item 0) are.
    bool DepthOnXAxis() const { return look_ != ChartLook::Profile; }
    bool BarLook() const { return look_ == ChartLook::SoilBars || look_ == ChartLook::LayerStrip; }
    int VerticalItem() const { return DepthOnXAxis() ? 2 : 0; }
    int HorizontalItem() const { return DepthOnXAxis() ? 0 : 2; }

    // Data.
    void BeginData(int kind, int32_t count1, int32_t count2);
    void EndData(int kind);
    bool DataOpen(int kind) const;
    int SeriesCount() const { return static_cast<int>(values_.size()); }
    int PointCount() const { return pointCount_; }
    bool HasXValues() const { return hasX_; }
    ChartSeries SeriesList(int series) { return ChartSeries(this, series); }
    const ChartSeries SeriesList(int series) const {
        return ChartSeries(const_cast<ChartData*>(this), series);
    }
    void PointValue(int series, int point, double value);
    void PointXValue(int series, int point, double value);
    std::optional<double> PointValue(int series, int point) const;
    std::optional<double> PointXValue(int series, int point) const;
    void SeriesLegend(int series, const QString& text);
    QString SeriesLegend(int series) const;
    void PointColor(int point, int32_t bgr);
    std::optional<int32_t> PointColor(int point) const;
    // Where a point stands along the X-value axis: its X value, or its place by index where
    // the chart has no X values; NaN where not written.
    double XPosition(int series, int point) const;

    // Titles by index; index 2 is the title over the chart (the others are kept only).
    void TitleText(int index, const QString& text);
    QString TitleText(int index) const;
    void TitleColor(int index, int32_t bgr);
    int32_t TitleColor(int index) const;
    bool HasTitleColor(int index) const { return titleColors_.count(index) != 0; }

    void ChartSetting5(int16_t value) { SetSetting(5, value); }
    void ChartSetting6(int16_t value) { SetSetting(6, value); }
    void ChartSetting7(int16_t value) { SetSetting(7, value); }
    void ChartSetting16(int16_t value) { SetSetting(16, value); }
    std::optional<int16_t> ChartSetting5() const { return Setting(5); }
    std::optional<int16_t> ChartSetting6() const { return Setting(6); }
    std::optional<int16_t> ChartSetting7() const { return Setting(7); }
    std::optional<int16_t> ChartSetting16() const { return Setting(16); }
    void ChartOption28(bool value) { SetOption(28, value); }
    void ChartOption84(bool value) { SetOption(84, value); }
    void ChartOption85(bool value) { SetOption(85, value); }
    void ChartOption86(bool value) { SetOption(86, value); }
    std::optional<bool> ChartOption28() const { return Option(28); }
    std::optional<bool> ChartOption84() const { return Option(84); }
    std::optional<bool> ChartOption85() const { return Option(85); }
    std::optional<bool> ChartOption86() const { return Option(86); }

    ChartLegendBox& LegendBox() { return legendBox_; }
    const ChartLegendBox& LegendBox() const { return legendBox_; }
    bool LegendShown() const;
    ChartLegendState LegendState() const { return {Option(84), legendBox_}; }
    void LegendState(const ChartLegendState& state);

    // Axes.
    ChartAxis AxisList(int axis) { return ChartAxis(this, axis); }
    const ChartAxis AxisList(int axis) const {
        return ChartAxis(const_cast<ChartData*>(this), axis);
    }
    static constexpr int kAxisItems = 3;
    // What axis item 0, 1 or 2 was given.
    const ChartAxisState& Axis(int item) const;
    // Applies a change to axis item 0, 1 or 2 (nothing for another item); `drawn` tells
    // whether the change shows in the picture.
    void ChangeAxis(int item, const std::function<void(ChartAxisState&)>& change,
                    bool drawn = true);

    // The numbers each direction of the plot shows (ChartScale.cpp).
    ChartScale VerticalScale() const;
    ChartScale HorizontalScale() const;
    // A position value on the scale of axis item `item` as the number drawn there (index
    // placement applies on the X-value axis of a chart without X values), and back.
    double ScalePosition(int item, double position) const;
    double PositionFromScale(int item, double value) const;

    // Zoom.
    bool ZoomActive() const { return zoomActive_; }
    void ZoomActive(bool active);
    // Shows the range from a to b (either order) of the vertical axis with the values whole
    // (any earlier cut of the value axis ends), and ZoomActive becomes True. A range of no
    // height, or not a number, changes nothing.
    void ZoomVertical(double a, double b);
    void ZoomResetFlag(bool flag) { zoomResetFlag_ = flag; }
    bool ZoomResetFlag() const { return zoomResetFlag_; }

    // Annotations. Attaching a list attached to another chart moves it here.
    void AttachAnnotation(const std::shared_ptr<ChartAnnotation>& annotation);
    void DetachAnnotation(const ChartAnnotation* annotation);
    void DetachAnnotations();
    const std::vector<std::shared_ptr<ChartAnnotation>>& Annotations() const {
        return annotations_;
    }
    // Told by an attached list that its objects changed; `placed`, an object given a new place.
    void AnnotationChanged(ChartAnnotationObject* placed);

private:
    // The extent of what is drawn: the values and the X positions written.
    struct Extents {
        bool valid = false;
        bool hasData = false;
        double valueLo = 0, valueHi = 0;
        double xLo = 0, xHi = 0;
    };

    void Tell(ChartChange change);
    void DataChanged();
    void SetSetting(int number, int16_t value);
    std::optional<int16_t> Setting(int number) const;
    void SetOption(int number, bool value);
    std::optional<bool> Option(int number) const;
    double IndexPosition(double index) const;
    const Extents& DataExtents() const;

    const ChartLook look_;
    ChartWatcher* watcher_ = nullptr;

    int pointCount_ = 0; // the points of each series of values
    bool hasX_ = false;
    std::vector<std::vector<double>> values_;  // [series][point], NaN: not written
    std::vector<std::vector<double>> xValues_; // [series][point]
    std::vector<std::optional<int32_t>> colors_;
    std::vector<QString> legends_;
    std::array<bool, 7> open_{};
    std::map<int, QString> titles_;
    std::map<int, int32_t> titleColors_;
    std::map<int, int16_t> settings_;
    std::map<int, bool> options_;
    std::array<ChartAxisState, kAxisItems> axes_;
    ChartLegendBox legendBox_;
    bool zoomActive_ = false;
    bool zoomResetFlag_ = true;
    std::vector<std::shared_ptr<ChartAnnotation>> annotations_;
    mutable Extents extents_;
};

} // namespace strelvan::platform
