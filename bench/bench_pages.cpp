// The notebook's pages at 640x480: from a page change or a control's click to the repainted
// window, as a user sees it (the recalculation the control triggers included).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>

#include "app/MainWindow.h"

namespace {

using vortel::app::MainWindow;

struct Program {
    Program() : window(options()) {
        window.messages().quiet = true;
        window.setImageSize(640, 480);
        window.show();
        window.recalculate();
        QApplication::processEvents();
    }
    static MainWindow::StartOptions options() {
        MainWindow::StartOptions o;
        o.withoutSettings = true;
        return o;
    }
    void show(int page) {
        window.notebook()->setCurrentIndex(page);
        window.repaint();
    }
    MainWindow window;
};

// Back and forth between the Style page and the page of the argument.
void BM_PageChange(benchmark::State& state) {
    Program p;
    const int page = int(state.range(0));
    bool there = false;
    for (auto _ : state) {
        p.show(there ? MainWindow::StylePage : page);
        there = !there;
    }
    state.SetLabel(p.window.notebook()->tabText(page).toStdString());
}

// A click on one of two buttons of a page, alternately, each changing the effect.
void BM_ControlChange(benchmark::State& state, int page, const char* first, const char* second) {
    Program p;
    p.show(page);
    auto* a = p.window.findChild<QAbstractButton*>(QString::fromLatin1(first));
    auto* b = p.window.findChild<QAbstractButton*>(QString::fromLatin1(second));
    if (!a || !b) {
        state.SkipWithError("the page has no such buttons");
        return;
    }
    bool flip = false;
    for (auto _ : state) {
        (flip ? b : a)->click();
        p.window.repaint();
        flip = !flip;
    }
}

}  // namespace

BENCHMARK(BM_PageChange)
    ->Arg(MainWindow::TextPage)
    ->Arg(MainWindow::DeformPage)
    ->Arg(MainWindow::SurfacePage)
    ->Arg(MainWindow::BevelPage)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ControlChange, text_bold, MainWindow::TextPage, "FontBoldSpeedButton", "FontBoldSpeedButton")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ControlChange, surface_kind, MainWindow::SurfacePage, "SurfaceColorSpeedButton",
                  "SurfaceVerlaufSpeedButton")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ControlChange, bevel_height_step, MainWindow::BevelPage, "BevelSpeedButton2", "BevelSpeedButton1")
    ->Unit(benchmark::kMillisecond);
