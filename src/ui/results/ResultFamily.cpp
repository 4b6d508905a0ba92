#include "ui/results/ResultFamily.h"

#include <array>

namespace strelvan {

namespace {
// Captions and tool tips as the family's toolbar has always shown them, trailing blanks too.
constexpr std::array<ResultToolbarButton, 15> kFamilyToolbar{{
    {nullptr, nullptr, nullptr},
    {"Back", "Back      ", "Back to previous form"},
    {nullptr, nullptr, nullptr},
    {"Next", " Manual Layers", "Select Classification Method  "},
    {nullptr, nullptr, nullptr},
    {"YAxis", "Depth/Elevation", "Toggle between Depth/Elevation in Y Axis"},
    {nullptr, nullptr, nullptr},
    {"Zoom", "Zoom All     ", "Zoom all graphs"},
    {nullptr, nullptr, nullptr},
    {"Print", "Print All     ", ""},
    {nullptr, nullptr, nullptr},
    {"Export", "Export", ""},
    {nullptr, nullptr, nullptr},
    {"Exit", "Exit           ", "Exit the program"},
    {nullptr, nullptr, nullptr},
}};
} // namespace

std::span<const ResultToolbarButton> FamilyToolbar() {
    return kFamilyToolbar;
}

} // namespace strelvan
