// The 3D Bevel page in the real window: values, the inverse switch, the profile editor's mouse
// work and menu, the random profile with its undo, and what a refresh shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "controls/Controls.h"
#include "document/Document.h"
#include "panels/pages/BevelPage.h"
#include "panels/pages/TransparencyDialog.h"

#include <QComboBox>
#include "panels/pages/BevelProfileEditor.h"
#include "tests/app/AppWindow.h"
#include "tests/common/ScratchDir.h"

namespace vortel::app {
namespace {

using apptest::Window;
namespace bp = pages::bevelprofile;

struct BevelWindow : Window {
    BevelWindow() {
        for (QAction* a : window.findChildren<QAction*>())
            if (a->text() == QStringLiteral("Profi") && !a->isChecked()) a->trigger();
        window.notebook()->setCurrentIndex(MainWindow::BevelPage);
        page = qobject_cast<pages::BevelPage*>(window.notebook()->currentWidget());
        editor = window.findChild<controls::LeaveImage*>(QStringLiteral("BevelSegmentsImage"));
    }
    template <class T = QWidget>
    T* find(const char* name) { return window.findChild<T*>(QString::fromLatin1(name)); }
    // A profile of `points` (x, y in units), every segment a line on the text surface.
    void setProfile(const std::vector<QPoint>& points) {
        std::array<BevelPoint, 11> p{};
        for (size_t i = 0; i < points.size(); ++i) p[i] = BevelPoint{0, 1, 0, points[i].x(), points[i].y(), 0};
        window.engine().setBevelEnabled(true);
        window.engine().setBevelProfile(p, uint8_t(points.size() - 1));
        page->refresh();
    }
    QPoint pixel(int x, int y) const { return bp::Geometry{editor->size()}.toPixel(x, y); }
    // A right click at a point of the editor, then the menu item named `item`.
    void menu(QPoint at, const char* item) {
        QTest::mouseClick(editor, Qt::RightButton, {}, at);
        QMenu* m = page->segmentsMenu();
        QAction* action = m->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isVisible()) << item;
        action->trigger();
        m->hide();
    }
    const BevelParams& bevel() { return window.engine().Bevel; }
    // The mouse over the editor with no button down.
    void hover(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, editor->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &move);
    }
    pages::BevelPage* page = nullptr;
    controls::LeaveImage* editor = nullptr;
};

std::vector<QPoint> evenProfile(int segments, int y) {
    std::vector<QPoint> points{{0, 500}};
    for (int i = 1; i <= segments; ++i) points.push_back({1000 * i / segments, y});
    return points;
}

}  // namespace

TEST(BevelPage, AddNewSegmentStopsAtTen) {
    const struct { int segments, expected; } cases[] = {{1, 2}, {3, 4}, {9, 10}, {10, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.segments);
        BevelWindow w;
        w.page->showEditor(true);
        w.setProfile(evenProfile(c.segments, 900));
        // The empty part above the profile offers "Add new segment"; the next left click inserts.
        w.menu(w.pixel(30, 60), "AddSegmentMenu");
        QTest::mouseClick(w.editor, Qt::LeftButton, {}, w.pixel(1000 / c.segments / 2 + 3, 400));
        EXPECT_EQ(w.bevel().SegmentCount, c.expected);
        if (c.expected > c.segments) {
            EXPECT_NEAR(w.bevel().Points[1].Y, 400, 10);
        } else {
            EXPECT_EQ(w.bevel().Points[1].X, 1000 / c.segments);  // the profile is as it was
            EXPECT_EQ(w.bevel().Points[1].Y, 900);
        }
    }
}

