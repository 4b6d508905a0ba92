#pragma once
// The chart control of the program's windows, on Qt Charts.
//
// A window drives it as it would drive a chart component: it opens the data (BeginData),
// writes point values, X values and point colours, sets titles, axes and look settings,
// and closes the data (EndData) or calls Refresh, and the chart shows what it was given.
// Everything given stays readable (titles, points, colours, axis ends, settings,
// annotations), so tests assert on what a window drew.
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
// closes the kind; EndData and Refresh show what was written. Point and series indexes
// outside the opened counts are ignored; counts above kMaxChartSeries and kMaxChartPoints
// open that many only.
//
// Colours are the program's colour longs: red in the low byte, then green, then blue
// (blue = 0xFF0000, red = 0x0000FF).
//
// Settings. ChartSetting16 is the width of the series lines in pixels; ChartOption84 shows
// the legend box at the right of the plot (the DepthCurves look shows it unless told
// otherwise). The other settings and options are kept as given and do not change the picture.
//
// Title. TitleText(2) stands over the chart; one too wide for the chart is set in a smaller
// type, with the plot kept at the height it has under a title that fits.
//
// Zoom. The user drags the mouse over a vertical range of the plot; the chart then shows
// that range of its vertical axis and ZoomActive becomes True. AxisZoom shows a part of an
// axis; AxisZoomRange reports the lower and upper end on show. ZoomActive(false) ends every
// zoom of the chart, which shows its whole range again; only the user's drag sets it True.
// An axis shows labelled ticks at the multiples of its step (or of a coarser one where the
// labels would crowd); where fewer than three multiples lie in the range on show, as on a
// value axis zoomed short of its step, the step is refined until three do.
//
// Coordinates. ChartMetric(value, 3) turns a position into a packed chart pixel (x in the
// low 16 bits, y in the high 16 bits; read them with ChartLoWord and ChartHiWord). The value
// is ChartMakeLong(h, v): h a position on the horizontal scale, v one on the vertical scale,
// -1 for the plot area's left or top edge. Positions are in the terms of the axis drawn in
// that direction: values, X values, or point indexes where the chart has no X values.
// ChartMetric(0, 7) gives the plot width in the low word and the y of the plot's lower edge
// in the high word. Any other code gives 0.
//
// Printing. PrintChartTo draws the same picture as the screen into a rectangle of any paint
// device (a printer page, a PDF, an image): the chart is laid out at its width on screen (or
// at the print width, where one is set) and the height that fits the rectangle, and scaled
// into it. A row of charts printed at one width keeps its plots level on the page;
// WholeLegendWidth tells the width at which a chart's legend shows its texts whole.
#include <QChartView>
#include <QColor>
#include <QFont>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ChartAnnotation.h"

class QAreaSeries;
class QChart;
class QLineSeries;
class QPainter;
class QRubberBand;
class QValueAxis;

namespace strelvan::platform {

// The colour of a colour long.
QColor ChartColor(int32_t bgr);
// A font of the chart's texts. It is sized in pixels of the chart (a point is 4/3 of a
// pixel), not in points of a device, so that the picture scales as a whole onto a printer
// page or an image.
QFont ChartFont(int points, bool bold = false, const QString& family = QStringLiteral("Arial"));

enum class ChartLook { Profile, SoilBars, LayerStrip, DepthCurves };

// Kinds of BeginData and EndData.
inline constexpr int kChartValues = 1;
inline constexpr int kChartColors = 3;
inline constexpr int kChartXValues = 6;
inline constexpr int kMaxChartSeries = 64;
inline constexpr int kMaxChartPoints = 40000;

class ChartFX;
class AnnotationLayer;

// Item s of the chart's series list.
class ChartSeries {
public:
    ChartSeries(ChartFX* chart, int index) : chart_(chart), index_(index) {}
    // The point's value (along axis item 0) and X value (along axis item 2).
    void PointValue(int point, double value);
    void PointXValue(int point, double value);
    std::optional<double> PointValue(int point) const;
    std::optional<double> PointXValue(int point) const;
    void SeriesLegend(const QString& text);
    QString SeriesLegend() const;

private:
    ChartFX* chart_;
    int index_;
};

// Item a of the chart's axis list: 0 the axis of the point values, 1 the secondary value
// axis, 2 the axis of the X values.
class ChartAxis {
public:
    ChartAxis(ChartFX* chart, int index) : chart_(chart), index_(index) {}
    void AxisTitle(const QString& title);
    void AxisMin(double value);
    void AxisMax(double value);
    void AxisStep(double step);
    void AxisFontSize(int points);
    // A further setting of the axis, kept as given; it does not change the picture.
    void AxisSetting(int16_t value);
    // Shows only the part from low to high (either order) of this axis.
    void AxisZoom(double low, double high);
    QString AxisTitle() const;
    // The ends and step as given (nullopt: never given, worked out from the data).
    std::optional<double> AxisMin() const;
    std::optional<double> AxisMax() const;
    std::optional<double> AxisStep() const;
    int AxisFontSize() const;
    std::optional<int16_t> AxisSetting() const;
    // The lower and upper end on show, as numbers (lower <= upper).
    void AxisZoomRange(double& low, double& high) const;
    // The step between the labelled ticks on show.
    double LabelStep() const;

private:
    ChartFX* chart_;
    int index_;
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

// What the chart's last PrintChartTo drew: its plot area in the device's pixels, and whether
// a legend was shown and with every text whole.
struct ChartPrintout {
    QRectF plot;
    bool legendShown = false;
    bool legendWhole = false;
};

class ChartFX : public QChartView {
public:
    explicit ChartFX(ChartLook look = ChartLook::Profile, QWidget* parent = nullptr);
    ~ChartFX() override;

