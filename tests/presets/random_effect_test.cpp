#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <map>

#include "panels/presets/Pictures.h"
#include "platform/Canvas.h"
#include "platform/Font.h"
#include "platform/FontList.h"
#include "tests/common/ScratchDir.h"
#include "tests/presets/PanelsRig.h"

namespace vortel::test {
namespace {

// Everything a seed decides, compared field by field through the bytes of the picture and the
// groups that have no pointers.
struct EffectState {
    Bitmap picture;
    std::string face, text, texture, imprint;
    int32_t weight, guide;
    uint8_t textKind, backKind, imprintOn;
    ShadowParams shadow;
    FrameParams frame;
    FringeParams fringe;
    int32_t raise[4];
    std::array<std::vector<Point>, 4> guides;
};

EffectState generate(uint32_t seed, uint32_t previousSeed = 0) {
    PanelsRig rig;
    rig.panels.currentSeed = previousSeed;
    EXPECT_EQ(rig.panels.GenerateRandomEffect(seed), seed);
    EXPECT_TRUE(rig.render()) << "seed " << seed;
    const TFontFX& e = *rig.engine;
    return EffectState{rig.canvas->toBitmap(), e.Font.faceName(), e.Text, e.TextFill.TextureName, e.Imprint.ImprintName,
                       e.Font.lfWeight, e.GuideStyle, e.TextFill.FillKind, e.BackFill.FillKind, e.Imprint.ImprintOn,
                       e.Shadow, e.Frame, e.Fringe,
                       {e.HochTiefAmount, e.HochTiefSeed, e.KippAmount, e.KippSeed}, e.GuidePoints};
}

void expectSame(const EffectState& a, const EffectState& b) {
    EXPECT_EQ(a.picture.bgr, b.picture.bgr);
    EXPECT_EQ(std::tie(a.face, a.text, a.texture, a.imprint, a.weight, a.guide),
              std::tie(b.face, b.text, b.texture, b.imprint, b.weight, b.guide));
    EXPECT_EQ(std::tie(a.textKind, a.backKind, a.imprintOn), std::tie(b.textKind, b.backKind, b.imprintOn));
    const auto frame = [](const FrameParams& f) {
        return std::tie(f.FrameKind, f.FrameWidth, f.FramePoints, f.FrameHeight, f.FramePixel, f.FrameColor, f.FrameSeed);
    };
    EXPECT_EQ(frame(a.frame), frame(b.frame));
    EXPECT_EQ(std::tie(a.fringe.FringeKind, a.fringe.OutlineStep, a.fringe.FringeX, a.fringe.FringeY, a.fringe.FringeSeed),
              std::tie(b.fringe.FringeKind, b.fringe.OutlineStep, b.fringe.FringeX, b.fringe.FringeY, b.fringe.FringeSeed));
    EXPECT_EQ(std::tie(a.shadow.ShadowBlur, a.shadow.ShadowX, a.shadow.ShadowY, a.shadow.ShadowColor),
              std::tie(b.shadow.ShadowBlur, b.shadow.ShadowX, b.shadow.ShadowY, b.shadow.ShadowColor));
    EXPECT_TRUE(std::equal(std::begin(a.raise), std::end(a.raise), std::begin(b.raise)));
    EXPECT_EQ(a.guides, b.guides);
}

}  // namespace

// A seed gives back its effect exactly: the picture byte for byte and the state, whatever effect
// was shown before; the fringe's and frame's patterns come with it.
TEST(RandomEffect, SameSeedSameEffect) {
    for (const uint32_t seed : {1u, 7920u, 126705u, 2147483646u}) {
        SCOPED_TRACE(seed);
        const EffectState first = generate(seed);
        expectSame(first, generate(seed, 12345));
    }
    EXPECT_NE(generate(1).picture.bgr, generate(2).picture.bgr);
}

// The glow shadow shows the letters in their plain colour. Where the effect gives them a texture or
// a gradient, that colour must come from the effect too, not from whatever was shown before.
TEST(RandomEffect, AGlowOverTexturedLettersDoesNotDependOnTheEffectBefore) {
    int glowsOverPatterns = 0;
    for (uint32_t seed = 1; seed < 1500 && glowsOverPatterns < 4; ++seed) {
        PanelsRig a, b;
        // Plain letters before: a texture name or a gradient afterwards comes from the effect.
        for (PanelsRig* rig : {&a, &b}) rig->engine->TextFill.GradientCount = 0, rig->engine->TextFill.TextureName.clear();
        a.engine->TextFill.FillColor = rgb(1, 2, 3);
        b.engine->TextFill.FillColor = rgb(250, 240, 230);
        a.panels.GenerateRandomEffect(seed);
        if (a.panels.selectedShadow != presets::GlowShadowPreset) continue;
        if (a.engine->TextFill.TextureName.empty() && a.engine->TextFill.GradientCount == 0) continue;
        SCOPED_TRACE(seed);
        ++glowsOverPatterns;
        // Each generated and drawn in turn: the fringe patterns run on from one drawing to the next.
        ASSERT_TRUE(a.render());
        b.panels.GenerateRandomEffect(seed);
        ASSERT_TRUE(b.render());
        EXPECT_EQ(a.engine->TextFill.FillColor, b.engine->TextFill.FillColor);
        EXPECT_EQ(a.canvas->toBitmap().bgr, b.canvas->toBitmap().bgr);
    }
    EXPECT_EQ(glowsOverPatterns, 4);
}

TEST(RandomEffect, RecordsUndoWithThePreviousSeedAndReportsItsOwn) {
    PanelsRig rig;
    uint32_t stored = 0;
    rig.panels.events.lastRandom = [&stored](uint32_t seed) { stored = seed; };
    rig.panels.currentSeed = 777;
    const uint32_t fresh = rig.panels.GenerateRandomEffect(std::nullopt);
    EXPECT_LT(fresh, 2147483647u);
    EXPECT_EQ(stored, fresh);
    EXPECT_EQ(rig.panels.currentSeed, fresh);
    EXPECT_EQ(rig.engine->Undo.action, 12);
    EXPECT_EQ(rig.engine->Undo.index, 777);
    // The stored font is the working one again after the preview's quick pass.
    EXPECT_EQ(rig.engine->Font.lfHeight, 120);
    EXPECT_EQ(rig.engine->Font.lfCharSet, 1);
}

// One effect in nine names "Brush", which few machines have: it must render with a stand-in and
// keep the name it asked for.
TEST(RandomEffect, MissingFaceRendersWithASubstitute) {
    for (uint32_t seed = 1; seed < 400; ++seed) {
        PanelsRig rig;
        rig.panels.GenerateRandomEffect(seed);
        if (rig.engine->Font.faceName() != "Brush") continue;
        EXPECT_EQ(rig.engine->Font.lfPitchAndFamily, 64);
        ASSERT_TRUE(rig.render()) << "seed " << seed;
        EXPECT_EQ(rig.engine->Font.faceName(), "Brush");
        return;
    }
    FAIL() << "no seed below 400 picks the face Brush";
}

// The generator's faces write the effect's text. Over many seeds: a face drawn from the list is
// kept where it writes the text, else one that does takes its place; the face the layout loads has
// a glyph for every letter; a seed gives the same faces again; and the replacements do not all go
// to a few faces.
TEST(RandomEffect, FacesWriteTheTextAndStayWithTheirSeed) {
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    int drawn = 0, replaced = 0, boxes = 0;
    std::map<std::string, int> standIns;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        PanelsRig rig;
        rig.panels.GenerateRandomEffect(seed);
        const TFontFX& e = *rig.engine;
        const std::u32string text = utf8ToU32(e.Text);
        const std::vector<std::string>& faces = rig.panels.fontList;
        if (!rig.panels.drawnFace.empty()) {
            ++drawn;
            EXPECT_EQ(e.Font.faceName(), rig.panels.chosenFace);
            const auto at = [&](const std::string& face) { return size_t(std::find(faces.begin(), faces.end(), face) - faces.begin()); };
            const size_t from = at(rig.panels.drawnFace), to = at(rig.panels.chosenFace);
            ASSERT_LT(from, faces.size());
            ASSERT_LT(to, faces.size());
            EXPECT_EQ(FamilyTextFit(faces[to], text), TextFit::Text) << faces[to];
            if (FamilyTextFit(faces[from], text) == TextFit::Text) {
                EXPECT_EQ(from, to);
            }
            if (from != to) {
                ++replaced;
                ++standIns[faces[to]];
            }
        }
        // The face the layout draws with, named or standing in, has every glyph.
        const FontPtr font = Font::create(e.Font, text);
        FT_Face face = nullptr;
        ASSERT_EQ(FT_New_Face(lib, font->filePath().c_str(), 0, &face), 0) << font->filePath();
        for (const char32_t c : text) {
            if (FT_Get_Char_Index(face, c) == 0) {
                ++boxes;
                ADD_FAILURE() << font->familyName() << " has no glyph for " << uint32_t(c);
            }
        }
        FT_Done_Face(face);
        PanelsRig again;
        again.panels.GenerateRandomEffect(seed);
        EXPECT_EQ(again.engine->Font.faceName(), e.Font.faceName());
        EXPECT_EQ(again.panels.drawnFace, rig.panels.drawnFace);
    }
    FT_Done_FreeType(lib);
    std::cout << "seeds 1-200: " << drawn << " faces drawn from the list, " << replaced
              << " replaced for the text (by " << standIns.size() << " faces), " << boxes
              << " characters without a glyph\n";
    EXPECT_GT(drawn, 0);
    for (const auto& [face, count] : standIns) EXPECT_LE(count * 4, std::max(replaced, 8)) << face << " stands in too often";
}

