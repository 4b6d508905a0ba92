#pragma once
// The profile window of a sounding with one pore-pressure column: tip resistance, sleeve
// friction, friction ratio and the pore pressure of that column, side by side.
#include "ui/charts/PoreProfileWindow.h"

namespace strelvan {

class Frm_CPTData4 : public PoreProfileWindow {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_CPTData4";
    explicit Frm_CPTData4(AppContext& app);

protected:
    // The column of PoreType1, or failing that of PoreType2.
    PoreChart PoreChartAt(std::size_t k) const override;
};

} // namespace strelvan
