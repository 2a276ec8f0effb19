#pragma once
// Truevision TGA: colour-mapped, true-colour and grey images, uncompressed or run-length encoded.
#include <cstdint>
#include <span>

#include "platform/Bitmap.h"

namespace vortel {

// Decodes a whole .tga file image: image types 1, 2, 3 and their run-length forms 9, 10, 11;
// 8-bit indices into 15/16/24/32-bit map entries, 8-bit grey, 15/16/24/32-bit colour; any
// origin corner. A 32-bit image whose descriptor declares 8 alpha bits is composited over
// white, unless every alpha value is 0 (writers that leave the channel unused); 16-bit
// attribute bits are ignored. Throws ImageError for anything malformed or beyond the limits.
// TGA has no signature: a file is read as TGA by its name, and the header checks here then
// reject almost all other data.
Bitmap decodeTga(std::span<const uint8_t> bytes);

}  // namespace vortel
