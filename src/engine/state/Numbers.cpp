#include "engine/state/Numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace strelvan {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the number syntax on a text already trimmed of blanks.
bool HasNumberSyntax(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

// Formats with the shortest round-trip digits, VB-like exponent form ("1.5E+20").
template <typename T> std::string ShortestText(T value) {
    if (value == 0)
        return "0";
    char buf[64];
    const T mag = std::fabs(value);
    std::to_chars_result r;
    if (mag >= T(1e-5) && mag < T(1e15))
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    else
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    std::string out(buf, r.ptr);
    // to_chars writes "1.5e+20"; the program writes exponents as "1.5E+20".
    for (char& c : out)
        if (c == 'e')
            c = 'E';
    return out;
}

} // namespace

std::string_view TrimLeftBlanks(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && text[b] == ' ')
        ++b;
    return text.substr(b);
}

std::string_view TrimRightBlanks(std::string_view text) {
    std::size_t e = text.size();
    while (e > 0 && text[e - 1] == ' ')
        --e;
    return text.substr(0, e);
}

std::string_view TrimBlanks(std::string_view text) { return TrimRightBlanks(TrimLeftBlanks(text)); }

std::optional<double> ToNumber(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    if (!HasNumberSyntax(s))
        return std::nullopt;
    // from_chars takes no leading '+'; the syntax check has already accepted it.
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ptr != s.data() + s.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a number the program can hold.
        // from_chars leaves value unchanged on range errors, so decide by the exponent.
        const double approx = std::strtod(std::string(s).c_str(), nullptr);
        if (std::isinf(approx))
            return std::nullopt;
        value = approx;
    } else if (ec != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

bool IsNumeric(std::string_view text) { return ToNumber(text).has_value(); }

std::optional<float> ToSingle(std::string_view text) {
    const auto v = ToNumber(text);
    if (!v)
        return std::nullopt;
    const float f = static_cast<float>(*v);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

std::optional<float> SingleOf(double value) {
    // Doubles from here on round to infinity when stored as a float.
    static const double overflow =
        static_cast<double>(std::numeric_limits<float>::max()) + std::ldexp(1.0, 103);
    if (std::isnan(value) || std::fabs(value) >= overflow)
        return std::nullopt;
    return static_cast<float>(value);
}

std::optional<int16_t> ToInt16(std::string_view text) {
    const auto v = ToNumber(text);
    if (!v)
        return std::nullopt;
    return CInt(*v);
}

double Int(double x) { return std::floor(x); }

double RoundHalfEven(double x) {
    const double r = std::round(x); // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0.0)
        return r - std::copysign(1.0, x);
    return r;
}

std::optional<int16_t> CInt(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = RoundHalfEven(x);
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(r);
}

std::string SingleText(float value) { return ShortestText(value); }

std::string DoubleText(double value) { return ShortestText(value); }

std::string SignedText(float value) {
    std::string t = SingleText(value);
    return value < 0 ? t : " " + t;
}

} // namespace strelvan
