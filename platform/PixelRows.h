#pragma once
// Conversions of one row between the canvas's 32-bit pixels (native 0x00RRGGBB words) and rows of
// 3 bytes a pixel (blue, green, red), as bitmap files and the render's pixel buffer hold them.
// Every whole-image copy goes through these, four pixels a step where the processor can.
#include <cstdint>

namespace vortel {

// Writes exactly 3 x count bytes to `out`.
void packBgrRow(const uint32_t* pixels, uint8_t* out, int32_t count);
// Reads exactly 3 x count bytes from `in`; the top byte of each written pixel is 0.
void unpackBgrRow(const uint8_t* in, uint32_t* pixels, int32_t count);

}  // namespace vortel
