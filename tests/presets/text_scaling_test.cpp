#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "panels/presets/TextScaling.h"
#include "tests/presets/PanelsRig.h"

namespace vortel::test {
namespace {

using presets::ScaleText;
using presets::TextCoverage;

// An engine with known guides and pixel-sized values, no layout needed.
struct ScaleRig : EngineRig {
    ScaleRig() : EngineRig(400, 200) {
        setGuides(rectangleGuides(40, 20, 360, 180));
        TFontFX& e = *engine;
        e.Shadow.ShadowX = 10, e.Shadow.ShadowY = -6, e.Shadow.ShadowBlur = 4;
        e.Fringe.FringeX = 3, e.Fringe.FringeY = 5;
        e.Bevel.BevelAddPixel = 2;
        e.Frame.FrameWidth = 20;
        e.RotationCenter = {200, 100};
    }
};

TEST(TextScaling, GuidesAndPixelValuesFollowTheSize) {
    struct Case {
        Size to;
        Point upperStart, lowerEnd, centre;
        int shadowX, shadowY, blur, fringeX, fringeY, addPixel, frame;
    };
    const Case cases[] = {
        {{800, 400}, {80, 40}, {720, 360}, {400, 200}, 20, -12, 8, 6, 10, 4, 40},   // twice the size
        {{200, 100}, {20, 10}, {180, 90}, {100, 50}, 5, -3, 2, 2, 2, 1, 10},        // half (ties to even)
        {{800, 200}, {80, 20}, {720, 180}, {400, 100}, 20, -6, 6, 4, 7, 3, 28},     // wider only: mean scale sqrt 2
        {{400, 200}, {40, 20}, {360, 180}, {200, 100}, 10, -6, 4, 3, 5, 2, 20},     // same size: nothing moves
    };
    for (const Case& c : cases) {
        ScaleRig rig;
        TFontFX& e = *rig.engine;
        const Size result = ScaleText(e, {400, 200}, c.to, false, false);
        SCOPED_TRACE(testing::Message() << c.to.cx << "x" << c.to.cy);
        EXPECT_EQ(result, c.to);
        EXPECT_EQ(e.GuidePoints[0].front(), c.upperStart);
        EXPECT_EQ(e.GuidePoints[2].back(), c.lowerEnd);
        EXPECT_EQ(e.GuidePoints[1].front(), e.GuidePoints[0].back()) << "corners stay joined";
        EXPECT_EQ(e.RotationCenter, c.centre);
        EXPECT_EQ(e.Shadow.ShadowX, c.shadowX);
        EXPECT_EQ(e.Shadow.ShadowY, c.shadowY);
        EXPECT_EQ(e.Shadow.ShadowBlur, c.blur);
        EXPECT_EQ(e.Fringe.FringeX, c.fringeX);
        EXPECT_EQ(e.Fringe.FringeY, c.fringeY);
        EXPECT_EQ(e.Bevel.BevelAddPixel, c.addPixel);
        EXPECT_EQ(e.Frame.FrameWidth, c.frame);
        EXPECT_EQ(e.ImageRect, (Rect{0, 0, c.to.cx, c.to.cy}));
    }
}

TEST(TextScaling, FitsThePictureOrTheTextToTheCoverage) {
    // The text box and the shadow box as a render leaves them: rows counted from the bottom of a
    // picture 200 high, the shadow's rows inclusive.
    struct Case {
        const char* what;
        Rect warped, shadow;
        int32_t blur;
        bool minimise, maximise;
        Size to, expected;
        Point upperStart;  // where the guide corner (40, 20) goes
    };
    const Case cases[] = {
        // Text 100..300 x 50..150 (200 x 100): margin 6 on every side. With the shadow the box is
        // 100..320 x 50..170 (220 x 120): margin 7.
        {"text only", {100, 50, 300, 150}, {}, -1, true, false, {999, 999}, {212, 112}, {-54, -24}},
        {"shadow widens the box", {100, 50, 300, 150}, {110, 30, 319, 120}, 2, true, false, {999, 999}, {234, 134}, {-53, -23}},
        {"stale shadow of a shadow switched off", {100, 50, 300, 150}, {0, 0, 399, 199}, -1, true, false, {999, 999},
         {212, 112}, {-54, -24}},
        {"both flags: minimise", {100, 50, 300, 150}, {}, -1, true, true, {999, 999}, {212, 112}, {-54, -24}},
        // Maximise on the same 400 x 200 picture: the box with its margin (212 x 112) grows by
        // 200 / 112 until it fills the height, and is centred across.
        {"maximise fills the height", {100, 50, 300, 150}, {}, -1, false, true, {400, 200}, {400, 200}, {-86, -43}},
        {"maximise on a wider picture", {100, 50, 300, 150}, {}, -1, false, true, {800, 200}, {800, 200}, {-116, -29}},
        {"no text: minimise keeps the size", {}, {}, -1, true, false, {999, 999}, {400, 200}, {40, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScaleRig rig;
        TFontFX& e = *rig.engine;
        e.WarpedBounds = c.warped;
        e.ShadowBounds = c.shadow;
        e.Shadow.ShadowBlur = c.blur;
        const Size result = ScaleText(e, {400, 200}, c.to, c.minimise, c.maximise);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(e.GuidePoints[0].front(), c.upperStart);
        // The frame belongs to the picture: it follows the picture's scale, not the text's.
        EXPECT_EQ(e.Frame.FrameWidth, c.to.cx == 800 ? 28 : 20);
    }
}

TEST(TextScaling, CoverageTurnsTheRowsRound) {
    ScaleRig rig;
    TFontFX& e = *rig.engine;
    e.WarpedBounds = {100, 50, 300, 150};
    EXPECT_EQ(TextCoverage(e, 200), (Rect{100, 50, 300, 150}));
    e.WarpedBounds = {100, 20, 300, 60};
    EXPECT_EQ(TextCoverage(e, 200), (Rect{100, 140, 300, 180}));
    e.WarpedBounds = {};
    EXPECT_EQ(TextCoverage(e, 200), Rect{});
}

TEST(TextScaling, DropsOnlyTheGuideUndo) {
    const struct {
        uint8_t action;
        uint8_t left;
    } cases[] = {{1, 0}, {2, 0}, {3, 0}, {8, 0}, {9, 9}, {10, 10}, {11, 11}, {12, 12}};
    for (const auto& c : cases) {
        ScaleRig rig;
        rig.engine->Undo.action = c.action;
        ScaleText(*rig.engine, {400, 200}, {800, 400}, false, false);
        EXPECT_EQ(rig.engine->Undo.action, c.left) << int(c.action);
    }
}

// The mean distance per channel between the big picture shrunk 2 x 2 to 1 and the small one.
double shrunkDistance(const Canvas& big, const Canvas& small) {
    double sum = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            for (int shift : {0, 8, 16}) {
                int mean = 0;
                for (int k = 0; k < 4; ++k) mean += big.pixel(2 * x + k % 2, 2 * y + k / 2) >> shift & 0xFF;
                sum += std::abs(mean / 4 - int(small.pixel(x, y) >> shift & 0xFF));
            }
    return sum / (3.0 * small.width() * small.height());
}

// The default text with a blurred shadow, laid out and rendered at 300 x 140.
std::unique_ptr<PanelsRig> renderedSmall() {
    auto rig = std::make_unique<PanelsRig>(300, 140);
    TFontFX& e = *rig->engine;
    e.BackFill.FillColor = 0xFFFFFF;
    e.TextFill.FillColor = 0x2040C0;
    ShadowParams shadow = e.Shadow;
    shadow.ShadowX = 6, shadow.ShadowY = 4, shadow.ShadowBlur = 3, shadow.ShadowColor = 0x808080;
    e.setShadow(shadow);
    EXPECT_TRUE(rig->render());
    return rig;
}

TEST(TextScaling, TwiceTheSizeKeepsTheLook) {
    const auto small = renderedSmall();
    struct Case {
        bool scale;
        double below, above;
    } const cases[] = {{true, 6.0, 0.0}, {false, 1e9, 15.0}};  // the unscaled picture must fail the comparison
    for (const Case& c : cases) {
        auto rig = renderedSmall();
        TFontFX& e = *rig->engine;
        if (c.scale) ScaleText(e, {300, 140}, {600, 280}, false, false);
        e.ImageRect = Rect{0, 0, 600, 280};
        e.releaseTextMask();
        rig->canvas = std::make_unique<Canvas>(600, 280);
        ASSERT_TRUE(rig->render());
        const double distance = shrunkDistance(*rig->canvas, *small->canvas);
        EXPECT_LT(distance, c.below) << c.scale;
        EXPECT_GT(distance, c.above) << c.scale;
    }
}

}  // namespace
}  // namespace vortel::test
