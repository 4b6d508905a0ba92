#pragma once
// Annotations of a chart: a list of text labels and lines that a window attaches to a chart
// (ChartFX::AttachAnnotation) and places on it. Objects are counted and removed by index.
//
// An object is placed in the chart's own terms: its left edge at the plot's left edge (or a
// distance from it), its top at a position value on the chart's vertical scale, its width as
// a share of the plot width. The chart turns the place into pixels each time it paints, so
// labels and lines stay at their depth when the window is resized and on a printed page.
//
// An object may also be placed in chart pixels, as the chart's coordinate service
// (ChartFX::ChartMetric) reports them. The chart the list is attached to keeps such a place in
// its own terms for the picture on show: a left edge as a distance from the plot's left edge, a
// top as the position value at that height, a width as a share of the plot width.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace strelvan::platform {

class ChartAnnotation;
class ChartData;

enum class AnnotationKind { Line = 3, Text = 6 };

// One place along a chart's horizontal or vertical extent, in the chart's own terms.
struct ChartPlace {
    enum class Mode { Pixel, PlotEdge, Value };
    Mode mode = Mode::Pixel;
    double value = 0; // Pixel: chart pixel; PlotEdge: pixels from the plot's left or top edge;
                      // Value: a position on the chart's scale in that direction

    static ChartPlace AtPlotEdge(double pixels = 0) { return {Mode::PlotEdge, pixels}; }
    static ChartPlace AtValue(double position) { return {Mode::Value, position}; }
};

class ChartAnnotationObject {
public:
    explicit ChartAnnotationObject(AnnotationKind kind) : kind_(kind) {}

    AnnotationKind Kind() const { return kind_; }

    // Place and width in the chart's terms.
    void Left(const ChartPlace& place);
    void Top(const ChartPlace& place);
    void WidthShare(double share);

    // Place and size in chart pixels, as given (0 where not given in pixels).
    void Left(int x);
    void Top(int y);
    void Width(int w);
    void Height(int h);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // True once both a left edge and a top were given; an object never placed is not drawn.
    bool Placed() const { return leftGiven_ && topGiven_; }

    void FontName(const QString& name);
    void FontSize(int points);
    void Text(const QString& text);
    void Color(int32_t bgr);
    const QString& FontName() const { return fontName_; }
    int FontSize() const { return fontSize_; }
    const QString& Text() const { return text_; }
    int32_t Color() const { return color_; }

    // The place in the chart's terms.
    const ChartPlace& HorizontalPlace() const { return hPlace_; }
    const ChartPlace& VerticalPlace() const { return vPlace_; }
    // Width as a share of the plot width (negative: a fixed pixel width).
    double WidthShare() const { return widthShare_; }

    // Whether any of left edge, top and width was given in pixels.
    bool InPixels() const { return leftInPixels_ || topInPixels_ || widthInPixels_; }
    // The chart's terms for what was given in pixels, worked out by the chart on show: each is
    // kept where that part of the place was given in pixels.
    void KeepPixelPlace(const ChartPlace& left, const ChartPlace& top, double widthShare);

private:
    friend class ChartAnnotation;
    void Changed(bool placeChanged);

    ChartAnnotation* owner_ = nullptr;
    AnnotationKind kind_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool leftGiven_ = false, topGiven_ = false;
    bool leftInPixels_ = false, topInPixels_ = false, widthInPixels_ = false;
    QString fontName_ = QStringLiteral("Arial");
    int fontSize_ = 8;
    QString text_;
    int32_t color_ = 0;
    ChartPlace hPlace_, vPlace_;
    double widthShare_ = -1;
};

// The list of objects that one extension of a chart holds.
class ChartAnnotation {
public:
    ChartAnnotation() = default;
    ~ChartAnnotation();
    ChartAnnotation(const ChartAnnotation&) = delete;
    ChartAnnotation& operator=(const ChartAnnotation&) = delete;

    // Adds a text (kind 6) or line (kind 3) object at the end; any other kind throws
    // std::invalid_argument.
    ChartAnnotationObject& Add(int kind);
    int Count() const { return static_cast<int>(objects_.size()); }
    // The object at an index from 0; std::out_of_range past the end.
    ChartAnnotationObject& Item(int index);
    const ChartAnnotationObject& Item(int index) const;
    // Removes the object at an index from 0 (nothing when there is none).
    void Remove(int index);
    void Clear();

    // The chart this list is attached to, or nullptr.
    ChartData* Chart() const { return chart_; }

private:
    friend class ChartData; // attaches and detaches the list
    friend class ChartAnnotationObject;
    void Changed(ChartAnnotationObject* placed);

    std::vector<std::unique_ptr<ChartAnnotationObject>> objects_;
    ChartData* chart_ = nullptr; // cleared by the chart when it detaches or goes
};

} // namespace strelvan::platform
