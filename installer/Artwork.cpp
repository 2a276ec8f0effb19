#include "installer/Artwork.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vortel::installer {

namespace {

// A slanted, heavy "V" in a unit square, the mark of the program.
QPainterPath Mark() {
    QPainterPath path;
    path.moveTo(0.10, 0.12);
    path.lineTo(0.38, 0.12);
    path.lineTo(0.50, 0.62);
    path.lineTo(0.74, 0.12);
    path.lineTo(0.96, 0.12);
    path.lineTo(0.56, 0.90);
    path.lineTo(0.34, 0.90);
    path.closeSubpath();
    return path;
}

void PaintMark(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width(), box.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawPath(Mark().translated(0.05, 0.05));
    QLinearGradient gold(0, 0.12, 0, 0.9);
    gold.setColorAt(0, QColor(255, 236, 120));
    gold.setColorAt(0.5, QColor(255, 170, 20));
    gold.setColorAt(1, QColor(190, 70, 0));
    painter.setBrush(gold);
    painter.drawPath(Mark());
    painter.restore();
}

}  // namespace

QImage ProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient blue(0, 0, 0, size);
    blue.setColorAt(0, QColor(40, 60, 255));
    blue.setColorAt(1, QColor(0, 0, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    const qreal r = size * 0.18;
    painter.drawRoundedRect(QRectF(size * 0.03, size * 0.03, size * 0.94, size * 0.94), r, r);
    PaintMark(painter, QRectF(size * 0.12, size * 0.12, size * 0.76, size * 0.76));
    return image;
}

QImage DocumentIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QPainterPath sheet;
    sheet.moveTo(s * 0.16, s * 0.04);
    sheet.lineTo(s * 0.62, s * 0.04);
    sheet.lineTo(s * 0.84, s * 0.26);
    sheet.lineTo(s * 0.84, s * 0.96);
    sheet.lineTo(s * 0.16, s * 0.96);
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(90, 90, 110), qMax(1.0, s / 48)));
    painter.setBrush(QColor(250, 250, 255));
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(s * 0.62, s * 0.04);
    corner.lineTo(s * 0.62, s * 0.26);
    corner.lineTo(s * 0.84, s * 0.26);
    painter.setBrush(QColor(205, 205, 225));
    painter.drawPath(corner);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 30, 200));
    painter.drawRect(QRectF(s * 0.24, s * 0.36, s * 0.52, s * 0.52));
    PaintMark(painter, QRectF(s * 0.26, s * 0.40, s * 0.48, s * 0.46));
    return image;
}

QImage WizardBitmap() {
    // 150 x 260: the mark over a blue night sky that fades to black, the top-left pixel the same
    // dark blue the picture control is filled with around it.
    QImage image(150, 260, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(0, 0, 96));
    sky.setColorAt(0.6, QColor(20, 40, 220));
    sky.setColorAt(1, QColor(0, 0, 40));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {  // a fixed field of small stars
        const int x = (i * 73 + 11) % image.width();
        const int y = (i * 41 + 7) % (image.height() / 2);
        painter.setBrush(QColor(255, 255, 255, 90 + (i * 37) % 160));
        painter.drawEllipse(QPointF(x, y), 0.9 + (i % 3) * 0.4, 0.9 + (i % 3) * 0.4);
    }
    PaintMark(painter, QRectF(15, 95, 120, 120));
    return image;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace vortel::installer
