#pragma once
// What the BMP reader learns from the headers, shared by the header, pixel and RLE parts.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/ByteReader.h"
#include "platform/Bitmap.h"

namespace vortel::bmp {

enum Compression : uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct Header {
    uint32_t pixelOffset = 0;
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;  // always positive; topDown records the sign it had
    bool topDown = false;
    uint16_t bitCount = 0;
    uint32_t compression = Rgb;
    uint32_t colorsUsed = 0;
    std::array<uint32_t, 3> masks{};  // red, green, blue; only for 16 and 32 bits a pixel
};

// Palette entries as blue, green, red.
using Palette = std::vector<std::array<uint8_t, 3>>;

// Reads both headers, the colour masks and the palette; leaves the reader at the pixel data.
Header readHeaders(ByteReader& in, Palette& palette);

// Fill `image` (already sized, top-down) from the run-length encoded stream at the reader.
void decodeRle(ByteReader& in, const Header& header, const Palette& palette, Bitmap& image);

// The colour of palette entry `index`; throws ImageError when the palette has no such entry.
inline const std::array<uint8_t, 3>& paletteColor(const Palette& palette, uint32_t index) {
    if (index >= palette.size()) {
        throw ImageError("palette index " + std::to_string(index) + " is out of range (palette has " +
                         std::to_string(palette.size()) + " entries)");
    }
    return palette[index];
}

inline void putPixel(Bitmap& image, int64_t x, int64_t y, const std::array<uint8_t, 3>& bgr) {
    uint8_t* p = image.bgr.data() + (size_t(y) * size_t(image.width) + size_t(x)) * 3;
    p[0] = bgr[0];
    p[1] = bgr[1];
    p[2] = bgr[2];
}

}  // namespace vortel::bmp
