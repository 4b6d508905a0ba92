#include "ui/charts/Frm_CPTData5.h"

#include "platform/AppContext.h"
#include "ui/charts/ProfileWindowParts.h"

namespace strelvan {

Frm_CPTData5::Frm_CPTData5(AppContext& app) : PoreProfileWindow(app, kFormName, 1320) {
    ChartFX5 = ProfileChart("ChartFX5", centralWidget());
    AddPoreChart(ChartFX5);
}

PoreChart Frm_CPTData5::PoreChartAt(std::size_t k) const {
    const ConeData& cone = Decl().cone;
    return k == 0 ? FirstPoreChart(cone) : SecondPoreChart(cone);
}

void Frm_CPTData5::Pore2Plot() {
    PlotPoreChart(1);
}

} // namespace strelvan
