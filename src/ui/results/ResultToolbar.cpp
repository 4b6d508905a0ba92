#include "ui/results/ResultToolbar.h"

#include <QAction>

#include "platform/Toolbar.h"
#include "ui/charts/ToolbarIcons.h"

namespace strelvan {

namespace {
QIcon IconOf(const QString& key) {
    if (key == "Back")
        return ToolbarIcon(ToolIcon::Back);
    if (key == "YAxis")
        return ToolbarIcon(ToolIcon::DepthElevation);
    if (key == "Zoom")
        return ToolbarIcon(ToolIcon::Zoom);
    if (key == "Print")
        return ToolbarIcon(ToolIcon::Print);
    if (key == "Export")
        return ToolbarIcon(ToolIcon::Export);
    if (key == "Exit")
        return ToolbarIcon(ToolIcon::Exit);
    return {};
}
} // namespace

platform::Toolbar* AddResultToolbar(QMainWindow* window,
                                    std::span<const ResultToolbarButton> buttons) {
    // The chart windows' toolbar, empty; the stored items then go in one by one, since a
    // result window's toolbar may hold two placeholders in a row and ends with one.
    platform::Toolbar* toolbar = AddWindowToolbar(window, {});
    for (const ResultToolbarButton& b : buttons) {
        if (b.key == nullptr) {
            toolbar->AddPlaceholder(b.separatorWidth);
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        toolbar->AddButton(key, QString::fromLatin1(b.caption), QString::fromLatin1(b.toolTip),
                           IconOf(key));
    }
    return toolbar;
}

void RestoreCaptions(platform::Toolbar& toolbar, std::span<const ResultToolbarButton> buttons) {
    for (int item = 1; item <= toolbar.ItemCount() && item <= static_cast<int>(buttons.size());
         ++item) {
        const ResultToolbarButton& b = buttons[static_cast<std::size_t>(item - 1)];
        if (b.key != nullptr)
            toolbar.Item(item)->setText(QString::fromLatin1(b.caption));
    }
}

} // namespace strelvan
