// The transparency dialog (one profile segment or all points) and the character deformation
// dialog with its two distribution curves, on the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "app/CharDeformDialog.h"
#include "panels/pages/TransparencyDialog.h"
#include "tests/app/AppWindow.h"

namespace vortel::app {
namespace {

using apptest::Window;
using pages::TransparencyDialog;

std::vector<int> transparencies(const TFontFX& e) {
    std::vector<int> t;
    for (const BevelPoint& p : e.Bevel.Points) t.push_back(p.Transparency);
    return t;
}

// A profile of three segments with the transparencies 10, 20, 30 and 40 from point 0.
void threeSegments(TFontFX& e) {
    std::array<BevelPoint, 11> p{};
    const int xs[4] = {0, 300, 600, 1000};
    for (int i = 0; i < 4; ++i) p[size_t(i)] = BevelPoint{0, 1, 0, xs[i], 500, uint8_t(10 * (i + 1))};
    e.setBevelEnabled(true);
    e.setBevelProfile(p, 3);
}

TEST(TransparencyDialog, ChangesApplyAtOnceAndCancelRestoresTheOpeningValue) {
    struct Case {
        int segment;
        const char* closeWith;
        std::vector<int> after;  // the transparencies of the 11 points once closed
    };
    const std::vector<int> start = {10, 20, 30, 40, 0, 0, 0, 0, 0, 0, 0};
    const Case cases[] = {
        {TransparencyDialog::AllPoints, "CancelButton", std::vector<int>(11, 20)},  // point 1's value, everywhere
        {TransparencyDialog::AllPoints, "OkButton", std::vector<int>(11, 55)},
        {2, "CancelButton", start},
        {2, "OkButton", {10, 20, 55, 40, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.segment << " " << c.closeWith);
        Window w;
        threeSegments(w.window.engine());
        int redraws = 0;
        TransparencyDialog dialog(w.window, c.segment, [&redraws] { ++redraws; }, &w.window);
        const int opening = c.segment == TransparencyDialog::AllPoints ? 20 : 30;
        EXPECT_EQ(dialog.savedValue(), opening);
        EXPECT_EQ(dialog.combo()->currentText(), QStringLiteral(" %1 %").arg(opening));
        EXPECT_EQ(dialog.combo()->count(), 11);
        EXPECT_EQ(dialog.combo()->itemText(0), QStringLiteral("    0 %"));
        EXPECT_EQ(dialog.combo()->itemText(10), QStringLiteral("100 %"));
        dialog.combo()->setCurrentIndex(9);  // "  90 %"
        const int changed = c.segment == TransparencyDialog::AllPoints ? 0 : c.segment;
        EXPECT_EQ(w.window.engine().Bevel.Points[size_t(changed)].Transparency, 90);
        dialog.combo()->setEditText(QStringLiteral("250 %"));  // beyond the range: the nearest end
        EXPECT_EQ(w.window.engine().Bevel.Points[size_t(changed)].Transparency, 100);
        dialog.combo()->setEditText(QStringLiteral(" 55 %"));
        EXPECT_EQ(redraws, 3);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(c.closeWith)), Qt::LeftButton);
        EXPECT_EQ(transparencies(w.window.engine()), c.after);
        EXPECT_TRUE(w.window.settings().readInteger("Transp", "Left", -1) >= 0);
    }
}

// A stored place off the screen is not taken; one on it is.
TEST(TransparencyDialog, StoredPlaceCountsOnlyOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        int left, top;
        bool taken;
    } cases[] = {{area.left() + 10, area.top() + 20, true}, {area.right() + 300, 20, false}, {20, 90000, false},
                 {area.right() - 5, area.top(), false}};
    for (const auto& c : cases) {
        Window w;
        w.window.settings().writeInteger("Transp", "Left", c.left);
        w.window.settings().writeInteger("Transp", "Top", c.top);
        TransparencyDialog dialog(w.window, TransparencyDialog::AllPoints, [] {}, &w.window);
        EXPECT_EQ(dialog.pos() == QPoint(c.left, c.top), c.taken) << c.left << "," << c.top;
        EXPECT_TRUE(area.intersects(dialog.frameGeometry())) << c.left << "," << c.top;
    }
}

