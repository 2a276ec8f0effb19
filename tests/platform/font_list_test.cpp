#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "platform/FontList.h"

namespace vortel {
namespace {

bool installed(const std::string& family) {
    const std::vector<std::string> faces = InstalledOutlineFaces();
    return std::find(faces.begin(), faces.end(), family) != faces.end();
}

#define SKIP_WITHOUT(face)                                                                   \
    if (!installed(face)) GTEST_SKIP() << "the face \"" << (face) << "\" is not installed"

// The files of every installed outline face, by family, as fontconfig lists them.
std::map<std::string, std::vector<std::pair<std::string, int>>> faceFiles() {
    std::map<std::string, std::vector<std::pair<std::string, int>>> files;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(":outline=true:scalable=true"));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8 *family = nullptr, *file = nullptr;
        int index = 0;
        FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family);
        FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file);
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &index);
        if (family && file) files[reinterpret_cast<const char*>(family)].emplace_back(reinterpret_cast<const char*>(file), index);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return files;
}

// Whether the font file itself has a glyph for every character, read with FreeType.
bool fileHasGlyphs(FT_Library lib, const std::string& file, int index, std::u32string_view text) {
    FT_Face face = nullptr;
    if (FT_New_Face(lib, file.c_str(), index, &face) != 0) return false;
    bool all = true;
    for (const char32_t c : text) all = all && FT_Get_Char_Index(face, c) != 0;
    FT_Done_Face(face);
    return all;
}

