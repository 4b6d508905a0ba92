#pragma once
// The dark-blue, centred, wrapping labels in which the program shows its name and titles.
#include <QString>

class QLabel;
class QWidget;

namespace strelvan {

QLabel* TitleLabel(QWidget* parent, const QString& name, int pointSize, bool bold,
                   const QString& text = {});

} // namespace strelvan
