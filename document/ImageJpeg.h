#pragma once
// JPEG through libjpeg-turbo: baseline and progressive, grey, YCbCr, RGB and CMYK read; 8-bit
// YCbCr written at a quality of 0 to 100.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Bitmap.h"

namespace vortel {

// Decodes a whole JPEG/JIF file image. Throws ImageError for anything malformed or beyond the limits.
Bitmap decodeJpeg(std::span<const uint8_t> bytes);

// Encodes at `quality` (clamped to 0..100; 0 is the strongest compression); from 90 up the colour
// is kept at full resolution, below it at half in both directions. Throws ImageError when the
// bitmap is empty or beyond the limits.
std::vector<uint8_t> encodeJpeg(const Bitmap& bitmap, int quality);

// True when the bytes start with the JPEG start-of-image marker.
bool hasJpegSignature(std::span<const uint8_t> bytes);

}  // namespace vortel
