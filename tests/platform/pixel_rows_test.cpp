// Row conversions between 32-bit canvas pixels and 3-byte rows: every width, including the short
// tails the four-pixel steps leave to the plain loop, and nothing written past the row.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/PixelRows.h"

namespace {

TEST(PixelRows, PackAndUnpackEveryWidthWithoutTouchingBeyondTheRow) {
    for (int32_t count : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 16, 17, 640, 1921}) {
        SCOPED_TRACE(count);
        std::vector<uint32_t> pixels(size_t(count) + 4, 0xA5A5A5A5u);
        for (int32_t x = 0; x < count; ++x) pixels[size_t(x)] = 0xFF000000u | uint32_t(x * 2654435761u) >> 8;
        std::vector<uint8_t> bytes(size_t(count) * 3 + 16, 0xEE);
        vortel::packBgrRow(pixels.data(), bytes.data(), count);
        for (int32_t x = 0; x < count; ++x) {
            const uint32_t v = pixels[size_t(x)];
            ASSERT_EQ(bytes[3 * size_t(x)], uint8_t(v)) << x;
            ASSERT_EQ(bytes[3 * size_t(x) + 1], uint8_t(v >> 8)) << x;
            ASSERT_EQ(bytes[3 * size_t(x) + 2], uint8_t(v >> 16)) << x;
        }
        for (size_t i = size_t(count) * 3; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0xEE) << "past the row at " << i;

        std::vector<uint32_t> back(size_t(count) + 4, 0x12345678u);
        vortel::unpackBgrRow(bytes.data(), back.data(), count);
        for (int32_t x = 0; x < count; ++x) ASSERT_EQ(back[size_t(x)], pixels[size_t(x)] & 0xFFFFFFu) << x;
        for (size_t i = size_t(count); i < back.size(); ++i) ASSERT_EQ(back[i], 0x12345678u) << "past the row at " << i;
    }
}

}  // namespace
