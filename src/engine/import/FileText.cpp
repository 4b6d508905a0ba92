#include "engine/import/FileText.h"

#include <array>
#include <cstddef>

namespace strelvan {

namespace {

bool Continuation(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

// The length of the UTF-8 character at i (1 to 4), 0 when the bytes there are not one.
// With cutEnd set, a character that the end of the bytes cuts short counts as the rest.
std::size_t Utf8Length(std::string_view s, std::size_t i, bool& cutEnd) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80)
        return 1;
    std::size_t len = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        if (b == 0xE0)
            low = 0xA0; // no overlong forms
        if (b == 0xED)
            high = 0x9F; // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        if (b == 0xF0)
            low = 0x90;
        if (b == 0xF4)
            high = 0x8F; // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        if (i + k == s.size()) {
            cutEnd = true;
            return s.size() - i;
        }
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (k == 1 ? (c < low || c > high) : !Continuation(c))
            return 0;
    }
    return len;
}

// Code points of the bytes 0x80 to 0x9F in the Windows code page; the five it leaves
// undefined keep their Latin-1 control characters.
constexpr std::array<char32_t, 32> kWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b <= 0x9F ? kWindows1252[b - 0x80] : char32_t{b});
    }
    return out;
}

} // namespace

std::string FileTextAsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    bool cutEnd = false;
    while (i < bytes.size()) {
        const std::size_t len = Utf8Length(bytes, i, cutEnd);
        if (len == 0)
            return FromWindows1252(bytes);
        if (cutEnd)
            return std::string(bytes.substr(0, i));
        i += len;
    }
    return std::string(bytes);
}

} // namespace strelvan
