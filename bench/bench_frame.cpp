#include <benchmark/benchmark.h>

#include "engine/FontFX.h"

namespace {

using vortel::Canvas;
using vortel::TFontFX;

// A full-HD picture and an engine whose frame has the panel's default size and point count.
struct FrameScene {
    FrameScene(uint8_t kind, uint8_t pixel) : engine(vortel::Rect{0, 0, 1920, 1080}), canvas(1920, 1080) {
        canvas.fillRect({0, 0, 1920, 1080}, vortel::rgb(40, 90, 160));
        vortel::BitmapToPixelBuffer(canvas, buffer);
        engine.Frame.FrameKind = kind;
        engine.Frame.FramePixel = pixel;
        engine.Frame.FrameWidth = 40;
        engine.Frame.FramePoints = 40;
        engine.Frame.FrameColor = vortel::rgb(230, 200, 60);
        engine.Frame.FrameSeed = 11;
    }
    TFontFX engine;
    Canvas canvas;
    vortel::TPixelBuffer buffer;
};

// Each round draws over the previous one: the cost does not depend on the pixels underneath.
void BM_PixelFrame(benchmark::State& state) {
    FrameScene s(uint8_t(state.range(0)), 1);
    for (auto _ : state) s.engine.ZeichneBGFrame(s.buffer);
}

void BM_PolygonFrame(benchmark::State& state) {
    FrameScene s(uint8_t(state.range(0)), 0);
    for (auto _ : state) s.engine.ZeichneBGFramePolygon(s.canvas, 1920, 1080);
}

}  // namespace

BENCHMARK(BM_PixelFrame)->Arg(1)->Arg(7)->Arg(8)->Arg(11)->Arg(12)->Arg(17)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PolygonFrame)->Arg(17)->Unit(benchmark::kMillisecond);
