#include "ui/app/TitleLabel.h"

#include <QLabel>

namespace strelvan {

QLabel* TitleLabel(QWidget* parent, const QString& name, int pointSize, bool bold,
                   const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #102a6b;"));
    return label;
}

} // namespace strelvan
