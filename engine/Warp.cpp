#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "engine/FontFX.h"
#include "platform/LineDDA.h"
#include "platform/Numeric.h"

namespace vortel {

namespace {

const char* const kTitleTooFew = VORTEL_TEXT("Messages", "Nicht genug Punkte!");

struct Box {
    double left, top, width, height;
};

// The outline's box with a 10-unit margin, so that every normalised coordinate lies inside (0, 1).
Box textBox(const std::vector<Point>& pts, int32_t n) {
    int64_t minX = 10000, minY = 10000, maxX = 0, maxY = 0;
    for (int32_t i = 0; i < n; ++i) {
        minX = std::min<int64_t>(minX, pts[i].x);
        minY = std::min<int64_t>(minY, pts[i].y);
        maxX = std::max<int64_t>(maxX, pts[i].x);
        maxY = std::max<int64_t>(maxY, pts[i].y);
    }
    return Box{double(minX - 10), double(minY - 10), double(maxX - minX + 21), double(maxY - minY + 21)};
}

std::vector<double> cumulativeLengths(const std::vector<Point>& curve) {
    std::vector<double> len(curve.size(), 0.0);
    for (size_t k = 1; k < curve.size(); ++k)
        len[k] = len[k - 1] + std::hypot(double(curve[k].x) - curve[k - 1].x, double(curve[k].y) - curve[k - 1].y);
    return len;
}

// Position along a distribution curve's length for a normalised coordinate t in (0, 1).
int32_t distribute(const std::vector<double>& len, double t) {
    const double s = t * double(len.size() - 1);
    const double k = std::floor(s);
    const size_t i = static_cast<size_t>(std::clamp(k, 0.0, double(len.size() - 2)));
    return roundEven32(len[i] + (len[i + 1] - len[i]) * (s - k));
}

// Guides far outside any image would overflow the tenth-of-a-pixel walk; they are refused like
// guides that are too long.
bool guidesWithinRange(const std::array<std::vector<Point>, 4>& guides, const std::array<uint16_t, 4>& counts) {
    constexpr int32_t limit = 10'000'000;
    for (int gi = 0; gi < 4; ++gi)
        for (int i = 0; i < counts[gi]; ++i)
            if (std::abs(guides[gi][i].x) > limit || std::abs(guides[gi][i].y) > limit) return false;
    return true;
}

double chordLength(Point a, Point b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }

}  // namespace

// Turns a side guide's dense list so that it runs straight down from y = 0 to y = sideLength10,
// keeping only its deviation from its own chord; the right side is moved to x = topWidth10.
static void straightenSide(std::vector<Point>& side, double sideLength10, int32_t xShift) {
    const Point b0 = side.front(), bn = side.back();
    const double l = double(roundEven(chordLength(b0, bn)));
    double s = sideLength10 / l;
    if (s == 0 || !std::isfinite(s)) s = 1;
    double a;
    if (bn.y > b0.y) a = std::atan(double(b0.x - bn.x) / double(bn.y - b0.y));
    else if (bn.y < b0.y) a = std::atan(double(b0.x - bn.x) / double(bn.y - b0.y)) + M_PI;
    else a = b0.x < bn.x ? -M_PI / 2 : M_PI / 2;
    const double c = std::cos(a), sn = std::sin(a);
    for (size_t i = 1; i < side.size(); ++i) {
        const double dx = double(side[i].x) - b0.x, dy = double(side[i].y) - b0.y;
        side[i] = Point{roundEven32(s * (c * dx + sn * dy) + xShift), roundEven32(s * (c * dy - sn * dx))};
    }
    side[0] = Point{xShift, 0};
}

bool TFontFX::CalcVortel(int /*mode*/) {
    const auto& g = GuidePoints;
    auto firstOf = [&](int i) { return g[i].front(); };
    auto lastOf = [&](int i) { return g[i][NumGuidePoints[i] - 1]; };
    for (int i = 0; i < 4; ++i) {
        if (NumGuidePoints[i] < 2 || g[i].size() < NumGuidePoints[i]) {
            messages().messageBox(VORTEL_TEXT("Messages",
                                              "Fehler in Text-Begrenzungslinie.\rSie benötigen mindestens 2 Punkte für eine "
                                              "Text-Begrenzungslinie!\rBitte zeichnen Sie mit gedrückter Maustaste eine Linie."),
                                  kTitleTooFew, MessageIcon::Error);
            return false;
        }
    }
    if (!guidesWithinRange(g, NumGuidePoints)) {
        messages().messageBox(
            VORTEL_TEXT("Messages", "Die Text-Begrenzungslinien bestehen aus zuvielen Punkten. Bitte kürzen Sie diese."),
            VORTEL_TEXT("Messages", "Zuviele Punkte"), MessageIcon::Error);
        return false;
    }
    const double sideLength10 =
        10.0 * double(std::max(roundEven(chordLength(firstOf(1), lastOf(1))), roundEven(chordLength(firstOf(3), lastOf(3)))));
    const int32_t topWidth10 = roundEven32(10 * chordLength(firstOf(3), firstOf(1)));
    const Point origin = firstOf(0);

    // Dense lists: one point per tenth of a pixel along each guide, relative to the origin.
    std::array<std::vector<Point>, 4> bounds;
    const int64_t capacity = boundsPointsCapacity(ImageRect.width(), ImageRect.height());
    for (int gi = 0; gi < 4; ++gi) {
        const auto& pts = g[gi];
        int64_t count = 0;
        for (int i = 0; i + 1 < NumGuidePoints[gi]; ++i)
            count += lineDDACount(pts[i].x * 10, pts[i].y * 10, pts[i + 1].x * 10, pts[i + 1].y * 10);
        if (count > capacity) {
            messages().messageBox(
                VORTEL_TEXT("Messages", "Die Text-Begrenzungslinien bestehen aus zuvielen Punkten. Bitte kürzen Sie diese."),
                VORTEL_TEXT("Messages", "Zuviele Punkte"), MessageIcon::Error);
            return false;
        }
        auto& dense = bounds[gi];
        try {
            dense.reserve(static_cast<size_t>(count));
        } catch (const std::bad_alloc&) {
            return false;
        }
        for (int i = 0; i + 1 < NumGuidePoints[gi]; ++i)
            lineDDA(pts[i].x * 10, pts[i].y * 10, pts[i + 1].x * 10, pts[i + 1].y * 10, [&](int32_t x, int32_t y) {
                dense.push_back(Point{x - origin.x * 10, y - origin.y * 10});
            });
        if (static_cast<int64_t>(dense.size()) != count)
            messages().diagnostic("NumBoundsPoints[Guide]<>HilfGuide.Pos", count - static_cast<int64_t>(dense.size()));
    }

    // A frame without width, height or a walkable guide encloses nothing to warp into.
    const bool degenerate = topWidth10 == 0 || sideLength10 == 0 ||
                            std::any_of(bounds.begin(), bounds.end(), [](const auto& b) { return b.empty(); }) ||
                            roundEven(chordLength(bounds[1].front(), bounds[1].back())) == 0 ||
                            roundEven(chordLength(bounds[3].front(), bounds[3].back())) == 0;
    if (degenerate) {
        messages().messageBox(
            VORTEL_TEXT("Messages", "Fehler in Text-Begrenzungslinie.\rDie Begrenzungslinien schließen keine Fläche ein."),
            VORTEL_TEXT("Messages", "Fehler"), MessageIcon::Error);
        return false;
    }
    straightenSide(bounds[1], sideLength10, topWidth10);
    straightenSide(bounds[3], sideLength10, 0);

    const std::vector<double> horzLen = cumulativeLengths(HorzCurve), vertLen = cumulativeLengths(VertCurve);
    const int32_t n = NumOutlinePoints;
    auto& pts = OutlinePoints;

    // Pass 1: redistribute along the two distribution curves.
    Box box = textBox(pts, n);
    for (int32_t i = 0; i < n; ++i) {
        pts[i].x = distribute(horzLen, (pts[i].x - box.left) / box.width);
        pts[i].y = distribute(vertLen, (pts[i].y - box.top) / box.height);
    }

    // Pass 2: into the band between the straightened sides.
    box = textBox(pts, n);
    const auto& left = bounds[3];
    const auto& right = bounds[1];
    for (int32_t i = 0; i < n; ++i) {
        const double u = (pts[i].x - box.left) / box.width, v = (pts[i].y - box.top) / box.height;
        const Point l = left[std::clamp<int64_t>(roundEven(v * double(left.size() - 1)), 0, int64_t(left.size()) - 1)];
        const Point r = right[std::clamp<int64_t>(roundEven(v * double(right.size() - 1)), 0, int64_t(right.size()) - 1)];
        pts[i] = Point{roundEven32(l.x + u * (r.x - l.x)), roundEven32(l.y + u * (r.y - l.y))};
    }

    // Pass 3: between the upper and the lower guide; outside the side band along their chords.
    const auto& upper = bounds[0];
    const auto& lower = bounds[2];
    auto along = [](const std::vector<Point>& dense, double u) -> PointF {
        if (u >= 0 && u <= 1) {
            const Point p = dense[static_cast<size_t>(roundEven(u * double(dense.size() - 1)))];
            return PointF{double(p.x), double(p.y)};
        }
        const Point a = dense.front(), b = dense.back();
        return PointF{double(roundEven(a.x + u * (b.x - a.x))), double(roundEven(a.y + u * (b.y - a.y)))};
    };
    int32_t minX = std::numeric_limits<int32_t>::max(), minY = minX, maxX = std::numeric_limits<int32_t>::min(), maxY = maxX;
    for (int32_t i = 0; i < n; ++i) {
        const double u = pts[i].x / double(topWidth10), v = pts[i].y / sideLength10;
        const PointF t = along(upper, u), b = along(lower, u);
        pts[i] = Point{static_cast<int32_t>(roundEven(t.x + v * (b.x - t.x)) / 10) + origin.x,
                       static_cast<int32_t>(roundEven(t.y + v * (b.y - t.y)) / 10) + origin.y};
        minX = std::min(minX, pts[i].x);
        minY = std::min(minY, pts[i].y);
        maxX = std::max(maxX, pts[i].x);
        maxY = std::max(maxY, pts[i].y);
    }

    const int32_t imageH = ImageRect.height();
    WarpedBounds = n > 0 ? Rect{minX - 1, imageH - maxY - 1, maxX + 1, imageH - minY + 1} : emptyBounds();
    return true;
}

}  // namespace vortel
