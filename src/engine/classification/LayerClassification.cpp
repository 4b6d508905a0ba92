#include "engine/classification/LayerClassification.h"

#include <algorithm>

#include "engine/charts/ProfileReadings.h"
#include "engine/classification/ChartZones.h"
#include "engine/import/Units.h"
#include "engine/state/ArraySizes.h"

namespace strelvan {

namespace {
int CleanedLayers(const LayerGrid& grid) {
    return LayersHeldByAll(grid.NumLayers, {&grid.LayerDepth, &grid.LayerQc, &grid.LayerFs,
                                            &grid.LayerRatio, &grid.LayerElev});
}
} // namespace

void CleanGridLayers(LayerGrid& grid, float groundElev) {
    const int n = CleanedLayers(grid);
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (grid.LayerQc[i] <= 0.0f)
            grid.LayerQc[i] = 1.0f;
        if (grid.LayerFs[i] < 0.0f)
            grid.LayerFs[i] = 0.0f;
    }
    UpdateRatioAndElevation(grid, groundElev);
}

void UpdateRatioAndElevation(LayerGrid& grid, float groundElev) {
    const int n = CleanedLayers(grid);
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        // Quotient and product in double, rounded once when stored: rounded at each step
        // the ratio is often one unit in the last place off, enough to cross a chart limit
        // such as the 2 % of the Schmertmann chart. Anything above the cap is stored as the
        // cap, so a huge quotient never has to fit a float.
        const double ratio = static_cast<double>(grid.LayerFs[i]) / grid.LayerQc[i] * 100.0;
        grid.LayerRatio[i] = ratio > kRatioCap ? kRatioCap : static_cast<float>(ratio);
        if (groundElev != kNoElevation)
            grid.LayerElev[i] = groundElev - grid.LayerDepth[i];
    }
}

void ClassifySchmertmann(const LayerGrid& grid, ClassResults& results) {
    int n = LayersHeldByAll(grid.NumLayers, {&grid.LayerQc, &grid.LayerRatio});
    n = std::min<int>(n, static_cast<int>(results.TypeTumay02.size()) - 1);
    for (int k = n; k >= 1; --k) {
        const auto i = static_cast<std::size_t>(k);
        results.TypeTumay02[i] = Tumay02Zone(grid.LayerQc[i], grid.LayerRatio[i]);
    }
}

namespace {
using MetricZone = int16_t (*)(float qc, float Rf);

void ClassifyMetric(const LayerGrid& grid, std::vector<int16_t>& types, MetricZone zone) {
    int n = LayersHeldByAll(grid.NumLayers, {&grid.LayerQt, &grid.LayerRatio});
    n = std::min<int>(n, static_cast<int>(types.size()) - 1);
    for (int k = n; k >= 1; --k) {
        const auto i = static_cast<std::size_t>(k);
        // The corrected tip resistance in MPa; the grid keeps it in ton/ft2.
        const auto qc = static_cast<float>(grid.LayerQt[i] / kMPaToTsf);
        types[i] = zone(qc, grid.LayerRatio[i]);
    }
}
} // namespace

void ClassifyRobert86(const LayerGrid& grid, ClassResults& results) {
    ClassifyMetric(grid, results.TypeRobert86, Robert86Zone);
}

void ClassifyOlsen(const LayerGrid& grid, ClassResults& results) {
    ClassifyMetric(grid, results.TypeOlsen, OlsenZone);
}

} // namespace strelvan
