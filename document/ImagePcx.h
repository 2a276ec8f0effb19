#pragma once
// ZSoft PCX, run-length encoded: monochrome, 16-colour (planar or packed), 256-colour and 24-bit.
#include <cstdint>
#include <span>

#include "platform/Bitmap.h"

namespace vortel {

// Decodes a whole .pcx file image: 1 bit x 1 plane, 1 bit x 4 planes, 4 bits x 1 plane (with the
// header's 16-colour palette), 8 bits x 1 plane (with the 256-colour palette at the end of the
// file) and 8 bits x 3 planes. Throws ImageError for anything malformed or beyond the limits.
Bitmap decodePcx(std::span<const uint8_t> bytes);

// True when the bytes start like a PCX header: maker byte 0x0A, a known version, run-length
// encoding and a bit depth of 1, 2, 4 or 8.
bool hasPcxSignature(std::span<const uint8_t> bytes);

}  // namespace vortel
