#include <algorithm>
#include <bit>
#include <string>

#include "document/BmpFormat.h"
#include "document/ImageLimits.h"

namespace vortel::bmp {
namespace {

constexpr uint32_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;
// The later info headers put the masks inside the header, right after the 40-byte part.
constexpr uint32_t InfoHeaderWithMasks = 52;

bool knownHeaderSize(uint32_t size) {
    return size == CoreHeaderSize || size == InfoHeaderSize || size == InfoHeaderWithMasks || size == 56 ||
           size == 108 || size == 124;
}

void readCoreHeader(ByteReader& in, Header& h) {
    h.width = in.readU16();
    h.height = in.readU16();
    if (in.readU16() != 1) throw ImageError("BMP header: plane count must be 1");
    h.bitCount = in.readU16();
}

void readInfoHeader(ByteReader& in, Header& h) {
    h.width = in.readI32();
    const int32_t height = in.readI32();
    if (height == INT32_MIN) throw ImageError("BMP header: height is out of range");
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
    if (in.readU16() != 1) throw ImageError("BMP header: plane count must be 1");
    h.bitCount = in.readU16();
    h.compression = in.readU32();
    in.skip(12);  // image size and resolution: recomputed or irrelevant to the pixels
    h.colorsUsed = in.readU32();
    in.skip(4);  // important colours
    if (h.headerSize >= InfoHeaderWithMasks && h.compression == BitFields) {
        for (auto& mask : h.masks) mask = in.readU32();
    }
}

void checkFormat(const Header& h) {
    const bool valid = (h.compression == Rgb && (h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 ||
                                                 h.bitCount == 16 || h.bitCount == 24 || h.bitCount == 32)) ||
                       (h.compression == Rle8 && h.bitCount == 8) || (h.compression == Rle4 && h.bitCount == 4) ||
                       (h.compression == BitFields && (h.bitCount == 16 || h.bitCount == 32));
    if (!valid) {
        throw ImageError("unsupported BMP format: " + std::to_string(h.bitCount) + " bits a pixel, compression " +
                         std::to_string(h.compression));
    }
    if (h.topDown && (h.compression == Rle8 || h.compression == Rle4)) {
        throw ImageError("BMP header: run-length images cannot be top-down");
    }
    image_limits::checkDimensions(h.width, h.height);
}

// Each channel must be one run of bits within the pixel, or absent.
void checkMasks(const Header& h) {
    for (const uint32_t mask : h.masks) {
        if (mask == 0) continue;
        const uint32_t run = mask >> std::countr_zero(mask);
        if ((run & (run + 1)) != 0) throw ImageError("BMP colour mask is not one run of bits");
        if (h.bitCount == 16 && mask > 0xFFFF) throw ImageError("BMP colour mask is wider than the pixel");
    }
}

void setDefaultMasks(Header& h) {
    if (h.bitCount == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
    if (h.bitCount == 32) h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
}

// Entries run from the end of the headers to the pixel data at most, whatever the count says:
// writers that store a shorter palette than the bit depth allows are common.
void readPalette(ByteReader& in, const Header& h, Palette& palette) {
    if (h.bitCount > 8) return;
    const uint32_t maxColors = 1u << h.bitCount;
    if (h.colorsUsed > maxColors) throw ImageError("BMP palette has more entries than the bit depth allows");
    const size_t entrySize = h.headerSize == CoreHeaderSize ? 3 : 4;
    const size_t room = h.pixelOffset > in.position() ? (h.pixelOffset - in.position()) / entrySize : 0;
    const size_t count = std::min<size_t>(h.colorsUsed ? h.colorsUsed : maxColors, room);
    palette.resize(count);
    for (auto& entry : palette) {
        const auto bytes = in.take(entrySize);
        entry = {bytes[0], bytes[1], bytes[2]};
    }
}

}  // namespace

Header readHeaders(ByteReader& in, Palette& palette) {
    Header h;
    if (in.size() < 2 || in.readU8() != 'B' || in.readU8() != 'M') throw ImageError("not a BMP file");
    in.skip(8);  // file size and reserved words: unreliable in files found in the wild
    h.pixelOffset = in.readU32();
    h.headerSize = in.readU32();
    if (!knownHeaderSize(h.headerSize)) {
        throw ImageError("unsupported BMP header size " + std::to_string(h.headerSize));
    }
    if (h.headerSize == CoreHeaderSize) {
        readCoreHeader(in, h);
    } else {
        readInfoHeader(in, h);
    }
    checkFormat(h);
    in.seek(FileHeaderSize + h.headerSize);
    if (h.compression == BitFields && h.headerSize == InfoHeaderSize) {
        for (auto& mask : h.masks) mask = in.readU32();
    } else if (h.compression == Rgb) {
        setDefaultMasks(h);
    }
    checkMasks(h);
    readPalette(in, h, palette);
    if (h.pixelOffset < in.position() || h.pixelOffset > in.size()) {
        throw ImageError("BMP pixel data offset " + std::to_string(h.pixelOffset) +
                         " is not between the headers and the end of the file");
    }
    in.seek(h.pixelOffset);
    return h;
}

}  // namespace vortel::bmp
