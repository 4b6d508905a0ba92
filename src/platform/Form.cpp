#include "platform/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWindow>

#include "platform/AppContext.h"
#include "platform/Screen.h"

namespace strelvan {

namespace {
bool& ModalBlocking() {
    static bool blocking = true;
    return blocking;
}
} // namespace

Form::Form(AppContext& app, const QString& formName) : app_(app), formName_(formName) {
    setObjectName(formName);
}

Form::~Form() {
    // Controls still send signals while they are destroyed (an edit box that loses the
    // focus reports its edit as finished); the window's handlers must not run by then.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

Declarations& Form::Decl() const {
    return app_.decl;
}

void Form::SetModalBlocking(bool blocking) {
    ModalBlocking() = blocking;
}

void Form::Load() {
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Form::OpenFor(const QWidget* owner) {
    if (owner != nullptr)
        owner = owner->window();
    if (owner == nullptr || owner == this || isVisible())
        return;
    winId(); // the window system's window: it takes the owner, and may know its frame
    platform::CentreOnOwner(*this, *owner);
    // An owner that has just closed (a window that hands over to this one as it goes) owns
    // nothing: the window opens where it stood.
    if (QWindow* handle = windowHandle())
        handle->setTransientParent(owner->isVisible() ? owner->windowHandle() : nullptr);
}

void Form::Show(const QWidget* owner) {
    Load();
    if (!loaded_) // Form_Load may unload the window again
        return;
    OpenFor(owner);
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void Form::ShowModal(const QWidget* owner) {
    Load();
    if (!loaded_)
        return;
    OpenFor(owner);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (!ModalBlocking())
        return;
    QPointer<Form> self(this);
    QEventLoop loop;
    connect(this, &Form::HiddenOrUnloaded, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    if (self)
        self->setWindowModality(Qt::NonModal);
}

void Form::Hide() {
    hide();
}

void Form::Unload() {
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    loaded_ = false;
    hide();
    unloading_ = false;
    emit Unloaded();
    emit HiddenOrUnloaded();
    app_.windows.FormUnloaded(this);
}

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    Unload();
}

void Form::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    emit HiddenOrUnloaded();
}

} // namespace strelvan
