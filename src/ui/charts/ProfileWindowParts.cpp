#include "ui/charts/ProfileWindowParts.h"

#include <QAction>
#include <QMenu>

#include "engine/classification/Methods.h"
#include "engine/properties/PropertyChoice.h"
#include "platform/AppContext.h"
#include "platform/ChartFX.h"
#include "platform/Form.h"
#include "platform/Text.h"

namespace strelvan {

platform::ChartFX* ProfileChart(const char* name, QWidget* parent) {
    auto* chart = new platform::ChartFX(platform::ChartLook::Profile, parent);
    chart->setObjectName(QString::fromLatin1(name));
    return chart;
}

std::array<QAction*, 5> AddMethodEntries(QMenu* menu, QObject* receiver,
                                         std::function<void(int16_t)> choose) {
    std::array<QAction*, 5> entries{};
    for (std::size_t k = 0; k < entries.size() && k < Methods().size(); ++k) {
        const MethodRow& method = Methods()[k];
        const int16_t code = method.Code();
        entries[k] = menu->addAction(QString::fromLatin1(method.caption));
        entries[k]->setObjectName(QStringLiteral("munSubCS%1").arg(code));
        QObject::connect(entries[k], &QAction::triggered, receiver,
                         [choose, code] { choose(code); });
    }
    return entries;
}

std::array<QAction*, 3> AddPropertyEntries(QMenu* menu, QObject* receiver,
                                           std::function<void(int16_t)> choose) {
    std::array<QAction*, 3> entries{};
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const ChosenProperty& property = *OfferedProperties()[k];
        const int16_t choice = property.choice;
        entries[k] = menu->addAction(Q(property.caption));
        entries[k]->setObjectName(QStringLiteral("munSubSP%1").arg(k + 1));
        QObject::connect(entries[k], &QAction::triggered, receiver,
                         [choose, choice] { choose(choice); });
    }
    return entries;
}

void ReturnToProjectForm(Form& window) {
    WindowRegistry& windows = window.App().windows;
    windows.Release(window.FormName());
    if (Form* titles = windows.Find("Frm_Titles"))
        titles->Show();
}

} // namespace strelvan
