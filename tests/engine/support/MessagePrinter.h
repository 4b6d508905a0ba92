#pragma once
// Lets GoogleTest print a message box's text, title and icon when a check fails.
#include <ostream>

#include "engine/state/Message.h"

namespace strelvan {

inline void PrintTo(const Message& m, std::ostream* os) {
    static const char* const kIcons[] = {"none", "critical", "question", "exclamation",
                                         "information"};
    *os << "{\"" << m.text << "\", title \"" << m.title << "\", icon "
        << kIcons[static_cast<int>(m.icon)] << "}";
}

} // namespace strelvan
