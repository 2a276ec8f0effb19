// Saving and opening a document with a 1920x1080 picture: the preview's scaling and JPEG dominate
// the save; the open is the parse plus the embedded stock texture's JPEG decode.
#include <benchmark/benchmark.h>

#include <memory>

#include "document/Document.h"
#include "document/ImageJpeg.h"

namespace {

vortel::Bitmap picture(int w, int h) {
    vortel::Bitmap b{w, h, std::vector<uint8_t>(size_t(w) * size_t(h) * 3)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c) b.bgr[(size_t(y) * w + x) * 3 + c] = uint8_t((x * (c + 1) + y * (3 - c)) / 7);
    return b;
}

struct Saved {
    Saved() : engine(vortel::Rect{0, 0, 1920, 1080}), image(picture(1920, 1080)) {
        auto texture = std::make_shared<vortel::Bitmap>(picture(256, 256));
        engine.setTexture(1, texture, ":JPG_01");
        engine.setFillKind(1, 0);
    }
    vortel::TFontFX engine;
    vortel::Bitmap image;
};

void BM_PreviewJpeg(benchmark::State& state) {
    const auto image = picture(1920, 1080);
    for (auto _ : state) benchmark::DoNotOptimize(vortel::makePreviewJpeg(image));
}

void BM_SaveDocument(benchmark::State& state) {
    Saved s;
    for (auto _ : state) benchmark::DoNotOptimize(vortel::encodeDocument(s.engine, s.image));
}

void BM_OpenDocument(benchmark::State& state) {
    Saved s;
    const auto file = vortel::encodeDocument(s.engine, s.image);
    vortel::TFontFX target(vortel::Rect{0, 0, 10, 10});
    for (auto _ : state) benchmark::DoNotOptimize(vortel::decodeDocument(target, file, "bench.vtl"));
}

}  // namespace

BENCHMARK(BM_PreviewJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);
