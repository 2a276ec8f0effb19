#include "controls/QtImages.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cairo.h>

namespace vortel::controls {

QImage ToQImage(const Bitmap& b) {
    if (b.empty() || b.bgr.size() < size_t(b.width) * size_t(b.height) * 3) return {};
    QImage image(b.width, b.height, QImage::Format_RGB888);
    for (int32_t y = 0; y < b.height; ++y) {
        uchar* line = image.scanLine(y);
        const uint8_t* src = &b.bgr[size_t(y) * size_t(b.width) * 3];
        for (int32_t x = 0; x < b.width; ++x) line[3 * x] = src[3 * x + 2], line[3 * x + 1] = src[3 * x + 1], line[3 * x + 2] = src[3 * x];
    }
    return image;
}

Bitmap FromQImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    Bitmap b;
    b.width = image.width(), b.height = image.height();
    b.bgr.resize(size_t(b.width) * size_t(b.height) * 3);
    for (int32_t y = 0; y < b.height; ++y) {
        const uchar* line = image.constScanLine(y);
        uint8_t* dst = &b.bgr[size_t(y) * size_t(b.width) * 3];
        for (int32_t x = 0; x < b.width; ++x) dst[3 * x] = line[3 * x + 2], dst[3 * x + 1] = line[3 * x + 1], dst[3 * x + 2] = line[3 * x];
    }
    return b;
}

QImage CanvasImage(const Canvas& canvas) {
    cairo_surface_t* surface = canvas.surface();
    cairo_surface_flush(surface);
    return QImage(cairo_image_surface_get_data(surface), cairo_image_surface_get_width(surface),
                  cairo_image_surface_get_height(surface), cairo_image_surface_get_stride(surface), QImage::Format_RGB32);
}

void PaintOnCanvas(Canvas& canvas, const std::function<void(QPainter&)>& paint) {
    QImage picture = CanvasImage(canvas);
    {
        QPainter painter(&picture);
        paint(painter);
    }
    cairo_surface_mark_dirty(canvas.surface());
}

qreal ScreenRatio() {
    return qGuiApp ? std::max<qreal>(1, qGuiApp->devicePixelRatio()) : 1;
}

QSize DeviceSize(QSize size, qreal ratio) {
    return QSize(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
}

QImage DeviceImage(QSize size, qreal ratio, QColor fill) {
    QImage image(DeviceSize(size, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

}  // namespace vortel::controls
