#pragma once
// A picture without its background, recovered from two renders that differ only in the
// background colour: one over black, one over white.
#include <cstdint>
#include <vector>

#include "platform/Bitmap.h"

namespace vortel::cli {

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

}  // namespace vortel::cli
