#include <algorithm>
#include <cmath>
#include <string>

#include "engine/FontFX.h"
#include "engine/Helpers.h"

namespace vortel {

namespace {
using Guides = std::array<std::vector<Point>, 4>;

// Guide handles stay this far inside the picture when the guides are moved.
constexpr int32_t HandleMargin = 5;
// Shift turns the frame by whole multiples of this angle.
constexpr double SnapAngle = M_PI / 8;

double length(Point a, Point b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }

Guides copyGuides(const std::array<std::vector<Point>, 4>& points, const std::array<uint16_t, 4>& counts) {
    Guides g;
    for (int i = 0; i < 4; ++i)
        g[i].assign(points[i].begin(), points[i].begin() + std::min<size_t>(counts[i], points[i].size()));
    return g;
}

void translate(std::vector<Point>& guide, Point d) {
    for (Point& p : guide) p = offsetPoint(p, d);
}

// Turns and stretches a neighbouring guide about its far end so that its near end lands on `moved`.
void follow(std::vector<Point>& guide, bool nearIsFirst, Point moved) {
    if (guide.empty()) return;
    Point& nearEnd = nearIsFirst ? guide.front() : guide.back();
    const Point farEnd = nearIsFirst ? guide.back() : guide.front();
    const double oldLength = length(farEnd, nearEnd);
    // A neighbour whose ends coincide has no direction to turn: only its near end goes along.
    if (oldLength > 0) {
        const double angle = signedAngle(farEnd, nearEnd, moved), factor = length(farEnd, moved) / oldLength;
        for (Point& p : guide) p = rotateScalePoint(p, farEnd, angle, factor);
    }
    nearEnd = moved;
}

// The selected guide moves by the offset and drags the touching ends of its neighbours; without a
// selection the whole frame moves.
void moveGuides(Guides& g, int selected, Point offset) {
    if (selected < 0 || selected > 3) {
        for (auto& guide : g) translate(guide, offset);
        return;
    }
    translate(g[selected], offset);
    // The upper and the left guide share their first points with their neighbours, the others their last.
    const bool nearIsFirst = selected == 0 || selected == 3;
    for (int n : {(selected + 1) % 4, (selected + 3) % 4}) {
        if (g[n].empty()) continue;
        follow(g[n], nearIsFirst, offsetPoint(nearIsFirst ? g[n].front() : g[n].back(), offset));
    }
}

void zoomGuides(Guides& g, Point anchor, double factor) {
    for (auto& guide : g)
        for (Point& p : guide)
            p = Point{roundEven32(anchor.x + (double(p.x) - anchor.x) * factor),
                      roundEven32(anchor.y + (double(p.y) - anchor.y) * factor)};
}

void rotateGuides(Guides& g, Point centre, double angle) {
    for (auto& guide : g)
        for (Point& p : guide) p = rotateScalePoint(p, centre, angle, 1);
}

// The angle the handle sweeps about the centre. A handle dragged onto the centre, or starting there,
// sweeps no angle (the signed angle would call it half a turn and flip the frame).
double sweptAngle(Point centre, Point from, Point to, bool snap) {
    if (from == centre || to == centre) return 0;
    const double angle = signedAngle(centre, from, to);
    return snap ? std::nearbyint(angle / SnapAngle) * SnapAngle : angle;
}

int32_t clampHandle(int32_t v, int32_t size) { return std::max(HandleMargin, std::min(v, size - HandleMargin)); }

// The neighbouring guide across the corner at the first or last point of `guide`, and whether that
// corner is the neighbour's first point.
std::pair<int, bool> acrossCorner(int guide, bool atFirst) {
    static constexpr std::pair<int, bool> table[4][2] = {
        {{3, true}, {1, true}}, {{0, false}, {2, false}}, {{3, false}, {1, false}}, {{0, true}, {2, true}}};
    return table[guide][atFirst ? 0 : 1];
}

std::string percentStatus(int32_t index, Point p, int32_t width, int32_t height) {
    return composeMessage(VORTEL_TEXT("Messages", "Punkt %1, %2%, %3%"), index, mulDiv(p.x, 100, width),
                          mulDiv(p.y, 100, height));
}
}  // namespace

Point TFontFX::relativeMouse(Point mouse, bool clampToImage) const {
    Point p{saturate32(int64_t(mouse.x) - drag_.rect.left), saturate32(int64_t(mouse.y) - drag_.rect.top)};
    if (clampToImage) {
        p.x = std::clamp(p.x, 0, std::max(drag_.rect.width() - 1, 0));
        p.y = std::clamp(p.y, 0, std::max(drag_.rect.height() - 1, 0));
    }
    return p;
}

double TFontFX::zoomFactor(int corner, Point offset) const {
    const Point dragged = guideCorner(corner), anchor = guideCorner((corner + 2) % 4);
    const double before = length(anchor, dragged);
    return before > 0 ? length(anchor, offsetPoint(dragged, offset)) / before : 0;
}

bool TFontFX::MoveGuideLinePointBegin(const Rect& rect, Point mouse) {
    if (SelectedPointGuide < 0 || SelectedPointGuide > 3 || !guidesUsable()) return false;
    const int g = SelectedPointGuide, p = SelectedPoint, n = NumGuidePoints[g];
    if (p < 0 || p >= n) return false;
    SelectedGuide = static_cast<int16_t>(g);
    drag_ = Drag{};
    drag_.kind = GuideDragKind::Point;
    drag_.rect = rect;
    drag_.start = relativeMouse(mouse, false);
    drag_.guide = g;
    drag_.point = p;
    const auto& pts = GuidePoints[g];
    drag_.oldPoint = pts[p];
    // The first and last points are corners: their outer neighbour lies on the next guide.
    auto beyond = [this, g](bool atFirst) {
        const auto [n2, cornerFirst] = acrossCorner(g, atFirst);
        return GuidePoints[n2][cornerFirst ? 1 : NumGuidePoints[n2] - 2];
    };
    drag_.before = p > 0 ? pts[p - 1] : beyond(true);
    drag_.after = p < n - 1 ? pts[p + 1] : beyond(false);
    updateDragPreview();
    return true;
}

// A fresh drag of `kind`: positions are read relative to `rect` from here on.
void TFontFX::startDrag(GuideDragKind kind, const Rect& rect, Point mouse, bool clampToImage) {
    drag_ = Drag{};
    drag_.kind = kind;
    drag_.rect = rect;
    drag_.start = relativeMouse(mouse, clampToImage);
}

bool TFontFX::MoveGuideLineBegin(const Rect& rect, Point mouse, bool shift, bool ctrl) {
    if (!guidesUsable()) return false;
    startDrag(GuideDragKind::Move, rect, mouse, true);
    drag_.shift = shift;
    drag_.ctrl = ctrl;
    updateDragPreview();
    return true;
}

bool TFontFX::ZoomGuideLineBegin(const Rect& rect, Point mouse, int corner) {
    if (corner < 0 || corner > 3 || !guidesUsable() || zoomFactor(corner, {}) == 0) return false;
    startDrag(GuideDragKind::Zoom, rect, mouse, true);
    drag_.corner = corner;
    updateDragPreview();
    return true;
}

bool TFontFX::AngleCenterGuideLineBegin(const Rect& rect, Point mouse) {
    startDrag(GuideDragKind::Center, rect, mouse, false);
    updateDragPreview();
    return true;
}

bool TFontFX::AngleOuterGuideLineBegin(const Rect& rect, Point mouse, bool shift, bool ctrl) {
    startDrag(GuideDragKind::Outer, rect, mouse, false);
    drag_.shift = shift;
    drag_.ctrl = ctrl;
    updateDragPreview();
    return true;
}

void TFontFX::GuideDragMove(Point mouse) {
    if (drag_.kind == GuideDragKind::None) return;
    ++drag_.moves;
    const bool clamp = drag_.kind == GuideDragKind::Move || drag_.kind == GuideDragKind::Zoom;
    const Point m = relativeMouse(mouse, clamp);
    Point offset{saturate32(int64_t(m.x) - drag_.start.x), saturate32(int64_t(m.y) - drag_.start.y)};
    // Shift or Ctrl moves the guides straight along the axis the mouse went farther.
    if (drag_.kind == GuideDragKind::Move && (drag_.shift || drag_.ctrl)) {
        if (std::abs(int64_t(offset.x)) >= std::abs(int64_t(offset.y))) offset.y = 0;
        else offset.x = 0;
    }
    drag_.offset = offset;
    if (drag_.kind == GuideDragKind::Point)
        messages().status(1, percentStatus(drag_.point, offsetPoint(drag_.oldPoint, offset), ImageRect.width(),
                                           ImageRect.height()));
    updateDragPreview();
}

bool TFontFX::GuideDragEnd() {
    if (drag_.kind == GuideDragKind::None) return false;
    const Drag d = drag_;
    drag_ = Drag{};
    dragPreview_.clear();
    // Applied only when the mouse went somewhere: any non-zero offset counts, so that a drag along
    // one axis (every drag made straight with Shift) is not lost.
    if (d.offset == Point{}) return d.kind == GuideDragKind::Move && d.moves > 0;
    switch (d.kind) {
        case GuideDragKind::Point: {
            if (d.guide >= 4 || d.point >= NumGuidePoints[d.guide] || size_t(d.point) >= GuidePoints[d.guide].size())
                return false;
            SetUndoRecord(4, d.guide, d.point, 0, d.oldPoint);
            GuidePoints[d.guide][d.point] = offsetPoint(d.oldPoint, d.offset);
            SetNachbarPoints(d.guide);
            guidesEdited();
            return true;
        }
        case GuideDragKind::Move:
            MoveGuideLine(d.offset);
            SetUndoRecord(2, SelectedGuide, 0, 0, negatePoint(d.offset));
            return d.moves > 0;
        case GuideDragKind::Zoom: {
            const double factor = zoomFactor(d.corner, d.offset);
            if (!ZoomGuideLine(d.corner, factor)) return false;
            // Only the distance from the anchor counts, so the offset cannot undo a zoom: the inverse
            // factor does.
            SetUndoRecord(3, d.corner, 0, 0, negatePoint(d.offset));
            Undo.factor = 1 / factor;
            return true;
        }
        case GuideDragKind::Center:
            AngleCenterGuideLine(d.offset);
            SetUndoRecord(5, 0, 0, 0, negatePoint(d.offset));
            return true;
        case GuideDragKind::Outer:
            AngleOuterGuideLine(d.offset, d.shift, d.ctrl);
            SetUndoRecord(6, 0, (d.shift ? UndoRotateSnap : 0) | (d.ctrl ? UndoRotateHandleOnly : 0), 0,
                          negatePoint(d.offset));
            return true;
        case GuideDragKind::None:
            break;
    }
    return false;
}

void TFontFX::updateDragPreview() {
    dragPreview_.clear();
    auto addGuide = [this](const std::vector<Point>& guide) {
        for (size_t i = 0; i + 1 < guide.size(); ++i) dragPreview_.emplace_back(guide[i], guide[i + 1]);
    };
    const Point offset = drag_.offset;
    Guides g;
    switch (drag_.kind) {
        case GuideDragKind::Point: {
            const Point moved = offsetPoint(drag_.oldPoint, offset);
            dragPreview_.emplace_back(drag_.before, moved);
            dragPreview_.emplace_back(moved, drag_.after);
            return;
        }
        case GuideDragKind::Move:
            g = copyGuides(GuidePoints, NumGuidePoints);
            moveGuides(g, SelectedGuide, offset);
            for (int i = 0; i < 4; ++i)
                if (SelectedGuide < 0 || SelectedGuide > 3 || i != (SelectedGuide + 2) % 4) addGuide(g[i]);
            return;
        case GuideDragKind::Zoom: {
            const double factor = zoomFactor(drag_.corner, offset);
            g = copyGuides(GuidePoints, NumGuidePoints);
            if (factor > 0) zoomGuides(g, guideCorner((drag_.corner + 2) % 4), factor);
            for (const auto& guide : g) addGuide(guide);
            return;
        }
        case GuideDragKind::Center:
            dragPreview_.emplace_back(offsetPoint(RotationCenter, offset), RotationHandle);
            return;
        case GuideDragKind::Outer: {
            const Point handle = offsetPoint(RotationHandle, offset);
            dragPreview_.emplace_back(RotationCenter, handle);
            if (drag_.ctrl) return;
            g = copyGuides(GuidePoints, NumGuidePoints);
            rotateGuides(g, RotationCenter, sweptAngle(RotationCenter, RotationHandle, handle, drag_.shift));
            for (const auto& guide : g) addGuide(guide);
            return;
        }
        case GuideDragKind::None:
            return;
    }
}

void TFontFX::MoveGuideLine(Point offset) {
    if (!guidesUsable()) return;
    Guides g = copyGuides(GuidePoints, NumGuidePoints);
    moveGuides(g, SelectedGuide, offset);
    GuidePoints = std::move(g);
    const int32_t w = ImageRect.width(), h = ImageRect.height();
    for (Point* handle : {&RotationCenter, &RotationHandle}) {
        const Point p = offsetPoint(*handle, offset);
        *handle = Point{clampHandle(p.x, w), clampHandle(p.y, h)};
    }
    guidesEdited();
}

bool TFontFX::ZoomGuideLine(int corner, double factor) {
    // A factor of 0 would fold the frame into its anchor for good; nothing could undo it.
    if (corner < 0 || corner > 3 || !guidesUsable() || !(factor > 0) || !std::isfinite(factor)) return false;
    Guides g = copyGuides(GuidePoints, NumGuidePoints);
    zoomGuides(g, guideCorner((corner + 2) % 4), factor);
    GuidePoints = std::move(g);
    // The sizes the effects measure in pixels grow and shrink with the frame.
    auto scale = [factor](int32_t& v) { v = roundEven32(v * factor); };
    scale(Fringe.FringeX);
    scale(Fringe.FringeY);
    scale(Shadow.ShadowX);
    scale(Shadow.ShadowY);
    if (Shadow.ShadowBlur != -1) scale(Shadow.ShadowBlur);
    scale(Bevel.BevelAddPixel);
    guidesEdited();
    return true;
}

void TFontFX::AngleCenterGuideLine(Point offset) { RotationCenter = offsetPoint(RotationCenter, offset); }

void TFontFX::AngleOuterGuideLine(Point offset, bool snap, bool handleOnly) {
    const Point handle = offsetPoint(RotationHandle, offset);
    const double angle = handleOnly ? 0 : sweptAngle(RotationCenter, RotationHandle, handle, snap);
    RotationHandle = handle;
    if (angle == 0 || !guidesUsable()) return;
    Guides g = copyGuides(GuidePoints, NumGuidePoints);
    rotateGuides(g, RotationCenter, angle);
    GuidePoints = std::move(g);
    guidesEdited();
}

}  // namespace vortel
