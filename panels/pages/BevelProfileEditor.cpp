#include "panels/pages/BevelProfileEditor.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "controls/QtImages.h"
#include "platform/Numeric.h"

namespace vortel::pages::bevelprofile {

QPoint Geometry::toPixel(int32_t x, int32_t y) const {
    return {int(roundEven(double(size.width()) * x / 1000)), int(roundEven(double(size.height()) * y / 1000))};
}

int32_t Geometry::unitX(int pixel) const { return roundEven32(1000.0 * pixel / std::max(1, size.width())); }
int32_t Geometry::unitY(int pixel) const { return roundEven32(1000.0 * pixel / std::max(1, size.height())); }

namespace {

int count(const BevelParams& bevel) { return std::clamp<int>(bevel.SegmentCount, 0, MaxSegments); }

QColor fromRef(ColorRef c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// The segment's curve in pixels, from its start to its end point.
QPolygonF curve(const Geometry& g, const BevelPoint& from, const BevelPoint& to, QPointF end = {-1, -1}) {
    const QPointF a = g.toPixel(from.X, from.Y);
    const QPointF b = end.x() >= 0 ? end : QPointF(g.toPixel(to.X, to.Y));
    QPolygonF line;
    constexpr int steps = 32;
    for (int s = 0; s <= steps; ++s) {
        const double t = double(s) / steps;
        line << QPointF(a.x() + (b.x() - a.x()) * t, CurveY(to.SegmentType, a.y(), b.y(), t));
    }
    return line;
}

}  // namespace

int HitPoint(const BevelParams& bevel, const Geometry& geometry, QPoint mouse) {
    int found = 0;
    double best = HitRadius;
    for (int i = 1; i <= count(bevel); ++i) {
        const QPoint p = geometry.toPixel(bevel.Points[i].X, bevel.Points[i].Y);
        const double d = std::hypot(double(p.x() - mouse.x()), double(p.y() - mouse.y()));
        if (d < best) best = d, found = i;
    }
    return found;
}

int SegmentAt(const BevelParams& bevel, int32_t x) {
    for (int i = 1; i <= count(bevel); ++i)
        if (bevel.Points[i - 1].X < x && x < bevel.Points[i].X) return i;
    return 0;
}

int SegmentUnder(const BevelParams& bevel, const Geometry& geometry, QPoint mouse) {
    if (const int point = HitPoint(bevel, geometry, mouse)) return point;
    for (int i = 1; i <= count(bevel); ++i) {
        const QPoint a = geometry.toPixel(bevel.Points[i - 1].X, bevel.Points[i - 1].Y);
        const QPoint b = geometry.toPixel(bevel.Points[i].X, bevel.Points[i].Y);
        if (mouse.x() < a.x() || mouse.x() > b.x() || a.x() == b.x()) continue;
        const double t = double(mouse.x() - a.x()) / (b.x() - a.x());
        // A little above the line still counts, so the line itself can be hit.
        if (mouse.y() >= CurveY(bevel.Points[i].SegmentType, a.y(), b.y(), t) - 3) return i;
    }
    return 0;
}

double CurveY(int type, double y0, double y1, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const double slowFirst = t * t, fastFirst = 1 - (1 - t) * (1 - t);
    // The renderer's slope table: a concave segment climbs slowly first and falls fast first (a
    // hollow), a convex one the other way round (a dome); y grows downwards here.
    switch (type) {
        case 2: return y0 + (y1 - y0) * (y1 < y0 ? slowFirst : fastFirst);
        case 3: return y0 + (y1 - y0) * (y1 < y0 ? fastFirst : slowFirst);
        default: return y0 + (y1 - y0) * t;
    }
}

QPoint ClampDrag(const BevelParams& bevel, int index, QPoint unit) {
    const int n = count(bevel);
    if (index < 1 || index > n) return unit;
    const int32_t left = bevel.Points[index - 1].X;
    const int32_t right = std::max(left, index < n ? bevel.Points[index + 1].X : 1000);
    return {std::clamp<int32_t>(unit.x(), left, right), std::clamp<int32_t>(unit.y(), 0, 1000)};
}

bool InsertPoint(BevelParams& bevel, QPoint unit) {
    const int n = count(bevel);
    const int i = SegmentAt(bevel, unit.x());
    if (i <= 0 || i >= MaxSegments || n >= MaxSegments) return false;
    for (int j = n; j >= i; --j) bevel.Points[j + 1] = bevel.Points[j];
    bevel.Points[i].X = unit.x();
    bevel.Points[i].Y = unit.y();
    bevel.SegmentCount = static_cast<uint8_t>(n + 1);
    return true;
}

bool AppendToEdge(BevelParams& bevel, int32_t y) {
    const int n = count(bevel);
    if (n >= MaxSegments) return false;
    BevelPoint next = bevel.Points[n];
    next.X = 1000;
    next.Y = std::clamp<int32_t>(y, 0, 1000);
    bevel.Points[n + 1] = next;
    bevel.SegmentCount = static_cast<uint8_t>(n + 1);
    return true;
}

bool DeleteSegment(BevelParams& bevel, int pointUnderMouse, int segmentUnderMenu) {
    const int n = count(bevel);
    int gone = 0;
    if (pointUnderMouse >= 1 && pointUnderMouse <= n - 1) gone = pointUnderMouse;
    else if (segmentUnderMenu >= 1 && segmentUnderMenu <= n && n >= 2) gone = segmentUnderMenu;
    if (gone == 0) return false;
    for (int j = gone; j < n; ++j) bevel.Points[j] = bevel.Points[j + 1];
    bevel.Points[n] = BevelPoint{};
    bevel.SegmentCount = static_cast<uint8_t>(n - 1);
    return true;
}

QColor RepresentativeColor(const FillRecord& fill) {
    switch (fill.FillKind) {
        case 0: {
            if (!fill.Texture || fill.Texture->empty()) return fromRef(fill.FillColor);
            const Bitmap& t = *fill.Texture;
            // A sample grid of at most 64 x 64 pixels is plenty for an average.
            const int stepX = std::max(1, t.width / 64), stepY = std::max(1, t.height / 64);
            uint64_t sum[3] = {0, 0, 0}, n = 0;
            for (int y = 0; y < t.height; y += stepY) {
                for (int x = 0; x < t.width; x += stepX) {
                    const uint8_t* px = &t.bgr[(size_t(y) * t.width + x) * 3];
                    sum[0] += px[0], sum[1] += px[1], sum[2] += px[2], ++n;
                }
            }
            return QColor(int(sum[2] / n), int(sum[1] / n), int(sum[0] / n));
        }
        case 1: return fromRef(fill.GradientColors[0]);
        default: return fromRef(fill.FillColor);
    }
}

QColor SegmentColor(const BevelPoint& point, const SurfaceColors& surfaces) {
    const QColor base = point.ColorMode == 0 ? surfaces.text : point.ColorMode == 1 ? surfaces.background : fromRef(point.Color);
    const int t = std::clamp<int>(point.Transparency, 0, 100);
    auto lighter = [t](int c) { return c + (255 - c) * t / 100; };
    return QColor(lighter(base.red()), lighter(base.green()), lighter(base.blue()));
}

QImage DrawProfile(const BevelParams& bevel, QSize size, const SurfaceColors& surfaces, const QString& hint, int preview,
                   QPoint previewAt, qreal ratio) {
    const QSize layout = size.expandedTo(QSize(1, 1));
    QImage image = controls::DeviceImage(layout, ratio, QColor(248, 248, 248));
    const Geometry g{layout};
    const int w = layout.width(), h = layout.height();
    QPainter p(&image);
    p.setPen(QColor(222, 222, 222));
    for (int k = 1; k < 4; ++k) {
        p.drawLine(w * k / 4, 0, w * k / 4, h);
        p.drawLine(0, h * k / 4, w, h * k / 4);
    }
    p.setRenderHint(QPainter::Antialiasing);
    const int n = count(bevel);
    const auto& pts = bevel.Points;
    // Each segment's area: under its curve down to the bottom, in what it fills with.
    for (int i = 1; i <= n; ++i) {
        QPolygonF area = curve(g, pts[i - 1], pts[i]);
        area << QPointF(area.last().x(), h) << QPointF(area.first().x(), h);
        p.setPen(Qt::NoPen);
        p.setBrush(SegmentColor(pts[i], surfaces));
        p.drawPolygon(area);
    }
    // Where one segment hands over to the next.
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    for (int i = 1; i < n; ++i) {
        const QPoint at = g.toPixel(pts[i].X, pts[i].Y);
        p.drawLine(at, QPoint(at.x(), h));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 1; i <= n; ++i) p.drawPolyline(curve(g, pts[i - 1], pts[i]));
    p.setRenderHint(QPainter::Antialiasing, false);
    // Handles: the start is fixed (grey), the others can be dragged.
    const QPoint start = g.toPixel(pts[0].X, pts[0].Y);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRect(start - QPoint(2, 2), QSize(4, 4)));
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    for (int i = 1; i <= n; ++i) p.drawRect(QRect(g.toPixel(pts[i].X, pts[i].Y) - QPoint(2, 2), QSize(5, 5)));
    if (preview >= 1 && preview <= n) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::red, 1));
        p.drawPolyline(curve(g, pts[preview - 1], pts[preview], previewAt));
        if (preview < n) {
            BevelPoint moved = pts[preview];
            moved.X = g.unitX(previewAt.x()), moved.Y = g.unitY(previewAt.y());
            QPolygonF next = curve(g, moved, pts[preview + 1]);
            next.first() = previewAt;
            p.drawPolyline(next);
        }
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(previewAt - QPoint(2, 2), QSize(5, 5)));
    }
    if (!hint.isEmpty()) {
        QFont font = p.font();
        font.setPixelSize(std::max(9, h / 13));
        p.setFont(font);
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(w / 3, 3, w - w / 3 - 2, h / 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, hint);
    }
    p.setPen(QColor(150, 150, 150));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    return image;
}

QImage DrawSide(QSize size, QColor colour, const QString& caption, qreal ratio) {
    const QSize layout = size.expandedTo(QSize(1, 1));
    const int w = layout.width(), h = layout.height();
    QImage image = controls::DeviceImage(layout, ratio, colour);
    QPainter p(&image);
    const bool dark = qGray(colour.rgb()) < 128;
    p.setPen(dark ? Qt::white : Qt::black);
    QFont font = p.font();
    font.setPixelSize(std::max(8, std::min(w - 6, 11)));
    p.setFont(font);
    p.translate(w / 2.0, h / 2.0);
    p.rotate(-90);
    p.drawText(QRectF(-h / 2.0, -w / 2.0, h, w), Qt::AlignCenter, caption);
    p.resetTransform();
    p.setPen(QColor(150, 150, 150));
    p.drawRect(0, 0, w - 1, h - 1);
    return image;
}

}  // namespace vortel::pages::bevelprofile
