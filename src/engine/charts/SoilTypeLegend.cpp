#include "engine/charts/SoilTypeLegend.h"

#include <array>

namespace strelvan {

namespace {
// Blanks, capitals and spellings as the legends have always shown them.
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

constexpr std::array<SoilTypeLegendEntry, 12> kRobertson86{{
    {"1.  Sensetive Fines Grained", 0, 0, 0},
    {"2.  Organic Material", 0, 225, 225},
    {"3.  Clay", 0, 151, 151},
    {"4. Silty Clay to Clay", 125, 125, 225},
    {"5. Clayey Silt to Silty Clay", 128, 0, 255},
    {"6. Sandy Silt to Clayey Silt", 0, 0, 255},
    {"7.  Silty Sand to Sandy Silt", 255, 150, 45},
    {"8.  Sand to Sandy Silt", 255, 40, 4},
    {"9. Sand", 255, 255, 0},
    {"10. Gravel to Sand", 0, 255, 0},
    {"11. V. Stiff Fine Grained", 16, 125, 0},
    {"12. Sand to Clayey Sand", 255, 128, 0},
}};

constexpr std::array<SoilTypeLegendEntry, 4> kOlsen{{
    {"1.  CL-CH", 0, 225, 225},
    {"2. ML-CL", 0, 0, 255},
    {"3. SM-ML", 225, 125, 0},
    {"4. SM-SP", 255, 255, 0},
}};
} // namespace

std::span<const SoilTypeLegendEntry> SchmertmannLegend() {
    return kSchmertmann;
}

std::span<const SoilTypeLegendEntry> Robertson86Legend() {
    return kRobertson86;
}

std::span<const SoilTypeLegendEntry> OlsenLegend() {
    return kOlsen;
}

int32_t TypeColor(std::span<const SoilTypeLegendEntry> legend, int type) {
    if (type < 1 || static_cast<std::size_t>(type) > legend.size())
        return kNoTypeColor;
    return legend[static_cast<std::size_t>(type) - 1].Color();
}

} // namespace strelvan
