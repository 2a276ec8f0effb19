#include <gtest/gtest.h>

#include <set>

#include "EngineFixture.h"

namespace vortel::test {

namespace {

// Renders the current state as the program does: fresh outline, warp, full or draft render.
void render(EngineRig& rig, bool draft = false) {
    ASSERT_TRUE(rig.extractAndWarp());
    rig.engine->ShowText(*rig.canvas, draft);
}

std::set<ColorRef> coloursOf(const Canvas& c) {
    std::set<ColorRef> colours;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) colours.insert(c.pixel(x, y));
    return colours;
}

Bitmap pixelsOf(const Canvas& c) { return c.toBitmap(); }

// A three-segment profile: convex, straight, concave, ending at full width.
void setBevel(TFontFX& e) {
    std::array<BevelPoint, 11> pts{};
    pts[0] = {0, 1, 0, 0, 0, 0};
    pts[1] = {0, 3, 0, 300, 300, 0};
    pts[2] = {0, 1, 0, 700, 500, 0};
    pts[3] = {0, 2, 0, 1000, 1000, 0};
    e.setBevelProfile(pts, 3);
    e.setBevelEnabled(true);
    e.setBevelValues(200, 100, 0, -45);
}

}  // namespace

TEST(Render, SolidFillWritesExactColoursInsideAndOutside) {
    EngineRig rig;
    rig.engine->SmoothFont = 0;
    render(rig);
    // Background 0xFF0000 (blue), text 0x0000FF (red): nothing else may appear.
    EXPECT_EQ(coloursOf(*rig.canvas), (std::set<ColorRef>{0xFF0000, 0x0000FF}));
    EXPECT_EQ(rig.canvas->pixel(2, 2), 0xFF0000u);
}

TEST(Render, TransparencyHundredLeavesTheBackgroundZeroWritesTheFill) {
    EngineRig rig;
    rig.engine->SmoothFont = 0;
    rig.engine->Bevel.Points[0].Transparency = 100;
    render(rig);
    EXPECT_EQ(coloursOf(*rig.canvas), (std::set<ColorRef>{0xFF0000}));
    rig.engine->Bevel.Points[0].Transparency = 50;
    render(rig);
    // alpha = 256 * 50 / 100 = 128: red (128 * 0 + 128 * 255) / 256 = 127, blue likewise.
    EXPECT_EQ(coloursOf(*rig.canvas), (std::set<ColorRef>{0xFF0000, 0x7F007F}));
}

TEST(Render, MaskIgnoresTheTwoPixelBorder) {
    TFontFX e(Rect{0, 0, 20, 10});
    Canvas white(20, 10);
    TPixelBuffer buffer;
    BitmapToPixelBuffer(white, buffer);
    e.CreateTextPointer(buffer);
    for (int row = 0; row < 10; ++row)
        for (int x = 0; x < 20; ++x) {
            const bool inner = row >= 2 && row < 8 && x >= 2 && x < 18;
            EXPECT_EQ(e.TextMask[size_t(row) * 20 + x], inner ? 255 : 0) << x << "," << row;
        }
    EXPECT_EQ(e.WarpedBounds, (Rect{2, 2, 17, 7}));
}

TEST(Render, PixelBufferIsABottomUpDibWithPaddedRows) {
    Canvas c(5, 3);
    c.fillRect(Rect{0, 0, 5, 1}, 0x0000FF);  // top row red
    TPixelBuffer b;
    BitmapToPixelBuffer(c, b);
    EXPECT_EQ(b.RowBytes, 16);                 // 5 * 3 = 15, rounded up to 16
    EXPECT_EQ(b.Stream.size(), 3u * (5 + 4) * 3 + 40);
    EXPECT_EQ(b.Stream[0], 40);                // header size
    EXPECT_EQ(b.Stream[4], 5);                 // width
    EXPECT_EQ(b.Stream[8], 3);                 // positive height: bottom-up
    EXPECT_EQ(b.Stream[14], 24);               // bits a pixel
    const uint8_t* top = b.pixel(0, 2);        // the last row in memory is the top line
    EXPECT_EQ(top[0], 0);
    EXPECT_EQ(top[2], 255);
    EXPECT_EQ(b.pixel(0, 0)[0], 255);          // white bottom line
    Canvas back(5, 3);
    PixelBufferToCanvas(b, back);
    EXPECT_EQ(pixelsOf(back).bgr, pixelsOf(c).bgr);
}

TEST(Render, EmptyTextRendersTheBackgroundAlone) {
    EngineRig rig;
    rig.engine->Text = "";
    setBevel(*rig.engine);
    render(rig);
    EXPECT_EQ(rig.engine->WarpedBounds, emptyBounds());
    EXPECT_EQ(coloursOf(*rig.canvas), (std::set<ColorRef>{0xFF0000}));
}

