#pragma once
// A message the engine hands to a window for showing in a message box. The engine never
// shows anything itself; it returns what the user must be told and the window shows it.
#include <string>
#include <vector>

namespace strelvan {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel };

struct Message {
    std::string text;
    std::string title; // empty: the program's default title
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;

    bool operator==(const Message&) const = default;
};

using Messages = std::vector<Message>;

} // namespace strelvan
