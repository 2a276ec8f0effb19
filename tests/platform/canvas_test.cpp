#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/Canvas.h"

namespace vortel {
namespace {

FontPtr arial(int32_t height) {
    LogFont lf;
    lf.setFaceName("Arial");
    lf.lfHeight = height;
    return Font::create(lf);
}

int countPixels(const Canvas& c, ColorRef color) {
    int n = 0;
    for (int32_t y = 0; y < c.height(); ++y)
        for (int32_t x = 0; x < c.width(); ++x) n += c.pixel(x, y) == color;
    return n;
}

TEST(CanvasPixels, StartsWhiteAndFillRectIsExclusiveAndClipped) {
    Canvas c(20, 10);
    int notified = 0;
    c.setChangeListener([&] { ++notified; });
    EXPECT_EQ(countPixels(c, 0xFFFFFF), 200);
    EXPECT_EQ(c.pixel(-1, 0), 0u);
    EXPECT_EQ(c.pixel(20, 0), 0u);

    const ColorRef blue = rgb(0x10, 0x20, 0xF0);
    c.fillRect({2, 3, 5, 7}, blue);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(countPixels(c, blue), 3 * 4);
    EXPECT_EQ(c.pixel(2, 3), blue);
    EXPECT_EQ(c.pixel(4, 6), blue);
    EXPECT_EQ(c.pixel(5, 6), 0xFFFFFFu);
    EXPECT_EQ(c.pixel(4, 7), 0xFFFFFFu);

    c.fillRect({-5, 8, 100, 50}, 0);
    EXPECT_EQ(countPixels(c, 0), 20 * 2);
}

// Small surfaces come from cairo, large ones from fresh mappings: a black start relies on both
// being zeroed.
TEST(CanvasPixels, StartsWhiteOrBlackAtEverySize) {
    const struct {
        int32_t w, h;
        Canvas::Start start;
        ColorRef colour;
    } cases[] = {
        {20, 10, Canvas::Start::White, 0xFFFFFF}, {20, 10, Canvas::Start::Black, 0},
        {700, 500, Canvas::Start::White, 0xFFFFFF}, {700, 500, Canvas::Start::Black, 0},
    };
    for (const auto& c : cases) {
        const Canvas canvas(c.w, c.h, c.start);
        EXPECT_EQ(countPixels(canvas, c.colour), c.w * c.h) << c.w << "x" << c.h;
    }
}

TEST(CanvasLines, LineToIsPixelExactAndExcludesTheEnd) {
    Canvas c(20, 20);
    const ColorRef red = rgb(255, 0, 0);
    c.setPenColor(red);
    c.moveTo(2, 5);
    c.lineTo(8, 5);
    EXPECT_EQ(countPixels(c, red), 6);
    EXPECT_EQ(c.pixel(2, 5), red);
    EXPECT_EQ(c.pixel(8, 5), 0xFFFFFFu);
    c.lineTo(8, 15);  // continues from the pen position
    EXPECT_EQ(c.pixel(8, 5), red);
    EXPECT_EQ(countPixels(c, red), 16);
}

TEST(CanvasPath, BracketRecordsLinesAndTextInsteadOfDrawing) {
    Canvas c(100, 60);
    c.selectFont(arial(-30));
    c.beginPath();
    c.moveTo(1, 2);
    c.lineTo(3, 4);
    c.setTextCharacterExtra(5);
    c.extTextOut(10, 10, U"AB");
    c.lineTo(7, 8);  // after a closed glyph figure this needs its own start
    c.endPath();
    EXPECT_FALSE(c.pathOpen());
    EXPECT_EQ(countPixels(c, 0xFFFFFF), 100 * 60);

    GdiPath expected;
    expected.moveTo({1, 2});
    expected.lineTo({3, 4});
    c.font()->appendGlyph(expected, U'A', {10, 10});
    c.font()->appendGlyph(expected, U'B', {10.0 + c.font()->advance(U'A') + 5, 10});
    expected.moveTo({3, 4});
    expected.lineTo({7, 8});
    EXPECT_EQ(c.path().points(), expected.points());
    EXPECT_EQ(c.path().types(), expected.types());

    c.flattenPath();
    for (uint8_t t : c.path().types()) EXPECT_NE(t & ~PT_CLOSEFIGURE, PT_BEZIERTO);
    c.beginPath();
    EXPECT_TRUE(c.path().empty());
}

TEST(CanvasPath, ExplicitAdvancesPlaceEachGlyph) {
    Canvas c(10, 10);
    c.selectFont(arial(-30));
    const std::vector<int32_t> dx{40, 7};
    c.beginPath();
    c.extTextOut(0, 0, U"AB", &dx);
    c.endPath();
    GdiPath expected;
    c.font()->appendGlyph(expected, U'A', {0, 0});
    c.font()->appendGlyph(expected, U'B', {40, 0});
    EXPECT_EQ(c.path().points(), expected.points());
}

TEST(CanvasText, ExtTextOutPaintsOnlyTextColourInsideTheGlyphBox) {
    Canvas c(80, 80);
    c.selectFont(arial(-48));
    c.setBkMode(BkMode::Transparent);
    const ColorRef ink = rgb(12, 34, 56);
    c.setTextColor(ink);
    int notified = 0;
    c.setChangeListener([&] { ++notified; });
    c.extTextOut(10, 5, U"W");
    EXPECT_EQ(notified, 1);

    GdiPath glyph;
    c.font()->appendGlyph(glyph, U'W', {10, 5});
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (const PointF& p : glyph.points()) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    }
    int inked = 0;
    for (int32_t y = 0; y < 80; ++y) {
        for (int32_t x = 0; x < 80; ++x) {
            const ColorRef px = c.pixel(x, y);
            if (px == 0xFFFFFF) continue;
            ++inked;
            EXPECT_EQ(px, ink) << x << "," << y;
            EXPECT_TRUE(x + 0.5 >= left && x + 0.5 <= right && y + 0.5 >= top && y + 0.5 <= bottom) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 100);
}

TEST(CanvasText, OpaqueModeFillsTheCellBoxAndEmptyTextStillNotifies) {
    Canvas c(100, 100);
    c.selectFont(arial(30));
    c.setTextColor(0);
    c.setBkColor(rgb(0, 255, 0));
    c.extTextOut(5, 5, U"ab");
    const int32_t w = c.textExtent(U"ab").cx;
    const int cellPixels = w * 30;
    EXPECT_EQ(countPixels(c, rgb(0, 255, 0)) + countPixels(c, 0), cellPixels);
    EXPECT_EQ(c.pixel(5, 5), rgb(0, 255, 0));
    EXPECT_EQ(c.pixel(5 + w, 5), 0xFFFFFFu);
    EXPECT_EQ(c.pixel(5, 35), 0xFFFFFFu);

    int notified = 0;
    c.setChangeListener([&] { ++notified; });
    c.extTextOut(0, 0, U"");
    EXPECT_EQ(notified, 1);
}

TEST(CanvasText, EveryTextCallNeedsAFont) {
    Canvas c(10, 10);
    EXPECT_THROW(c.textExtent(U"a"), FontError);
    EXPECT_THROW(c.charAbcWidths(U'a'), FontError);
    EXPECT_THROW(c.kernedAdvances(U"a"), FontError);
    EXPECT_THROW(c.drawText(U"a", {0, 0, 10, 10}, DT_CALCRECT), FontError);
    EXPECT_THROW(c.extTextOut(0, 0, U"a"), FontError);
}

TEST(CanvasText, CharacterExtraWidensTheExtentPerCharacter) {
    Canvas c(10, 10);
    c.selectFont(arial(24));
    const Size plain = c.textExtent(U"Hello");
    EXPECT_EQ(plain.cy, 24);
    EXPECT_EQ(plain.cx, c.font()->advance(U'H') + c.font()->advance(U'e') + 2 * c.font()->advance(U'l') +
                            c.font()->advance(U'o'));
    c.setTextCharacterExtra(3);
    EXPECT_EQ(c.textExtent(U"Hello").cx, plain.cx + 5 * 3);
    EXPECT_EQ(c.charAbcWidths(U'H').advance(), c.font()->advance(U'H'));
}

}  // namespace
}  // namespace vortel
