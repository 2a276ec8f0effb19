#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "engine/FontFX.h"

namespace {

using vortel::Point;

// A full-HD picture whose four guides are waves of `points` points each, corners joined, as a
// freely drawn frame looks.
struct GuideScene {
    explicit GuideScene(int points) : engine(vortel::Rect{0, 0, 1920, 1080}), canvas(1920, 1080) {
        const Point corners[4] = {{100, 150}, {1820, 150}, {1820, 930}, {100, 930}};
        const int from[4] = {0, 1, 3, 0}, to[4] = {1, 2, 2, 3};
        for (int g = 0; g < 4; ++g) {
            const Point a = corners[from[g]], b = corners[to[g]];
            std::vector<Point> pts;
            for (int i = 0; i < points; ++i) {
                const double t = double(i) / (points - 1), wave = i == 0 || i == points - 1 ? 0 : 40 * std::sin(t * 12);
                const bool across = g == 0 || g == 2;
                pts.push_back({int32_t(a.x + t * (b.x - a.x) + (across ? 0 : wave)),
                               int32_t(a.y + t * (b.y - a.y) + (across ? wave : 0))});
            }
            engine.GuidePoints[g] = pts;
            engine.NumGuidePoints[g] = uint16_t(points);
        }
    }
    vortel::TFontFX engine;
    vortel::Canvas canvas;
};

// The view picks the guide under the mouse on every mouse move. Here the mouse sweeps the inside of
// the frame, away from every guide: the whole search, nothing selected, nothing drawn.
void BM_SelectGuide(benchmark::State& state) {
    GuideScene s(int(state.range(0)));
    std::vector<Point> mice;
    for (int y = 220; y < 870; y += 37)
        for (int x = 170; x < 1760; x += 53) mice.push_back({x, y});
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.engine.SelectGuide(s.canvas, 0, 10, mice[i]));
        i = (i + 1) % mice.size();
    }
}

// The mouse runs along the upper guide: it stays selected, so after the first call nothing is redrawn.
void BM_SelectGuideOnGuide(benchmark::State& state) {
    GuideScene s(int(state.range(0)));
    const auto& top = s.engine.GuidePoints[0];
    size_t i = 0;
    for (auto _ : state) {
        const Point p = top[i];
        benchmark::DoNotOptimize(s.engine.SelectGuide(s.canvas, 0, 10, {p.x + 1, p.y + 3}));
        i = (i + 1) % top.size();
    }
}

}  // namespace

BENCHMARK(BM_SelectGuide)->Arg(2)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectGuideOnGuide)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
