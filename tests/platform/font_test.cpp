#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/Font.h"
#include "platform/FontList.h"

namespace vortel {
namespace {

constexpr const char* kMissingFace = "Vortel Missing Face 7f3a";

FontPtr makeFont(const char* face, int32_t height, int32_t weight = 400, bool italic = false, int32_t width = 0,
                 int32_t escapement = 0, uint8_t pitchAndFamily = 0) {
    LogFont lf;
    lf.lfPitchAndFamily = pitchAndFamily;
    lf.setFaceName(face);
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    return Font::create(lf);
}

// The file fontconfig itself picks for a query such as "serif:weight=bold", asked without Font.
std::string fontconfigFile(const std::string& query) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>((query + ":scalable=true").c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    const std::string chosen = match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch
                                   ? reinterpret_cast<const char*>(file) : "";
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return chosen;
}

// Vertical metrics read straight from the font file, independently of Font.
struct FileMetrics {
    double winAscent = 0, winDescent = 0, unitsPerEm = 0;
};
FileMetrics readFileMetrics(const std::string& file) {
    FT_Library lib;
    FT_Face face;
    EXPECT_EQ(FT_Init_FreeType(&lib), 0);
    EXPECT_EQ(FT_New_Face(lib, file.c_str(), 0, &face), 0);
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    FileMetrics m{double(os2->usWinAscent), double(os2->usWinDescent), double(face->units_per_EM)};
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return m;
}

struct Box {
    double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
};
Box bounds(const GdiPath& p) {
    Box b;
    for (const PointF& q : p.points()) {
        b.left = std::min(b.left, q.x);
        b.right = std::max(b.right, q.x);
        b.top = std::min(b.top, q.y);
        b.bottom = std::max(b.bottom, q.y);
    }
    return b;
}

TEST(FontMatch, MetricAliasesResolveAndBoldPicksTheBoldFace) {
    const FontPtr regular = makeFont("Arial", 20);
    EXPECT_EQ(regular->familyName(), "Liberation Sans");
    EXPECT_NE(regular->filePath().find("LiberationSans-Regular"), std::string::npos);
    const FontPtr bold = makeFont("arial", 20, 700);
    EXPECT_NE(bold->filePath().find("LiberationSans-Bold"), std::string::npos);
    EXPECT_FALSE(bold->syntheticBold());
    EXPECT_EQ(makeFont("Times New Roman", 20)->familyName(), "Liberation Serif");
    EXPECT_EQ(makeFont("", 20)->familyName(), "Liberation Sans");
    EXPECT_FALSE(regular->substituted() || bold->substituted());
}

TEST(FontMatch, MissingFaceIsReplacedButItsNameIsKept) {
    const FontPtr f = makeFont(kMissingFace, 20, 400, false, 0, 0, FF_ROMAN);
    EXPECT_TRUE(f->substituted());
    EXPECT_EQ(f->logFont().faceName(), kMissingFace);
    // Installed faces and metric aliases are real matches whatever class the record claims.
    for (const char* face : {"Arial", "Times New Roman", "", "DejaVu Serif"})
        EXPECT_FALSE(makeFont(face, 20, 400, false, 0, 0, FF_MODERN)->substituted()) << face;
    EXPECT_EQ(makeFont("DejaVu Serif", 20, 400, false, 0, 0, FF_MODERN)->familyName(), "DejaVu Serif");
    EXPECT_THROW(makeFont(kMissingFace, 70000), FontError);
}

TEST(FontMatch, SubstituteFollowsTheFamilyClassAndKeepsWeightAndSlant) {
    const struct {
        uint8_t pitchAndFamily;
        const char* generic;
    } cases[] = {
        {FF_DONTCARE, "sans-serif"},  {FF_SWISS | 2, "sans-serif"}, {FF_ROMAN | 2, "serif"},
        {FF_MODERN | 1, "monospace"}, {FF_SCRIPT, "cursive"},       {FF_DECORATIVE | 2, "fantasy"},
        {0x60, "sans-serif"},         {0xF1, "sans-serif"},         {0x01, "sans-serif"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(substituteFamily(c.pitchAndFamily), c.generic) << int(c.pitchAndFamily);
        for (const bool bold : {false, true}) {
            const FontPtr f = makeFont(kMissingFace, 20, bold ? 700 : 400, !bold, 0, 0, c.pitchAndFamily);
            EXPECT_TRUE(f->substituted());
            const std::string style = bold ? ":weight=bold:slant=roman" : ":weight=regular:slant=italic";
            EXPECT_EQ(f->filePath(), fontconfigFile(c.generic + style)) << int(c.pitchAndFamily) << style;
        }
    }
    const FontPtr mono = makeFont(kMissingFace, -40, 400, false, 0, 0, FF_MODERN);
    EXPECT_EQ(mono->advance(U'i'), mono->advance(U'W'));
}

// Whether the font file itself has a glyph for every character that needs one, read with FreeType.
bool fileWrites(const Font& font, std::u32string_view text) {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    EXPECT_EQ(FT_Init_FreeType(&lib), 0);
    bool all = FT_New_Face(lib, font.filePath().c_str(), 0, &face) == 0;
    for (const char32_t c : text) all = all && (CoverageIgnores(c) || FT_Get_Char_Index(face, c) != 0);
    if (face) FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return all;
}

// A missing face's stand-in writes the text it is made for, in every class and style, and is
// never a symbol face, where one of the class writes the text at all.
TEST(FontMatch, StandInWritesTheTextAndIsNoSymbolFace) {
    const std::u32string texts[] = {U"Hallo", U"Grüße", U"Привет мир", U"\u1BC0\u1BC1 \u1BC2", U"日本語"};
    const std::vector<std::string> faces = InstalledOutlineFaces();
    for (const uint8_t pitchAndFamily : {FF_DONTCARE, FF_ROMAN, FF_SWISS, FF_MODERN, FF_SCRIPT, FF_DECORATIVE}) {
        for (const std::u32string& text : texts) {
            const bool anyWrites = std::ranges::any_of(faces, [&](const std::string& f) {
                return FamilyCoversText(f, text);
            });
            if (!anyWrites) {
                std::cout << "skipped: no installed face writes text " << (&text - texts) << "\n";
                continue;
            }
            for (const bool bold : {false, true}) {
                LogFont lf;
                lf.setFaceName(kMissingFace);
                lf.lfHeight = 20;
                lf.lfWeight = bold ? 700 : 400;
                lf.lfPitchAndFamily = pitchAndFamily;
                const FontPtr f = Font::create(lf, text);
                SCOPED_TRACE(int(pitchAndFamily) * 10 + bold);
                EXPECT_TRUE(f->substituted());
                EXPECT_TRUE(fileWrites(*f, text)) << f->familyName();
                // Letters of the Latin alphabet come from a text face, never from dingbats.
                if (text[0] < 0x80) {
                    EXPECT_FALSE(IsSymbolFamily(f->familyName())) << f->familyName();
                }
            }
        }
    }
}

TEST(FontMetrics, PositiveHeightIsCellNegativeIsEm) {
    const FileMetrics fm = readFileMetrics(makeFont("Arial", 40)->filePath());
    for (int32_t height = 5; height <= 60; ++height) {
        const TextMetrics m = makeFont("Arial", height)->metrics();
        EXPECT_EQ(m.height, height);
        EXPECT_EQ(m.ascent, std::lround(fm.winAscent * height / (fm.winAscent + fm.winDescent))) << height;
        EXPECT_EQ(m.ascent + m.descent, height);
    }

    const FontPtr em = makeFont("Arial", -40);
    const double s = 40 / fm.unitsPerEm;  // em height
    EXPECT_EQ(em->metrics().ascent, std::lround(fm.winAscent * s));
    EXPECT_EQ(em->metrics().descent, std::lround(fm.winDescent * s));
    EXPECT_GT(em->metrics().height, 40);

    EXPECT_EQ(makeFont("Arial", 0)->metrics().height, 16);
}

TEST(FontMetrics, WidthStretchesAdvancesProportionally) {
    const FontPtr natural = makeFont("Arial", -100);
    const int32_t avg = natural->metrics().avgCharWidth;
    for (int32_t width : {2 * avg, -2 * avg}) {
        const FontPtr wide = makeFont("Arial", -100, 400, false, width);
        EXPECT_EQ(wide->metrics().avgCharWidth, 2 * avg);
        EXPECT_EQ(wide->metrics().height, natural->metrics().height);
        for (char32_t ch : U"MiW") EXPECT_NEAR(wide->advance(ch), 2.0 * natural->advance(ch), 2.0) << char(ch);
    }
}

TEST(FontMetrics, AbcWidthsSumToAdvance) {
    const FontPtr f = makeFont("Arial", -64);
    for (char32_t ch : std::u32string(U"AOjfW.")) {
        const AbcWidths abc = f->abcWidths(ch);
        EXPECT_EQ(abc.advance(), f->advance(ch)) << char(ch);
        EXPECT_GT(abc.b, 0);
    }
    EXPECT_LT(f->abcWidths(U'j').a, 1);  // j reaches left of its cell
    const AbcWidths space = f->abcWidths(U' ');
    EXPECT_EQ(space.a, 0);
    EXPECT_EQ(space.b, 0);
    EXPECT_EQ(space.c, f->advance(U' '));
}

TEST(FontKerning, KnownPairsTightenAndNothingIsSubstituted) {
    const FontPtr f = makeFont("Arial", -200);
    ASSERT_TRUE(f->hasKerning());
    const auto av = f->kernedAdvances(U"AV");
    ASSERT_EQ(av.size(), 2u);
    EXPECT_LT(av[0], f->advance(U'A'));
    EXPECT_EQ(av[1], f->advance(U'V'));
    const auto to = f->kernedAdvances(U"To");
    EXPECT_LT(to[0] + to[1], f->advance(U'T') + f->advance(U'o'));

    // This face ligates "ffi" by default; each character must still keep its own advance.
    const FontPtr ligating = makeFont("DejaVu Sans", -200);
    ASSERT_TRUE(ligating->hasKerning());
    const auto ffi = ligating->kernedAdvances(U"ffi");
    ASSERT_EQ(ffi.size(), 3u);
    for (int32_t advance : ffi) EXPECT_GT(advance, 0);
    EXPECT_TRUE(f->kernedAdvances(U"").empty());
}

TEST(FontSynthesis, MissingBoldAndItalicAreSynthesised) {
    // This family ships only a regular face.
    const FontPtr plain = makeFont("DejaVu Math TeX Gyre", -100);
    const FontPtr bold = makeFont("DejaVu Math TeX Gyre", -100, 700);
    const FontPtr italic = makeFont("DejaVu Math TeX Gyre", -100, 400, true);
    EXPECT_TRUE(bold->syntheticBold());
    EXPECT_FALSE(bold->syntheticItalic());
    EXPECT_TRUE(italic->syntheticItalic());
    EXPECT_FALSE(plain->syntheticBold() || plain->syntheticItalic());

    EXPECT_GT(bold->advance(U'l'), plain->advance(U'l'));
    EXPECT_GT(bold->abcWidths(U'l').b, plain->abcWidths(U'l').b);

    GdiPath upright, slanted;
    plain->appendGlyph(upright, U'l', {0, 0});
    italic->appendGlyph(slanted, U'l', {0, 0});
    ASSERT_EQ(upright.size(), slanted.size());
    const double baseline = plain->metrics().ascent;
    // Every point moves right by a fifth of its height above the baseline.
    for (size_t i = 0; i < upright.size(); ++i) {
        const PointF a = upright.points()[i], b = slanted.points()[i];
        EXPECT_NEAR(b.x - a.x, 0.2 * (baseline - a.y), 1e-9);
        EXPECT_EQ(b.y, a.y);
    }
}

TEST(FontGlyph, OHasTwoClosedFiguresOfGdiTypes) {
    const FontPtr f = makeFont("Arial", -64);
    GdiPath p;
    f->appendGlyph(p, U'O', {10, 20});
    ASSERT_FALSE(p.empty());
    int figures = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const uint8_t t = p.types()[i];
        const uint8_t kind = t & ~PT_CLOSEFIGURE;
        ASSERT_TRUE(kind == PT_MOVETO || kind == PT_LINETO || kind == PT_BEZIERTO) << int(t);
        if (t == PT_MOVETO) {
            ++figures;
            if (i > 0) {
                EXPECT_TRUE(p.types()[i - 1] & PT_CLOSEFIGURE);
            }
        }
        if (t & PT_CLOSEFIGURE) {
            EXPECT_TRUE(i + 1 == p.size() || p.types()[i + 1] == PT_MOVETO);
        }
    }
    EXPECT_EQ(figures, 2);
    EXPECT_TRUE(p.types().back() & PT_CLOSEFIGURE);

    // A straight contour does not repeat its start point: the close flag stands for that line.
    GdiPath h;
    f->appendGlyph(h, U'H', {0, 0});
    ASSERT_EQ(h.types().front(), PT_MOVETO);
    ASSERT_EQ(h.types().back(), PT_LINETO | PT_CLOSEFIGURE);
    EXPECT_NE(h.points().back(), h.points().front());
    // The ink sits inside the cell below the origin, resting near the baseline.
    const Box b = bounds(p);
    EXPECT_GT(b.top, 20);
    EXPECT_NEAR(b.bottom, 20 + f->metrics().ascent, 2);
}

TEST(FontGlyph, QuadraticSegmentsBecomeExactCubics) {
    // At one logical unit per font unit, TrueType control points are whole numbers, so an exact
    // degree elevation must give back the same whole-number control point from either end.
    const FontPtr f = makeFont("Arial", -2048);
    GdiPath p;
    f->appendGlyph(p, U'S', {0, 0});
    int curves = 0;
    for (size_t i = 1; i + 2 < p.size(); ++i) {
        if ((p.types()[i] & ~PT_CLOSEFIGURE) != PT_BEZIERTO) continue;
        const PointF p0 = p.points()[i - 1], c1 = p.points()[i], c2 = p.points()[i + 1], p3 = p.points()[i + 2];
        const PointF q1{p0.x + 1.5 * (c1.x - p0.x), p0.y + 1.5 * (c1.y - p0.y)};
        const PointF q2{p3.x + 1.5 * (c2.x - p3.x), p3.y + 1.5 * (c2.y - p3.y)};
        EXPECT_NEAR(q1.x, q2.x, 1e-9);
        EXPECT_NEAR(q1.y, q2.y, 1e-9);
        EXPECT_NEAR(q1.x, std::round(q1.x), 1e-9);
        EXPECT_NEAR(q1.y, std::round(q1.y), 1e-9);
        ++curves;
        i += 2;
    }
    EXPECT_GT(curves, 4);
}

TEST(FontGlyph, EscapementTurnsAboutTheCellOrigin) {
    const PointF origin{50, 60};
    GdiPath flat, turned;
    makeFont("Arial", -40)->appendGlyph(flat, U'L', origin);
    makeFont("Arial", -40, 400, false, 0, 900)->appendGlyph(turned, U'L', origin);
    ASSERT_EQ(flat.size(), turned.size());
    EXPECT_EQ(flat.types(), turned.types());
    // A quarter turn counter-clockwise on screen: (dx, dy) -> (dy, -dx).
    for (size_t i = 0; i < flat.size(); ++i) {
        const double dx = flat.points()[i].x - origin.x, dy = flat.points()[i].y - origin.y;
        EXPECT_NEAR(turned.points()[i].x, origin.x + dy, 1e-9);
        EXPECT_NEAR(turned.points()[i].y, origin.y - dx, 1e-9);
    }
    const Box a = bounds(flat), b = bounds(turned);
    EXPECT_NEAR(a.right - a.left, b.bottom - b.top, 1e-9);
    EXPECT_NEAR(a.bottom - a.top, b.right - b.left, 1e-9);
}

}  // namespace
}  // namespace vortel
