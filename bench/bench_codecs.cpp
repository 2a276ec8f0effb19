#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

#include "document/ImageJpeg.h"
#include "document/ImagePng.h"
#include "engine/FontFX.h"

namespace {

using vortel::Bitmap;

// What the program exports: the default word with a bevel on a diagonal gradient, rendered at
// the size of the work image.
Bitmap renderedEffect(int32_t width, int32_t height) {
    vortel::TFontFX engine(vortel::Rect{0, 0, width, height});
    vortel::Canvas canvas(width, height);
    std::array<vortel::BevelPoint, 11> profile{};
    profile[1] = {0, 3, 0, 500, 400, 0};
    profile[2] = {0, 2, 0, 1000, 1000, 0};
    engine.setBevelProfile(profile, 2);
    engine.setBevelEnabled(true);
    engine.setBevelValues(200, 100, 0, -45);
    engine.setGradient(0, 5, 30, 1, {0x00E0C080, 0x00402010, 0x0080F0FF});
    engine.setFillKind(0, 1);
    engine.GetPointsAndTypes(canvas, false);
    engine.CalcVortel(0);
    engine.ShowText(canvas, false);
    return canvas.toBitmap();
}

// The document preview: halved until it holds at most 45000 pixels (1920 x 1080 gives 240 x 135),
// sampled from the full picture.
Bitmap previewOf(const Bitmap& full) {
    int32_t w = full.width, h = full.height;
    while (int64_t(w) * h > 45000) {
        w /= 2;
        h /= 2;
    }
    Bitmap small{w, h, std::vector<uint8_t>(size_t(w) * size_t(h) * 3)};
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const size_t from = (size_t(y) * size_t(full.height) / size_t(h) * size_t(full.width) +
                                 size_t(x) * size_t(full.width) / size_t(w)) * 3;
            std::copy_n(full.bgr.begin() + ptrdiff_t(from), 3, small.bgr.begin() + (ptrdiff_t(y) * w + x) * 3);
        }
    }
    return small;
}

const Bitmap& picture(bool preview) {
    static const Bitmap full = renderedEffect(1920, 1080);
    static const Bitmap small = previewOf(full);
    return preview ? small : full;
}

void report(benchmark::State& state, const Bitmap& image, size_t fileBytes) {
    state.SetItemsProcessed(int64_t(state.iterations()) * image.width * image.height);
    state.counters["file_kB"] = double(fileBytes) / 1024.0;
    state.SetLabel(std::to_string(image.width) + "x" + std::to_string(image.height));
}

// range(0): 0 for the full picture, 1 for the preview.
void BM_JpegEncode(benchmark::State& state) {
    const Bitmap& image = picture(state.range(0) != 0);
    size_t bytes = 0;
    for (auto _ : state) {
        const auto encoded = vortel::encodeJpeg(image, 80);
        bytes = encoded.size();
        benchmark::DoNotOptimize(encoded.data());
    }
    report(state, image, bytes);
}

void BM_JpegDecode(benchmark::State& state) {
    const Bitmap& image = picture(state.range(0) != 0);
    const auto encoded = vortel::encodeJpeg(image, 80);
    for (auto _ : state) {
        const Bitmap decoded = vortel::decodeJpeg(encoded);
        benchmark::DoNotOptimize(decoded.bgr.data());
    }
    report(state, image, encoded.size());
}

// range(0): 0 the small effort (libpng, adaptive filters, zlib level 6), 1 the fast one (the
// left-neighbour filter and libdeflate's fastest level), on the full picture.
void BM_PngEncode(benchmark::State& state) {
    const Bitmap& image = picture(false);
    const vortel::PngEffort effort = state.range(0) != 0 ? vortel::PngEffort::Fast : vortel::PngEffort::Small;
    size_t bytes = 0;
    for (auto _ : state) {
        const auto encoded = vortel::encodePng(image, effort);
        bytes = encoded.size();
        benchmark::DoNotOptimize(encoded.data());
    }
    report(state, image, bytes);
}

}  // namespace

BENCHMARK(BM_PngEncode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegEncode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
