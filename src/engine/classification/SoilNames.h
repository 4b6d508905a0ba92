#pragma once
// Soil-type names of the three chart methods and the wording that describes a layer by its
// one or two dominant types.
#include <cstdint>
#include <string>
#include <string_view>

namespace strelvan {

// The name of a type number; blanks at the end are part of the name and show in the layer
// descriptions. A number outside the method's table gives an empty name.
std::string_view SoilNameTumay(int16_t type);    // Schmertmann, 1 to 16
std::string_view SoilNameRobert86(int16_t type); // Robertson 1986, 1 to 12
std::string_view SoilNameOlsen(int16_t type);    // Douglas and Olsen, 1 to 4

// Describes a layer by its first type (percentage p1) and its second type (p2):
// - the first name alone, in full, when p2 is 0 or when p1 - p2 (in single precision) is
//   80 or more;
// - otherwise both names, shortened where the method has a short form, joined by " and "
//   when p1 - p2 is 20 or less and by " with layers of " above 20.
std::string LayerTextTumay(int16_t type1, float p1, int16_t type2, float p2);
std::string LayerTextRobert86(int16_t type1, float p1, int16_t type2, float p2);
std::string LayerTextOlsen(int16_t type1, float p1, int16_t type2, float p2);

} // namespace strelvan
