#pragma once
// Helpers shared by the document tests: engines with every group away from its defaults, pictures,
// and little-endian peeks into file images.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FontFX.h"
#include "platform/Bitmap.h"
#include "tests/common/ScratchDir.h"

namespace vortel::testing {

inline Rect testRect() { return Rect{0, 0, 450, 200}; }

// A picture with some structure, so a preview of it is not a flat JPEG.
Bitmap gradientPicture(int32_t width, int32_t height);

// Every persistent group set to values other than the engine's initial ones.
void setEverything(TFontFX& engine);

uint32_t le32(const std::vector<uint8_t>& bytes, size_t at);
uint16_t le16(const std::vector<uint8_t>& bytes, size_t at);
bool allZero(const std::vector<uint8_t>& bytes, size_t at, size_t count);

std::vector<uint8_t> readAll(const std::string& path);
void writeAll(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace vortel::testing
