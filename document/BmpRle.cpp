#include "document/BmpFormat.h"

namespace vortel::bmp {
namespace {

// Escape codes that follow a zero count.
constexpr uint8_t EndOfLine = 0;
constexpr uint8_t EndOfBitmap = 1;
constexpr uint8_t Delta = 2;

// The pen of the run-length decoder. Rows count from the bottom, as the stream stores them;
// pixels a delta skips keep the black of the freshly cleared image.
class RlePen {
public:
    RlePen(const Palette& palette, Bitmap& image) : palette_(palette), image_(image) {}

    void put(uint32_t index) {
        if (row_ >= image_.height) throw ImageError("BMP run-length data runs past the last row");
        if (x_ >= image_.width) throw ImageError("BMP run-length data runs past the end of a row");
        putPixel(image_, x_, image_.height - 1 - row_, paletteColor(palette_, index));
        ++x_;
    }
    void endLine() {
        x_ = 0;
        ++row_;
    }
    void move(uint8_t dx, uint8_t dy) {
        x_ += dx;
        row_ += dy;
        if (x_ > image_.width || row_ > image_.height) throw ImageError("BMP run-length delta moves outside the image");
    }

private:
    const Palette& palette_;
    Bitmap& image_;
    int64_t x_ = 0;
    int64_t row_ = 0;
};

// Pixel i of a run or literal: whole bytes for RLE8, alternating high and low nibbles for RLE4.
uint32_t indexAt(uint8_t byte, size_t i, bool nibbles) {
    if (!nibbles) return byte;
    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void literal(ByteReader& in, RlePen& pen, uint8_t count, bool nibbles) {
    const size_t byteCount = nibbles ? (count + 1u) / 2 : count;
    const auto bytes = in.take(byteCount);
    for (size_t i = 0; i < count; ++i) pen.put(indexAt(bytes[nibbles ? i / 2 : i], i, nibbles));
    if (byteCount % 2 != 0) in.skip(1);  // literals end on a 16-bit boundary
}

}  // namespace

void decodeRle(ByteReader& in, const Header& header, const Palette& palette, Bitmap& image) {
    const bool nibbles = header.compression == Rle4;
    RlePen pen(palette, image);
    for (;;) {
        const uint8_t count = in.readU8();
        const uint8_t value = in.readU8();
        if (count > 0) {
            for (size_t i = 0; i < count; ++i) pen.put(indexAt(value, i, nibbles));
        } else if (value == EndOfLine) {
            pen.endLine();
        } else if (value == EndOfBitmap) {
            return;
        } else if (value == Delta) {
            const uint8_t dx = in.readU8();
            pen.move(dx, in.readU8());
        } else {
            literal(in, pen, value, nibbles);
        }
    }
}

}  // namespace vortel::bmp