TEST(FontCoverage, KnownFacesAndTexts) {
    const struct {
        const char* family;
        std::u32string text;
        bool covers;
        TextFit fit;
        bool symbol;
    } cases[] = {
        {"DejaVu Sans", U"Grüße", true, TextFit::Text, false},
        {"dejavu sans", U"Grüße", true, TextFit::Text, false},
        // Spaces, line breaks, joiners, marks and the byte order mark need no glyph.
        {"DejaVu Sans", U"Grü\u00DFe \t\r\n\u00A0\u200D\u200E\u2060\uFEFF\uFE0F", true, TextFit::Text, false},
        {"DejaVu Sans", U"\u1BC0\u1BC1", false, TextFit::None, false},
        {"Noto Sans Batak", U"Hallo", false, TextFit::None, true},
        {"Noto Sans Batak", U"\u1BC0\u1BC1 \u1BC2", true, TextFit::Letterless, true},
        {"Noto Sans Symbols2", U"Hallo", false, TextFit::None, true},
        {"Noto Sans Symbols2", U"\U0001FB00\U0001FB01", true, TextFit::Letterless, true},
        {"Noto Sans CJK JP", U"Hallo 日本", true, TextFit::Text, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        if (!installed(c.family) && c.family != std::string("dejavu sans")) {
            std::cout << "skipped: the face \"" << c.family << "\" is not installed\n";
            continue;
        }
        EXPECT_EQ(FamilyCoversText(c.family, c.text), c.covers);
        EXPECT_EQ(FamilyTextFit(c.family, c.text), c.fit);
        EXPECT_EQ(IsSymbolFamily(c.family), c.symbol);
    }
    EXPECT_FALSE(FamilyCoversText("Vortel Missing Face 7f3a", U"a"));
    EXPECT_EQ(FamilyTextFit("Vortel Missing Face 7f3a", U""), TextFit::None);
}

// What the character sets say agrees with the font files, family by family: a family that is said
// to write a text has the glyphs in every one of its faces.
TEST(FontCoverage, AgreesWithTheGlyphsOfEveryFace) {
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    const std::u32string texts[] = {U"Hallo", U"Grüße", U"Привет", U"\u1BC0\u1BC1"};
    int covering = 0, missing = 0;
    for (const auto& [family, files] : faceFiles()) {
        for (const std::u32string& text : texts) {
            const bool covers = FamilyCoversText(family, text);
            (covers ? covering : missing) += 1;
            if (!covers) continue;
            for (const auto& [file, index] : files)
                EXPECT_TRUE(fileHasGlyphs(lib, file, index, text)) << family << " " << file;
        }
    }
    FT_Done_FreeType(lib);
    EXPECT_GT(covering, 0);
    std::cout << covering << " family and text pairs covered, " << missing << " not\n";
}

TEST(FontCoverage, FaceThatWritesKeepsAWritingFaceAndSpreadsTheOthers) {
    SKIP_WITHOUT("Noto Sans Batak");
    SKIP_WITHOUT("Noto Sans Symbols2");
    // Of these, DejaVu Sans (1) and Liberation Serif (3) write Latin text.
    const std::vector<std::string> faces = {"Noto Sans Batak", "DejaVu Sans", "Noto Sans Symbols2", "Liberation Serif",
                                            "Vortel Missing Face 7f3a"};
    const struct {
        size_t drawn;
        std::u32string text;
        size_t taken;
    } cases[] = {
        {1, U"Hallo", 1},            // the drawn face writes it
        {3, U"Grüße", 3},
        {0, U"Hallo", 1},            // places 0-2 of 5 go to the first writing face, 3-4 to the second
        {2, U"Hallo", 1},
        {4, U"Grüße", 3},
        {1, U"\u1BC0\u1BC1", 0},     // only a face of that script writes it
        {3, U"\U0001FB00", 2},      // only dingbats write that
        {2, U"\U0010FFFD", 2},       // nobody writes it: the drawn face stays
        {7, U"Hallo", 7},            // outside the list
    };
    for (const auto& c : cases) EXPECT_EQ(FaceThatWrites(faces, c.drawn, c.text), c.taken) << c.drawn;
}

// Font patterns made up here, sorted best first as FcFontSort hands them over.
struct MadeFont {
    std::u32string chars;
    bool outline = true, symbolMap = false;
};

std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> makeFontSet(const std::vector<MadeFont>& fonts) {
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(FcFontSetCreate(), FcFontSetDestroy);
    for (const MadeFont& f : fonts) {
        FcPattern* pattern = FcPatternCreate();
        FcCharSet* charset = FcCharSetCreate();
        for (const char32_t c : f.chars) FcCharSetAddChar(charset, c);
        FcPatternAddCharSet(pattern, FC_CHARSET, charset);
        FcCharSetDestroy(charset);
        FcPatternAddBool(pattern, FC_OUTLINE, f.outline);
        FcPatternAddBool(pattern, FC_SYMBOL, f.symbolMap);
        FcFontSetAdd(set.get(), pattern);
    }
    return set;
}

TEST(FontCoverage, StandInIsTheFirstOutlineTextFaceThatWritesTheText) {
    const std::u32string latin = U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const MadeFont colourOnly{latin + U"üß\u1BC0", false, false};
    const MadeFont symbolMap{latin + U"üß\u1BC0", true, true};
    const MadeFont batak{U"\u1BC0\u1BC1"};
    const MadeFont plain{latin};
    const MadeFont german{latin + U"üß"};
    const struct {
        const char* what;
        std::vector<MadeFont> sorted;
        std::u32string text;
        std::optional<size_t> standIn;
    } cases[] = {
        {"first text face that writes it", {colourOnly, symbolMap, batak, plain, german}, U"Hallo", 3},
        {"later face has the umlaut", {colourOnly, symbolMap, batak, plain, german}, U"Grüße", 4},
        {"a face of the script", {colourOnly, symbolMap, plain, batak}, U"\u1BC0", 3},
        {"nobody writes it: a text face", {colourOnly, symbolMap, batak, plain}, U"\u4E00", 3},
        {"only symbol faces: the first outline", {colourOnly, symbolMap, batak}, U"\u4E00", 1},
        {"spaces and joiners need nothing", {batak, plain}, U" \u200D", 1},
        {"no outline font", {colourOnly}, U"a", std::nullopt},
        {"no font", {}, U"a", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(StandInIndex(makeFontSet(c.sorted).get(), c.text), c.standIn) << c.what;
    EXPECT_EQ(StandInIndex(nullptr, U"a"), std::nullopt);
}

}  // namespace
}  // namespace vortel
