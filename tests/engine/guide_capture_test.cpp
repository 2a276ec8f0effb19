#include <gtest/gtest.h>

#include "EngineFixture.h"

namespace vortel::test {

namespace {
// Feeds a recorded mouse track through the capture, as the view's mouse events would.
bool drawGuide(EngineRig& rig, int guide, const std::vector<Point>& track, Rect rect = Rect{0, 0, 450, 200}) {
    rig.engine->SelectedGuide = int16_t(guide);
    if (!rig.engine->GetGuideLineBegin(*rig.canvas, rect)) return false;
    for (Point p : track) rig.engine->GetGuideLineAddPoint(p);
    return rig.engine->GetGuideLineEnd();
}
std::vector<Point> verticalTrack(int x, int from, int to, int step) {
    std::vector<Point> t;
    for (int y = from; step > 0 ? y <= to : y >= to; y += step) t.push_back({x + (y % 40 == 0 ? 15 : 0), y});
    return t;
}
}  // namespace

TEST(GuideCapture, KeepsPointsTenPixelsApart) {
    EngineRig rig;
    rig.setGuides(rectangleGuides(20, 20, 430, 180));
    ASSERT_TRUE(drawGuide(rig, 0, {{20, 20}, {25, 22}, {28, 20}, {40, 20}, {44, 21}, {100, 10}, {430, 20}}));
    // (25,22) and (28,20) are nearer than 10 to (20,20) and only hold the next slot until (40,20) comes.
    EXPECT_EQ(rig.engine->GuidePoints[0], (std::vector<Point>{{20, 20}, {40, 20}, {100, 10}, {430, 20}}));
    EXPECT_EQ(rig.engine->NumGuidePoints[0], 4);
    EXPECT_EQ(rig.engine->GuidePoints[3].front(), (Point{20, 20}));
    EXPECT_EQ(rig.engine->GuidePoints[1].front(), (Point{430, 20}));
    EXPECT_EQ(rig.engine->Undo.action, 1);
    EXPECT_EQ(rig.engine->Undo.points, (std::vector<Point>{{20, 20}, {430, 20}}));
}

TEST(GuideCapture, PositionsAreRelativeToTheRectangleAndOutsideOnesIgnored) {
    EngineRig rig;
    rig.setGuides(rectangleGuides(20, 20, 430, 180));
    ASSERT_TRUE(drawGuide(rig, 2, {{5, 5}, {110, 200}, {500, 300}, {300, 200}}, Rect{100, 100, 400, 300}));
    EXPECT_EQ(rig.engine->GuidePoints[2], (std::vector<Point>{{10, 100}, {200, 100}}));
}

TEST(GuideCapture, SideDrawnBottomUpWarpsLikeTopDown) {
    EngineRig down, up;
    for (EngineRig* r : {&down, &up}) r->setGuides(rectangleGuides(20, 20, 430, 180));
    ASSERT_TRUE(drawGuide(down, 1, verticalTrack(430, 20, 180, 10)));
    ASSERT_TRUE(drawGuide(up, 1, verticalTrack(430, 180, 20, -10)));
    EXPECT_EQ(up.engine->GuidePoints[1], down.engine->GuidePoints[1]);
    EXPECT_EQ(up.engine->GuidePoints[1].front(), (Point{430, 20}));
    ASSERT_TRUE(down.extractAndWarp());
    ASSERT_TRUE(up.extractAndWarp());
    EXPECT_EQ(up.engine->OutlinePoints, down.engine->OutlinePoints);

    // The left side is turned the same way; upper and lower guides never are.
    EngineRig left;
    left.setGuides(rectangleGuides(20, 20, 430, 180));
    ASSERT_TRUE(drawGuide(left, 3, verticalTrack(20, 180, 20, -10)));
    EXPECT_EQ(left.engine->GuidePoints[3].front().y, 20);
    EngineRig lower;
    lower.setGuides(rectangleGuides(20, 20, 430, 180));
    ASSERT_TRUE(drawGuide(lower, 2, {{430, 180}, {20, 180}}));
    EXPECT_EQ(lower.engine->GuidePoints[2].front(), (Point{430, 180}));
}

TEST(GuideCapture, RefusesWithoutSelectionOrWithTooFewPoints) {
    EngineRig rig;
    rig.setGuides(rectangleGuides(20, 20, 430, 180));
    EXPECT_FALSE(drawGuide(rig, -1, {{1, 1}, {100, 100}}));
    ASSERT_EQ(rig.messages.entries.size(), 1u);
    EXPECT_EQ(rig.messages.entries[0].text, "Bitte markieren Sie zuerst eine Begrenzungslinie, die Sie verändern möchten.");
    EXPECT_EQ(rig.messages.entries[0].caption, "Fehler");
    EXPECT_EQ(rig.messages.entries[0].icon, MessageIcon::Error);

    rig.messages.clear();
    const auto before = rig.engine->GuidePoints[0];
    EXPECT_FALSE(drawGuide(rig, 0, {{50, 50}, {52, 51}, {55, 50}}));
    ASSERT_EQ(rig.messages.entries.size(), 1u);
    EXPECT_EQ(rig.messages.entries[0].caption, "Nicht genug Punkte!");
    EXPECT_EQ(rig.messages.entries[0].text,
              "Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!\rBitte zeichnen Sie mit gedrückter "
              "Maustaste eine Linie.");
    EXPECT_EQ(rig.engine->GuidePoints[0], before);
    EXPECT_EQ(rig.engine->NumGuidePoints[0], 2);
}

TEST(GuideCapture, StopsAtAThousandPoints) {
    EngineRig rig(20000, 200);
    rig.setGuides(rectangleGuides(20, 20, 430, 180));
    std::vector<Point> track;
    for (int x = 0; x < 15000; x += 10) track.push_back({x, 50});
    ASSERT_TRUE(drawGuide(rig, 0, track, Rect{0, 0, 20000, 200}));
    EXPECT_EQ(rig.engine->NumGuidePoints[0], GuideCaptureCapacity);
    EXPECT_EQ(rig.engine->GuidePoints[0].back(), (Point{9990, 50}));
}

TEST(GuideCapture, DrawsTheTrackOnTheCanvas) {
    EngineRig rig;
    rig.setGuides(rectangleGuides(20, 20, 430, 180));
    int changes = 0;
    rig.canvas->setChangeListener([&] { ++changes; });
    ASSERT_TRUE(drawGuide(rig, 0, {{20, 100}, {200, 100}}));
    EXPECT_GT(changes, 0);
    EXPECT_EQ(rig.canvas->pixel(100, 100), 0x000000u);
    EXPECT_EQ(rig.canvas->pixel(100, 90), 0xFFFFFFu);
}

}  // namespace vortel::test
