#pragma once
// The device-independent bitmap format: every common variant read, 24-bit written. The engine's
// pixel buffer shares the written layout, so documents store their pictures with this writer.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace vortel {

// Decodes a whole .bmp file image; throws ImageError for anything malformed or beyond the limits.
Bitmap decodeBmp(std::span<const uint8_t> bytes);

// 24-bit, uncompressed, bottom-up, rows padded to four bytes, 54 bytes of headers.
std::vector<uint8_t> encodeBmp(const Bitmap& bitmap);

Bitmap loadBmp(const std::string& path);
// Replaces `path` only once the whole file is written.
void saveBmp(const std::string& path, const Bitmap& bitmap);

}  // namespace vortel
