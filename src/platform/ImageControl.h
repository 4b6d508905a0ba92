#pragma once
// An image control: a label that shows a picture or nothing, carries a tag text of its own
// choosing, and reports a click of the left mouse button.
#include <QLabel>
#include <QPixmap>
#include <QString>

class QMouseEvent;

namespace strelvan::platform {

class ImageControl : public QLabel {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    bool HasPicture() const { return !pixmap().isNull(); }
    void SetPicture(const QPixmap& picture) { setPixmap(picture); }
    // Removes the picture; the tag stays.
    void ClearPicture() { setPixmap(QPixmap()); }

    QString Tag;

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace strelvan::platform
