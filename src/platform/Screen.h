#pragma once
// The screen the program runs on.
class QWidget;

namespace strelvan::platform {

// Sizes a window to the given fractions of the screen's width and height and centres it.
void SizeToScreen(QWidget& window, double widthFraction, double heightFraction);

} // namespace strelvan::platform
