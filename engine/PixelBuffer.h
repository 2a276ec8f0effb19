#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Canvas.h"
#include "platform/LargeBuffer.h"

namespace vortel {

// One byte a pixel over the whole image (the text, normal and shadow maps).
using ByteMap = std::vector<uint8_t, LargeAllocator<uint8_t>>;

// The working image of a render: a 40-byte bitmap information header (24 bits a pixel, rows
// bottom-up, no compression) followed by the pixel rows, bytes blue, green, red, each row padded
// to a multiple of 4 bytes. Pixel (x, row) lies at Bits() + row * RowBytes + 3x; row 0 is the
// bottom line of the image.
struct TPixelBuffer {
    std::vector<uint8_t, LargeAllocator<uint8_t>> Stream;
    int32_t HeightBytes = 0;
    int32_t RowBytes = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    static constexpr size_t HeaderSize = 40;
    uint8_t* Bits() { return Stream.data() + HeaderSize; }
    const uint8_t* Bits() const { return Stream.data() + HeaderSize; }
    uint8_t* pixel(int32_t x, int32_t row) { return Bits() + ptrdiff_t(row) * RowBytes + 3 * ptrdiff_t(x); }
    const uint8_t* pixel(int32_t x, int32_t row) const { return Bits() + ptrdiff_t(row) * RowBytes + 3 * ptrdiff_t(x); }
};

// Rows of 3 bytes a pixel rounded up to a multiple of 4.
inline int32_t paddedRowBytes(int32_t width) { return (width * 3 + 3) & ~3; }

// Fills the buffer from the canvas: header, then the rows bottom-up.
void BitmapToPixelBuffer(const Canvas& bitmap, TPixelBuffer& buffer);
// Fills the buffer with a w x h picture of one colour: what BitmapToPixelBuffer gives for a canvas
// filled with it.
void FillPixelBuffer(TPixelBuffer& buffer, int32_t w, int32_t h, ColorRef color);
// Writes the buffer's pixels back onto a canvas of the same size.
void PixelBufferToCanvas(const TPixelBuffer& buffer, Canvas& canvas);

}  // namespace vortel
