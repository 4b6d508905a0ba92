#pragma once
// The screen the program runs on.
#include <QSize>

class QPlainTextEdit;
class QWidget;

namespace strelvan::platform {

// Sizes a window to the given fractions of the screen's width and height and centres it,
// within the screen's available area as FitToScreen does.
void SizeToScreen(QWidget& window, double widthFraction, double heightFraction);

// Gives a window the wanted size, but no more than the screen's available area (without
// task bars) leaves for it and its frame, and centres it in that area: every window is
// seen whole, on any screen.
void FitToScreen(QWidget& window, QSize wanted);

// Places a window that another window opened centred on that window (its owner), then moves
// it as little as needed to lie whole, with its frame, inside the available area of the
// owner's screen; a window larger than that area is made to fit it. A window never sized
// takes its natural size first.
void CentreOnOwner(QWidget& window, const QWidget& owner);

// The window's natural size, widened so that the text box in it shows lines of the given
// number of characters of its font whole.
QSize WidenedForColumns(const QWidget& window, const QPlainTextEdit& box, int columns);

// Twips (1/1440 inch) per logical pixel of the screen, vertically: 15 at 96 dots an inch,
// 12 at 120.
double TwipsPerPixelY();

} // namespace strelvan::platform
