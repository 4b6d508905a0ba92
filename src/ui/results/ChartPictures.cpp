#include "ui/results/ChartPictures.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>

namespace strelvan {

namespace {

constexpr int kWidth = 72;
constexpr int kHeight = 112;
// The plot area below the title, depth increasing downwards.
const QRectF kPlot(10, 22, kWidth - 16, kHeight - 28);

// A white card with a title line and an empty plot frame.
QPixmap Card(const QString& title) {
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 3, kWidth, 16), Qt::AlignCenter, title);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(kPlot);
    return picture;
}

// A profile against depth: x in 0..1 of the plot width as a function of depth in 0..1.
template <class Shape> QPixmap Profile(const QString& title, const QColor& colour, Shape shape) {
    QPixmap picture = Card(title);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(225, 225, 225));
    for (int i = 1; i < 4; ++i) {
        const double y = kPlot.top() + kPlot.height() * i / 4;
        p.drawLine(QPointF(kPlot.left() + 1, y), QPointF(kPlot.right() - 1, y));
    }
    QPolygonF line;
    constexpr int kSteps = 60;
    for (int i = 0; i <= kSteps; ++i) {
        const double depth = static_cast<double>(i) / kSteps;
        const double x = std::clamp(shape(depth), 0.03, 0.97);
        line << QPointF(kPlot.left() + x * kPlot.width(), kPlot.top() + depth * kPlot.height());
    }
    p.setPen(QPen(colour, 1.4));
    p.drawPolyline(line);
    return picture;
}

QPixmap SoilTypeBars() {
    QPixmap picture = Card(QStringLiteral("Types"));
    QPainter p(&picture);
    // Bands of soil types down the sounding; the bar length stands for the type number.
    const struct {
        double top, bottom, length;
        QColor colour;
    } bands[] = {
        {0.00, 0.18, 0.80, QColor(230, 200, 40)}, {0.18, 0.34, 0.35, QColor(70, 130, 60)},
        {0.34, 0.55, 0.55, QColor(200, 120, 40)}, {0.55, 0.70, 0.25, QColor(60, 90, 170)},
        {0.70, 1.00, 0.65, QColor(190, 60, 60)},
    };
    for (const auto& b : bands) {
        const double top = kPlot.top() + 1 + b.top * (kPlot.height() - 2);
        const double bottom = kPlot.top() + 1 + b.bottom * (kPlot.height() - 2);
        for (double y = top; y + 2 <= bottom; y += 3)
            p.fillRect(QRectF(kPlot.left() + 1, y, b.length * (kPlot.width() - 2), 2), b.colour);
    }
    return picture;
}

QPixmap LayerTextStrip() {
    QPixmap picture = Card(QStringLiteral("Layers"));
    QPainter p(&picture);
    // Layer boundaries across the strip, each layer with a few lines of description.
    const double bounds[] = {0.0, 0.22, 0.47, 0.71, 1.0};
    for (int layer = 0; layer < 4; ++layer) {
        const double top = kPlot.top() + bounds[layer] * kPlot.height();
        const double bottom = kPlot.top() + bounds[layer + 1] * kPlot.height();
        if (layer > 0) {
            p.setPen(QColor(0, 0, 255));
            p.drawLine(QPointF(kPlot.left(), top), QPointF(kPlot.right(), top));
        }
        p.setPen(QPen(QColor(120, 120, 120), 1.5));
        double y = top + 5;
        for (int line = 0; y + 2 < bottom && line < 3; ++line, y += 5) {
            const double length = (line % 2 == 0 ? 0.8 : 0.55) * (kPlot.width() - 8);
            p.drawLine(QPointF(kPlot.left() + 4, y), QPointF(kPlot.left() + 4 + length, y));
        }
    }
    return picture;
}

} // namespace

std::array<QPixmap, kChoosableCharts> ChartPictures() {
    // Tip resistance grows with depth through layers of sand and clay.
    auto qc = [](double d) { return 0.15 + 0.5 * d + 0.18 * std::sin(d * 17) * std::sin(d * 5); };
    // Sleeve friction follows the tip resistance more smoothly.
    auto fs = [](double d) { return 0.2 + 0.35 * d + 0.12 * std::sin(d * 11 + 1); };
    // The friction ratio is high in the clay bands and low in the sand.
    auto rf = [](double d) { return 0.4 + 0.3 * std::sin(d * 13 + 2) * std::cos(d * 3); };
    return {Profile(QStringLiteral("qc"), QColor(0, 0, 200), qc),
            Profile(QStringLiteral("fs"), QColor(0, 140, 0), fs),
            Profile(QStringLiteral("Rf %"), QColor(200, 0, 0), rf), SoilTypeBars(),
            LayerTextStrip()};
}

} // namespace strelvan
