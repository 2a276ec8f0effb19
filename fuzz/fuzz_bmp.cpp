// Arbitrary bytes through the BMP reader: anything but ImageError or a clean image is a finding.
#include <cstddef>
#include <cstdint>

#include "document/ImageBmp.h"
#include "document/ImageError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        vortel::decodeBmp({data, size});
    } catch (const vortel::ImageError&) {
    }
    return 0;
}
