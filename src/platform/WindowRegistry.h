#pragma once
// The windows of the program by name, each with one default instance: created on first
// use, released on request. A released window that is still open stays open on its own
// and is deleted when it is unloaded; the next use of its name creates a new instance.
// When the last loaded window is unloaded the program ends.
//
// A window that shows results of the sounding in hand is registered as holding them; when
// the sounding (or the layer grid the results were computed on) is replaced, those windows
// are closed and released together, so that none is ever raised again over what replaced it.
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

    // What a window holds of the sounding in hand.
    enum class Holds {
        Nothing,
        Sounding,  // choices or results of the sounding: closed when a new sounding starts
        LayerGrid, // results on the layer grid: closed also when the grid is set up anew
    };

    explicit WindowRegistry(AppContext& app);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void Register(const QString& name, Factory factory, Holds holds = Holds::Nothing);
    // Registers a window class F that has `static constexpr const char* kFormName`.
    template <class F> void Register(Holds holds = Holds::Nothing) {
        Register(
            QString::fromLatin1(F::kFormName), [](AppContext& a) { return new F(a); }, holds);
    }
    bool IsRegistered(const QString& name) const;

    // The default instance, created on first use; nullptr when no window of that name
    // is registered.
    Form* Instance(const QString& name);
    // The default instance when one exists, without creating it.
    Form* Find(const QString& name) const;
    template <class F> F& Get() {
        return *static_cast<F*>(Instance(QString::fromLatin1(F::kFormName)));
    }
    template <class F> F* FindAs() const {
        return static_cast<F*>(Find(QString::fromLatin1(F::kFormName)));
    }

    // Clears the default instance (Set ... = Nothing).
    void Release(const QString& name);
    template <class F> void Release() { Release(QString::fromLatin1(F::kFormName)); }

    // Hand-overs between windows by name; an unregistered name does nothing. A window shown
    // for another one (its owner) opens on it (Form::Show).
    void Show(const QString& name, const QWidget* owner = nullptr);
    void Hide(const QString& name);
    // Unloads the default instance when it exists and is loaded.
    void Unload(const QString& name);
    void UnloadAndRelease(const QString& name);
    // Loads the window afresh and shows it, so that it shows the choices of the moment: every
    // open window of that name is unloaded first (one released while open too), then the
    // default instance is shown. The instance keeps what it keeps between loads.
    void ShowFresh(const QString& name, const QWidget* owner = nullptr);
    // Unloads and releases every window that holds `what` or more (a window holding results on
    // the layer grid holds results of the sounding too), those released while open as well;
    // `keep`, the window that replaces what they hold, stays.
    void ReleaseWindowsHolding(Holds what, const Form* keep = nullptr);
    // The loaded windows that ReleaseWindowsHolding(what, keep) would close.
    std::vector<Form*> WindowsHolding(Holds what, const Form* keep = nullptr) const;
    bool IsLoaded(const QString& name) const;
    bool AnyLoaded() const;

    // Called by a window after it unloaded.
    void FormUnloaded(Form* form);

private:
    // Whether the window of that name holds `what` or more.
    bool NameHolds(const QString& name, Holds what) const;

    AppContext& app_;
    std::map<QString, Factory> factories_;
    std::map<QString, Holds> holds_;
    std::map<QString, QPointer<Form>> instances_;
    std::vector<QPointer<Form>> orphans_; // released while loaded
    std::unique_ptr<QObject> guard_;      // ends pending checks with the registry

    // Unloads the windows released while open whose name passes the test, but `keep`.
    void UnloadOrphans(const std::function<bool(const QString&)>& named,
                       const Form* keep = nullptr);
};

} // namespace strelvan
