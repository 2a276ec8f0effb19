#pragma once
// PNG through libpng: every colour type and depth read, 8-bit RGB and RGBA written; the quick
// effort is written by our own few lines on libdeflate.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Bitmap.h"

namespace vortel {

// Decodes a whole .png file image. Palette, grey and 16-bit images become 8-bit BGR; transparent
// pixels are composited over white, the colour of an empty work image. Throws ImageError.
Bitmap decodePng(std::span<const uint8_t> bytes);

// How hard the encoder works: Small is libpng's default (adaptive filters, zlib level 6), for
// files; Fast is one filter and libdeflate's fastest level, for data handed over at once (the
// clipboard) or pictures wanted quickly rather than small (--png-effort fast).
enum class PngEffort { Small, Fast };

std::vector<uint8_t> encodePng(const Bitmap& bitmap, PngEffort effort = PngEffort::Small);
// An 8-bit RGBA PNG (colour type 6) of top-down rows, bytes red, green, blue, alpha.
std::vector<uint8_t> encodePngRgba(int32_t width, int32_t height, std::span<const uint8_t> rgba,
                                   PngEffort effort = PngEffort::Small);

// True when the bytes start with the PNG signature.
bool hasPngSignature(std::span<const uint8_t> bytes);

}  // namespace vortel
