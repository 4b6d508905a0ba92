#pragma once
// The program's picture: a cone penetrometer pushed into layered ground.
#include <QLabel>
#include <QPixmap>
#include <QSize>

namespace strelvan {

QPixmap DrawConePicture(QSize size);

// A label that shows the picture drawn to its own size.
class ConePictureLabel : public QLabel {
public:
    explicit ConePictureLabel(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace strelvan
