// Copy in the main window: the bitmap plus the transparent PNG (two renders aside, the unblending,
// the PNG encoding) handed to the clipboard, at the default picture size and at full HD, for the
// default effect and for a bevel with a soft shadow. The bitmap alone is measured beside it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "app/MainWindow.h"
#include "bench/QuietWindow.h"
#include "tests/common/SampleEffects.h"

namespace {

using vortel::app::MainWindow;

// Arguments: width, height, effect (0 the default, 1 bevel and soft shadow), quality (0 draft:
// the bitmap alone, 2 smoothed).
void BM_Copy(benchmark::State& state) {
    MainWindow window(vortel::bench::quietStart());
    window.messages().quiet = true;
    window.setImageSize(int(state.range(0)), int(state.range(1)));
    if (state.range(2) == 1) vortel::test::setSampleBevelAndSoftShadow(window.engine());
    window.setQuality(MainWindow::Quality(state.range(3)));
    window.show();
    QApplication::processEvents();
    size_t pngBytes = 0;
    for (auto _ : state) {
        window.copyCommand();
        pngBytes = size_t(QApplication::clipboard()->mimeData()->data(QStringLiteral("image/png")).size());
    }
    state.counters["png_KiB"] = double(pngBytes) / 1024;
}
BENCHMARK(BM_Copy)
    ->Args({450, 200, 0, 2})
    ->Args({450, 200, 1, 2})
    ->Args({450, 200, 1, 0})
    ->Args({1920, 1080, 0, 2})
    ->Args({1920, 1080, 1, 2})
    ->Args({1920, 1080, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

}  // namespace
