#include "reslib/generator/BmpWriters.h"

#include <stdexcept>
#include <string>

namespace vortel::resgen {
namespace {

void putU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void putU32(std::vector<uint8_t>& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

void checkSize(int32_t width, int32_t height, size_t pixels) {
    if (width <= 0 || height <= 0 || width > 0x7FFF || height > 0x7FFF) {
        throw std::invalid_argument("bitmap size " + std::to_string(width) + "x" + std::to_string(height) +
                                    " is not usable");
    }
    if (pixels != size_t(width) * size_t(height)) throw std::invalid_argument("bitmap pixels do not match its size");
}

// File header, 40-byte info header and palette; the caller appends `rowBytes` x height pixel bytes.
std::vector<uint8_t> headers(int32_t width, int32_t height, uint16_t bitCount, const PaletteBgr& palette,
                             uint32_t rowBytes) {
    const uint32_t offset = 14 + 40 + 4 * uint32_t(palette.size());
    const uint32_t imageSize = rowBytes * uint32_t(height);
    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    putU32(out, offset + imageSize);
    putU32(out, 0);
    putU32(out, offset);
    putU32(out, 40);
    putU32(out, uint32_t(width));
    putU32(out, uint32_t(height));
    putU16(out, 1);
    putU16(out, bitCount);
    putU32(out, 0);  // no compression
    putU32(out, imageSize);
    putU32(out, 2835);  // 72 dots an inch, in dots a metre
    putU32(out, 2835);
    putU32(out, uint32_t(palette.size()));
    putU32(out, 0);
    for (const auto& c : palette) {
        out.insert(out.end(), c.begin(), c.end());
        out.push_back(0);
    }
    return out;
}

uint32_t paddedRow(uint32_t bits) { return (bits + 31) / 32 * 4; }

}  // namespace

std::vector<uint8_t> encodeBmp1(const Bilevel& pattern) {
    checkSize(pattern.width, pattern.height, pattern.ink.size());
    const uint32_t rowBytes = paddedRow(uint32_t(pattern.width));
    std::vector<uint8_t> out = headers(pattern.width, pattern.height, 1, {{0, 0, 0}, {255, 255, 255}}, rowBytes);
    for (int32_t y = pattern.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int32_t x = 0; x < pattern.width; ++x) {
            if (!pattern.ink[size_t(y) * size_t(pattern.width) + size_t(x)])
                row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<uint8_t> encodeBmp8(const IndexedImage& image) {
    checkSize(image.width, image.height, image.indices.size());
    if (image.palette.empty() || image.palette.size() > 256) {
        throw std::invalid_argument("an 8-bit bitmap needs 1 to 256 palette colours, not " +
                                    std::to_string(image.palette.size()));
    }
    const uint32_t rowBytes = paddedRow(uint32_t(image.width) * 8);
    std::vector<uint8_t> out = headers(image.width, image.height, 8, image.palette, rowBytes);
    for (int32_t y = image.height - 1; y >= 0; --y) {
        const size_t start = size_t(y) * size_t(image.width);
        for (int32_t x = 0; x < image.width; ++x) {
            const uint8_t index = image.indices[start + size_t(x)];
            if (index >= image.palette.size()) throw std::invalid_argument("palette index beyond the palette");
            out.push_back(index);
        }
        out.insert(out.end(), rowBytes - uint32_t(image.width), 0);
    }
    return out;
}

}  // namespace vortel::resgen
