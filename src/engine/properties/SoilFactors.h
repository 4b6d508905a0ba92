#pragma once
// The soil factors the user enters for the soil-property estimate, turned into one value per
// grid layer: unit weight, cone factor Nk, moisture content and effective friction angle, and
// from them the total vertical stress and the horizontal stress of every layer.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// The boxes of the soil-factor window.
enum class SoilFactorBox { None, Phi, Moisture, Gamma, Nk };

// The boxes the window asks for with a property choice, in the order it shows them: what the
// formula of that property uses. The constrained modulus takes the friction angle, the
// moisture content and the unit weight; the undrained shear strength the unit weight, Nk and
// the moisture content; the overconsolidation ratio the unit weight and the moisture content
// (with the water table of the project). Any other choice asks for nothing.
std::vector<SoilFactorBox> BoxesAskedFor(int16_t propChoice);

// The texts of the four boxes as typed. An empty text means "not entered"; a text of blanks
// is not empty and must be a number like any other entry.
struct SoilFactorTexts {
    std::string Phi;      // effective friction angle, degrees
    std::string Moisture; // moisture content as a fraction w, used as (1 + w)
    std::string Gamma;    // unit weight, lb/ft3
    std::string Nk;       // cone factor
};

struct SoilFactorEntry {
    std::optional<Message> error;            // what to tell the user; no array was changed then
    SoilFactorBox box = SoilFactorBox::None; // the box to put the focus in after an error
};

// Fills Gamma (entry / 2000, ton/ft3), Nk, Moisture, Phi (entry x 3.14159265 / 180, radians),
// SigmaV = LayerDepth x Gamma x (1 + Moisture) (ton/ft2) and SigmaH = SigmaV x (1 - sin Phi)
// for grid layers 1 to NumLayers, in three passes: unit weight and Nk, moisture, friction
// angle. Only the boxes the property choice asks for are read; a box not asked for, or an
// empty one, gives 0, so an empty unit weight leaves both stresses 0 in every layer. Index 0
// is never written.
//
// Nothing is changed when the property choice is kNoPropertyChosen (the user is asked to
// choose a property), when a box that is read holds no number, a unit weight that is not
// above 0 or an Nk that is not above 0 (the strength is divided by it), when the
// overconsolidation ratio is asked for without a unit weight (it has no meaning without the
// vertical stress), or when a value does not fit a single-precision number. The box
// responsible is named.
SoilFactorEntry ApplySoilFactors(const SoilFactorTexts& texts, int16_t propChoice,
                                 const LayerGrid& grid, SoilPropArrays& props);

} // namespace strelvan
