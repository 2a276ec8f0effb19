#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/FontFX.h"
#include "engine/GuideWalk.h"
#include "platform/Numeric.h"

namespace vortel {

namespace {
// Points within this many pixels of the mouse can be picked.
constexpr double PickDistance = 10;

double distance(Point a, Point b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }

// Squared distances saturate far beyond any picture, where they can no longer decide anything.
constexpr int64_t FarAway = std::numeric_limits<int64_t>::max() / 4;
constexpr int64_t Unset = std::numeric_limits<int64_t>::max() / 2;

int64_t squaredDistance(int64_t x, int64_t y, Point m) {
    const __int128 dx = x - m.x, dy = y - m.y, d = dx * dx + dy * dy;
    return d > FarAway ? FarAway : static_cast<int64_t>(d);
}

// Squared distance from the mouse to the box spanned by a and b: no pixel of the walk from a to b
// can be nearer, so a segment whose box is no nearer than the best pixel so far can be passed over.
int64_t squaredBoxDistance(Point a, Point b, Point m) {
    const int64_t x = std::clamp<int64_t>(m.x, std::min(a.x, b.x), std::max(a.x, b.x));
    const int64_t y = std::clamp<int64_t>(m.y, std::min(a.y, b.y), std::max(a.y, b.y));
    return squaredDistance(x, y, m);
}
}  // namespace

bool TFontFX::guidesUsable() const {
    for (int g = 0; g < 4; ++g)
        if (NumGuidePoints[g] < 2 || GuidePoints[g].size() < NumGuidePoints[g]) return false;
    return true;
}

Point TFontFX::guideCorner(int corner) const {
    switch (corner) {
        case 0: return GuidePoints[0].front();
        case 1: return GuidePoints[0][NumGuidePoints[0] - 1];
        case 2: return GuidePoints[2][NumGuidePoints[2] - 1];
        default: return GuidePoints[2].front();
    }
}

void TFontFX::guidesEdited() {
    releaseTextMask();
    Modified = 1;
}

bool TFontFX::SelectGuide(Canvas& canvas, int mode, int32_t threshold, Point mouse) {
    // The walk visits pixels, so the best squared distance is a whole number; the first pixel that
    // reaches the overall minimum decides, as a running minimum lowered only on "nearer" would.
    auto guideLength = [this](int g) {
        return static_cast<int>(std::min<size_t>(NumGuidePoints[g], GuidePoints[g].size()));
    };
    // Every segment's walk starts on its first point, so the nearest such point bounds the answer:
    // farther pixels are never looked at, however long a segment is.
    int64_t bound = Unset;
    for (int g = 0; g < 4; ++g)
        for (int i = 0; i + 1 < guideLength(g); ++i)
            if (GuidePoints[g][i] != GuidePoints[g][i + 1])
                bound = std::min(bound, squaredDistance(GuidePoints[g][i].x, GuidePoints[g][i].y, mouse));
    int64_t best = Unset;
    int candidate = -1;
    for (int g = 0; g < 4; ++g) {
        const auto& pts = GuidePoints[g];
        for (int i = 0; i + 1 < guideLength(g); ++i) {
            const Point a = pts[i], b = pts[i + 1];
            const int64_t limit = std::min(best, bound + 1);
            if (squaredBoxDistance(a, b, mouse) >= limit) continue;
            // Only pixels whose major coordinate is within that distance can be nearer.
            const bool alongX = std::llabs(int64_t(b.x) - a.x) > std::llabs(int64_t(b.y) - a.y);
            const int64_t reach = static_cast<int64_t>(std::sqrt(double(limit))) + 1;
            const int64_t centre = alongX ? mouse.x : mouse.y;
            lineDDAWindow(a, b, centre - reach, centre + reach, [&](int32_t x, int32_t y, int64_t) {
                const int64_t d = squaredDistance(x, y, mouse);
                if (d < best) {
                    best = d;
                    candidate = g;
                    InsertAfterPoint = i;
                }
            });
        }
    }
    if (candidate >= 0 && std::sqrt(double(best)) < threshold) {
        SelectedGuide = static_cast<int16_t>(candidate);
        ShowGuide(canvas, mode, candidate + 1000);
        return true;
    }
    SelectedGuide = -1;
    return false;
}

bool TFontFX::SelectGuidePoint(Point mouse) {
    SelectedPoint = -1;
    SelectedPointGuide = -1;
    std::array<int, 4> order{0, 1, 2, 3};
    if (SelectedGuide >= 0 && SelectedGuide < 4) {
        std::rotate(order.begin(), order.begin() + SelectedGuide, order.begin() + SelectedGuide + 1);
    }
    double nearest = PickDistance;
    for (int g : order) {
        const auto& pts = GuidePoints[g];
        const int n = static_cast<int>(std::min<size_t>(NumGuidePoints[g], pts.size()));
        int best = -1;
        // The first run of points near the mouse decides; its nearest point (the first on ties) wins.
        for (int i = 0; i < n; ++i) {
            const double d = distance(pts[i], mouse);
            if (d < nearest) {
                nearest = d;
                best = i;
            }
            if (best < 0 || (d < PickDistance && i != n - 1)) continue;
            SelectedPoint = best;
            SelectedPointGuide = g;
            return true;
        }
    }
    return false;
}

int TFontFX::IsMouseNaheEckpunkt(Point mouse) const {
    if (!guidesUsable()) return -1;
    const std::array<Point, 6> handles{guideCorner(0), guideCorner(1), guideCorner(2),
                                       guideCorner(3), RotationCenter, RotationHandle};
    int nearest = -1;
    int32_t best = 1000;
    for (int h = 0; h < 6; ++h) {
        const int32_t d = roundEven32(distance(handles[h], mouse));
        if (d < best) {
            best = d;
            nearest = h;
        }
    }
    return best <= PickDistance ? nearest : -1;
}

bool TFontFX::AddGuidePoint(Point mouse) {
    if (SelectedGuide < 0 || SelectedGuide > 3) return false;
    const int g = SelectedGuide;
    const int32_t n = NumGuidePoints[g];
    // The count is 16 bits wide: a full guide takes no more points.
    if (InsertAfterPoint < 0 || InsertAfterPoint >= n - 1 || n >= std::numeric_limits<uint16_t>::max() ||
        GuidePoints[g].size() < size_t(n))
        return false;
    SetUndoRecord(7, g, InsertAfterPoint + 1);
    auto& pts = GuidePoints[g];
    resizeGuide(g, size_t(n) + 1, "Zu wenig Speicher Add() GuidePoints[SelectedGuide]=nil");
    std::move_backward(pts.begin() + InsertAfterPoint + 1, pts.begin() + n, pts.begin() + n + 1);
    pts[InsertAfterPoint + 1] = mouse;
    NumGuidePoints[g] = static_cast<uint16_t>(n + 1);
    guidesEdited();
    return true;
}

bool TFontFX::DeleteSelectedGuidePoint() {
    if (SelectedPointGuide < 0 || SelectedPointGuide > 3) return false;
    const int g = SelectedPointGuide;
    const int32_t n = NumGuidePoints[g], p = SelectedPoint;
    if (p <= 0 || p >= n - 1 || GuidePoints[g].size() < size_t(n)) return false;
    auto& pts = GuidePoints[g];
    SetUndoRecord(8, g, p, 0, pts[p]);
    std::move(pts.begin() + p + 1, pts.begin() + n, pts.begin() + p);
    resizeGuide(g, size_t(n) - 1, "Zu wenig Speicher GuidePoints[SelectedPointGuide]=nil");
    NumGuidePoints[g] = static_cast<uint16_t>(n - 1);
    guidesEdited();
    return true;
}

bool TFontFX::DecreaseGuidePoints() {
    if (SelectedGuide < 0 || SelectedGuide > 3) return false;
    const int g = SelectedGuide;
    const int32_t n = NumGuidePoints[g];
    if (n < 3 || GuidePoints[g].size() < size_t(n)) return false;
    SetUndoRecord(1, g);
    auto& pts = GuidePoints[g];
    const int32_t m = n / 2;
    const Point last = pts[n - 1];
    for (int32_t k = 1; k < m; ++k) pts[k] = pts[2 * k];
    pts[m] = last;
    resizeGuide(g, size_t(m) + 1, "Zu wenig Speicher GuidePoints[SelectedGuide]=nil");
    NumGuidePoints[g] = static_cast<uint16_t>(m + 1);
    SetNachbarPoints(g);
    guidesEdited();
    return true;
}

bool TFontFX::StraightenGuide() {
    if (SelectedGuide < 0 || SelectedGuide > 3) return false;
    const int g = SelectedGuide;
    const int32_t n = NumGuidePoints[g];
    if (n < 2 || GuidePoints[g].size() < size_t(n)) return false;
    SetUndoRecord(1, g);
    GuidePoints[g][1] = GuidePoints[g][n - 1];
    resizeGuide(g, 2, "Zu wenig Speicher GuidePoints[SelectedGuide]=nil");
    NumGuidePoints[g] = 2;
    SetNachbarPoints(g);
    guidesEdited();
    return true;
}

}  // namespace vortel
