// Lines in other scripts: direction, joining, reordering, marks, fallback faces and invisible
// characters, each checked on the clusters a line is laid out into.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/Canvas.h"
#include "platform/TextShaping.h"

namespace vortel {
namespace {

FontPtr fontOf(const char* face, int32_t height = 100) {
    LogFont lf;
    lf.setFaceName(face);
    lf.lfHeight = height;
    lf.lfWeight = 400;
    FontPtr font = Font::create(lf);
    return font->substituted() ? nullptr : font;
}

std::u32string u32(const char* utf8) { return utf8ToU32(utf8); }

// The line's characters in the order the clusters show them, each cluster's characters in logical order.
std::u32string visualOrder(const ShapedLine& line, std::u32string_view text) {
    std::u32string out;
    for (const TextCluster& c : line.clusters) out += text.substr(c.first, c.count);
    return out;
}

size_t glyphCount(const ShapedLine& line) {
    size_t n = 0;
    for (const TextCluster& c : line.clusters) n += c.glyphs.size();
    return n;
}

}  // namespace

// A line of Western letters keeps the plain layout, character for character.
TEST(Shaping, WesternLettersKeepOneClusterACharacterWithTheFacesAdvances) {
    const FontPtr font = fontOf("DejaVu Sans");
    ASSERT_TRUE(font);
    const std::u32string text = u32("Grüße, Ἀθῆναι & Москва");
    const ShapedLine line = shapeLine(font, text, ShapeOptions{false, 0});
    EXPECT_TRUE(line.plain);
    EXPECT_FALSE(line.rightToLeft);
    ASSERT_EQ(line.clusters.size(), text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(line.clusters[i].first, i);
        EXPECT_EQ(line.clusters[i].advance, font->advance(text[i]));
        EXPECT_EQ(line.clusters[i].glyphs.at(0).glyph, font->glyphIndex(text[i]));
        EXPECT_EQ(line.clusters[i].glyphs.at(0).font, font.get());
    }
}

TEST(Shaping, DirectionOrderAndClustersFollowTheScript) {
    struct Case {
        const char* face;
        const char* text;
        bool rightToLeft;
        const char* visual;  // the characters in the order the clusters show them
        size_t clusters;
    } cases[] = {
        // Hebrew runs right to left; the number inside keeps its own order.
        {"DejaVu Sans", "שלום 123", true, "123 םולש", 8},
        // A Latin line with a Hebrew word: the word alone is turned round.
        {"DejaVu Sans", "ab שלום cd", false, "ab םולש cd", 10},
        // Vietnamese with combining marks: the base letter and both marks are one letter.
        {"DejaVu Sans", "Vie\u0302\u0301t", false, "Vie\u0302\u0301t", 4},
        // Devanagari: the conjunct क्ष is one letter, and so is the consonant with its vowel sign.
        {"Noto Sans Devanagari", "क्षि", false, "क्षि", 1},
        // Hangul jamo make one syllable.
        {"Noto Sans CJK KR", "\u1100\u1161\u11A8", false, "\u1100\u1161\u11A8", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const FontPtr font = fontOf(c.face);
        if (!font) {
            std::printf("skipped: %s is not installed\n", c.face);
            continue;
        }
        const std::u32string text = u32(c.text);
        const ShapedLine line = shapeLine(font, text);
        EXPECT_FALSE(line.plain);
        EXPECT_EQ(line.rightToLeft, c.rightToLeft);
        EXPECT_EQ(u32ToUtf8(visualOrder(line, text)), c.visual);
        EXPECT_EQ(line.clusters.size(), c.clusters);
    }
}

// Arabic letters take their joining forms: the glyphs differ from the isolated letters', and the
// word reads from the right.
TEST(Shaping, ArabicLettersJoin) {
    const FontPtr font = fontOf("DejaVu Sans");
    ASSERT_TRUE(font);
    const std::u32string text = u32("بيت");
    const ShapedLine line = shapeLine(font, text);
    ASSERT_EQ(line.clusters.size(), 3u);
    EXPECT_TRUE(line.rightToLeft);
    // Visual order: the last letter is leftmost.
    EXPECT_EQ(line.clusters.front().first, 2u);
    EXPECT_EQ(line.clusters.back().first, 0u);
    for (const TextCluster& c : line.clusters)
        EXPECT_NE(c.glyphs.at(0).glyph, font->glyphIndex(text[c.first])) << "letter " << c.first << " unjoined";
}

// A face that kerns only through its positioning table (no old kern table) kerns too: the pair
// ayin-vav of this face moves closer with kerning on.
TEST(Shaping, PositioningTableKerningIsApplied) {
    const FontPtr font = fontOf("Noto Serif Hebrew");
    if (!font) GTEST_SKIP() << "Noto Serif Hebrew is not installed";
    ASSERT_TRUE(font->hasKerning());
    const std::u32string text = u32("עולם");
    ShapeOptions unkerned;
    unkerned.kerning = false;
    EXPECT_LT(shapeLine(font, text).width(0), shapeLine(font, text, unkerned).width(0));
}

// The Devanagari vowel sign i is written before its consonant though typed after it.
TEST(Shaping, DevanagariVowelSignStandsBeforeItsConsonant) {
    const FontPtr font = fontOf("Noto Sans Devanagari");
    if (!font) GTEST_SKIP() << "Noto Sans Devanagari is not installed";
    const std::u32string text = u32("कि");
    const ShapedLine line = shapeLine(font, text);
    ASSERT_EQ(line.clusters.size(), 1u);
    const auto& glyphs = line.clusters[0].glyphs;
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[1].glyph, font->glyphIndex(U'क'));
    EXPECT_LT(glyphs[0].x, glyphs[1].x);
}

// A character the face lacks comes from a face that has it, on the same baseline; what no face
// draws, and what is never drawn, takes no glyph.
TEST(Shaping, MissingCharactersComeFromAnotherFaceAndFormatCharactersAreNotDrawn) {
    const FontPtr font = fontOf("Liberation Sans");
    ASSERT_TRUE(font);
    // Liberation Sans has no Arabic letters; DejaVu Sans, installed beside it, has.
    ASSERT_EQ(font->glyphIndex(U'ب'), 0u);
    const ShapedLine mixed = shapeLine(font, u32("Aب"));
    ASSERT_EQ(mixed.clusters.size(), 2u);
    EXPECT_EQ(mixed.clusters[0].glyphs.at(0).font, font.get());
    const PlacedGlyph& letter = mixed.clusters[1].glyphs.at(0);
    EXPECT_NE(letter.font->familyName(), font->familyName());
    EXPECT_NE(letter.glyph, 0u);
    EXPECT_GT(mixed.clusters[1].advance, 0);

    struct Case {
        const char* text;
        size_t glyphs;
    } invisible[] = {
        {"a\u00ADb", 2},        // soft hyphen
        {"a\u200Db\u200Cc", 3},  // joiners between Latin letters
        {"a\u200Eb\u200Fc", 3},  // direction marks
        {"a\u2066b\u2069", 2},   // isolates
        {"a\x01" "b", 2},         // a control character
    };
    for (const Case& c : invisible) {
        const ShapedLine line = shapeLine(font, u32(c.text));
        EXPECT_EQ(glyphCount(line), c.glyphs) << c.text;
        for (const TextCluster& cl : line.clusters)
            for (const PlacedGlyph& g : cl.glyphs) EXPECT_NE(g.glyph, 0u) << c.text << ": a box";
    }
}

// A tab is a space without the expand-tabs flag, and reaches the next stop with it.
TEST(Shaping, TabsReachTheNextStopOrAreASpace) {
    const FontPtr font = fontOf("DejaVu Sans", 40);
    ASSERT_TRUE(font);
    const std::u32string text = u32("a\tb");
    const ShapedLine spaced = shapeLine(font, text, ShapeOptions{false, 0});
    ASSERT_EQ(spaced.clusters.size(), 3u);
    EXPECT_EQ(spaced.clusters[1].advance, font->advance(U' '));
    EXPECT_TRUE(spaced.clusters[1].glyphs.empty());

    const int32_t stop = 8 * font->metrics().avgCharWidth;
    const ShapedLine expanded = shapeLine(font, text, ShapeOptions{false, stop});
    EXPECT_EQ(expanded.clusters[0].advance + expanded.clusters[1].advance, stop);
}

}  // namespace vortel

