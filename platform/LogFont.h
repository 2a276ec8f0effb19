#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vortel {

// Family classes in the high nibble of lfPitchAndFamily; the low bits carry the pitch.
enum FontFamilyClass : uint8_t {
    FF_DONTCARE = 0x00,
    FF_ROMAN = 0x10,
    FF_SWISS = 0x20,
    FF_MODERN = 0x30,
    FF_SCRIPT = 0x40,
    FF_DECORATIVE = 0x50,
};

// The font record of the Windows model, kept byte for byte (ANSI form, 32-byte face name),
// because documents store it raw.
struct LogFont {
    int32_t lfHeight = 0;        // > 0 cell height, < 0 em height, in logical units
    int32_t lfWidth = 0;         // 0 = natural; else the wanted average character width
    int32_t lfEscapement = 0;    // tenths of a degree, counter-clockwise
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;        // 400 normal, 700 bold
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};

    std::string faceName() const { return std::string(lfFaceName, strnlen(lfFaceName, sizeof lfFaceName)); }
    // Copies at most 31 bytes so the name always stays terminated.
    void setFaceName(const std::string& name) {
        std::memset(lfFaceName, 0, sizeof lfFaceName);
        std::memcpy(lfFaceName, name.data(), name.size() < 31 ? name.size() : 31);
    }
};
static_assert(sizeof(LogFont) == 60);
static_assert(offsetof(LogFont, lfWeight) == 16);
static_assert(offsetof(LogFont, lfItalic) == 20);
static_assert(offsetof(LogFont, lfOutPrecision) == 24);
static_assert(offsetof(LogFont, lfFaceName) == 28);

}  // namespace vortel
