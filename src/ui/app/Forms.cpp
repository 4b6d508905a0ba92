#include "ui/app/Forms.h"

#include "platform/WindowRegistry.h"
#include "ui/app/Frm_About.h"
#include "ui/app/Frm_Splash.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/charts/Frm_CPTData4.h"
#include "ui/charts/Frm_CPTData5.h"
#include "ui/charts/Frm_Export.h"
#include "ui/import/Frm_ConeFactors.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/import/Frm_ViewFile.h"
#include "ui/import/PoreKindWindows.h"
#include "ui/properties/Frm_PlotProperties.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/results/Frm_Fuzzy.h"
#include "ui/results/Frm_Manual.h"
#include "ui/results/Frm_Olsen.h"
#include "ui/results/Frm_Robert86.h"
#include "ui/results/Frm_Select.h"
#include "ui/results/Frm_Tumay01.h"
#include "ui/results/Frm_Tumay02.h"

namespace strelvan {

void RegisterForms(WindowRegistry& windows) {
    // The windows that show results of the sounding close with it; those that show results
    // on the layer grid close also when the grid is set up anew (by another result window,
    // or for the soil properties). The project form holds the title lines and particulars
    // typed for the sounding read: a new read closes it, and Plot Cone Data opens it afresh.
    using Holds = WindowRegistry::Holds;
    windows.Register<Frm_Titles>(Holds::Sounding);
    windows.Register<Frm_Select>(Holds::Sounding);
    windows.Register<Frm_Tumay01>(Holds::LayerGrid);
    windows.Register<Frm_Tumay02>(Holds::LayerGrid);
    windows.Register<Frm_Robert86>(Holds::LayerGrid);
    windows.Register<Frm_Olsen>(Holds::LayerGrid);
    windows.Register<Frm_Manual>(Holds::LayerGrid);
    windows.Register<Frm_Fuzzy>(Holds::LayerGrid);
    windows.Register<Frm_Pore1>();
    windows.Register<Frm_Pore2>();
    windows.Register<Frm_ConeFactors>();
    windows.Register<Frm_Splash>();
    windows.Register<Frm_OpenFile>();
    windows.Register<Frm_ViewFile>();
    windows.Register<Frm_About>();
    windows.Register<Frm_CPTData3>();
    windows.Register<Frm_SoilFactors>(Holds::Sounding);
    windows.Register<Frm_PlotProperties>(Holds::Sounding);
    windows.Register<Frm_Export>();
    windows.Register<Frm_CPTData4>();
    windows.Register<Frm_CPTData5>();
}

} // namespace strelvan
