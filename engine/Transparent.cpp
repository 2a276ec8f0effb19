#include "engine/Transparent.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace vortel {

std::vector<uint8_t> unblendBackground(const Bitmap& overBlack, const Bitmap& overWhite) {
    if (overBlack.width != overWhite.width || overBlack.height != overWhite.height ||
        overBlack.bgr.size() != overWhite.bgr.size())
        throw std::invalid_argument("the two renders differ in size");
    const size_t pixels = size_t(std::max(overBlack.width, 0)) * size_t(std::max(overBlack.height, 0));
    std::vector<uint8_t> rgba(pixels * 4);
    const uint8_t* b = overBlack.bgr.data();
    const uint8_t* w = overWhite.bgr.data();
    uint8_t* out = rgba.data();
    for (size_t i = 0; i < pixels; ++i, b += 3, w += 3, out += 4) {
        // Most pixels are letters, which cover the background, or background alone.
        if (b[0] == w[0] && b[1] == w[1] && b[2] == w[2]) {
            out[0] = b[2];
            out[1] = b[1];
            out[2] = b[0];
            out[3] = 255;
            continue;
        }
        if ((b[0] | b[1] | b[2]) == 0 && (w[0] & w[1] & w[2]) == 255) {
            out[0] = out[1] = out[2] = out[3] = 0;
            continue;
        }
        // Each stage rounds its own blend, so the channels may disagree by a step on how much of
        // the background shows. Of the coverages they allow, take the one that lays the colour
        // back over black and over white closest to the two renders.
        int low = 255, high = 0;
        for (int c = 0; c < 3; ++c) {
            const int through = std::clamp(int(w[c]) - int(b[c]), 0, 255);
            low = std::min(low, through);
            high = std::max(high, through);
        }
        int bestError = 1 << 30;
        for (int through = low; through <= high; ++through) {
            const int alpha = 255 - through;
            uint8_t colour[3] = {0, 0, 0};  // red, green, blue
            int error = 0;
            for (int c = 0; c < 3; ++c) {
                const int black = b[2 - c], white = w[2 - c];
                if (alpha > 0) colour[c] = uint8_t(std::min(255, (black * 255 + alpha / 2) / alpha));
                const int overBlack = (colour[c] * alpha + 127) / 255;
                const int overWhite = (colour[c] * alpha + 255 * through + 127) / 255;
                error = std::max({error, std::abs(overBlack - black), std::abs(overWhite - white)});
            }
            if (error < bestError) {
                bestError = error;
                out[0] = colour[0];
                out[1] = colour[1];
                out[2] = colour[2];
                out[3] = uint8_t(alpha);
            }
        }
    }
    return rgba;
}

Bitmap compositeOver(const std::vector<uint8_t>& rgba, int32_t width, int32_t height, uint32_t color) {
    Bitmap out;
    out.width = width;
    out.height = height;
    const size_t pixels = size_t(std::max(width, 0)) * size_t(std::max(height, 0));
    if (rgba.size() != pixels * 4) throw std::invalid_argument("RGBA pixels do not match the image size");
    out.bgr.resize(pixels * 3);
    const int background[3] = {int(color >> 16 & 0xFF), int(color >> 8 & 0xFF), int(color & 0xFF)};  // B, G, R
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t* p = &rgba[i * 4];
        const int a = p[3];
        for (int c = 0; c < 3; ++c) {
            const int value = int(p[2 - c]) * a + background[c] * (255 - a);
            out.bgr[i * 3 + c] = uint8_t((value + 127) / 255);
        }
    }
    return out;
}

std::vector<uint8_t> renderTransparent(TFontFX& engine, Canvas& canvas) {
    struct Restore {
        TFontFX& engine;
        FillRecord background = engine.BackFill;
        RenderOptions options = engine.renderOptions;
        ~Restore() {
            engine.BackFill = std::move(background);
            engine.renderOptions = options;
        }
    } restore{engine};
    const FringeToggle star = starToggle(), curl = curlToggle();
    // With the bevel page shown, a render may keep the previous picture as its base and skip the
    // background; here both backgrounds must really be painted.
    engine.renderOptions.bevelPageActive = false;
    engine.BackFill = FillRecord{};
    engine.BackFill.FillKind = 2;
    engine.BackFill.FillColor = 0x000000;
    engine.ShowText(canvas, false);
    const Bitmap overBlack = canvas.toBitmap();
    starToggle() = star;
    curlToggle() = curl;
    engine.BackFill.FillColor = 0xFFFFFF;
    engine.ShowText(canvas, false);
    return unblendBackground(overBlack, canvas.toBitmap());
}

RenderStateKeeper::RenderStateKeeper(TFontFX& engine)
    : engine_(engine),
      textMask_(engine.TextMask),
      normalMap_(engine.NormalMap),
      shadowMask_(engine.ShadowMask),
      shadowBounds_(engine.ShadowBounds),
      maskBounds_(engine.MaskBounds),
      warpedBounds_(engine.WarpedBounds),
      maxDistance_(engine.MaxDistance),
      bevelWidth_(engine.BevelWidth),
      bevelChanged_(engine.BevelChanged),
      lastBevel_(lastBevelEnabled()),
      slopeTable_(engine.SlopeTable),
      distColorMode_(engine.DistColorMode),
      distSegment_(engine.DistSegment),
      modified_(engine.Modified),
      star_(starToggle()),
      curl_(curlToggle()) {}

RenderStateKeeper::~RenderStateKeeper() {
    engine_.TextMask = std::move(textMask_);
    engine_.NormalMap = std::move(normalMap_);
    engine_.ShadowMask = std::move(shadowMask_);
    engine_.ShadowBounds = shadowBounds_;
    engine_.MaskBounds = maskBounds_;
    engine_.WarpedBounds = warpedBounds_;
    engine_.MaxDistance = maxDistance_;
    engine_.BevelWidth = bevelWidth_;
    engine_.BevelChanged = bevelChanged_;
    lastBevelEnabled() = lastBevel_;
    engine_.SlopeTable = slopeTable_;
    engine_.DistColorMode = distColorMode_;
    engine_.DistSegment = distSegment_;
    engine_.Modified = modified_;
    starToggle() = star_;
    curlToggle() = curl_;
}

}  // namespace vortel
