#include "panels/pages/SurfaceWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <qdrawutil.h>

#include <cmath>

#include "controls/QtImages.h"
#include "engine/Fills.h"

namespace vortel::pages {
namespace {

// The colour the speed buttons leave out of a glyph (its bottom-left pixel).
const QColor GlyphKey(1, 129, 130);
constexpr int GlyphW = 20, GlyphH = 18;

// Made for the screen's device pixels; drawn on in layout pixels.
QImage blankGlyph(int width = GlyphW, int height = GlyphH) {
    return controls::DeviceImage(QSize(width, height), controls::ScreenRatio(), GlyphKey);
}

// A one-pixel edge just inside `area`, as a one-pixel pen's rectangle draws it at a ratio of 1; a
// wider pen on a glyph for device pixels would straddle the edge and leave a line of key colour.
void drawEdge(QPainter& p, const QRect& area, QColor colour) {
    p.fillRect(QRect(area.left(), area.top(), area.width(), 1), colour);
    p.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), colour);
    p.fillRect(QRect(area.left(), area.top(), 1, area.height()), colour);
    p.fillRect(QRect(area.right(), area.top(), 1, area.height()), colour);
}

// An upper-case A with its counter, in a 20 x 18 box.
QPainterPath letterA() {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(QPolygonF({{2, 16}, {8, 1}, {12, 1}, {18, 16}, {14, 16}, {12.6, 12}, {7.4, 12}, {6, 16}, {2, 16}}));
    path.addPolygon(QPolygonF({{8.4, 9}, {11.6, 9}, {10, 4.5}, {8.4, 9}}));
    return path;
}

// Bricks in two tones of brown with dark joints: the texture's sign.
void paintBricks(QPainter& p, const QRect& area) {
    p.fillRect(area, QColor(92, 52, 24));
    for (int row = 0; row * 5 < area.height() + 5; ++row) {
        const int y = area.top() + row * 5;
        for (int col = -1; col * 8 < area.width() + 8; ++col) {
            const int x = area.left() + col * 8 + (row % 2 ? 4 : 0);
            p.fillRect(QRect(x, y, 7, 4).intersected(area), (row + col) % 2 ? QColor(196, 120, 60) : QColor(168, 92, 44));
        }
    }
}

QLinearGradient glyphGradient(const QRectF& area) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, QColor(255, 230, 0));
    g.setColorAt(0.5, QColor(230, 40, 20));
    g.setColorAt(1, QColor(30, 40, 200));
    return g;
}

void paintKindFill(QPainter& p, KindGlyph kind, const QRect& area) {
    switch (kind) {
    case KindGlyph::Color:
        p.fillRect(area, QColor(220, 30, 30));
        break;
    case KindGlyph::Gradient:
        p.fillRect(area, glyphGradient(area));
        break;
    case KindGlyph::Texture:
        paintBricks(p, area);
        break;
    case KindGlyph::Imprint:
        p.fillRect(area, QColor(40, 90, 200));
        for (int y = area.top() + 1; y < area.bottom(); y += 3)
            for (int x = area.left() + 1 + (y / 3) % 2; x < area.right(); x += 3) p.fillRect(x, y, 1, 1, Qt::white);
        break;
    }
}

}  // namespace


QColor RefColor(ColorRef c) { return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)); }

ColorRef ColorOf(const QColor& c) { return ColorRef(c.red()) | ColorRef(c.green()) << 8 | ColorRef(c.blue()) << 16; }

QString RgbText(const QColor& c) { return QStringLiteral("R %1\nG %2\nB %3").arg(c.red()).arg(c.green()).arg(c.blue()); }

// ------------------------------------------------------------------------------- ColorSwatch

