#pragma once
// The library's images as the program loads them, and the measures the tests share.
#include <cstdint>
#include <span>
#include <string>

#include "document/BmpFormat.h"
#include "platform/Bitmap.h"

namespace vortel::testing {

std::span<const uint8_t> stockBytes(const std::string& type, const std::string& name);
Bitmap stockJpeg(const std::string& name);
Bitmap stockBitmap(const std::string& name);
// The headers of a stock bitmap: bit depth, size and palette as stored.
bmp::Header stockBitmapHeader(const std::string& name, bmp::Palette* palette = nullptr);

// Blue, green, red of pixel (x, y), rows top-down.
const uint8_t* pixelAt(const Bitmap& b, int32_t x, int32_t y);

// Mean absolute channel difference between neighbouring columns (or rows) of a tile: across the
// wrap (last against first) and, for comparison, over every interior pair.
struct SeamMeasure {
    double wrap = 0;
    double interior = 0;
};
SeamMeasure columnSeam(const Bitmap& b);
SeamMeasure rowSeam(const Bitmap& b);
// A wrap no rougher than 1.5 times the interior (plus the JPEG noise floor) shows no seam.
bool looksSeamless(const SeamMeasure& m);

}  // namespace vortel::testing
