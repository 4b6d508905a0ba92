#include "platform/MessageBox.h"

#include <QMessageBox>

#include "platform/Text.h"

namespace strelvan::platform {

namespace {
MessageResponder& Responder() {
    static MessageResponder responder;
    return responder;
}

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void SetMessageResponder(MessageResponder responder) { Responder() = std::move(responder); }

QString DefaultTitle() { return QStringLiteral("Strelvan"); }

MsgAnswer ShowMessage(const Message& message, QWidget* parent) {
    if (Responder())
        return Responder()(message);
    const QString title = message.title.empty() ? DefaultTitle() : Q(message.title);
    QMessageBox box(ToQtIcon(message.icon), title, Q(message.text), QMessageBox::NoButton,
                    parent);
    box.addButton(QMessageBox::Ok);
    if (message.buttons == MsgButtons::OkCancel)
        box.addButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

void ShowMessages(const Messages& messages, QWidget* parent) {
    for (const Message& m : messages)
        ShowMessage(m, parent);
}

} // namespace strelvan::platform