ColorSwatch::ColorSwatch(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::setColor(const QColor& color) {
    color_ = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, 2);
    painter.fillRect(rect().adjusted(4, 4, -4, -4), color_);
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

// ------------------------------------------------------------------------------- glyphs

QImage SurfaceKindGlyph(KindGlyph kind, bool background) {
    QImage image = blankGlyph();
    QPainter p(&image);
    const QRect field(1, 1, GlyphW - 2, GlyphH - 2);
    if (background) {
        // The field filled, a white letter standing on it; the key colour stays round the edge.
        paintKindFill(p, kind, field);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(letterA(), Qt::white);
        drawEdge(p, field, QColor(60, 60, 60));
    } else {
        // The letter filled, outlined in black.
        p.setClipPath(letterA());
        paintKindFill(p, kind, field);
        p.setClipping(false);
        p.setPen(Qt::black);
        p.drawPath(letterA());
    }
    p.end();
    image.setPixelColor(0, image.height() - 1, GlyphKey);
    return image;
}

QImage GradientStyleGlyph(int style) {
    constexpr int W = 24, H = 18;
    QImage image = blankGlyph(W, H);
    QPainter p(&image);
    if (style < 1 || style > 5) {
        // A cross: leave the style as it is.
        p.setPen(QPen(QColor(80, 80, 80), 2));
        p.drawLine(7, 4, 16, 13);
        p.drawLine(16, 4, 7, 13);
        p.end();
        return image;
    }
    FillRecord fill;
    fill.FillKind = 1;
    fill.GradientStyle = style;
    fill.GradientAngle = 45;
    fill.GradientCount = 3;
    fill.GradientColors[0] = ColorOf(QColor(255, 230, 0));
    fill.GradientColors[1] = ColorOf(QColor(220, 30, 20));
    fill.GradientColors[2] = ColorOf(QColor(20, 30, 190));
    // Sampled at every device pixel inside the one-pixel edge.
    const int edge = int(std::ceil(image.devicePixelRatio()));
    const int w = image.width() - 2 * edge, h = image.height() - 2 * edge;
    const FillSampler sampler(fill, {0, 0, w, h});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgb c = sampler.at(x, h - 1 - y);
            image.setPixelColor(x + edge, y + edge, QColor(c.r, c.g, c.b));
        }
    drawEdge(p, QRect(0, 0, W, H), QColor(60, 60, 60));
    p.end();
    image.setPixelColor(0, image.height() - 1, GlyphKey);
    return image;
}

QImage FolderGlyph() {
    QImage image = blankGlyph();
    QPainter p(&image);
    p.setPen(QColor(120, 90, 10));
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygon({{2, 4}, {7, 4}, {9, 6}, {17, 6}, {17, 15}, {2, 15}}));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygon({{2, 15}, {5, 9}, {19, 9}, {17, 15}}));
    p.end();
    image.setPixelColor(0, image.height() - 1, GlyphKey);
    return image;
}

QImage AdjustGlyph() {
    QImage image = blankGlyph();
    QPainter p(&image);
    paintBricks(p, QRect(2, 2, 11, 14));
    p.setPen(QPen(QColor(40, 40, 40), 1));
    for (int i = 0; i < 3; ++i) {
        const int y = 4 + i * 5;
        p.drawLine(14, y, 18, y);
        p.fillRect(14 + (i * 2) % 4, y - 1, 2, 3, QColor(20, 20, 160));
    }
    p.end();
    image.setPixelColor(0, image.height() - 1, GlyphKey);
    return image;
}

QImage InvertGlyph() {
    QImage image = blankGlyph();
    QPainter p(&image);
    p.fillRect(2, 2, 8, 14, Qt::black);
    p.fillRect(10, 2, 8, 14, Qt::white);
    p.fillRect(4, 7, 4, 4, Qt::white);
    p.fillRect(12, 7, 4, 4, Qt::black);
    drawEdge(p, QRect(2, 2, 16, 14), QColor(60, 60, 60));
    p.end();
    image.setPixelColor(0, image.height() - 1, GlyphKey);
    return image;
}

QImage ReverseGlyph() {
    QImage image = blankGlyph();
    QPainter p(&image);
    p.fillRect(QRect(3, 2, 6, 14), glyphGradient(QRectF(3, 2, 6, 14)));
    QLinearGradient back(QPointF(0, 16), QPointF(0, 2));
    back.setColorAt(0, QColor(255, 230, 0));
    back.setColorAt(0.5, QColor(230, 40, 20));
    back.setColorAt(1, QColor(30, 40, 200));
    p.fillRect(QRect(12, 2, 6, 14), back);
    p.setPen(Qt::black);
    p.drawLine(9, 9, 11, 9);
    p.drawLine(10, 8, 11, 9);
    p.drawLine(10, 10, 11, 9);
    p.end();
    image.setPixelColor(0, image.height() - 1, GlyphKey);
    return image;
}

}  // namespace vortel::pages
