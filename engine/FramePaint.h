#pragma once
#include <algorithm>
#include <cstdint>

#include "engine/EffectParams.h"
#include "engine/PixelBuffer.h"

namespace vortel {

// The pixel buffer seen the way the frame geometry is laid out: y runs down from the top line.
struct FrameTarget {
    TPixelBuffer& buffer;
    int32_t W, H;
    uint8_t* at(int32_t x, int32_t y) { return buffer.pixel(x, H - 1 - y); }
};

// Mixes `color` (0x00BBGGRR) over the BGR pixel by `alpha` 0..1.
inline void blendPixel(uint8_t* px, ColorRef color, float alpha) {
    const int32_t a = int32_t(std::clamp(alpha, 0.0f, 1.0f) * 256.0f + 0.5f);
    const int32_t src[3] = {int32_t(color >> 16 & 0xFF), int32_t(color >> 8 & 0xFF), int32_t(color & 0xFF)};
    for (int c = 0; c < 3; ++c) px[c] = uint8_t(px[c] + (((src[c] - px[c]) * a) >> 8));
}

// Lights the pixel towards white (amount > 0) or shades it towards black (amount < 0).
inline void shadePixel(uint8_t* px, float amount) {
    if (amount >= 0)
        blendPixel(px, 0xFFFFFF, amount);
    else
        blendPixel(px, 0, -amount);
}

// Kinds 8, 9, 10 and 14..17: frames whose inner edge is a seeded or wavy line.
void drawFrayedFrame(FrameTarget& target, const FrameParams& frame, int32_t w);

}  // namespace vortel
