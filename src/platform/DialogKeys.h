#pragma once
// The keys every desktop dialog answers: Enter presses the default button, Escape cancels.
class QPushButton;
class QWidget;

namespace strelvan::platform {

// Makes the window answer Enter and Escape as a dialog does. Enter (or the keypad's Enter)
// presses the push button that has the focus, else the default button, which is shown as the
// default. Escape presses the cancel button, or, when there is none, closes the window as its
// close box does. A control that takes such a key itself keeps it: an open list, a multi-line
// text box (Enter starts a new line).
void UseDialogKeys(QWidget& window, QPushButton* defaultButton, QPushButton* cancelButton);

} // namespace strelvan::platform
