// The pixel frame, drawn into the working image after the shadow and before the text. Every kind
// works only on the band along the border (its width plus a few pixels of soft edge) and has soft
// edges. Kinds 1..3 emboss the picture by FrameHeight; all others paint in FrameColor.
//
//   kind  draws
//   ----  -----------------------------------------------------------------------------------
//    1    raised bevel: top and left sides lit, bottom and right shaded, fading inwards
//    2    sunken bevel: the same with light and shade swapped
//    3    pillow: a rounded ridge across the band, lit on its outer half at top and left
//    4    vignette: colour thickest at the border, falling off with the square of the depth;
//         corners blended from both sides so they come out round
//    5    solid border whose inner edge feathers out over a quarter of the width
//    6    double line: a broad outer line and a thin inner one
//    7    rounded inset: a mat with a rounded opening and a faint shadow inside the opening
//    8    torn paper: a seeded ragged edge with a small drop shadow onto the picture
//    9    soft wave: FramePoints even waves, the colour thinning towards the crests
//   10    soft spikes: the spikes of the polygon frame, the colour thinning towards the tips
//   11    beads: a row of shaded round beads along the middle of the band
//   12    gradient: solid at the border, fading linearly to nothing at the full width
//   13    thin line a quarter of the width in, with a soft shadow inside it, heavier at top/left
//  14-17  the polygon frame's exact line with an antialiased edge

#include <cmath>
#include <numbers>

#include "engine/FontFX.h"
#include "engine/FrameGeometry.h"
#include "engine/FramePaint.h"

