#include <benchmark/benchmark.h>

#include "panels/presets/PixelAdjust.h"

namespace {

using vortel::Bitmap;

// A 640 x 480 picture of smoothly varying, mostly saturated colours, as a texture might be.
Bitmap samplePicture() {
    constexpr int32_t kWidth = 640, kHeight = 480;
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
BENCHMARK(BM_Soften)->Unit(benchmark::kMillisecond);
