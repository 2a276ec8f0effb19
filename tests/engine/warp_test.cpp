#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "EngineFixture.h"

namespace vortel::test {

namespace {

struct Bounds {
    int minX = INT32_MAX, minY = INT32_MAX, maxX = INT32_MIN, maxY = INT32_MIN;
};
Bounds boundsOf(const std::vector<Point>& pts) {
    Bounds b;
    for (const Point& p : pts) b.minX = std::min(b.minX, p.x), b.maxX = std::max(b.maxX, p.x), b.minY = std::min(b.minY, p.y), b.maxY = std::max(b.maxY, p.y);
    return b;
}
int maxDistance(const std::vector<Point>& a, const std::vector<Point>& b) {
    int d = 0;
    for (size_t i = 0; i < a.size(); ++i) d = std::max({d, std::abs(a[i].x - b[i].x), std::abs(a[i].y - b[i].y)});
    return d;
}

}  // namespace

TEST(Warp, DefaultRectangleScalesUniformly) {
    EngineRig rig;
    // Measuring first places the rectangle at the letters' own aspect (the cell minus a third).
    ASSERT_TRUE(rig.engine->GetPointsAndTypes(*rig.canvas, true));
    ASSERT_TRUE(rig.extract());
    const std::vector<Point> before = rig.engine->OutlinePoints;
    ASSERT_TRUE(rig.engine->CalcVortel(0));
    const std::vector<Point>& after = rig.engine->OutlinePoints;
    const Bounds in = boundsOf(before), out = boundsOf(after);
    const auto& up = rig.engine->GuidePoints[0];
    const auto& low = rig.engine->GuidePoints[2];
    // The outline fills the guide rectangle, short of the 10-unit margin of the text box.
    // The margin is applied twice (before and after the redistribution): about 1 % a side.
    const double w = up[1].x - up[0].x, h = low[0].y - up[0].y;
    EXPECT_NEAR(out.minX - up[0].x, 0.01 * w, 2);
    EXPECT_NEAR(up[1].x - out.maxX, 0.01 * w, 2);
    EXPECT_NEAR(out.minY - up[0].y, 0.01 * h, 2);
    EXPECT_NEAR(low[0].y - out.maxY, 0.01 * h, 2);
    // Every point is the same axis-aligned scaling of its unwarped self, equal in x and y.
    const double sx = double(out.maxX - out.minX) / (in.maxX - in.minX);
    const double sy = double(out.maxY - out.minY) / (in.maxY - in.minY);
    EXPECT_NEAR(sx / sy, 1.0, 0.05);
    for (size_t i = 0; i < after.size(); ++i) {
        ASSERT_NEAR(after[i].x, out.minX + (before[i].x - in.minX) * sx, 1.5) << i;
        ASSERT_NEAR(after[i].y, out.minY + (before[i].y - in.minY) * sy, 1.5) << i;
    }
    // The bounds are turned upside down against the image height and grown by a pixel.
    EXPECT_EQ(rig.engine->WarpedBounds, (Rect{out.minX - 1, 200 - out.maxY - 1, out.maxX + 1, 200 - out.minY + 1}));
}

// Letters spread by an edited distribution curve go through the warp even in the plain box, and
// the picture shows the new spacing.
TEST(Warp, EditedDistributionCurvesLeaveThePlainBox) {
    const auto render = [](EngineRig& rig) {
        if (!rig.extractAndWarp()) return false;
        rig.engine->ShowText(*rig.canvas, false);
        return true;
    };
    EngineRig plain;
    ASSERT_TRUE(render(plain));
    ASSERT_TRUE(plain.engine->isUnwarped());
    for (const bool horizontal : {true, false}) {
        SCOPED_TRACE(horizontal);
        EngineRig edited;
        std::vector<Point>& curve = horizontal ? edited.engine->HorzCurve : edited.engine->VertCurve;
        curve[3] = horizontal ? Point{250, -100} : Point{100, -250};
        ASSERT_TRUE(render(edited));
        EXPECT_FALSE(edited.engine->isUnwarped());
        EXPECT_NE(edited.canvas->toBitmap().bgr, plain.canvas->toBitmap().bgr);
        curve[3] = (horizontal ? plain.engine->HorzCurve : plain.engine->VertCurve)[3];
        EXPECT_TRUE(edited.engine->isUnwarped());
    }
}

TEST(Warp, ArchedUpperGuideLiftsTheMiddleLetters) {
    EngineRig flat;
    flat.setGuides(rectangleGuides(20, 60, 430, 180));
    ASSERT_TRUE(flat.extractAndWarp());
    EngineRig arched;
    auto guides = rectangleGuides(20, 60, 430, 180);
    guides[0] = {{20, 60}, {120, 25}, {225, 10}, {330, 25}, {430, 60}};
    arched.setGuides(guides);
    ASSERT_TRUE(arched.extractAndWarp());
    const Bounds f = boundsOf(flat.engine->OutlinePoints), a = boundsOf(arched.engine->OutlinePoints);
    EXPECT_LT(a.minY, f.minY - 20);           // the top follows the arch upward
    EXPECT_NEAR(a.maxY, f.maxY, 2);           // the bottom stays on the straight lower guide
}

TEST(Warp, SideGuideDirectionDoesNotMatterOnlyItsBulge) {
    // Upper and lower guides and the longer left side stay the same; only the right side changes.
    auto base = rectangleGuides(20, 20, 430, 180);
    auto vertical = base;
    vertical[1] = {{430, 20}, {430, 100}};
    auto tilted = base;
    tilted[1] = {{430, 20}, {382, 84}};  // the same chord length, turned
    auto bulged = base;
    bulged[1] = {{430, 20}, {470, 60}, {430, 100}};

    EngineRig a, b, c;
    a.setGuides(vertical);
    b.setGuides(tilted);
    c.setGuides(bulged);
    ASSERT_TRUE(a.extractAndWarp());
    ASSERT_TRUE(b.extractAndWarp());
    ASSERT_TRUE(c.extractAndWarp());
    EXPECT_LE(maxDistance(a.engine->OutlinePoints, b.engine->OutlinePoints), 1);
    EXPECT_GT(maxDistance(a.engine->OutlinePoints, c.engine->OutlinePoints), 10);
}

TEST(Warp, PointsLeftOfTheSideBandFollowTheChords) {
    auto guides = rectangleGuides(60, 40, 400, 160);
    guides[3] = {{60, 40}, {10, 100}, {60, 160}};  // the left side bulges outward by 50 pixels
    EngineRig rig;
    rig.engine->Text = "HH";              // straight stems at the left edge,
    rig.engine->Fringe.OutlineStep = 3;   // subdivided so that points lie along them
    rig.setGuides(guides);
    ASSERT_TRUE(rig.extractAndWarp());
    // Clamping to the guides would keep every point at x >= 60; extrapolation reaches beyond.
    EXPECT_LT(boundsOf(rig.engine->OutlinePoints).minX, 50);
}

TEST(Warp, RefusesGuidesItCannotUse) {
    EngineRig rig;
    ASSERT_TRUE(rig.extract());
    const auto outline = rig.engine->OutlinePoints;
    rig.engine->NumGuidePoints[1] = 1;
    EXPECT_FALSE(rig.engine->CalcVortel(0));
    ASSERT_EQ(rig.messages.entries.size(), 1u);
    EXPECT_EQ(rig.messages.entries[0].caption, "Nicht genug Punkte!");
    EXPECT_EQ(rig.messages.entries[0].text.rfind("Fehler in Text-Begrenzungslinie.\r", 0), 0u);
    EXPECT_EQ(rig.engine->OutlinePoints, outline);

    // Zero top width: both sides start at one point.
    rig.messages.clear();
    rig.setGuides({std::vector<Point>{{100, 20}, {100, 20}}, {{100, 20}, {100, 150}}, {{100, 150}, {100, 150}}, {{100, 20}, {100, 150}}});
    EXPECT_FALSE(rig.engine->CalcVortel(0));
    EXPECT_EQ(rig.engine->OutlinePoints, outline);
    EXPECT_EQ(rig.messages.entries.size(), 1u);

    // Zero side length.
    rig.setGuides(rectangleGuides(20, 80, 430, 80));
    EXPECT_FALSE(rig.engine->CalcVortel(0));
    EXPECT_EQ(rig.engine->OutlinePoints, outline);

    // A guide too long for the dense list.
    rig.messages.clear();
    auto longGuides = rectangleGuides(20, 20, 430, 180);
    longGuides[0] = {{20, 20}, {7000, 20}, {20, 20}, {430, 20}};
    rig.setGuides(longGuides);
    EXPECT_FALSE(rig.engine->CalcVortel(0));
    ASSERT_EQ(rig.messages.entries.size(), 1u);
    EXPECT_EQ(rig.messages.entries[0].caption, "Zuviele Punkte");
    EXPECT_EQ(rig.engine->OutlinePoints, outline);
}

TEST(Guides, NeighboursShareTheirCorners) {
    TFontFX e(Rect{0, 0, 450, 200});
    auto set = [&](int g, std::vector<Point> pts) { e.GuidePoints[g] = pts; e.NumGuidePoints[g] = uint16_t(pts.size()); };
    set(0, {{1, 1}, {50, 0}, {100, 2}});
    set(1, {{0, 0}, {0, 0}});
    set(2, {{3, 90}, {99, 91}});
    set(3, {{0, 0}, {0, 0}});
    e.SetNachbarPoints(0);
    EXPECT_EQ(e.GuidePoints[3].front(), (Point{1, 1}));
    EXPECT_EQ(e.GuidePoints[1].front(), (Point{100, 2}));
    e.SetNachbarPoints(2);
    EXPECT_EQ(e.GuidePoints[3].back(), (Point{3, 90}));
    EXPECT_EQ(e.GuidePoints[1].back(), (Point{99, 91}));
    e.GuidePoints[1].back() = Point{120, 95};
    e.SetNachbarPoints(1);
    EXPECT_EQ(e.GuidePoints[2].back(), (Point{120, 95}));
    e.GuidePoints[3].front() = Point{5, 5};
    e.SetNachbarPoints(3);
    EXPECT_EQ(e.GuidePoints[0].front(), (Point{5, 5}));
}

TEST(Guides, MiddleIsAtHalfThePolylineLength) {
    TFontFX e(Rect{0, 0, 450, 200});
    e.GuidePoints[0] = {{0, 0}, {30, 0}, {30, 10}};  // length 40: the middle is 20 along the first leg
    e.GuidePoints[1] = {{0, 0}, {10, 0}, {10, 30}};  // length 40: 10 into the second leg
    e.NumGuidePoints[0] = e.NumGuidePoints[1] = 3;
    e.GuidePoints[2] = {{0, 0}, {7, 7}};
    e.GuidePoints[3] = {{4, 4}, {4, 4}};              // no length: keeps the last point
    e.GetMiddleOfGuides();
    EXPECT_EQ(e.GuideMiddle[0], (Point{20, 0}));
    EXPECT_EQ(e.GuideMiddle[1], (Point{10, 10}));
    EXPECT_EQ(e.GuideMiddle[2], (Point{4, 4}));       // round(3.5) ties to even
    EXPECT_EQ(e.GuideMiddle[3], (Point{4, 4}));
}

TEST(Guides, ParallelLowerGuideIsAThirdOfTheImageBelow) {
    EngineRig rig;
    auto guides = rectangleGuides(20, 30, 430, 180);
    guides[0] = {{20, 30}, {200, 10}, {430, 30}};
    rig.setGuides(guides);
    const auto oldLower = rig.engine->GuidePoints[2];
    ASSERT_TRUE(rig.engine->MakeGuideParallel(-1, false));
    const auto& low = rig.engine->GuidePoints[2];
    ASSERT_EQ(rig.engine->NumGuidePoints[2], 3);
    EXPECT_EQ(low, (std::vector<Point>{{20, 96}, {200, 76}, {430, 96}}));  // 200 / 3 = 66
    EXPECT_EQ(rig.engine->GuidePoints[3].back(), (Point{20, 96}));
    EXPECT_EQ(rig.engine->GuidePoints[1].back(), (Point{430, 96}));
    // The replaced guide can be undone and redone.
    EXPECT_EQ(rig.engine->Undo.action, 1);
    ASSERT_TRUE(rig.engine->UndoLastAction());
    EXPECT_EQ(rig.engine->GuidePoints[2], oldLower);
    EXPECT_EQ(rig.engine->NumGuidePoints[2], 2);
    ASSERT_TRUE(rig.engine->UndoLastAction());
    EXPECT_EQ(rig.engine->GuidePoints[2], low);
}

TEST(Guides, ParallelCopyTurnsScalesAndMirrors) {
    EngineRig rig;
    auto guides = rectangleGuides(20, 20, 420, 180);
    guides[0] = {{20, 20}, {220, 0}, {420, 20}};   // a peak in the middle
    guides[2] = {{20, 180}, {220, 180}};
    rig.setGuides(guides);
    ASSERT_TRUE(rig.engine->MakeGuideParallel(2, false));
    EXPECT_EQ(rig.engine->GuidePoints[2], (std::vector<Point>{{20, 180}, {120, 170}, {220, 180}}));  // half the chord
    rig.setGuides(guides);
    ASSERT_TRUE(rig.engine->MakeGuideParallel(2, true));
    EXPECT_EQ(rig.engine->GuidePoints[2][1], (Point{120, 190})) << "the mirrored peak points down";
}

TEST(Guides, ParallelRefusesASourceWithoutDirection) {
    EngineRig rig;
    auto guides = rectangleGuides(20, 20, 420, 180);
    guides[0] = {{20, 20}, {200, 5}, {20, 20}};
    rig.setGuides(guides);
    const auto lower = rig.engine->GuidePoints[2];
    EXPECT_FALSE(rig.engine->MakeGuideParallel(2, false));
    EXPECT_EQ(rig.engine->GuidePoints[2], lower);
    EXPECT_EQ(rig.engine->Undo.action, 0);
}

}  // namespace vortel::test
