#pragma once
// Image files by name: read whichever supported format the bytes are, write the format the
// file name asks for.
#include <optional>
#include <span>
#include <string>

#include "platform/Bitmap.h"

namespace vortel {

enum class ImageFormat { Bmp, Png, Jpeg, Gif, Tga, Pcx };

// The format a file name's extension selects, in any case: .bmp .dib .rle, .png, .jpg .jpeg .jif,
// .gif, .tga, .pcx; nullopt for others.
std::optional<ImageFormat> formatForPath(const std::string& path);

// The format the bytes' signature shows; nullopt when none matches (always for TGA, which has
// no signature).
std::optional<ImageFormat> formatForBytes(std::span<const uint8_t> bytes);

// Whether saveImage can write the format: BMP, PNG and JPEG.
bool canSave(ImageFormat format);

// Decodes by the signature; bytes without one are decoded as `hint` when given (how a TGA file
// is read, by its name), else rejected. Throws ImageError.
Bitmap decodeImage(std::span<const uint8_t> bytes, std::optional<ImageFormat> hint = std::nullopt);

// Decodes by the signature first, then by the extension. Throws ImageError naming the path when
// the file cannot be read or decoded.
Bitmap loadImage(const std::string& path);

// The quality saveImage gives JPEG files.
inline constexpr int DefaultJpegQuality = 80;

// Encodes by the extension (BMP, PNG, JPEG at DefaultJpegQuality), then replaces `path` whole;
// on any failure the file is untouched.
void saveImage(const std::string& path, const Bitmap& bitmap);

// Encodes as JPEG at `quality` (0 to 100, clamped), then replaces `path` whole, whatever its name.
void saveJpeg(const std::string& path, const Bitmap& bitmap, int quality);

}  // namespace vortel