TEST(BevelPage, DeleteSegmentKeepsTheLastOne) {
    const struct {
        int segments;
        QPoint click;  // units
        int expected;
        int32_t secondX;  // point 1's x afterwards
    } cases[] = {
        {1, {500, 800}, 1, 1000},  // the only segment stays
        {2, {250, 800}, 1, 1000},  // segment 1 goes, segment 2 becomes the first
        {3, {333, 200}, 2, 666},   // the point under the click goes
        {3, {900, 800}, 2, 333},   // the last segment may go while others remain
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.segments * 1000 + c.click.x());
        BevelWindow w;
        w.page->showEditor(true);
        w.setProfile(evenProfile(c.segments, 200));
        w.menu(w.pixel(c.click.x(), c.click.y()), "DeleteSegmentMenu");
        EXPECT_EQ(w.bevel().SegmentCount, c.expected);
        EXPECT_EQ(w.bevel().Points[1].X, c.secondX);
    }
}

TEST(BevelPage, DraggedPointStaysBetweenItsNeighbours) {
    const struct {
        int point;
        QPoint to;  // units, mostly far outside the picture
        int32_t x, y;
    } cases[] = {{2, {3000, 500}, 750, 500}, {2, {-3000, 500}, 250, 500}, {1, {-400, -700}, 0, 0}, {3, {520, 4000}, 520, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.point * 10000 + c.to.x());
        BevelWindow w;
        w.page->showEditor(true);
        w.setProfile({{0, 500}, {250, 300}, {500, 300}, {750, 300}});
        const QPoint from = w.pixel(w.bevel().Points[c.point].X, w.bevel().Points[c.point].Y);
        const QPoint to = w.pixel(c.to.x(), c.to.y());
        QTest::mousePress(w.editor, Qt::LeftButton, {}, from);
        QTest::mouseMove(w.editor, QPoint(to.x(), 0));
        QTest::mouseMove(w.editor, to);
        QTest::mouseRelease(w.editor, Qt::LeftButton, {}, to);
        EXPECT_NEAR(w.bevel().Points[c.point].X, c.x, 10);
        EXPECT_NEAR(w.bevel().Points[c.point].Y, c.y, 10);
        EXPECT_GE(w.bevel().Points[c.point].X, w.bevel().Points[c.point - 1].X);
        if (c.point < 3) {
            EXPECT_LE(w.bevel().Points[c.point].X, w.bevel().Points[c.point + 1].X);
        }
        EXPECT_TRUE(w.window.statusText(1).startsWith(QStringLiteral("Punkt %1, ").arg(c.point)));
    }
}

TEST(BevelPage, LastPointPulledInAddsSegmentToTheEdge) {
    BevelWindow w;
    w.page->showEditor(true);
    w.setProfile({{0, 500}, {1000, 200}});
    QTest::mousePress(w.editor, Qt::LeftButton, {}, w.pixel(1000, 200));
    QTest::mouseRelease(w.editor, Qt::LeftButton, {}, w.pixel(500, 600));
    ASSERT_EQ(w.bevel().SegmentCount, 2);
    EXPECT_NEAR(w.bevel().Points[1].X, 500, 10);
    EXPECT_EQ(w.bevel().Points[2].X, 1000);
    EXPECT_EQ(w.bevel().Points[2].Y, w.bevel().Points[1].Y);
    EXPECT_NEAR(w.bevel().Points[2].Y, 600, 10);
}

