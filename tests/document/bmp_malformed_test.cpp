// Broken and hostile BMP files: each must end in ImageError, never a crash or a huge allocation.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageError.h"
#include "tests/document/ImageBytes.h"

using vortel::decodeBmp;
using vortel::ImageError;
using vortel::testing::BmpSample;
using vortel::testing::buildBmp;

namespace {

BmpSample eightBit(int32_t width, int32_t height, std::vector<uint8_t> pixels) {
    BmpSample s{.width = width, .height = height, .bitCount = 8};
    s.palette = {{0, 0, 0}, {0xFF, 0xFF, 0xFF}};
    s.pixels = std::move(pixels);
    return s;
}

BmpSample rle8(int32_t width, int32_t height, std::vector<uint8_t> stream) {
    BmpSample s = eightBit(width, height, std::move(stream));
    s.compression = 1;
    return s;
}

void expectRejected(const BmpSample& sample, const std::string& words) {
    try {
        decodeBmp(buildBmp(sample));
        ADD_FAILURE() << "accepted; expected an error about " << words;
    } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

}  // namespace

TEST(BmpMalformed, EveryTruncationIsAnError) {
    BmpSample rgb{.width = 3, .height = 2, .bitCount = 24};
    rgb.pixels.assign(24, 0x5A);
    const BmpSample rle = rle8(2, 2, {2, 1, 0, 0, 2, 0, 0, 1});
    for (const auto& file : {buildBmp(rgb), buildBmp(rle), buildBmp(eightBit(2, 1, {1, 0, 0, 0}))}) {
        ASSERT_NO_THROW(decodeBmp(file));
        for (size_t n = 0; n < file.size(); ++n) {
            EXPECT_THROW(decodeBmp({file.data(), n}), ImageError) << "first " << n << " of " << file.size();
        }
    }
}

TEST(BmpMalformed, DimensionsBeyondTheLimitsAreRejectedBeforeAllocating) {
    expectRejected(BmpSample{.width = 40000, .height = 1}, "larger than supported");
    expectRejected(BmpSample{.width = 20000, .height = -20000}, "larger than supported");
    expectRejected(BmpSample{.width = -5, .height = 1}, "no pixels");
    expectRejected(BmpSample{.width = 1, .height = 0}, "no pixels");
    expectRejected(BmpSample{.width = 1, .height = INT32_MIN}, "height");
}

TEST(BmpMalformed, HeaderFieldsOutsideTheFormat) {
    expectRejected(BmpSample{.planes = 0}, "plane count");
    expectRejected(BmpSample{.headerSize = 64}, "header size");
    expectRejected(BmpSample{.bitCount = 2}, "unsupported BMP format");
    expectRejected(BmpSample{.bitCount = 24, .compression = 4}, "unsupported BMP format");
    expectRejected(BmpSample{.bitCount = 24, .compression = 1}, "unsupported BMP format");
    expectRejected(BmpSample{.bitCount = 16, .compression = 3, .masks = {0xF00F, 0x0FF0, 0}}, "one run of bits");
    expectRejected(BmpSample{.bitCount = 16, .compression = 3, .masks = {0x1F0000, 0x07E0, 0x1F}}, "wider than the pixel");
    expectRejected(BmpSample{.bitCount = 8, .colorsUsed = 257}, "more entries");
    BmpSample topDownRle = rle8(1, -1, {1, 0, 0, 1});
    expectRejected(topDownRle, "top-down");
    EXPECT_THROW(decodeBmp(std::vector<uint8_t>{'B', 'A', 0, 0}), ImageError);
}

TEST(BmpMalformed, PixelOffsetOutsideTheFile) {
    BmpSample s{.pixels = {1, 2, 3, 0}};
    s.pixelOffset = 1000;
    expectRejected(s, "pixel data offset");
    s.pixelOffset = 20;  // inside the info header
    expectRejected(s, "pixel data offset");
}

TEST(BmpMalformed, PaletteIndexOutOfRange) {
    expectRejected(eightBit(2, 1, {1, 2, 0, 0}), "palette index 2");
    expectRejected(rle8(2, 1, {2, 7, 0, 1}), "palette index 7");
    // A pixel offset that leaves no room for the palette leaves it empty.
    BmpSample noRoom = eightBit(1, 1, {0, 0, 0, 0});
    noRoom.pixelOffset = 54;
    expectRejected(noRoom, "palette index 0");
}

TEST(BmpMalformed, RunLengthDataLeavingItsRowOrImage) {
    expectRejected(rle8(2, 2, {3, 1, 0, 1}), "end of a row");
    expectRejected(rle8(2, 2, {0, 3, 1, 1, 1, 0, 0, 1}), "end of a row");
    expectRejected(rle8(2, 1, {1, 1, 0, 0, 1, 1, 0, 1}), "last row");
    expectRejected(rle8(2, 2, {0, 2, 3, 0, 0, 1}), "delta");
    expectRejected(rle8(2, 2, {0, 2, 0, 3, 0, 1}), "delta");
    expectRejected(rle8(2, 2, {2, 1, 0, 0}), "truncated");  // no end of bitmap
}

// The smallest fuzzer input for each distinct rejection it reached, kept so none regresses into a crash.
TEST(BmpMalformed, InputsTheFuzzerReachedAreRejected) {
    EXPECT_GT(vortel::testing::replayMalformed("bmp", [](auto bytes) { decodeBmp(bytes); }), 0u);
}
