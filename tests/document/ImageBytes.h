#pragma once
// Builders for small image files written byte by byte, so each test shows exactly what it feeds
// the readers, and helpers to compare decoded pixels.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <span>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "platform/Bitmap.h"

namespace vortel::testing {

struct BmpSample {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;                  // after a 40-byte header, inside a larger one
    std::vector<std::array<uint8_t, 3>> palette;  // blue, green, red
    std::vector<uint8_t> pixels;                  // as stored, padding included
    std::optional<uint32_t> pixelOffset;          // default: right after the palette
};

std::vector<uint8_t> buildBmp(const BmpSample& sample);

struct PngSample {
    uint32_t width = 1;
    uint32_t height = 1;
    uint8_t bitDepth = 8;
    uint8_t colorType = 2;
    uint8_t interlace = 0;
    std::vector<uint8_t> plte;       // RGB triples
    std::vector<uint8_t> trns;
    std::vector<uint8_t> scanlines;  // filter byte and packed pixels, row after row
};

std::vector<uint8_t> buildPng(const PngSample& sample);

// A chunk with its length and CRC.
std::vector<uint8_t> pngChunk(const std::string& type, const std::vector<uint8_t>& data);

// Pixels as 0xRRGGBB, top row first.
using Rows = std::vector<std::vector<uint32_t>>;
::testing::AssertionResult hasPixels(const Bitmap& image, const Rows& rows);

uint32_t pixelAt(const Bitmap& image, int32_t x, int32_t y);

// Deterministic noise, so the round trips see every byte value in every position.
Bitmap noiseBitmap(int32_t width, int32_t height, uint32_t seed);

// The smallest fuzzer input for each distinct rejection the fuzzer reached lives in
// tests/data/<format>/malformed/; every one must still be refused. Returns how many were replayed.
inline size_t replayMalformed(const std::string& format, const std::function<void(std::span<const uint8_t>)>& decode) {
    const std::filesystem::path dir = std::filesystem::path(VORTEL_TEST_DATA) / format / "malformed";
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const auto bytes = vortel::readFileBytes(entry.path().string());
        EXPECT_THROW(decode(bytes), ImageError) << entry.path();
        ++files;
    }
    return files;
}

}  // namespace vortel::testing
