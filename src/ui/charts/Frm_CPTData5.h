#pragma once
// The profile window of a sounding with two pore-pressure columns: tip resistance, sleeve
// friction, friction ratio and the pore pressures of file columns 4 and 5, side by side.
#include "ui/charts/PoreProfileWindow.h"

namespace strelvan {

class Frm_CPTData5 : public PoreProfileWindow {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_CPTData5";
    explicit Frm_CPTData5(AppContext& app);

    // Redraws the pore pressure of file column 5 (PoreType2).
    void Pore2Plot();

    platform::ChartFX* ChartFX5;

protected:
    // Chart 0 the column of PoreType1, chart 1 that of PoreType2.
    PoreChart PoreChartAt(std::size_t k) const override;
};

} // namespace strelvan
