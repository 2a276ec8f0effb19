// What the writers produce reads back pixel for pixel, at sizes that exercise row padding.
#include <gtest/gtest.h>

#include "document/ImageBmp.h"
#include "document/ImageError.h"
#include "document/ImagePng.h"
#include "tests/document/ImageBytes.h"

using vortel::Bitmap;
using vortel::ImageError;
using vortel::testing::noiseBitmap;

namespace {

class RoundTrip : public ::testing::TestWithParam<std::pair<int32_t, int32_t>> {};

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

}  // namespace

TEST_P(RoundTrip, Bmp) {
    const auto [w, h] = GetParam();
    const Bitmap image = noiseBitmap(w, h, uint32_t(w * 31 + h));
    const Bitmap back = vortel::decodeBmp(vortel::encodeBmp(image));
    EXPECT_EQ(back.width, w);
    EXPECT_EQ(back.height, h);
    EXPECT_TRUE(back.bgr == image.bgr);
}

TEST_P(RoundTrip, Png) {
    const auto [w, h] = GetParam();
    const Bitmap image = noiseBitmap(w, h, uint32_t(w * 17 + h));
    const Bitmap back = vortel::decodePng(vortel::encodePng(image));
    EXPECT_EQ(back.width, w);
    EXPECT_EQ(back.height, h);
    EXPECT_TRUE(back.bgr == image.bgr);
}

INSTANTIATE_TEST_SUITE_P(AwkwardSizes, RoundTrip,
                         ::testing::Values(std::pair{1, 1}, std::pair{1, 7}, std::pair{7, 1}, std::pair{301, 301}));

TEST(BmpEncode, WritesTwentyFourBitBottomUpWithPaddedRows) {
    const Bitmap image{1, 2, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06}};
    const auto file = vortel::encodeBmp(image);
    ASSERT_EQ(file.size(), 54u + 2 * 4);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(le32(file, 2), 62u);   // file size
    EXPECT_EQ(le32(file, 10), 54u);  // pixel offset
    EXPECT_EQ(le32(file, 14), 40u);  // info header
    EXPECT_EQ(le32(file, 18), 1u);
    EXPECT_EQ(le32(file, 22), 2u);  // positive height: bottom row first
    EXPECT_EQ(le32(file, 26), 24u << 16 | 1u);
    EXPECT_EQ(le32(file, 30), 0u);  // uncompressed
    EXPECT_EQ(le32(file, 34), 8u);
    EXPECT_EQ(le32(file, 38), 2835u);
    EXPECT_EQ(le32(file, 42), 2835u);
    const std::vector<uint8_t> pixels(file.begin() + 54, file.end());
    EXPECT_EQ(pixels, (std::vector<uint8_t>{0x04, 0x05, 0x06, 0, 0x01, 0x02, 0x03, 0}));
}

TEST(Encode, RejectsBitmapsWhoseBufferDoesNotMatchOrThatAreEmpty) {
    for (const Bitmap& bad : {Bitmap{2, 2, std::vector<uint8_t>(11)}, Bitmap{}, Bitmap{40000, 1, {}}}) {
        EXPECT_THROW(vortel::encodeBmp(bad), ImageError);
        EXPECT_THROW(vortel::encodePng(bad), ImageError);
    }
}