namespace vortel {
namespace {

std::vector<PointF> clusterPath(const FontPtr& font, const TextCluster& cluster, double x, int32_t tenths) {
    Canvas dc(1, 1);
    dc.selectFont(font);
    dc.beginPath();
    dc.drawCluster(x, 0, cluster, tenths);
    dc.endPath();
    return dc.path().points();
}

}  // namespace

// A letter that tilts is a whole cluster: drawn one by one, clusters give the same outline as the
// line drawn at once (joined forms, marks and reordered vowel signs kept), and a turned cluster is
// that outline turned about its pen position.
TEST(Shaping, ClustersDrawnOneByOneKeepTheirGlyphsAndTurnWhole) {
    const struct {
        const char* face;
        const char* text;
    } cases[] = {{"DejaVu Sans", "مرحبا"}, {"DejaVu Sans", "Vie\u0302\u0301t"}, {"Noto Sans Devanagari", "नमस्ते कि"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FontPtr font = fontOf(c.face, 80);
        if (!font) continue;
        const ShapedLine line = shapeLine(font, u32(c.text));
        std::vector<int32_t> advances;
        for (const TextCluster& cl : line.clusters) advances.push_back(cl.advance);
        Canvas whole(1, 1);
        whole.selectFont(font);
        whole.beginPath();
        whole.drawShaped(0, 0, line, &advances);
        whole.endPath();

        std::vector<PointF> pieces;
        double pen = 0;
        for (const TextCluster& cl : line.clusters) {
            const std::vector<PointF> upright = clusterPath(font, cl, pen, 0);
            const std::vector<PointF> turned = clusterPath(font, cl, pen, 900);
            ASSERT_EQ(upright.size(), turned.size());
            for (size_t i = 0; i < upright.size(); ++i) {
                // A quarter turn takes (dx, dy) from the pen to (dy, -dx).
                EXPECT_NEAR(turned[i].x - pen, upright[i].y, 0.01);
                EXPECT_NEAR(turned[i].y, -(upright[i].x - pen), 0.01);
            }
            pieces.insert(pieces.end(), upright.begin(), upright.end());
            pen += cl.advance;
        }
        const std::vector<PointF>& all = whole.path().points();
        ASSERT_FALSE(all.empty());
        ASSERT_EQ(all.size(), pieces.size());
        for (size_t i = 0; i < all.size(); ++i) {
            EXPECT_NEAR(all[i].x, pieces[i].x, 0.01);
            EXPECT_NEAR(all[i].y, pieces[i].y, 0.01);
        }
    }
}

}  // namespace vortel
