#include "engine/charts/AxisToggle.h"

namespace strelvan {

std::optional<Message> ElevationToggleRefusal(const ProjectInfo& project) {
    if (project.GroundElev != kNoElevation)
        return std::nullopt;
    return Message{" Elevation data was not entered in Project Information Form ",
                   " Data Plot Message", MsgIcon::Information, MsgButtons::Ok};
}

} // namespace strelvan
