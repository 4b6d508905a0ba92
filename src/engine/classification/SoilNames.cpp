#include "engine/classification/SoilNames.h"

#include <span>

namespace strelvan {

namespace {

struct SoilName {
    std::string_view full;
    std::string_view shortForm; // empty: the full name is used when two names are joined
};

// Index 0 is "no type" and has no name.
constexpr SoilName kTumayNames[] = {
    {},
    {"Organic Clay ", ""},
    {"V. Soft Clay ", ""},
    {"Soft Clay ", ""},
    {"Medium Clay ", ""},
    {"Stiff Clay", ""},
    {"V. Stiff Clay ", ""},
    {"Silty Clay ", ""},
    {"Sandy Clay ", ""},
    {"Clayey Sand ", ""},
    {"Clayey Sand/Silt ", ""},
    {"Clayey Silt ", ""},
    {"Loose Sand ", ""},
    {"Silty Sand ", ""},
    {"Sand ", ""},
    {"Dense/Cemented Sand ", "Dense Sand"},
    {"Shell Sand/Lime Rock ", "Shell Sand"},
};

constexpr SoilName kRobert86Names[] = {
    {},
    {"Sensitive Fine Grained ", "Sensitive Fines"},
    {"Organic Material ", "Org. Soil"},
    {"Clay", ""},
    {"Silty Clay to Clay", ""},
    {"Clayey Silt to Silty Clay", "Clayey Silt"},
    {"Sandy Silt to Clayey Silt ", "Sandy Silt"},
    {"Silty Sand to Sandy Silt ", "Silty Sand"},
    {"Sand to Silty Sand", ""},
    {"Sand", ""},
    {"Gravely to Sand ", "Gravely Sand"},
    {"V. Stiff Fine Grained ", "V. Stiff Fines"},
    {"Sand to Clayey Sand", "Clayey Sand"},
};

constexpr SoilName kOlsenNames[] = {
    {}, {"Clay", ""}, {"Silt and Mixtures", ""}, {"Sand and Mixtures", ""}, {"Sand", ""},
};

SoilName Lookup(std::span<const SoilName> table, int16_t type) {
    if (type < 1 || static_cast<std::size_t>(type) >= table.size())
        return {};
    return table[static_cast<std::size_t>(type)];
}

std::string_view JoinForm(const SoilName& name) {
    return name.shortForm.empty() ? name.full : name.shortForm;
}

std::string LayerText(std::span<const SoilName> table, int16_t type1, float p1, int16_t type2,
                      float p2) {
    const SoilName first = Lookup(table, type1);
    const SoilName second = Lookup(table, type2);
    if (p2 == 0.0f)
        return std::string(first.full);
    const float d = p1 - p2;
    if (d >= 80.0f)
        return std::string(first.full);
    std::string text(JoinForm(first));
    text += d <= 20.0f ? " and " : " with layers of ";
    text += JoinForm(second);
    return text;
}

} // namespace

std::string_view SoilNameTumay(int16_t type) {
    return Lookup(kTumayNames, type).full;
}
std::string_view SoilNameRobert86(int16_t type) {
    return Lookup(kRobert86Names, type).full;
}
std::string_view SoilNameOlsen(int16_t type) {
    return Lookup(kOlsenNames, type).full;
}

std::string LayerTextTumay(int16_t type1, float p1, int16_t type2, float p2) {
    return LayerText(kTumayNames, type1, p1, type2, p2);
}
std::string LayerTextRobert86(int16_t type1, float p1, int16_t type2, float p2) {
    return LayerText(kRobert86Names, type1, p1, type2, p2);
}
std::string LayerTextOlsen(int16_t type1, float p1, int16_t type2, float p2) {
    return LayerText(kOlsenNames, type1, p1, type2, p2);
}

} // namespace strelvan
