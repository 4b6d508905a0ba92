#include "platform/ImageControl.h"

#include <QMouseEvent>

namespace strelvan::platform {

ImageControl::ImageControl(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // A click is a press and release of the left button over the control.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

} // namespace strelvan::platform
