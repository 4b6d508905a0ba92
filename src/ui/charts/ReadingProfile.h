#pragma once
// One profile of the readings of a sounding (tip resistance, sleeve friction, friction
// ratio or a pore pressure) against depth or elevation, drawn on a chart the way the
// profile windows draw theirs.
#include <QString>
#include <cstdint>
#include <optional>

#include "engine/state/Declarations.h"

namespace strelvan {

namespace platform {
class ChartFX;
}

struct ReadingProfile {
    QString title;          // chart title
    int32_t titleColor = 0; // colour long
    // The reading along the horizontal axis; nullptr: the chart gets its title and axes but
    // no points.
    const ConeData::Column* values = nullptr;
    std::optional<int16_t> setting5; // look setting 5, where the profile sets one
    bool axisTitleAndFont = false;   // the first profile names the vertical axis
    std::optional<double> step;      // step of the value axis; nullopt leaves it as it is
    bool axisFont = false;           // sets the vertical axis' font without naming the axis
};

// " Tip Resistance (ton/ft²) " from the unit text "ton/ft".
QString StressTitle(const QString& quantity, const std::string& unitStr);

// Int(maximum / 6) when that is above 1, the step of a profile's value axis; else nullopt.
std::optional<double> ProfileStep(float maximum);

// The profiles of the cone readings as every profile window draws them, titled with the
// stress unit unitStr ("ton/ft"): tip resistance in blue, naming the vertical axis; sleeve
// friction in black and friction ratio in red, both with look setting 5 at 10; a
// pore-pressure column in blue, naming its kind and setting the vertical axis' font. The
// value axis takes the step given (nullopt: the chart's own scale).
ReadingProfile TipProfile(const ConeData& cone, const std::string& unitStr,
                          std::optional<double> step = std::nullopt);
ReadingProfile SleeveProfile(const ConeData& cone, const std::string& unitStr,
                             std::optional<double> step = std::nullopt);
ReadingProfile RatioProfile(const ConeData& cone, std::optional<double> step = std::nullopt);
// " Pore Pressure  2 (ton/ft²) ": the kind stands where a minus sign would. A column of
// nullptr draws no points.
ReadingProfile PoreProfile(int16_t kind, const ConeData::Column* column,
                           const std::string& unitStr);

// Draws readings 1 to PlotPoints (values opened for valueCount points) against depth
// (axisMode 1) or elevation. The vertical axis runs from the first reading (top) to the
// last one plotted (bottom).
void PlotReadingProfile(platform::ChartFX& chart, const ConeData& cone, const PlotState& plot,
                        int16_t axisMode, int32_t valueCount, const ReadingProfile& profile);

} // namespace strelvan
