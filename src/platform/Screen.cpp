#include "platform/Screen.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMargins>
#include <QPlainTextEdit>
#include <QRect>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

namespace strelvan::platform {

namespace {

const QScreen* ScreenOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// The frame around a window as it last stood on show.
QMargins ShownFrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame the window system puts around a window: known once the window has been shown and
// framed or, on some systems, once it was created.
std::optional<QMargins> KnownFrameOf(const QWidget& window) {
    if (window.isVisible() && window.frameGeometry() != window.geometry())
        return ShownFrameOf(window);
    if (const QWindow* handle = window.windowHandle();
        handle != nullptr && !handle->frameMargins().isNull())
        return handle->frameMargins();
    return std::nullopt;
}

// The frame of a window as known, else that of a like window that has been on show (the
// window system frames its windows alike, or not at all), else a usual title bar and border.
QMargins FrameOf(const QWidget& window, const QWidget* like = nullptr) {
    if (const auto frame = KnownFrameOf(window))
        return *frame;
    if (like != nullptr && like->testAttribute(Qt::WA_WState_Created))
        return ShownFrameOf(*like);
    constexpr int kBorder = 8;
    constexpr int kTitleBar = 32;
    return {kBorder, kTitleBar, kBorder, kBorder};
}

} // namespace

void FitToScreen(QWidget& window, QSize wanted) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameOf(window);
    const QSize room = area.size().shrunkBy(frame);
    window.resize(wanted.boundedTo(room).expandedTo(QSize(1, 1)));
    const QSize outer = window.size().grownBy(frame);
    window.move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

void CentreOnOwner(QWidget& window, const QWidget& owner) {
    const QScreen* screen = ScreenOf(owner);
    if (screen == nullptr)
        return;
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameOf(window, &owner);
    window.resize(window.size().boundedTo(area.size().shrunkBy(frame)).expandedTo(QSize(1, 1)));
    QRect outer(QPoint(), window.size().grownBy(frame));
    outer.moveCenter(owner.frameGeometry().center());
    // Whole inside the area: pushed back from the right and bottom edges, then from the left
    // and top ones, which win when the window is as large as the area.
    outer.moveRight(std::min(outer.right(), area.right()));
    outer.moveBottom(std::min(outer.bottom(), area.bottom()));
    outer.moveLeft(std::max(outer.left(), area.left()));
    outer.moveTop(std::max(outer.top(), area.top()));
    window.move(outer.topLeft()); // a window's position is that of its frame
}

void SizeToScreen(QWidget& window, double widthFraction, double heightFraction) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr)
        return;
    const QRect full = screen->geometry();
    FitToScreen(window, QSize(static_cast<int>(std::lround(full.width() * widthFraction)),
                              static_cast<int>(std::lround(full.height() * heightFraction))));
}

QSize WidenedForColumns(const QWidget& window, const QPlainTextEdit& box, int columns) {
    const QFontMetrics metrics(box.font());
    const int text = metrics.horizontalAdvance(QString(columns, QLatin1Char('M'))) +
                     metrics.averageCharWidth() + // the cursor after the last character
                     2 * static_cast<int>(std::ceil(box.document()->documentMargin()));
    const int needed = text + 2 * box.frameWidth() +
                       box.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &box);
    const QSize natural = window.sizeHint();
    return {natural.width() + std::max(0, needed - box.sizeHint().width()), natural.height()};
}

double TwipsPerPixelY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return dpi > 0.0 ? 1440.0 / dpi : 15.0;
}

} // namespace strelvan::platform
