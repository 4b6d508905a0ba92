#include "platform/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

#include "platform/AppContext.h"

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

Declarations& Form::Decl() const { return app_.decl; }

void Form::SetModalBlocking(bool blocking) { ModalBlocking() = blocking; }

void Form::Load() {
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Form::Show() {
    Load();
    if (!loaded_) // Form_Load may unload the window again
        return;
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void Form::ShowModal() {
    Load();
    if (!loaded_)
        return;
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

void Form::Hide() { hide(); }

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
