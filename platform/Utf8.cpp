#include "platform/Canvas.h"

namespace vortel {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct LeadByte {
    int continuations = -1;  // -1: the byte cannot start a sequence
    char32_t bits = 0;
    uint8_t low = 0x80, high = 0xBF;  // allowed range of the first continuation byte
};

// The narrowed ranges after E0, ED, F0 and F4 reject overlong forms, surrogates and values past
// U+10FFFF at the first byte that gives them away.
LeadByte classify(uint8_t b) {
    if (b >= 0xC2 && b <= 0xDF) return {1, char32_t(b & 0x1F)};
    if (b >= 0xE0 && b <= 0xEF)
        return {2, char32_t(b & 0x0F), uint8_t(b == 0xE0 ? 0xA0 : 0x80), uint8_t(b == 0xED ? 0x9F : 0xBF)};
    if (b >= 0xF0 && b <= 0xF4)
        return {3, char32_t(b & 0x07), uint8_t(b == 0xF0 ? 0x90 : 0x80), uint8_t(b == 0xF4 ? 0x8F : 0xBF)};
    return {};
}

}  // namespace

// A broken sequence becomes one U+FFFD covering its longest valid prefix, and decoding resumes
// at the byte that broke it.
std::u32string utf8ToU32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<uint8_t>(s[i++]);
        if (b < 0x80) {
            out.push_back(b);
            continue;
        }
        LeadByte lead = classify(b);
        bool ok = lead.continuations > 0;
        char32_t cp = lead.bits;
        for (int k = 0; ok && k < lead.continuations; ++k) {
            const auto c = i < s.size() ? static_cast<uint8_t>(s[i]) : 0;
            ok = i < s.size() && c >= lead.low && c <= lead.high;
            if (!ok) break;
            cp = cp << 6 | (c & 0x3F);
            ++i;
            lead.low = 0x80;
            lead.high = 0xBF;
        }
        out.push_back(ok ? cp : kReplacement);
    }
    return out;
}

std::string u32ToUtf8(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t cp : s) {
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | cp >> 6));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | cp >> 12));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | cp >> 18));
            out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace vortel
