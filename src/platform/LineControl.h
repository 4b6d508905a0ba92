#pragma once
// A line control: a short horizontal line drawn across the middle of its box in its border
// colour, as a legend shows the colour of an entry beside its name.
#include <QWidget>
#include <cstdint>

namespace strelvan::platform {

class LineControl : public QWidget {
public:
    explicit LineControl(QWidget* parent = nullptr);

    // The colour as a colour long (red in the low byte, then green, then blue).
    void BorderColor(int32_t bgr);
    int32_t BorderColor() const { return borderColor_; }
    // The thickness of the line in pixels.
    void BorderWidth(int width);
    int BorderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int32_t borderColor_ = 0;
    int borderWidth_ = 1;
};

} // namespace strelvan::platform
