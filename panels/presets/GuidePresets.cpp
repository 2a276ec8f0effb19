// The 30 deformation presets of the Deform page: each replaces the upper and the lower guide with a
// shape fitted to the image, and the side guides follow their ends.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "panels/presets/Panels.h"
#include "platform/Numeric.h"

namespace vortel::presets {
namespace {

using std::numbers::pi;

// The inner rectangle every preset is fitted to: a margin of 3 % of the width on all four sides.
struct Inner {
    int32_t left, top, width, height;
    Point at(double fx, double fy) const {
        return Point{left + roundEven32(width * fx), top + roundEven32(height * fy)};
    }
};

Inner innerOf(const Rect& image) {
    const int32_t margin = roundEven32(image.width() * 3 / 100.0);
    return Inner{margin, margin, image.width() - 2 * margin, image.height() - 2 * margin};
}

// One of our own shapes: the upper and lower guide as fractions of the inner rectangle, sampled at
// `points` evenly spaced parameters t in [0, 1]; x(t) defaults to t.
struct Shape {
    int points = 2;
    std::function<double(double)> upper, lower;
    std::function<double(double)> upperX = [](double t) { return t; };
    std::function<double(double)> lowerX = [](double t) { return t; };
};

std::vector<Point> sample(const Inner& r, int points, const std::function<double(double)>& fx,
                          const std::function<double(double)>& fy) {
    std::vector<Point> out;
    for (int i = 0; i < points; ++i) {
        const double t = double(i) / (points - 1);
        out.push_back(r.at(fx(t), fy(t)));
    }
    return out;
}

double smoothStep(double t) { return t * t * (3 - 2 * t); }

// A line from (x0, y0) to (x1, y1) in fractions of the inner rectangle, as a two-point shape.
Shape straight(double ux0, double uy0, double ux1, double uy1, double lx0, double ly0, double lx1, double ly1) {
    Shape s;
    s.upper = [=](double t) { return uy0 + (uy1 - uy0) * t; };
    s.upperX = [=](double t) { return ux0 + (ux1 - ux0) * t; };
    s.lower = [=](double t) { return ly0 + (ly1 - ly0) * t; };
    s.lowerX = [=](double t) { return lx0 + (lx1 - lx0) * t; };
    return s;
}

// Our designs for the list entries that have no fixed formula.
std::optional<Shape> designedShape(int index) {
    Shape s;
    switch (index) {
    case 4:  // perspective: the text recedes to the right
        return straight(0, 0, 1, 0.4, 0, 1, 1, 0.6);
    case 5:  // perspective: the text comes closer to the right
        return straight(0, 0.4, 1, 0, 0, 0.6, 1, 1);
    case 6:  // wave: both guides follow one full sine period
        s.points = 21;
        s.upper = [](double t) { return 0.2 - 0.2 * std::sin(2 * pi * t); };
        s.lower = [](double t) { return 0.8 - 0.2 * std::sin(2 * pi * t); };
        return s;
    case 7:  // flag: fixed at the pole on the left, waving more and more to the right
        s.points = 21;
        s.upper = [](double t) { return 0.22 - 0.22 * t * std::sin(2.5 * pi * t); };
        s.lower = [](double t) { return 0.78 - 0.22 * t * std::sin(2.5 * pi * t); };
        return s;
    case 9:  // smooth arch
        s.points = 21;
        s.upper = [](double t) { return 0.45 - 0.45 * std::sin(pi * t); };
        s.lower = [](double t) { return 1.0 - 0.45 * std::sin(pi * t); };
        return s;
    case 10:  // smooth valley
        s.points = 21;
        s.upper = [](double t) { return 0.45 * std::sin(pi * t); };
        s.lower = [](double t) { return 0.55 + 0.45 * std::sin(pi * t); };
        return s;
    case 15:  // pinch: both guides drawn in towards the middle
        s.points = 21;
        s.upper = [](double t) { return 0.3 * std::sin(pi * t); };
        s.lower = [](double t) { return 1.0 - 0.3 * std::sin(pi * t); };
        return s;
    case 18: {  // circle, as far as two guides allow: the side guides keep a tenth of the height
        s.points = 25;
        const double start = std::asin(0.1);  // ends at 45 % and 55 % of the height
        auto angle = [start](double t) { return pi - start - (pi - 2 * start) * t; };
        s.upperX = s.lowerX = [angle](double t) { return 0.5 + 0.5 * std::cos(angle(t)); };
        s.upper = [angle](double t) { return 0.5 - 0.5 * std::sin(angle(t)); };
        s.lower = [angle](double t) { return 0.5 + 0.5 * std::sin(angle(t)); };
        return s;
    }
    case 19:  // double arch: two humps side by side
        s.points = 25;
        s.upper = [](double t) { return 0.3 - 0.3 * std::fabs(std::sin(2 * pi * t)); };
        s.lower = [](double t) { return 1.0 - 0.3 * std::fabs(std::sin(2 * pi * t)); };
        return s;
    case 20:  // counter-wave: bulging and pinching in turn
        s.points = 21;
        s.upper = [](double t) { return 0.18 - 0.18 * std::sin(2 * pi * t); };
        s.lower = [](double t) { return 0.82 + 0.18 * std::sin(2 * pi * t); };
        return s;
    case 21:  // seen from below: narrow top
        return straight(0.2, 0, 0.8, 0, 0, 1, 1, 1);
    case 22:  // seen from above: narrow foot
        return straight(0, 0, 1, 0, 0.2, 1, 0.8, 1);
    case 24:  // slanted forward
        return straight(0.2, 0, 1, 0, 0, 1, 0.8, 1);
    case 25:  // rising along an S
        s.points = 21;
        s.upper = [](double t) { return 0.45 - 0.45 * smoothStep(t); };
        s.lower = [](double t) { return 1.0 - 0.45 * smoothStep(t); };
        return s;
    case 26:  // horn: opening to the right
        s.points = 21;
        s.upper = [](double t) { return 0.4 - 0.4 * t * t; };
        s.lower = [](double t) { return 0.6 + 0.4 * t * t; };
        return s;
    case 27:  // horn: closing to the right
        s.points = 21;
        s.upper = [](double t) { return 0.4 * t * t; };
        s.lower = [](double t) { return 1.0 - 0.4 * t * t; };
        return s;
    case 28:  // zigzag
        s.points = 9;
        s.upper = [](double t) { return 0.15 * (std::lround(t * 8) % 2); };
        s.lower = [](double t) { return 0.85 + 0.15 * (std::lround(t * 8) % 2); };
        return s;
    default:
        return std::nullopt;
    }
}

struct PercentPreset {
    std::vector<int32_t> upperX, upperY, lowerX, lowerY;
};

std::optional<PercentPreset> percentPreset(int index) {
    switch (index) {
    case 2: return PercentPreset{{0, 100}, {30, -4}, {0, 100}, {107, 15}};
    case 8: return PercentPreset{{0, 50, 100}, {40, -5, 40}, {0, 50, 100}, {105, 60, 105}};
    case 11: return PercentPreset{{0, 50, 100}, {-5, 40, -5}, {0, 50, 100}, {60, 105, 60}};
    case 12: return PercentPreset{{0, 32, 68, 100}, {30, 5, 5, 30}, {0, 32, 68, 100}, {95, 70, 70, 95}};
    case 13: return PercentPreset{{0, 32, 68, 100}, {22, -4, -4, 22}, {0, 32, 68, 100}, {78, 104, 104, 78}};
    case 14: return PercentPreset{{0, 32, 68, 100}, {5, 30, 30, 5}, {0, 32, 68, 100}, {70, 95, 95, 70}};
    case 16: return PercentPreset{{0, 32, 68, 100}, {25, -1, -1, 25}, {0, 100}, {88, 88}};
    case 17: return PercentPreset{{0, 100}, {11, 11}, {0, 32, 68, 100}, {74, 100, 100, 74}};
    case 23:
        return PercentPreset{{0, 27, 52, 102}, {11, 48, 48, 12}, {0, 16, 45, 73, 102}, {96, 107, 104, 85, 31}};
    case 29:
        return PercentPreset{{0, 10, 30, 40, 60}, {60, 30, 30, 0, 0}, {40, 50, 70, 80, 100}, {100, 70, 70, 40, 40}};
    default: return std::nullopt;
    }
}

void setGuide(TFontFX& engine, int guide, std::vector<Point> points) {
    engine.NumGuidePoints[guide] = static_cast<uint16_t>(points.size());
    engine.GuidePoints[guide] = std::move(points);
}

}  // namespace

void EffectPanels::SetGuideParameter(int guide, const std::vector<int32_t>& xs, const std::vector<int32_t>& ys) {
    if (xs.size() != ys.size()) throw VortelError("Internal error: SetGuideParameter");
    const int32_t width = engine_.ImageRect.width(), height = engine_.ImageRect.height();
    const int32_t margin = width * 3 / 100;
    const int64_t innerWidth = width - 2 * margin, innerHeight = height - 2 * margin;
    std::vector<Point> points;
    for (size_t i = 0; i < xs.size(); ++i) {
        points.push_back(Point{int32_t(margin + innerWidth * xs[i] / 100), int32_t(margin + innerHeight * ys[i] / 100)});
    }
    setGuide(engine_, guide, std::move(points));
    engine_.releaseTextMask();
    engine_.Modified = 1;
}

void EffectPanels::ApplyGuidePreset(int index, bool shiftOrCtrl) {
    if (index < 0 || index >= GuidePresetCount) return;
    TFontFX& e = engine_;
    e.GuideStyle = index;
    for (int g = 0; g < 4; ++g) setGuide(e, g, std::vector<Point>(2));

    const Inner r = innerOf(e.ImageRect);
    const int32_t o = roundEven32(0.4 * r.height);
    if (index == 0) {
        // Both guides at the origin: the next layout fits the guide rectangle to the text.
    } else if (index == 1) {
        setGuide(e, 0, {Point{r.left, r.top + o}, Point{r.left + r.width, r.top}});
        setGuide(e, 2, {Point{r.left, r.top + r.height}, Point{r.left + r.width, r.top + r.height - o}});
    } else if (index == 3) {
        setGuide(e, 0, {Point{r.left, r.top}, Point{r.left + r.width, r.top + o}});
        setGuide(e, 2, {Point{r.left, r.top + r.height - o}, Point{r.left + r.width, r.top + r.height}});
    } else if (const auto percent = percentPreset(index)) {
        SetGuideParameter(0, percent->upperX, percent->upperY);
        SetGuideParameter(2, percent->lowerX, percent->lowerY);
    } else if (const auto shape = designedShape(index)) {
        setGuide(e, 0, sample(r, shape->points, shape->upperX, shape->upper));
        setGuide(e, 2, sample(r, shape->points, shape->lowerX, shape->lower));
    }
    // Shift or Ctrl turns the shape round left to right (symmetric shapes stay as they are).
    if (shiftOrCtrl && index != 0) {
        const int32_t width = e.ImageRect.width();
        for (const int g : {0, 2}) {
            auto& points = e.GuidePoints[g];
            std::reverse(points.begin(), points.end());
            for (Point& p : points) p.x = width - p.x;
        }
    }
    e.SetNachbarPoints(0);
    e.SetNachbarPoints(2);
    e.RotationCenter = Point{e.ImageRect.width() / 2, e.ImageRect.height() / 2};
    e.RotationHandle = Point{e.ImageRect.width() / 2, e.ImageRect.height() / 8};
    e.releaseTextMask();
    e.Modified = 1;
    selectedGuide = index;
    notifyRedraw(Page::Deform);
}

}  // namespace vortel::presets
