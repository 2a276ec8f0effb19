// The presets as a user meets them: choosing a main style or a random effect, including the
// first full render of the result, at 640x480.
#include <benchmark/benchmark.h>

#include "document/StockResources.h"
#include "panels/presets/Panels.h"

namespace {

using vortel::Canvas;
using vortel::TFontFX;
using vortel::presets::EffectPanels;

struct Rig {
    Rig() : engine(vortel::Rect{0, 0, 640, 480}), canvas(640, 480), panels(engine, vortel::stockModule()) {}
    void render() {
        engine.GetPointsAndTypes(canvas, false);
        engine.CalcVortel(0);
        engine.ShowText(canvas, false);
    }
    TFontFX engine;
    Canvas canvas;
    EffectPanels panels;
};

// Arg: the style. 1 Gutschein (frame, shadow, arch), 24 Gold (gradient, deep bevel), 45 Ghost
// (star fringe, transparent bevel, wide blur), 7 Willkommen (two textures).
void BM_MainStyle(benchmark::State& state) {
    Rig rig;
    const int style = int(state.range(0));
    for (auto _ : state) {
        rig.panels.ApplyMainStyle(style);
        rig.render();
    }
}
BENCHMARK(BM_MainStyle)->Arg(1)->Arg(7)->Arg(24)->Arg(45)->Unit(benchmark::kMillisecond);

// A different seed every round, as the slide show draws them.
void BM_RandomEffect(benchmark::State& state) {
    Rig rig;
    uint32_t seed = 1;
    for (auto _ : state) {
        rig.panels.GenerateRandomEffect(seed);
        seed += 7919;
        rig.render();
    }
}
BENCHMARK(BM_RandomEffect)->Unit(benchmark::kMillisecond);

}  // namespace
