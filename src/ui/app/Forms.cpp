#include "ui/app/Forms.h"

#include "platform/WindowRegistry.h"

namespace strelvan {

void RegisterForms(WindowRegistry& windows) {
    (void)windows;
}

} // namespace strelvan
