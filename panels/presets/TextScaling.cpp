#include "panels/presets/TextScaling.h"

#include <algorithm>
#include <cmath>

#include "platform/Numeric.h"

namespace vortel::presets {

namespace {

constexpr double MarginShare = 0.03;

// p' = p x scale + shift on both axes; `size` scales the values that have no direction, `frame`
// the frame depth, which belongs to the picture's border rather than to the text.
struct Mapping {
    double sx = 1, sy = 1;
    double tx = 0, ty = 0;
    double size = 1;
    double frame = 1;

    Point apply(Point p) const {
        return Point{roundEven32(p.x * sx + tx), roundEven32(p.y * sy + ty)};
    }
};

int32_t scaled(int32_t v, double factor) { return roundEven32(v * factor); }

void applyMapping(TFontFX& e, const Mapping& m) {
    for (int g = 0; g < 4; ++g) {
        const size_t n = std::min<size_t>(e.NumGuidePoints[g], e.GuidePoints[g].size());
        for (size_t i = 0; i < n; ++i) e.GuidePoints[g][i] = m.apply(e.GuidePoints[g][i]);
    }
    for (Point& p : e.GuideMiddle) p = m.apply(p);
    e.RotationCenter = m.apply(e.RotationCenter);
    e.RotationHandle = m.apply(e.RotationHandle);

    // Offsets keep their direction; sizes without one take the mean scale.
    e.Shadow.ShadowX = scaled(e.Shadow.ShadowX, m.sx);
    e.Shadow.ShadowY = scaled(e.Shadow.ShadowY, m.sy);
    if (e.Shadow.ShadowBlur != -1) e.Shadow.ShadowBlur = std::max(0, scaled(e.Shadow.ShadowBlur, m.size));
    e.Fringe.FringeX = scaled(e.Fringe.FringeX, m.size);
    e.Fringe.FringeY = scaled(e.Fringe.FringeY, m.size);
    e.Bevel.BevelAddPixel = scaled(e.Bevel.BevelAddPixel, m.size);
    e.Frame.FrameWidth = std::max(0, scaled(e.Frame.FrameWidth, m.frame));
}

Size clampSize(Size s) {
    return Size{std::clamp(s.cx, 1, MaxImageSide), std::clamp(s.cy, 1, MaxImageSide)};
}

// The guide undos hold positions at the old size; replaying one would undo part of the scaling.
void dropGuideUndo(TFontFX& e) {
    if (e.Undo.action >= 1 && e.Undo.action <= 8) e.Undo = UndoRecord{};
}

}  // namespace

Rect TextCoverage(const TFontFX& e, int32_t imageHeight) {
    // Both boxes count their rows from the bottom of the picture.
    const Rect w = e.WarpedBounds;
    if (w.right <= w.left || w.bottom <= w.top) return Rect{};
    Rect box{w.left, imageHeight - w.bottom, w.right, imageHeight - w.top};
    const Rect s = e.ShadowBounds;
    if (e.Shadow.ShadowBlur != -1 && (s.right != 0 || s.bottom != 0) && s.left <= s.right && s.top <= s.bottom) {
        // The shadow's rows are inclusive.
        box.left = std::min(box.left, s.left);
        box.right = std::max(box.right, s.right + 1);
        box.top = std::min(box.top, imageHeight - 1 - s.bottom);
        box.bottom = std::max(box.bottom, imageHeight - s.top);
    }
    return box;
}

int32_t FitMargin(const Rect& box) {
    return std::max(1, roundEven32(MarginShare * std::max(box.width(), box.height())));
}

Size ScaleText(TFontFX& e, Size oldSize, Size newSize, bool minimise, bool maximise) {
    oldSize = clampSize(oldSize);
    newSize = clampSize(newSize);
    const Rect box = TextCoverage(e, oldSize.cy);
    Mapping m;
    Size result = newSize;
    if (minimise) {
        if (box.width() <= 0 || box.height() <= 0) return oldSize;
        const int32_t margin = FitMargin(box);
        result = clampSize(Size{box.width() + 2 * margin, box.height() + 2 * margin});
        m.tx = margin - box.left;
        m.ty = margin - box.top;
    } else {
        m.sx = double(newSize.cx) / oldSize.cx;
        m.sy = double(newSize.cy) / oldSize.cy;
        m.size = m.frame = std::sqrt(m.sx * m.sy);
        if (maximise && box.width() > 0 && box.height() > 0) {
            // The box as the scaling leaves it, then grown evenly about its own corner and centred.
            const double left = box.left * m.sx, top = box.top * m.sy;
            const double bw = box.width() * m.sx, bh = box.height() * m.sy;
            const double margin = MarginShare * std::max(bw, bh);
            const double f = std::min(newSize.cx / (bw + 2 * margin), newSize.cy / (bh + 2 * margin));
            m.sx *= f;
            m.sy *= f;
            m.size *= f;
            m.tx = (newSize.cx - f * bw) / 2 - f * left;
            m.ty = (newSize.cy - f * bh) / 2 - f * top;
        }
    }
    applyMapping(e, m);
    dropGuideUndo(e);
    e.ImageRect = Rect{0, 0, result.cx, result.cy};
    e.releaseTextMask();
    e.releaseShadowMask();
    return result;
}

}  // namespace vortel::presets
