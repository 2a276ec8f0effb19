// Copy in the real window: the picture as a bitmap and, beside it, the picture without its
// background as "image/png", rendered aside without touching the window or the engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <functional>

#include "controls/QtImages.h"
#include "engine/Transparent.h"
#include "tests/app/AppWindow.h"
#include "tests/common/SampleEffects.h"

namespace vortel::app {
namespace {

using apptest::Window;

// The RGBA bytes of the clipboard's "image/png", top-down rows, as a reader of that type gets them.
std::vector<uint8_t> clipboardRgba(int& width, int& height) {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QStringLiteral("image/png"))) return {};
    QImage image = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    if (image.isNull() || !image.hasAlphaChannel()) return {};
    image = image.convertToFormat(QImage::Format_RGBA8888);
    width = image.width();
    height = image.height();
    std::vector<uint8_t> rgba;
    for (int y = 0; y < height; ++y) {
        const uchar* row = image.constScanLine(y);
        rgba.insert(rgba.end(), row, row + size_t(width) * 4);
    }
    return rgba;
}

TEST(Clipboard, CopyOffersTheBitmapAndTheTransparentPng) {
    struct Case {
        const char* name;
        MainWindow::Quality quality;
        std::function<void(MainWindow&)> effect;
        bool png;   // an "image/png" is offered
        int worst;  // the largest step of the PNG over the background against the picture
    };
    const std::vector<Case> cases = {
        {"bevel and soft shadow", MainWindow::Quality::Normal, [](MainWindow& w) { test::setSampleBevelAndSoftShadow(w.engine()); },
         true, 1},
        // Edge smoothing averages with a truncating division, a step more where it meets the shadow.
        {"bevel and soft shadow, smoothed", MainWindow::Quality::Smooth,
         [](MainWindow& w) { test::setSampleBevelAndSoftShadow(w.engine()); }, true, 2},
        // Drawn straight from the outline each time: the fringe must start from the phase the
        // picture was drawn from.
        {"star fringe", MainWindow::Quality::Normal, [](MainWindow& w) { w.engine().setFringe(0, 7, 4, 4, 1); }, true, 1},
        // A refused warp leaves the background alone in the picture: nothing to take out.
        {"warp refused", MainWindow::Quality::Normal,
         [](MainWindow& w) { w.engine().GuidePoints[0].back().x = 20'000'000; }, false, 0},
        {"draft quality", MainWindow::Quality::Draft, [](MainWindow& w) { test::setSampleBevelAndSoftShadow(w.engine()); }, false, 0},
        {"recalculation pending", MainWindow::Quality::Normal, [](MainWindow& w) { w.startDelayedCalc(500); }, false, 0},
    };
    for (const auto& c : cases) {
        Window w;
        MainWindow& win = w.window;
        c.effect(win);
        const FringeToggle drawnFrom = starToggle();
        win.setQuality(c.quality);
        // A render elsewhere in the program (a preset's preview, say) moves the program-wide
        // fringe toggles on after the picture was drawn.
        starToggle().next();
        curlToggle().next();
        win.engine().Modified = 0;
        const ColorRef background = win.engine().BackFill.FillColor;
        const Bitmap picture = win.picture();
        const FringeToggle star = starToggle();

        win.copyCommand();

        EXPECT_EQ(win.picture().bgr, picture.bgr) << c.name << ": the window's picture changed";
        EXPECT_EQ(win.engine().Modified, 0) << c.name;
        EXPECT_EQ(starToggle().total, star.total) << c.name;
        // The bitmap is the picture, for every reader of images; it has no alpha of its own.
        const QImage bitmap = QApplication::clipboard()->image();
        EXPECT_FALSE(bitmap.hasAlphaChannel()) << c.name;
        EXPECT_EQ(controls::FromQImage(bitmap).bgr, picture.bgr) << c.name;
        int width = 0, height = 0;
        const std::vector<uint8_t> rgba = clipboardRgba(width, height);
        EXPECT_EQ(!rgba.empty(), c.png) << c.name;
        if (rgba.empty()) continue;
        ASSERT_EQ(width, picture.width) << c.name;
        ASSERT_EQ(height, picture.height) << c.name;
        size_t clear = 0, partial = 0;
        for (size_t i = 3; i < rgba.size(); i += 4) {
            clear += rgba[i] == 0;
            partial += rgba[i] != 0 && rgba[i] != 255;
        }
        EXPECT_GT(clear, rgba.size() / 16) << c.name << ": the background must be transparent";
        const Bitmap laid = compositeOver(rgba, width, height, background);
        int worst = 0;
        for (size_t i = 0; i < laid.bgr.size(); ++i) worst = std::max(worst, std::abs(int(laid.bgr[i]) - int(picture.bgr[i])));
        EXPECT_LE(worst, c.worst) << c.name;

        // The engine's maps came back unharmed: the next render from the same phase gives the
        // same picture.
        starToggle() = drawnFrom;
        win.recalculate();
        EXPECT_EQ(win.picture().bgr, picture.bgr) << c.name << ": the render after Copy differs";
    }
}

}  // namespace
}  // namespace vortel::app
