// The chart control: its coordinate service and the labels and lines it draws.
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "engine/charts/ChartArgs.h"
#include "platform/ChartFX.h"

namespace strelvan::platform {

// Paints the annotations over the chart, in the chart's own scene, so that every picture
// of the chart (screen, printer, image) holds them.
class AnnotationLayer : public QGraphicsItem {
public:
    AnnotationLayer(std::function<void(QPainter*)> paint, QGraphicsItem* parent)
        : QGraphicsItem(parent), paint_(std::move(paint)) {}
    QRectF boundingRect() const override { return rect_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        paint_(painter);
    }
    void SetRect(const QRectF& rect) {
        if (rect == rect_)
            return;
        prepareGeometryChange();
        rect_ = rect;
    }

private:
    std::function<void(QPainter*)> paint_;
    QRectF rect_;
};

namespace {
int16_t PixelWord(double v) {
    return static_cast<int16_t>(std::clamp<long>(std::lround(v), -32768, 32767));
}

// x in the low 16 bits and y in the high 16 bits, each read back exactly by ChartLoWord
// and ChartHiWord.
int32_t PackPixels(int16_t x, int16_t y) {
    const uint32_t packed =
        (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) | static_cast<uint16_t>(x);
    return static_cast<int32_t>(packed);
}
} // namespace

void ChartFX::SetUpAnnotationLayer() {
    annotationLayer_ = new AnnotationLayer([this](QPainter* p) { PaintAnnotations(p); }, chart_);
    annotationLayer_->setZValue(1000);
    annotationLayer_->SetRect(chart_->rect());
    QObject::connect(chart_, &QGraphicsWidget::geometryChanged, chart_,
                     [this] { annotationLayer_->SetRect(chart_->rect()); });
    QObject::connect(chart_, &QChart::plotAreaChanged, chart_,
                     [this] { annotationLayer_->update(); });
}

void ChartFX::RepaintAnnotations() {
    annotationLayer_->update();
}

int32_t ChartFX::ChartMetric(int32_t value, int code) {
    if (code == 3) {
        const QRectF plot = PlotArea();
        // The inverse of ChartMakeLong: a negative low half borrowed from the high half.
        const int lo = ChartLoWord(value);
        const int hi = static_cast<int>((static_cast<int64_t>(value) - lo) / 65536);
        const ChartPlace h = lo == -1 ? ChartPlace::AtPlotEdge() : ChartPlace::AtValue(lo);
        const ChartPlace v = hi == -1 ? ChartPlace::AtPlotEdge() : ChartPlace::AtValue(hi);
        return PackPixels(PixelWord(PlacePixel(h, true, plot)),
                          PixelWord(PlacePixel(v, false, plot)));
    }
    if (code == 7) {
        const QRectF plot = PlotArea();
        return PackPixels(PixelWord(plot.width()), PixelWord(plot.bottom()));
    }
    return 0;
}

double ChartFX::PlacePixel(const ChartPlace& place, bool horizontal, const QRectF& plot) const {
    switch (place.mode) {
    case ChartPlace::Mode::Pixel:
        return place.value;
    case ChartPlace::Mode::PlotEdge:
        return (horizontal ? plot.left() : plot.top()) + place.value;
    case ChartPlace::Mode::Value:
        return horizontal ? HorizontalPixelIn(place.value, plot)
                          : VerticalPixelIn(place.value, plot);
    }
    return place.value;
}

QRectF ChartFX::ObjectBox(const ChartAnnotationObject& o, const QRectF& plot) const {
    const double w = o.WidthShare() >= 0 ? o.WidthShare() * plot.width() : o.Width();
    return QRectF(PlacePixel(o.HorizontalPlace(), true, plot),
                  PlacePixel(o.VerticalPlace(), false, plot), w, o.Height());
}

QRectF ChartFX::LabelRectIn(const ChartAnnotationObject& o, const QRectF& plot) const {
    const QRectF box = ObjectBox(o, plot);
    const double x = box.x();
    const double w = box.width();
    double y = box.y();
    const double line = QFontMetricsF(ChartFont(o.FontSize(), false, o.FontName())).height();
    // A label on the plot whose line would run past its lower edge (the label of a thin layer
    // at the foot) stands on that edge, above the last boundary line.
    if (y >= plot.top() && y <= plot.bottom())
        y = std::max(plot.top(), std::min(y, plot.bottom() - line));
    // A little room between the strip or the plot's edge and the text.
    return QRectF(x + 2, y, std::max(w - 2, 0.0), line);
}

std::vector<QRectF> ChartFX::LabelRects(const QRectF& plot) const {
    std::vector<QRectF> rects;
    for (const auto& a : data_.Annotations())
        for (int i = 0; i < a->Count(); ++i) {
            const ChartAnnotationObject& o = a->Item(i);
            if (o.Placed() && o.Kind() == AnnotationKind::Text)
                rects.push_back(LabelRectIn(o, plot));
        }
    return rects;
}

QRectF ChartFX::LabelRect(const ChartAnnotationObject& label) {
    return LabelRectIn(label, PlotArea());
}

void ChartFX::PlacePixels(ChartAnnotationObject& o) {
    const QRectF plot = PlotArea();
    const ChartPlace left = ChartPlace::AtPlotEdge(o.Left() - plot.left());
    // A plot of no height has no scale to read a value from: the top stays a pixel.
    const ChartPlace top =
        plot.height() > 1 ? ChartPlace::AtValue(data_.PositionFromScale(data_.VerticalItem(),
                                                                        VerticalValueAt(o.Top())))
                          : ChartPlace{ChartPlace::Mode::Pixel, static_cast<double>(o.Top())};
    const double share = plot.width() > 1 ? o.Width() / plot.width() : -1;
    o.KeepPixelPlace(left, top, share);
}

void ChartFX::PaintAnnotations(QPainter* painter) {
    if (data_.Annotations().empty())
        return;
    const QRectF plot = chart_->plotArea();
    painter->save();
    painter->setClipRect(chart_->rect());
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (const auto& a : data_.Annotations()) {
        for (int i = 0; i < a->Count(); ++i) {
            const ChartAnnotationObject& o = a->Item(i);
            if (!o.Placed())
                continue;
            const QColor color = ChartColor(o.Color());
            if (o.Kind() == AnnotationKind::Text) {
                painter->setFont(ChartFont(o.FontSize(), false, o.FontName()));
                painter->setPen(color);
                painter->drawText(LabelRectIn(o, plot),
                                  Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, o.Text());
                continue;
            }
            const QRectF box = ObjectBox(o, plot);
            painter->setPen(QPen(color, 1));
            painter->drawLine(box.topLeft(), box.bottomRight());
        }
    }
    painter->restore();
}

} // namespace strelvan::platform
