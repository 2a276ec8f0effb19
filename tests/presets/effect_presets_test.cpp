#include <gtest/gtest.h>

#include "panels/presets/MainStyles.h"
#include "panels/presets/PresetValues.h"
#include "tests/presets/PanelsRig.h"

namespace vortel::test {

using presets::FromRgbHex;

TEST(OutlinePresets, SizesScaleWithThePictureAndAreDampedForSeveralLines) {
    const struct {
        int preset;
        int32_t height;
        const char* text;
        uint8_t kind;
        int32_t step, x, y;
    } cases[] = {
        {9, 200, "A", 1, 1, 15, 15},          // as given for a 200-pixel picture
        {9, 400, "A", 1, 1, 22, 22},          // (30 + 15) / 2
        {9, 400, "A\r\nB", 1, 1, 18, 18},     // (30 + 3 * 15) / 4
        {5, 100, "A", 0, 7, 3, 0},            // (round(2.5) + 5) / 2: ties go to even
        {0, 300, "A", 0, 100, 0, 0},
        {12, 600, "A", 2, 20, 20, 20},
    };
    for (const auto& c : cases) {
        PanelsRig rig(450, c.height);
        rig.engine->Text = c.text;
        rig.panels.ApplyOutlinePreset(c.preset, 4711);
        const FringeParams& f = rig.engine->Fringe;
        EXPECT_EQ(f.FringeKind, c.kind) << c.preset;
        EXPECT_EQ(f.OutlineStep, c.step) << c.preset;
        EXPECT_EQ(f.FringeX, c.x) << c.preset << " at " << c.height;
        EXPECT_EQ(f.FringeY, c.y) << c.preset << " at " << c.height;
        EXPECT_EQ(f.FringeSeed, 4711);
    }
}

TEST(OutlinePresets, PointsSliderMapsBothWays) {
    const int32_t steps[21] = {100, 50, 40, 35, 30, 25, 20, 18, 16, 14, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    for (int p = 0; p <= 20; ++p) {
        EXPECT_EQ(presets::OutlineStepForPosition(p), steps[p]) << p;
        EXPECT_EQ(presets::OutlinePositionForStep(steps[p]), p) << p;
    }
    const struct {
        int32_t step;
        int position;
    } between[] = {{11, 10}, {13, 9}, {17, 7}, {19, 6}, {21, 5}, {29, 4}, {33, 3}, {37, 2}, {45, 1}, {51, 0}, {0, 0}, {-3, 0}};
    for (const auto& b : between) EXPECT_EQ(presets::OutlinePositionForStep(b.step), b.position) << b.step;
}

TEST(ShadowPresets, ValuesScaleAndNoneStaysNone) {
    PanelsRig rig(450, 300);
    rig.panels.ApplyShadowPreset(0);
    EXPECT_EQ(rig.engine->Shadow.ShadowBlur, -1);
    rig.panels.ApplyShadowPreset(3);
    const ShadowParams& s = rig.engine->Shadow;
    EXPECT_EQ(s.ShadowBlur, 15);  // 10 at 200 pixels
    EXPECT_EQ(s.ShadowX, 12);
    EXPECT_EQ(s.ShadowY, -10);    // -7 * 1.5 = -10.5, ties to even
    EXPECT_EQ(s.ShadowSize, 110);
    EXPECT_EQ(double(s.ShadowIntensity), roundToReal48(0.8));  // as the document keeps it
}

TEST(ShadowValues, ChangingAnythingWhileNoneSwitchesTheBlurOn) {
    PanelsRig rig;
    rig.panels.ApplyShadowPreset(0);
    ShadowParams read = rig.engine->Shadow;
    EXPECT_EQ(rig.panels.SetShadowValues(read).ShadowBlur, -1);  // nothing changed: still none
    read.ShadowColor = FromRgbHex(0xFF0000);
    EXPECT_EQ(rig.panels.SetShadowValues(read).ShadowBlur, 0);
    EXPECT_EQ(rig.engine->Shadow.ShadowColor, FromRgbHex(0xFF0000));
    read = rig.engine->Shadow;
    read.ShadowBlur = 6;
    read.ShadowX = 3;
    EXPECT_EQ(rig.panels.SetShadowValues(read).ShadowBlur, 6);  // a chosen blur is kept
}

// Preset 11 makes the letters a plain colour and lets the shadow glow in it; any other preset
// gives the letters back their own fill, whatever happened in between.
TEST(ShadowPresets, GlowTakesTheTextColourAndIsUndoneByTheNextPreset) {
    PanelsRig rig;
    TFontFX& e = *rig.engine;
    e.TextFill.FillKind = 1;
    e.TextFill.FillColor = FromRgbHex(0x20C040);
    rig.panels.ApplyShadowPreset(11);
    EXPECT_EQ(e.TextFill.FillKind, 2);
    EXPECT_EQ(e.Shadow.ShadowColor, FromRgbHex(0x20C040));
    rig.panels.ApplyShadowPreset(11);  // twice keeps the first kind
    rig.panels.ApplyShadowPreset(4);
    EXPECT_EQ(e.TextFill.FillKind, 1);
    // A style that sets the text's own fill after a glow keeps that fill.
    rig.panels.ApplyShadowPreset(11);
    rig.panels.ApplyMainStyle(24);  // Gold: a gradient
    EXPECT_EQ(e.TextFill.FillKind, 1);
    rig.panels.ApplyShadowPreset(11);
    rig.panels.ApplyMainStyle(1);   // Gutschein: a colour
    EXPECT_EQ(e.TextFill.FillKind, 2);
}

TEST(FramePresets, KindFlagAndStampFromThePresetValuesKept) {
    PanelsRig rig;
    TFontFX& e = *rig.engine;
    e.Frame.FrameWidth = 33, e.Frame.FramePoints = 44, e.Frame.FrameHeight = 55, e.Frame.FrameColor = 0x123456;
    rig.panels.ApplyFramePreset(5, 100);
    EXPECT_EQ(e.Frame.FrameKind, 5);
    EXPECT_EQ(e.Frame.FramePixel, 1);
    EXPECT_EQ(e.Frame.FrameSeed, 100);
    rig.panels.ApplyFramePreset(15, 200);  // a second choice gives a new shape
    EXPECT_EQ(e.Frame.FrameKind, 15);
    EXPECT_EQ(e.Frame.FramePixel, 0);
    EXPECT_EQ(e.Frame.FrameSeed, 200);
    rig.panels.ApplyFramePreset(18, 300);  // beyond the list: ignored
    EXPECT_EQ(e.Frame.FrameKind, 15);
    EXPECT_EQ(std::tie(e.Frame.FrameWidth, e.Frame.FramePoints, e.Frame.FrameHeight, e.Frame.FrameColor),
              std::make_tuple(33, 44, 55, ColorRef(0x123456)));
}

TEST(BevelPresets, ProfilesAndValues) {
    PanelsRig rig(450, 300);
    BevelParams& b = rig.engine->Bevel;
    rig.panels.ApplyBevelPreset(14);
    EXPECT_TRUE(b.enabled());
    ASSERT_EQ(b.SegmentCount, 3);
    const int32_t xs[] = {0, 400, 600, 1000}, ys[] = {500, 250, 250, 0};
    const uint8_t types[] = {1, 2, 1, 3};
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(b.Points[i].X, xs[i]) << i;
        EXPECT_EQ(b.Points[i].Y, ys[i]) << i;
        EXPECT_EQ(b.Points[i].SegmentType, types[i]) << i;
    }
    EXPECT_EQ(b.Points[1].ColorMode, 1);
    EXPECT_EQ(b.BevelAddPixel, 4);  // round(3 * 300 / 200) = round(4.5), ties to even
    EXPECT_EQ(std::tie(b.BevelHeight, b.BevelSize, b.BevelAngle), std::make_tuple(120, 100, -45));
    rig.panels.ApplyBevelPreset(9);
    EXPECT_EQ(std::tie(b.BevelHeight, b.BevelSize), std::make_tuple(360, 30));
    EXPECT_EQ(b.Points[1].Y, 750);
    rig.panels.ApplyBevelPreset(0);
    EXPECT_FALSE(b.enabled());
}

TEST(BevelValues, StepButtonsStopAtZeroAndEditsTakeUnits) {
    BevelParams b;
    b.BevelHeight = 1, b.BevelSize = 0, b.BevelAddPixel = 0;
    for (const int tag : {1, 1, 3, 5, 7}) presets::StepBevelValue(b, tag);
    EXPECT_EQ(std::tie(b.BevelHeight, b.BevelSize, b.BevelAddPixel), std::make_tuple(0, 0, 0));
    for (const int tag : {2, 4, 4, 6}) presets::StepBevelValue(b, tag);
    EXPECT_EQ(std::tie(b.BevelHeight, b.BevelSize, b.BevelAddPixel), std::make_tuple(1, 2, 1));

    const auto v = presets::ParseBevelEdits(" 140", "80 %", "-3", "-45\xC2\xB0");
    ASSERT_TRUE(v);
    EXPECT_EQ(std::tie(v->height, v->size, v->addPixel, v->angle), std::make_tuple(140, 80, -3, -45));
    EXPECT_FALSE(presets::ParseBevelEdits("12a", "80", "0", "0"));
    EXPECT_FALSE(presets::ParseBevelEdits("", "80", "0", "0"));
}

TEST(BevelPresets, RandomProfileIsReproducibleAndRecordsUndo) {
    PanelsRig a, b;
    a.panels.RandomBevelProfile(99);
    b.panels.RandomBevelProfile(99);
    EXPECT_EQ(a.engine->Undo.action, 9);
    const BevelParams &pa = a.engine->Bevel, &pb = b.engine->Bevel;
    ASSERT_EQ(pa.SegmentCount, pb.SegmentCount);
    EXPECT_GE(pa.SegmentCount, 1);
    EXPECT_LE(pa.SegmentCount, 5);
    for (int i = 0; i <= pa.SegmentCount; ++i) {
        EXPECT_EQ(pa.Points[i].X, pb.Points[i].X);
        EXPECT_EQ(pa.Points[i].Y, pb.Points[i].Y);
        EXPECT_GE(pa.Points[i].SegmentType, 1);
    }
    EXPECT_TRUE(a.render());  // whatever the draws, the renderer copes
}

TEST(GradientPresets, SetTheSurfaceAndZeroTheRest) {
    PanelsRig rig;
    rig.engine->TextFill.GradientColors.fill(0xABCDEF);
    rig.panels.ApplyGradientPreset(1, 6);
    const FillRecord& f = rig.engine->TextFill;
    EXPECT_EQ(f.FillKind, 1);
    EXPECT_EQ(f.GradientStyle, 2);
    EXPECT_EQ(f.GradientCount, 5);
    EXPECT_EQ(f.GradientColors[4], FromRgbHex(0x400080));
    EXPECT_EQ(f.GradientColors[5], 0u);
    rig.panels.ApplyGradientPreset(0, 12);
    EXPECT_EQ(std::tie(rig.engine->BackFill.GradientStyle, rig.engine->BackFill.GradientAngle,
                       rig.engine->BackFill.GradientRepeat),
              std::make_tuple(5, 45, 1));
}

// Sizes are ten-thousandths of the picture height: style 1's frame of 1071.
TEST(MainStyles, SizesFollowThePictureHeight) {
    const struct {
        int32_t height, frame;
    } cases[] = {{300, 32}, {100, 11}, {200, 21}};
    for (const auto& c : cases) {
        PanelsRig rig(450, c.height);
        rig.panels.ApplyMainStyle(1);
        EXPECT_EQ(rig.engine->Frame.FrameWidth, c.frame) << c.height;
        EXPECT_EQ(rig.engine->Frame.FrameKind, 5);
        EXPECT_EQ(rig.engine->CharSpacing, 15);
    }
}

TEST(MainStyles, PlainStyleMakesTextReadableOnItsGround) {
    PanelsRig rig;
    TFontFX& e = *rig.engine;
    e.setFillKind(1, 2), e.setFillColor(1, FromRgbHex(0x336699));
    e.setGradient(0, 1, 0, 0, {FromRgbHex(0x336699), 0});
    e.setFillKind(0, 1);
    rig.panels.ApplyMainStyle(0);
    EXPECT_EQ(e.BackFill.FillKind, 2);
    EXPECT_EQ(e.BackFill.FillColor, FromRgbHex(0x336699));
    EXPECT_EQ(e.TextFill.FillColor, FromRgbHex(0xCC9966));
    EXPECT_EQ(e.Text, "Vortel");
}

TEST(MainStyles, TypedTextIsKeptAndEveryStyleRenders) {
    for (int i = 0; i < presets::MainStyleCount; ++i) {
        PanelsRig rig(300, 120);
        rig.panels.ApplyMainStyle(i);
        EXPECT_EQ(rig.engine->Text, i == 0 ? "Vortel" : presets::MainStyleRows()[size_t(i)].text) << i;
        EXPECT_TRUE(rig.render()) << "style " << i;
        rig.panels.textEdited = true;
        rig.engine->Text = "Meins";
        rig.panels.ApplyMainStyle((i + 1) % presets::MainStyleCount);
        EXPECT_EQ(rig.engine->Text, "Meins") << i;
    }
}

}  // namespace vortel::test
