#include <benchmark/benchmark.h>

#include "panels/presets/PixelAdjust.h"

namespace {

using vortel::Bitmap;

// A picture of smoothly varying, mostly saturated colours, as a texture might be (640 x 480), or a
// full image of that kind.
Bitmap samplePicture(int32_t kWidth = 640, int32_t kHeight = 480) {
    Bitmap b{kWidth, kHeight, std::vector<uint8_t>(size_t(kWidth) * kHeight * 3)};
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            uint8_t* p = b.bgr.data() + (size_t(y) * kWidth + x) * 3;
            p[0] = uint8_t(x * 255 / (kWidth - 1));
            p[1] = uint8_t(y * 255 / (kHeight - 1));
            p[2] = uint8_t((x + y) % 256);
        }
    }
    return b;
}

// Every slider moved, so each pixel goes through both conversions.
void BM_AdjustColors(benchmark::State& state) {
    const Bitmap picture = samplePicture();
    const vortel::presets::ColorSliders sliders{30, -20, 15, 10, -10, 5};
    for (auto _ : state) {
        Bitmap out = vortel::presets::adjustColors(picture, sliders);
        benchmark::DoNotOptimize(out.bgr.data());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(picture.width) * picture.height);
}

// The colour pass of a whole 1920 x 1080 image, which runs while a slider is dragged: the smooth
// picture above (about half a million distinct colours), and noise where hardly a colour repeats.
void BM_AdjustColorsFullImage(benchmark::State& state) {
    Bitmap picture = samplePicture(1920, 1080);
    if (state.range(0) == 1) {
        uint32_t seed = 1;
        for (uint8_t& byte : picture.bgr) byte = uint8_t((seed = seed * 134775813u + 1) >> 24);
    }
    const vortel::presets::ColorSliders sliders{30, -20, 15, 10, -10, 5};
    for (auto _ : state) {
        Bitmap out = vortel::presets::adjustColors(picture, sliders);
        benchmark::DoNotOptimize(out.bgr.data());
    }
    state.SetLabel(state.range(0) == 1 ? "noise" : "smooth");
    state.SetItemsProcessed(state.iterations() * int64_t(picture.width) * picture.height);
}

// The dialog while the hue slider is dragged over a 1920 x 1080 picture (the channel sliders stay):
// the working picture's HLS is kept, so each move only converts back.
void BM_DialogHueDrag(benchmark::State& state) {
    vortel::presets::AdjustDialogState dialog;
    dialog.reset(samplePicture(1920, 1080));
    vortel::presets::ColorSliders sliders{0, -20, 15, 10, -10, 5};
    for (auto _ : state) {
        sliders.hue = sliders.hue >= 100 ? -100 : sliders.hue + 7;
        dialog.setSliders(sliders);
        benchmark::DoNotOptimize(dialog.shown().bgr.data());
    }
    state.SetItemsProcessed(state.iterations() * 1920 * 1080);
}

void BM_Soften(benchmark::State& state) {
    const Bitmap picture = samplePicture();
    for (auto _ : state) {
        Bitmap out = vortel::presets::soften(picture);
        benchmark::DoNotOptimize(out.bgr.data());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(picture.width) * picture.height);
}

}  // namespace

BENCHMARK(BM_AdjustColors)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdjustColorsFullImage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DialogHueDrag)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Soften)->Unit(benchmark::kMillisecond);
