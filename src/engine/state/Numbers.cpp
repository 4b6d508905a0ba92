#include "engine/state/Numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace strelvan {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the number syntax on a text already trimmed of blanks.
bool HasTrimmedNumberSyntax(std::string_view s) {
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

// Writes exponents as the program always has: "1.5E+20", "1E-06".
void UpperExponent(std::string& text) {
    for (char& c : text)
        if (c == 'e')
            c = 'E';
}

// The shortest round-trip digits of a double; an exponent from 1E+15 and below 1E-05.
std::string ShortestDoubleText(double value) {
    if (value == 0)
        return "0";
    char buf[64];
    const double mag = std::fabs(value);
    const auto format =
        mag >= 1e-5 && mag < 1e15 ? std::chars_format::fixed : std::chars_format::scientific;
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value, format);
    std::string out(buf, r.ptr);
    UpperExponent(out);
    return out;
}

// The significant digits of a decimal number and the power of ten of the first one:
// 4.7560005 is {"47560005", 0}.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// The shortest digits that read back as the same float.
Decimal ShortestDigits(float value) {
    char buf[64];
    const std::to_chars_result r =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    const std::string_view sci(buf, static_cast<std::size_t>(r.ptr - buf)); // "d.ddde+XX"
    const std::size_t e = sci.find('e');
    Decimal d;
    for (const char c : sci.substr(0, e))
        if (IsDigit(c))
            d.digits += c;
    d.exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());
    return d;
}

// Rounds to at most the given number of digits, a half to the even digit; with down set,
// the digits beyond are dropped.
void RoundDigits(Decimal& d, std::size_t count, bool down) {
    if (d.digits.size() <= count)
        return;
    const std::string rest = d.digits.substr(count);
    d.digits.resize(count);
    const bool half = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos;
    const bool up =
        rest[0] > '5' || (rest[0] == '5' && !half) || (half && (d.digits.back() - '0') % 2 == 1);
    if (down || !up)
        return;
    std::size_t i = count;
    while (i > 0 && d.digits[i - 1] == '9')
        d.digits[--i] = '0';
    if (i == 0) {
        d.digits.insert(d.digits.begin(), '1'); // 9999999.5 becomes 10000000
        d.digits.pop_back();
        ++d.exponent;
    } else {
        ++d.digits[i - 1];
    }
}

// The text of the digits, plain or with an exponent.
std::string DecimalText(bool negative, Decimal d) {
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string out = negative ? "-" : "";
    if (d.exponent >= 7 || d.exponent < -5) {
        out += d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            out += "." + d.digits.substr(1);
        char exponent[8];
        std::snprintf(exponent, sizeof exponent, "E%+03d", d.exponent);
        out += exponent;
    } else if (d.exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    } else {
        const auto whole = static_cast<std::size_t>(d.exponent + 1);
        if (d.digits.size() <= whole) {
            out += d.digits + std::string(whole - d.digits.size(), '0');
        } else {
            out += d.digits.substr(0, whole) + "." + d.digits.substr(whole);
        }
    }
    return out;
}

// A float as a Single is shown: its shortest digits rounded to 7 significant digits, the
// precision a float carries, so that the noise of single-precision sums does not show
// (4.7560005 is "4.756"). Plain digits from 1E-05 to below 1E+07, an exponent outside.
std::string SevenDigitText(float value) {
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return ShortestDoubleText(value);
    Decimal d = ShortestDigits(value);
    Decimal rounded = d;
    RoundDigits(rounded, 7, false);
    const std::string text = DecimalText(value < 0, rounded);
    // Rounded up, the largest floats would show a number beyond the float range.
    if (ToSingle(text))
        return text;
    RoundDigits(d, 7, true);
    return DecimalText(value < 0, d);
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

std::string_view TrimBlanks(std::string_view text) {
    return TrimRightBlanks(TrimLeftBlanks(text));
}

std::optional<double> ToNumber(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    if (!HasTrimmedNumberSyntax(s))
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

bool IsNumeric(std::string_view text) {
    return ToNumber(text).has_value();
}

bool HasNumberSyntax(std::string_view text) {
    return HasTrimmedNumberSyntax(TrimBlanks(text));
}

bool IsDecimalCommaNumber(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    const std::size_t comma = s.find(',');
    if (comma == std::string_view::npos || comma == 0 || comma + 1 >= s.size() ||
        s.find(',', comma + 1) != std::string_view::npos)
        return false;
    if (!IsDigit(s[comma - 1]) || !IsDigit(s[comma + 1]))
        return false;
    std::string pointed(s);
    pointed[comma] = '.';
    return HasTrimmedNumberSyntax(pointed);
}

bool MayBecomeNumeric(std::string_view text) {
    // Every part of the number syntax in its order, each one optional: blanks, a sign,
    // digits, a point, digits, an exponent letter, a sign, digits, blanks. Leaving any
    // characters out of a number keeps to this order, and the characters missing from
    // such a text can always be typed in to make a number of it.
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto skip = [&](auto is) {
        while (i < n && is(text[i]))
            ++i;
    };
    auto skipOne = [&](auto is) {
        if (i < n && is(text[i]))
            ++i;
    };
    const auto blank = [](char c) { return c == ' '; };
    const auto sign = [](char c) { return c == '+' || c == '-'; };
    const auto point = [](char c) { return c == '.'; };
    const auto exponent = [](char c) { return c == 'e' || c == 'E'; };
    skip(blank);
    skipOne(sign);
    skip(IsDigit);
    skipOne(point);
    skip(IsDigit);
    skipOne(exponent);
    skipOne(sign);
    skip(IsDigit);
    skip(blank);
    return i == n;
}

std::optional<float> ToSingle(std::string_view text) {
    const auto v = ToNumber(text);
    if (!v)
        return std::nullopt;
    return SingleOf(*v);
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

double Int(double x) {
    return std::floor(x);
}

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

std::string SingleText(float value) {
    return SevenDigitText(value);
}

float ShownSingle(float value) {
    const std::optional<float> shown = ToSingle(SingleText(value));
    return shown ? *shown : value;
}

std::string DoubleText(double value) {
    return ShortestDoubleText(value);
}

std::string SignedText(float value) {
    std::string t = SingleText(value);
    return value < 0 ? t : " " + t;
}

} // namespace strelvan
