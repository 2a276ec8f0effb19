// Line layout of any text a user may type or a document may hold: direction, clusters, fallback
// faces, invisible characters and tabs. The first byte picks a face and the options, the rest is
// the text (UTF-8, malformed sequences included). Every line must lay out without a fault, every
// cluster must cover characters of its line in order of its direction's runs without overlap, the
// line's width must be the sum of its clusters, and drawing it whole or cluster by cluster (turned)
// must stay finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/TextShaping.h"

using namespace vortel;

namespace {

const char* const kFaces[] = {"DejaVu Sans", "Noto Sans Arabic", "Noto Sans Devanagari", "Liberation Serif",
                              "Noto Sans CJK SC", "Vortel Missing Face"};

FontPtr faceFor(uint8_t pick) {
    static std::vector<FontPtr> fonts;
    if (fonts.empty()) {
        for (const char* face : kFaces) {
            LogFont lf;
            lf.setFaceName(face);
            lf.lfHeight = 40;
            lf.lfWeight = 400;
            fonts.push_back(Font::create(lf));
        }
    }
    return fonts[pick % fonts.size()];
}

}  // namespace

// fontconfig keeps its configuration until the process ends.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096) return 0;
    const uint8_t pick = data[0];
    const FontPtr font = faceFor(pick & 7);
    ShapeOptions options;
    options.kerning = pick & 8;
    options.tabStop = pick & 16 ? 8 * font->metrics().avgCharWidth : 0;
    const std::u32string text = utf8ToU32(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(U'\r', start);
        if (end == std::u32string::npos) end = text.size();
        const std::u32string_view line = std::u32string_view(text).substr(start, end - start);
        const ShapedLine shaped = shapeLine(font, line, options);

        std::vector<bool> covered(line.size(), false);
        int64_t sum = 0;
        for (const TextCluster& c : shaped.clusters) {
            if (c.count == 0 || c.first + c.count > line.size()) abort();
            for (uint32_t k = c.first; k < c.first + c.count; ++k) {
                if (covered[k]) abort();  // a character in two clusters
                covered[k] = true;
            }
            sum += c.advance;
        }
        if (shapedWidth(font, line, options, 0) != sum || shaped.width(0) != sum) abort();

        Canvas dc(1, 1);
        dc.selectFont(font);
        dc.beginPath();
        dc.drawShaped(0, 0, shaped);
        double pen = 0;
        for (const TextCluster& c : shaped.clusters) {
            dc.drawCluster(pen, 0, c, int32_t(pick) * 37 % 3600);
            pen += c.advance;
        }
        dc.endPath();
        for (const PointF& p : dc.path().points())
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) abort();
        start = end + 1;
    }
    return 0;
}
