// The image view at a device pixel ratio of 2 (its own test program: the ratio is the process's):
// the picture takes one device pixel an image pixel, mouse positions arrive in image pixels, and
// the resize handles hand image sizes to the window. The preset lists show the stock pictures'
// twins at twice the size, and glyphs and drawn pictures are made at device pixels.
#include <gtest/gtest.h>

#include <cairo.h>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <functional>

#include "app/ImageFrame.h"
#include "app/ImageView.h"
#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "document/ImageBmp.h"
#include "document/StockResources.h"
#include "panels/pages/PresetPictureList.h"
#include "panels/pages/TextureLists.h"
#include "platform/Canvas.h"
#include "tests/app/AppWindow.h"

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

QImage stockPicture(const std::string& name) {
    const auto bytes = stockResource("BITMAP", name);
    return bytes ? controls::ToQImage(decodeBmp(*bytes)) : QImage();
}

// What a list holds for the entry of a picture: the grids' icons as stored (not scaled again),
// the preset lists' pictures, the simple list's thumbnail once made.
QImage gridIcon(QWidget* list) {
    const QIcon icon = static_cast<QListWidget*>(list)->item(1)->icon();
    return icon.pixmap(icon.availableSizes().value(0) / 2, 2.0).toImage();
}
QImage presetPicture(QWidget* list) { return static_cast<pages::PresetPictureList*>(list)->picture(1); }
QImage simplePicture(QWidget* widget) {
    auto* list = static_cast<pages::PictureList*>(widget);
    const auto& entries = list->entries();
    const int row = int(std::find(entries.begin(), entries.end(), "*FARBVERL_01") - entries.begin());
    list->requestPicture(row);
    const bool made = QTest::qWaitFor([list, row] { return list->pictureCount() > row; }, 10000);
    return made ? list->picture(row) : QImage();
}
QImage colourMap(QWidget* image) { return static_cast<controls::LeaveImage*>(image)->shownImage(); }

enum class Made { Same, Fitted, Tiled };  // how a list makes what it shows from the twin

TEST(HiDpi, PresetListsShowTheTwinsAtTwiceTheSize) {
    apptest::Window w;
    using enum Made;
    const struct {
        MainWindow::Page page;
        const char* list;
        std::string twin;                       // of the entry shown
        std::function<QImage(QWidget*)> shown;  // the picture the list holds
        Made how;
    } cases[] = {
        {MainWindow::StylePage, "MainStyleListBox", "STYLE_002_2X", gridIcon, Same},
        {MainWindow::DeformPage, "GuideStyleListBox", "DEFORM_02_2X", gridIcon, Fitted},
        {MainWindow::BevelPage, "BevelListBox", "BEVEL_02_2X", presetPicture, Same},
        {MainWindow::OutlinePage, "OutlineListBox", "OUT_02_2X", presetPicture, Same},
        {MainWindow::ShadowPage, "ShadowListBox", "SHADOW_02_2X", presetPicture, Same},
        {MainWindow::FramePage, "FrameListBox", "FRAME_02_2X", presetPicture, Same},
        {MainWindow::SurfacePage, "SurfaceSimpleListBox", "FARBVERL_01_2X", simplePicture, Tiled},
        {MainWindow::SurfacePage, "SurfaceColorImage", "COLORMAP_2X", colourMap, Same},
    };
    for (const auto& c : cases) {
        w.window.notebook()->setCurrentIndex(c.page);
        QWidget* list = w.window.findChild<QWidget*>(QString::fromLatin1(c.list));
        ASSERT_TRUE(list) << c.list;
        const QImage twin = stockPicture(c.twin);
        ASSERT_FALSE(twin.isNull()) << c.twin;
        const QImage shown = c.shown(list).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(shown.isNull()) << c.list;
        EXPECT_EQ(shown.devicePixelRatio(), 2.0) << c.list;
        // Pixel for pixel the twin (fitted or tiled as the list does it), not a plain picture enlarged.
        QImage expected = twin;
        if (c.how == Fitted) expected = twin.scaled(shown.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (c.how == Tiled) {
            ASSERT_GE(shown.width(), twin.width()) << c.list;
            ASSERT_GE(shown.height(), twin.height()) << c.list;
        } else {
            ASSERT_EQ(shown.size(), expected.size()) << c.list;
        }
        const QImage part = shown.copy(QRect(QPoint(0, 0), expected.size()));
        expected = expected.convertToFormat(QImage::Format_RGB32);
        expected.setDevicePixelRatio(part.devicePixelRatio());
        EXPECT_TRUE(part == expected) << c.list << " does not show " << c.twin;
    }
    // The colour pickers still read colours off the map at its own size.
    EXPECT_EQ(w.window.findChild<controls::LeaveImage*>(QStringLiteral("SurfaceColorImage"))->image().size(), QSize(100, 45));
}

// Every glyph on a button or tab and every picture drawn for a control holds device pixels: twice
// the layout size it is shown at.
TEST(HiDpi, GlyphsAndDrawnPicturesAreMadeAtDevicePixels) {
    apptest::Window w;
    int checked = 0;
    for (int page = 0; page < w.window.notebook()->count(); ++page) {
        w.window.notebook()->setCurrentIndex(page);
        const QIcon tab = w.window.notebook()->tabIcon(page);
        EXPECT_EQ(tab.availableSizes().value(0), QSize(32, 32)) << "tab " << page;  // glyphs of 16 x 16
    }
    for (auto* button : w.window.findChildren<controls::SpeedButton*>()) {
        if (button->icon().isNull()) continue;
        ++checked;
        EXPECT_EQ(button->icon().availableSizes().value(0), 2 * button->iconSize()) << button->objectName().toStdString();
    }
    for (auto* image : w.window.findChildren<controls::LeaveImage*>()) {
        if (image->shownImage().isNull()) continue;
        ++checked;
        EXPECT_EQ(image->shownImage().devicePixelRatio(), 2.0) << image->objectName().toStdString();
    }
    for (auto* image : w.window.findChildren<controls::TransparentImage*>()) {
        if (image->image().isNull()) continue;
        ++checked;
        EXPECT_EQ(image->image().devicePixelRatio(), 2.0) << image->objectName().toStdString();
    }
    EXPECT_GT(checked, 20);
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
