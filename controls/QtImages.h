#pragma once
// The program's bitmaps (rows top-down, three bytes blue-green-red) as Qt images and back.
#include <QImage>
#include <functional>

class QPainter;

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace vortel::controls {

// A null image for an empty or short bitmap.
QImage ToQImage(const Bitmap& bitmap);
Bitmap FromQImage(const QImage& image);

// The canvas's own memory as a QImage (Cairo's RGB24 words are Qt's RGB32): no copy is made, so
// the image is only valid while the canvas lives and keeps its size.
QImage CanvasImage(const Canvas& canvas);
// Draws with Qt onto the canvas's memory and tells Cairo that it changed.
void PaintOnCanvas(Canvas& canvas, const std::function<void(QPainter&)>& paint);

// The device pixels a layout pixel that pictures made ahead of painting are made for: the
// highest of the screens (2 at QT_SCALE_FACTOR=2), 1 without an application.
qreal ScreenRatio();

// A picture for drawing on with QPainter in layout pixels: `size` layout pixels at `ratio` device
// pixels each (rounded up), marked with that ratio so it paints at device pixels, filled with
// `fill`. Code that sets pixels one by one works in device pixels (`DeviceSize`).
QImage DeviceImage(QSize size, qreal ratio, QColor fill);
QSize DeviceSize(QSize size, qreal ratio);

}  // namespace vortel::controls
