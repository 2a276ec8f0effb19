// Arbitrary bytes through the document reader. A file it accepts must write back and read again
// to the same bytes before the preview; a refusal must leave the engine as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "document/Document.h"

namespace {

std::vector<uint8_t> beforePreview(const std::vector<uint8_t>& file) {
    const size_t offset = size_t(file[580]) | size_t(file[581]) << 8 | size_t(file[582]) << 16 | size_t(file[583]) << 24;
    return std::vector<uint8_t>(file.begin(), file.begin() + ptrdiff_t(offset));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const vortel::Bitmap picture{2, 2, std::vector<uint8_t>(12, 128)};
    vortel::TFontFX engine(vortel::Rect{0, 0, 64, 48});
    const auto fresh = vortel::encodeDocument(engine, picture);
    try {
        vortel::decodeDocument(engine, {data, size}, "fuzz.vtl");
    } catch (const vortel::DocumentError&) {
        if (vortel::encodeDocument(engine, picture) != fresh) std::abort();
        return 0;
    }
    const auto once = vortel::encodeDocument(engine, picture);
    vortel::TFontFX again(vortel::Rect{0, 0, 64, 48});
    vortel::decodeDocument(again, once, "again.vtl");
    if (beforePreview(vortel::encodeDocument(again, picture)) != beforePreview(once)) std::abort();
    return 0;
}
