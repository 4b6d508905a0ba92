#include "platform/LineControl.h"

#include <QPainter>
#include <algorithm>

#include "platform/ChartFX.h"

namespace strelvan::platform {

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setMinimumSize(24, borderWidth_ + 2);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void LineControl::BorderColor(int32_t bgr) {
    borderColor_ = bgr;
    update();
}

void LineControl::BorderWidth(int width) {
    borderWidth_ = std::max(1, width);
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int y = height() / 2;
    painter.fillRect(QRect(2, y - borderWidth_ / 2, std::max(0, width() - 4), borderWidth_),
                     ChartColor(borderColor_));
}

} // namespace strelvan::platform
