#include "ui/charts/Frm_CPTData4.h"

#include "platform/AppContext.h"

namespace strelvan {

Frm_CPTData4::Frm_CPTData4(AppContext& app) : PoreProfileWindow(app, kFormName, 1200) {}

PoreChart Frm_CPTData4::PoreChartAt(std::size_t /*k*/) const {
    return OnePoreChart(Decl().cone);
}

} // namespace strelvan
