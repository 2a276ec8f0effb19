// The transparent picture: the background taken out of a render over black and one over white,
// checked on made-up pixels, and the render pair against the engine's state.
#include <gtest/gtest.h>

#include <array>

#include "EngineFixture.h"
#include "engine/Transparent.h"
#include "tests/common/SampleEffects.h"

namespace vortel::test {

namespace {

Bitmap onePixel(uint8_t b, uint8_t g, uint8_t r) { return Bitmap{1, 1, {b, g, r}}; }

TEST(Unblend, RecoversColourAndCoverage) {
    struct Case {
        const char* name;
        Bitmap black, white;
        std::array<uint8_t, 4> rgba;
    };
    const std::vector<Case> cases = {
        {"background only", onePixel(0, 0, 0), onePixel(255, 255, 255), {0, 0, 0, 0}},
        {"opaque red letter", onePixel(32, 48, 224), onePixel(32, 48, 224), {224, 48, 32, 255}},
        {"half black shadow", onePixel(0, 0, 0), onePixel(128, 128, 128), {0, 0, 0, 127}},
        {"quarter red over the background", onePixel(0, 0, 64), onePixel(191, 191, 255), {255, 0, 0, 64}},
        // Rounded blends may disagree by one between channels: the coverage that gives both
        // renders back best is taken.
        {"channels off by one", onePixel(10, 10, 10), onePixel(137, 138, 137), {20, 20, 20, 128}},
        {"shadow edge off by one", onePixel(0, 0, 68), onePixel(77, 77, 146), {97, 0, 0, 178}},
        // A render over white never lies below the one over black; if it did, nothing shows through.
        {"white darker than black", onePixel(200, 100, 50), onePixel(190, 90, 40), {50, 100, 200, 255}},
    };
    for (const auto& c : cases) {
        const auto rgba = unblendBackground(c.black, c.white);
        ASSERT_EQ(rgba.size(), 4u) << c.name;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(int(rgba[i]), int(c.rgba[i])) << c.name << " byte " << i;
    }
    EXPECT_THROW(unblendBackground(onePixel(0, 0, 0), Bitmap{2, 1, std::vector<uint8_t>(6)}), std::invalid_argument);
}

TEST(RenderTransparent, TakesOutTheBackgroundInEveryRenderState) {
    struct Case {
        const char* name;
        bool bevel, shadow, bevelPage;
    };
    const std::vector<Case> cases = {
        {"plain letters", false, false, false},
        {"bevel and soft shadow", true, true, false},
        // The bevel page asks for the previous picture as the base; the pair must still paint
        // both backgrounds, else the corners would keep the window's colour.
        {"bevel page shown, nothing changed", true, true, true},
    };
    for (const auto& c : cases) {
        EngineRig rig(240, 120);
        TFontFX& e = *rig.engine;
        e.Text = "Vortel";
        e.BackFill.FillColor = 0x3060C0;
        if (c.bevel) test::setSampleBevel(e);
        if (c.shadow) {
            ShadowParams s = e.Shadow;
            s.ShadowBlur = 6;
            s.ShadowX = 5;
            s.ShadowY = 5;
            e.setShadow(s);
        }
        ASSERT_TRUE(rig.extractAndWarp()) << c.name;
        e.ShowText(*rig.canvas, false);
        const Bitmap ordinary = rig.canvas->toBitmap();
        e.renderOptions.bevelPageActive = c.bevelPage;
        e.BevelChanged = false;

        Canvas aside(240, 120);
        const auto rgba = renderTransparent(e, aside);
        ASSERT_EQ(rgba.size(), size_t(240 * 120 * 4)) << c.name;
        EXPECT_EQ(rgba[3], 0) << c.name << ": the corner must be transparent";
        EXPECT_EQ(e.BackFill.FillColor, 0x3060C0u) << c.name;
        EXPECT_EQ(e.renderOptions.bevelPageActive, c.bevelPage) << c.name;
        const Bitmap laid = compositeOver(rgba, 240, 120, 0x3060C0);
        int worst = 0;
        for (size_t i = 0; i < laid.bgr.size(); ++i) worst = std::max(worst, std::abs(int(laid.bgr[i]) - int(ordinary.bgr[i])));
        EXPECT_LE(worst, c.shadow ? 2 : 1) << c.name;
    }
}

TEST(RenderStateKeeper, PutsBackWhatARenderAsideChanged) {
    EngineRig rig(240, 120);
    TFontFX& e = *rig.engine;
    e.Text = "Vortel";
    test::setSampleBevel(e);
    ShadowParams s = e.Shadow;
    s.ShadowBlur = 4;
    e.setShadow(s);
    ASSERT_TRUE(rig.extractAndWarp());
    e.ShowText(*rig.canvas, false);
    const ByteMap mask = e.TextMask, normals = e.NormalMap, shadow = e.ShadowMask;
    const Rect bounds = e.WarpedBounds;
    const FringeToggle star = starToggle();
    e.Modified = 0;
    {
        RenderStateKeeper keep(e);
        // A render on a canvas of another size rebuilds every map for that size.
        e.ImageRect = Rect{0, 0, 100, 50};
        Canvas other(100, 50);
        e.releaseTextMask();
        e.setBevelEnabled(false);
        e.ShowText(other, false);
        e.setBevelEnabled(true);
        e.ImageRect = Rect{0, 0, 240, 120};
        e.Modified = 1;
        starToggle().next();
        ASSERT_NE(e.TextMask, mask);
    }
    EXPECT_EQ(e.TextMask, mask);
    EXPECT_EQ(e.NormalMap, normals);
    EXPECT_EQ(e.ShadowMask, shadow);
    EXPECT_EQ(e.WarpedBounds, bounds);
    EXPECT_EQ(e.Modified, 0);
    EXPECT_EQ(starToggle().total, star.total);
    EXPECT_TRUE(lastBevelEnabled());
    // With everything back the next render reuses the maps and gives the same picture.
    const Bitmap before = rig.canvas->toBitmap();
    e.ShowText(*rig.canvas, false);
    EXPECT_EQ(rig.canvas->toBitmap().bgr, before.bgr);
}

}  // namespace

}  // namespace vortel::test
