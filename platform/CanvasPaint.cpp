#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/Canvas.h"
#include "platform/PixelRows.h"
#include "platform/Numeric.h"

namespace vortel {

namespace {

constexpr uint8_t kTypeMask = static_cast<uint8_t>(~PT_CLOSEFIGURE);

// Cairo's fixed-point coordinates overflow near 2^23; no canvas comes close to this bound, so
// clamping only tames absurd input (and NaN) instead of changing a real shape.
constexpr double kCoordLimit = 4.0e6;
double tame(double v) { return v == v ? std::clamp(v, -kCoordLimit, kCoordLimit) : 0.0; }

Point roundedPoint(PointF p) { return Point{roundEven32(tame(p.x)), roundEven32(tame(p.y))}; }

// Rows a malformed bitmap really holds, so a short pixel vector is never read past its end.
int32_t usableRows(const Bitmap& b) {
    if (b.empty()) return 0;
    const size_t rowBytes = size_t(b.width) * 3;
    return int32_t(std::min<size_t>(size_t(b.height), b.bgr.size() / rowBytes));
}

uint32_t nativeFromBgr(const uint8_t* bgr) { return uint32_t(bgr[2]) << 16 | uint32_t(bgr[1]) << 8 | bgr[0]; }

// The classic 8x8 hatches, each line at the same place in every cell of the origin-anchored grid.
bool onHatchLine(HatchStyle style, int32_t x, int32_t y) {
    const bool horizontal = (y & 7) == 4, vertical = (x & 7) == 4;
    const bool forward = ((x - y) & 7) == 0, backward = ((x + y) & 7) == 7;
    switch (style) {
        case HatchStyle::Horizontal: return horizontal;
        case HatchStyle::Vertical: return vertical;
        case HatchStyle::ForwardDiagonal: return forward;
        case HatchStyle::BackwardDiagonal: return backward;
        case HatchStyle::Cross: return horizontal || vertical;
        case HatchStyle::DiagonalCross: return forward || backward;
    }
    return false;
}

// The part of a w x h image placed at (x, y) that lies on a canvas of cw x ch.
struct Overlap {
    int32_t left, top, right, bottom;
    bool empty() const { return left >= right || top >= bottom; }
};
Overlap overlap(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cw, int32_t ch) {
    const int64_t right = std::min<int64_t>(int64_t(x) + w, cw), bottom = std::min<int64_t>(int64_t(y) + h, ch);
    return {std::max(x, 0), std::max(y, 0), int32_t(right), int32_t(bottom)};
}

}  // namespace

Canvas::Coverage Canvas::rasterize(const GdiPath& p, FillMode mode) const {
    Coverage cover;
    double minY = kCoordLimit, maxY = -kCoordLimit;
    for (const PointF& pt : p.points()) {
        minY = std::min(minY, tame(pt.y));
        maxY = std::max(maxY, tame(pt.y));
    }
    // Control points bound a Bézier, so the points' rows hold every inside pixel centre.
    cover.top = int32_t(std::clamp(std::floor(minY), 0.0, double(height_)));
    cover.bottom = int32_t(std::clamp(std::ceil(maxY) + 1, 0.0, double(height_)));
    if (cover.top >= cover.bottom || width_ == 0) return cover;

    const int32_t rows = cover.bottom - cover.top;
    cairo_surface_t* a8 = cairo_image_surface_create(CAIRO_FORMAT_A8, width_, rows);
    if (cairo_surface_status(a8) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(a8);
        throw std::runtime_error("cannot rasterise a path on a " + std::to_string(width_) + "x" +
                                 std::to_string(rows) + " mask");
    }
    cairo_t* cr = cairo_create(a8);
    cairo_translate(cr, 0, -cover.top);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, mode == FillMode::Winding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    const auto& pts = p.points();
    const auto& types = p.types();
    for (size_t i = 0; i < pts.size(); ++i) {
        const uint8_t type = types[i] & kTypeMask;
        if (type == PT_MOVETO) {
            cairo_move_to(cr, tame(pts[i].x), tame(pts[i].y));
        } else if (type == PT_BEZIERTO && i + 2 < pts.size()) {
            cairo_curve_to(cr, tame(pts[i].x), tame(pts[i].y), tame(pts[i + 1].x), tame(pts[i + 1].y),
                           tame(pts[i + 2].x), tame(pts[i + 2].y));
            i += 2;
        } else {
            cairo_line_to(cr, tame(pts[i].x), tame(pts[i].y));
        }
        if (types[i] & PT_CLOSEFIGURE) cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(a8);
    const uint8_t* data = cairo_image_surface_get_data(a8);
    const int stride = cairo_image_surface_get_stride(a8);
    cover.mask.resize(size_t(rows) * size_t(width_));
    for (int32_t y = 0; y < rows; ++y)
        std::copy_n(data + ptrdiff_t(y) * stride, width_, cover.mask.begin() + ptrdiff_t(y) * width_);
    cairo_surface_destroy(a8);
    return cover;
}

void Canvas::paintCoverage(const Coverage& cover, ColorRef color) {
    if (cover.mask.empty()) return;
    flushPixels();
    const uint32_t native = toNative(color);
    for (int32_t y = cover.top; y < cover.bottom; ++y) {
        const uint8_t* inside = cover.mask.data() + size_t(y - cover.top) * size_t(width_);
        uint32_t* line = row(y);
        for (int32_t x = 0; x < width_; ++x)
            if (inside[x] && clipAllows(x, y)) line[x] = native;
    }
    markPixelsDirty();
}

void Canvas::fillGdiPath(const GdiPath& p, FillMode mode, ColorRef color) { paintCoverage(rasterize(p, mode), color); }

void Canvas::strokeFlat(const GdiPath& flat, uint32_t native, bool closeAll) {
    const auto& pts = flat.points();
    const auto& types = flat.types();
    Point start, from;
    bool open = false;
    for (size_t i = 0; i < pts.size(); ++i) {
        const Point to = roundedPoint(pts[i]);
        // A path that does not begin with a move-to starts its first figure at its first point.
        if ((types[i] & kTypeMask) == PT_MOVETO || i == 0) {
            if (open && closeAll) plotLine(from, start, native);
            start = to;
            open = true;
        } else {
            plotLine(from, to, native);
        }
        from = to;
        if (types[i] & PT_CLOSEFIGURE) {
            plotLine(from, start, native);
            open = false;
        }
    }
    if (open && closeAll) plotLine(from, start, native);
}

GdiPath Canvas::takePath() {
    // The old path functions ended an open bracket and left no path behind them.
    recording_ = false;
    GdiPath taken = std::move(path_);
    path_.clear();
    return taken;
}

void Canvas::fillPath(ColorRef brush) {
    fillGdiPath(takePath(), fillMode_, brush);
    notifyChanged();
}

void Canvas::strokeAndFillPath(ColorRef pen, ColorRef brush) {
    GdiPath p = takePath();
    fillGdiPath(p, fillMode_, brush);
    p.flatten();
    flushPixels();
    strokeFlat(p, toNative(pen), true);
    markPixelsDirty();
    notifyChanged();
}

void Canvas::selectClipPath() {
    const Coverage cover = rasterize(takePath(), fillMode_);
    clip_.assign(size_t(width_) * size_t(height_), 0);
    if (!cover.mask.empty())
        std::copy(cover.mask.begin(), cover.mask.end(), clip_.begin() + ptrdiff_t(cover.top) * width_);
}

// Visits every canvas pixel the bitmap placed at (x, y) covers, with the bitmap's BGR bytes.
template <class Op>
void Canvas::blit(int32_t x, int32_t y, const Bitmap& bitmap, Op&& op) {
    const Overlap o = overlap(x, y, bitmap.width, usableRows(bitmap), width_, height_);
    if (!o.empty()) {
        flushPixels();
        for (int32_t cy = o.top; cy < o.bottom; ++cy) {
            const uint8_t* src = bitmap.bgr.data() + (size_t(cy - y) * size_t(bitmap.width) + size_t(o.left - x)) * 3;
            uint32_t* line = row(cy);
            for (int32_t cx = o.left; cx < o.right; ++cx, src += 3) op(cx, cy, line[cx], nativeFromBgr(src));
        }
        markPixelsDirty();
    }
    notifyChanged();
}

void Canvas::drawBitmap(int32_t x, int32_t y, const Bitmap& bitmap) {
    blit(x, y, bitmap, [this](int32_t cx, int32_t cy, uint32_t& dst, uint32_t src) {
        if (clipAllows(cx, cy)) dst = src;
    });
}

// The old source-AND raster operation; like it, it ignores the clip.
void Canvas::andBitmap(int32_t x, int32_t y, const Bitmap& bitmap) {
    blit(x, y, bitmap, [](int32_t, int32_t, uint32_t& dst, uint32_t src) { dst &= src; });
}

void Canvas::fillHatch(const Rect& r, HatchStyle style, ColorRef lineColor, ColorRef backColor) {
    const int32_t left = std::max(r.left, 0), right = std::min(r.right, width_);
    const int32_t top = std::max(r.top, 0), bottom = std::min(r.bottom, height_);
    if (left < right && top < bottom) {
        flushPixels();
        const uint32_t line = toNative(lineColor), back = toNative(backColor);
        for (int32_t y = top; y < bottom; ++y) {
            uint32_t* pixels = row(y);
            for (int32_t x = left; x < right; ++x)
                if (clipAllows(x, y)) pixels[x] = onHatchLine(style, x, y) ? line : back;
        }
        markPixelsDirty();
    }
    notifyChanged();
}

Bitmap Canvas::toBitmap() const {
    Bitmap b{width_, height_, std::vector<uint8_t>(size_t(width_) * size_t(height_) * 3)};
    for (int32_t y = 0; y < height_; ++y) copyRowBgr(y, b.bgr.data() + size_t(y) * size_t(width_) * 3);
    return b;
}

void Canvas::copyRowBgr(int32_t y, uint8_t* out) const {
    flushPixels();
    packBgrRow(row(y), out, width_);
}

// Replaces the picture as a whole, like handing the view a new bitmap: the clip does not apply.
void Canvas::setFromBitmap(const Bitmap& bitmap) {
    const Overlap o = overlap(0, 0, bitmap.width, usableRows(bitmap), width_, height_);
    if (!o.empty()) {
        flushPixels();
        for (int32_t y = 0; y < o.bottom; ++y) {
            unpackBgrRow(bitmap.bgr.data() + size_t(y) * size_t(bitmap.width) * 3, row(y), o.right);
        }
        markPixelsDirty();
    }
    notifyChanged();
}

}  // namespace vortel
