#include "platform/WindowRegistry.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "platform/Program.h"

namespace strelvan {

WindowRegistry::WindowRegistry(AppContext& app) : app_(app), guard_(std::make_unique<QObject>()) {}

WindowRegistry::~WindowRegistry() {
    for (auto& [name, form] : instances_)
        delete form.data();
    for (auto& form : orphans_)
        delete form.data();
}

void WindowRegistry::Register(const QString& name, Factory factory, Holds holds) {
    factories_[name] = std::move(factory);
    holds_[name] = holds;
}

bool WindowRegistry::IsRegistered(const QString& name) const {
    return factories_.count(name) != 0;
}

Form* WindowRegistry::Instance(const QString& name) {
    auto it = instances_.find(name);
    if (it != instances_.end() && it->second)
        return it->second.data();
    auto f = factories_.find(name);
    if (f == factories_.end())
        return nullptr;
    Form* form = f->second(app_);
    instances_[name] = form;
    return form;
}

Form* WindowRegistry::Find(const QString& name) const {
    auto it = instances_.find(name);
    return it == instances_.end() ? nullptr : it->second.data();
}

void WindowRegistry::Release(const QString& name) {
    auto it = instances_.find(name);
    if (it == instances_.end())
        return;
    QPointer<Form> form = it->second;
    instances_.erase(it);
    if (!form)
        return;
    form->released_ = true;
    if (form->IsLoaded())
        orphans_.push_back(form);
    else
        form->deleteLater(); // the caller may be one of its own handlers
}

void WindowRegistry::Show(const QString& name, const QWidget* owner) {
    if (Form* f = Instance(name))
        f->Show(owner);
}

void WindowRegistry::Hide(const QString& name) {
    if (Form* f = Find(name))
        f->Hide();
}

void WindowRegistry::Unload(const QString& name) {
    if (Form* f = Find(name))
        f->Unload();
}

void WindowRegistry::UnloadAndRelease(const QString& name) {
    Unload(name);
    Release(name);
}

void WindowRegistry::ShowFresh(const QString& name, const QWidget* owner) {
    UnloadOrphans([&name](const QString& n) { return n == name; });
    Unload(name);
    Show(name, owner);
}

bool WindowRegistry::NameHolds(const QString& name, Holds what) const {
    const auto it = holds_.find(name);
    return it != holds_.end() && it->second >= what;
}

void WindowRegistry::ReleaseWindowsHolding(Holds what, const Form* keep) {
    auto holding = [this, what](const QString& name) { return NameHolds(name, what); };
    UnloadOrphans(holding, keep);
    for (const auto& [name, holds] : holds_)
        if (holding(name) && Find(name) != keep)
            UnloadAndRelease(name);
}

std::vector<Form*> WindowRegistry::WindowsHolding(Holds what, const Form* keep) const {
    std::vector<Form*> found;
    auto add = [&](Form* form) {
        if (form != nullptr && form != keep && form->IsLoaded() &&
            NameHolds(form->FormName(), what))
            found.push_back(form);
    };
    for (const QPointer<Form>& form : orphans_)
        add(form.data());
    for (const auto& [name, form] : instances_)
        add(form.data());
    return found;
}

void WindowRegistry::UnloadOrphans(const std::function<bool(const QString&)>& named,
                                   const Form* keep) {
    // Unloading a released window takes it off the list: walk a copy.
    const std::vector<QPointer<Form>> orphans = orphans_;
    for (const QPointer<Form>& form : orphans)
        if (form && form != keep && named(form->FormName()))
            form->Unload();
}

bool WindowRegistry::IsLoaded(const QString& name) const {
    const Form* f = Find(name);
    return f != nullptr && f->IsLoaded();
}

bool WindowRegistry::AnyLoaded() const {
    for (const auto& [name, form] : instances_)
        if (form && form->IsLoaded())
            return true;
    return std::any_of(orphans_.begin(), orphans_.end(),
                       [](const QPointer<Form>& f) { return f && f->IsLoaded(); });
}

void WindowRegistry::FormUnloaded(Form* form) {
    if (form->released_) {
        orphans_.erase(std::remove(orphans_.begin(), orphans_.end(), QPointer<Form>(form)),
                       orphans_.end());
        form->deleteLater();
    }
    // The handler that unloaded this window may still show another one; decide once it
    // has returned.
    QTimer::singleShot(0, guard_.get(), [this] {
        if (!AnyLoaded())
            platform::EndProgram();
    });
}

} // namespace strelvan
