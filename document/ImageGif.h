#pragma once
// GIF through giflib: the first frame of a still or animated file, on its logical screen.
#include <cstdint>
#include <span>

#include "platform/Bitmap.h"

namespace vortel {

// Decodes the first frame of a whole GIF file image onto a white screen of the logical screen's
// size: the frame is clipped to the screen, and transparent or uncovered pixels stay white, as
// transparency is elsewhere. Throws ImageError for anything malformed or beyond the limits.
Bitmap decodeGif(std::span<const uint8_t> bytes);

// True when the bytes start with "GIF87a" or "GIF89a".
bool hasGifSignature(std::span<const uint8_t> bytes);

}  // namespace vortel
