#include "ui/app/Forms.h"

#include "platform/WindowRegistry.h"
#include "ui/results/Frm_Select.h"

namespace strelvan {

void RegisterForms(WindowRegistry& windows) {
    windows.Register<Frm_Select>();
}

} // namespace strelvan
