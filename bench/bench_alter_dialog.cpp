// The adjustment dialog while a slider is dragged over a 1920x1080 texture: from the slider's new
// position to the repainted dialog (the colour pass, the picture handed to the view, the paint).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSlider>

#include "app/MainWindow.h"
#include "bench/QuietWindow.h"
#include "panels/pages/AlterBmpDialog.h"

namespace {

using vortel::Bitmap;
using vortel::app::MainWindow;
using vortel::pages::AlterBmpDialog;

void BM_AlterSliderDrag(benchmark::State& state) {
    MainWindow window(vortel::bench::quietStart());
    window.messages().quiet = true;
    constexpr int W = 1920, H = 1080;
    auto texture = std::make_shared<Bitmap>(Bitmap{W, H, std::vector<uint8_t>(size_t(W) * H * 3)});
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            uint8_t* p = texture->bgr.data() + (size_t(y) * W + x) * 3;
            p[0] = uint8_t(x * 255 / (W - 1)), p[1] = uint8_t(y * 255 / (H - 1)), p[2] = uint8_t((x + y) % 256);
        }
    window.engine().BackFill.Texture = texture;
    window.engine().BackFill.FillKind = 0;
    AlterBmpDialog dialog(window, &window);
    dialog.start(AlterBmpDialog::BackgroundTexture);
    dialog.show();
    QApplication::processEvents();
    int value = 0;
    for (auto _ : state) {
        value = value >= 100 ? -100 : value + 7;
        dialog.slider(0)->setValue(value);
        dialog.flushColors();
        dialog.repaint();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(W) * H);
}

}  // namespace

BENCHMARK(BM_AlterSliderDrag)->Unit(benchmark::kMillisecond)->UseRealTime();
