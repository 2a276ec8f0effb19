#pragma once
// A picture without its background, recovered from two renders that differ only in the
// background colour: one over black, one over white.
#include <cstdint>
#include <vector>

#include "engine/FontFX.h"
#include "platform/Bitmap.h"

namespace vortel {

// Every stage after the background blends linearly with what lies beneath it (shadow, smoothing,
// antialiased frame edges) or covers it, so a pixel over black is a * F / 255 and over white
// a * F / 255 + (255 - a). Hence a = 255 - (white - black) and F = black * 255 / a per channel;
// where rounding makes the channels disagree on white - black, the coverage that reproduces both
// renders best is taken. Returns top-down rows of red, green, blue, alpha; a fully
// transparent pixel is (0, 0, 0, 0). Throws std::invalid_argument when the sizes differ.
std::vector<uint8_t> unblendBackground(const Bitmap& overBlack, const Bitmap& overWhite);

// The RGBA picture laid over a solid colour (0x00BBGGRR), rounded to the nearest: what a viewer
// shows. Top-down BGR like the work image.
Bitmap compositeOver(const std::vector<uint8_t>& rgba, int32_t width, int32_t height, uint32_t color);

// The full render of the engine's warped text twice on `canvas`, over black and over white with
// everything else the same, and the background taken out of the pair (RGBA, canvas size). The
// fringe toggles run on with every render; both renders start from the phase they have on entry
// and leave it where one render would. The background is painted afresh even while the bevel page
// asks for the previous picture as the base. The engine's background fill and render options are
// put back, also when a render throws; its caches are left as the renders built them (see
// RenderStateKeeper).
std::vector<uint8_t> renderTransparent(TFontFX& engine, Canvas& canvas);

// Keeps what a render changes besides the canvas (the engine's byte maps, tables and bounds, the
// remembered bevel switch and the fringe toggles) and puts it back when it goes out of scope: a
// render made aside, for the clipboard say, leaves the engine as it found it.
class RenderStateKeeper {
public:
    explicit RenderStateKeeper(TFontFX& engine);
    ~RenderStateKeeper();
    RenderStateKeeper(const RenderStateKeeper&) = delete;
    RenderStateKeeper& operator=(const RenderStateKeeper&) = delete;

private:
    TFontFX& engine_;
    ByteMap textMask_, normalMap_, shadowMask_;
    Rect shadowBounds_, maskBounds_, warpedBounds_;
    int32_t maxDistance_ = 0, bevelWidth_ = 0;
    bool bevelChanged_ = true, lastBevel_ = false;
    std::array<int16_t, 256> slopeTable_{};
    std::array<uint8_t, 256> distColorMode_{}, distSegment_{};
    uint8_t modified_ = 0;
    FringeToggle star_, curl_;
};

}  // namespace vortel
