// The chart control: its coordinate service and the labels and lines placed with it.
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/charts/ChartArgs.h"
#include "platform/ChartFX.h"

namespace strelvan::platform {

// Paints the annotations over the chart, in the chart's own scene, so that every picture
// of the chart (screen, printer, image) holds them.
class AnnotationLayer : public QGraphicsItem {
public:
    AnnotationLayer(ChartFX* owner, QGraphicsItem* parent) : QGraphicsItem(parent), owner_(owner) {}
    QRectF boundingRect() const override { return rect_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        owner_->PaintAnnotations(painter);
    }
    void SetRect(const QRectF& rect) {
        if (rect == rect_)
            return;
        prepareGeometryChange();
        rect_ = rect;
    }

private:
    ChartFX* owner_;
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
    annotationLayer_ = new AnnotationLayer(this, chart_);
    annotationLayer_->setZValue(1000);
    annotationLayer_->SetRect(chart_->rect());
    QObject::connect(chart_, &QGraphicsWidget::geometryChanged, chart_,
                     [this] { annotationLayer_->SetRect(chart_->rect()); });
    QObject::connect(chart_, &QChart::plotAreaChanged, chart_,
                     [this] { annotationLayer_->update(); });
}

int32_t ChartFX::ChartMetric(int32_t value, int code) {
    if (code == 3) {
        const QRectF plot = PlotArea();
        // The inverse of ChartMakeLong: a negative low half borrowed from the high half.
        const int lo = ChartLoWord(value);
        const int hi = static_cast<int>((static_cast<int64_t>(value) - lo) / 65536);
        MetricQuery q;
        q.valid = true;
        q.h = lo == -1 ? ChartPlace{ChartPlace::Mode::PlotEdge, 0}
                       : ChartPlace{ChartPlace::Mode::Value, static_cast<double>(lo)};
        q.v = hi == -1 ? ChartPlace{ChartPlace::Mode::PlotEdge, 0}
                       : ChartPlace{ChartPlace::Mode::Value, static_cast<double>(hi)};
        const int16_t x = PixelWord(PlacePixel(q.h, true, plot));
        const int16_t y = PixelWord(PlacePixel(q.v, false, plot));
        q.x = x;
        q.y = y;
        lastMetric_ = q;
        return PackPixels(x, y);
    }
    if (code == 7) {
        const QRectF plot = PlotArea();
        const int16_t w = PixelWord(plot.width());
        lastPlotWidth_ = w;
        return PackPixels(w, PixelWord(plot.bottom()));
    }
    return 0;
}

double ChartFX::PlacePixel(const ChartPlace& place, bool horizontal, const QRectF& plot) {
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

void ChartFX::PlaceObject(ChartAnnotationObject& o) {
    const QRectF plot = PlotArea();
    if (o.leftGiven_) {
        if (lastMetric_.valid && o.left_ == lastMetric_.x)
            o.hPlace_ = lastMetric_.h;
        else
            o.hPlace_ = {ChartPlace::Mode::PlotEdge, o.left_ - plot.left()};
    }
    if (o.topGiven_) {
        if (lastMetric_.valid && o.top_ == lastMetric_.y)
            o.vPlace_ = lastMetric_.v;
        else if (plot.height() > 1)
            o.vPlace_ = {ChartPlace::Mode::Value,
                         PositionFromScale(VerticalItem(), VerticalValueAt(o.top_))};
        else
            o.vPlace_ = {ChartPlace::Mode::Pixel, static_cast<double>(o.top_)};
    }
    if (o.widthGiven_) {
        if (lastPlotWidth_ > 0 && o.width_ == lastPlotWidth_)
            o.widthShare_ = 1.0;
        else if (plot.width() > 1)
            o.widthShare_ = o.width_ / plot.width();
        else
            o.widthShare_ = -1;
    }
}

void ChartFX::AttachAnnotation(const std::shared_ptr<ChartAnnotation>& annotation) {
    if (!annotation || annotation->chart_ == this)
        return;
    if (annotation->chart_ != nullptr)
        annotation->chart_->DetachAnnotation(annotation.get());
    annotations_.push_back(annotation);
    annotation->chart_ = this;
    for (auto& o : annotation->objects_)
        PlaceObject(*o);
    AnnotationsChanged();
}

void ChartFX::DetachAnnotation(const ChartAnnotation* annotation) {
    auto it = std::find_if(annotations_.begin(), annotations_.end(),
                           [&](const auto& a) { return a.get() == annotation; });
    if (it == annotations_.end())
        return;
    (*it)->chart_ = nullptr;
    annotations_.erase(it);
    AnnotationsChanged();
}

void ChartFX::DetachAnnotations() {
    for (auto& a : annotations_)
        a->chart_ = nullptr;
    annotations_.clear();
    AnnotationsChanged();
}

void ChartFX::AnnotationsChanged() {
    annotationLayer_->update();
}

void ChartFX::PaintAnnotations(QPainter* painter) {
    if (annotations_.empty())
        return;
    const QRectF plot = chart_->plotArea();
    painter->save();
    painter->setClipRect(chart_->rect());
    painter->setRenderHint(QPainter::Antialiasing, false);
    for (const auto& a : annotations_) {
        for (const auto& o : a->objects_) {
            if (!o->Placed())
                continue;
            const double x = PlacePixel(o->hPlace_, true, plot);
            const double y = PlacePixel(o->vPlace_, false, plot);
            const double w = o->widthShare_ >= 0 ? o->widthShare_ * plot.width() : o->width_;
            const QColor color = ChartColor(o->color_);
            if (o->kind_ == AnnotationKind::Line) {
                painter->setPen(QPen(color, 1));
                painter->drawLine(QPointF(x, y), QPointF(x + w, y + o->height_));
                continue;
            }
            const QFont font = ChartFont(o->fontSize_, false, o->fontName_);
            painter->setFont(font);
            painter->setPen(color);
            const double h = std::max<double>(o->height_, QFontMetricsF(font).height());
            // A little room between the strip or the plot's edge and the text.
            painter->drawText(QRectF(x + 2, y, std::max(w - 2, 0.0), h),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, o->text_);
        }
    }
    painter->restore();
}

} // namespace strelvan::platform
