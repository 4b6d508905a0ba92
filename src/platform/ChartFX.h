#pragma once
// The chart control of the program's windows, on Qt Charts.
//
// A window drives it as it would drive a chart component: it opens the data (BeginData),
// writes point values, X values and point colours, sets titles, axes and look settings,
// and closes the data (EndData) or calls Refresh, and the chart shows what it was given.
// What it was given is its ChartData (Data()): the looks, the data and the axes are told
// there. The control draws that model: its scales, series, axes, title and legend, its
// annotations, the user's drag zoom, the coordinate service and the printed picture.
//
// Title. TitleText(2) stands over the chart; one too wide for the chart is set in a smaller
// type, with the plot kept at the height it has under a title that fits.
//
// Gridlines. Every gridline of an axis carries its number; where the labels of a step would
// crowd one another, the axis takes a coarser round step.
//
// Zoom. The user drags the mouse over a vertical range of the plot; the chart then shows
// that range of its vertical axis and ZoomActive becomes True. An axis shows labelled ticks
// at the multiples of its step (or of a coarser one where the labels would crowd); where
// fewer than three multiples lie in the range on show, as on a value axis zoomed short of
// its step, the step is refined until three do.
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
// WholeLegendWidth tells the width at which a chart's legend shows its texts whole. A chart
// may print its legend under the plot (PrintLegendBelow), where it takes none of the plot's
// width, while on screen it stands beside the plot.
//
// Labels. A text annotation shows its one line of text from its place rightward; a label
// whose line would run past the plot's lower edge stands on that edge instead, so that a
// label near the foot of a chart shows whole, on screen and on paper (LabelRect).
#include <QChartView>
#include <QColor>
#include <QFont>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ChartAnnotation.h"
#include "platform/ChartData.h"

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

// The numbers at the gridlines of an axis as laid out, and those of them whose label shows.
struct ChartAxisLabels {
    std::vector<double> gridlines;
    std::vector<double> labelled;
};

// What the chart's last PrintChartTo drew: its plot area and the line of each text label
// (in the order of the annotations) in the device's pixels, and whether a legend was shown,
// with every text whole.
struct ChartPrintout {
    QRectF plot;
    std::vector<QRectF> labels;
    bool legendShown = false;
    bool legendWhole = false;
};

class AnnotationLayer;

class ChartFX : public QChartView, private ChartWatcher {
public:
    explicit ChartFX(ChartLook look = ChartLook::Profile, QWidget* parent = nullptr);
    ~ChartFX() override;

    // What the chart holds.
    ChartData& Data() { return data_; }
    const ChartData& Data() const { return data_; }

    // The operations of the chart control on what it holds.
    void BeginData(int kind, int32_t count1, int32_t count2) {
        data_.BeginData(kind, count1, count2);
    }
    void EndData(int kind) { data_.EndData(kind); }
    // Shows what was written at once.
    void Refresh();
    ChartSeries SeriesList(int series) { return data_.SeriesList(series); }
    ChartAxis AxisList(int axis) { return data_.AxisList(axis); }
    void PointColor(int point, int32_t bgr) { data_.PointColor(point, bgr); }
    void TitleText(int index, const QString& text) { data_.TitleText(index, text); }
    void TitleColor(int index, int32_t bgr) { data_.TitleColor(index, bgr); }
    void ChartSetting5(int16_t value) { data_.ChartSetting5(value); }
    void ChartSetting6(int16_t value) { data_.ChartSetting6(value); }
    void ChartSetting7(int16_t value) { data_.ChartSetting7(value); }
    void ChartSetting16(int16_t value) { data_.ChartSetting16(value); }
    void ChartOption28(bool value) { data_.ChartOption28(value); }
    void ChartOption84(bool value) { data_.ChartOption84(value); }
    void ChartOption85(bool value) { data_.ChartOption85(value); }
    void ChartOption86(bool value) { data_.ChartOption86(value); }
    ChartLegendBox& LegendBox() { return data_.LegendBox(); }
    ChartLegendState LegendState() const { return data_.LegendState(); }
    void LegendState(const ChartLegendState& state) { data_.LegendState(state); }
    bool ZoomActive() const { return data_.ZoomActive(); }
    void ZoomActive(bool active) { data_.ZoomActive(active); }
    void ZoomResetFlag(bool flag) { data_.ZoomResetFlag(flag); }
    // What the user's drag over the plot from the number a down to b on the vertical axis
    // does (either order): the chart shows that range of its vertical axis with its values
    // whole and ZoomActive becomes True (ChartData::ZoomVertical).
    void DragZoom(double a, double b);