TEST(Render, FastPathMatchesTheFullPathWithoutEffects) {
    auto guides = rectangleGuides(20, 60, 430, 180);
    guides[0] = {{20, 60}, {120, 25}, {225, 10}, {330, 25}, {430, 60}};
    EngineRig fast, full;
    for (EngineRig* r : {&fast, &full}) {
        r->setGuides(guides);
        r->engine->SmoothFont = 0;
    }
    // A white imprint cuts nothing but sends the render through the pixel buffer.
    auto white = std::make_shared<Bitmap>(Bitmap{1, 1, {255, 255, 255}});
    full.engine->setImprint(true, white, "white");
    render(fast);
    render(full);
    EXPECT_EQ(pixelsOf(*fast.canvas).bgr, pixelsOf(*full.canvas).bgr);
    EXPECT_GT(coloursOf(*fast.canvas).count(0x0000FF), 0u);
}

TEST(Render, QualitySwitchKeepsTheMaskBevelSwitchRebuildsIt) {
    EngineRig rig;
    render(rig);
    ASSERT_FALSE(rig.engine->TextMask.empty());
    rig.engine->TextMask.back() = 77;  // a mark that only a rebuild removes
    rig.engine->setSmoothFont(false);
    render(rig);
    EXPECT_EQ(rig.engine->TextMask.back(), 77);
    setBevel(*rig.engine);
    render(rig);
    EXPECT_NE(rig.engine->TextMask.back(), 77);
    rig.engine->TextMask.back() = 77;
    rig.engine->setBevelValues(150, 80, 0, 30);  // height, size, angle: the table only
    render(rig);
    EXPECT_EQ(rig.engine->TextMask.back(), 77);
    rig.engine->setBevelValues(150, 80, 3, 30);  // added pixels change the distances
    render(rig);
    EXPECT_NE(rig.engine->TextMask.back(), 77);
}

TEST(Bevel, EdgeDistancesStartAtOneWithoutAddedPixels) {
    EngineRig rig;
    setBevel(*rig.engine);
    render(rig);
    const auto& e = *rig.engine;
    const int32_t w = 450;
    int edges = 0;
    for (int row = 1; row < 199; ++row)
        for (int x = 1; x < 449; ++x) {
            const uint8_t d = e.TextMask[size_t(row) * w + x];
            const bool touchesOutside = d != 0 && (e.TextMask[size_t(row) * w + x - 1] == 0 || e.TextMask[size_t(row) * w + x + 1] == 0 ||
                                                   e.TextMask[size_t(row - 1) * w + x] == 0 || e.TextMask[size_t(row + 1) * w + x] == 0);
            if (touchesOutside) {
                ++edges;
                ASSERT_EQ(d, 1) << x << "," << row;
            }
        }
    EXPECT_GT(edges, 100);
    EXPECT_GT(e.MaxDistance, 5);
}

TEST(Bevel, AddedPixelsGrowAMarginCountingUpToTheEdge) {
    EngineRig plain, grown;
    setBevel(*plain.engine);
    setBevel(*grown.engine);
    grown.engine->setBevelValues(200, 100, 3, -45);
    render(plain);
    render(grown);
    const auto count = [](const ByteMap& m) { return std::count_if(m.begin(), m.end(), [](uint8_t v) { return v != 0; }); };
    EXPECT_GT(count(grown.engine->TextMask), count(plain.engine->TextMask));
    // Every former edge pixel now lies at distance 4 (three margin pixels outside it).
    EXPECT_TRUE(std::find(grown.engine->TextMask.begin(), grown.engine->TextMask.end(), 1) != grown.engine->TextMask.end());
    EXPECT_TRUE(std::find(grown.engine->TextMask.begin(), grown.engine->TextMask.end(), 4) != grown.engine->TextMask.end());
}

