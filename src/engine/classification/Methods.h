#pragma once
// The five classification methods, one row each: the window that shows its results, its name
// in the Classify Soil menu, how it classifies the layer grid, and, for the chart methods, the
// soil types it names and how it describes a layer by them. Every window and procedure that
// serves a method reads it from here.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/state/Declarations.h"

namespace strelvan {

// A method by the code the Classify Soil menu gives it (ChartSelection::MethodCode).
enum class Method : int16_t {
    Probabilistic = 1, // Zhang and Tumay (1999): probabilities of sand, silt and clay
    Schmertmann = 2,   // Schmertmann (1978) chart, 16 types
    Robertson86 = 3,   // Robertson et al. (1986) chart, 12 zones
    DouglasOlsen = 4,  // Douglas and Olsen (1981) chart, 4 types
    Fuzzy = 5,         // Zhang and Tumay (1999): fuzzy memberships
};

struct MethodRow {
    Method method;
    const char* resultWindow; // the window that shows its results
    const char* caption;      // its entry in the Classify Soil menu
    // Classifies grid layers 1 to NumLayers into ClassResults; returns the number of layers
    // left unclassified (the chart methods leave none).
    int (*classify)(LayerGrid& grid, ClassResults& results);
    // Whether it classifies the layers as averaged, before the clean-up of the grid (the
    // probabilistic and fuzzy methods), or the cleaned layers (the chart methods).
    bool classifiesAveragedLayers;
    // The chart methods: the number of soil types, the type of each grid layer, and the text
    // that describes a layer by its first and second type with their percentages. 0 and
    // nullptr for a method without types, which describes no layers.
    int16_t typeCount;
    std::vector<int16_t> ClassResults::*types;
    std::string (*layerText)(int16_t type1, float p1, int16_t type2, float p2);
    // The result windows of other methods that its Next in the chart selection closes when
    // they are open.
    std::vector<const char*> closesOnNext;

    int16_t Code() const { return static_cast<int16_t>(method); }
    // Whether its result window describes layers in words (and takes a layer thickness).
    bool DescribesLayers() const { return typeCount > 0; }
};

// The five rows, in the order of their codes.
std::span<const MethodRow> Methods();
// The row of a method.
const MethodRow& RowOf(Method method);
// The row of a method code; nullptr for a code of no method.
const MethodRow* MethodOfCode(int16_t methodCode);

} // namespace strelvan
