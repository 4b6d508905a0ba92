#pragma once
// The cone factors of a millivolt sounding: the two texts the user typed, checked and
// applied to the readings.
#include <optional>
#include <string>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

inline constexpr int kTipFactorBox = 0;
inline constexpr int kSleeveFactorBox = 1;

struct ConeFactorEntry {
    std::optional<Message> error; // what to tell the user; nothing was converted then
    int focusBox = -1;            // the factor box to put the focus in after an error
    float TipFactor = 0.0f;       // MPa per millivolt
    float SleeveFactor = 0.0f;
};

// A factor box takes what may still become a number as it is typed ("-", ".", "1e");
// a text that no further typing can make a number of is refused with the box's entry
// error, and the box keeps its text from before.
std::optional<Message> RefuseTypedFactor(int box, const std::string& text);

// Checks the tip and sleeve factor texts in that order (an empty box, then a number that a
// float cannot hold or that is at or below 0) and converts the millivolt readings with them.
// A factor that would carry a converted reading out of the float range is refused like a bad
// factor. Readings that are no longer in millivolts are left as they are: a sounding is
// converted once.
ConeFactorEntry ApplyConeFactors(const std::string& tipText, const std::string& sleeveText,
                                 ConeData& cone, ImportSettings& settings);

} // namespace strelvan
