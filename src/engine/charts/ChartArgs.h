#pragma once
// Splitting and joining of the 32-bit values that the chart control's coordinate service
// takes and gives: a pixel position packs x in the low 16 bits and y in the high 16 bits,
// and a query packs its two coordinates the same way. Both halves are signed.
#include <cstdint>

namespace strelvan {

// The high half of L read as a signed 16-bit number: (L with its low 16 bits cleared) / 65536.
int16_t ChartHiWord(int32_t L);
// The low half of L read as a signed 16-bit number (65535 gives -1).
int16_t ChartLoWord(int32_t L);
// Hi * 65536 + Lo as an arithmetic sum, so a negative Lo lowers the high half
// (Lo -1, Hi 0 gives -1). Lo and Hi must be 16-bit numbers and the sum must fit in 32 bits:
// otherwise std::overflow_error is thrown, never a wrapped value.
int32_t ChartMakeLong(int64_t Lo, int64_t Hi);

} // namespace strelvan
