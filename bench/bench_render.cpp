#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "engine/FontFX.h"

namespace {

using vortel::Canvas;
using vortel::TFontFX;

std::shared_ptr<vortel::Bitmap> checkerTexture() {
    auto t = std::make_shared<vortel::Bitmap>();
    t->width = t->height = 64;
    t->bgr.resize(64 * 64 * 3);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            for (int c = 0; c < 3; ++c) t->bgr[(y * 64 + x) * 3 + c] = uint8_t(((x / 8 + y / 8) % 2) * 120 + c * 40);
    return t;
}

void threeSegmentBevel(TFontFX& e) {
    std::array<vortel::BevelPoint, 11> pts{};
    pts[1] = {0, 3, 0, 300, 300, 0};
    pts[2] = {0, 1, 0, 700, 500, 0};
    pts[3] = {0, 2, 0, 1000, 1000, 0};
    e.setBevelProfile(pts, 3);
    e.setBevelEnabled(true);
    e.setBevelValues(200, 100, 0, -45);
}

// The default word filling a work image of the benchmark's size, warped by an arched upper guide
// so that the fast path applies when no effect is on.
struct Scene {
    explicit Scene(int w, int h) : engine(vortel::Rect{0, 0, w, h}), canvas(w, h) {
        engine.GetPointsAndTypes(canvas, false);
        engine.GuidePoints[0] = {engine.GuidePoints[0][0], {w / 2, h / 20}, engine.GuidePoints[0][1]};
        engine.NumGuidePoints[0] = 3;
        engine.SetNachbarPoints(0);
    }
    void outline() {
        engine.GetPointsAndTypes(canvas, false);
        engine.CalcVortel(0);
    }
    TFontFX engine;
    Canvas canvas;
};

void BM_FastPath(benchmark::State& state) {
    Scene s(int(state.range(0)), int(state.range(1)));
    s.engine.SmoothFont = 0;
    s.outline();
    for (auto _ : state) s.engine.ShowText(s.canvas, false);
}

void fullScene(Scene& s) {
    threeSegmentBevel(s.engine);
    s.engine.setTexture(1, checkerTexture(), "checker");
    s.engine.setFillKind(1, 0);
    s.engine.setSmoothFont(true);
    s.outline();
}

void BM_FullSmoothWithMaskRebuild(benchmark::State& state) {
    Scene s(int(state.range(0)), int(state.range(1)));
    fullScene(s);
    for (auto _ : state) {
        s.engine.releaseTextMask();
        s.engine.ShowText(s.canvas, false);
    }
}

void BM_ColourChangeOnly(benchmark::State& state) {
    Scene s(int(state.range(0)), int(state.range(1)));
    fullScene(s);
    s.engine.ShowText(s.canvas, false);
    uint32_t colour = 0;
    for (auto _ : state) {
        s.engine.setFillColor(0, colour++ & 0xFFFFFF);
        s.engine.ShowText(s.canvas, false);
    }
}

// Stages of the full render, each on its own.

// The picture the mask is read from: white letters where the last render's mask has text.
vortel::TPixelBuffer textPicture(Scene& s) {
    Canvas picture(s.canvas.width(), s.canvas.height());
    picture.fillRect(s.engine.ImageRect, 0);
    vortel::TPixelBuffer text;
    vortel::BitmapToPixelBuffer(picture, text);
    const int32_t w = text.Width;
    for (int32_t row = 0; row < text.Height; ++row)
        for (int32_t x = 0; x < w; ++x)
            if (s.engine.TextMask[size_t(row) * w + x] > 0) std::fill_n(text.pixel(x, row), 3, 255);
    return text;
}

void BM_StageMask(benchmark::State& state) {
    Scene s(int(state.range(0)), int(state.range(1)));
    s.outline();
    s.engine.ShowText(s.canvas, false);
    vortel::TPixelBuffer text = textPicture(s);
    for (auto _ : state) s.engine.CreateTextPointer(text);
}

void BM_StageDistancesAndNormals(benchmark::State& state) {
    Scene s(int(state.range(0)), int(state.range(1)));
    fullScene(s);
    s.engine.ShowText(s.canvas, false);
    vortel::TPixelBuffer text = textPicture(s);
    for (auto _ : state) s.engine.CreateTextPointer(text);
}

void BM_StageProfileTable(benchmark::State& state) {
    Scene s(640, 480);
    fullScene(s);
    s.engine.ShowText(s.canvas, false);
    for (auto _ : state) s.engine.UpdateBevelFunc();
}

void shading(benchmark::State& state, bool smooth) {
    Scene s(int(state.range(0)), int(state.range(1)));
    fullScene(s);
    s.engine.setSmoothFont(smooth);
    s.engine.ShowText(s.canvas, false);
    vortel::TPixelBuffer buffer;
    vortel::BitmapToPixelBuffer(s.canvas, buffer);
    for (auto _ : state) s.engine.ZeichneText(buffer);
}
void BM_StageShading(benchmark::State& state) { shading(state, false); }
void BM_StageShadingAndSmoothing(benchmark::State& state) { shading(state, true); }

// The whole-image copies between the canvas and the pixel buffer, both ways.
void BM_CanvasToPixelBuffer(benchmark::State& state) {
    vortel::Canvas canvas(int(state.range(0)), int(state.range(1)));
    vortel::TPixelBuffer buffer;
    for (auto _ : state) vortel::BitmapToPixelBuffer(canvas, buffer);
}
void BM_PixelBufferToCanvas(benchmark::State& state) {
    vortel::Canvas canvas(int(state.range(0)), int(state.range(1)));
    vortel::TPixelBuffer buffer;
    vortel::BitmapToPixelBuffer(canvas, buffer);
    for (auto _ : state) vortel::PixelBufferToCanvas(buffer, canvas);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({640, 480})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_FastPath)->Apply(sizes);
BENCHMARK(BM_FullSmoothWithMaskRebuild)->Apply(sizes);
BENCHMARK(BM_ColourChangeOnly)->Apply(sizes);
BENCHMARK(BM_StageMask)->Apply(sizes);
BENCHMARK(BM_StageDistancesAndNormals)->Apply(sizes);
BENCHMARK(BM_StageProfileTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageShading)->Apply(sizes);
BENCHMARK(BM_StageShadingAndSmoothing)->Apply(sizes);
BENCHMARK(BM_CanvasToPixelBuffer)->Apply(sizes);
BENCHMARK(BM_PixelBufferToCanvas)->Apply(sizes);
