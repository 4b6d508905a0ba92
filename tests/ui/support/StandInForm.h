#pragma once
// A bare window registered under the name of a window that is not part of the program
// yet, so a test can see a hand-over to it: it counts its loads and is found by name.
#include <QString>

#include "platform/AppContext.h"
#include "platform/Form.h"

namespace strelvan::test {

class StandInForm : public Form {
public:
    StandInForm(AppContext& app, const QString& name) : Form(app, name) {}
    int loads = 0;

protected:
    void Form_Load() override { ++loads; }
};

// Registers a stand-in under each name that has no window registered.
inline void RegisterStandIns(AppContext& app, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const QString formName = QString::fromLatin1(name);
        if (!app.windows.IsRegistered(formName))
            app.windows.Register(
                formName, [formName](AppContext& a) { return new StandInForm(a, formName); });
    }
}

} // namespace strelvan::test
