// Every BMP variant the reader accepts, decoded from bytes written by hand against known pixels.
#include <gtest/gtest.h>

#include "document/ImageBmp.h"
#include "tests/document/ImageBytes.h"

using vortel::decodeBmp;
using vortel::testing::BmpSample;
using vortel::testing::buildBmp;
using vortel::testing::hasPixels;

namespace {

constexpr uint32_t Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF, Black = 0, White = 0xFFFFFF, Grey = 0x808080;

// Palette entries are stored blue, green, red.
const std::vector<std::array<uint8_t, 3>> greyRedGreenBlue = {
    {0x80, 0x80, 0x80}, {0x00, 0x00, 0xFF}, {0x00, 0xFF, 0x00}, {0xFF, 0x00, 0x00}};

}  // namespace

TEST(BmpIndexed, OneBitRowsArePaddedAndBottomUp) {
    BmpSample s{.width = 3, .height = 2, .bitCount = 1};
    s.palette = {{0, 0, 0}, {0xFF, 0xFF, 0xFF}};
    s.pixels = {0xA0, 0, 0, 0, 0x40, 0, 0, 0};  // bottom row 1 0 1, top row 0 1 0
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{Black, White, Black}, {White, Black, White}}));
}

TEST(BmpIndexed, FourBitUsesHighNibbleFirstAndAShortPalette) {
    BmpSample s{.width = 3, .height = 1, .bitCount = 4, .colorsUsed = 3};
    s.palette = {{0xFF, 0, 0}, {0, 0xFF, 0}, {0, 0, 0xFF}};
    s.pixels = {0x20, 0x10, 0, 0};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{Red, Blue, Green}}));
}

TEST(BmpIndexed, EightBitTopDownWhenHeightIsNegative) {
    BmpSample s{.width = 2, .height = -2, .bitCount = 8, .colorsUsed = 4};
    s.palette = {{0x30, 0x20, 0x10}, {0x60, 0x50, 0x40}, {0x90, 0x80, 0x70}, {0xC0, 0xB0, 0xA0}};
    s.pixels = {3, 1, 0, 0, 0, 2, 0, 0};  // stored top row first
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{0xA0B0C0, 0x405060}, {0x102030, 0x708090}}));
}

TEST(BmpIndexed, CoreHeaderHasThreeBytePaletteEntries) {
    BmpSample s{.headerSize = 12, .width = 2, .height = 1, .bitCount = 8};
    s.palette = {{0x10, 0x20, 0x30}, {0x40, 0x50, 0x60}};
    s.pixels = {1, 0, 0, 0};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{0x605040, 0x302010}}));
}

TEST(BmpDirect, TwentyFourBitRowsSkipTheirPadding) {
    BmpSample s{.width = 3, .height = 2, .bitCount = 24};
    s.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE, 0xAA, 0xBB, 0xCC, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xEE, 0xEE, 0xEE};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{0xCCBBAA, Black, White}, {0x030201, 0x060504, 0x090807}}));
}

TEST(BmpDirect, SixteenBitDefaultsToFiveFiveFive) {
    BmpSample s{.width = 2, .height = 1, .bitCount = 16};
    s.pixels = {0x00, 0x7C, 0x1F, 0x02};  // red 31; green 16 and blue 31
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{Red, 0x0084FF}}));
}

TEST(BmpDirect, SixteenBitFieldsFiveSixFive) {
    BmpSample s{.width = 3, .height = 1, .bitCount = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F}};
    s.pixels = {0xE0, 0x07, 0x00, 0x08, 0x00, 0x04, 0, 0};  // green 63; red 1; green 32
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{Green, 0x080000, 0x008200}}));
}

TEST(BmpDirect, ThirtyTwoBitIgnoresTheFourthByte) {
    BmpSample s{.width = 2, .height = 1, .bitCount = 32};
    s.pixels = {0x11, 0x22, 0x33, 0xFF, 0x44, 0x55, 0x66, 0x00};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{0x332211, 0x665544}}));
}

TEST(BmpDirect, ThirtyTwoBitFieldsInsideAVersionFourHeader) {
    BmpSample s{.headerSize = 108, .width = 1, .height = 1, .bitCount = 32, .compression = 3};
    s.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
    s.pixels = {0x11, 0x22, 0x33, 0x00};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{0x112233}}));
}

TEST(BmpDirect, TenBitChannelsKeepTheirTopEightBits) {
    BmpSample s{.headerSize = 124, .width = 1, .height = 1, .bitCount = 32, .compression = 3};
    s.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
    s.pixels = {0x01, 0x00, 0xF8, 0x3F};  // red 1023, green 512, blue 1
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{0xFF8000}}));
}

TEST(BmpRunLength, Rle8RunsLiteralsDeltaAndSkippedPixels) {
    BmpSample s{.width = 4, .height = 3, .bitCount = 8, .compression = 1, .palette = greyRedGreenBlue};
    s.pixels = {4, 1, 0, 0,              // bottom row: four red
                0, 3, 2, 3, 2, 0, 1, 1,  // literal green blue green (padded), then one red
                0, 0,                    // end of line
                0, 2, 2, 0, 2, 3,        // skip two pixels, then two blue
                0, 1};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)),
                          {{Black, Black, Blue, Blue}, {Green, Blue, Green, Red}, {Red, Red, Red, Red}}));
}

TEST(BmpRunLength, Rle4AlternatesNibblesInRunsAndLiterals) {
    BmpSample s{.width = 5, .height = 2, .bitCount = 4, .compression = 2, .palette = greyRedGreenBlue};
    s.pixels = {5, 0x12, 0, 0,     // red green red green red
                0, 3, 0x21, 0x00,  // literal green red grey
                0, 1};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{Green, Red, Grey, Black, Black}, {Red, Green, Red, Green, Red}}));
}

TEST(BmpRunLength, DeltaMovesUpTheImage) {
    BmpSample s{.width = 3, .height = 3, .bitCount = 4, .compression = 2, .palette = greyRedGreenBlue};
    s.pixels = {0, 2, 1, 2, 1, 0x10, 0, 1};
    EXPECT_TRUE(hasPixels(decodeBmp(buildBmp(s)), {{Black, Red, Black}, {Black, Black, Black}, {Black, Black, Black}}));
}
