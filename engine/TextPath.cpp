#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "engine/FontFX.h"
#include "engine/Helpers.h"

namespace vortel {

// Program-wide in the desktop program, which renders on one thread; each render thread of a batch
// keeps its own.
FringeToggle& starToggle() {
    thread_local FringeToggle toggle;
    return toggle;
}

FringeToggle& curlToggle() {
    thread_local FringeToggle toggle;
    return toggle;
}

void resetRenderMemory() {
    starToggle() = FringeToggle{};
    curlToggle() = FringeToggle{};
    lastBevelEnabled() = false;
}

namespace {

constexpr uint8_t kTypeMask = static_cast<uint8_t>(~PT_CLOSEFIGURE);
// Straight segments shorter than this stay lines when the outline is smoothed.
constexpr double kMinSmoothedSegment = 5;

int32_t saturate(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

double distance(Point a, Point b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }

// Random(n) of the runtime: the generator always advances; a range of 0 (or a negative strength,
// which the panels never produce) yields 0.
int64_t randomBelow(Random& rng, int64_t n) {
    return rng.below(n > 0 && n <= std::numeric_limits<uint32_t>::max() ? uint32_t(n) : 0u);
}

// Control points on either side of `corner` for a smooth curve through prev -> corner -> next.
// The tangent follows the chord prev -> next and each handle is a sixth of that chord long, which
// is the Catmull-Rom curve written as Béziers; a handle is held to a third of its own side so that
// a short side next to a long one cannot overshoot into a loop.
struct CornerHandles {
    Point before, after;
};
CornerHandles cornerHandles(Point prev, Point corner, Point next) {
    const double tx = double(next.x) - prev.x, ty = double(next.y) - prev.y;
    const double chord = std::hypot(tx, ty);
    if (chord == 0) return {corner, corner};
    const auto handle = [&](Point side, double sign) {
        const double length = std::min(chord / 6, distance(corner, side) / 3);
        return Point{saturate(corner.x + roundEven(sign * tx / chord * length)),
                     saturate(corner.y + roundEven(sign * ty / chord * length))};
    };
    return {handle(prev, -1), handle(next, 1)};
}

// Adds one outline figure to the path with the fringe of the engine's parameters. The start and
// line handlers are picked once, as member pointers, when the builder is made.
class FringePath {
public:
    FringePath(Canvas& dc, const FringeParams& fringe);
    void start(Point p);
    void line(Point p);
    void bezier(Point c1, Point c2, Point end);
    void close();

private:
    using Handler = void (FringePath::*)(Point);
    void plainStart(Point p) { dc_.moveTo(p.x, p.y); }
    void plainLine(Point p) { dc_.lineTo(p.x, p.y); }
    void fringeStart(Point p);
    void starLine(Point p);
    void jitterLine(Point p);
    void curlLine(Point p);
    void randomBezierLine(Point p);
    void smoothStart(Point p);
    void smoothLine(Point p) { run_.push_back(p); }
    void flushRun(bool wrap);
    void runSegment(size_t from, size_t to, bool wrap, bool curved);

    Canvas& dc_;
    const FringeParams& fringe_;
    Random rng_;
    Handler start_ = &FringePath::plainStart;
    Handler line_ = &FringePath::plainLine;
    bool smoothing_ = false;
    bool open_ = false;
    Point previous_;
    // Smoothing: the corners since the figure's start (or since a Bézier broke the figure), the
    // first of them already at the pen; `runIsFigure_` when they are the whole figure so far.
    std::vector<Point> run_;
    bool runIsFigure_ = false;
};

FringePath::FringePath(Canvas& dc, const FringeParams& fringe)
    : dc_(dc), fringe_(fringe), rng_(static_cast<uint32_t>(fringe.FringeSeed)) {
    const bool strength = fringe.FringeX != 0 || fringe.FringeY != 0;
    if (fringe.OutlineStep == 100 && fringe.FringeKind == 2 && strength) {
        smoothing_ = true;
        start_ = &FringePath::smoothStart;
        line_ = &FringePath::smoothLine;
        return;
    }
    if (fringe.OutlineStep == 100 || !strength) return;
    start_ = &FringePath::fringeStart;
    switch (fringe.FringeKind) {
        case 0: line_ = &FringePath::starLine; break;
        case 1:
        case 4: line_ = &FringePath::jitterLine; break;
        case 2: line_ = &FringePath::curlLine; break;
        case 3: line_ = &FringePath::randomBezierLine; break;
        default: break;
    }
}

void FringePath::start(Point p) {
    close();
    open_ = true;
    (this->*start_)(p);
}

// A figure that lacks its move-to starts at its first point, so no handler works from a stale
// previous point.
void FringePath::line(Point p) {
    if (!open_) return start(p);
    (this->*line_)(p);
}

// The fringe leaves curve points alone; the next segment starts where the curve ends.
void FringePath::bezier(Point c1, Point c2, Point end) {
    if (!open_) start(c1);
    if (smoothing_) flushRun(false);
    dc_.bezierTo(c1, c2, end);
    previous_ = end;
    run_.assign(1, end);
    runIsFigure_ = false;
}

void FringePath::close() {
    if (!open_) return;
    if (smoothing_) flushRun(runIsFigure_);
    dc_.closeFigure();
    open_ = false;
}

void FringePath::fringeStart(Point p) {
    dc_.moveTo(p.x, p.y);
    previous_ = p;
}

void FringePath::starLine(Point p) {
    const int64_t f = starToggle().next();
    const int64_t x = p.x + int64_t(fringe_.FringeX) * f * (p.y != previous_.y);
    const int64_t y = p.y + int64_t(fringe_.FringeY) * f * (p.x != previous_.x);
    dc_.lineTo(saturate(x), saturate(y));
    previous_ = p;
}

void FringePath::jitterLine(Point p) {
    const int32_t X = fringe_.FringeX, Y = fringe_.FringeY;
    for (int i = 0; i < fringe_.FringeKind; ++i) {
        const int64_t x = p.x + int64_t(X / 2) - randomBelow(rng_, X);
        const int64_t y = p.y + int64_t(Y / 2) - randomBelow(rng_, Y);
        dc_.lineTo(saturate(x), saturate(y));
    }
    previous_ = p;
}

// The curl toggle's factor (1, 0, -1, 0, ...) scales the offset, so the curls alternate sides
// with a straight stretch between them: a wave rather than a row of equal hooks.
void FringePath::curlLine(Point p) {
    if (double(fringe_.OutlineStep) * 50 > 80 * distance(previous_, p)) return;
    const int64_t f = curlToggle().next();
    const double dx = double(p.x) - previous_.x, dy = double(p.y) - previous_.y;
    // The direction is measured from the vertical: a segment without vertical extent is +-pi/2.
    const double angle = dy != 0 ? std::atan(dx / dy) : (dx < 0 ? -std::numbers::pi / 2 : std::numbers::pi / 2);
    const Point offset{saturate(previous_.x + fringe_.FringeX * f), saturate(previous_.y + fringe_.FringeY * f)};
    const Point control = rotateScalePoint(offset, previous_, angle, 1.0);
    dc_.bezierTo(control, control, p);
    previous_ = p;
}

void FringePath::randomBezierLine(Point p) {
    const int64_t X = fringe_.FringeX, Y = fringe_.FringeY;
    const int64_t cx = p.x + X - randomBelow(rng_, 2 * X);
    const int64_t cy = p.y + Y - randomBelow(rng_, 2 * Y);
    const Point control{saturate(cx), saturate(cy)};
    dc_.bezierTo(control, control, p);
    previous_ = p;
}

void FringePath::smoothStart(Point p) {
    dc_.moveTo(p.x, p.y);
    run_.assign(1, p);
    runIsFigure_ = true;
}

// Every curve needs both neighbours of its two corners, and the first segments' neighbours are
// the figure's last corners, so the whole figure is held back until it closes. A run cut short
// by a Bézier is treated as open: its end corners are their own outer neighbours.
void FringePath::flushRun(bool wrap) {
    if (wrap && run_.size() > 1 && run_.back() == run_.front()) run_.pop_back();
    const size_t n = run_.size();
    for (size_t i = 1; i < n; ++i) runSegment(i - 1, i, wrap, distance(run_[i - 1], run_[i]) >= kMinSmoothedSegment);
    if (wrap && n > 1) runSegment(n - 1, 0, true, true);
    run_.clear();
}

void FringePath::runSegment(size_t from, size_t to, bool wrap, bool curved) {
    const Point a = run_[from], b = run_[to];
    if (!curved) return dc_.lineTo(b.x, b.y);
    const size_t n = run_.size();
    const auto neighbour = [&](size_t i, bool forward) {
        if (wrap) return run_[forward ? (i + 1) % n : (i + n - 1) % n];
        return run_[forward ? std::min(i + 1, n - 1) : (i == 0 ? 0 : i - 1)];
    };
    const Point c1 = cornerHandles(neighbour(from, false), a, b).after;
    const Point c2 = cornerHandles(a, b, neighbour(to, true)).before;
    dc_.bezierTo(c1, c2, b);
}

}  // namespace

// The walk reads the outline only through the bounds of its arrays, so a count that runs past
// them, or a Bézier without its two further points, cannot read beyond the end.
void TFontFX::BuildTextPath(Canvas& dc) {
    const size_t n = std::min({size_t(std::max(NumOutlinePoints, 0)), OutlinePoints.size(), OutlineTypes.size()});
    FringePath path(dc, Fringe);
    dc.beginPath();
    for (size_t i = 0; i < n; ++i) {
        const Point p = OutlinePoints[i];
        bool closes = OutlineTypes[i] & PT_CLOSEFIGURE;
        switch (OutlineTypes[i] & kTypeMask) {
            case PT_MOVETO: path.start(p); break;
            case PT_LINETO: path.line(p); break;
            case PT_BEZIERTO:
                // A curve whose points end the outline closes the figure with a straight line.
                if (i + 3 >= n) {
                    closes = true;
                    break;
                }
                path.bezier(p, OutlinePoints[i + 1], OutlinePoints[i + 2]);
                closes = closes || ((OutlineTypes[i + 1] | OutlineTypes[i + 2]) & PT_CLOSEFIGURE);
                i += 2;
                break;
            default: break;
        }
        if (closes) path.close();
    }
    path.close();
    dc.endPath();
}

}  // namespace vortel
