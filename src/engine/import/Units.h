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
enum class TooLarge { None, Depth, Qc, Fs, PorePressure };

struct ConversionResult {
    bool converted = false;             // the readings are now in ft and ton/ft2
    TooLarge tooLarge = TooLarge::None; // set when nothing was converted for that reason
};

// Millivolt readings (depth in m) to ft and ton/ft2 with the cone factors in MPa per
// millivolt, readings 1 to NumPoints; UnitsOption becomes 1. Converts nothing at all when
// a converted value would leave the range of a float.
ConversionResult ConvertMillivolt(ConeData& cone, ImportSettings& settings, float TipFactor,
                                  float SleeveFactor);
// m and MPa readings to ft and ton/ft2, the pore pressures and the corrected tip resistance
// with them; UnitsOption becomes 1. Converts nothing when a value would not fit a float.
// (Millivolt readings of a pore pressure have no factor: ConvertMillivolt leaves them.)
ConversionResult ConvertMetric(ConeData& cone, ImportSettings& settings);

// What the confirmed project form does about the units of the sounding.
enum class UnitsStep {
    Ready,       // in ft and ton/ft2 (English file, or converted before or just now)
    ConeFactors, // in millivolts: the cone factors are needed first
    TooLarge,    // m and MPa readings that do not fit a float once converted; unchanged
};
// Converts an m and MPa sounding to ft and ton/ft2; leaves every other sounding as it is,
// so a sounding is converted once however often the form is confirmed.
UnitsStep ConfirmUnits(ConeData& cone, ImportSettings& settings);

// LayerDepth, LayerQc and LayerFs of layers 1 to NumLayers to m and kg/cm2, and back.
void WorkToMetric(LayerGrid& grid);
void WorkToEnglish(LayerGrid& grid);

} // namespace strelvan
