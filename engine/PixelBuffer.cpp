#include "engine/PixelBuffer.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>

#include "platform/PixelRows.h"

namespace vortel {

namespace {

void putU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void putU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

// The 40-byte information header of a bottom-up 24-bit image without compression.
void writeInfoHeader(uint8_t* h, int32_t width, int32_t height) {
    putU32(h, 40);
    putU32(h + 4, static_cast<uint32_t>(width));
    putU32(h + 8, static_cast<uint32_t>(height));
    putU16(h + 12, 1);
    putU16(h + 14, 24);
    putU32(h + 16, 0);  // no compression
    putU32(h + 20, 0);  // image size may be 0 for uncompressed rows
    putU32(h + 24, 1);  // pixels per metre, x and y
    putU32(h + 28, 1);
    putU32(h + 32, 0);  // colours used
    putU32(h + 36, 0);  // important colours
}

// Sizes the buffer for a w x h picture and writes its header. A buffer of the same size is refilled
// in place: the caller writes every row with its padding, and the slack after the last row is
// cleared by finishRows, so nothing of the previous picture stays.
void prepare(TPixelBuffer& buffer, int32_t w, int32_t h) {
    const size_t size = size_t(h) * (size_t(w) + 4) * 3 + TPixelBuffer::HeaderSize;
    if (buffer.Stream.size() != size || buffer.Width != w || buffer.Height != h) {
        assignZeros(buffer.Stream, size);
        prefaultForWriting(buffer.Stream.data(), size);  // every row is written
    }
    buffer.Width = w;
    buffer.Height = h;
    buffer.RowBytes = paddedRowBytes(w);
    buffer.HeightBytes = paddedRowBytes(h);
    writeInfoHeader(buffer.Stream.data(), w, h);
}

void finishRows(TPixelBuffer& buffer) {
    const size_t used = TPixelBuffer::HeaderSize + size_t(buffer.Height) * size_t(buffer.RowBytes);
    std::memset(buffer.Stream.data() + used, 0, buffer.Stream.size() - used);
}

}  // namespace

// The canvas surface stands in for the device-dependent bitmap; these two functions are the
// device-independent-bits transfers in both directions.
void BitmapToPixelBuffer(const Canvas& bitmap, TPixelBuffer& buffer) {
    const int32_t w = bitmap.width(), h = bitmap.height();
    prepare(buffer, w, h);
    cairo_surface_t* s = bitmap.surface();
    cairo_surface_flush(s);
    const uint8_t* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const size_t padding = size_t(buffer.RowBytes) - size_t(w) * 3;
    for (int32_t y = 0; y < h; ++y) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(data + ptrdiff_t(y) * stride);
        uint8_t* dst = buffer.pixel(0, h - 1 - y);
        packBgrRow(src, dst, w);
        std::memset(dst + size_t(w) * 3, 0, padding);
    }
    finishRows(buffer);
}

void FillPixelBuffer(TPixelBuffer& buffer, int32_t w, int32_t h, ColorRef color) {
    prepare(buffer, w, h);
    if (w <= 0 || h <= 0) return finishRows(buffer);
    const uint8_t bgr[3] = {uint8_t(color >> 16), uint8_t(color >> 8), uint8_t(color)};
    // The first row is built pixel by pixel, the others are copies of it.
    uint8_t* first = buffer.pixel(0, 0);
    for (int32_t x = 0; x < w; ++x) std::memcpy(first + 3 * size_t(x), bgr, 3);
    std::memset(first + size_t(w) * 3, 0, size_t(buffer.RowBytes) - size_t(w) * 3);
    for (int32_t row = 1; row < h; ++row) std::memcpy(buffer.pixel(0, row), first, size_t(buffer.RowBytes));
    finishRows(buffer);
}

void PixelBufferToCanvas(const TPixelBuffer& buffer, Canvas& canvas) {
    const int32_t w = std::min(buffer.Width, canvas.width()), h = std::min(buffer.Height, canvas.height());
    cairo_surface_t* s = canvas.surface();
    cairo_surface_flush(s);
    uint8_t* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int32_t y = 0; y < h; ++y) {
        uint32_t* dst = reinterpret_cast<uint32_t*>(data + ptrdiff_t(y) * stride);
        unpackBgrRow(buffer.pixel(0, buffer.Height - 1 - y), dst, w);
    }
    cairo_surface_mark_dirty(s);
}

}  // namespace vortel
