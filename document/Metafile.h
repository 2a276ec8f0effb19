#pragma once
// The warped text outline as a vector picture: an enhanced metafile (EMF) or a Windows 3.1
// metafile with a placeable header (WMF). Both draw the outline with a black pen, the light grey
// brush selected, in the work image's pixels.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/FontFX.h"
#include "platform/Geometry.h"

namespace vortel {

// The screen an EMF is recorded against: 96 dots per inch on both axes. The sizes are multiples
// of 480 pixels, the smallest at which 96 dpi comes out as whole millimetres (480 px = 127 mm), so
// the frame's 0.01 mm per pixel is the same horizontally and vertically.
namespace reference_screen {
inline constexpr int32_t WidthPx = 1920;
inline constexpr int32_t HeightPx = 1440;
inline constexpr int32_t WidthMm = 508;
inline constexpr int32_t HeightMm = 381;
}  // namespace reference_screen

// The outline's records between a header and the end-of-file record. Throws ImageError for an
// image without pixels or beyond the image limits, or an outline too large for the format.
std::vector<uint8_t> encodeEmf(std::span<const Point> points, std::span<const uint8_t> types, int32_t imageWidth,
                               int32_t imageHeight);
// WMF coordinates are 16-bit: points and image sides outside -32768 … 32767 are saturated.
std::vector<uint8_t> encodeWmf(std::span<const Point> points, std::span<const uint8_t> types, int32_t imageWidth,
                               int32_t imageHeight);

// Writes the engine's outline atomically and returns the path written: with `enhanced` an EMF
// whose name always ends in ".emf", otherwise a WMF at `path` as given. An engine without text
// writes a valid metafile that draws nothing.
std::string ExportMetafile(const TFontFX& engine, int32_t imageWidth, int32_t imageHeight, const std::string& path,
                           bool enhanced);

}  // namespace vortel
