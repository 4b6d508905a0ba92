#include "platform/Screen.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace strelvan::platform {

void SizeToScreen(QWidget& window, double widthFraction, double heightFraction) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    const int w = static_cast<int>(std::lround(area.width() * widthFraction));
    const int h = static_cast<int>(std::lround(area.height() * heightFraction));
    window.resize(w, h);
    window.move(area.x() + (area.width() - w) / 2, area.y() + (area.height() - h) / 2);
}

double TwipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return dpi > 0.0 ? 1440.0 / dpi : 15.0;
}

} // namespace strelvan::platform
