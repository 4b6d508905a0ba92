// Soil factors and the three property formulas on the grid of a 4000-reading sounding: to
// 200 ft (about 610 layers) and to 4000 ft (about 12,200 layers).
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "engine/classification/LayerGrid.h"
#include "engine/properties/SoilFactors.h"
#include "engine/properties/SoilProperties.h"

using namespace strelvan;

namespace {

std::unique_ptr<Declarations> Sounding(double lastDepth) {
    auto d = std::make_unique<Declarations>();
    const int n = ConeData::kMaxPoints;
    d->cone.NumPoints = static_cast<int16_t>(n);
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> qc(5.0f, 300.0f);
    for (int i = 1; i <= n; ++i) {
        d->cone.Depth[i] = static_cast<float>(lastDepth * i / n);
        d->cone.Qc[i] = d->cone.Qt[i] = qc(rng);
        d->cone.Fs[i] = 0.5f;
    }
    InitIntervalArrays(d->cone, d->grid, d->results, d->props);
    AverageLayers(d->cone, d->grid);
    d->project.GWTDepth = 4.0f;
    return d;
}

void BM_ApplySoilFactors(benchmark::State& state) {
    const auto d = Sounding(static_cast<double>(state.range(0)));
    const SoilFactorTexts texts{"32", "0.3", "120", "15"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplySoilFactors(texts, kConstrainedModulus, d->grid, d->props));
        benchmark::ClobberMemory();
    }
    state.counters["layers"] = d->grid.NumLayers;
}

void BM_PropertyFormulas(benchmark::State& state) {
    const auto d = Sounding(static_cast<double>(state.range(0)));
    // The factors of the shear strength, whose Nk the formulas divide by.
    ApplySoilFactors({"32", "0.3", "120", "15"}, kUndrainedShearStrength, d->grid, d->props);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConstrainedModulus(d->grid, d->props));
        benchmark::DoNotOptimize(UndrainedShearStrength(d->grid, d->props));
        benchmark::DoNotOptimize(OverconsolidationRatio(d->grid, d->props, d->project));
        benchmark::ClobberMemory();
    }
    state.counters["layers"] = d->grid.NumLayers;
}

} // namespace

BENCHMARK(BM_ApplySoilFactors)->Arg(200)->Arg(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PropertyFormulas)->Arg(200)->Arg(4000)->Unit(benchmark::kMicrosecond);
