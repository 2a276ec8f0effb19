// One picture of the slide show: a random effect generated and rendered, at the default picture
// size and at a full HD screen. The seeds run through a fixed sequence, so runs compare.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/MainWindow.h"
#include "bench/QuietWindow.h"
#include "panels/pages/StylePage.h"

namespace {

using vortel::app::MainWindow;

void BM_SlideShowPicture(benchmark::State& state) {
    MainWindow window(vortel::bench::quietStart());
    window.messages().quiet = true;
    window.setImageSize(int(state.range(0)), int(state.range(1)));
    window.show();
    QApplication::processEvents();
    auto* page = window.stylePage();
    uint32_t seed = 1000;
    for (auto _ : state) {
        page->generateRandom(seed, false);
        seed += 7919;
    }
    state.counters["pictures/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SlideShowPicture)->Args({450, 200})->Args({1920, 1080})->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
