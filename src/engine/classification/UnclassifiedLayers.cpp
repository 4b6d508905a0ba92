#include "engine/classification/UnclassifiedLayers.h"

#include <string>

namespace strelvan {

std::optional<Message> UnclassifiedLayersMessage(int count, IndexGrades grades) {
    if (count <= 0)
        return std::nullopt;
    const bool one = count == 1;
    const std::string layers = one ? " 1 soil layer" : " " + std::to_string(count) + " soil layers";
    const std::string shown = grades == IndexGrades::Probabilities
                                  ? "0 % sand, 0 % silt and 0 % clay"
                                  : "the memberships HPS, HPM and HPC at 0";
    return Message{layers + (one ? " was" : " were") +
                       " not classified: qc and the friction ratio give no soil classification "
                       "index there.. " +
                       (one ? "It is" : "They are") + " shown with " + shown +
                       ", which is no estimate of the soil. ",
                   " Soil Layer Message", MsgIcon::Exclamation, MsgButtons::Ok};
}

} // namespace strelvan
