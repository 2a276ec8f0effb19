// PNG colour types and depths decoded against known pixels, and broken files rejected.
#include <gtest/gtest.h>

#include <png.h>

#include <filesystem>
#include <random>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/ImagePng.h"
#include "tests/document/ImageBytes.h"

using vortel::decodePng;
using vortel::ImageError;
using vortel::testing::buildPng;
using vortel::testing::hasPixels;
using vortel::testing::PngSample;

namespace {

enum ColorType : uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

const PngSample rgbTwoByTwo{.width = 2, .height = 2, .scanlines = {0, 1, 2, 3, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12}};

}  // namespace

TEST(PngDecode, EightBitRgbKeepsItsRows) {
    EXPECT_TRUE(hasPixels(decodePng(buildPng(rgbTwoByTwo)), {{0x010203, 0x040506}, {0x070809, 0x0A0B0C}}));
}

TEST(PngDecode, OneBitGreyExpandsToBlackAndWhite) {
    const PngSample s{.width = 3, .bitDepth = 1, .colorType = Grey, .scanlines = {0, 0xA0}};
    EXPECT_TRUE(hasPixels(decodePng(buildPng(s)), {{0xFFFFFF, 0x000000, 0xFFFFFF}}));
}

TEST(PngDecode, SixteenBitChannelsScaleToEight) {
    const PngSample grey{.width = 2, .bitDepth = 16, .colorType = Grey, .scanlines = {0, 0xFF, 0xFF, 0x80, 0x80}};
    EXPECT_TRUE(hasPixels(decodePng(buildPng(grey)), {{0xFFFFFF, 0x808080}}));
    const PngSample rgb{.bitDepth = 16, .colorType = Rgb, .scanlines = {0, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}};
    EXPECT_TRUE(hasPixels(decodePng(buildPng(rgb)), {{0x12569A}}));
}

TEST(PngDecode, PaletteWithTransparencyIsCompositedOverWhite) {
    PngSample s{.width = 3, .bitDepth = 4, .colorType = Palette, .scanlines = {0, 0x01, 0x20}};
    s.plte = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0};
    s.trns = {0x00, 0xFF, 0x80};  // red invisible, blue opaque, black half
    EXPECT_TRUE(hasPixels(decodePng(buildPng(s)), {{0xFFFFFF, 0x0000FF, 0x7F7F7F}}));
}

TEST(PngDecode, AlphaChannelsAreCompositedOverWhite) {
    const PngSample rgba{.width = 2, .colorType = Rgba, .scanlines = {0, 0, 0, 0, 128, 255, 0, 0, 255}};
    EXPECT_TRUE(hasPixels(decodePng(buildPng(rgba)), {{0x7F7F7F, 0xFF0000}}));
    const PngSample greyAlpha{.width = 2, .colorType = GreyAlpha, .scanlines = {0, 0, 0, 0x40, 0xFF}};
    EXPECT_TRUE(hasPixels(decodePng(buildPng(greyAlpha)), {{0xFFFFFF, 0x404040}}));
}

TEST(PngDecode, InterlacedPassesLandInPlace) {
    // Adam7 on 2x2: pass 1 holds (0,0), pass 6 holds (1,0), pass 7 holds the second row.
    const PngSample s{.width = 2, .height = 2, .colorType = Grey, .interlace = 1, .scanlines = {0, 0x10, 0, 0x20, 0, 0x30, 0x40}};
    EXPECT_TRUE(hasPixels(decodePng(buildPng(s)), {{0x101010, 0x202020}, {0x303030, 0x404040}}));
}

TEST(PngMalformed, EveryTruncationIsAnError) {
    const auto file = buildPng(rgbTwoByTwo);
    for (size_t n = 0; n < file.size(); ++n) {
        EXPECT_THROW(decodePng({file.data(), n}), ImageError) << "first " << n << " of " << file.size();
    }
}

TEST(PngMalformed, BadCrcInACriticalChunk) {
    const auto good = buildPng(rgbTwoByTwo);
    const size_t ihdrCrc = 8 + 8 + 13;
    for (const size_t at : {ihdrCrc, good.size() - 12 - 1}) {  // IHDR's CRC, the last byte of IDAT's CRC
        auto bad = good;
        bad[at] ^= 0x01;
        EXPECT_THROW(decodePng(bad), ImageError) << "byte " << at;
    }
}

TEST(PngMalformed, DimensionsBeyondTheLimitsAreRejectedBeforeAllocating) {
    for (const auto& [w, h] : {std::pair{40000u, 1u}, {1u, 40000u}, {20000u, 20000u}}) {
        const PngSample s{.width = w, .height = h, .scanlines = {0, 0, 0, 0}};
        EXPECT_THROW(decodePng(buildPng(s)), ImageError) << w << "x" << h;
    }
}

TEST(PngMalformed, WrongSignatureOrPixelCount) {
    EXPECT_THROW(decodePng(std::vector<uint8_t>{'B', 'M', 0, 0}), ImageError);
    PngSample shortData = rgbTwoByTwo;
    shortData.scanlines.resize(7);  // one row of two
    EXPECT_THROW(decodePng(buildPng(shortData)), ImageError);
}

// The smallest fuzzer input for each distinct rejection it reached, kept so none regresses into a crash.
TEST(PngMalformed, InputsTheFuzzerReachedAreRejected) {
    EXPECT_GT(vortel::testing::replayMalformed("png", [](auto bytes) { decodePng(bytes); }), 0u);
}

// The quick writer's files, read back by libpng itself with every channel kept: the same pixels,
// blue-first bitmaps turned into red-first files, for shapes that end rows mid-word and pictures
// too noisy to compress.
TEST(PngEncodeFast, LibpngReadsBackEveryPixel) {
    struct Case {
        int32_t width, height;
        bool noise;
    };
    std::mt19937 random(7);
    for (const Case c : {Case{1, 1, false}, {1, 9, true}, {7, 1, true}, {3, 5, false}, {301, 97, true}, {640, 48, false}}) {
        for (const bool alpha : {false, true}) {
            const size_t channels = alpha ? 4 : 3, count = size_t(c.width) * size_t(c.height) * channels;
            std::vector<uint8_t> pixels(count);
            for (size_t i = 0; i < count; ++i) pixels[i] = c.noise ? uint8_t(random()) : uint8_t(i / channels % 5 * 60 + i % channels);
            std::vector<uint8_t> file;
            if (alpha) {
                file = vortel::encodePngRgba(c.width, c.height, pixels, vortel::PngEffort::Fast);
            } else {
                file = vortel::encodePng(vortel::Bitmap{c.width, c.height, pixels}, vortel::PngEffort::Fast);
                EXPECT_EQ(decodePng(file).bgr, pixels) << c.width << "x" << c.height;
            }
            png_image image{};
            image.version = PNG_IMAGE_VERSION;
            ASSERT_TRUE(png_image_begin_read_from_memory(&image, file.data(), file.size())) << image.message;
            EXPECT_EQ(image.format, alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB);
            image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_BGR;
            std::vector<uint8_t> read(PNG_IMAGE_SIZE(image));
            ASSERT_TRUE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr)) << image.message;
            EXPECT_EQ(read, pixels) << c.width << "x" << c.height << (alpha ? " RGBA" : " RGB");
            EXPECT_EQ(image.warning_or_error, 0u) << image.message;
        }
    }
}
