#include "engine/import/Units.h"

#include <algorithm>

namespace strelvan {

namespace {
// Each product or quotient is formed in double precision and stored as a float.
float Times(float v, double factor) { return static_cast<float>(static_cast<double>(v) * factor); }
float Over(float v, double factor) { return static_cast<float>(static_cast<double>(v) / factor); }

// The layer count may exceed what the arrays hold if a caller sized them apart; never
// step past the arrays.
int LayersInArrays(const LayerGrid& g) {
    const std::size_t size = std::min({g.LayerDepth.size(), g.LayerQc.size(), g.LayerFs.size()});
    return static_cast<int>(std::min<std::size_t>(g.NumLayers < 0 ? 0 : g.NumLayers,
                                                  size == 0 ? 0 : size - 1));
}
} // namespace

void ConvertMillivolt(ConeData& cone, ImportSettings& settings, float TipFactor,
                      float SleeveFactor) {
    const int n = std::clamp<int>(cone.NumPoints, 0, ConeData::kMaxPoints);
    for (int i = 1; i <= n; ++i) {
        cone.Depth[i] = Times(cone.Depth[i], kMetreToFeet);
        cone.Qc[i] = static_cast<float>(static_cast<double>(cone.Qc[i]) * TipFactor / kMPaPerTsf);
        cone.Fs[i] =
            static_cast<float>(static_cast<double>(cone.Fs[i]) * SleeveFactor / kMPaPerTsf);
    }
    settings.UnitsOption = 1;
}

void ConvertMetric(ConeData& cone, ImportSettings& settings) {
    const int n = std::clamp<int>(cone.NumPoints, 0, ConeData::kMaxPoints);
    for (int i = 1; i <= n; ++i) {
        cone.Depth[i] = Times(cone.Depth[i], kMetreToFeet);
        cone.Qc[i] = Times(cone.Qc[i], kMPaToTsf);
        cone.Fs[i] = Times(cone.Fs[i], kMPaToTsf);
    }
    settings.UnitsOption = 1;
}

void WorkToMetric(LayerGrid& grid) {
    const int n = LayersInArrays(grid);
    for (int i = 1; i <= n; ++i) {
        grid.LayerDepth[i] = Times(grid.LayerDepth[i], kFeetToMetre);
        grid.LayerQc[i] = Times(grid.LayerQc[i], kTsfToKgPerCm2);
        grid.LayerFs[i] = Times(grid.LayerFs[i], kTsfToKgPerCm2);
    }
}

void WorkToEnglish(LayerGrid& grid) {
    const int n = LayersInArrays(grid);
    for (int i = 1; i <= n; ++i) {
        grid.LayerDepth[i] = Over(grid.LayerDepth[i], kFeetToMetre);
        grid.LayerQc[i] = Over(grid.LayerQc[i], kTsfToKgPerCm2);
        grid.LayerFs[i] = Over(grid.LayerFs[i], kTsfToKgPerCm2);
    }
}

} // namespace strelvan
