#include "engine/import/TitleLines.h"

#include <cmath>

#include "engine/state/Numbers.h"

namespace strelvan {

std::optional<Message> TakeTypedTitleLines(std::string_view typed, ImportSettings& settings) {
    const std::optional<double> value = ToNumber(typed);
    if (!value)
        return std::nullopt;
    if (*value != std::floor(*value) || *value < 0 || *value > kMaxTitleLines)
        return Message{" The number of title lines must be a whole number from 0 to 32767. "
                       "Please ReEnter ",
                       " Data Entry Message", MsgIcon::Critical, MsgButtons::Ok};
    settings.NumTitleLines = static_cast<int16_t>(*value);
    return std::nullopt;
}

} // namespace strelvan
