#pragma once
// The warped text outline as a one-page PDF of the work image's size at 96 dpi, painted as the
// draft view shows the letters: light grey inside a black one-pixel outline.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FontFX.h"

namespace vortel {

// Writes the page atomically. Throws ImageError for an image without pixels or beyond the image
// limits, or when the page cannot be produced; std::runtime_error when the file cannot be written.
void exportPdf(const TFontFX& engine, int32_t imageWidth, int32_t imageHeight, const std::string& path);
// The same page as bytes; `name` is what a failure names.
std::vector<uint8_t> encodePdf(const TFontFX& engine, int32_t imageWidth, int32_t imageHeight, const std::string& name);

}  // namespace vortel
