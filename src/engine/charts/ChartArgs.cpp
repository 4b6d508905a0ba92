#include "engine/charts/ChartArgs.h"

#include <limits>
#include <stdexcept>

namespace strelvan {

int16_t ChartHiWord(int32_t L) {
    // Arithmetic on the 64-bit value keeps the sign of the high half without relying on
    // the shift of a negative number.
    const int64_t cleared = static_cast<int64_t>(L) - (static_cast<int64_t>(L) & 0xFFFF);
    return static_cast<int16_t>(cleared / 65536);
}

int16_t ChartLoWord(int32_t L) {
    const int32_t low = static_cast<int32_t>(static_cast<uint32_t>(L) & 0xFFFFu);
    return static_cast<int16_t>(low > 32767 ? low - 65536 : low);
}

int32_t ChartMakeLong(int64_t Lo, int64_t Hi) {
    constexpr int64_t kMin16 = std::numeric_limits<int16_t>::min();
    constexpr int64_t kMax16 = std::numeric_limits<int16_t>::max();
    if (Lo < kMin16 || Lo > kMax16 || Hi < kMin16 || Hi > kMax16)
        throw std::overflow_error("chart coordinate beyond the 16-bit range");
    const int64_t sum = Hi * 65536 + Lo;
    if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max())
        throw std::overflow_error("chart coordinate pair beyond the 32-bit range");
    return static_cast<int32_t>(sum);
}

} // namespace strelvan
