#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/Geometry.h"
#include "platform/Numeric.h"

namespace vortel {

// The runtime's linear congruential generator: seed <- seed * 134775813 + 1 (mod 2^32).
class Random {
public:
    explicit Random(uint32_t seed = 0) : seed_(seed) {}
    uint32_t seed() const { return seed_; }
    // A value in 0 .. n-1: the high 32 bits of the advanced seed times n.
    uint32_t below(uint32_t n) { step(); return static_cast<uint32_t>((uint64_t(seed_) * n) >> 32); }
    // A real value in [0, 1): the advanced seed over 2^32.
    double real() { step(); return seed_ / 4294967296.0; }

private:
    void step() { seed_ = seed_ * 134775813u + 1u; }
    uint32_t seed_;
};

// Point arithmetic of the guide editor; saturates at the 32-bit range instead of overflowing.
inline int32_t saturate32(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
inline Point offsetPoint(Point p, Point d) { return {saturate32(int64_t(p.x) + d.x), saturate32(int64_t(p.y) + d.y)}; }
inline Point negatePoint(Point p) { return {saturate32(-int64_t(p.x)), saturate32(-int64_t(p.y))}; }

// Signed angle at `o` between o->a and o->b, in radians; 0 or pi for degenerate input, negated
// when the cross product is at least 1.
double signedAngle(Point o, Point a, Point b);

// Rotates `p` about `origin` by `angle` (radians; a positive angle turns counter-clockwise on screen in the
// y-down image) and scales its distance from `origin` by `scale`; each coordinate rounded.
Point rotateScalePoint(Point p, Point origin, double angle, double scale);

}  // namespace vortel
