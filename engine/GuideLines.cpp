#include <algorithm>
#include <cmath>

#include "engine/FontFX.h"
#include "engine/Helpers.h"

namespace vortel {

void TFontFX::SetNachbarPoints(int guide) {
    auto first = [this](int g) -> Point& { return GuidePoints[g].front(); };
    auto last = [this](int g) -> Point& { return GuidePoints[g][NumGuidePoints[g] - 1]; };
    for (int g = 0; g < 4; ++g)
        if (NumGuidePoints[g] == 0 || GuidePoints[g].size() < NumGuidePoints[g]) return;
    switch (guide) {
        case 0: first(3) = first(0); first(1) = last(0); break;
        case 1: last(0) = first(1); last(2) = last(1); break;
        case 2: last(3) = first(2); last(1) = last(2); break;
        case 3: first(0) = first(3); first(2) = last(3); break;
        default: break;
    }
}

void TFontFX::GetMiddleOfGuides() {
    for (int g = 0; g < 4; ++g) {
        const auto& pts = GuidePoints[g];
        const int n = static_cast<int>(std::min<size_t>(NumGuidePoints[g], pts.size()));
        if (n < 2) continue;
        double total = 0;
        for (int i = 0; i + 1 < n; ++i) total += std::hypot(double(pts[i + 1].x) - pts[i].x, double(pts[i + 1].y) - pts[i].y);
        const double half = total / 2;
        double walked = 0;
        GuideMiddle[g] = pts[n - 1];
        for (int i = 0; i + 1 < n; ++i) {
            const double dx = double(pts[i + 1].x) - pts[i].x, dy = double(pts[i + 1].y) - pts[i].y;
            const double len = std::hypot(dx, dy);
            if (walked + len > half) {
                const double f = (half - walked) / len;
                GuideMiddle[g] = Point{roundEven32(pts[i].x + dx * f), roundEven32(pts[i].y + dy * f)};
                break;
            }
            walked += len;
        }
    }
}

bool TFontFX::MakeGuideParallel(int guide, bool mirror) {
    int target, source;
    Point anchor;
    double angle = 0, scale = 1;
    if (guide < -1 || guide > 3) return false;
    for (int g : {0, 2, (guide + 2) % 4, guide}) {
        if (g >= 0 && NumGuidePoints[g] < 1) return false;
    }
    if (guide == -1) {
        target = 2;
        source = 0;
        anchor = GuidePoints[0].front();
        anchor.y += ImageRect.height() / 3;
    } else {
        target = guide;
        source = (guide + 2) % 4;
        const Point p0 = GuidePoints[target].front(), pn = GuidePoints[target][NumGuidePoints[target] - 1];
        const Point q0 = GuidePoints[source].front(), qn = GuidePoints[source][NumGuidePoints[source] - 1];
        const double sourceLength = std::hypot(double(qn.x) - q0.x, double(qn.y) - q0.y);
        if (sourceLength == 0) return false;  // a source without direction cannot be copied
        scale = std::hypot(double(pn.x) - p0.x, double(pn.y) - p0.y) / sourceLength;
        angle = -signedAngle(p0, pn, Point{qn.x + p0.x - q0.x, qn.y + p0.y - q0.y});
        anchor = p0;
    }

    SetUndoRecord(1, target);
    const std::vector<Point> src(GuidePoints[source].begin(), GuidePoints[source].begin() + NumGuidePoints[source]);
    const Point q0 = src.front(), qn = src.back();
    resizeGuide(target, src.size(), "Zu wenig Speicher GuidePoints[SelectedGuide]=nil");
    NumGuidePoints[target] = NumGuidePoints[source];
    for (size_t i = 0; i < src.size(); ++i) {
        Point q = src[i];
        if (mirror) q = rotateScalePoint(q, q0, -2 * signedAngle(q0, qn, q), 1);
        q = rotateScalePoint(q, q0, angle, scale);
        GuidePoints[target][i] = Point{q.x + anchor.x - q0.x, q.y + anchor.y - q0.y};
    }
    SetNachbarPoints(0);
    SetNachbarPoints(2);
    return true;
}

}  // namespace vortel