TEST(TransparencyDialog, AllPointsStartAFlatProfileWhenThereIsNoBevel) {
    Window w;
    w.window.engine().setBevelEnabled(false);
    bool opened = false;
    w.window.dialogHook = [&](QDialog& d) {
        opened = true;
        auto* dialog = dynamic_cast<TransparencyDialog*>(&d);
        EXPECT_NE(dialog, nullptr);
        if (dialog) dialog->combo()->setCurrentIndex(5);
        return int(QDialog::Accepted);
    };
    auto* button = w.window.findChild<QWidget*>(QStringLiteral("TextTransparenzSpeedButton"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(opened);
    const BevelParams& b = w.window.engine().Bevel;
    EXPECT_TRUE(b.enabled());
    EXPECT_EQ(b.SegmentCount, 1);
    EXPECT_EQ(std::tie(b.Points[1].X, b.Points[1].Y), std::tuple(1000, 500));
    EXPECT_EQ(transparencies(w.window.engine()), std::vector<int>(11, 50));
}

// ------------------------------------------------------------------------------ deformation

TEST(CharDeformDialog, CurvePositionsMapToUnitsBothWays) {
    Window w;
    CharDeformDialog dialog(w.window, &w.window);
    CurveImage* x = dialog.xImage();
    ASSERT_EQ(x->size(), QSize(200, 200));
    struct Case {
        QPoint pixel;
        Point units;
    };
    for (const Case& c : {Case{{0, 0}, {-500, 500}}, Case{{100, 100}, {0, 0}}, Case{{200, 200}, {500, -500}},
                          Case{{150, 40}, {250, 300}}}) {
        const Point u = x->unitsAt(c.pixel);
        EXPECT_EQ(std::tie(u.x, u.y), std::tie(c.units.x, c.units.y)) << c.pixel.x() << "," << c.pixel.y();
    }
    // Drawn with 5 units to spare at each edge.
    EXPECT_EQ(x->pixelOf({-505, 505}), QPointF(0, 0));
    EXPECT_EQ(x->pixelOf({505, -505}), QPointF(200, 200));
    // The horizontal curve starts with its points evenly along y = 0: point 0 at the left end.
    EXPECT_EQ(x->hit(x->pixelOf(x->curve()[0]).toPoint()), 0);
    EXPECT_EQ(x->hit(x->pixelOf({-500, 60}).toPoint()), -1);  // 60 units above it: beyond 50
    EXPECT_EQ(x->hit(x->pixelOf({-500, 40}).toPoint()), 0);
}

TEST(CharDeformDialog, DraggingAPointStoresItAndRedistributesTheLetters) {
    Window w;
    auto* action = w.window.findChild<QAction*>(QStringLiteral("CharDeformMenu"));
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    auto* dialog = w.window.findChild<CharDeformDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(action->isEnabled());  // one dialog at a time
    // The text preview shows dark letters on white.
    EXPECT_LT(dialog->textPreview().convertToFormat(QImage::Format_Grayscale8).pixelColor(205, 40).value() +
                  dialog->textPreview().convertToFormat(QImage::Format_Grayscale8).pixelColor(100, 40).value(), 2 * 255);

    const std::vector<uint8_t> before = w.window.view()->canvas()->toBitmap().bgr;
    CurveImage* x = dialog->xImage();
    const QPoint from = x->pixelOf(x->curve()[3]).toPoint();
    QTest::mousePress(x, Qt::LeftButton, {}, from);
    QTest::mouseMove(x, QPoint(150, 120));
    QTest::mouseMove(x, QPoint(260, 300));  // outside: the point stays at the last position inside
    QTest::mouseRelease(x, Qt::LeftButton, {}, QPoint(260, 300));
    const Point stored = w.window.engine().HorzCurve[3];
    EXPECT_EQ(std::tie(stored.x, stored.y), std::tuple(250, -100));
    EXPECT_EQ(w.window.engine().Modified, 1);
    EXPECT_FALSE(w.window.engine().isUnwarped());
    EXPECT_NE(w.window.view()->canvas()->toBitmap().bgr, before);

    dialog->close();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(action->isEnabled());
}

}  // namespace
}  // namespace vortel::app
