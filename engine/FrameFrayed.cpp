#include <cmath>
#include <numbers>

#include "engine/FrameGeometry.h"
#include "engine/FramePaint.h"
#include "engine/FrameRaster.h"

namespace vortel {

namespace {

std::vector<PointF> imageRectangle(int32_t W, int32_t H) {
    return {{0, 0}, {double(W), 0}, {double(W), double(H)}, {0, double(H)}};
}

// A closed line around the rectangle inset by `depth`, one vertex every `step` pixels, each moved
// towards the border by offset(distance walked from the top-left corner); corner vertices move
// diagonally.
template <class Offset>
std::vector<PointF> displacedRectangle(int32_t W, int32_t H, double depth, double step, Offset&& offset) {
    const PointF corner[4] = {{depth, depth}, {W - depth, depth}, {W - depth, H - depth}, {depth, H - depth}};
    const PointF normal[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    std::vector<PointF> line;
    double walked = 0;
    for (int side = 0; side < 4; ++side) {
        const PointF a = corner[side], b = corner[(side + 1) % 4];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const int count = std::max(1, int(std::ceil(length / step)));
        for (int j = 0; j < count; ++j) {
            const double t = double(j) / count, off = offset(walked + t * length);
            PointF n = normal[side];
            if (j == 0) n = {n.x + normal[(side + 3) % 4].x, n.y + normal[(side + 3) % 4].y};
            line.push_back({a.x + (b.x - a.x) * t + n.x * off, a.y + (b.y - a.y) * t + n.y * off});
        }
        walked += length;
    }
    return line;
}

double insetPerimeter(int32_t W, int32_t H, double depth) { return 2.0 * (W + H - 4.0 * depth); }

// Torn paper: a slow seeded swell through FramePoints knots plus a fine random tear every few pixels.
std::vector<PointF> tornLine(int32_t W, int32_t H, const FrameParams& f, int32_t w) {
    Random rng(static_cast<uint32_t>(f.FrameSeed));
    const double depth = 0.55 * w, perimeter = std::max(1.0, insetPerimeter(W, H, depth));
    std::vector<double> knots(size_t(f.FramePoints));
    for (double& k : knots) k = rng.real() * 2.0 - 1.0;
    auto swell = [&](double s) {
        const double at = s / perimeter * double(knots.size());
        const size_t i = size_t(at) % knots.size();
        const double u = at - std::floor(at), smooth = u * u * (3 - 2 * u);
        return knots[i] + (knots[(i + 1) % knots.size()] - knots[i]) * smooth;
    };
    return displacedRectangle(W, H, depth, 2.5, [&](double s) {
        return w * (0.28 * swell(s) + 0.14 * (rng.real() * 2.0 - 1.0));
    });
}

std::vector<PointF> waveLine(int32_t W, int32_t H, const FrameParams& f, int32_t w) {
    const double depth = 0.5 * w, perimeter = std::max(1.0, insetPerimeter(W, H, depth));
    const double waveLength = perimeter / f.FramePoints;
    return displacedRectangle(W, H, depth, std::clamp(waveLength / 12.0, 1.0, 4.0), [&](double s) {
        return 0.4 * w * std::sin(2.0 * std::numbers::pi * s / waveLength);
    });
}

// The polygon frame's own line for `kind`, from the same seed and points.
std::vector<std::vector<PointF>> polygonFrameLine(int32_t W, int32_t H, const FrameParams& f, uint8_t kind, int32_t w) {
    Random rng(static_cast<uint32_t>(f.FrameSeed));
    const std::vector<FramePoint> points = framePoints(W, H, w, f.FramePoints, rng);
    return flattenFrameLine(frameLine(kind, points, w, rng));
}

// Fills the ring between the image border and `lines`; alpha(coverage, x, y) gives the opacity.
template <class Alpha>
void fillRing(FrameTarget& t, const std::vector<std::vector<PointF>>& lines, ColorRef color, Alpha&& alpha) {
    CoverageRaster raster(t.W, t.H);
    raster.addPolygon(imageRectangle(t.W, t.H));
    for (const std::vector<PointF>& line : lines) raster.addPolygon(line);
    raster.forEach([&](int32_t x, int32_t y, float coverage) { blendPixel(t.at(x, y), color, alpha(coverage, x, y)); });
}

// Nearest-border depth of a pixel centre over the frame width.
struct DepthScale {
    int32_t W, H;
    float w;
    float operator()(int32_t x, int32_t y) const {
        const float d = std::min({x + 0.5f, W - x - 0.5f, y + 0.5f, H - y - 0.5f});
        return std::min(1.0f, d / w);
    }
};

void drawTornPaper(FrameTarget& t, const FrameParams& f, int32_t w) {
    const std::vector<PointF> torn = tornLine(t.W, t.H, f, w);
    // The sheet lies a little above the picture: its shadow first, shifted down and right.
    const double shift = std::max(1.0, w / 10.0);
    std::vector<PointF> shadow = torn;
    for (PointF& p : shadow) p = {p.x + shift, p.y + shift};
    fillRing(t, {shadow}, 0, [](float c, int32_t, int32_t) { return 0.4f * c; });
    fillRing(t, {torn}, f.FrameColor, [](float c, int32_t, int32_t) { return c; });
}

}  // namespace

void drawFrayedFrame(FrameTarget& t, const FrameParams& f, int32_t w) {
    const DepthScale depth{t.W, t.H, float(w)};
    switch (f.FrameKind) {
        case 8:
            drawTornPaper(t, f, w);
            break;
        case 9:
            fillRing(t, {waveLine(t.W, t.H, f, w)}, f.FrameColor,
                     [&](float c, int32_t x, int32_t y) { return c * (1.0f - 0.75f * depth(x, y)); });
            break;
        case 10:
            fillRing(t, polygonFrameLine(t.W, t.H, f, 14, w), f.FrameColor, [&](float c, int32_t x, int32_t y) {
                const float d = depth(x, y);
                return c * (1.0f - 0.7f * d * d);
            });
            break;
        default:
            fillRing(t, polygonFrameLine(t.W, t.H, f, f.FrameKind, w), f.FrameColor,
                     [](float c, int32_t, int32_t) { return c; });
            break;
    }
}

}  // namespace vortel
