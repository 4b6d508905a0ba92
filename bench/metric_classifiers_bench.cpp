// Probabilistic and fuzzy classification of a long generated grid: 4000 layers alternating
// between clayey and sandy readings.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/classification/FuzzyMembership.h"
#include "engine/classification/SoilProbability.h"

namespace {
using namespace strelvan;

constexpr int kLayers = 4000;

void MakeGrid(LayerGrid& grid, ClassResults& results) {
    grid.NumLayers = kLayers;
    for (auto* a : {&grid.LayerDepth, &grid.LayerQc, &grid.LayerFs, &grid.LayerRatio,
                    &results.ProbSand, &results.ProbSilt, &results.ProbClay, &results.SoilIndexU,
                    &results.MuHPS, &results.MuHPM, &results.MuHPC})
        a->assign(kLayers + 1, 0.0f);
    for (int k = 1; k <= kLayers; ++k) {
        grid.LayerDepth[k] = (k - 0.5f) * grid.LayerThick;
        grid.LayerQc[k] = 5.0f + 150.0f * (0.5f + 0.5f * std::sin(k * 0.05f));
        grid.LayerRatio[k] = 0.5f + 6.0f * (0.5f + 0.5f * std::cos(k * 0.05f));
        grid.LayerFs[k] = grid.LayerQc[k] * grid.LayerRatio[k] / 100.0f;
    }
}

// Each run converts the grid to metric units and back, as the result windows do.
void BM_Classify(benchmark::State& state, int (*classify)(LayerGrid&, ClassResults&)) {
    LayerGrid grid;
    ClassResults results;
    MakeGrid(grid, results);
    for (auto _ : state) {
        benchmark::DoNotOptimize(classify(grid, results));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_Classify, SoilProbability, &SoilProbability);
BENCHMARK_CAPTURE(BM_Classify, FuzzyMembership, &FuzzyMembership);
} // namespace
