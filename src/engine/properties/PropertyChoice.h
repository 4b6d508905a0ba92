#pragma once
// The soil properties a user can choose: for each, the entry that offers it, the title of
// its chart, the formula that computes it and the array that holds it; and where a grid
// layer stands on the chart's vertical axis.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/properties/SoilProperties.h"
#include "engine/state/Declarations.h"

namespace strelvan {

struct ChosenProperty {
    int16_t choice;      // PropChoice
    std::string caption; // the entry of the Soil Properties menu
    std::string title;   // chart title, UTF-8
    PropertyResult (*compute)(const LayerGrid&, SoilPropArrays&, const ProjectInfo&);
    std::vector<float> SoilPropArrays::*values; // the array the formula fills
};

// The property of a choice (0 constrained modulus, 4 undrained shear strength, 5
// overconsolidation ratio); nullptr for any other choice, whose chart gets no title and no
// points.
const ChosenProperty* PropertyOfChoice(int16_t propChoice);

// The properties offered to the user, in the order of the menu: the constrained modulus, the
// undrained shear strength, the overconsolidation ratio.
const std::array<const ChosenProperty*, 3>& OfferedProperties();

// The vertical position of every grid layer (index k for layer k, as LayerDepth holds them):
// its depth (AxisMode 1) or its elevation, the ground elevation less its depth.
std::vector<float> LayerPositions(const LayerGrid& grid, const ProjectInfo& project,
                                  int16_t axisMode);

} // namespace strelvan
