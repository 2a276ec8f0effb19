// Arbitrary bytes through the preview reader of the style browser: a picture or nothing.
#include <cstddef>
#include <cstdint>

#include "document/Document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vortel::decodeDocumentPreview({data, size});
    return 0;
}
