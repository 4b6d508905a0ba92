#pragma once
// Unit conversions of the readings (to ft and ton/ft2, once per sounding) and of the
// working layer arrays (to m and kg/cm2 and back, around the metric classifiers).
#include "engine/state/Declarations.h"

namespace strelvan {

inline constexpr double kMetreToFeet = 3.28084;
inline constexpr double kMPaToTsf = 10.44277;
inline constexpr double kMPaPerTsf = 0.09576;
inline constexpr double kFeetToMetre = 0.3048;
inline constexpr double kTsfToKgPerCm2 = 0.976486;

// The column whose converted value would not fit a single-precision number.
enum class TooLarge { None, Depth, Qc, Fs };

struct ConversionResult {
    bool converted = false;             // the readings are now in ft and ton/ft2
    TooLarge tooLarge = TooLarge::None; // set when nothing was converted for that reason
};

// Millivolt readings (depth in m) to ft and ton/ft2 with the cone factors in MPa per
// millivolt, readings 1 to NumPoints; UnitsOption becomes 1. Converts only a sounding that
// stands in millivolts (UnitsOption 0), so a sounding is never converted twice; converts
// nothing at all when a converted value would leave the range of a float.
ConversionResult ConvertMillivolt(ConeData &cone, ImportSettings &settings, float TipFactor,
                                  float SleeveFactor);
// m and MPa readings to ft and ton/ft2; UnitsOption becomes 1. Converts only a sounding
// that stands in m and MPa (UnitsOption 2), and nothing when a value would not fit a float.
ConversionResult ConvertMetric(ConeData &cone, ImportSettings &settings);
// LayerDepth, LayerQc and LayerFs of layers 1 to NumLayers to m and kg/cm2, and back.
void WorkToMetric(LayerGrid &grid);
void WorkToEnglish(LayerGrid &grid);

} // namespace strelvan
