// The image as the guide editor, driven with real mouse and key events on the main window.
#include <gtest/gtest.h>

#include <functional>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/ImageFrame.h"
#include "tests/app/AppWindow.h"

namespace vortel::app {
namespace {

using apptest::Window;

QPoint at(Point p) { return QPoint(p.x, p.y); }

// The window on the Deform page (guides shown) in the given draw mode.
struct Editor : Window {
    explicit Editor(int mode = MainWindow::DrawMove) {
        window.notebook()->setCurrentIndex(MainWindow::DeformPage);
        window.chooseDrawMode(mode);
    }
    TFontFX& e() { return window.engine(); }
    QWidget* view() { return window.view(); }
    void move(QPoint p, Qt::KeyboardModifiers m = {}) {
        QMouseEvent event(QEvent::MouseMove, p, view()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, m);
        QApplication::sendEvent(view(), &event);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        move(from);
        QTest::mousePress(view(), button, {}, from);
        for (int i = 1; i <= 4; ++i) {
            const QPoint p = from + (to - from) * i / 4;
            QMouseEvent event(QEvent::MouseMove, p, view()->mapToGlobal(p), button, button, {});
            QApplication::sendEvent(view(), &event);
        }
        QTest::mouseRelease(view(), button, {}, to);
    }
    Point middleOfUpper() {
        const auto& g = e().GuidePoints[0];
        return Point{(g.front().x + g[e().NumGuidePoints[0] - 1].x) / 2, (g.front().y + g[e().NumGuidePoints[0] - 1].y) / 2};
    }
    // A guide with `n` points spread evenly between its ends.
    void spread(int guide, int n) {
        auto& g = e().GuidePoints[guide];
        const Point a = g.front(), b = g[e().NumGuidePoints[guide] - 1];
        g.resize(n);
        for (int i = 0; i < n; ++i) g[i] = Point{a.x + (b.x - a.x) * i / (n - 1), a.y + (b.y - a.y) * i / (n - 1)};
        e().NumGuidePoints[guide] = uint16_t(n);
        window.recalculate();
    }
    QMenu* opened = nullptr;
};

TEST(CanvasInteraction, PointerZonesInMoveMode) {
    Editor w;
    ASSERT_TRUE(w.window.guideEditing());
    const auto& upper = w.e().GuidePoints[0];
    const QRect frame = w.window.textFrame();
    ASSERT_FALSE(frame.isEmpty());
    const struct {
        const char* where;
        QPoint position;
        int zone;
        const char* hint;
        Qt::CursorShape cursor;
    } cases[] = {
        {"top-left corner", at(upper.front()), 11, "Zoom", Qt::SizeFDiagCursor},
        {"top-right corner", at(upper[w.e().NumGuidePoints[0] - 1]), 12, "Zoom", Qt::SizeBDiagCursor},
        {"rotation centre", at(w.e().RotationCenter), 10, "Anker", Qt::BitmapCursor},
        {"rotation handle", at(w.e().RotationHandle), 9, "Drehen", Qt::BitmapCursor},
        {"on the upper line", at(w.middleOfUpper()) + QPoint(40, 1), 2, "Verschieben", Qt::BitmapCursor},
        {"inside the text", QPoint(frame.left() + frame.width() / 5, frame.center().y() + 20), 1,
         "Begrenzungslinie verschieben", Qt::SizeAllCursor},
        {"far outside", QPoint(1, w.view()->height() - 2), MainWindow::ZoneNone, "", Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        w.move(c.position);
        EXPECT_EQ(w.window.zone(), c.zone) << c.where;
        if (*c.hint) {
            EXPECT_EQ(w.window.statusText(1), QString::fromUtf8(c.hint)) << c.where;
        }
        EXPECT_EQ(w.view()->cursor().shape(), c.cursor) << c.where;
    }
    w.move(QPoint(7, 9));
    EXPECT_EQ(w.window.statusText(0), QStringLiteral("7, 9"));
    w.move(QPoint(2, 2));
    EXPECT_EQ(w.window.statusText(1), QStringLiteral("RGB: 0, 0, 255"));  // the blue ground
}

// Dragging the upper line moves it and warps the text; undo puts it back, a second undo redoes.
TEST(CanvasInteraction, GuideDragWarpsAndUndoes) {
    Editor w;
    const std::vector<Point> before = w.e().GuidePoints[0];
    const Bitmap picture = w.window.view()->canvas()->toBitmap();
    const QPoint grip = at(w.middleOfUpper()) + QPoint(40, 0);
    w.drag(grip, grip + QPoint(0, 30));
    EXPECT_EQ(w.e().GuidePoints[0][0].y, before[0].y + 30);
    EXPECT_EQ(w.e().Undo.action, 2);
    EXPECT_EQ(w.window.undoCaption(), QStringLiteral("&R\u00fcckg\u00e4ngig (Verschieben)"));
    EXPECT_NE(w.window.view()->canvas()->toBitmap().bgr, picture.bgr);
    EXPECT_EQ(w.e().Modified, 1);
    w.window.undoCommand();
    EXPECT_EQ(w.e().GuidePoints[0][0], before[0]);
    w.window.undoCommand();
    EXPECT_EQ(w.e().GuidePoints[0][0].y, before[0].y + 30);
}

TEST(CanvasInteraction, PressingOutsideEndsEditingExceptWhileDrawing) {
    for (const int mode : {int(MainWindow::DrawMove), int(MainWindow::DrawBothLines)}) {
        Editor w(mode);
        ASSERT_TRUE(w.window.guideEditing());
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(1, w.view()->height() - 2));
        EXPECT_EQ(w.window.guideEditing(), mode == MainWindow::DrawBothLines) << mode;
    }
    // Back on: a press inside the text shows the guides again.
    Editor w;
    QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(1, w.view()->height() - 2));
    QTest::mouseClick(w.view(), Qt::LeftButton, {}, w.window.textFrame().center() + QPoint(50, 20));
    EXPECT_TRUE(w.window.guideEditing());
}

// The pop-up menu on a line in the point mode: decrease keeps every second point and the last one;
// delete is offered only on inner points.
TEST(CanvasInteraction, DeformMenuDecreasesAndDeletes) {
    const struct {
        int points;
        std::vector<int> kept;  // indices of the old points that stay
    } cases[] = {{5, {0, 2, 4}}, {6, {0, 2, 4, 5}}, {3, {0, 2}}};
    for (const auto& c : cases) {
        Editor w(MainWindow::DrawEditPoints);
        w.spread(0, c.points);
        const std::vector<Point> old(w.e().GuidePoints[0].begin(), w.e().GuidePoints[0].begin() + c.points);
        QMenu* menu = nullptr;
        w.window.popupHook = [&menu](QMenu& m, QPoint) { menu = &m; };
        const QPoint onLine = (at(old[0]) + at(old[1])) / 2;
        w.move(onLine);
        QTest::mouseClick(w.view(), Qt::RightButton, {}, onLine);
        ASSERT_NE(menu, nullptr) << c.points;
        w.window.deformAction(MainWindow::DecreasePointsItem)->trigger();
        ASSERT_EQ(w.e().NumGuidePoints[0], c.kept.size()) << c.points;
        for (size_t i = 0; i < c.kept.size(); ++i) EXPECT_EQ(w.e().GuidePoints[0][i], old[c.kept[i]]) << c.points;
        EXPECT_EQ(w.window.undoCaption(), QStringLiteral("&R\u00fcckg\u00e4ngig (Verformen)"));
    }
    Editor w(MainWindow::DrawEditPoints);
    w.spread(0, 4);
    w.window.popupHook = [](QMenu& m, QPoint) { emit m.aboutToShow(); };
    QAction* remove = w.window.deformAction(MainWindow::DeletePointItem);
    for (int point = 0; point < 4; ++point) {
        const QPoint p = at(w.e().GuidePoints[0][point]);
        w.move(p);
        QTest::mouseClick(w.view(), Qt::RightButton, {}, p);
        EXPECT_EQ(remove->isEnabled(), point == 1 || point == 2) << point;
    }
    remove->trigger();  // the last menu was on point 3: nothing happens
    EXPECT_EQ(w.e().NumGuidePoints[0], 4);
    EXPECT_TRUE(remove->isVisible());
    w.window.chooseDrawMode(MainWindow::DrawMove);
    EXPECT_FALSE(remove->isVisible());
    EXPECT_TRUE(w.window.deformAction(MainWindow::MoveLineItem)->isChecked());
}

TEST(CanvasInteraction, StraightenAndParallelFromTheMenu) {
    Editor w(MainWindow::DrawEditPoints);
    w.spread(2, 5);
    w.window.popupHook = [](QMenu&, QPoint) {};
    const QPoint onLower = (at(w.e().GuidePoints[2][0]) + at(w.e().GuidePoints[2][1])) / 2;
    w.move(onLower);
    QTest::mouseClick(w.view(), Qt::RightButton, {}, onLower);
    ASSERT_EQ(w.e().SelectedGuide, 2);
    w.window.deformAction(MainWindow::StraightenItem)->trigger();
    EXPECT_EQ(w.e().NumGuidePoints[2], 2);
    w.spread(0, 4);
    w.window.deformAction(MainWindow::ParallelItem)->trigger();  // the lower line copies the upper
    EXPECT_EQ(w.e().NumGuidePoints[2], 4);
    w.window.deformAction(MainWindow::RedrawLineItem)->trigger();
    EXPECT_EQ(w.window.drawMode(), MainWindow::DrawRedrawLine);
}

// Points: hovering one shows where it is; Ctrl offers to delete it or to add one on the line;
// the click does it.
TEST(CanvasInteraction, EditPointsWithTheMouseAndCtrl) {
    Editor w(MainWindow::DrawEditPoints);
    w.spread(0, 3);
    const Point middle = w.e().GuidePoints[0][1];
    EXPECT_EQ(w.pixel(middle.x - 2, middle.y - 2), rgb(0, 0, 0));  // every point has its mark
    w.move(at(middle));
    EXPECT_EQ(w.window.zone(), 5);
    EXPECT_TRUE(w.window.statusText(1).startsWith(QStringLiteral("Punkt 1, ")));
    w.drag(at(middle), at(middle) + QPoint(0, -12));
    EXPECT_EQ(w.e().GuidePoints[0][1].y, middle.y - 12);
    EXPECT_EQ(w.e().Undo.action, 4);

    w.move(at(w.e().GuidePoints[0][1]));
    QTest::keyPress(w.view(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(w.window.zone(), 6);
    QTest::mouseClick(w.view(), Qt::LeftButton, Qt::ControlModifier, at(w.e().GuidePoints[0][1]));
    EXPECT_EQ(w.e().NumGuidePoints[0], 2);
    QTest::keyRelease(w.view(), Qt::Key_Control);
    EXPECT_EQ(w.window.zone(), 4);

    const QPoint onLine = at(w.middleOfUpper()) + QPoint(30, 0);
    w.move(onLine);
    QTest::keyPress(w.view(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(w.window.zone(), 7);
    QTest::mouseClick(w.view(), Qt::LeftButton, Qt::ControlModifier, onLine);
    EXPECT_EQ(w.e().NumGuidePoints[0], 3);
    EXPECT_EQ(w.window.undoCaption(), QStringLiteral("&R\u00fcckg\u00e4ngig (Punkt hinzuf\u00fcgen)"));
    QTest::keyRelease(w.view(), Qt::Key_Control);

    QTest::mouseDClick(w.view(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(w.window.drawMode(), MainWindow::DrawMove);
    QTest::mouseDClick(w.view(), Qt::LeftButton, {}, w.window.textFrame().center());
    EXPECT_EQ(w.window.drawMode(), MainWindow::DrawEditPoints);
}

// Drawing both lines: the image turns white, the upper line is drawn, then a right click makes the
// lower one parallel. A right press while waiting for the upper line only clears the image.
TEST(CanvasInteraction, DrawingBothBoundaryLines) {
    Editor w(MainWindow::DrawBothLines);
    EXPECT_EQ(w.pixel(1, 1), rgb(255, 255, 255));
    EXPECT_EQ(w.window.statusText(StatusSimple), QStringLiteral("Zeichne obere Text-Begrenzungslinie"));
    bool menu = false;
    w.window.popupHook = [&menu](QMenu&, QPoint) { menu = true; };
    QTest::mouseClick(w.view(), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_FALSE(menu);
    EXPECT_EQ(w.pixel(1, 1), rgb(255, 255, 255));

    w.drag(QPoint(20, 60), QPoint(420, 20));
    EXPECT_EQ(w.window.statusText(StatusSimple), QStringLiteral("Zeichne untere Text-Begrenzungslinie"));
    EXPECT_GE(w.e().NumGuidePoints[0], 2);
    EXPECT_EQ(w.e().GuidePoints[0][0], (Point{20, 60}));
    QTest::mouseClick(w.view(), Qt::RightButton, {}, QPoint(200, 150));
    EXPECT_FALSE(menu);
    EXPECT_EQ(w.e().NumGuidePoints[2], w.e().NumGuidePoints[0]);
    EXPECT_EQ(w.e().GuidePoints[2][0].y, 60 + w.view()->height() / 3);
    EXPECT_EQ(w.e().GuidePoints[3].front(), w.e().GuidePoints[0].front());  // the sides join the ends
    EXPECT_NE(w.pixel(1, 1), rgb(255, 255, 255));                          // the effect is drawn again

    // The lower line drawn by hand, after a key would have made it parallel.
    w.window.chooseDrawMode(MainWindow::DrawBothLines);
    w.drag(QPoint(20, 40), QPoint(420, 40));
    w.drag(QPoint(20, 170), QPoint(420, 120));
    EXPECT_EQ(w.e().GuidePoints[2][0], (Point{20, 170}));
    EXPECT_EQ(w.e().GuidePoints[1].back(), w.e().GuidePoints[2][w.e().NumGuidePoints[2] - 1]);
}

// However a drawing ends, the letters take the new lines' shape at once (the same picture a fresh
// render gives) and the bar's drawing request goes.
TEST(CanvasInteraction, DrawingEndsWithTheLettersInTheirNewShape) {
    struct Case {
        const char* what;
        int mode;
        std::function<void(Editor&)> finish;
    };
    const Case cases[] = {
        {"right button", MainWindow::DrawBothLines, [](Editor& w) { QTest::mouseClick(w.view(), Qt::RightButton, {}, QPoint(200, 150)); }},
        {"a key", MainWindow::DrawBothLines, [](Editor& w) { QTest::keyClick(w.view(), Qt::Key_Space); }},
        {"lower line drawn", MainWindow::DrawBothLines, [](Editor& w) { w.drag(QPoint(20, 190), QPoint(430, 150)); }},
        {"one line redrawn", MainWindow::DrawRedrawLine, [](Editor&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor w(c.mode);
        const Bitmap before = w.window.view()->canvas()->toBitmap();
        if (c.mode == MainWindow::DrawRedrawLine) {
            w.move((at(w.e().GuidePoints[0].front()) + at(w.e().GuidePoints[0].back())) / 2);
            w.drag(QPoint(20, 5), QPoint(430, 60));
        } else {
            w.drag(QPoint(20, 10), QPoint(430, 70));
        }
        c.finish(w);
        const Bitmap drawn = w.window.view()->canvas()->toBitmap();
        EXPECT_NE(drawn.bgr, before.bgr);
        w.e().releaseTextMask();
        w.window.recalculate();
        EXPECT_EQ(w.window.view()->canvas()->toBitmap().bgr, drawn.bgr);
        EXPECT_TRUE(w.window.statusText(StatusSimple).isEmpty()) << w.window.statusText(StatusSimple).toStdString();
    }
}

TEST(CanvasInteraction, RedrawingTheSelectedLine) {
    Editor w(MainWindow::DrawRedrawLine);
    const QPoint onLower = (at(w.e().GuidePoints[2].front()) + at(w.e().GuidePoints[2].back())) / 2;
    w.move(onLower);
    ASSERT_EQ(w.e().SelectedGuide, 2);
    w.move(QPoint(1, 1));  // away from every line: the selection stays
    EXPECT_EQ(w.e().SelectedGuide, 2);
    w.drag(QPoint(30, 150), QPoint(400, 190));
    EXPECT_EQ(w.e().GuidePoints[2][0], (Point{30, 150}));
    EXPECT_EQ(w.e().Undo.action, 1);
}

TEST(CanvasInteraction, ResizeHandlesChangeTheImageSize) {
    const struct {
        ImageFrame::Handle handle;
        QPoint offset;
        QSize expected;
    } cases[] = {
        {ImageFrame::Right, QPoint(50, 30), QSize(500, 200)},
        {ImageFrame::Bottom, QPoint(20, -40), QSize(450, 160)},
        {ImageFrame::BottomRight, QPoint(90, 0), QSize(540, 240)},  // the corner keeps the ratio
        {ImageFrame::Left, QPoint(50, 0), QSize(400, 200)},
    };
    for (const auto& c : cases) {
        Window w;
        QWidget* handle = w.window.imageFrame()->handle(c.handle);
        const QPoint grip(3, 3);
        QTest::mousePress(handle, Qt::LeftButton, {}, grip);
        EXPECT_TRUE(w.window.statusText(1).startsWith(QStringLiteral("Bildgr\u00f6\u00dfe: 450 x 200")));
        const QPoint to = grip + c.offset;
        QMouseEvent moveEvent(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(handle, &moveEvent);
        EXPECT_EQ(w.window.statusText(1), QStringLiteral("Bildgr\u00f6\u00dfe: %1 x %2").arg(c.expected.width()).arg(c.expected.height()));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
        EXPECT_EQ(w.window.view()->size(), c.expected);
        EXPECT_EQ(w.window.engine().ImageRect.width(), c.expected.width());
        EXPECT_EQ(w.pixel(c.expected.width() - 1, c.expected.height() - 1), rgb(0, 0, 255));
    }
}

TEST(CanvasInteraction, LeavingTheDeformPageHidesTheGuides) {
    Editor w(MainWindow::DrawEditPoints);
    const Bitmap withGuides = w.window.view()->canvas()->toBitmap();
    w.window.notebook()->setCurrentIndex(MainWindow::StylePage);
    EXPECT_FALSE(w.window.guideEditing());
    EXPECT_EQ(w.window.drawMode(), MainWindow::DrawMove);
    EXPECT_NE(w.window.view()->canvas()->toBitmap().bgr, withGuides.bgr);
    EXPECT_THROW(w.window.chooseDrawMode(7), std::runtime_error);
}

}  // namespace
}  // namespace vortel::app
