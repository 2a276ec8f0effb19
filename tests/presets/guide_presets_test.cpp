#include <gtest/gtest.h>

#include "tests/presets/PanelsRig.h"

namespace vortel::test {
namespace {

void expectCornersJoined(const TFontFX& e) {
    const auto& g = e.GuidePoints;
    ASSERT_GE(g[0].size(), 2u);
    EXPECT_EQ(g[0].front(), g[3].front());
    EXPECT_EQ(g[0].back(), g[1].front());
    EXPECT_EQ(g[2].front(), g[3].back());
    EXPECT_EQ(g[2].back(), g[1].back());
}

}  // namespace

// Every preset must give a warp the engine accepts, from a tiny preview to a print-size picture,
// with all four guides present and joined at the corners.
TEST(GuidePresets, EveryPresetWarpsAtEverySize) {
    const Size sizes[] = {{100, 50}, {450, 200}, {1920, 1080}, {4000, 3000}};
    for (const Size size : sizes) {
        for (int i = 0; i < presets::GuidePresetCount; ++i) {
            PanelsRig rig(size.cx, size.cy);
            rig.panels.ApplyGuidePreset(i);
            SCOPED_TRACE(testing::Message() << "preset " << i << " at " << size.cx << "x" << size.cy);
            EXPECT_EQ(rig.engine->GuideStyle, i);
            expectCornersJoined(*rig.engine);
            ASSERT_TRUE(rig.extractAndWarp()) << (rig.messages.entries.empty() ? "" : rig.messages.entries[0].text);
            EXPECT_GT(rig.engine->NumOutlinePoints, 0);
        }
    }
}

// No two presets give the same guides; the mirror turns the asymmetric ones round.
TEST(GuidePresets, PresetsAreDistinctAndMirrorable) {
    std::vector<std::array<std::vector<Point>, 4>> seen;
    for (int i = 1; i < presets::GuidePresetCount; ++i) {
        PanelsRig rig;
        rig.panels.ApplyGuidePreset(i);
        for (const auto& other : seen) EXPECT_NE(other, rig.engine->GuidePoints) << "preset " << i;
        seen.push_back(rig.engine->GuidePoints);
    }
    PanelsRig rising, mirrored;
    rising.panels.ApplyGuidePreset(1);
    mirrored.panels.ApplyGuidePreset(1, true);
    const auto& up = rising.engine->GuidePoints[0];
    const auto& back = mirrored.engine->GuidePoints[0];
    EXPECT_GT(up.front().y, up.back().y);    // rises to the right
    EXPECT_LT(back.front().y, back.back().y);  // and, turned round, falls
    EXPECT_EQ(back.front().x, 450 - up.back().x);
}

TEST(GuidePresets, PercentListsAndTheInnerRectangle) {
    PanelsRig rig(450, 200);
    rig.panels.ApplyGuidePreset(8);
    // margin 450 * 3 / 100 = 13; inner 424 x 174; the arch's middle point lies above the area.
    const std::vector<Point> upper{{13, 13 + 174 * 40 / 100}, {13 + 212, 13 + 174 * -5 / 100}, {437, 13 + 69}};
    EXPECT_EQ(rig.engine->GuidePoints[0], upper);
    EXPECT_EQ(rig.engine->RotationCenter, (Point{225, 100}));
    EXPECT_EQ(rig.engine->RotationHandle, (Point{225, 25}));

    rig.panels.ApplyGuidePreset(0);
    EXPECT_TRUE(rig.engine->guidesInInitialState());
}

TEST(GuidePresets, SetGuideParameterRefusesListsOfDifferentLengths) {
    PanelsRig rig;
    rig.panels.ApplyGuidePreset(12);
    const auto before = rig.engine->GuidePoints;
    try {
        rig.panels.SetGuideParameter(0, {0, 50, 100}, {10, 20});
        FAIL() << "no error raised";
    } catch (const VortelError& e) {
        EXPECT_STREQ(e.what(), "Internal error: SetGuideParameter");
    }
    EXPECT_EQ(rig.engine->GuidePoints, before);
}

// A sloped pair of straight guides is a rising line of text, not an upright box: it is warped.
TEST(GuidePresets, SlopedStraightGuidesAreWarped) {
    PanelsRig rig;
    rig.panels.ApplyGuidePreset(1);
    EXPECT_FALSE(rig.engine->isUnwarped());
    ASSERT_TRUE(rig.extractAndWarp());
    // The rising text: its left end reaches lower than its right end.
    int32_t leftLow = 0, rightLow = 0;
    for (const Point& p : rig.engine->OutlinePoints) {
        if (p.x < 100) leftLow = std::max(leftLow, p.y);
        if (p.x > 350) rightLow = std::max(rightLow, p.y);
    }
    EXPECT_GT(leftLow, rightLow + 40);
}

}  // namespace vortel::test
