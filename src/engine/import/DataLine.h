#pragma once
// How one data line of a cone data file falls apart into values.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace strelvan {

// The line as the reader takes it: without blanks and tabs at its ends, and without the
// blanks next to a comma or a tab ("12.5, 25.3" and "12.5\t 25.3" are two values each):
// such blanks pad the columns and are not values. Written into out.
void CleanDataLine(std::string_view line, std::string& out);

// The separators of a line, found by a scan from its start: every comma and blank
// counts, a tab counts unless only blanks stand before it; after each separator the
// blanks that follow are skipped and the next character is taken as part of a value.
struct SeparatorScan {
    std::int64_t count = 0;
    char kind = 0; // the last separator found: ',', ' ' or '\t'; 0 when none was found
};
SeparatorScan ScanSeparators(std::string_view line);

// The values of a line: the line cut at every separator, the pieces that are empty or a
// single blank dropped, the rest joined by one blank and cut again at every blank.
// Keeps the count and the first five values, which point into buffer.
struct DataValues {
    static constexpr std::size_t kKept = 5;
    std::size_t count = 0;
    std::array<std::string_view, kKept> first{};
};
DataValues SplitValues(std::string_view line, std::string_view separator, std::string& buffer);

// A cleaned line whose values stand apart by blanks or tabs while its numbers are written
// with a decimal comma ("1,5 20,5 0,3"): at least two values, each of the first three a
// number written with a point or with a decimal comma, and one of them, or of the two pore
// columns after them when they are numbers, written with the comma. Read with the comma as
// a separator, such a line gives numbers that are not in the file.
bool HoldsDecimalCommas(std::string_view line);

} // namespace strelvan