namespace vortel {

namespace {

// Distances of a pixel centre from the four image borders.
struct BandPos {
    float dl, dr, dt, db;
    float dx() const { return std::min(dl, dr); }
    float dy() const { return std::min(dt, db); }
    float depth() const { return std::min(dx(), dy()); }
    // 1 towards the top and left sides, 0 towards the bottom and right, soft along the diagonals.
    float litSide() const { return std::clamp((std::min(db, dr) - std::min(dt, dl)) * 0.5f + 0.5f, 0.0f, 1.0f); }
};

// Visits the pixels less than `band` from a border; the middle of the picture is never read.
template <class F>
void forEachBandPixel(FrameTarget& t, int32_t band, F&& f) {
    const int32_t left = std::min(band, t.W), right = std::max(left, t.W - band);
    for (int32_t y = 0; y < t.H; ++y) {
        uint8_t* row = t.at(0, y);
        const bool fullRow = y < band || y >= t.H - band;
        auto visit = [&](int32_t x) {
            f(row + 3 * x, BandPos{x + 0.5f, t.W - x - 0.5f, y + 0.5f, t.H - y - 0.5f}, x, y);
        };
        for (int32_t x = 0; x < left; ++x) visit(x);
        for (int32_t x = fullRow ? left : right; x < t.W; ++x) visit(x);
    }
}

// How much of the pixel [d - 0.5, d + 0.5] lies within [from, to].
float overlap(float d, float from, float to) {
    return std::clamp(std::min(d + 0.5f, to) - std::max(d - 0.5f, from), 0.0f, 1.0f);
}

void drawRelief(FrameTarget& t, const FrameParams& f, int32_t w) {
    const float strength = std::clamp(f.FrameHeight, 0, 100) / 100.0f * 0.9f;
    const uint8_t kind = f.FrameKind;
    forEachBandPixel(t, w, [&](uint8_t* px, const BandPos& p, int32_t, int32_t) {
        const float depth = p.depth() / float(w);
        const float side = 2.0f * p.litSide() - 1.0f;
        float profile;
        if (kind == 3)
            profile = std::cos(std::numbers::pi_v<float> * depth);
        else
            profile = (kind == 1 ? 1.0f : -1.0f) * (1.0f - 0.4f * depth);
        shadePixel(px, strength * profile * side);
    });
}

// Signed distance from the rounded opening of kind 7, positive on the frame side.
float roundedOpeningDistance(const BandPos& p, int32_t w, float radius) {
    const float qx = w + radius - p.dx(), qy = w + radius - p.dy();
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

void drawRoundedInset(FrameTarget& t, const FrameParams& f, int32_t w) {
    const float radius = std::clamp(2.0f * w, 0.0f, (std::min(t.W, t.H) - 2.0f * w) / 2.0f);
    const float shadow = std::max(2.0f, 0.4f * w);
    // The deepest pixel still outside the rounded corner lies 1 - 1/sqrt(2) of the radius further in.
    const int32_t band = w + int32_t(0.3f * radius + shadow) + 2;
    forEachBandPixel(t, band, [&](uint8_t* px, const BandPos& p, int32_t, int32_t) {
        const float sd = roundedOpeningDistance(p, w, radius);
        if (sd < 0) {
            const float fade = std::max(0.0f, 1.0f + sd / shadow);
            blendPixel(px, 0, 0.3f * fade * fade);
        }
        blendPixel(px, f.FrameColor, sd + 0.5f);
    });
}

// Beads of kind 11 sit at depth c, from corner to corner of each side, `step` apart.
struct BeadRow {
    float c, step;
    int32_t count;
    BeadRow(int32_t length, int32_t w) : c(w / 2.0f) {
        count = std::max(1, int32_t(std::lround((length - w) / (0.9f * w))));
        step = (length - w) / float(count);
    }
    float nearest(float s) const { return c + std::clamp(std::round((s - c) / step), 0.0f, float(count)) * step; }
};

void drawBeads(FrameTarget& t, const FrameParams& f, int32_t w) {
    const BeadRow across(t.W, w), down(t.H, w);
    const float radius = 0.38f * w;
    forEachBandPixel(t, w, [&](uint8_t* px, const BandPos& p, int32_t x, int32_t y) {
        const float sx = x + 0.5f, sy = y + 0.5f;
        float bestDist = 1e9f, bestDx = 0, bestDy = 0;
        auto consider = [&](float cx, float cy) {
            const float d = std::hypot(sx - cx, sy - cy);
            if (d >= bestDist) return;
            bestDist = d;
            bestDx = sx - cx;
            bestDy = sy - cy;
        };
        if (p.dt < w) consider(across.nearest(sx), across.c);
        if (p.db < w) consider(across.nearest(sx), t.H - across.c);
        if (p.dl < w) consider(down.c, down.nearest(sy));
        if (p.dr < w) consider(t.W - down.c, down.nearest(sy));
        const float coverage = radius - bestDist + 0.5f;
        if (coverage <= 0) return;
        blendPixel(px, f.FrameColor, coverage);
        // Lit from the top left like the bevels: a glint up there, shade below right.
        shadePixel(px, std::clamp(coverage, 0.0f, 1.0f) * 0.45f * (-bestDx - bestDy) / (radius * 1.41f));
    });
}

void drawBandKind(FrameTarget& t, const FrameParams& f, int32_t w) {
    const ColorRef color = f.FrameColor;
    const float fw = float(w);
    switch (f.FrameKind) {
        case 4:
            forEachBandPixel(t, w, [&](uint8_t* px, const BandPos& p, int32_t, int32_t) {
                // Measured from the outer edge of the pixel, so that the outermost line is pure colour.
                const float ax = std::max(0.0f, 1.0f - (p.dx() - 0.5f) / fw);
                const float ay = std::max(0.0f, 1.0f - (p.dy() - 0.5f) / fw);
                blendPixel(px, color, 1.0f - (1.0f - ax * ax) * (1.0f - ay * ay));
            });
            break;
        case 5: {
            const float feather = std::max(1.5f, 0.25f * fw);
            forEachBandPixel(t, w + int32_t(feather) + 1, [&](uint8_t* px, const BandPos& p, int32_t, int32_t) {
                blendPixel(px, color, (fw - p.depth()) / (2.0f * feather) + 0.5f);
            });
            break;
        }
        case 6:
            forEachBandPixel(t, w, [&](uint8_t* px, const BandPos& p, int32_t, int32_t) {
                const float d = p.depth();
                blendPixel(px, color, overlap(d, 0.0f, 0.45f * fw) + overlap(d, 0.7f * fw, fw));
            });
            break;
        case 7:
            drawRoundedInset(t, f, w);
            break;
        case 11:
            drawBeads(t, f, w);
            break;
        case 12:
            forEachBandPixel(t, w, [&](uint8_t* px, const BandPos& p, int32_t, int32_t) {
                blendPixel(px, color, (fw - p.depth()) / (0.85f * fw));
            });
            break;
        case 13: {
            const float lineFrom = 0.25f * fw, lineTo = lineFrom + std::max(1.0f, fw / 8.0f);
            forEachBandPixel(t, w, [&](uint8_t* px, const BandPos& p, int32_t, int32_t) {
                const float d = p.depth();
                if (d > lineTo) {
                    const float fade = 1.0f - (d - lineTo) / std::max(1.0f, fw - lineTo);
                    blendPixel(px, 0, 0.5f * fade * fade * (0.35f + 0.65f * p.litSide()));
                }
                blendPixel(px, color, overlap(d, lineFrom, lineTo));
            });
            break;
        }
        default:
            break;
    }
}

}  // namespace

void TFontFX::ZeichneBGFrame(TPixelBuffer& buffer) {
    if (buffer.Width <= 0 || buffer.Height <= 0) return;
    const int32_t w = clampFrame(Frame, buffer.Width, buffer.Height);
    if (w == 0) return;
    FrameTarget target{buffer, buffer.Width, buffer.Height};
    const uint8_t kind = Frame.FrameKind;
    if (kind >= 1 && kind <= 3)
        drawRelief(target, Frame, w);
    else if (kind == 8 || kind == 9 || kind == 10 || (kind >= 14 && kind <= 17))
        drawFrayedFrame(target, Frame, w);
    else
        drawBandKind(target, Frame, w);
}

}  // namespace vortel
