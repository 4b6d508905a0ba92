#pragma once
// A window of the program with the life of a default instance: the instance is created on
// first use and keeps its window-level variables until it is released; in between, the
// window is loaded (Form_Load runs), shown or hidden, and unloaded (closed) any number of
// times. Unloading keeps the widgets, so Form_Load must set every control state the window
// relies on when it loads.
#include <QMainWindow>
#include <QString>

namespace strelvan {

class AppContext;
struct Declarations;

class Form : public QMainWindow {
    Q_OBJECT
public:
    Form(AppContext& app, const QString& formName);
    ~Form() override;

    const QString& FormName() const { return formName_; }
    AppContext& App() const { return app_; }
    Declarations& Decl() const;

    // Loads the window when it is not loaded: Form_Load runs.
    void Load();
    // Loads and shows the window modeless and brings it to the front. A window opened by
    // another one (its owner) opens centred on it, inside the available screen, and is owned
    // by it (kept in front of it) while the owner is on show; a window already on show stays
    // where the user put it.
    void Show(const QWidget* owner = nullptr);
    // Loads and shows the window modal, placed as Show places it: the call returns when the
    // window is hidden or unloaded (at once in tests, which answer modal windows by clicking
    // them).
    void ShowModal(const QWidget* owner = nullptr);
    // Hides the window; it stays loaded.
    void Hide();
    // Unloads the window: Form_Unload runs and the window closes. The instance stays.
    void Unload();
    bool IsLoaded() const { return loaded_; }
    // Whether the window holds layers the user set by hand and nothing else keeps: a window
    // that would close it asks the user first.
    virtual bool HoldsHandSetLayers() const { return false; }

    // Whether ShowModal waits for the window (on in the program, off in tests).
    static void SetModalBlocking(bool blocking);

signals:
    void Unloaded();
    void HiddenOrUnloaded();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // The close box unloads the window.
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class WindowRegistry;
    // Places a window about to open for its owner.
    void OpenFor(const QWidget* owner);

    AppContext& app_;
    QString formName_;
    bool loaded_ = false;
    bool released_ = false; // no longer the default instance: delete once unloaded
    bool unloading_ = false;
};

} // namespace strelvan
