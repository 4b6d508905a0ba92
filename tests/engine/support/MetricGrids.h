#pragma once
// Layer grids for the tests of the metric classifiers: hand-made layers, and the layers of
// a real sounding averaged simply per 0.328 ft window.
#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
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

// The readings of a real sounding (m and MPa, title lines start with no digit), converted
// to ft and ton/ft2.
inline ConeData ReadRealSounding(const std::string& name) {
    ConeData cone;
    std::ifstream in(std::string(STRELVAN_REAL_DATA_DIR) + "/" + name);
    std::string line;
    int n = 0;
    while (std::getline(in, line) && n < ConeData::kMaxPoints) {
        if (line.empty() || !(std::isdigit(static_cast<unsigned char>(line[0])) || line[0] == '-'))
            continue;
        std::istringstream fields(line);
        ++n;
        fields >> cone.Depth[n] >> cone.Qc[n] >> cone.Fs[n];
    }
    cone.NumPoints = static_cast<int16_t>(n);
    ImportSettings settings;
    ConvertMetric(cone, settings);
    return cone;
}

// Layer k averages the readings with (k-1)T < depth <= kT; an empty window repeats the
// layer above it.
inline void AverageRealSounding(const ConeData& cone, LayerGrid& grid, ClassResults& results) {
    const float T = grid.LayerThick;
    SizeGrid(grid, results, static_cast<int>(cone.Depth[cone.NumPoints] / T));
    for (int k = 1; k <= grid.NumLayers; ++k) {
        double qc = 0, fs = 0;
        int count = 0;
        for (int i = 1; i <= cone.NumPoints; ++i) {
            if (cone.Depth[i] > (k - 1) * T && cone.Depth[i] <= k * T) {
                qc += cone.Qc[i];
                fs += cone.Fs[i];
                ++count;
            }
        }
        grid.LayerDepth[k] = (k - 0.5f) * T;
        grid.LayerQc[k] = count ? static_cast<float>(qc / count) : grid.LayerQc[k - 1];
        grid.LayerFs[k] = count ? static_cast<float>(fs / count) : grid.LayerFs[k - 1];
        if (grid.LayerQc[k] != 0.0f)
            grid.LayerRatio[k] = grid.LayerFs[k] * 100.0f / grid.LayerQc[k];
    }
}

} // namespace strelvan::test
