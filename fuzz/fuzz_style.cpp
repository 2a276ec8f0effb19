// Arbitrary bytes through one style file reader (STYLE_KIND is 0 deform, 1 bevel, 2 colour,
// 3 shadow). Whatever it accepts must write back and read again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "document/Document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr auto kind = vortel::StyleKind(STYLE_KIND);
    vortel::TFontFX engine(vortel::Rect{0, 0, 64, 48});
    const auto fresh = vortel::encodeStyle(engine, kind);
    try {
        vortel::decodeStyle(engine, {data, size}, kind, "fuzz");
    } catch (const vortel::DocumentError&) {
        if (vortel::encodeStyle(engine, kind) != fresh) std::abort();
        return 0;
    }
    const auto once = vortel::encodeStyle(engine, kind);
    vortel::TFontFX again(vortel::Rect{0, 0, 64, 48});
    vortel::decodeStyle(again, once, kind, "again");
    if (vortel::encodeStyle(again, kind) != once) std::abort();
    return 0;
}
