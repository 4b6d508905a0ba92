// The chart control on screen and on paper: painting, the user's zoom, printing.
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>
#include <cmath>

#include "platform/ChartFX.h"

namespace strelvan::platform {

namespace {
// A drag shorter than this many pixels is a click, not a zoom.
constexpr int kMinZoomDrag = 4;
} // namespace

void ChartFX::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    ApplyTitle(); // so do the size of a long title
    ApplyAxes();  // and the number of ticks that fit
    layoutDirty_ = true;
}

void ChartFX::paintEvent(QPaintEvent* event) {
    CommitData();
    QChartView::paintEvent(event);
}

void ChartFX::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (event->button() != Qt::LeftButton || !PlotArea().contains(p)) {
        QChartView::mousePressEvent(event);
        return;
    }
    dragStartY_ = static_cast<int>(p.y());
    if (band_ == nullptr)
        band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
    const QRectF plot = PlotArea();
    band_->setGeometry(
        QRect(static_cast<int>(plot.left()), *dragStartY_, static_cast<int>(plot.width()), 1));
    band_->show();
    event->accept();
}

void ChartFX::mouseMoveEvent(QMouseEvent* event) {
    if (!dragStartY_) {
        QChartView::mouseMoveEvent(event);
        return;
    }
    const QRectF plot = PlotArea();
    const int y = static_cast<int>(std::clamp(event->position().y(), plot.top(), plot.bottom()));
    band_->setGeometry(QRect(static_cast<int>(plot.left()), std::min(*dragStartY_, y),
                             static_cast<int>(plot.width()), std::abs(y - *dragStartY_) + 1));
    event->accept();
}

void ChartFX::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragStartY_) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    const QRectF plot = PlotArea();
    const double y0 = *dragStartY_;
    const double y1 = std::clamp(event->position().y(), plot.top(), plot.bottom());
    dragStartY_.reset();
    if (band_ != nullptr)
        band_->hide();
    event->accept();
    if (std::fabs(y1 - y0) < kMinZoomDrag)
        return;
    DragZoom(VerticalValueAt(y0), VerticalValueAt(y1));
}

void ChartFX::DragZoom(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b) || a == b)
        return;
    axes_[static_cast<std::size_t>(VerticalItem())].zoom =
        std::make_pair(std::min(a, b), std::max(a, b));
    zoomActive_ = true;
    ApplyAxes();
    viewport()->update();
}

void ChartFX::PrintChartTo(QPainter& painter, int32_t left, int32_t top, int32_t right,
                           int32_t bottom, int32_t flags, int32_t reserved) {
    (void)flags;
    (void)reserved;
    const QRectF target(QPointF(left, top), QPointF(right, bottom));
    if (target.width() <= 0 || target.height() <= 0)
        return;
    SyncLayout();
    // Lay the chart out at its width on screen and the height that fits the rectangle, so
    // that texts keep their size relative to the chart, then scale the whole into it.
    QSizeF screen = size();
    if (screen.width() < 50 || screen.height() < 50)
        screen = QSizeF(400, 600);
    const double scale = target.width() / screen.width();
    const QSizeF logical(screen.width(), target.height() / scale);
    const QSizeF kept = chart_->size();
    chart_->resize(logical);
    chart_->layout()->invalidate();
    chart_->layout()->activate();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    scene()->render(&painter, target, QRectF(QPointF(0, 0), logical), Qt::IgnoreAspectRatio);
    painter.restore();
    chart_->resize(kept);
    chart_->layout()->invalidate();
    chart_->layout()->activate();
}

} // namespace strelvan::platform
