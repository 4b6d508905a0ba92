#pragma once
// What one run of the program shares: the state of the sounding and the windows.
// The program makes one; each window test makes a fresh one.
#include "engine/state/Declarations.h"
#include "platform/WindowRegistry.h"

namespace strelvan {

class AppContext {
public:
    AppContext() : windows(*this) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Declarations decl;
    WindowRegistry windows;
};

} // namespace strelvan
