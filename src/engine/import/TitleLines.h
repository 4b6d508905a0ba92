#pragma once
// The number of title lines the user types into the file window.
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

// The drop-down list of the file window offers the counts 0 to this.
inline constexpr int16_t kListedTitleLines = 15;
// The largest count of title lines a file may be given: the count is a 16-bit integer, and
// a file may well hold more title lines than the 0 to 15 the drop-down list offers.
inline constexpr int16_t kMaxTitleLines = 32767;

// Takes a typed title-line count into NumTitleLines. An empty or non-numeric text keeps
// the previous count. A number that is not a whole number from 0 to kMaxTitleLines is
// refused: NumTitleLines is unchanged and the message to show is returned.
std::optional<Message> TakeTypedTitleLines(std::string_view typed, ImportSettings& settings);

} // namespace strelvan
