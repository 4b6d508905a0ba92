#include "engine/import/Units.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/state/ArraySizes.h"
#include "engine/state/Numbers.h"

namespace strelvan {

namespace {
// Stores a double as a float; a value past the float range becomes an infinity of its sign
// (a plain cast of such a value is undefined), a value that is not a number stays one.
float StoreSingle(double v) {
    if (const std::optional<float> stored = SingleOf(v))
        return *stored;
    return static_cast<float>(std::isnan(v) ? v : std::copysign(HUGE_VAL, v));
}

// A value that is not a number is carried over as it is, not refused.
bool FitsSingle(double v) {
    return std::isnan(v) || SingleOf(v).has_value();
}

// Each product or quotient is formed in double precision and stored as a float.
double Times(float v, double factor) {
    return static_cast<double>(v) * factor;
}
double Over(float v, double factor) {
    return static_cast<double>(v) / factor;
}

// The layer count may exceed what the arrays hold if a caller sized them apart; never
// step past the arrays.
int LayersInArrays(const LayerGrid& g) {
    return LayersHeldByAll(g.NumLayers, {&g.LayerDepth, &g.LayerQc, &g.LayerFs});
}

// The columns read in the units of qc besides qc itself: the corrected tip resistance and the
// pore pressures.
constexpr ConeData::Column ConeData::*kStressColumns[] = {&ConeData::Qt, &ConeData::U1,
                                                          &ConeData::U2, &ConeData::U3};

// Converts Depth, Qc and Fs of readings 1 to NumPoints with the given steps (and, with
// stresses set, Qt and the pore pressures with the step of qc), all or none: when any
// converted value would leave the float range, the readings stay as they were.
template <class DepthStep, class QcStep, class FsStep>
ConversionResult ConvertReadings(ConeData& cone, ImportSettings& settings, DepthStep depth,
                                 QcStep qc, FsStep fs, bool stresses) {
    const int n = ReadingsHeld(cone);
    for (int i = 1; i <= n; ++i) {
        if (!FitsSingle(depth(cone.Depth[i])))
            return {false, TooLarge::Depth};
        if (!FitsSingle(qc(cone.Qc[i])))
            return {false, TooLarge::Qc};
        if (!FitsSingle(fs(cone.Fs[i])))
            return {false, TooLarge::Fs};
        if (stresses)
            for (const auto column : kStressColumns)
                if (!FitsSingle(qc((cone.*column)[i])))
                    return {false, TooLarge::PorePressure};
    }
    for (int i = 1; i <= n; ++i) {
        cone.Depth[i] = StoreSingle(depth(cone.Depth[i]));
        cone.Qc[i] = StoreSingle(qc(cone.Qc[i]));
        cone.Fs[i] = StoreSingle(fs(cone.Fs[i]));
        if (stresses)
            for (const auto column : kStressColumns)
                (cone.*column)[i] = StoreSingle(qc((cone.*column)[i]));
    }
    settings.UnitsOption = 1;
    return {true, TooLarge::None};
}
} // namespace

ConversionResult ConvertMillivolt(ConeData& cone, ImportSettings& settings, float TipFactor,
                                  float SleeveFactor) {
    // The reading times the factor gives MPa; MPa over MPa-per-tsf gives tsf.
    return ConvertReadings(
        cone, settings, [](float d) { return Times(d, kMetreToFeet); },
        [TipFactor](float q) { return Times(q, TipFactor) / kMPaPerTsf; },
        [SleeveFactor](float f) { return Times(f, SleeveFactor) / kMPaPerTsf; }, false);
}

ConversionResult ConvertMetric(ConeData& cone, ImportSettings& settings) {
    // The pore pressures and the corrected tip resistance were read in MPa as well.
    return ConvertReadings(
        cone, settings, [](float d) { return Times(d, kMetreToFeet); },
        [](float q) { return Times(q, kMPaToTsf); }, [](float f) { return Times(f, kMPaToTsf); },
        true);
}

UnitsStep ConfirmUnits(ConeData& cone, ImportSettings& settings) {
    switch (settings.UnitsOption) {
    case 0:
        return UnitsStep::ConeFactors;
    case 2:
        return ConvertMetric(cone, settings).converted ? UnitsStep::Ready : UnitsStep::TooLarge;
    default:
        return UnitsStep::Ready;
    }
}

void WorkToMetric(LayerGrid& grid) {
    const int n = LayersInArrays(grid);
    for (int i = 1; i <= n; ++i) {
        grid.LayerDepth[i] = StoreSingle(Times(grid.LayerDepth[i], kFeetToMetre));
        grid.LayerQc[i] = StoreSingle(Times(grid.LayerQc[i], kTsfToKgPerCm2));
        grid.LayerFs[i] = StoreSingle(Times(grid.LayerFs[i], kTsfToKgPerCm2));
    }
}

void WorkToEnglish(LayerGrid& grid) {
    const int n = LayersInArrays(grid);
    for (int i = 1; i <= n; ++i) {
        grid.LayerDepth[i] = StoreSingle(Over(grid.LayerDepth[i], kFeetToMetre));
        grid.LayerQc[i] = StoreSingle(Over(grid.LayerQc[i], kTsfToKgPerCm2));
        grid.LayerFs[i] = StoreSingle(Over(grid.LayerFs[i], kTsfToKgPerCm2));
    }
}

} // namespace strelvan
