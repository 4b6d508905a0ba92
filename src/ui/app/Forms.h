#pragma once

namespace strelvan {

class WindowRegistry;

// Registers every window of the program under its name.
void RegisterForms(WindowRegistry& windows);

} // namespace strelvan
