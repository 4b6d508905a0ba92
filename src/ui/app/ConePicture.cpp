#include "ui/app/ConePicture.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <algorithm>
#include <array>

namespace strelvan {

namespace {

// Ground: three soil layers under a strip of sky.
void DrawGround(QPainter& p, const QRectF& r, double groundY) {
    QLinearGradient sky(r.topLeft(), QPointF(r.left(), groundY));
    sky.setColorAt(0, QColor(214, 232, 248));
    sky.setColorAt(1, QColor(245, 250, 255));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), groundY - r.top()), sky);

    const std::array<QColor, 3> soils{QColor(168, 132, 90), QColor(196, 178, 128),
                                      QColor(128, 128, 122)};
    const std::array<double, 4> bounds{groundY, groundY + (r.bottom() - groundY) * 0.30,
                                       groundY + (r.bottom() - groundY) * 0.62, r.bottom()};
    for (std::size_t i = 0; i < soils.size(); ++i)
        p.fillRect(QRectF(r.left(), bounds[i], r.width(), bounds[i + 1] - bounds[i]), soils[i]);
    p.setPen(QPen(QColor(90, 70, 50), std::max(1.0, r.width() / 200)));
    p.drawLine(QPointF(r.left(), groundY), QPointF(r.right(), groundY));
}

// The push frame standing on the ground over the rod.
void DrawFrame(QPainter& p, double cx, double groundY, double unit) {
    p.setPen(QPen(QColor(60, 60, 70), unit * 0.5));
    p.setBrush(QColor(220, 120, 40));
    const QRectF beam(cx - unit * 6, groundY - unit * 9, unit * 12, unit * 1.6);
    p.drawRect(beam);
    p.drawLine(QPointF(cx - unit * 5, beam.bottom()), QPointF(cx - unit * 5, groundY));
    p.drawLine(QPointF(cx + unit * 5, beam.bottom()), QPointF(cx + unit * 5, groundY));
}

// Rod, friction sleeve and the cone tip, pointing down.
void DrawPenetrometer(QPainter& p, double cx, double top, double tipY, double unit) {
    const double half = unit * 0.9;
    QLinearGradient steel(QPointF(cx - half, 0), QPointF(cx + half, 0));
    steel.setColorAt(0, QColor(120, 124, 132));
    steel.setColorAt(0.45, QColor(235, 238, 242));
    steel.setColorAt(1, QColor(110, 114, 122));
    p.setPen(QPen(QColor(50, 50, 60), unit * 0.25));
    p.setBrush(steel);

    const double coneHeight = half * 1.73; // a 60 degree cone
    const double sleeveBottom = tipY - coneHeight;
    const double sleeveTop = sleeveBottom - unit * 5;
    p.drawRect(QRectF(cx - half * 0.8, top, half * 1.6, sleeveTop - top));
    p.setBrush(QColor(70, 90, 150));
    p.drawRect(QRectF(cx - half, sleeveTop, half * 2, sleeveBottom - sleeveTop));
    p.setBrush(steel);
    p.drawPolygon(QPolygonF(
        {QPointF(cx - half, sleeveBottom), QPointF(cx + half, sleeveBottom), QPointF(cx, tipY)}));
}

} // namespace

QPixmap DrawConePicture(QSize size) {
    QPixmap pixmap(size.expandedTo(QSize(16, 16)));
    const QRectF r(pixmap.rect());
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = std::min(r.width(), r.height()) / 30.0;
    const double groundY = r.top() + r.height() * 0.35;
    const double cx = r.center().x();
    DrawGround(p, r, groundY);
    DrawFrame(p, cx, groundY, unit);
    DrawPenetrometer(p, cx, groundY - unit * 11, r.top() + r.height() * 0.82, unit);
    return pixmap;
}

} // namespace strelvan

namespace strelvan {

ConePictureLabel::ConePictureLabel(QWidget* parent) : QLabel(parent) {
    setMinimumSize(80, 100);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void ConePictureLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    setPixmap(DrawConePicture(size()));
}

} // namespace strelvan
