#include "ui/results/LayerArrows.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace strelvan {

QIcon LayerArrow(bool up) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 50, 120), 1.2));
    p.setBrush(QColor(40, 90, 190));
    // A broad arrow pointing down; turned over for up.
    QPolygonF arrow({{11, 3}, {21, 3}, {21, 15}, {28, 15}, {16, 29}, {4, 15}, {11, 15}});
    if (up)
        for (QPointF& point : arrow)
            point.setY(32 - point.y());
    p.drawPolygon(arrow);
    p.end();
    return QIcon(pixmap);
}

} // namespace strelvan