TEST(BevelPage, StepButtonsNeverGoBelowZero) {
    const struct { int tag; int32_t BevelParams::*field; int32_t start, expected; } cases[] = {
        {1, &BevelParams::BevelHeight, 0, 0},  {2, &BevelParams::BevelHeight, 0, 1}, {1, &BevelParams::BevelHeight, 5, 4},
        {3, &BevelParams::BevelSize, 0, 0},    {4, &BevelParams::BevelSize, 7, 8},   {5, &BevelParams::BevelAddPixel, 0, 0},
        {6, &BevelParams::BevelAddPixel, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        BevelWindow w;
        w.window.engine().Bevel.*c.field = c.start;
        w.page->refresh();
        QTest::mouseClick(w.find<QWidget>(("BevelSpeedButton" + std::to_string(c.tag)).c_str()), Qt::LeftButton);
        EXPECT_EQ(w.bevel().*c.field, c.expected);
        EXPECT_EQ(w.window.engine().Modified, 1);
    }
}

TEST(BevelPage, EditBoxesTakeUnitSuffixes) {
    const struct { const char* edit; const char* typed; int32_t BevelParams::*field; int32_t expected; } cases[] = {
        {"BevelHeightEdit", "250", &BevelParams::BevelHeight, 250}, {"BevelSizeEdit", "75%", &BevelParams::BevelSize, 75},
        {"BevelSizeEdit", "64", &BevelParams::BevelSize, 64},       {"BevelAngleEdit", "-30°", &BevelParams::BevelAngle, -30},
        {"BevelAddPixelEdit", "4", &BevelParams::BevelAddPixel, 4}, {"BevelSizeEdit", "x", &BevelParams::BevelSize, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        BevelWindow w;
        w.window.engine().setBevelValues(140, 100, 2, -45);
        w.page->refresh();
        const int before = w.page->renderCount();
        auto* edit = w.find<QLineEdit>(c.edit);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(w.bevel().*c.field, c.expected);
        EXPECT_EQ(w.page->renderCount() > before, c.expected != 100 || c.field != &BevelParams::BevelSize);
    }
}

TEST(BevelPage, TrackBarRendersOnceAfterTheDelay) {
    BevelWindow w;
    w.window.panels().ApplyBevelPreset(3);
    QSlider* height = w.find<QSlider>("BevelHeightTrackBar");
    const int before = w.page->renderCount();
    height->setFocus();
    QTest::keyClick(height, Qt::Key_Right);
    QTest::keyClick(height, Qt::Key_Right);
    EXPECT_EQ(w.bevel().BevelHeight, 122);
    EXPECT_EQ(w.find<QLineEdit>("BevelHeightEdit")->text(), QStringLiteral("122"));
    EXPECT_TRUE(w.window.delayedCalcTimer()->isActive());
    EXPECT_EQ(w.window.delayedCalcTimer()->interval(), 400);
    EXPECT_EQ(w.page->renderCount(), before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.window.delayedCalcTimer()->isActive(); }, 2000));
    QTest::qWait(450);
    EXPECT_EQ(w.page->renderCount(), before + 1);
    EXPECT_FALSE(w.window.engine().BevelChanged);  // the profile table was built by that render
}

TEST(BevelPage, InverseSwitchFlipsTheSign) {
    BevelWindow w;
    auto* label = w.find<QLabel>("BevelAngleLabel");
    const int16_t start = w.bevel().BevelInvert;
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(w.bevel().BevelInvert, -start);
    EXPECT_EQ(label->text(), start > 0 ? QStringLiteral("Inverse") : QString());
    QTest::mouseClick(w.find<QWidget>("BevelAngleImage"), Qt::LeftButton);
    EXPECT_EQ(w.bevel().BevelInvert, start);
    EXPECT_EQ(label->text(), start > 0 ? QString() : QStringLiteral("Inverse"));
}

