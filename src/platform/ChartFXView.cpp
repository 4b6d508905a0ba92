// The chart control on screen and on paper: painting, the user's zoom, printing.
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QValueAxis>
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
    SyncLayout(); // the picture on show has a label at every gridline
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
    data_.ZoomVertical(a, b);
    viewport()->update();
}

QSizeF ChartFX::ScreenLayoutSize() const {
    const QSizeF screen = size();
    return screen.width() < 50 || screen.height() < 50 ? QSizeF(400, 600) : screen;
}

bool ChartFX::LegendWholeAtLayout() const {
    const QLegend* legend = chart_->legend();
    return legend->isVisible() &&
           legend->geometry().width() + 0.5 >= legend->effectiveSizeHint(Qt::PreferredSize).width();
}

namespace {
void LayOut(QChart& chart, const QSizeF& size) {
    chart.resize(size);
    chart.layout()->invalidate();
    chart.layout()->activate();
}
} // namespace

void ChartFX::PlaceLegendForPrint(bool print) {
    chart_->legend()->setAlignment(print && printLegendBelow_ ? Qt::AlignBottom : Qt::AlignRight);
}

int ChartFX::WholeLegendWidth() {
    SyncLayout();
    QSizeF layout = ScreenLayoutSize();
    if (!data_.LegendShown())
        return static_cast<int>(layout.width());
    PlaceLegendForPrint(true);
    // The legend takes at most a share of the chart's width: widen the chart by what its
    // texts lack until they fit (two or three rounds).
    const QSizeF kept = chart_->size();
    const double needs = chart_->legend()->effectiveSizeHint(Qt::PreferredSize).width();
    for (int round = 0; round < 8; ++round) {
        LayOut(*chart_, layout);
        if (LegendWholeAtLayout())
            break;
        const double has = std::max(1.0, chart_->legend()->geometry().width());
        layout.setWidth(std::ceil(layout.width() * needs / has) + 1);
    }
    PlaceLegendForPrint(false);
    LayOut(*chart_, kept);
    return static_cast<int>(layout.width());
}

void ChartFX::PrintChartTo(QPainter& painter, int32_t left, int32_t top, int32_t right,
                           int32_t bottom, int32_t flags, int32_t reserved) {
    (void)flags;
    (void)reserved;
    const QRectF target(QPointF(left, top), QPointF(right, bottom));
    if (target.width() <= 0 || target.height() <= 0)
        return;
    SyncLayout();
    // Lay the chart out at its width (on screen or for print) and the height that fits the
    // rectangle, so that texts keep their size relative to the chart, then scale the whole
    // into it.
    QSizeF layout = ScreenLayoutSize();
    if (printWidth_ > 0)
        layout.setWidth(printWidth_);
    const double scale = target.width() / layout.width();
    const QSizeF logical(layout.width(), target.height() / scale);
    const QSizeF kept = chart_->size();
    const double keptSteps[] = {hAxis_->tickInterval(), vAxis_->tickInterval()};
    PlaceLegendForPrint(true);
    LayOut(*chart_, logical);
    LabelEveryGridline();
    const QRectF plot = chart_->plotArea();
    const auto onPage = [&](const QRectF& r) {
        return QRectF(target.topLeft() + r.topLeft() * scale, r.size() * scale);
    };
    lastPrintout_ = {onPage(plot), {}, data_.LegendShown(), LegendWholeAtLayout()};
    for (const QRectF& label : LabelRects(plot))
        lastPrintout_.labels.push_back(onPage(label));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    scene()->render(&painter, target, QRectF(QPointF(0, 0), logical), Qt::IgnoreAspectRatio);
    painter.restore();
    PlaceLegendForPrint(false);
    hAxis_->setTickInterval(keptSteps[0]);
    vAxis_->setTickInterval(keptSteps[1]);
    LayOut(*chart_, kept);
}

} // namespace strelvan::platform
