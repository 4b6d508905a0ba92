#pragma once
// The one way the program shows a message box. Tests install a responder that records
// each box and answers it, so no test waits on a modal box.
#include <QString>
#include <functional>

#include "engine/state/Message.h"

class QWidget;

namespace strelvan::platform {

enum class MsgAnswer { Ok, Cancel };

using MessageResponder = std::function<MsgAnswer(const Message&)>;

// Installs a responder; an empty one restores the real message boxes.
void SetMessageResponder(MessageResponder responder);

// Shows the box modal and returns the button pressed (Ok for an OK-only box).
MsgAnswer ShowMessage(const Message& message, QWidget* parent = nullptr);
void ShowMessages(const Messages& messages, QWidget* parent = nullptr);

// The title of a box that was given none.
QString DefaultTitle();

} // namespace strelvan::platform