    ChartLook Look() const { return look_; }

    // Data.
    void BeginData(int kind, int32_t count1, int32_t count2);
    void EndData(int kind);
    bool DataOpen(int kind) const;
    void Refresh();
    int SeriesCount() const { return static_cast<int>(values_.size()); }
    int PointCount() const { return pointCount_; }
    bool HasXValues() const { return hasX_; }

    ChartSeries SeriesList(int series) { return ChartSeries(this, series); }
    const ChartSeries SeriesList(int series) const {
        return ChartSeries(const_cast<ChartFX*>(this), series);
    }
    ChartAxis AxisList(int axis) { return ChartAxis(this, axis); }
    const ChartAxis AxisList(int axis) const { return ChartAxis(const_cast<ChartFX*>(this), axis); }

    void PointColor(int point, int32_t bgr);
    std::optional<int32_t> PointColor(int point) const;

    // Titles by index; index 2 is the title over the chart (the others are kept only).
    void TitleText(int index, const QString& text);
    QString TitleText(int index) const;
    void TitleColor(int index, int32_t bgr);
    int32_t TitleColor(int index) const;

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
    bool LegendShown() const;
    ChartLegendState LegendState() const { return {Option(84), legendBox_}; }
    void LegendState(const ChartLegendState& state);

    bool ZoomActive() const { return zoomActive_; }
    void ZoomActive(bool active);
    // What the user's drag over the plot from the number a down to b on the vertical axis
    // does (either order): the chart shows that range of its vertical axis with its values
    // whole (any earlier cut of the value axis ends) and ZoomActive becomes True. A range of
    // no height, or not a number, changes nothing.
    void DragZoom(double a, double b);
    void ZoomResetFlag(bool flag) { zoomResetFlag_ = flag; }
    bool ZoomResetFlag() const { return zoomResetFlag_; }

    int32_t ChartMetric(int32_t value, int code);
    // Attaches a list of labels and lines (once; a list attached to another chart moves).
    void AttachAnnotation(const std::shared_ptr<ChartAnnotation>& annotation);
    void DetachAnnotation(const ChartAnnotation* annotation);
    void DetachAnnotations();
    const std::vector<std::shared_ptr<ChartAnnotation>>& Annotations() const {
        return annotations_;
    }

    // Draws the chart into the rectangle (left, top)-(right, bottom) of the painter's device.
    // The last two arguments are kept for the callers' sake and change nothing.
    void PrintChartTo(QPainter& painter, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t flags = 1, int32_t reserved = 0);
    // The width in chart pixels at which PrintChartTo lays the chart out; 0, the width on
    // screen.
    void PrintWidth(int width) { printWidth_ = std::max(0, width); }
    int PrintWidth() const { return printWidth_; }
    // The narrowest layout width, not below the width on screen, at which the legend shows
    // every text whole (the width on screen when no legend is shown).
    int WholeLegendWidth();
    const ChartPrintout& LastPrintout() const { return lastPrintout_; }

