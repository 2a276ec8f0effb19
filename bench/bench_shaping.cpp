#include <benchmark/benchmark.h>

#include <string>

#include "platform/Canvas.h"
#include "platform/TextShaping.h"

namespace {

vortel::FontPtr fontOf(const char* face) {
    vortel::LogFont lf;
    lf.setFaceName(face);
    lf.lfHeight = 120;
    lf.lfWeight = 400;
    return vortel::Font::create(lf);
}

// One line laid out, as every recalculation does for each line of the text: the plain path for
// Western letters, shaping and ordering for the others, a fallback face for characters the face
// lacks (found once, then kept by the font).
void BM_ShapeLine(benchmark::State& state, const char* face, const char* text) {
    const vortel::FontPtr font = fontOf(face);
    const std::u32string line = vortel::utf8ToU32(text);
    for (auto _ : state) benchmark::DoNotOptimize(vortel::shapeLine(font, line));
    state.counters["chars"] = double(line.size());
}

}  // namespace

BENCHMARK_CAPTURE(BM_ShapeLine, latin_plain, "DejaVu Sans", "Vortel text effects")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShapeLine, latin_marks, "DejaVu Sans", "Vie\u0302\u0301t Nam text effects")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShapeLine, arabic, "DejaVu Sans", "مرحبا بالعالم نص")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShapeLine, hebrew_digits, "DejaVu Sans", "שלום עולם 2026")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShapeLine, devanagari, "Noto Sans Devanagari", "नमस्ते दुनिया क्षत्रिय")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShapeLine, fallback_cjk, "Liberation Sans", "Vortel 你好世界")->Unit(benchmark::kMicrosecond);
