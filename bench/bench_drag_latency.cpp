// From a mouse event to a repainted image view while the guide editor drags, at 640x480: the
// engine's drag step, the new preview handed to the view, and a synchronous repaint of the view on
// Qt's offscreen platform (a shown top-level widget; QWidget::repaint() paints before it returns,
// which the counters check). One frame must stay well under 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTabWidget>

#include <cmath>
#include <memory>
#include <vector>

#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "engine/FontFX.h"
#include "platform/Canvas.h"

namespace {

using vortel::Point;

constexpr int Width = 640, Height = 480;

// The view counts its paints, so a repaint that only queued an update would show.
class CountingView : public vortel::app::ImageView {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        ImageView::paintEvent(event);
    }
};

// The default effect drawn as the main window draws it, shown in a view of its own.
struct Scene {
    Scene() : engine(vortel::Rect{0, 0, Width, Height}), canvas(Width, Height) {
        engine.ImageRect = vortel::Rect{0, 0, Width, Height};
        if (engine.GetPointsAndTypes(canvas, false) && engine.CalcVortel(0)) engine.GetMiddleOfGuides();
        engine.ShowText(canvas, false);
        view.setCanvas(&canvas);
        view.show();
        QApplication::processEvents();
    }
    // A mouse track around `from`: a small circle, as a hand moves while dragging.
    static std::vector<Point> track(Point from) {
        std::vector<Point> points;
        for (int i = 0; i < 64; ++i) {
            const double a = i * 2 * M_PI / 64;
            points.push_back({from.x + int32_t(std::lround(25 * std::cos(a))), from.y + int32_t(std::lround(25 * std::sin(a)))});
        }
        return points;
    }
    void frame(Point mouse) {
        engine.GuideDragMove(mouse);
        view.setPreview(engine.dragPreview());
        view.repaint();
    }
    // One frame per iteration along a track around `from`, then the drag ends.
    void run(benchmark::State& state, Point from) {
        const auto mice = track(from);
        const int paintsBefore = view.paints;
        size_t i = 0;
        for (auto _ : state) {
            frame(mice[i]);
            i = (i + 1) % mice.size();
        }
        report(state, paintsBefore);
        engine.GuideDragEnd();
    }
    void report(benchmark::State& state, int paintsBefore) {
        state.counters["paints/frame"] = double(view.paints - paintsBefore) / double(state.iterations());
        state.counters["segments"] = double(engine.dragPreview().size());
    }

    vortel::TFontFX engine;
    vortel::Canvas canvas;
    CountingView view;
};

const vortel::Rect Image{0, 0, Width, Height};

// Moving every guide (the mouse on the picture, no guide selected): one mouse move and repaint.
void BM_GuideDragFrame(benchmark::State& state) {
    Scene s;
    s.engine.SelectedGuide = -1;
    const Point start{320, 240};
    if (!s.engine.MoveGuideLineBegin(Image, start, false, false)) {
        state.SkipWithError("the default effect has no guides to move");
        return;
    }
    s.run(state, start);
}

// The same frame, entered as a real mouse-move event through the view's signal, as the window wires it.
void BM_GuideDragFrameFromEvent(benchmark::State& state) {
    Scene s;
    s.engine.SelectedGuide = -1;
    const Point start{320, 240};
    if (!s.engine.MoveGuideLineBegin(Image, start, false, false)) {
        state.SkipWithError("the default effect has no guides to move");
        return;
    }
    QObject::connect(&s.view, &vortel::app::ImageView::mouseMoved, &s.view,
                     [&s](QPoint p, Qt::MouseButtons, Qt::KeyboardModifiers) { s.frame({p.x(), p.y()}); });
    const auto mice = Scene::track(start);
    const int paints = s.view.paints;
    size_t i = 0;
    for (auto _ : state) {
        const QPointF at(mice[i].x, mice[i].y);
        QMouseEvent move(QEvent::MouseMove, at, s.view.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&s.view, &move);
        i = (i + 1) % mice.size();
    }
    s.report(state, paints);
    s.engine.GuideDragEnd();
}

// A whole drag: the press, range(0) moves each repainted, the release that applies the move and the
// last repaint without the preview. The drags go out and back, so the guides stay in place.
void BM_GuideDragCycle(benchmark::State& state) {
    Scene s;
    s.engine.SelectedGuide = -1;
    const int moves = int(state.range(0));
    const Point start{320, 240};
    int direction = 1;
    for (auto _ : state) {
        s.engine.MoveGuideLineBegin(Image, start, false, false);
        for (int m = 1; m <= moves; ++m) s.frame({start.x + direction * m, start.y + direction * (m / 2)});
        benchmark::DoNotOptimize(s.engine.GuideDragEnd());
        s.view.setPreview({});
        s.view.repaint();
        direction = -direction;
    }
    state.counters["frames/s"] = benchmark::Counter(double(moves + 1), benchmark::Counter::kIsIterationInvariantRate);
}

// Dragging one guide point: the press picks the point (the top guide's first point, a corner),
// then one mouse move and repaint per iteration.
void BM_PointDragFrame(benchmark::State& state) {
    Scene s;
    if (s.engine.NumGuidePoints[0] == 0 || s.engine.GuidePoints[0].empty()) {
        state.SkipWithError("the default effect has no guide points");
        return;
    }
    const Point corner = s.engine.GuidePoints[0][s.engine.NumGuidePoints[0] / 2];
    if (!s.engine.SelectGuidePoint(corner) || !s.engine.MoveGuideLinePointBegin(Image, corner)) {
        state.SkipWithError("no guide point under the mouse");
        return;
    }
    s.run(state, corner);
}

// The whole program's path: the main window at 640x480 on the Deform page, a press inside the text
// starts moving the guides, and every iteration is one real mouse-move event through the window's
// handler (status panels, the engine's drag step, the preview) plus the view's repaint.
void BM_MainWindowDragFrame(benchmark::State& state) {
    vortel::app::MainWindow::StartOptions options;
    options.withoutSettings = true;
    vortel::app::MainWindow window(options);
    window.messages().quiet = true;
    window.setImageSize(Width, Height);
    window.show();
    window.notebook()->setCurrentIndex(vortel::app::MainWindow::DeformPage);
    QApplication::processEvents();
    QWidget* view = window.view();
    const QRect frame = window.textFrame();
    const QPoint press(frame.left() + frame.width() / 5, frame.center().y() + frame.height() / 4);
    QMouseEvent down(QEvent::MouseButtonPress, press, view->mapToGlobal(press), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(view, &down);
    if (window.engine().guideDrag() == vortel::GuideDragKind::None) {
        state.SkipWithError("the press started no drag");
        return;
    }
    const auto mice = Scene::track({press.x(), press.y()});
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p(mice[i].x, mice[i].y);
        QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(view, &move);
        view->repaint();
        i = (i + 1) % mice.size();
    }
    QMouseEvent up(QEvent::MouseButtonRelease, press, view->mapToGlobal(press), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(view, &up);
}

// For comparison: the repaint alone, no drag.
void BM_RepaintOnly(benchmark::State& state) {
    Scene s;
    for (auto _ : state) s.view.repaint();
}

}  // namespace

BENCHMARK(BM_GuideDragFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GuideDragFrameFromEvent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GuideDragCycle)->Arg(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointDragFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainWindowDragFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintOnly)->Unit(benchmark::kMicrosecond);
