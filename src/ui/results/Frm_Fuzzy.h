#pragma once
// The result window of the fuzzy classification of Zhang and Tumay (1999): beside up to three
// profiles, one chart of the memberships HPS, HPM and HPC of every grid layer against depth.
// A reduced member of the family: no legend of soil types and no manual layers.
#include "ui/results/ResultWindow.h"

namespace strelvan {

class Frm_Fuzzy : public ResultWindow {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "Frm_Fuzzy";
    explicit Frm_Fuzzy(AppContext& app);

    // The fuzzy chart: three curves against depth, the deepest layer first, on a membership
    // axis from 0 to the largest sum of a layer's three memberships.
    void SoilPlot(platform::ChartFX& ChartSoil) override;

protected:
    // Tells the layers left without a soil classification index once the charts are drawn.
    void Form_Load() override;
};

} // namespace strelvan
