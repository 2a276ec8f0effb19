#pragma once
// The picture's ways out and a texture's way in: the JPEG export with its quality preview, the
// JPEG helpers the document format uses, and the Open command's texture loading.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/FontFX.h"
#include "platform/Bitmap.h"

namespace vortel {

// Decodes any supported image file (by signature, then by extension). Throws ImageError.
Bitmap LoadImageFile(const std::string& path);
// The bitmap as a JPEG at quality 98, as edited textures are kept.
void SaveBitmapAsJpeg(const Bitmap& bitmap, const std::string& path);
// The document preview of the picture (halved while larger than 45000 pixels, quality 80).
void SavePreviewJpeg(const Bitmap& picture, const std::string& path);
// The stock texture `name` (a leading ':' is dropped) written to `path` unchanged. Throws
// ImageError when the library holds no such texture.
void CopyJpegResource(const std::string& name, const std::string& path);

// The extensions the Open command loads as a texture: .JPG .JIF .GIF .BMP .DIB .RLE .TGA .PCX,
// and .PNG, any case.
bool isTextureFile(const std::string& path);
// Loads the image as the background surface's texture and selects the texture fill. On failure the
// engine is unchanged and the ImageError propagates.
void openTextureFile(TFontFX& engine, const std::string& path);

// The JPEG optimizer without its window: the picture encoded at a quality, with the sizes the
// dialog shows, and the save of exactly what was previewed.
class JpegOptimizer {
public:
    static constexpr int InitialQuality = 80;

    explicit JpegOptimizer(Bitmap picture);

    struct Preview {
        int quality = 0;
        Bitmap image;          // the picture as the JPEG will show it
        int64_t jpegKb = 0;    // bytes / 1024, integer division
        int64_t bmpKb = 0;
        std::string label;     // "%d %%\r%d kB\r%d kB"
    };
    // Throws ImageError with "JPG save error" or "PreviewJPG load error" when the codec fails.
    Preview preview(int quality);
    // Writes the JPEG at `quality` (the previewed one when it is the last preview's quality).
    void save(const std::string& path, int quality);
    // The label shown while a preview is being made: the BMP size is not known yet.
    static std::string pendingLabel(int quality);

private:
    Bitmap picture_;
    int lastQuality_ = -1;
    std::vector<uint8_t> lastJpeg_;
};

}  // namespace vortel
