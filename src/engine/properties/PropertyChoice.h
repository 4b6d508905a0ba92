#pragma once
// What the property chart shows for each property choice: its title, the formula that
// computes the property and the array that holds it; and where a grid layer stands on the
// chart's vertical axis.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/properties/SoilProperties.h"
#include "engine/state/Declarations.h"

namespace strelvan {

struct ChosenProperty {
    std::string title; // chart title, UTF-8
    PropertyResult (*compute)(const LayerGrid&, SoilPropArrays&, const ProjectInfo&);
    std::vector<float> SoilPropArrays::*values; // the array the formula fills
};

// The property of a choice (0 constrained modulus, 4 undrained shear strength, 5
// overconsolidation ratio); nullptr for any other choice, whose chart gets no title and no
// points.
const ChosenProperty* PropertyOfChoice(int16_t propChoice);

// The vertical position of grid layer k: its depth (AxisMode 1) or its elevation, the
// ground elevation less its depth.
float LayerPosition(const LayerGrid& grid, const ProjectInfo& project, int16_t axisMode, int k);

} // namespace strelvan
