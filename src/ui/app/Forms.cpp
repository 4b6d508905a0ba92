#include "ui/app/Forms.h"

#include "platform/WindowRegistry.h"
#include "ui/import/Frm_ConeFactors.h"
#include "ui/import/Frm_Pore1.h"
#include "ui/import/Frm_Pore2.h"
#include "ui/import/Frm_Titles.h"
#include "ui/results/Frm_Select.h"

namespace strelvan {

void RegisterForms(WindowRegistry& windows) {
    windows.Register<Frm_Select>();
    windows.Register<Frm_Pore1>();
    windows.Register<Frm_Pore2>();
    windows.Register<Frm_ConeFactors>();
    windows.Register<Frm_Titles>();
}

} // namespace strelvan
