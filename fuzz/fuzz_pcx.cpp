// Arbitrary bytes through the PCX reader: anything but ImageError or a clean image is a finding.
#include <cstddef>
#include <cstdint>

#include "document/ImageError.h"
#include "document/ImagePcx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        vortel::decodePcx({data, size});
    } catch (const vortel::ImageError&) {
    }
    return 0;
}
