#pragma once
#include <cstdint>
#include <vector>

namespace vortel {

// A plain 24-bit image in memory: rows top-down, bytes blue, green, red, no padding.
struct Bitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bgr;
    bool empty() const { return width <= 0 || height <= 0; }
};

}  // namespace vortel
