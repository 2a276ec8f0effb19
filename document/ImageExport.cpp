#include "document/ImageExport.h"

#include <cctype>
#include <cstdio>

#include "document/Document.h"
#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/ImageFile.h"
#include "document/ImageJpeg.h"
#include "document/StockResources.h"

namespace vortel {
namespace {

constexpr int EditedTextureQuality = 98;

std::string upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// What encodeBmp writes: 54 bytes of headers and rows padded to four bytes.
int64_t bmpFileSize(const Bitmap& b) { return 54 + (int64_t(b.width) * 3 + 3) / 4 * 4 * b.height; }

}  // namespace

Bitmap LoadImageFile(const std::string& path) { return loadImage(path); }

void SaveBitmapAsJpeg(const Bitmap& bitmap, const std::string& path) { saveJpeg(path, bitmap, EditedTextureQuality); }

void SavePreviewJpeg(const Bitmap& picture, const std::string& path) {
    writeFileAtomically(path, makePreviewJpeg(picture));
}

void CopyJpegResource(const std::string& name, const std::string& path) {
    const auto resource = stockResource("JPG", name);
    if (!resource) throw ImageError("the library holds no texture called " + name);
    writeFileAtomically(path, *resource);
}

bool isTextureFile(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
    const std::string ext = upper(path.substr(dot));
    for (const char* known : {".JPG", ".JIF", ".GIF", ".BMP", ".DIB", ".RLE", ".TGA", ".PCX", ".PNG"}) {
        if (ext == known) return true;
    }
    return false;
}

void openTextureFile(TFontFX& engine, const std::string& path) {
    auto bitmap = std::make_shared<Bitmap>(LoadImageFile(path));
    engine.setTexture(0, std::move(bitmap), path);
    engine.setFillKind(0, 0);
}

JpegOptimizer::JpegOptimizer(Bitmap picture) : picture_(std::move(picture)) {}

std::string JpegOptimizer::pendingLabel(int quality) {
    char text[64];
    std::snprintf(text, sizeof text, "%d %%\r \r%d kB", quality, 0);
    return text;
}

JpegOptimizer::Preview JpegOptimizer::preview(int quality) {
    Preview p;
    p.quality = quality;
    try {
        lastJpeg_ = encodeJpeg(picture_, quality);
    } catch (const ImageError&) {
        throw ImageError("JPG save error");
    }
    lastQuality_ = quality;
    try {
        p.image = decodeJpeg(lastJpeg_);
    } catch (const ImageError&) {
        throw ImageError("PreviewJPG load error");
    }
    p.jpegKb = int64_t(lastJpeg_.size()) / 1024;
    p.bmpKb = bmpFileSize(picture_) / 1024;
    char text[96];
    std::snprintf(text, sizeof text, "%d %%\r%lld kB\r%lld kB", quality, static_cast<long long>(p.jpegKb),
                  static_cast<long long>(p.bmpKb));
    p.label = text;
    return p;
}

void JpegOptimizer::save(const std::string& path, int quality) {
    if (quality != lastQuality_) preview(quality);
    writeFileAtomically(path, lastJpeg_);
}

}  // namespace vortel
