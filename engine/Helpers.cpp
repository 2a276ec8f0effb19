#include "engine/Helpers.h"

#include <cmath>

namespace vortel {

double signedAngle(Point o, Point a, Point b) {
    const double ax = double(a.x) - o.x, ay = double(a.y) - o.y;
    const double bx = double(b.x) - o.x, by = double(b.y) - o.y;
    const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
    double angle;
    if (la == 0 || lb == 0) {
        angle = M_PI;
    } else {
        const double c = (ax * bx + ay * by) / (la * lb);
        angle = c > 1 ? 0 : c < -1 ? M_PI : std::acos(c);
    }
    if (ax * by - ay * bx >= 1) angle = -angle;
    return angle;
}

Point rotateScalePoint(Point p, Point origin, double angle, double scale) {
    const double dx = double(p.x) - origin.x, dy = double(p.y) - origin.y;
    const double c = std::cos(angle), s = std::sin(angle);
    return Point{origin.x + roundEven32(scale * (c * dx + s * dy)),
                 origin.y + roundEven32(scale * (c * dy - s * dx))};
}

}  // namespace vortel
