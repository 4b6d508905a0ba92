// Fuzzing of the typed-number helpers: any bytes as the text of a box. The numeric test
// and the conversions must agree on every text, keep to the float and 16-bit ranges, and
// a box that refuses what cannot become a number must never refuse a key on the way to a
// number, nor a deleted character. A number written with a decimal comma is never numeric,
// and is one with a point in place of its comma.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "engine/state/Numbers.h"

using namespace strelvan;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const bool numeric = IsNumeric(text);
    const std::optional<double> number = ToNumber(text);
    Check(numeric == number.has_value());
    if (number)
        Check(std::isfinite(*number));

    const std::optional<float> single = ToSingle(text);
    if (single) {
        Check(numeric && std::isfinite(*single));
        Check(single == SingleOf(*number));
        // The text shown for the value is a number again, close to it.
        const std::string shown = SingleText(*single);
        const std::optional<float> back = ToSingle(shown);
        Check(back.has_value());
        Check(std::fabs(*back - *single) <= std::fabs(*single) * 1e-6f);
    } else if (numeric) {
        Check(!SingleOf(*number).has_value()); // only a value beyond the float range
    }
    if (ToInt16(text))
        Check(numeric);

    // Typing a number key by key, or deleting any one character of it, never meets a refusal.
    if (numeric) {
        for (std::size_t n = 0; n <= text.size(); ++n)
            Check(MayBecomeNumeric(text.substr(0, n)));
        for (std::size_t k = 0; k < text.size(); ++k)
            Check(
                MayBecomeNumeric(std::string(text.substr(0, k)) + std::string(text.substr(k + 1))));
    }
    if (!MayBecomeNumeric(text))
        Check(!numeric);

    if (numeric)
        Check(HasNumberSyntax(text));
    if (IsDecimalCommaNumber(text)) {
        Check(!numeric && !HasNumberSyntax(text));
        std::string pointed(text);
        pointed[pointed.find(',')] = '.';
        Check(HasNumberSyntax(pointed));
    }
    return 0;
}
