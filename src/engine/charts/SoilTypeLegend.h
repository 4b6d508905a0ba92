#pragma once
// The legends of the soil-type charts: for each type number of a chart method, the line that
// names it in the window's legend and the colour in which the legend and the soil-type chart
// show it.
#include <cstdint>
#include <span>
#include <string_view>

namespace strelvan {

struct SoilTypeLegendEntry {
    std::string_view text; // the legend line, as the legend shows it
    uint8_t red, green, blue;

    // The colour as a colour long: red in the low byte, then green, then blue.
    constexpr int32_t Color() const { return red | green << 8 | blue << 16; }
};

// Schmertmann (1978): types 1 to 16 at indexes 0 to 15.
std::span<const SoilTypeLegendEntry> SchmertmannLegend();
// Robertson et al. (1986): zones 1 to 12.
std::span<const SoilTypeLegendEntry> Robertson86Legend();
// Douglas and Olsen (1981): types 1 to 4.
std::span<const SoilTypeLegendEntry> OlsenLegend();

// The colour long of a type number of a legend, or kNoTypeColor for a number outside it (0,
// the layer with no type, among them): such a layer keeps the chart's own colour.
inline constexpr int32_t kNoTypeColor = -1;
int32_t TypeColor(std::span<const SoilTypeLegendEntry> legend, int type);

} // namespace strelvan
