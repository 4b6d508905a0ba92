#include "engine/charts/SoilTypeLegend.h"

#include <array>

namespace strelvan {

namespace {
// Blanks and capitals as the legend has always shown them.
constexpr std::array<SoilTypeLegendEntry, 16> kSchmertmann{{
    {"1.  Organic Clay", 0, 0, 0},
    {"2.  V. Soft Inorganic CLay", 0, 225, 225},
    {"3.  Soft Inorganic  Clay", 0, 151, 151},
    {"4.  Med. Inorganic Clay", 125, 125, 225},
    {"5. Stiff Clay", 95, 95, 225},
    {"6.  V. Stiff CLay", 0, 0, 255},
    {"7.  Silty  Clay", 176, 230, 176},
    {"8.  Sandy Clay", 125, 125, 125},
    {"9.    Clayey Sand", 255, 183, 255},
    {"10.  Clayey Sand & Silt", 0, 255, 0},
    {"11.  Clayey Silt", 16, 125, 0},
    {"12.  Loose Sand", 255, 255, 0},
    {"13.  Silty Sand", 225, 125, 0},
    {"14. Sand", 254, 124, 109},
    {"15. Dense/Cemented Sand", 225, 0, 225},
    {"16. Shell Sand/Lime Rock", 255, 0, 0},
}};
} // namespace

std::span<const SoilTypeLegendEntry> SchmertmannLegend() {
    return kSchmertmann;
}

int32_t TypeColor(std::span<const SoilTypeLegendEntry> legend, int type) {
    if (type < 1 || static_cast<std::size_t>(type) > legend.size())
        return kNoTypeColor;
    return legend[static_cast<std::size_t>(type) - 1].Color();
}

} // namespace strelvan
