// The small picture every document ends with.
#include <algorithm>
#include <vector>

#include "document/Document.h"
#include "document/ImageJpeg.h"

namespace vortel {
namespace {

constexpr int64_t MaxPreviewPixels = 45000;
constexpr int PreviewQuality = 80;

// Area averaging: every target pixel is the mean of the source pixels it covers, weighted by the
// covered fraction. Halving keeps whole pixels together, so this is a clean 2x2, 4x4... mean.
Bitmap scaleDown(const Bitmap& source, int32_t width, int32_t height) {
    Bitmap out{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
    const double sx = double(source.width) / width, sy = double(source.height) / height;
    std::vector<double> row(size_t(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        std::fill(row.begin(), row.end(), 0.0);
        const double y0 = y * sy, y1 = (y + 1) * sy;
        for (int32_t v = int32_t(y0); v < source.height && v < y1; ++v) {
            const double wy = std::min<double>(v + 1, y1) - std::max<double>(v, y0);
            const uint8_t* src = source.bgr.data() + size_t(v) * size_t(source.width) * 3;
            for (int32_t x = 0; x < width; ++x) {
                const double x0 = x * sx, x1 = (x + 1) * sx;
                for (int32_t u = int32_t(x0); u < source.width && u < x1; ++u) {
                    const double w = wy * (std::min<double>(u + 1, x1) - std::max<double>(u, x0));
                    for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + c] += w * src[size_t(u) * 3 + c];
                }
            }
        }
        const double area = sx * sy;
        for (size_t i = 0; i < row.size(); ++i) {
            out.bgr[size_t(y) * size_t(width) * 3 + i] = uint8_t(std::clamp(row[i] / area + 0.5, 0.0, 255.0));
        }
    }
    return out;
}

}  // namespace

std::pair<int32_t, int32_t> previewSize(int32_t width, int32_t height) {
    while (int64_t(width) * height > MaxPreviewPixels) {
        width /= 2;
        height /= 2;
    }
    return {width, height};
}

std::vector<uint8_t> makePreviewJpeg(const Bitmap& picture) {
    auto [w, h] = previewSize(picture.width, picture.height);
    // A very long, thin picture halves to nothing along its short side; a preview keeps one pixel.
    w = std::max(w, 1);
    h = std::max(h, 1);
    const Bitmap small = (w == picture.width && h == picture.height) ? picture : scaleDown(picture, w, h);
    return encodeJpeg(small, PreviewQuality);
}

}  // namespace vortel
