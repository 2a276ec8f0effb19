#include "document/ImageFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageError.h"
#include "document/ImagePng.h"

namespace vortel {

std::optional<ImageFormat> formatForPath(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".bmp") return ImageFormat::Bmp;
    if (extension == ".png") return ImageFormat::Png;
    return std::nullopt;
}

Bitmap decodeImage(std::span<const uint8_t> bytes) {
    if (hasPngSignature(bytes)) return decodePng(bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return decodeBmp(bytes);
    throw ImageError("not a BMP or PNG image");
}

Bitmap loadImage(const std::string& path) {
    const auto bytes = readFileBytes(path);
    try {
        return decodeImage(bytes);
    } catch (const ImageError& e) {
        throw ImageError(path + ": " + e.what());
    }
}

void saveImage(const std::string& path, const Bitmap& bitmap) {
    const auto format = formatForPath(path);
    if (!format) throw ImageError("cannot save " + path + ": the name must end in .png or .bmp");
    const auto bytes = *format == ImageFormat::Png ? encodePng(bitmap) : encodeBmp(bitmap);
    writeFileAtomically(path, bytes);
}

}  // namespace vortel
