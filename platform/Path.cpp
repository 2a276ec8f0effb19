#include "platform/Path.h"

#include <algorithm>
#include <cmath>

namespace vortel {

namespace {

constexpr uint8_t kTypeMask = static_cast<uint8_t>(~PT_CLOSEFIGURE);

PointF mid(PointF a, PointF b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

double distanceToSegment(PointF p, PointF a, PointF b) {
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * vx), p.y - (a.y + t * vy));
}

struct Cubic {
    PointF p0, c1, c2, p3;
};

// The curve lies inside the hull of its control points, and the distance to the chord is convex,
// so once both controls are within tolerance of the chord every point of the curve is too.
bool flatEnough(const Cubic& c, double tolerance) {
    return distanceToSegment(c.c1, c.p0, c.p3) <= tolerance && distanceToSegment(c.c2, c.p0, c.p3) <= tolerance;
}

// Depth cap keeps degenerate input (NaN, huge coordinates) from subdividing forever.
constexpr int kMaxDepth = 16;

void flattenCubic(const Cubic& curve, double tolerance, std::vector<PointF>& out) {
    struct Item {
        Cubic c;
        int depth;
    };
    std::vector<Item> stack{{curve, 0}};
    while (!stack.empty()) {
        const Item item = stack.back();
        stack.pop_back();
        const Cubic& c = item.c;
        if (item.depth >= kMaxDepth || flatEnough(c, tolerance)) {
            out.push_back(c.p3);
            continue;
        }
        const PointF ab = mid(c.p0, c.c1), bc = mid(c.c1, c.c2), cd = mid(c.c2, c.p3);
        const PointF abc = mid(ab, bc), bcd = mid(bc, cd), m = mid(abc, bcd);
        // The second half is pushed first so the first half is emitted first. It keeps the
        // original end point, so a flattened curve ends exactly where the curve does.
        stack.push_back({{m, bcd, cd, c.p3}, item.depth + 1});
        stack.push_back({{c.p0, ab, abc, m}, item.depth + 1});
    }
}

}  // namespace

void GdiPath::moveTo(PointF p) {
    points_.push_back(p);
    types_.push_back(PT_MOVETO);
}

void GdiPath::lineTo(PointF p) {
    points_.push_back(p);
    types_.push_back(PT_LINETO);
}

void GdiPath::bezierTo(PointF c1, PointF c2, PointF end) {
    points_.insert(points_.end(), {c1, c2, end});
    types_.insert(types_.end(), 3, PT_BEZIERTO);
}

void GdiPath::closeFigure() {
    if (!types_.empty()) types_.back() |= PT_CLOSEFIGURE;
}

void GdiPath::clear() {
    points_.clear();
    types_.clear();
}

void GdiPath::flatten(double tolerance) {
    if (!(tolerance > 0)) tolerance = 0.2;
    std::vector<PointF> points;
    std::vector<uint8_t> types;
    points.reserve(points_.size());
    types.reserve(types_.size());
    std::vector<PointF> curve;
    for (size_t i = 0; i < points_.size();) {
        const bool isBezier = (types_[i] & kTypeMask) == PT_BEZIERTO && i + 2 < points_.size();
        if (!isBezier) {
            // A truncated Bézier run degrades to straight lines rather than being dropped.
            const uint8_t kind = (types_[i] & kTypeMask) == PT_MOVETO ? PT_MOVETO : PT_LINETO;
            points.push_back(points_[i]);
            types.push_back(kind | (types_[i] & PT_CLOSEFIGURE));
            ++i;
            continue;
        }
        const PointF start = points.empty() ? points_[i] : points.back();
        curve.clear();
        flattenCubic({start, points_[i], points_[i + 1], points_[i + 2]}, tolerance, curve);
        const uint8_t close = (types_[i] | types_[i + 1] | types_[i + 2]) & PT_CLOSEFIGURE;
        for (const PointF& p : curve) {
            points.push_back(p);
            types.push_back(PT_LINETO);
        }
        types.back() |= close;
        i += 3;
    }
    points_ = std::move(points);
    types_ = std::move(types);
}

}  // namespace vortel
