#include "document/ImageFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <utility>

#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageError.h"
#include "document/ImageGif.h"
#include "document/ImageJpeg.h"
#include "document/ImagePcx.h"
#include "document/ImagePng.h"
#include "document/ImageTga.h"

namespace vortel {
namespace {

Bitmap decodeAs(ImageFormat format, std::span<const uint8_t> bytes) {
    switch (format) {
    case ImageFormat::Bmp: return decodeBmp(bytes);
    case ImageFormat::Png: return decodePng(bytes);
    case ImageFormat::Jpeg: return decodeJpeg(bytes);
    case ImageFormat::Gif: return decodeGif(bytes);
    case ImageFormat::Tga: return decodeTga(bytes);
    case ImageFormat::Pcx: return decodePcx(bytes);
    }
    throw ImageError("unknown image format");
}

}  // namespace

std::optional<ImageFormat> formatForPath(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    static const std::pair<const char*, ImageFormat> known[] = {
        {".bmp", ImageFormat::Bmp}, {".dib", ImageFormat::Bmp},  {".rle", ImageFormat::Bmp},
        {".png", ImageFormat::Png}, {".jpg", ImageFormat::Jpeg}, {".jpeg", ImageFormat::Jpeg},
        {".jif", ImageFormat::Jpeg}, {".gif", ImageFormat::Gif}, {".tga", ImageFormat::Tga},
        {".pcx", ImageFormat::Pcx},
    };
    for (const auto& [name, format] : known) {
        if (extension == name) return format;
    }
    return std::nullopt;
}

std::optional<ImageFormat> formatForBytes(std::span<const uint8_t> bytes) {
    if (hasPngSignature(bytes)) return ImageFormat::Png;
    if (hasJpegSignature(bytes)) return ImageFormat::Jpeg;
    if (hasGifSignature(bytes)) return ImageFormat::Gif;
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return ImageFormat::Bmp;
    if (hasPcxSignature(bytes)) return ImageFormat::Pcx;
    return std::nullopt;
}

bool canSave(ImageFormat format) {
    return format == ImageFormat::Bmp || format == ImageFormat::Png || format == ImageFormat::Jpeg;
}

// No valid TGA header matches a signature above: its second byte, the colour map type, is 0 or
// 1, and a PCX-like 0 would need the colour-mapped image type 1 without a map. So the signature
// may go first even for a file named .tga.
Bitmap decodeImage(std::span<const uint8_t> bytes, std::optional<ImageFormat> hint) {
    if (const auto format = formatForBytes(bytes)) return decodeAs(*format, bytes);
    // The named format's own reader says best what is wrong with its file.
    if (hint) return decodeAs(*hint, bytes);
    throw ImageError("not a BMP, PNG, JPEG, GIF or PCX image (a TGA image needs a name ending in .tga)");
}

Bitmap loadImage(const std::string& path) {
    const auto bytes = readFileBytes(path);
    try {
        return decodeImage(bytes, formatForPath(path));
    } catch (const ImageError& e) {
        throw ImageError(path + ": " + e.what());
    }
}

void saveImage(const std::string& path, const Bitmap& bitmap) {
    const auto format = formatForPath(path);
    if (!format || !canSave(*format)) {
        throw ImageError(fillText(VORTEL_EN("Errors", "cannot save %1: the name must end in .png, .bmp or .jpg"), path));
    }
    switch (*format) {
    case ImageFormat::Png: writeFileAtomically(path, encodePng(bitmap)); return;
    case ImageFormat::Jpeg: saveJpeg(path, bitmap, DefaultJpegQuality); return;
    default: writeFileAtomically(path, encodeBmp(bitmap)); return;
    }
}

void saveJpeg(const std::string& path, const Bitmap& bitmap, int quality) {
    writeFileAtomically(path, encodeJpeg(bitmap, quality));
}

}  // namespace vortel
