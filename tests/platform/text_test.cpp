#include <gtest/gtest.h>

#include "platform/Canvas.h"

namespace vortel {
namespace {

class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        LogFont lf;
        lf.setFaceName("Arial");
        lf.lfHeight = 20;
        canvas.selectFont(Font::create(lf));
    }
    Size calc(std::u32string_view text, uint32_t format = DT_NOPREFIX, int32_t width = 1000) {
        return canvas.drawText(text, {0, 0, width, 500}, format | DT_CALCRECT);
    }
    int32_t extent(std::u32string_view text) { return canvas.textExtent(text).cx; }

    Canvas canvas{200, 200};
};

TEST_F(DrawTextTest, LineBreaksAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(calc(U""), (Size{0, 20}));
    EXPECT_EQ(calc(U"ab\r\ncd\nWWW\ref"), (Size{extent(U"WWW"), 4 * 20}));
    EXPECT_EQ(calc(U"ab\r\n").cy, 2 * 20);
    EXPECT_EQ(calc(U"\n\r").cy, 3 * 20);
    EXPECT_EQ(calc(U"\r\r\n").cy, 3 * 20);
}

TEST_F(DrawTextTest, CharacterExtraCountsInLineWidths) {
    canvas.setTextCharacterExtra(4);
    EXPECT_EQ(calc(U"abc\nx").cx, extent(U"abc"));
    EXPECT_EQ(extent(U"abc"), canvas.font()->advance(U'a') + canvas.font()->advance(U'b') +
                                  canvas.font()->advance(U'c') + 3 * 4);
}

TEST_F(DrawTextTest, PrefixAmpersandsAreDroppedUnlessNoPrefix) {
    EXPECT_EQ(calc(U"&&a&b", 0).cx, extent(U"&ab"));
    EXPECT_EQ(calc(U"&&a&b", DT_NOPREFIX).cx, extent(U"&&a&b"));
    EXPECT_EQ(calc(U"x&", 0).cx, extent(U"x"));
}

TEST_F(DrawTextTest, WordBreakWrapsAtTheLastFittingSpace) {
    const int32_t twoWords = extent(U"aaa aaa");
    EXPECT_EQ(calc(U"aaa aaa aaa", DT_WORDBREAK | DT_NOPREFIX, twoWords), (Size{twoWords, 2 * 20}));
    EXPECT_EQ(calc(U"aaa aaa aaa", DT_WORDBREAK | DT_NOPREFIX, twoWords - 1), (Size{extent(U"aaa"), 3 * 20}));
    // Spaces at a soft break count towards neither line.
    EXPECT_EQ(calc(U"aaa   aaa", DT_WORDBREAK | DT_NOPREFIX, extent(U"aaa ")), (Size{extent(U"aaa"), 2 * 20}));
    // A word wider than the line stays whole.
    EXPECT_EQ(calc(U"WWWWWW ab", DT_WORDBREAK | DT_NOPREFIX, 5), (Size{extent(U"WWWWWW"), 2 * 20}));
    EXPECT_EQ(calc(U"aaa aaa aaa", DT_NOPREFIX, twoWords).cy, 20);
}

TEST_F(DrawTextTest, AlignmentPlacesEachLine) {
    const Rect rect{10, 30, 110, 200};
    auto firstX = [&](uint32_t format) {
        canvas.beginPath();
        const Size size = canvas.drawText(U"ab\nWWW", rect, format | DT_NOPREFIX);
        canvas.endPath();
        EXPECT_EQ(size.cy, 40);
        GdiPath expected;
        canvas.font()->appendGlyph(expected, U'a', {0, 0});
        return canvas.path().points().front().x - expected.points().front().x;
    };
    const int32_t w = extent(U"ab");
    EXPECT_EQ(firstX(0), 10);
    EXPECT_EQ(firstX(DT_RIGHT), 110 - w);
    EXPECT_EQ(firstX(DT_CENTER), 10 + (100 - w) / 2);

    canvas.beginPath();
    canvas.drawText(U"a\na", rect, DT_NOPREFIX);
    canvas.endPath();
    GdiPath expected;
    canvas.font()->appendGlyph(expected, U'a', {10, 30});
    canvas.font()->appendGlyph(expected, U'a', {10, 50});
    EXPECT_EQ(canvas.path().points(), expected.points());
}

TEST(Utf8, RoundTripsValidText) {
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // A, e-acute, euro, emoji
    const std::u32string decoded = utf8ToU32(text);
    EXPECT_EQ(decoded, (std::u32string{U'A', 0xE9, 0x20AC, 0x1F600}));
    EXPECT_EQ(u32ToUtf8(decoded), text);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    const char32_t R = 0xFFFD;
    EXPECT_EQ(utf8ToU32("\x80" "a"), (std::u32string{R, U'a'}));          // stray continuation
    EXPECT_EQ(utf8ToU32("\xE2\x82" "A"), (std::u32string{R, U'A'}));      // truncated, resumes at A
    EXPECT_EQ(utf8ToU32("\xE2\x82"), (std::u32string{R}));                // truncated at the end
    EXPECT_EQ(utf8ToU32("\xC0\x80"), (std::u32string{R, R}));             // overlong NUL
    EXPECT_EQ(utf8ToU32("\xED\xA0\x80"), (std::u32string{R, R, R}));      // surrogate
    EXPECT_EQ(utf8ToU32("\xF4\x90\x80\x80"), (std::u32string{R, R, R, R}));  // past U+10FFFF
    EXPECT_EQ(utf8ToU32("\xFF"), (std::u32string{R}));
    EXPECT_EQ(utf8ToU32(std::string_view("\xF0\x9F\x98\x80", 3)), (std::u32string{R}));
    EXPECT_EQ(u32ToUtf8(std::u32string{0xD800, 0x110000}), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace vortel
