#pragma once
// The colours the windows give their charts, as the chart control's colour longs: red in the
// low byte, then green, then blue.
#include <cstdint>

namespace strelvan::platform {

inline constexpr int32_t kChartBlack = 0x000000;
inline constexpr int32_t kChartRed = 0x0000FF;
inline constexpr int32_t kChartBlue = 0xFF0000;

} // namespace strelvan::platform
