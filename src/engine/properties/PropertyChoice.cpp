#include "engine/properties/PropertyChoice.h"

#include <cstddef>

namespace strelvan {

namespace {

PropertyResult Modulus(const LayerGrid& grid, SoilPropArrays& props, const ProjectInfo&) {
    return ConstrainedModulus(grid, props);
}

PropertyResult ShearStrength(const LayerGrid& grid, SoilPropArrays& props, const ProjectInfo&) {
    return UndrainedShearStrength(grid, props);
}

// Titles carry the superscript two of ton/ft2 (UTF-8 C2 B2).
const ChosenProperty kModulus{kConstrainedModulus, "Constrained Modulus",
                              " Constrained Modulus (ton/ft\xC2\xB2) ", Modulus,
                              &SoilPropArrays::ConsModulus};
const ChosenProperty kShearStrength{kUndrainedShearStrength, "Undrained Shear Strength",
                                    " Shear Strength (ton/ft\xC2\xB2) ", ShearStrength,
                                    &SoilPropArrays::ShearStrength};
const ChosenProperty kOCR{kOverconsolidationRatio, "Overconsolidation Ratio",
                          " Overconsolidation Ratio ", OverconsolidationRatio,
                          &SoilPropArrays::OCR};

} // namespace

const ChosenProperty* PropertyOfChoice(int16_t propChoice) {
    switch (propChoice) {
    case kConstrainedModulus:
        return &kModulus;
    case kUndrainedShearStrength:
        return &kShearStrength;
    case kOverconsolidationRatio:
        return &kOCR;
    default:
        return nullptr;
    }
}

const std::array<const ChosenProperty*, 3>& OfferedProperties() {
    static const std::array<const ChosenProperty*, 3> offered{&kModulus, &kShearStrength, &kOCR};
    return offered;
}

std::vector<float> LayerPositions(const LayerGrid& grid, const ProjectInfo& project,
                                  int16_t axisMode) {
    std::vector<float> positions = grid.LayerDepth;
    if (axisMode != 1)
        for (float& p : positions)
            p = project.GroundElev - p;
    return positions;
}

} // namespace strelvan
