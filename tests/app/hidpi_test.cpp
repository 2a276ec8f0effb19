// The image view at a device pixel ratio of 2 (its own test program: the ratio is the process's):
// the picture takes one device pixel an image pixel, mouse positions arrive in image pixels, and
// the resize handles hand image sizes to the window.
#include <gtest/gtest.h>

#include <cairo.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include "app/ImageFrame.h"
#include "app/ImageView.h"
#include "platform/Canvas.h"

namespace vortel::app {
namespace {

TEST(HiDpi, ThePictureTakesOneDevicePixelAnImagePixel) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    const struct {
        int width, height;
        QSize layout;
    } sizes[] = {{450, 200, {225, 100}}, {451, 201, {226, 101}}, {1, 1, {1, 1}}};
    for (const auto& c : sizes) {
        Canvas canvas(c.width, c.height);
        // A picture no scaling can keep: every pixel differs from its right and lower neighbour.
        cairo_surface_t* surface = canvas.surface();
        cairo_surface_flush(surface);
        const int stride = cairo_image_surface_get_stride(surface) / 4;
        auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) data[y * stride + x] = (x + y) % 2 ? 0xFFFFFF : 0x0000FF;
        cairo_surface_mark_dirty(surface);
        ImageView view;
        view.setCanvas(&canvas);
        view.show();
        EXPECT_EQ(view.size(), c.layout) << c.width;
        const QImage shown = view.grab().toImage();
        ASSERT_GE(shown.width(), c.width);
        for (int y = 0; y < c.height; y += 37)
            for (int x = 0; x < c.width; x += 29)
                EXPECT_EQ(shown.pixel(x, y) & 0xFFFFFF, (x + y) % 2 ? 0xFFFFFFu : 0x0000FFu) << x << "," << y;
    }
}

TEST(HiDpi, MousePositionsArriveInImagePixels) {
    Canvas canvas(400, 300);
    ImageView view;
    view.setCanvas(&canvas);
    view.show();
    QSignalSpy pressed(&view, &ImageView::mousePressed);
    const struct {
        QPointF at;
        QPoint image;
    } cases[] = {{{0, 0}, {0, 0}}, {{10.5, 20.25}, {21, 40}}, {{199.75, 149.5}, {399, 299}}};
    for (const auto& c : cases) {
        QMouseEvent press(QEvent::MouseButtonPress, c.at, view.mapToGlobal(c.at), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&view, &press);
        ASSERT_FALSE(pressed.isEmpty());
        EXPECT_EQ(pressed.takeLast().at(0).toPoint(), c.image);
        EXPECT_EQ(view.fromImage(c.image), QPoint(int(c.at.x()), int(c.at.y())));
    }
}

TEST(HiDpi, TheResizeHandlesGiveImageSizes) {
    Canvas canvas(400, 300);
    auto* view = new ImageView;
    view->setCanvas(&canvas);
    QWidget window;  // the handles stay inside the window: room to drag
    window.resize(800, 600);
    auto* framePtr = new ImageFrame(view, &window);
    ImageFrame& frame = *framePtr;
    window.show();
    frame.placeHandles();
    QSize given;
    frame.resized = [&](QSize size) { given = size; };
    QWidget* handle = frame.handle(ImageFrame::Right);
    const QPoint from = handle->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, from, handle->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &press);
    const QPoint to = from + QPoint(50, 0);
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(handle, &release);
    EXPECT_EQ(given, QSize(500, 300));  // 50 units of the layout are 100 image pixels
}

}  // namespace
}  // namespace vortel::app

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