    int Width() const { return width(); }
    bool Visible() const { return isVisible(); }
    void Visible(bool visible) { setVisible(visible); }
    // Places the control at x on its window (y stays).
    void Move(int x) { move(x, y()); }

    // The pixel of a position on the horizontal or vertical scale (see Coordinates above),
    // in chart pixels, for the layout on show.
    double HorizontalPixel(double position);
    double VerticalPixel(double position);
    QRectF PlotArea();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class ChartSeries;
    friend class ChartAxis;
    friend class ChartAnnotation;
    friend class AnnotationLayer;

    struct AxisState {
        QString title;
        std::optional<double> min, max, step;
        int fontSize = 8;
        std::optional<int16_t> setting;
        std::optional<std::pair<double, double>> zoom;
    };
    // What one direction of the plot shows: the numbers from lo to hi; not reversed, lo is
    // at the left (horizontal) or at the bottom (vertical).
    struct Scale {
        double lo = 0, hi = 1;
        bool reversed = false;
        double step = 1;
    };
    struct MetricQuery {
        bool valid = false;
        int x = 0, y = 0;
        ChartPlace h, v;
    };

    void SetSetting(int number, int16_t value);
    std::optional<int16_t> Setting(int number) const;
    void SetOption(int number, bool value);
    std::optional<bool> Option(int number) const;

    bool DepthOnXAxis() const { return look_ != ChartLook::Profile; }
    bool BarLook() const { return look_ == ChartLook::SoilBars || look_ == ChartLook::LayerStrip; }
    int VerticalItem() const { return DepthOnXAxis() ? 2 : 0; }
    // Where point i stands along the X-value axis: its X value, or its index placement.
    double XPosition(int series, int point) const;
    double IndexPosition(double index) const;
    // A position value on a scale whose axis is the X-value axis (index placement applies).
    double ScalePosition(int item, double position) const;

    void CommitData();
    void CommitLines();
    void CommitBars();
    void ApplyAxes();
    void ApplyTitle();
    void ApplyLegend();
    Scale HorizontalScale() const;
    Scale VerticalScale() const;
    // The chart's size on screen, or a usual one while it has hardly any.
    QSizeF ScreenLayoutSize() const;
    bool LegendWholeAtLayout() const;
    // Brings the chart's layout up to date with its size, data and axes, so that pixel
    // positions are those of the picture on show.
    void SyncLayout();
    void MarkDataChanged() { dataDirty_ = true; }
    void SetUpAnnotationLayer();
    // The number on the vertical scale at a chart pixel's y.
    double VerticalValueAt(double y);
    double PositionFromScale(int item, double value) const;

    // Annotations.
    void PlaceObject(ChartAnnotationObject& object);
    void AnnotationsChanged();
    void PaintAnnotations(QPainter* painter);
    double PlacePixel(const ChartPlace& place, bool horizontal, const QRectF& plot);
    double HorizontalPixelIn(double position, const QRectF& plot) const;
    double VerticalPixelIn(double position, const QRectF& plot) const;

    const ChartLook look_;
    QChart* chart_ = nullptr;
    QValueAxis* hAxis_ = nullptr;
    QValueAxis* vAxis_ = nullptr;
    QColor labelColor_; // the axes' own label colour
    std::vector<QLineSeries*> lines_;
    std::vector<QAreaSeries*> areas_;
    AnnotationLayer* annotationLayer_ = nullptr;

    // What the chart was given.
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
    std::array<AxisState, 3> axes_;
    ChartLegendBox legendBox_;
    bool zoomActive_ = false;
    bool zoomResetFlag_ = true;
    std::vector<std::shared_ptr<ChartAnnotation>> annotations_;

    // Derived from the data on its last showing.
    bool dataDirty_ = false;
    bool layoutDirty_ = true;
    bool hasData_ = false;
    double valueLo_ = 0, valueHi_ = 0; // extent of the values
    double xLo_ = 0, xHi_ = 0;         // extent of the X positions
    MetricQuery lastMetric_;
    int lastPlotWidth_ = -1;

    // Printing.
    int printWidth_ = 0;
    ChartPrintout lastPrintout_;

    // Mouse zoom.
    QRubberBand* band_ = nullptr;
    std::optional<int> dragStartY_;
};

} // namespace strelvan::platform
