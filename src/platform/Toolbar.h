#pragma once
// A window's toolbar of keyed buttons. Buttons are numbered from 1 in the order they were
// added, counting the empty placeholders that only make room, so a window can address a
// button by its position as well as by its key. A click reports the button's key.
#include <QIcon>
#include <QString>
#include <QToolBar>
#include <vector>

class QAction;

namespace strelvan::platform {

class Toolbar : public QToolBar {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    // An empty placeholder; width in pixels (0: a narrow default gap).
    QAction* AddPlaceholder(int width = 0);
    // A keyed button: the action carries the key as its objectName. An empty key makes a
    // button that reports nothing.
    QAction* AddButton(const QString& key, const QString& caption, const QString& toolTip = {},
                       const QIcon& icon = {});
    // A widget placed in the toolbar (not counted as a button position).
    QAction* AddControl(QWidget* widget);

    // The item at a 1-based position (placeholders count), or nullptr past the end.
    QAction* Item(int position) const;
    QAction* ButtonByKey(const QString& key) const;
    int ItemCount() const { return static_cast<int>(items_.size()); }

signals:
    void ButtonClick(const QString& key);

private:
    std::vector<QAction*> items_;
};

} // namespace strelvan::platform
