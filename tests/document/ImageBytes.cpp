#include "tests/document/ImageBytes.h"

#include <zlib.h>

namespace vortel::testing {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void putBig32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void putInfoHeader(std::vector<uint8_t>& out, const BmpSample& s) {
    put32(out, s.headerSize);
    if (s.headerSize == 12) {
        put16(out, uint32_t(s.width));
        put16(out, uint32_t(s.height));
        put16(out, s.planes);
        put16(out, s.bitCount);
        return;
    }
    put32(out, uint32_t(s.width));
    put32(out, uint32_t(s.height));
    put16(out, s.planes);
    put16(out, s.bitCount);
    put32(out, s.compression);
    put32(out, uint32_t(s.pixels.size()));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, s.colorsUsed);
    put32(out, 0);
    if (s.headerSize > 40) {
        for (size_t i = 0; i < 4; ++i) put32(out, i < s.masks.size() ? s.masks[i] : 0);
        out.resize(14 + s.headerSize, 0);
    } else {
        for (const uint32_t m : s.masks) put32(out, m);
    }
}

}  // namespace

std::vector<uint8_t> buildBmp(const BmpSample& s) {
    std::vector<uint8_t> out = {'B', 'M'};
    put32(out, 0);  // file size, patched below
    put32(out, 0);
    put32(out, 0);  // pixel offset, patched below
    putInfoHeader(out, s);
    for (const auto& entry : s.palette) {
        out.insert(out.end(), entry.begin(), entry.end());
        if (s.headerSize != 12) out.push_back(0);
    }
    const uint32_t offset = s.pixelOffset.value_or(uint32_t(out.size()));
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    for (int i = 0; i < 4; ++i) {
        out[2 + i] = uint8_t(out.size() >> (8 * i));
        out[10 + i] = uint8_t(offset >> (8 * i));
    }
    return out;
}

std::vector<uint8_t> pngChunk(const std::string& type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out;
    putBig32(out, uint32_t(data.size()));
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + 4, uInt(out.size() - 4));
    putBig32(out, uint32_t(crc));
    return out;
}

std::vector<uint8_t> buildPng(const PngSample& s) {
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> ihdr;
    putBig32(ihdr, s.width);
    putBig32(ihdr, s.height);
    ihdr.insert(ihdr.end(), {s.bitDepth, s.colorType, 0, 0, s.interlace});
    auto append = [&out](const std::vector<uint8_t>& chunk) { out.insert(out.end(), chunk.begin(), chunk.end()); };
    append(pngChunk("IHDR", ihdr));
    if (!s.plte.empty()) append(pngChunk("PLTE", s.plte));
    if (!s.trns.empty()) append(pngChunk("tRNS", s.trns));
    uLongf packedSize = compressBound(uLong(s.scanlines.size()));
    std::vector<uint8_t> packed(packedSize);
    EXPECT_EQ(compress(packed.data(), &packedSize, s.scanlines.data(), uLong(s.scanlines.size())), Z_OK);
    packed.resize(packedSize);
    append(pngChunk("IDAT", packed));
    append(pngChunk("IEND", {}));
    return out;
}

uint32_t pixelAt(const Bitmap& image, int32_t x, int32_t y) {
    const uint8_t* p = image.bgr.data() + (size_t(y) * size_t(image.width) + size_t(x)) * 3;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

::testing::AssertionResult hasPixels(const Bitmap& image, const Rows& rows) {
    const int32_t height = int32_t(rows.size());
    const int32_t width = rows.empty() ? 0 : int32_t(rows[0].size());
    if (image.width != width || image.height != height || image.bgr.size() != size_t(width) * size_t(height) * 3) {
        return ::testing::AssertionFailure() << "image is " << image.width << "x" << image.height << ", expected "
                                             << width << "x" << height;
    }
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if (pixelAt(image, x, y) != rows[size_t(y)][size_t(x)]) {
                return ::testing::AssertionFailure() << std::hex << "pixel (" << x << "," << y << ") is 0x"
                                                     << pixelAt(image, x, y) << ", expected 0x" << rows[size_t(y)][size_t(x)];
            }
        }
    }
    return ::testing::AssertionSuccess();
}

Bitmap noiseBitmap(int32_t width, int32_t height, uint32_t seed) {
    Bitmap image{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
    uint32_t state = seed;
    for (auto& byte : image.bgr) {
        state = state * 1664525u + 1013904223u;
        byte = uint8_t(state >> 24);
    }
    return image;
}

}  // namespace vortel::testing
