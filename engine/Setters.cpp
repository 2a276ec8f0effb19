#include <algorithm>
#include "engine/Fills.h"
#include "engine/FontFX.h"

namespace vortel {

namespace {
FillRecord& surfaceOf(TFontFX& e, int surface) { return surface == 0 ? e.BackFill : e.TextFill; }
}  // namespace

void TFontFX::releaseTextMask() {
    TextMask.clear();
    NormalMap.clear();
    ShadowMask.clear();
    BevelChanged = true;
}

void TFontFX::releaseShadowMask() { ShadowMask.clear(); }

// Fill changes only change colours: every cached map stays valid.
void TFontFX::setFillKind(int surface, uint8_t kind) {
    surfaceOf(*this, surface).FillKind = kind;
    Modified = 1;
}

void TFontFX::setFillColor(int surface, ColorRef color) {
    surfaceOf(*this, surface).FillColor = color;
    Modified = 1;
}

void TFontFX::setGradient(int surface, int32_t style, int32_t angle, int32_t repeat, const std::vector<ColorRef>& colors) {
    FillRecord& f = surfaceOf(*this, surface);
    f.GradientStyle = style;
    f.GradientAngle = angle;
    f.GradientRepeat = repeat;
    f.GradientCount = static_cast<int32_t>(std::min<size_t>(colors.size(), f.GradientColors.size()));
    std::copy_n(colors.begin(), f.GradientCount, f.GradientColors.begin());
    Modified = 1;
}

void TFontFX::setTexture(int surface, std::shared_ptr<Bitmap> texture, const std::string& name) {
    FillRecord& f = surfaceOf(*this, surface);
    f.Texture = texture ? std::move(texture) : std::make_shared<Bitmap>();
    f.TextureName = name;
    f.TextureJpeg.reset();
    Modified = 1;
}

// The imprint cuts holes into the text mask, so the mask is rebuilt.
void TFontFX::setImprint(bool on, std::shared_ptr<Bitmap> bitmap, const std::string& name) {
    Imprint.ImprintOn = on ? 1 : 0;
    if (bitmap) Imprint.ImprintBitmap = std::move(bitmap);
    Imprint.ImprintName = name;
    releaseTextMask();
    Modified = 1;
}

void TFontFX::invertImprint() {
    if (Imprint.ImprintBitmap) InvertBitmap(*Imprint.ImprintBitmap);
    releaseTextMask();
    Modified = 1;
}

// Switching the bevel rebuilds the mask by itself (the render compares with the last switch).
void TFontFX::setBevelEnabled(bool on) {
    Bevel.Points[0].SegmentType = on ? 1 : 0;
    BevelChanged = true;
    Modified = 1;
}

// The added pixels change the distances in the mask; the other values only the profile table.
void TFontFX::setBevelValues(int32_t height, int32_t size, int32_t addPixel, int32_t angle) {
    if (addPixel != Bevel.BevelAddPixel) releaseTextMask();
    Bevel.BevelHeight = height;
    Bevel.BevelSize = size;
    Bevel.BevelAddPixel = addPixel;
    Bevel.BevelAngle = angle;
    BevelChanged = true;
    Modified = 1;
}

void TFontFX::setBevelProfile(const std::array<BevelPoint, 11>& points, uint8_t segmentCount) {
    const uint8_t enabled = Bevel.Points[0].SegmentType;
    Bevel.Points = points;
    Bevel.Points[0].SegmentType = enabled;
    Bevel.SegmentCount = std::min<uint8_t>(segmentCount, 10);
    BevelChanged = true;
    Modified = 1;
}

// The fringe changes the outline itself; the caller extracts and warps it again.
void TFontFX::setFringe(uint8_t kind, int32_t outlineStep, int32_t x, int32_t y, int32_t seed) {
    Fringe.FringeKind = kind;
    Fringe.OutlineStep = outlineStep;
    Fringe.FringeX = x;
    Fringe.FringeY = y;
    Fringe.FringeSeed = seed;
    releaseTextMask();
    Modified = 1;
}

// Normal and smooth share the mask: only the shading pass changes.
void TFontFX::setSmoothFont(bool on) {
    SmoothFont = on ? 1 : 0;
    Modified = 1;
}

void TFontFX::setShadow(const ShadowParams& shadow) {
    const ShadowParams& old = Shadow;
    if (shadow.ShadowBlur != old.ShadowBlur || shadow.ShadowAngle != old.ShadowAngle || shadow.ShadowSize != old.ShadowSize ||
        shadow.ShadowX != old.ShadowX || shadow.ShadowY != old.ShadowY)
        releaseShadowMask();
    Shadow = shadow;
    Modified = 1;
}

// Frames are drawn fresh on every render from their fields; no cache depends on them.
void TFontFX::setFrame(const FrameParams& frame) {
    Frame = frame;
    Modified = 1;
}

}  // namespace vortel
