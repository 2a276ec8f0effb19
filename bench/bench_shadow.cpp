#include <benchmark/benchmark.h>

#include "engine/FontFX.h"

namespace {

using vortel::Canvas;
using vortel::TFontFX;

// The default word filling a 1920 x 1080 work image, rendered once so that its text mask exists,
// with a shadow pushed down and right so that it covers nearly the whole picture.
struct ShadowScene {
    explicit ShadowScene(int32_t blur, int32_t angle = 0, int32_t size = 100)
        : engine(vortel::Rect{0, 0, kWidth, kHeight}), canvas(kWidth, kHeight) {
        vortel::ShadowParams s;
        s.ShadowX = 12;
        s.ShadowY = -12;
        s.ShadowBlur = blur;
        s.ShadowAngle = angle;
        s.ShadowSize = size;
        s.ShadowColor = 0x404040;
        s.ShadowIntensity = 0.7;
        engine.setShadow(s);
        engine.GetPointsAndTypes(canvas, false);
        engine.CalcVortel(0);
        engine.ShowText(canvas, false);
        vortel::BitmapToPixelBuffer(canvas, buffer);
    }
    static constexpr int32_t kWidth = 1920, kHeight = 1080;
    TFontFX engine;
    Canvas canvas;
    vortel::TPixelBuffer buffer;
};

// Building the coverage map; the times for radius 4 and 30 should match (running sums).
void BM_ShadowMap(benchmark::State& state) {
    ShadowScene s(int32_t(state.range(0)));
    for (auto _ : state) {
        s.engine.CreateShadowPointer(s.buffer);
        benchmark::DoNotOptimize(s.engine.ShadowMask.data());
    }
}

// A shadow laid down at 40 degrees and 40 per cent over the level base line, as the shadow
// presets do: each text pixel is turned about its foot on the line.
void BM_ShadowMapLeaning(benchmark::State& state) {
    ShadowScene s(0, 40, 40);
    for (auto _ : state) {
        s.engine.CreateShadowPointer(s.buffer);
        benchmark::DoNotOptimize(s.engine.ShadowMask.data());
    }
}

// Blending a cached map into the picture, as every render with a shadow does.
void BM_ShadowBlend(benchmark::State& state) {
    ShadowScene s(int32_t(state.range(0)));
    const vortel::TPixelBuffer original = s.buffer;
    for (auto _ : state) {
        state.PauseTiming();
        s.buffer = original;
        state.ResumeTiming();
        s.engine.ZeichneShadow(s.buffer);
    }
}

}  // namespace

BENCHMARK(BM_ShadowMap)->Arg(0)->Arg(4)->Arg(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShadowMapLeaning)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShadowBlend)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
