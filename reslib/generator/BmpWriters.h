#pragma once
// The paletted bitmap files the library stores: 1 bit a pixel for imprints, 8 bits for the logo.
// (24-bit files come from the codec library's encodeBmp.) Rows are written bottom-up and padded
// to four bytes, with the 14-byte file header, as a .bmp file on disk.
#include <array>
#include <cstdint>
#include <vector>

namespace vortel::resgen {

// A two-colour pattern, rows top-down; a non-zero byte is ink (black), zero is paper (white).
struct Bilevel {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> ink;
};

// Palette entry 0 black, 1 white; throws std::invalid_argument when the pixels do not match the size.
std::vector<uint8_t> encodeBmp1(const Bilevel& pattern);

// Palette colours as blue, green, red.
using PaletteBgr = std::vector<std::array<uint8_t, 3>>;

struct IndexedImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> indices;  // rows top-down
    PaletteBgr palette;            // 1 to 256 entries
};

// Throws std::invalid_argument for a palette of 0 or more than 256 colours, an index beyond
// it, or pixels that do not match the size.
std::vector<uint8_t> encodeBmp8(const IndexedImage& image);

}  // namespace vortel::resgen
