#pragma once
// The screen the program runs on.
class QWidget;

namespace strelvan::platform {

// Sizes a window to the given fractions of the screen's width and height and centres it.
void SizeToScreen(QWidget& window, double widthFraction, double heightFraction);

// Twips (1/1440 inch) per logical pixel of the screen, vertically: 15 at 96 dots an inch,
// 12 at 120.
double TwipsPerPixelY();

} // namespace strelvan::platform
