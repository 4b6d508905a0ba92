#include "platform/Program.h"

#include <QApplication>
#include <QCursor>

namespace strelvan::platform {

namespace {
std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}
MousePointer& Pointer() {
    static MousePointer pointer = MousePointer::Default;
    return pointer;
}
} // namespace

void SetEndProgramHook(std::function<void()> hook) { Hook() = std::move(hook); }

void EndProgram() {
    if (Hook()) {
        Hook()();
        return;
    }
    QCoreApplication::exit(0);
}

void SetMousePointer(MousePointer pointer) {
    if (pointer == Pointer())
        return;
    Pointer() = pointer;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return;
    if (pointer == MousePointer::Hourglass)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QApplication::restoreOverrideCursor();
}

MousePointer CurrentMousePointer() { return Pointer(); }

} // namespace strelvan::platform
