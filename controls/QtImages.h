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

}  // namespace vortel::controls
