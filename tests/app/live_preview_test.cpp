// The live preview on the real window: the picture follows a moving slider and a dragged guide
// before the hand rests, a frame older than the last full render is never shown, slow frames drop
// the quality, and once the hand rests everything is as without the preview.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>

#include "app/ImageView.h"
#include "panels/pages/BevelPage.h"
#include "panels/pages/BevelProfileEditor.h"
#include "tests/app/AppWindow.h"

namespace vortel::app {
namespace {

using apptest::Window;

struct LiveWindow : Window {
    explicit LiveWindow(bool live) : Window({}, live) { window.panels().ApplyBevelPreset(3); }
    Bitmap picture() { return window.view()->canvas()->toBitmap(); }
    QSlider* slider(const char* name) { return window.findChild<QSlider*>(QString::fromLatin1(name)); }
    void page(int index) { window.notebook()->setCurrentIndex(index); }
    void mouse(QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
        QMouseEvent event(type, p, window.view()->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, {});
        QApplication::sendEvent(window.view(), &event);
    }
    // Lets the window's timers and the live frames run until the hand has rested and nothing waits.
    void rest() {
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return !window.delayedCalcTimer()->isActive() && !window.liveRenderer()->busy() && !window.restPending();
        }, 5000));
        QTest::qWait(50);
    }
    // Waits for the live frame of the last change asked for (or a newer one); false when none came.
    bool nextFrame() {
        const uint64_t asked = window.changeCount();
        return QTest::qWaitFor([&] { return window.shownLiveGeneration() >= asked; }, 5000);
    }
};

// The upper guide's middle, grabbed a little to the right (the move zone).
QPoint grip(TFontFX& e) {
    const auto& g = e.GuidePoints[0];
    const Point a = g.front(), b = g[e.NumGuidePoints[0] - 1];
    return QPoint((a.x + b.x) / 2 + 40, (a.y + b.y) / 2);
}

struct Movement {
    const char* name;
    std::function<void(LiveWindow&, bool live)> move;
};

