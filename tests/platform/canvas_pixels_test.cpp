#include <gtest/gtest.h>

#include "platform/Canvas.h"

namespace vortel {
namespace {

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kLine = 0x102030;
constexpr ColorRef kBack = 0x405060;

// A bitmap whose pixel (x, y) has blue x, green y, red 200: every pixel tells where it came from.
Bitmap gradientBitmap(int32_t w, int32_t h) {
    Bitmap b{w, h, {}};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) b.bgr.insert(b.bgr.end(), {uint8_t(x), uint8_t(y), 200});
    return b;
}

ColorRef gradientColor(int32_t x, int32_t y) { return rgb(200, uint8_t(y), uint8_t(x)); }

TEST(CanvasDrawBitmap, CopiesTopDownBgrRowsClippedToTheCanvas) {
    Canvas c(10, 10);
    int notified = 0;
    c.setChangeListener([&] { ++notified; });
    c.drawBitmap(3, 2, gradientBitmap(4, 5));
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(c.pixel(3, 2), gradientColor(0, 0));
    EXPECT_EQ(c.pixel(6, 6), gradientColor(3, 4));
    EXPECT_EQ(c.pixel(7, 2), kWhite);
    EXPECT_EQ(c.pixel(3, 7), kWhite);
    c.drawBitmap(-3, -2, gradientBitmap(6, 6));
    EXPECT_EQ(c.pixel(0, 0), gradientColor(3, 2));
    EXPECT_EQ(c.pixel(3, 0), kWhite);
    c.drawBitmap(7, 8, gradientBitmap(6, 6));
    EXPECT_EQ(c.pixel(9, 9), gradientColor(2, 1));
    c.drawBitmap(2147483000, 2147483000, gradientBitmap(6, 6));
    EXPECT_EQ(notified, 4);
}

TEST(CanvasDrawBitmap, ShortOrEmptyPixelDataIsReadOnlyAsFarAsItGoes) {
    Canvas c(10, 10);
    Bitmap shortRows = gradientBitmap(4, 4);
    shortRows.bgr.resize(4 * 3 * 2 + 5);  // two whole rows and part of a third
    c.drawBitmap(0, 0, shortRows);
    EXPECT_EQ(c.pixel(3, 1), gradientColor(3, 1));
    EXPECT_EQ(c.pixel(0, 2), kWhite);
    c.drawBitmap(0, 0, Bitmap{-4, 3, {}});
    c.andBitmap(0, 0, Bitmap{5, 5, {}});
    c.setFromBitmap(Bitmap{5, 5, {1, 2, 3}});
    EXPECT_EQ(c.pixel(5, 5), kWhite);
}

TEST(CanvasHatch, EachStyleDrawsItsLinesAnchoredAtTheOrigin) {
    struct Case {
        HatchStyle style;
        bool (*line)(int32_t x, int32_t y);
    };
    const Case cases[] = {
        {HatchStyle::Horizontal, [](int32_t, int32_t y) { return y % 8 == 4; }},
        {HatchStyle::Vertical, [](int32_t x, int32_t) { return x % 8 == 4; }},
        {HatchStyle::ForwardDiagonal, [](int32_t x, int32_t y) { return (x - y + 64) % 8 == 0; }},
        {HatchStyle::BackwardDiagonal, [](int32_t x, int32_t y) { return (x + y) % 8 == 7; }},
        {HatchStyle::Cross, [](int32_t x, int32_t y) { return x % 8 == 4 || y % 8 == 4; }},
        {HatchStyle::DiagonalCross, [](int32_t x, int32_t y) { return (x - y + 64) % 8 == 0 || (x + y) % 8 == 7; }},
    };
    for (const Case& k : cases) {
        Canvas c(30, 30);
        c.fillHatch({3, 5, 27, 29}, k.style, kLine, kBack);  // an odd corner must not shift the grid
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 30; ++x) {
                const bool inside = x >= 3 && x < 27 && y >= 5 && y < 29;
                const ColorRef want = !inside ? kWhite : k.line(x, y) ? kLine : kBack;
                ASSERT_EQ(c.pixel(x, y), want) << int(k.style) << " at " << x << "," << y;
            }
    }
}

TEST(CanvasAndBitmap, AndsEachChannelAndIgnoresPixelsOutside) {
    Canvas c(6, 6);
    c.fillRect({0, 0, 6, 6}, rgb(0xF0, 0x3C, 0xAA));
    const Bitmap mask{2, 1, {0x0F, 0xFF, 0x33, 0xFF, 0xFF, 0xFF}};  // BGR
    c.andBitmap(4, 5, mask);
    c.andBitmap(-1, 0, mask);
    EXPECT_EQ(c.pixel(4, 5), rgb(0xF0 & 0x33, 0x3C & 0xFF, 0xAA & 0x0F));
    EXPECT_EQ(c.pixel(5, 5), rgb(0xF0, 0x3C, 0xAA));
    EXPECT_EQ(c.pixel(0, 0), rgb(0xF0, 0x3C, 0xAA));
    EXPECT_EQ(c.pixel(3, 5), rgb(0xF0, 0x3C, 0xAA));
}

TEST(CanvasBitmapTransfer, ToBitmapIsTopDownBgrAndRoundTrips) {
    Canvas c(7, 5);
    c.drawBitmap(0, 0, gradientBitmap(7, 5));
    const Bitmap b = c.toBitmap();
    EXPECT_EQ(b.width, 7);
    EXPECT_EQ(b.height, 5);
    EXPECT_EQ(b.bgr, gradientBitmap(7, 5).bgr);

    Canvas copy(7, 5);
    copy.setFromBitmap(b);
    EXPECT_EQ(copy.toBitmap().bgr, b.bgr);
}

TEST(CanvasBitmapTransfer, AnotherSizeCopiesTheOverlapAndIgnoresTheClip) {
    Canvas c(6, 4);
    c.beginPath();
    c.endPath();
    c.selectClipPath();  // nothing may be drawn, but a new picture replaces the whole image
    c.setFromBitmap(gradientBitmap(3, 9));
    EXPECT_EQ(c.pixel(2, 3), gradientColor(2, 3));
    EXPECT_EQ(c.pixel(3, 0), kWhite);
    c.setFromBitmap(gradientBitmap(10, 2));
    EXPECT_EQ(c.pixel(5, 1), gradientColor(5, 1));
    EXPECT_EQ(c.pixel(5, 2), kWhite);
}

}  // namespace
}  // namespace vortel
