#pragma once
// One profile chart: a quantity of the sounding against depth or elevation, drawn the one way
// every chart window draws its profiles (the readings of the profile windows, the layers of
// the result windows, the soil property of the property plot). What is plotted is a
// ProfileSeries; how it looks is a ProfileLook.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/charts/ProfileSeries.h"

namespace strelvan {

namespace platform {
class ChartFX;
}

struct ProfileLook {
    QString title{};        // chart title
    int32_t titleColor = 0; // colour long
    QString legend{};       // the series' legend; empty: none is set
    std::optional<int16_t> setting5{};
    std::optional<int16_t> setting6{};
    // The vertical axis named "Depth (ft)" or "Elevation (ft)", with its font at 10.
    bool namesAxis = false;
    // The vertical axis' font at 10 without naming the axis.
    bool axisFont = false;
    std::optional<double> step{}; // step of the value axis; nullopt leaves it as it is
};

// What a profile chart plots and how it looks.
struct Profile {
    ProfileSeries series;
    ProfileLook look;
};

// " Tip Resistance (ton/ft²) " from the unit text "ton/ft".
QString StressTitle(const QString& quantity, const std::string& unitStr);

// Int(maximum / 6) when that is above 1, the step of a profile's value axis; else nullopt.
std::optional<double> ProfileStep(float maximum);

// The looks of the reading profiles, titled with the stress unit unitStr ("ton/ft"): tip
// resistance in blue, naming the vertical axis; sleeve friction in black and friction ratio in
// red, both with look setting 5 at 10; a pore-pressure column in blue, naming its kind (where
// a minus sign would stand) and setting the vertical axis' font. The value axis takes the step
// given (nullopt: the chart's own scale).
ProfileLook TipLook(const std::string& unitStr, std::optional<double> step = std::nullopt);
ProfileLook SleeveLook(const std::string& unitStr, std::optional<double> step = std::nullopt);
ProfileLook RatioLook(std::optional<double> step = std::nullopt);
ProfileLook PoreLook(int16_t kind, const std::string& unitStr);

// Draws points 1 to the series' count against its positions (axisMode 1: depth, else
// elevation, which names the axis): point p - 1 is the value at position p; a value that is
// NaN (no value) is left out. The vertical axis runs from the first point (top) to the last
// one plotted (bottom). A series without values gets its title and axes and no values; one
// without points, its title alone.
void DrawProfile(platform::ChartFX& chart, const Profile& profile, int16_t axisMode);

} // namespace strelvan
