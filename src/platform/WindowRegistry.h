#pragma once
// The windows of the program by name, each with one default instance: created on first
// use, released on request. A released window that is still open stays open on its own
// and is deleted when it is unloaded; the next use of its name creates a new instance.
// When the last loaded window is unloaded the program ends.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/Form.h"

namespace strelvan {

class AppContext;

class WindowRegistry {
public:
    using Factory = std::function<Form*(AppContext&)>;

    explicit WindowRegistry(AppContext& app);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void Register(const QString& name, Factory factory);
    // Registers a window class F that has `static constexpr const char* kFormName`.
    template <class F> void Register() {
        Register(QString::fromLatin1(F::kFormName), [](AppContext& a) { return new F(a); });
    }
    bool IsRegistered(const QString& name) const;

    // The default instance, created on first use; nullptr when no window of that name
    // is registered.
    Form* Instance(const QString& name);
    // The default instance when one exists, without creating it.
    Form* Find(const QString& name) const;
    template <class F> F& Get() { return *static_cast<F*>(Instance(QString::fromLatin1(F::kFormName))); }
    template <class F> F* FindAs() const {
        return static_cast<F*>(Find(QString::fromLatin1(F::kFormName)));
    }

    // Clears the default instance (Set ... = Nothing).
    void Release(const QString& name);
    template <class F> void Release() { Release(QString::fromLatin1(F::kFormName)); }

    // Hand-overs between windows by name; an unregistered name does nothing.
    void Show(const QString& name);
    void Hide(const QString& name);
    // Unloads the default instance when it exists and is loaded.
    void Unload(const QString& name);
    void UnloadAndRelease(const QString& name);
    bool IsLoaded(const QString& name) const;
    bool AnyLoaded() const;

    // Called by a window after it unloaded.
    void FormUnloaded(Form* form);

private:
    AppContext& app_;
    std::map<QString, Factory> factories_;
    std::map<QString, QPointer<Form>> instances_;
    std::vector<QPointer<Form>> orphans_; // released while loaded
    std::unique_ptr<QObject> guard_;      // ends pending checks with the registry
};

} // namespace strelvan
