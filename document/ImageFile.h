#pragma once
// Image files by name: read whichever supported format the bytes are, write the format the
// file name asks for.
#include <optional>
#include <span>
#include <string>

#include "platform/Bitmap.h"

namespace vortel {

enum class ImageFormat { Bmp, Png };

// The format a file name's extension selects (.bmp or .png, any case); nullopt for others.
std::optional<ImageFormat> formatForPath(const std::string& path);

// Decodes BMP or PNG bytes, recognised by their signature; throws ImageError for anything else.
Bitmap decodeImage(std::span<const uint8_t> bytes);

// Throws ImageError naming the path when the file cannot be read or decoded.
Bitmap loadImage(const std::string& path);

// Encodes by the extension, then replaces `path` whole; on any failure the file is untouched.
void saveImage(const std::string& path, const Bitmap& bitmap);

}  // namespace vortel
