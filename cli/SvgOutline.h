#pragma once
// The warped outline and the four guides as an SVG picture of the work image.
#include <cstdint>
#include <string>

#include "engine/FontFX.h"

namespace vortel::cli {

// SVG path data for the engine's outline point list: M for a move, L for a line, C for each
// three Bézier points, Z after a point that closes its figure. Throws VortelError when the list
// is not a well-formed sequence of figures.
std::string outlinePathData(const TFontFX& engine);

std::string outlineSvg(const TFontFX& engine, int32_t width, int32_t height);

}  // namespace vortel::cli
