#include "document/Cp1252.h"

#include <cstdint>

#include <array>

#include "platform/Canvas.h"

namespace vortel {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t toCodePoint(uint8_t b) { return (b >= 0x80 && b <= 0x9F) ? High[b - 0x80] : char32_t(b); }

int toByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    for (size_t i = 0; i < High.size(); ++i) {
        if (High[i] == c) return int(0x80 + i);
    }
    return -1;
}

}  // namespace

std::string utf8ToCp1252(std::string_view utf8, bool* lossless) {
    std::string out;
    bool all = true;
    for (const char32_t c : utf8ToU32(utf8)) {
        const int b = toByte(c);
        all = all && b >= 0;
        out.push_back(char(b >= 0 ? b : '?'));
    }
    if (lossless) *lossless = all;
    return out;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (const char b : bytes) text.push_back(toCodePoint(uint8_t(b)));
    return u32ToUtf8(text);
}

std::string firstCharacters(std::string_view utf8, size_t count) {
    std::u32string text = utf8ToU32(utf8);
    if (text.size() > count) text.resize(count);
    return u32ToUtf8(text);
}

bool isUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    for (size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t length;
        uint32_t low;
        if (c >= 0xC2 && c <= 0xDF) length = 2, low = 0x80;
        else if (c >= 0xE0 && c <= 0xEF) length = 3, low = 0x800;
        else if (c >= 0xF0 && c <= 0xF4) length = 4, low = 0x10000;
        else return false;
        if (i + length > n) return false;
        uint32_t code = c & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            code = code << 6 | (p[i + k] & 0x3F);
        }
        if (code < low || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

std::string utf8OrCp1252(std::string_view bytes, bool* converted) {
    const bool utf8 = isUtf8(bytes);
    if (converted) *converted = !utf8;
    return utf8 ? std::string(bytes) : cp1252ToUtf8(bytes);
}

}  // namespace vortel
