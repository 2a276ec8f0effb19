// Arbitrary bytes through the JPEG reader: anything but ImageError or a clean image is a finding.
// Small pictures it decodes go back through the writer at a quality the input picks, so the
// writer sees odd sizes too; a written file that does not read back is a finding as well.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "document/ImageError.h"
#include "document/ImageJpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<vortel::Bitmap> image;
    try {
        image = vortel::decodeJpeg({data, size});
    } catch (const vortel::ImageError&) {
        return 0;
    }
    if (int64_t(image->width) * image->height > 4096) return 0;
    const vortel::Bitmap again = vortel::decodeJpeg(vortel::encodeJpeg(*image, int(size % 101)));
    if (again.width != image->width || again.height != image->height) __builtin_trap();
    return 0;
}
