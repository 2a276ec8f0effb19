#include "document/ImageBmp.h"

#include <cstring>
#include <functional>

#include <algorithm>
#include <bit>

#include "document/BmpFormat.h"
#include "document/FileBytes.h"
#include "document/ImageLimits.h"

namespace vortel {
namespace {

using bmp::Header;
using bmp::Palette;

constexpr uint32_t HeadersSize = 54;
constexpr int32_t PixelsPerMetre = 2835;  // 72 dots an inch

uint64_t rowStride(int64_t width, uint32_t bitCount) { return (uint64_t(width) * bitCount + 31) / 32 * 4; }

// One mask's channel scaled to eight bits, whatever its width.
class ChannelScale {
public:
    explicit ChannelScale(uint32_t mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), bits_(std::popcount(mask)) {}
    uint8_t operator()(uint32_t pixel) const {
        if (bits_ == 0) return 0;
        const uint32_t value = (pixel & mask_) >> shift_;
        if (bits_ >= 8) return uint8_t(value >> (bits_ - 8));
        const uint32_t max = (1u << bits_) - 1;
        return uint8_t((value * 255 + max / 2) / max);
    }

private:
    uint32_t mask_;
    int shift_;
    int bits_;
};

void decodeIndexedRow(std::span<const uint8_t> row, const Header& h, const Palette& palette, Bitmap& image,
                      int64_t y) {
    const uint32_t bits = h.bitCount;
    const uint32_t perByte = 8 / bits;
    const uint32_t mask = (1u << bits) - 1;
    for (int64_t x = 0; x < h.width; ++x) {
        const uint8_t byte = row[size_t(x / perByte)];
        const uint32_t shift = 8 - bits * (uint32_t(x % perByte) + 1);
        bmp::putPixel(image, x, y, bmp::paletteColor(palette, (byte >> shift) & mask));
    }
}

void decodeMaskedRow(std::span<const uint8_t> row, const Header& h, Bitmap& image, int64_t y) {
    const ChannelScale red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    const size_t bytesPerPixel = h.bitCount / 8;
    for (int64_t x = 0; x < h.width; ++x) {
        const uint8_t* p = row.data() + size_t(x) * bytesPerPixel;
        uint32_t pixel = uint32_t(p[0]) | uint32_t(p[1]) << 8;
        if (bytesPerPixel == 4) pixel |= uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        bmp::putPixel(image, x, y, {blue(pixel), green(pixel), red(pixel)});
    }
}

Bitmap blankImage(const Header& h) {
    return Bitmap{h.width, h.height, std::vector<uint8_t>(size_t(h.width) * size_t(h.height) * 3, 0)};
}

// The rows are checked to be all there before the image is allocated.
Bitmap decodeRows(ByteReader& in, const Header& h, const Palette& palette) {
    const uint64_t stride = rowStride(h.width, h.bitCount);
    if (stride * uint64_t(h.height) > in.remaining()) throw ImageError("BMP pixel data is truncated");
    Bitmap image = blankImage(h);
    for (int64_t row = 0; row < h.height; ++row) {
        const auto bytes = in.take(size_t(stride));
        const int64_t y = h.topDown ? row : h.height - 1 - row;
        if (h.bitCount <= 8) {
            decodeIndexedRow(bytes, h, palette, image, y);
        } else if (h.bitCount == 24) {
            std::copy_n(bytes.data(), size_t(h.width) * 3, image.bgr.data() + size_t(y) * size_t(h.width) * 3);
        } else {
            decodeMaskedRow(bytes, h, image, y);
        }
    }
    return image;
}

class ByteWriter {
public:
    explicit ByteWriter(size_t capacity) { bytes_.reserve(capacity); }
    void u16(uint16_t v) { put(v, 2); }
    void u32(uint32_t v) { put(v, 4); }
    void raw(const uint8_t* p, size_t n) { bytes_.insert(bytes_.end(), p, p + n); }
    void zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    std::vector<uint8_t> take() { return std::move(bytes_); }

private:
    void put(uint32_t v, int n) {
        for (int i = 0; i < n; ++i) bytes_.push_back(uint8_t(v >> (8 * i)));
    }
    std::vector<uint8_t> bytes_;
};

}  // namespace

Bitmap decodeBmp(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    Palette palette;
    const Header header = bmp::readHeaders(in, palette);
    if (header.compression != bmp::Rle8 && header.compression != bmp::Rle4) return decodeRows(in, header, palette);
    // Run-length data can legitimately skip most of an image, so its size says nothing about the
    // image's; the dimension limits are the bound here.
    Bitmap image = blankImage(header);
    bmp::decodeRle(in, header, palette, image);
    return image;
}

namespace {

// The two headers of a 24-bit bottom-up file: 54 bytes.
void writeHeaders(ByteWriter& out, int32_t width, int32_t height, uint64_t imageSize) {
    out.u16(0x4D42);  // "BM"
    out.u32(uint32_t(HeadersSize + imageSize));
    out.u32(0);  // reserved
    out.u32(HeadersSize);
    out.u32(40);
    out.u32(uint32_t(width));
    out.u32(uint32_t(height));  // positive: bottom-up
    out.u16(1);                 // planes
    out.u16(24);
    out.u32(bmp::Rgb);
    out.u32(uint32_t(imageSize));
    out.u32(PixelsPerMetre);
    out.u32(PixelsPerMetre);
    out.u32(0);  // colours used
    out.u32(0);  // colours important
}

}  // namespace

uint64_t bmpFileSize(int32_t width, int32_t height) {
    image_limits::checkDimensions(width, height);
    return HeadersSize + rowStride(width, 24) * uint64_t(height);
}

std::vector<uint8_t> bmpHeaders(int32_t width, int32_t height) {
    image_limits::checkDimensions(width, height);
    ByteWriter headers(HeadersSize);
    writeHeaders(headers, width, height, rowStride(width, 24) * uint64_t(height));  // below 2^30 within the limits
    return headers.take();
}

void encodeBmpRowsInto(uint8_t* out, int32_t width, int32_t height, const std::function<void(int32_t, uint8_t*)>& row) {
    const std::vector<uint8_t> head = bmpHeaders(width, height);
    const uint64_t stride = rowStride(width, 24);
    std::copy(head.begin(), head.end(), out);
    const size_t rowBytes = size_t(width) * 3;
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* line = out + HeadersSize + uint64_t(height - 1 - y) * stride;
        row(y, line);
        std::memset(line + rowBytes, 0, size_t(stride) - rowBytes);
    }
}

std::vector<uint8_t> encodeBmp(const Bitmap& bitmap) {
    image_limits::checkBitmap(bitmap);
    const size_t rowBytes = size_t(bitmap.width) * 3;
    const uint64_t stride = rowStride(bitmap.width, 24);
    const uint64_t imageSize = stride * uint64_t(bitmap.height);
    ByteWriter out(HeadersSize + imageSize);
    writeHeaders(out, bitmap.width, bitmap.height, imageSize);
    for (int64_t y = bitmap.height - 1; y >= 0; --y) {
        out.raw(bitmap.bgr.data() + size_t(y) * rowBytes, rowBytes);
        out.zeros(size_t(stride) - rowBytes);
    }
    return out.take();
}

Bitmap loadBmp(const std::string& path) {
    const auto bytes = readFileBytes(path);
    try {
        return decodeBmp(bytes);
    } catch (const ImageError& e) {
        throw ImageError(path + ": " + e.what());
    }
}

void saveBmp(const std::string& path, const Bitmap& bitmap) { writeFileAtomically(path, encodeBmp(bitmap)); }

}  // namespace vortel
