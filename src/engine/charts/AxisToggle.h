#pragma once
// The switch of a window's profiles between depth and elevation on the vertical axis.
#include <optional>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// Elevations exist only when a ground elevation was entered in the project form; without one
// the switch is refused with this message and nothing changes.
std::optional<Message> ElevationToggleRefusal(const ProjectInfo& project);

} // namespace strelvan
