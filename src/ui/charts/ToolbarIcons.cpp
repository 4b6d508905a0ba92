#include "ui/charts/ToolbarIcons.h"

#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "platform/Toolbar.h"

namespace strelvan {

namespace {
void DrawBack(QPainter& p) {
    p.setBrush(QColor(30, 90, 170));
    p.drawPolygon(QPolygonF({{4, 16}, {15, 6}, {15, 12}, {28, 12}, {28, 20}, {15, 20}, {15, 26}}));
}

void DrawNext(QPainter& p) {
    p.setBrush(QColor(30, 90, 170));
    p.drawPolygon(QPolygonF({{28, 16}, {17, 6}, {17, 12}, {4, 12}, {4, 20}, {17, 20}, {17, 26}}));
}

void DrawDepthElevation(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 2.5));
    p.drawLine(QPointF(16, 6), QPointF(16, 26));
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({{10, 9}, {16, 2}, {22, 9}}));
    p.drawPolygon(QPolygonF({{10, 23}, {16, 30}, {22, 23}}));
}

void DrawZoom(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QPointF(13, 13), 8, 8);
    p.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
}

void DrawPrinter(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(4, 12, 24, 11));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 9));
}

void DrawExport(QPainter& p) {
    DrawPrinter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 140, 60));
    p.drawPolygon(QPolygonF({{18, 2}, {30, 8}, {18, 14}}));
}

void DrawExit(QPainter& p) {
    p.setPen(QPen(QColor(190, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}
} // namespace

QIcon ToolbarIcon(ToolIcon which) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // In the order of ToolIcon.
    static void (*const draw[])(QPainter&) = {DrawBack,   DrawDepthElevation, DrawZoom, DrawPrinter,
                                              DrawExport, DrawExit,           DrawNext};
    draw[static_cast<int>(which)](p);
    p.end();
    return QIcon(pixmap);
}

platform::Toolbar* AddWindowToolbar(QMainWindow* window,
                                    std::initializer_list<ToolButton> buttons) {
    auto* bar = new platform::Toolbar(window);
    bar->setObjectName("Toolbar1");
    bar->setIconSize(QSize(24, 24));
    window->addToolBar(Qt::TopToolBarArea, bar);
    for (const ToolButton& b : buttons) {
        bar->AddPlaceholder(b.gapWidth);
        bar->AddButton(b.key, b.caption, b.toolTip, b.icon ? ToolbarIcon(*b.icon) : QIcon());
    }
    return bar;
}

} // namespace strelvan
