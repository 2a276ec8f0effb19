#pragma once
#include <cstdint>

#include "platform/Bitmap.h"

namespace vortel::presets {

// `source` resized to width x height: each target pixel is the area-weighted mean of the source
// pixels it covers (a box filter), so shrinking keeps thin lines and colours honest; enlarging
// repeats pixels. An empty source or target gives an empty bitmap.
Bitmap StretchBitmap(const Bitmap& source, int32_t width, int32_t height);

// The largest size with the source's proportions that fits width x height (at least 1 x 1).
void FitSize(int32_t sourceWidth, int32_t sourceHeight, int32_t& width, int32_t& height);

}  // namespace vortel::presets
