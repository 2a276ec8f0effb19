// The preset lists of the Outline, Shadow and Frame pages. Sizes are given for a 200-pixel-high
// picture and scaled to the image.
#include <algorithm>

#include "panels/presets/Panels.h"

namespace vortel::presets {
namespace {

struct OutlinePreset {
    uint8_t kind;
    int32_t x, y, step;
};

constexpr OutlinePreset outlinePresets[OutlinePresetCount] = {
    {0, 0, 0, 100}, {0, 0, 0, 100}, {2, 5, 5, 100}, {0, 0, 0, 8},  {0, 3, 3, 3},   {0, 5, 0, 7},   {0, 2, 2, 9},
    {2, 5, 5, 5},   {1, 7, 7, 3},   {1, 15, 15, 1}, {3, 15, 15, 2}, {4, 5, 5, 2},   {2, 10, 10, 20},
};

int lineCountOf(const std::string& text) {
    return 1 + int(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

void EffectPanels::ApplyOutlinePreset(int index, int32_t stamp) {
    if (index < 0 || index >= OutlinePresetCount) return;
    const OutlinePreset& p = outlinePresets[index];
    // More lines mean smaller letters: the fringe is damped towards its unscaled size.
    const int32_t n = lineCountOf(engine_.Text) > 1 ? 3 : 1;
    const int32_t x = (scaledPreset(p.x) + n * p.x) / (n + 1);
    const int32_t y = (scaledPreset(p.y) + n * p.y) / (n + 1);
    engine_.setFringe(p.kind, p.step, x, y, stamp);
    selectedOutline = index;
    notifyRefresh(Page::Outline);
    notifyRedraw(Page::Outline);
}

void EffectPanels::restoreGlow() {
    if (!kindBeforeGlow_) return;
    engine_.setFillKind(1, *kindBeforeGlow_);
    kindBeforeGlow_.reset();
}

void EffectPanels::ApplyShadowPreset(int index) {
    if (index < 0 || index >= ShadowPresetCount) return;
    ShadowParams s;
    s.ShadowBlur = 4;
    s.ShadowIntensity = 0.5;
    s.ShadowX = 0, s.ShadowY = 0, s.ShadowAngle = 0, s.ShadowSize = 100, s.ShadowColor = 0;
    switch (index) {
    case 0: s.ShadowBlur = -1; break;
    case 1: s.ShadowBlur = 3, s.ShadowIntensity = 0.8, s.ShadowX = 5, s.ShadowY = -5; break;
    case 2: s.ShadowAngle = 40, s.ShadowSize = 40, s.ShadowX = 2, s.ShadowY = 5, s.ShadowIntensity = 1.5; break;
    case 3: s.ShadowBlur = 10, s.ShadowIntensity = 0.8, s.ShadowX = 8, s.ShadowY = -7, s.ShadowSize = 110; break;
    case 4: s.ShadowAngle = 60, s.ShadowSize = 110; break;
    case 5: s.ShadowAngle = -120; break;
    case 6: s.ShadowAngle = 60, s.ShadowSize = 200; break;
    case 7: s.ShadowAngle = 180; break;
    case 8: s.ShadowAngle = -45; break;
    case 9: s.ShadowAngle = 120; break;
    case 10: s.ShadowBlur = 10, s.ShadowIntensity = 2.0; break;
    case 11: s.ShadowBlur = 10, s.ShadowIntensity = 1.0; break;
    default: break;
    }
    if (s.ShadowBlur != -1) s.ShadowBlur = scaledPreset(s.ShadowBlur);
    s.ShadowX = scaledPreset(s.ShadowX);
    s.ShadowY = scaledPreset(s.ShadowY);
    if (index == GlowShadowPreset) {
        // A glow: the letters become their plain colour and the shadow takes it.
        if (!kindBeforeGlow_) kindBeforeGlow_ = engine_.TextFill.FillKind;
        engine_.setFillKind(1, 2);
        s.ShadowColor = engine_.TextFill.FillColor;
    } else {
        restoreGlow();
    }
    engine_.setShadow(s);
    selectedShadow = index;
    notifyRefresh(Page::Shadow);
    notifyRedraw(Page::Shadow);
}

ShadowParams EffectPanels::SetShadowValues(const ShadowParams& read) {
    ShadowParams s = read;
    const ShadowParams& old = engine_.Shadow;
    const bool changed = s.ShadowColor != old.ShadowColor || s.ShadowIntensity != old.ShadowIntensity ||
                         s.ShadowAngle != old.ShadowAngle || s.ShadowSize != old.ShadowSize ||
                         s.ShadowX != old.ShadowX || s.ShadowY != old.ShadowY;
    if (s.ShadowBlur < 0 && changed) s.ShadowBlur = 0;
    engine_.setShadow(s);
    notifyRedraw(Page::Shadow);
    return s;
}

// The kind, the pixel flag and the time stamp come from the preset; size, height, points and colour
// stay as the page shows them.
void EffectPanels::ApplyFramePreset(int index, int32_t stamp) {
    if (index < 0 || index >= FramePresetCount) return;
    FrameParams f = engine_.Frame;
    f.FrameKind = static_cast<uint8_t>(index);
    f.FramePixel = index < 14 ? 1 : 0;
    f.FrameSeed = stamp;
    engine_.setFrame(f);
    selectedFrame = index;
    notifyRefresh(Page::Frame);
    notifyRedraw(Page::Frame);
}

}  // namespace vortel::presets
