// The live preview while the hand moves, on the real main window (Qt's offscreen platform) with a
// 1920x1080 picture, a bevel and a soft shadow: a bevel-height slider dragged step by step, and a
// guide point dragged along a small circle. One iteration is one step of the hand until the window
// shows the frame drawn for it: the time a user waits to see the picture follow. The counters say
// at which quality the frames came (the window drops from smooth to normal to draft when a frame
// takes longer than its budget of 33 ms).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSlider>
#include <QTabWidget>

#include <cmath>

#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "bench/QuietWindow.h"

namespace {

using vortel::app::LiveRenderer;
using vortel::app::MainWindow;

struct LiveScene {
    LiveScene() : window(options()) {
        window.messages().quiet = true;
        window.show();
        // Every page with all its controls.
        for (QAction* a : window.findChildren<QAction*>())
            if (a->text() == QStringLiteral("Profi") && !a->isChecked()) a->trigger();
        window.setImageSize(1920, 1080);
        window.panels().ApplyBevelPreset(3);
        window.panels().ApplyShadowPreset(3);  // soft: blurred by 10
        window.setQuality(MainWindow::Quality::Smooth);
        QApplication::processEvents();
    }
    static MainWindow::StartOptions options() {
        MainWindow::StartOptions o = vortel::bench::quietStart();
        o.livePreview = true;
        return o;
    }
    // Runs the event loop until the window shows a frame newer than `shown`; false after 5 s.
    bool waitForFrame(int shown) {
        QElapsedTimer clock;
        clock.start();
        while (window.liveFramesShown() <= shown) {
            if (clock.elapsed() > 5000) return false;
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return true;
    }
    template <class Step>
    void run(benchmark::State& state, Step&& step) {
        int levels[3] = {};
        double drawMs[3] = {-1, -1, -1};
        int i = 0;
        for (auto _ : state) {
            const int shown = window.liveFramesShown();
            step(i++);
            if (!waitForFrame(shown)) {
                state.SkipWithError("no frame came");
                break;
            }
            ++levels[int(window.lastLiveLevel())];
            for (int l = 0; l < 3; ++l) {
                const double ms = window.liveRenderer()->lastTime(LiveRenderer::Level(l));
                if (ms >= 0) drawMs[l] = ms;
            }
        }
        const double n = double(std::max<int64_t>(1, state.iterations()));
        state.counters["smooth"] = levels[2] / n;
        state.counters["normal"] = levels[1] / n;
        state.counters["draft"] = levels[0] / n;
        // The last drawing time measured at each quality (-1: none drawn).
        state.counters["ms_smooth"] = drawMs[2];
        state.counters["ms_normal"] = drawMs[1];
        state.counters["ms_draft"] = drawMs[0];
        // Let the hand rest so the next benchmark starts from the chosen quality.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 600) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    MainWindow window;
};

LiveScene& scene() {
    static LiveScene s;
    return s;
}

void BM_LiveDragBevelSlider(benchmark::State& state) {
    LiveScene& s = scene();
    s.window.notebook()->setCurrentIndex(MainWindow::BevelPage);
    auto* height = s.window.findChild<QSlider*>(QStringLiteral("BevelHeightTrackBar"));
    if (!height) {
        state.SkipWithError("no bevel height slider");
        return;
    }
    const int low = height->minimum() + 10, span = std::max(1, height->maximum() - low - 10);
    s.run(state, [&](int i) {
        const int value = low + (i * 7) % span;
        height->setValue(value != height->value() ? value : value + 1);
    });
}
BENCHMARK(BM_LiveDragBevelSlider)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_LiveDragGuidePoint(benchmark::State& state) {
    LiveScene& s = scene();
    s.window.notebook()->setCurrentIndex(MainWindow::DeformPage);
    s.window.chooseDrawMode(MainWindow::DrawEditPoints);
    QWidget* view = s.window.view();
    const auto& guide = s.window.engine().GuidePoints[0];
    const QPoint from(guide.front().x, guide.front().y);
    const auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
        QMouseEvent event(type, p, view->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
        QApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseMove, from, Qt::NoButton);
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    if (s.window.engine().guideDrag() == vortel::GuideDragKind::None) {
        state.SkipWithError("the press took no guide point");
        return;
    }
    s.run(state, [&](int i) {
        const double a = i * 2 * M_PI / 48;
        send(QEvent::MouseMove, from + QPoint(int(std::lround(30 * std::cos(a))), int(std::lround(30 * std::sin(a)))), Qt::LeftButton);
    });
    send(QEvent::MouseButtonRelease, from, Qt::NoButton);
}
BENCHMARK(BM_LiveDragGuidePoint)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

}  // namespace
