#include <QApplication>
#include <QTextStream>

#include "platform/AppContext.h"
#include "platform/Form.h"
#include "platform/TextFont.h"
#include "ui/app/Forms.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Strelvan"));
    strelvan::platform::UseTextFont();
    // Windows are unloaded, not closed, as the user moves on; the program ends when the
    // last window is unloaded or on an Exit key.
    QApplication::setQuitOnLastWindowClosed(false);

    strelvan::AppContext app;
    strelvan::RegisterForms(app.windows);
    strelvan::Form* first = app.windows.Instance(QStringLiteral("Frm_Splash"));
    if (first == nullptr) {
        QTextStream(stderr) << "Strelvan: no start-up window is built yet.\n";
        return 1;
    }
    first->Show();
    return QApplication::exec();
}