TEST(Bevel, ProfileTableSlopes) {
    TFontFX e(Rect{0, 0, 100, 100});
    e.MaxDistance = 19;                    // bevel width L = round(20 * 100 * 0.01) = 20
    e.Bevel.BevelSize = 100;
    e.Bevel.BevelHeight = 500;             // H = MulDiv(500, 136, 1000) = 68
    e.Bevel.SegmentCount = 2;
    e.Bevel.Points[0] = {0, 1, 0, 0, 500, 0};
    e.Bevel.Points[1] = {1, 1, 0, 500, 500, 0};   // horizontal: slope 0
    e.Bevel.Points[2] = {2, 1, 0, 1000, 0, 0};    // rising: (500 - 0) / 500 * 2 * 68 * len * 0.5
    e.UpdateBevelFunc();
    EXPECT_FALSE(e.BevelChanged);
    EXPECT_EQ(e.BevelWidth, 20);
    for (int p = 0; p <= 10; ++p) EXPECT_EQ(e.SlopeTable[p], 0) << p;    // a = 20 * 500 / 1000 = 10
    EXPECT_EQ(e.SlopeTable[11], 68 * 9);                                   // len = 20 - 11 = 9
    EXPECT_EQ(e.SlopeTable[20], 68 * 9);
    EXPECT_EQ(e.DistColorMode[5], 1);
    EXPECT_EQ(e.DistColorMode[15], 2);
    EXPECT_EQ(e.DistSegment[15], 2);

    // The last point at the start's x: a flat profile whose colour modes still apply.
    e.Bevel.Points[2].X = 0;
    e.Bevel.Points[1].X = 0;
    e.UpdateBevelFunc();
    for (int p = 0; p <= 20; ++p) EXPECT_EQ(e.SlopeTable[p], 0) << p;
    EXPECT_EQ(e.DistColorMode[3], 1);
}

TEST(Render, DraftIsGreyLettersWithABlackOutlineOnWhite) {
    EngineRig rig;
    setBevel(*rig.engine);
    render(rig, true);
    const auto colours = coloursOf(*rig.canvas);
    EXPECT_EQ(colours, (std::set<ColorRef>{0xFFFFFF, 0xC0C0C0, 0x000000}));
}

TEST(Render, SameInputsGiveIdenticalBytes) {
    EngineRig a, b;
    for (EngineRig* r : {&a, &b}) {
        setBevel(*r->engine);
        r->engine->TextFill.FillKind = 1;
        r->engine->TextFill.GradientRepeat = 1;
    }
    render(a);
    render(b);
    EXPECT_EQ(pixelsOf(*a.canvas).bgr, pixelsOf(*b.canvas).bgr);
}

TEST(Render, BevelLightSideFollowsTheAngle) {
    EngineRig left, right;
    setBevel(*left.engine);
    setBevel(*right.engine);
    right.engine->setBevelValues(200, 100, 0, 135);  // light from the opposite side
    render(left);
    render(right);
    EXPECT_NE(pixelsOf(*left.canvas).bgr, pixelsOf(*right.canvas).bgr);
}

}  // namespace vortel::test

namespace vortel::test {

TEST(Render, ShadowMapIsKeptForColourAndRebuiltForShape) {
    EngineRig rig;
    ShadowParams shadow = rig.engine->Shadow;
    shadow.ShadowBlur = 2;
    shadow.ShadowX = 4;
    rig.engine->setShadow(shadow);
    render(rig);
    ASSERT_FALSE(rig.engine->ShadowMask.empty());
    rig.engine->ShadowMask.back() = 77;  // a mark that only a rebuild removes
    shadow.ShadowColor = 0x00FF00;
    shadow.ShadowIntensity = 0.5;
    rig.engine->setShadow(shadow);
    render(rig);
    EXPECT_EQ(rig.engine->ShadowMask.back(), 77);
    for (auto change : {+[](ShadowParams& s) { s.ShadowBlur = 3; }, +[](ShadowParams& s) { s.ShadowAngle = 10; },
                        +[](ShadowParams& s) { s.ShadowSize = 90; }, +[](ShadowParams& s) { s.ShadowY = -2; }}) {
        rig.engine->ShadowMask.back() = 77;
        change(shadow);
        rig.engine->setShadow(shadow);
        render(rig);
        EXPECT_NE(rig.engine->ShadowMask.back(), 77);
    }
}

}  // namespace vortel::test

namespace vortel::test {

// The program recalculates (outline, warp, render) on every change; with nothing changed, the
// picture must come out the same, although the text mask is kept from the first render.
TEST(Render, RecalculatingTheSameStateGivesTheSamePicture) {
    EngineRig rig;
    TFontFX& e = *rig.engine;
    std::array<BevelPoint, 11> profile{};
    profile[1] = {0, 3, 0, 1000, 0, 0};
    e.setBevelProfile(profile, 1);
    e.setBevelEnabled(true);
    e.setBevelValues(200, 70, 4, -45);
    ShadowParams shadow;
    shadow.ShadowBlur = 4, shadow.ShadowX = 3, shadow.ShadowY = -4;
    e.setShadow(shadow);
    std::vector<std::vector<uint8_t>> pictures;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(rig.extractAndWarp());
        e.ShowText(*rig.canvas, false);
        pictures.push_back(rig.canvas->toBitmap().bgr);
    }
    EXPECT_EQ(pictures[0], pictures[1]);
    EXPECT_EQ(pictures[0], pictures[2]);
}

}  // namespace vortel::test