const Movement movements[] = {
    {"bevel height slider",
     [](LiveWindow& w, bool live) {
         w.page(MainWindow::BevelPage);
         QSlider* height = w.slider("BevelHeightTrackBar");
         height->setFocus();
         for (int i = 0; i < 4; ++i) {
             const Bitmap before = w.picture();
             QTest::keyClick(height, Qt::Key_PageDown);
             if (!live) continue;
             // The picture changes while the classic delayed render still waits.
             ASSERT_TRUE(w.nextFrame());
             EXPECT_NE(w.picture().bgr, before.bgr) << "step " << i;
         }
     }},
    {"frayed outline's points slider",  // the fringe's phase goes on with every full render
     [](LiveWindow& w, bool live) {
         w.page(MainWindow::OutlinePage);
         QTest::mouseClick(w.window.findChild<QWidget*>(QStringLiteral("OutlineSternSpeedButton")), Qt::LeftButton);
         const FringeParams& f = w.window.engine().Fringe;
         w.window.engine().setFringe(2, f.OutlineStep, 6, 6, f.FringeSeed);  // curls, whose phase shows
         QSlider* points = w.slider("OutlinePointsTrackBar");
         ASSERT_NE(points, nullptr);
         points->setFocus();
         for (int i = 0; i < 3; ++i) {
             points->setValue(4 + 5 * i);
             if (live) {
                 ASSERT_TRUE(w.nextFrame());
             }
         }
     }},
    {"profile point drag",  // the engine takes the point at the release
     [](LiveWindow& w, bool live) {
         for (QAction* a : w.window.findChildren<QAction*>())
             if (a->text() == QStringLiteral("Profi") && !a->isChecked()) a->trigger();
         w.page(MainWindow::BevelPage);
         auto* page = qobject_cast<pages::BevelPage*>(w.window.notebook()->currentWidget());
         ASSERT_NE(page, nullptr);
         page->showEditor(true);
         std::array<BevelPoint, 11> points{};
         points[0] = BevelPoint{0, 1, 0, 0, 500, 0};
         points[1] = BevelPoint{0, 1, 0, 500, 300, 0};
         points[2] = BevelPoint{0, 1, 0, 1000, 300, 0};
         w.window.engine().setBevelProfile(points, 2);
         page->refresh();
         w.window.recalculate();
         auto* editor = w.window.findChild<QWidget*>(QStringLiteral("BevelSegmentsImage"));
         ASSERT_NE(editor, nullptr);
         const pages::bevelprofile::Geometry g{editor->size()};
         QTest::mousePress(editor, Qt::LeftButton, {}, g.toPixel(500, 300));
         for (int i = 1; i <= 3; ++i) {
             const Bitmap before = w.picture();
             const QPoint p = g.toPixel(500, 300 + 150 * i);
             QMouseEvent move(QEvent::MouseMove, p, editor->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
             QApplication::sendEvent(editor, &move);
             if (!live) continue;
             ASSERT_TRUE(w.nextFrame());
             EXPECT_NE(w.picture().bgr, before.bgr) << "move " << i;
             EXPECT_EQ(w.window.engine().Bevel.Points[1].Y, 300);  // not yet taken
         }
         QTest::mouseRelease(editor, Qt::LeftButton, {}, g.toPixel(500, 750));
     }},
    {"guide drag",
     [](LiveWindow& w, bool live) {
         w.page(MainWindow::DeformPage);
         w.window.chooseDrawMode(MainWindow::DrawMove);
         const QPoint from = grip(w.window.engine());
         w.mouse(QEvent::MouseMove, from, Qt::NoButton);
         w.mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
         for (int i = 1; i <= 3; ++i) {
             const Bitmap before = w.picture();
             w.mouse(QEvent::MouseMove, from + QPoint(0, 10 * i), Qt::LeftButton);
             if (!live) continue;
             ASSERT_TRUE(w.nextFrame());
             EXPECT_NE(w.picture().bgr, before.bgr) << "move " << i;
             EXPECT_EQ(w.window.engine().guideDrag(), GuideDragKind::Move);  // still dragging
         }
         w.mouse(QEvent::MouseButtonRelease, from + QPoint(0, 30), Qt::NoButton);
     }},
    {"a change overtaking the render of the resting hand",  // never undone by taking it over
     [](LiveWindow& w, bool live) {
         w.page(MainWindow::BevelPage);
         QSlider* height = w.slider("BevelHeightTrackBar");
         height->setValue(height->value() + 20);
         if (live) {
             ASSERT_TRUE(QTest::qWaitFor([&] { return w.window.restPending(); }, 5000));
         }
         height->setValue(height->value() + 20);  // no event runs between: the rest render is not taken yet
     }},
};

// Whatever the hand did, once it rests the picture, the undo record, the modified flag and the
// fringe phase are those of the window without the live preview.
TEST(LivePreview, OnceTheHandRestsAllIsAsWithoutIt) {
    for (const Movement& m : movements) {
        SCOPED_TRACE(m.name);
        LiveWindow off(false), on(true);
        // The render memory is the thread's: each window starts from a fresh one and leaves its own.
        std::array<std::array<int32_t, 5>, 2> memory{};
        for (LiveWindow* w : {&off, &on}) {
            resetRenderMemory();
            w->window.engine().Modified = 0;
            m.move(*w, w == &on);
            w->rest();
            memory[w == &on] = {starToggle().total, starToggle().dir, curlToggle().total, curlToggle().dir,
                                int32_t(lastBevelEnabled())};
        }
        EXPECT_EQ(memory[1], memory[0]);
        EXPECT_GT(on.window.restRendersTaken(), 0);  // the last render was drawn aside
        EXPECT_EQ(on.picture().bgr, off.picture().bgr);
        EXPECT_EQ(on.window.engine().Undo.action, off.window.engine().Undo.action);
        EXPECT_EQ(on.window.engine().Modified, off.window.engine().Modified);
        EXPECT_EQ(on.window.engine().Bevel.BevelHeight, off.window.engine().Bevel.BevelHeight);
        EXPECT_EQ(on.window.engine().Bevel.Points[1].Y, off.window.engine().Bevel.Points[1].Y);
        EXPECT_EQ(on.window.engine().GuidePoints[0], off.window.engine().GuidePoints[0]);
        EXPECT_EQ(on.window.undoCaption(), off.window.undoCaption());
    }
    EXPECT_EQ(LiveWindow(false).window.livePreview(), false);
}

// A frame asked for before a full render is dropped: the full render stays on screen.
TEST(LivePreview, AnOlderFrameNeverCoversANewerRender) {
    LiveWindow w(true);
    w.page(MainWindow::BevelPage);
    QSlider* height = w.slider("BevelHeightTrackBar");
    const int shown = w.window.liveFramesShown();
    height->setValue(height->value() + 40);  // asks for a frame
    w.window.recalculate();                   // and renders in full before it can come
    const Bitmap full = w.picture();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.liveRenderer()->busy(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(w.window.liveFramesShown(), shown);
    EXPECT_EQ(w.picture().bgr, full.bgr);
}

// A frame that took longer than the budget is followed by one of the next lower quality, down to
// the draft; after a rest the chosen quality comes first again. (A budget no frame can keep.)
TEST(LivePreview, SlowFramesLowerTheQuality) {
    using Level = LiveRenderer::Level;
    TFontFX engine(Rect{0, 0, 320, 160});
    LiveRenderer renderer;
    Canvas target(320, 160);
    LiveRenderer::Request request;
    request.width = 320;
    request.height = 160;
    request.level = Level::Smooth;
    request.budgetMs = 1e-6;
    uint64_t generation = 0;
    const auto frame = [&] {
        request.generation = ++generation;
        renderer.request(engine, request);
        LiveRenderer::Frame f;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (f = renderer.takeFrame(target)).ready; }, 5000));
        EXPECT_EQ(f.generation, generation);
        return f.level;
    };
    for (const Level expected : {Level::Smooth, Level::Normal, Level::Draft, Level::Draft}) EXPECT_EQ(frame(), expected);
    request.rest = true;  // the resting hand's render keeps the chosen quality and its engine
    EXPECT_EQ(frame(), Level::Smooth);
    EXPECT_NE(renderer.takeRest().engine, nullptr);
    request.rest = false;
    EXPECT_EQ(frame(), Level::Draft);
    EXPECT_EQ(renderer.takeRest().engine, nullptr);
    renderer.forgetTimes();
    EXPECT_EQ(frame(), Level::Smooth);
    request.level = Level::Normal;  // a lower chosen quality is never raised
    renderer.forgetTimes();
    EXPECT_EQ(frame(), Level::Normal);
}

}  // namespace
}  // namespace vortel::app
