#pragma once
// Hand-made layer grids for the tests of the metric classifiers.
#include <vector>

#include "engine/import/Units.h"
#include "engine/state/Declarations.h"

namespace strelvan::test {

struct MetricLayer {
    double qcKgPerCm2;
    double ratioPercent;
};

// Every layer array and every result array sized for layers 1 to n.
inline void SizeGrid(LayerGrid& grid, ClassResults& results, int n) {
    grid.NumLayers = static_cast<int16_t>(n);
    for (auto* a : {&grid.LayerDepth, &grid.LayerQc, &grid.LayerFs, &grid.LayerQt, &grid.LayerRatio,
                    &grid.LayerU1, &grid.LayerU2, &grid.LayerU3, &grid.LayerElev, &results.ProbSand,
                    &results.ProbSilt, &results.ProbClay, &results.SoilIndexU, &results.MuHPS,
                    &results.MuHPM, &results.MuHPC})
        a->assign(n + 1, 0.0f);
}

// Layers in ft and ton/ft2 as the averaging leaves them, from qc in kg/cm2 and the ratio.
inline void FillGrid(LayerGrid& grid, ClassResults& results,
                     const std::vector<MetricLayer>& layers) {
    SizeGrid(grid, results, static_cast<int>(layers.size()));
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const std::size_t k = i + 1;
        const double qcTsf = layers[i].qcKgPerCm2 / kTsfToKgPerCm2;
        grid.LayerDepth[k] = static_cast<float>(grid.LayerThick * (k - 0.5));
        grid.LayerQc[k] = static_cast<float>(qcTsf);
        grid.LayerFs[k] = static_cast<float>(qcTsf * layers[i].ratioPercent / 100.0);
        grid.LayerRatio[k] = static_cast<float>(layers[i].ratioPercent);
    }
}

} // namespace strelvan::test
