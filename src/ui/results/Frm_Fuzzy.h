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
    void Form_Load() override;
    // The memberships are graded on the layers as averaged, before the clean-up: the
    // classifier limits qc and fs in its own units and takes the friction ratio uncapped.
    void ClassifyAveragedLayers() override;
    void ClassifyLayers() override {}

private:
    int unclassified_ = 0; // layers of the last grading without a soil classification index
};

} // namespace strelvan
