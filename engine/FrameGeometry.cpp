#include "engine/FrameGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vortel {

int32_t clampFrame(FrameParams& frame, int32_t width, int32_t height) {
    frame.FramePoints = std::clamp(frame.FramePoints, 3, 999);
    // A negative depth would put the inner rectangle outside the picture.
    frame.FrameWidth = std::max(0, std::min({frame.FrameWidth, height / 2, width / 2}));
    return frame.FrameWidth;
}

int32_t frameRandom(Random& rng, int32_t n) { return n <= 0 ? 0 : int32_t(rng.below(uint32_t(n))); }

int32_t frameJitter(Random& rng, int32_t w) { return frameRandom(rng, w) - w / 2; }

namespace {

int32_t halfWay(int32_t from, int32_t to) { return from + (to - from) / 2; }

Point midPoint(Point a, Point b) { return {halfWay(a.x, b.x), halfWay(a.y, b.y)}; }

Point jittered(Point p, Random& rng, int32_t w) {
    const int32_t dx = frameJitter(rng, w);
    return {p.x + dx, p.y + frameJitter(rng, w)};
}

}  // namespace

std::vector<FramePoint> framePoints(int32_t W, int32_t H, int32_t w, int32_t n, Random& rng) {
    // 64-bit: a one-row picture of the largest size would overflow the hundredths of a pixel.
    const int64_t d = std::min<int64_t>(int64_t(W) + H - 4 * int64_t(w), INT32_MAX / 200) * 200 / n;
    const int64_t topEnd = W - 2 * w, rightEnd = W + H - 4 * w, bottomEnd = 2 * W + H - 6 * w;
    const Point corners[4] = {{0, 0}, {W, 0}, {W, H}, {0, H}};
    bool cornerTaken[4] = {true, false, false, false};
    std::vector<FramePoint> points(static_cast<size_t>(n));
    Point prev{0, 0};
    for (int32_t e = 1; e <= n; ++e) {
        const int64_t pos = (frameRandom(rng, int32_t(d)) + e * d - d / 2) / 100;
        FramePoint& p = points[size_t(e - 1)];
        int side;
        if (pos < topEnd) {
            side = 0;
            p.inner = {int32_t(pos + w), w};
            p.outer = {halfWay(prev.x, p.inner.x), 0};
        } else if (pos < rightEnd) {
            side = 1;
            p.inner = {W - w, int32_t(pos - topEnd + w)};
            p.outer = {W, halfWay(prev.y, p.inner.y)};
        } else if (pos < bottomEnd) {
            side = 2;
            p.inner = {int32_t(2 * W + H - 4 * w - pos - w), H - w};
            p.outer = {halfWay(prev.x, p.inner.x), H};
        } else {
            side = 3;
            p.inner = {w, int32_t(2 * W + 2 * H - 6 * w - pos - w)};
            p.outer = {0, halfWay(prev.y, p.inner.y)};
        }
        // Handing each side's first point the corner before it keeps the corners filled.
        if (e == 1) {
            p.outer = corners[0];
        } else if (!cornerTaken[side]) {
            p.outer = corners[side];
        }
        cornerTaken[side] = true;
        prev = p.inner;
    }
    return points;
}

std::vector<FrameOp> frameLine(uint8_t kind, const std::vector<FramePoint>& pts, int32_t w, Random& rng) {
    std::vector<FrameOp> ops;
    const size_t n = pts.size();
    if (n == 0) return ops;
    switch (kind) {
        case 14:  // spikes: straight lines outer, inner, outer, ...
            ops.push_back({FrameOp::Move, {}, {}, pts[0].outer});
            ops.push_back({FrameOp::Line, {}, {}, pts[0].inner});
            for (size_t i = 1; i < n; ++i) {
                ops.push_back({FrameOp::Line, {}, {}, pts[i].outer});
                ops.push_back({FrameOp::Line, {}, {}, pts[i].inner});
            }
            break;
        case 15:  // inner to inner, pulled by the last inner point and by the border point between
            ops.push_back({FrameOp::Move, {}, {}, pts[0].inner});
            for (size_t i = 1; i <= n; ++i) {
                const Point c1 = jittered(pts[i - 1].inner, rng, w);
                const Point c2 = jittered(pts[i % n].outer, rng, w);
                ops.push_back({FrameOp::Bezier, c1, c2, pts[i % n].inner});
            }
            break;
        case 16:  // border to border, both pulls near the inner point between: rounded tongues
            ops.push_back({FrameOp::Move, {}, {}, pts[0].outer});
            for (size_t i = 0; i < n; ++i) {
                const Point c1 = jittered(pts[i].inner, rng, w);
                const Point c2 = jittered(pts[i].inner, rng, w);
                ops.push_back({FrameOp::Bezier, c1, c2, pts[(i + 1) % n].outer});
            }
            break;
        case 17: {  // wave through the mid-points, each bent by the frame point between them
            std::vector<Point> seq;
            for (const FramePoint& p : pts) {
                seq.push_back(p.outer);
                seq.push_back(p.inner);
            }
            // Starting half-way between the last inner point and the first (corner) point lets the
            // wave close where it began without a kink.
            ops.push_back({FrameOp::Move, {}, {}, midPoint(seq.back(), seq.front())});
            for (size_t k = 0; k < seq.size(); ++k)
                ops.push_back({FrameOp::Bezier, seq[k], seq[k], midPoint(seq[k], seq[(k + 1) % seq.size()])});
            break;
        }
        default:
            break;
    }
    return ops;
}

namespace {

PointF toF(Point p) { return {double(p.x), double(p.y)}; }

double dist(PointF a, PointF b) { return std::hypot(b.x - a.x, b.y - a.y); }

void addBezier(std::vector<PointF>& line, PointF p0, PointF p1, PointF p2, PointF p3) {
    // About one chord every 3 pixels of control polygon: finer than the soft edge can show.
    const double length = dist(p0, p1) + dist(p1, p2) + dist(p2, p3);
    const int steps = std::clamp(int(length / 3.0) + 1, 2, 64);
    for (int s = 1; s <= steps; ++s) {
        const double t = double(s) / steps, u = 1.0 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        line.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
}

}  // namespace

std::vector<std::vector<PointF>> flattenFrameLine(const std::vector<FrameOp>& ops) {
    std::vector<std::vector<PointF>> lines;
    for (const FrameOp& op : ops) {
        if (op.kind == FrameOp::Move || lines.empty()) {
            lines.push_back({toF(op.end)});
            continue;
        }
        std::vector<PointF>& line = lines.back();
        if (op.kind == FrameOp::Line)
            line.push_back(toF(op.end));
        else
            addBezier(line, line.back(), toF(op.c1), toF(op.c2), toF(op.end));
    }
    return lines;
}

}  // namespace vortel
