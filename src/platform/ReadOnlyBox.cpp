#include "platform/ReadOnlyBox.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace strelvan::platform {

namespace {
// The gap a line edit keeps between its contents frame and its text, on each side.
constexpr int kTextGap = 2;
// The room the cursor after the last character takes.
constexpr int kCursorRoom = 2;
} // namespace

ReadOnlyBox::ReadOnlyBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus); // shown, not typed into: no box starts focused
    // A text set puts the cursor after its last character, which scrolls the start of a long
    // text out of sight: unless the user is reading through the box, the cursor goes back to
    // the start.
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (!hasFocus())
            setCursorPosition(0);
    });
    connect(this, &QLineEdit::textChanged, this, [this] { UpdateTip(); });
}

void ReadOnlyBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    setCursorPosition(0);
}

bool ReadOnlyBox::ShowsWholeText() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    const int room = contents.width() - 2 * kTextGap;
    return fontMetrics().horizontalAdvance(text()) + kCursorRoom <= room;
}

void ReadOnlyBox::UpdateTip() {
    setToolTip(ShowsWholeText() ? QString() : text());
}

void ReadOnlyBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    UpdateTip();
}

void ReadOnlyBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        UpdateTip();
}

} // namespace strelvan::platform
