// The layer grid on soundings of 4000 readings: one to 200 ft (0.05 ft steps, about 610
// layers) and one to 4000 ft (1 ft steps, about 12,200 layers), sorted by depth and with
// the depths shuffled.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

#include "engine/classification/LayerGrid.h"

using namespace strelvan;

namespace {

std::unique_ptr<ConeData> Sounding(double lastDepth, bool shuffled) {
    auto c = std::make_unique<ConeData>();
    const int n = ConeData::kMaxPoints;
    c->NumPoints = static_cast<int16_t>(n);
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> qc(5.0f, 300.0f);
    std::uniform_real_distribution<float> fs(0.0f, 3.0f);
    for (int i = 1; i <= n; ++i) {
        c->Depth[i] = static_cast<float>(lastDepth * i / n);
        c->Qc[i] = c->Qt[i] = qc(rng);
        c->Fs[i] = fs(rng);
    }
    if (shuffled) // keep the first and the last reading, which set the grid
        std::shuffle(c->Depth.begin() + 2, c->Depth.begin() + n, rng);
    return c;
}

void BM_InitIntervalArrays(benchmark::State& state) {
    const auto c = Sounding(static_cast<double>(state.range(0)), false);
    LayerGrid grid;
    ClassResults results;
    SoilPropArrays props;
    for (auto _ : state) {
        benchmark::DoNotOptimize(InitIntervalArrays(*c, grid, results, props));
        benchmark::ClobberMemory();
    }
    state.counters["layers"] = grid.NumLayers;
}

void BM_AverageLayers(benchmark::State& state) {
    const auto c = Sounding(static_cast<double>(state.range(0)), state.range(1) != 0);
    LayerGrid grid;
    ClassResults results;
    SoilPropArrays props;
    if (!InitIntervalArrays(*c, grid, results, props).ok) {
        state.SkipWithError("grid refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(AverageLayers(*c, grid));
        benchmark::ClobberMemory();
    }
    state.counters["layers"] = grid.NumLayers;
}

} // namespace

BENCHMARK(BM_InitIntervalArrays)->Arg(200)->Arg(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AverageLayers)
    ->ArgNames({"lastDepth", "shuffled"})
    ->ArgsProduct({{200, 4000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);