    int32_t ChartMetric(int32_t value, int code);
    // Attaches a list of labels and lines (once; a list attached to another chart moves).
    void AttachAnnotation(const std::shared_ptr<ChartAnnotation>& annotation) {
        data_.AttachAnnotation(annotation);
    }
    void DetachAnnotations() { data_.DetachAnnotations(); }

    // Draws the chart into the rectangle (left, top)-(right, bottom) of the painter's device.
    // The last two arguments are kept for the callers' sake and change nothing.
    void PrintChartTo(QPainter& painter, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t flags = 1, int32_t reserved = 0);
    // The width in chart pixels at which PrintChartTo lays the chart out; 0, the width on
    // screen.
    void PrintWidth(int width) { printWidth_ = std::max(0, width); }
    int PrintWidth() const { return printWidth_; }
    // Whether PrintChartTo puts the legend under the plot instead of beside it.
    void PrintLegendBelow(bool below) { printLegendBelow_ = below; }
    bool PrintLegendBelow() const { return printLegendBelow_; }
    // The narrowest layout width, not below the width on screen, at which the printed legend
    // shows every text whole (the width on screen when no legend is shown).
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
    // The line of text of a label (a text annotation) on the chart on show, in chart pixels.
    QRectF LabelRect(const ChartAnnotationObject& label);
    // The step between the labelled ticks on show along axis item a.
    double LabelStep(int axis) const;
    // The gridlines of axis item a on show and those that carry their number.
    ChartAxisLabels AxisLabels(int axis);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // What the chart holds changed.
    void ChartChanged(ChartChange change) override;
    void PlacePixels(ChartAnnotationObject& object) override;

    void CommitData();
    void CommitLines();
    void CommitBars();
    void ApplyAxes();
    void ApplyTitle();
    void ApplyLegend();
    // The chart's size on screen, or a usual one while it has hardly any.
    QSizeF ScreenLayoutSize() const;
    bool LegendWholeAtLayout() const;
    // Puts the legend where a printed page has it, or back beside the plot.
    void PlaceLegendForPrint(bool print);
    // Brings the chart's layout up to date with its size, data and axes, so that pixel
    // positions are those of the picture on show.
    void SyncLayout();
    // Gives every gridline its label: an axis that leaves some out goes to a coarser step.
    void LabelEveryGridline();
    ChartAxisLabels AxisLabelsOf(const QValueAxis& axis) const;
    // The number on the vertical scale at a chart pixel's y.
    double VerticalValueAt(double y);

    // Annotations.
    void SetUpAnnotationLayer();
    void RepaintAnnotations();
    void PaintAnnotations(QPainter* painter);
    double PlacePixel(const ChartPlace& place, bool horizontal, const QRectF& plot) const;
    // Where an object stands on the plot: its left edge and top, and its width (a share of the
    // plot's, or pixels) and height as given.
    QRectF ObjectBox(const ChartAnnotationObject& object, const QRectF& plot) const;
    QRectF LabelRectIn(const ChartAnnotationObject& label, const QRectF& plot) const;
    // The lines of the text labels, in the order of the annotations, for the given plot.
    std::vector<QRectF> LabelRects(const QRectF& plot) const;
    double HorizontalPixelIn(double position, const QRectF& plot) const;
    double VerticalPixelIn(double position, const QRectF& plot) const;

    ChartData data_;
    QChart* chart_ = nullptr;
    QValueAxis* hAxis_ = nullptr;
    QValueAxis* vAxis_ = nullptr;
    QColor labelColor_; // the axes' own label colour
    std::vector<QLineSeries*> lines_;
    std::vector<QAreaSeries*> areas_;
    AnnotationLayer* annotationLayer_ = nullptr;

    // Whether the series and the layout are behind what the chart holds.
    bool dataDirty_ = false;
    bool layoutDirty_ = true;

    // Printing.
    int printWidth_ = 0;
    bool printLegendBelow_ = false;
    ChartPrintout lastPrintout_;

    // Mouse zoom.
    QRubberBand* band_ = nullptr;
    std::optional<int> dragStartY_;
};

} // namespace strelvan::platform
