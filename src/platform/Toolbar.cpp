#include "platform/Toolbar.h"

#include <QAction>
#include <QWidget>

namespace strelvan::platform {

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

QAction* Toolbar::AddPlaceholder(int width) {
    auto* gap = new QWidget(this);
    gap->setFixedWidth(width > 0 ? width : 6);
    QAction* a = addWidget(gap);
    a->setObjectName(QStringLiteral("placeholder%1").arg(items_.size() + 1));
    items_.push_back(a);
    return a;
}

QAction* Toolbar::AddButton(const QString& key, const QString& caption, const QString& toolTip,
                            const QIcon& icon) {
    QAction* a = addAction(icon, caption);
    a->setObjectName(key);
    a->setToolTip(toolTip);
    connect(a, &QAction::triggered, this, [this, a] {
        if (!a->objectName().isEmpty())
            emit ButtonClick(a->objectName());
    });
    items_.push_back(a);
    return a;
}

QAction* Toolbar::AddControl(QWidget* widget) { return addWidget(widget); }

QAction* Toolbar::Item(int position) const {
    if (position < 1 || position > static_cast<int>(items_.size()))
        return nullptr;
    return items_[static_cast<std::size_t>(position - 1)];
}

QAction* Toolbar::ButtonByKey(const QString& key) const {
    for (QAction* a : items_)
        if (a->objectName() == key)
            return a;
    return nullptr;
}

} // namespace strelvan::platform
