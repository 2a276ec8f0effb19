#pragma once
// The device-independent bitmap format: every common variant read, 24-bit written. The engine's
// pixel buffer shares the written layout, so documents store their pictures with this writer.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace vortel {

// Decodes a whole .bmp file image; throws ImageError for anything malformed or beyond the limits.
Bitmap decodeBmp(std::span<const uint8_t> bytes);

// 24-bit, uncompressed, bottom-up, rows padded to four bytes, 54 bytes of headers.
std::vector<uint8_t> encodeBmp(const Bitmap& bitmap);
// The same file from a picture held elsewhere, written into `out` (bmpFileSize bytes): `row(y, line)`
// writes the 3 x width bytes (blue, green, red) of row y, counted from the top, to `line`.
uint64_t bmpFileSize(int32_t width, int32_t height);
// The 54 bytes before the rows; the rows follow bottom-up, each padded with zeros to four bytes.
std::vector<uint8_t> bmpHeaders(int32_t width, int32_t height);
void encodeBmpRowsInto(uint8_t* out, int32_t width, int32_t height, const std::function<void(int32_t, uint8_t*)>& row);

Bitmap loadBmp(const std::string& path);
// Replaces `path` only once the whole file is written.
void saveBmp(const std::string& path, const Bitmap& bitmap);

}  // namespace vortel
