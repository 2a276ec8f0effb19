#include <benchmark/benchmark.h>

#include <string>

#include "engine/FontFX.h"

namespace {

std::string textOfLines(int lines) {
    std::string t;
    for (int i = 0; i < lines; ++i) t += (i ? "\r\n" : "") + std::string("Vortel text effects");
    return t;
}

// One recalculation as the program runs it: outline extraction (with subdivision when the step
// is below 100) followed by the envelope warp.
void extractAndWarp(benchmark::State& state, int32_t outlineStep) {
    const int lines = static_cast<int>(state.range(0));
    vortel::TFontFX engine(vortel::Rect{0, 0, 640, 480});
    vortel::Canvas canvas(640, 480);
    engine.Text = textOfLines(lines);
    engine.Fringe.OutlineStep = outlineStep;
    engine.GetPointsAndTypes(canvas, false);  // places the guides once
    for (auto _ : state) {
        engine.GetPointsAndTypes(canvas, false);
        benchmark::DoNotOptimize(engine.CalcVortel(0));
    }
    state.counters["points"] = engine.NumOutlinePoints;
}

void BM_ExtractWarp(benchmark::State& state) { extractAndWarp(state, 100); }
void BM_ExtractSubdivideWarp(benchmark::State& state) { extractAndWarp(state, 5); }

}  // namespace

BENCHMARK(BM_ExtractWarp)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractSubdivideWarp)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
