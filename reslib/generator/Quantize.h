#pragma once
// Reduces a 24-bit picture to a palette for an 8-bit bitmap.
#include <cstddef>

#include "platform/Bitmap.h"
#include "reslib/generator/BmpWriters.h"

namespace vortel::resgen {

// Median cut: the colour box with the widest channel spread is split at the median pixel until
// there are `maxColors` boxes; each box's palette entry is the mean of its pixels, and every pixel
// takes the nearest entry. A picture with at most `maxColors` colours keeps them exactly.
// `maxColors` must be 1 to 256; the result is the same on every run.
IndexedImage quantize(const Bitmap& picture, size_t maxColors);

}  // namespace vortel::resgen
