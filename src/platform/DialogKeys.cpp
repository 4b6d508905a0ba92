#include "platform/DialogKeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace strelvan::platform {

namespace {

bool Pressable(const QPushButton* button) {
    return button != nullptr && button->isEnabled() && button->isVisible();
}

// Watches the key presses that reach the window: those its controls did not take.
class DialogKeyFilter : public QObject {
public:
    DialogKeyFilter(QWidget& window, QPushButton* defaultButton, QPushButton* cancelButton)
        : QObject(&window), window_(window), default_(defaultButton), cancel_(cancelButton) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(*key))
            return Press(FocusedButton() != nullptr ? FocusedButton() : default_.data());
        if (key->matches(QKeySequence::Cancel)) {
            if (cancel_ != nullptr)
                return Press(cancel_.data());
            window_.close();
            return true;
        }
        return false;
    }

private:
    static bool IsEnter(const QKeyEvent& key) {
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
            return false;
        const Qt::KeyboardModifiers mods = key.modifiers();
        return mods == Qt::NoModifier || (mods == Qt::KeypadModifier && key.key() == Qt::Key_Enter);
    }

    // A push button of this window with the focus is the one Enter presses.
    QPushButton* FocusedButton() const { return qobject_cast<QPushButton*>(window_.focusWidget()); }

    static bool Press(QPushButton* button) {
        if (!Pressable(button))
            return false;
        button->click();
        return true;
    }

    QWidget& window_;
    QPointer<QPushButton> default_;
    QPointer<QPushButton> cancel_;
};

} // namespace

void UseDialogKeys(QWidget& window, QPushButton* defaultButton, QPushButton* cancelButton) {
    if (defaultButton != nullptr)
        defaultButton->setDefault(true);
    window.installEventFilter(new DialogKeyFilter(window, defaultButton, cancelButton));
}

} // namespace strelvan::platform
