#include <algorithm>
#include <cstdint>

#include "engine/FontFX.h"
#include "engine/GuideWalk.h"
#include "engine/Helpers.h"
#include "platform/LineDDA.h"

namespace vortel {

namespace {
constexpr ColorRef Black = 0x000000, White = 0xFFFFFF, Red = 0x0000FF, Yellow = 0x00FFFF;

// A one-pixel cosmetic pen: `on` pixels of its colour, then `off` pixels of the background colour
// (drawn, as the background mode is opaque); off 0 is a solid pen.
struct Pen {
    ColorRef color;
    ColorRef background;
    int32_t on;
    int32_t off;
};
constexpr Pen DottedPen{Black, White, 3, 3};
constexpr Pen DashedPen{Red, Yellow, 18, 6};

// The box from p + (l, t) to p + (r, b), right and bottom exclusive.
Rect box(Point p, int32_t l, int32_t t, int32_t r, int32_t b) {
    return Rect{saturate32(int64_t(p.x) + l), saturate32(int64_t(p.y) + t), saturate32(int64_t(p.x) + r),
                saturate32(int64_t(p.y) + b)};
}

bool onCanvas(const Canvas& c, const Rect& r) {
    return r.right > 0 && r.bottom > 0 && r.left < c.width() && r.top < c.height();
}

void plot(Canvas& c, int32_t x, int32_t y, ColorRef color) { c.fillRect(Rect{x, y, x + 1, y + 1}, color); }

// A polyline as the old line functions drew it: each segment leaves out its end point, and the
// pen's pattern runs on from one segment into the next. Only the part over the canvas is walked.
void polyline(Canvas& c, const Point* pts, size_t n, const Pen& pen) {
    const int64_t period = pen.on + pen.off;
    int64_t phase = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        const Point a = pts[i], b = pts[i + 1];
        const bool alongX = std::llabs(int64_t(b.x) - a.x) > std::llabs(int64_t(b.y) - a.y);
        lineDDAWindow(a, b, 0, (alongX ? c.width() : c.height()) - 1, [&](int32_t x, int32_t y, int64_t step) {
            if (x < 0 || y < 0 || x >= c.width() || y >= c.height()) return;
            plot(c, x, y, pen.off == 0 || (phase + step) % period < pen.on ? pen.color : pen.background);
        });
        phase = (phase + lineDDACount(a.x, a.y, b.x, b.y)) % period;
    }
}

// Outline in the pen's colour, inside in the brush's, right and bottom edges exclusive.
void rectangle(Canvas& c, const Rect& r, ColorRef pen, ColorRef brush) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    c.fillRect(r, pen);
    c.fillRect(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, brush);
}

// The ellipse inscribed in the box: pixels whose centre lies inside; those with a neighbour outside
// form the outline.
void ellipse(Canvas& c, const Rect& r, ColorRef pen, ColorRef brush) {
    if (!onCanvas(c, r)) return;
    const double cx = (double(r.left) + r.right) / 2, cy = (double(r.top) + r.bottom) / 2;
    const double rx = (double(r.right) - r.left) / 2, ry = (double(r.bottom) - r.top) / 2;
    auto inside = [&](int64_t x, int64_t y) {
        const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
        return u * u + v * v <= 1;
    };
    for (int64_t y = r.top; y < r.bottom; ++y)
        for (int64_t x = r.left; x < r.right; ++x) {
            if (!inside(x, y)) continue;
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            plot(c, int32_t(x), int32_t(y), edge ? pen : brush);
        }
}

// The handle on a guide's middle: a small slanted parallelogram.
void middleHandle(Canvas& c, Point m, ColorRef pen, ColorRef brush) {
    if (!onCanvas(c, box(m, -5, -2, 6, 3))) return;
    c.beginPath();
    c.moveTo(m.x - 1, m.y - 2);
    c.lineTo(m.x + 5, m.y - 2);
    c.lineTo(m.x + 1, m.y + 2);
    c.lineTo(m.x - 5, m.y + 2);
    c.closeFigure();
    c.endPath();
    c.strokeAndFillPath(pen, brush);
}
}  // namespace

void TFontFX::ShowGuide(Canvas& canvas, int mode, int32_t guideCode) {
    // The view calls this on every mouse move; an unchanged highlight needs no drawing.
    if (guideCode >= 100 && guideCode == lastGuideCode_) return;
    lastGuideCode_ = guideCode;
    // Handles are filled with the picture's background, taken from a pixel near its corner.
    const ColorRef brush = canvas.pixel(1, 1);
    const int highlighted = guideCode >= 1000 ? guideCode - 1000 : guideCode;
    canvas.saveDC();
    for (int g = 0; g < 4; ++g) {
        const size_t n = std::min<size_t>(NumGuidePoints[g], GuidePoints[g].size());
        if (n >= 2) polyline(canvas, GuidePoints[g].data(), n, mode == 3 && g == highlighted ? DashedPen : DottedPen);
    }
    if (mode == 1) {
        for (int g = 0; g < 4; ++g)
            for (size_t i = 0; i < std::min<size_t>(NumGuidePoints[g], GuidePoints[g].size()); ++i)
                rectangle(canvas, box(GuidePoints[g][i], -2, -2, 3, 3), Black, brush);
    } else if (mode == 0) {
        const Point line[2] = {RotationCenter, RotationHandle};
        polyline(canvas, line, 2, DottedPen);
        rectangle(canvas, box(RotationCenter, -2, -2, 2, 2), White, brush);
        ellipse(canvas, box(RotationHandle, -4, -4, 4, 4), White, brush);
        for (int g = 0; g < 4; ++g) {
            const size_t n = std::min<size_t>(NumGuidePoints[g], GuidePoints[g].size());
            if (n == 0) continue;
            middleHandle(canvas, GuideMiddle[g], White, brush);
            rectangle(canvas, box(GuidePoints[g].front(), -3, -3, 3, 3), White, brush);
            rectangle(canvas, box(GuidePoints[g][n - 1], -3, -3, 3, 3), White, brush);
        }
    }
    canvas.restoreDC();
    UpdateTextDC(canvas);
}

}  // namespace vortel