TEST(BevelPage, EditorMessagesAndFreshProfile) {
    BevelWindow w;
    w.window.panels().ApplyBevelPreset(0);  // no bevel
    QTest::mouseClick(w.find<QWidget>("BevelprofileSpeedButton"), Qt::LeftButton);
    ASSERT_TRUE(w.page->editorShown());
    EXPECT_FALSE(w.find<QWidget>("BevelListBox")->isVisible());
    EXPECT_TRUE(w.find<QWidget>("LeftBevelImage")->isVisible());
    // A fresh flat profile at half height.
    EXPECT_TRUE(w.bevel().enabled());
    EXPECT_EQ(w.bevel().SegmentCount, 1);
    EXPECT_EQ(w.bevel().Points[1].X, 1000);
    EXPECT_EQ(w.bevel().Points[1].Y, 500);
    EXPECT_EQ(w.bevel().BevelAddPixel, 0);
    const struct { QPoint at; bool press; const char* status; } cases[] = {
        {w.pixel(1000, 500) - QPoint(2, 1), false, "Punkt 1, 100%, 50%"},
        {w.pixel(300, 100), false, ""},
        {w.pixel(300, 100), true, "Bitte mit rechts klicken, um den Linientyp zu ändern"},
    };
    for (const auto& c : cases) {
        if (c.press) QTest::mouseClick(w.editor, Qt::LeftButton, {}, c.at);
        else w.hover(c.at);
        EXPECT_EQ(w.window.statusText(1), QString::fromUtf8(c.status));
    }
    QTest::mouseClick(w.find<QWidget>("BevelprofileSpeedButton"), Qt::LeftButton);
    EXPECT_TRUE(w.find<QWidget>("BevelListBox")->isVisible());
    EXPECT_EQ(w.window.panels().selectedBevel, -1);
}

TEST(BevelPage, SegmentMenuSetsLineTypeAndFill) {
    BevelWindow w;
    w.page->showEditor(true);
    w.setProfile({{0, 500}, {500, 300}, {1000, 300}});
    const QPoint inSecond = w.pixel(750, 800);
    w.menu(inSecond, "ConvexMenu");
    EXPECT_EQ(w.bevel().Points[2].SegmentType, 3);
    w.window.dialogHook = [](QDialog&) { return int(QDialog::Rejected); };
    w.menu(inSecond, "ColorMenu");
    EXPECT_EQ(w.bevel().Points[2].ColorMode, 2);
    EXPECT_EQ(w.bevel().Points[2].Color, 0xFFFFFFu);  // cancelled: white
    QTest::mouseClick(w.editor, Qt::RightButton, {}, inSecond);
    EXPECT_TRUE(w.page->segmentsMenu()->findChild<QAction*>(QStringLiteral("ConvexMenu"))->isChecked());
    EXPECT_FALSE(w.page->segmentsMenu()->findChild<QAction*>(QStringLiteral("AddSegmentMenu"))->isVisible());
    w.page->segmentsMenu()->hide();
    EXPECT_EQ(w.bevel().Points[1].SegmentType, 1);
    // The editor paints the segment's area in its own colour now.
    EXPECT_EQ(w.editor->image().pixelColor(inSecond), QColor(Qt::white));
    // The transparency dialog works on the segment under the menu.
    w.window.dialogHook = [](QDialog& dialog) {
        if (auto* t = dynamic_cast<pages::TransparencyDialog*>(&dialog)) t->combo()->setCurrentIndex(4);
        return int(QDialog::Accepted);
    };
    w.menu(inSecond, "TransparencyMenu");
    EXPECT_EQ(w.bevel().Points[2].Transparency, 40);
    EXPECT_EQ(w.bevel().Points[1].Transparency, 0);
}

TEST(BevelPage, RandomProfileUndoesWithCtrlZ) {
    BevelWindow w;
    w.window.panels().ApplyBevelPreset(7);
    QTest::mouseClick(w.find<QWidget>("BevelRandomButton"), Qt::LeftButton);  // opens the editor
    ASSERT_TRUE(w.page->editorShown());
    w.window.engine().Bevel.Points[1].X = 123;  // a profile the next random one cannot repeat
    w.page->refresh();
    const BevelParams before = w.bevel();
    const QImage shown = w.editor->image();
    QTest::mouseClick(w.find<QWidget>("BevelRandomButton"), Qt::LeftButton);
    EXPECT_NE(w.editor->image(), shown);
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    QTest::keyClick(&w.window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.bevel().SegmentCount, before.SegmentCount);
    for (int i = 0; i <= before.SegmentCount; ++i) {
        EXPECT_EQ(w.bevel().Points[i].X, before.Points[i].X) << i;
        EXPECT_EQ(w.bevel().Points[i].Y, before.Points[i].Y) << i;
        EXPECT_EQ(w.bevel().Points[i].SegmentType, before.Points[i].SegmentType) << i;
    }
    EXPECT_EQ(w.editor->image(), shown);
}

