#pragma once
// What the profile window computes on the readings of a sounding before it draws them:
// the clean-up of the readings with their maxima, the list of depths (or elevations) to
// cut the profiles at, and the cut itself.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// Friction ratios above this (percent) are shown as this.
inline constexpr float kRatioCap = 20.0f;

struct ReadingMaxima {
    float MaxQc = 0;
    float MaxFs = 0;
    float MaxRatio = 0;
};

// Cleans readings 1 to NumPoints in place, in this order: the elevation from the ground
// elevation when one was entered, qc at or below 0 becomes 1, a negative fs becomes 0, the
// friction ratio fs x 100 / qc (a single; above 20 it becomes 20). Returns the largest
// cleaned qc, fs and ratio (0 when none is larger). Cleaning twice changes nothing more.
ReadingMaxima CleanReadings(ConeData& cone, const ProjectInfo& project);

// Int(last depth / 6): the step of the depth list.
double DepthStep(const ConeData& cone);

// The items of the depth list for the vertical axis mode (1 depth, -1 elevation): k x step
// for k = 0 to 6 written as whole numbers, or the ground elevation - k x step; then the
// last reading's depth (or elevation) when 6 x step falls short of the last depth.
std::vector<std::string> DepthList(const ConeData& cone, const ProjectInfo& project,
                                   int16_t axisMode);

struct DepthCut {
    std::string text;                 // the combo text, the last reading's when it was empty
    std::optional<int16_t> plotCount; // readings to plot; nullopt: keep the present count
    std::optional<Message> error;     // the text is not a number: nothing changes
};

// The first reading at or below the chosen depth (depth mode: depth >= v) or at or below
// the chosen elevation (elevation mode: elevation <= v) ends the profiles; a reading counts
// with its value as shown (7 digits). An empty text chooses the last reading.
DepthCut CutAtDepth(const ConeData& cone, int16_t axisMode, std::string_view text);

} // namespace strelvan