TEST(ListPictures, BrokenEntriesLeaveTheListWithAStatusText) {
    testing::ScratchDir dir;
    PanelsRig rig;
    std::vector<std::string> list = {":JPG_01", dir.file("missing.jpg"), "*IMPRINT_X01", ":JPG_99"};
    Bitmap picture;
    EXPECT_TRUE(rig.panels.LoadListPicture(list, 0, picture));
    EXPECT_FALSE(picture.empty());
    EXPECT_FALSE(rig.panels.LoadListPicture(list, 1, picture));
    ASSERT_EQ(list.size(), 3u);
    const auto& said = rig.messages.entries.back();
    EXPECT_EQ(said.text, "Defekte Datei: missing.jpg");
    EXPECT_EQ(said.number, StatusSimple);
    EXPECT_TRUE(rig.panels.LoadListPicture(list, 1, picture));  // now the imprint
    EXPECT_FALSE(rig.panels.LoadListPicture(list, 2, picture));
    EXPECT_EQ(list.size(), 2u);
    EXPECT_FALSE(rig.panels.LoadListPicture(list, 5, picture));  // beyond the list: nothing happens
    EXPECT_EQ(list.size(), 2u);
}

TEST(ListPictures, StockListsFollowTheLibrary) {
    const ModuleHandle stock = stockModule();
    const auto textures = presets::StockTextureEntries(stock);
    ASSERT_EQ(textures.size(), 54u);
    EXPECT_EQ(textures.front(), ":JPG_01");
    const auto imprints = presets::StockImprintEntries(stock);
    ASSERT_EQ(imprints.size(), 63u);
    EXPECT_EQ(imprints.front(), "*IMPRINT_X01");
    EXPECT_EQ(imprints[15], "*IMPRINT_01");
    EXPECT_EQ(presets::SimpleListEntries(stock).back(), "*FARBVERL_15");
    // Without the library, stock bitmaps show the error picture instead of failing.
    EXPECT_TRUE(presets::LoadEntryPicture(nullptr, "*IMPRINT_01").ok);
    EXPECT_FALSE(presets::LoadEntryPicture(nullptr, ":JPG_01").ok);
}

}  // namespace vortel::test
