#pragma once
#include <cstdint>
#include <vector>

#include "engine/EffectParams.h"
#include "engine/Helpers.h"
#include "platform/Geometry.h"

namespace vortel {

// One frame point: `outer` on the image border, `inner` on the rectangle inset by the frame width.
struct FramePoint {
    Point outer;
    Point inner;
};

// One drawing step of the frame line, in the order a path bracket would receive it.
struct FrameOp {
    enum Kind : uint8_t { Move, Line, Bezier } kind;
    Point c1, c2, end;  // c1 and c2 only for Bezier
};

// Clamps the point count to 3..999 and the width to 0..half the smaller side, writing both back
// so that the panels show what is drawn; returns the width.
int32_t clampFrame(FrameParams& frame, int32_t width, int32_t height);

// Random(n) that tolerates the degenerate ranges of tiny images: n <= 0 gives 0.
int32_t frameRandom(Random& rng, int32_t n);

// Random(w) - w div 2: an offset in -w/2 .. w/2.
int32_t frameJitter(Random& rng, int32_t w);

// The n points jittered once around the inset rectangle, drawing one number per point.
std::vector<FramePoint> framePoints(int32_t width, int32_t height, int32_t w, int32_t n, Random& rng);

// The frame line of the frayed kinds 14..17 (empty for any other kind), drawing its jitter from
// `rng` after the points were placed.
std::vector<FrameOp> frameLine(uint8_t kind, const std::vector<FramePoint>& points, int32_t w, Random& rng);

// The frame line as closed polylines: Béziers split into short chords, one polyline per figure.
std::vector<std::vector<PointF>> flattenFrameLine(const std::vector<FrameOp>& ops);

}  // namespace vortel