TEST(BevelPage, PresetClickAppliesAndStaysSelected) {
    BevelWindow w;
    auto* list = w.find<QListWidget>("BevelListBox");
    ASSERT_EQ(list->count(), 18);
    w.window.engine().Modified = 0;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(w.bevel().SegmentCount, 2);  // preset 3: two segments, convex then concave
    EXPECT_EQ(w.bevel().Points[2].SegmentType, 2);
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(w.window.engine().Modified, 1);
    EXPECT_EQ(w.find<QLineEdit>("BevelHeightEdit")->text(), QStringLiteral("120"));
    // Entries from 8 on stand on the green ground, the others on white.
    for (int row : {7, 8, 17}) {
        list->scrollToItem(list->item(row));
        const QImage shot = list->viewport()->grab().toImage();
        const QPoint corner = list->visualItemRect(list->item(row)).topLeft() + QPoint(1, 1);
        EXPECT_EQ(shot.pixelColor(corner), row >= 8 ? QColor(0, 132, 66) : QColor(Qt::white)) << row;
    }
}

TEST(BevelPage, RefreshAfterOpenShowsTheDocument) {
    vortel::testing::ScratchDir dir;
    const std::string file = dir.file("bevel.vtl");
    {
        TFontFX engine(Rect{0, 0, 200, 80});
        engine.setBevelEnabled(true);
        engine.setBevelValues(333, 44, 5, 60);
        WriteDocument(engine, Bitmap{200, 80, std::vector<uint8_t>(200 * 80 * 3, 128)}, file);
    }
    BevelWindow w;
    ASSERT_TRUE(w.window.openFile(QString::fromStdString(file)));
    w.page->refresh();
    EXPECT_EQ(w.window.engine().Modified, 0);
    const struct { const char* edit; const char* text; const char* bar; int value; } cases[] = {
        {"BevelHeightEdit", "333", "BevelHeightTrackBar", 333}, {"BevelSizeEdit", "44%", "BevelSizeTrackBar", 44},
        {"BevelAddPixelEdit", "5", "BevelAddPixelTrackBar", 5}, {"BevelAngleEdit", "60°", "BevelAngleTrackBar", 60},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(w.find<QLineEdit>(c.edit)->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(w.find<QSlider>(c.bar)->value(), c.value);
    }
}

// The editor draws each line type as the renderer shades it: a concave segment that climbs is
// flat at its start (slope grows), a convex one steep there (slope shrinks), and falling the other
// way round.
TEST(BevelProfile, CurvesFollowTheRenderersSlopes) {
    const struct { uint8_t type; int32_t y0, y1; } cases[] = {{2, 800, 200}, {2, 200, 800}, {3, 800, 200}, {3, 200, 800}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.type) * 10000 + c.y0);
        TFontFX engine(Rect{0, 0, 100, 100});
        engine.Bevel.Points[0] = BevelPoint{0, 1, 0, 0, c.y0, 0};
        engine.Bevel.Points[1] = BevelPoint{0, c.type, 0, 1000, c.y1, 0};
        engine.Bevel.SegmentCount = 1;
        engine.MaxDistance = 99;
        engine.UpdateBevelFunc();
        const bool rendererSteepFirst = std::abs(engine.SlopeTable[2]) > std::abs(engine.SlopeTable[97]);
        const double early = std::abs(bp::CurveY(c.type, c.y0, c.y1, 0.1) - c.y0);
        const double late = std::abs(c.y1 - bp::CurveY(c.type, c.y0, c.y1, 0.9));
        EXPECT_EQ(early > late, rendererSteepFirst);
    }
}

}  // namespace vortel::app
