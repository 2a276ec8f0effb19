#pragma once
// The bounds every image reader and writer enforces before it allocates anything.
#include <cstddef>
#include <cstdint>
#include <string>

#include "document/ImageError.h"
#include "platform/Bitmap.h"
#include "platform/FileGate.h"
#include "platform/Texts.h"

namespace vortel::image_limits {

// Four times the largest work image the command line accepts, so any texture or imprint a user
// could sensibly tile still loads, while a forged header cannot claim an absurd side.
inline constexpr int64_t MaxSide = 32768;

// 10000 x 10000 pixels, the largest work image, is 286 MiB as 24-bit BGR: the most one decoded
// image may cost in memory. A compressed file says nothing about its decoded size, so this bound
// is what keeps a small forged file from claiming gigabytes.
inline constexpr int64_t MaxPixels = int64_t(10000) * 10000;

// The largest file loadImage reads: an uncompressed 32-bit BMP at MaxPixels plus its headers
// stays below this, and anything larger cannot be a valid image within the limits above.
inline constexpr uint64_t MaxFileBytes = uint64_t(MaxPixels) * 4 + (uint64_t(1) << 20);

// Throws ImageError unless width x height is a non-empty image within the limits.
inline void checkDimensions(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) throw ImageError(VORTEL_EN("Errors", "image has no pixels"));
    // Work done for a request of the service keeps to the service's own bound on a side.
    const FileSandbox* sandbox = currentSandbox();
    const int64_t side = sandbox && sandbox->maxPictureSide > 0 ? sandbox->maxPictureSide : MaxSide;
    if (width > side || height > side || width * height > MaxPixels) {
        throw ImageError(fillText(VORTEL_EN("Errors", "image of %1x%2 pixels is larger than supported"), width, height));
    }
}

// Throws ImageError unless the bitmap's buffer holds exactly its BGR pixels, within the limits.
inline void checkBitmap(const Bitmap& bitmap) {
    checkDimensions(bitmap.width, bitmap.height);
    if (bitmap.bgr.size() != size_t(bitmap.width) * size_t(bitmap.height) * 3) {
        throw ImageError("bitmap buffer does not match its size");
    }
}

}  // namespace vortel::image_limits
