#include "engine/import/TitleLines.h"

#include <cmath>
#include <string>

#include "engine/state/Numbers.h"

namespace strelvan {

std::optional<Message> TakeTypedTitleLines(std::string_view typed, ImportSettings& settings) {
    const std::optional<double> value = ToNumber(typed);
    if (!value)
        return std::nullopt;
    if (*value != std::floor(*value) || *value < 0 || *value > kMaxTitleLines)
        return Message{" The number of title lines must be a whole number: pick 0 to " +
                           std::to_string(kListedTitleLines) +
                           " from the list, or type a larger one up to " +
                           std::to_string(kMaxTitleLines) + ". Please ReEnter ",
                       " Data Entry Message", MsgIcon::Critical, MsgButtons::Ok};
    settings.NumTitleLines = static_cast<int16_t>(*value);
    return std::nullopt;
}

} // namespace strelvan
