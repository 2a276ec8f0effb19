#include <gtest/gtest.h>

#include <cmath>

#include "EngineFixture.h"
#include "engine/GuideWalk.h"
#include "engine/Helpers.h"
#include "platform/LineDDA.h"

namespace vortel::test {

namespace {
// The frame of these tests, with an upper guide of five points.
void fiveOnTop(EngineRig& rig) {
    auto guides = rectangleGuides(20, 20, 430, 180);
    guides[0] = {{20, 20}, {100, 20}, {106, 20}, {200, 20}, {430, 20}};
    rig.setGuides(guides);
}

// Runs a whole drag as the view's mouse events would.
bool drag(TFontFX& e, bool begun, std::vector<Point> track) {
    for (Point p : track) e.GuideDragMove(p);
    return begun && e.GuideDragEnd();
}
}  // namespace

TEST(GuideWalk, WindowVisitsTheSameStepsAsTheFullWalk) {
    Random r(7);
    for (int run = 0; run < 400; ++run) {
        const Point a{int32_t(r.below(200)) - 100, int32_t(r.below(200)) - 100};
        const Point b{int32_t(r.below(200)) - 100, int32_t(r.below(200)) - 100};
        const int64_t lo = int64_t(r.below(240)) - 120, hi = lo + r.below(60);
        const bool alongX = std::abs(b.x - a.x) > std::abs(b.y - a.y);
        std::vector<std::array<int64_t, 3>> full, window;
        int64_t step = 0;
        lineDDA(a.x, a.y, b.x, b.y, [&](int32_t x, int32_t y) {
            if ((alongX ? x : y) >= lo && (alongX ? x : y) <= hi) full.push_back({x, y, step});
            ++step;
        });
        lineDDAWindow(a, b, lo, hi, [&](int32_t x, int32_t y, int64_t i) { window.push_back({x, y, i}); });
        ASSERT_EQ(window, full) << a.x << "," << a.y << " -> " << b.x << "," << b.y << " in " << lo << ".." << hi;
    }
}

TEST(GuidePick, PointsAndHandlesWithinTenPixels) {
    EngineRig rig;  // rotation centre (225, 100), handle (225, 25)
    fiveOnTop(rig);
    TFontFX& e = *rig.engine;
    e.GuidePoints[2] = {{20, 180}, {200, 180}, {230, 180}, {209, 180}, {430, 180}};
    e.NumGuidePoints[2] = 5;
    struct Case { Point mouse; int selectedGuide, guide, point; };
    const Case cases[] = {
        {{104, 22}, 0, 0, 2},  {{103, 25}, 0, 0, 1},   // both close: the nearer; equally near: the first
        {{100, 29}, 0, 0, 1},  {{100, 30}, 0, -1, -1}, // 9 pixels is near, 10 too far
        {{21, 21}, 3, 3, 0},   {{21, 21}, 0, 0, 0},    // a corner belongs to the selected guide first
        {{208, 180}, 0, 2, 1},                         // a nearer point after a far one is not looked at
    };
    for (const Case& c : cases) {
        e.SelectedGuide = int16_t(c.selectedGuide);
        EXPECT_EQ(e.SelectGuidePoint(c.mouse), c.guide >= 0) << c.mouse.x << "," << c.mouse.y;
        EXPECT_EQ(std::pair(e.SelectedPointGuide, e.SelectedPoint), std::pair(c.guide, c.point)) << c.mouse.x;
    }
    const std::pair<Point, int> handles[] = {{{22, 22}, 0},  {{430, 20}, 1},  {{431, 181}, 2}, {{20, 190}, 3},
                                             {{20, 191}, -1}, {{227, 27}, 5}, {{225, 100}, 4},
                                             {{27, 27}, 0},  {{28, 27}, -1}};  // rounded: 9.9 is 10, 10.6 is 11
    for (const auto& [mouse, handle] : handles) EXPECT_EQ(e.IsMouseNaheEckpunkt(mouse), handle) << mouse.x;
    e.RotationHandle = {30, 20};
    EXPECT_EQ(e.IsMouseNaheEckpunkt({25, 20}), 0) << "a tie goes to the first handle";
}

TEST(GuidePick, SelectGuideTakesTheNearestSegmentAndIgnoresFarPoints) {
    EngineRig rig;
    fiveOnTop(rig);
    TFontFX& e = *rig.engine;
    EXPECT_TRUE(e.SelectGuide(*rig.canvas, 0, 10, {150, 26}));
    EXPECT_EQ(std::pair(int(e.SelectedGuide), e.InsertAfterPoint), std::pair(0, 2));
    EXPECT_FALSE(e.SelectGuide(*rig.canvas, 0, 5, {150, 26}) || e.SelectedGuide != -1);
    // A point two billion pixels away, on the very first segment searched, is not walked to.
    e.GuidePoints[0] = {{20, 20}, {2000000000, 1900000000}, {430, 20}};
    e.NumGuidePoints[0] = 3;
    EXPECT_TRUE(e.SelectGuide(*rig.canvas, 0, 10, {30, 30}));
    EXPECT_EQ(std::pair(int(e.SelectedGuide), e.InsertAfterPoint), std::pair(0, 0));
}

TEST(GuidePoints, AddAndDeleteRefuseTheEnds) {
    EngineRig rig;
    fiveOnTop(rig);
    TFontFX& e = *rig.engine;
    e.SelectedPointGuide = e.SelectedGuide = 0;
    for (int p : {0, 4, -1, 7}) {
        e.SelectedPoint = e.InsertAfterPoint = p;
        EXPECT_FALSE(e.DeleteSelectedGuidePoint() || (p != 0 && e.AddGuidePoint({300, 30}))) << p;
    }
    EXPECT_EQ(std::pair(int(e.NumGuidePoints[0]), int(e.Undo.action)), std::pair(5, 0));
    e.InsertAfterPoint = 3;
    ASSERT_TRUE(e.AddGuidePoint({300, 30}));
    EXPECT_EQ(e.GuidePoints[0], (std::vector<Point>{{20, 20}, {100, 20}, {106, 20}, {200, 20}, {300, 30}, {430, 20}}));
}

TEST(GuidePoints, DecreaseKeepsEveryOtherPointAndTheLast) {
    const std::pair<int, std::vector<int>> cases[] = {{5, {0, 2, 4}}, {6, {0, 2, 4, 5}}, {3, {0, 2}}, {2, {}}};
    for (const auto& [n, kept] : cases) {
        EngineRig rig;
        auto guides = rectangleGuides(20, 20, 430, 180);
        guides[1].clear();
        for (int i = 0; i < n; ++i) guides[1].push_back({430 + i % 2, 20 + 160 * i / (n - 1)});
        rig.setGuides(guides);
        rig.engine->SelectedGuide = 1;
        ASSERT_EQ(rig.engine->DecreaseGuidePoints(), !kept.empty()) << n;
        if (kept.empty()) continue;
        std::vector<Point> expected;
        for (int i : kept) expected.push_back(guides[1][i]);
        EXPECT_EQ(rig.engine->GuidePoints[1], expected) << n;
        EXPECT_EQ(size_t(rig.engine->NumGuidePoints[1]), kept.size());
        ASSERT_TRUE(rig.engine->StraightenGuide() && rig.engine->Undo.action == 1);
        EXPECT_EQ(rig.engine->GuidePoints[1], (std::vector<Point>{guides[1].front(), guides[1].back()}));
    }
}

TEST(GuideDrag, CornerPointTakesTheNeighboursEndAndReportsItsPlace) {
    struct Case { int guide, point, neighbour, neighbourPoint; Point outer; };
    const Case cases[] = {{0, 0, 3, 0, {20, 180}}, {0, 4, 1, 0, {430, 180}}, {2, 0, 3, 1, {20, 20}},
                          {2, 1, 1, 1, {430, 20}}, {1, 0, 0, 4, {200, 20}}, {3, 1, 2, 0, {430, 180}}};
    for (const Case& c : cases) {
        EngineRig rig;
        fiveOnTop(rig);
        TFontFX& e = *rig.engine;
        e.SelectedPointGuide = c.guide, e.SelectedPoint = c.point;
        const Point old = e.GuidePoints[c.guide][c.point], moved{old.x + 7, old.y - 5};
        ASSERT_TRUE(e.MoveGuideLinePointBegin(Rect{100, 50, 550, 250}, {old.x + 103, old.y + 52}));
        e.GuideDragMove({old.x + 110, old.y + 47});
        // The preview runs from the point's neighbours to its new place, across the corner too.
        const auto& preview = e.dragPreview();
        ASSERT_EQ(preview.size(), 2u);
        EXPECT_TRUE(preview[0].first == c.outer || preview[1].second == c.outer) << c.guide << "/" << c.point;
        EXPECT_EQ(preview[0].second, moved);
        EXPECT_EQ(e.GuidePoints[c.guide][c.point], old) << "the guides wait for the release";
        ASSERT_TRUE(e.GuideDragEnd());
        EXPECT_EQ(e.GuidePoints[c.guide][c.point], moved);
        EXPECT_EQ(e.GuidePoints[c.neighbour][c.neighbourPoint], moved);
        ASSERT_TRUE(e.Undo.action == 4 && e.UndoLastAction());
        EXPECT_EQ(e.GuidePoints[c.neighbour][c.neighbourPoint], old) << "the corner goes back whole";
    }
    EngineRig rig;
    rig.engine->SelectedPointGuide = 0, rig.engine->SelectedPoint = 1;
    drag(*rig.engine, rig.engine->MoveGuideLinePointBegin(Rect{0, 0, 450, 200}, {0, 0}), {{9, 9}});
    EXPECT_EQ(rig.messages.entries.back().text, "Punkt 1, 2%, 5%");  // 9 of 450 is 2 %, 9 of 200 rounds up to 5 %
}

TEST(GuideDrag, MovedGuideDragsItsNeighboursAndShiftKeepsOneAxis) {
    EngineRig rig;
    fiveOnTop(rig);
    TFontFX& e = *rig.engine;
    e.SelectedGuide = 0;
    EXPECT_FALSE(drag(e, e.MoveGuideLineBegin(Rect{0, 0, 450, 200}, {200, 20}, false, false), {}));
    // With Shift the sideways 3 pixels are dropped: a straight move must still be applied.
    ASSERT_TRUE(drag(e, e.MoveGuideLineBegin(Rect{0, 0, 450, 200}, {200, 20}, true, false), {{203, 10}}));
    EXPECT_EQ(e.GuidePoints[0], (std::vector<Point>{{20, 10}, {100, 10}, {106, 10}, {200, 10}, {430, 10}}));
    EXPECT_EQ(e.GuidePoints[1], (std::vector<Point>{{430, 10}, {430, 180}})) << "the side follows the moved corner";
    EXPECT_EQ(e.RotationCenter, (Point{225, 90}));
    EXPECT_EQ(std::pair(int(e.Undo.action), e.Undo.delta), std::pair(2, Point{0, 10}));
    // Without a selection the whole frame moves; the mouse is held to the picture.
    e.SelectedGuide = -1;
    ASSERT_TRUE(drag(e, e.MoveGuideLineBegin(Rect{0, 0, 450, 200}, {440, 100}, false, false), {{900, 105}}));
    EXPECT_EQ(e.GuidePoints[2], (std::vector<Point>{{29, 185}, {439, 185}}));
}

TEST(GuideDrag, RotationSnapsWithShiftAndMovesOnlyTheHandleWithCtrl) {
    struct Case { bool shift, ctrl; double degrees; };
    // The handle (225, 25) is dragged about the centre (225, 100) to (187, 35), about 30 degrees.
    const double swept = signedAngle({225, 100}, {225, 25}, {187, 35}) * 180 / M_PI;
    for (const Case& c : {Case{false, false, swept}, Case{true, false, 22.5}, Case{false, true, 0}}) {
        EngineRig rig;
        rig.setGuides(rectangleGuides(20, 20, 430, 180));
        TFontFX& e = *rig.engine;
        const bool begun = e.AngleOuterGuideLineBegin(Rect{0, 0, 450, 200}, {225, 25}, c.shift, c.ctrl);
        ASSERT_TRUE(drag(e, begun, {{187, 35}}));
        const auto& top = e.GuidePoints[0];
        const double turned = std::atan2(top[0].y - top[1].y, top[1].x - top[0].x) * 180 / M_PI;
        EXPECT_NEAR(turned, c.degrees, 0.2) << c.shift << c.ctrl;
        // Undo turns back by the same (snapped, or no) angle.
        ASSERT_TRUE(e.UndoLastAction() && (e.RotationHandle == Point{225, 25}));
        EXPECT_NEAR(top[0].y, 20, 1) << c.shift << c.ctrl;
        EXPECT_NEAR(top[1].y, 20, 1) << c.shift << c.ctrl;
    }
}

TEST(GuideDrag, ZoomScalesTheFrameAndTheSizeLikeValues) {
    for (int32_t blur : {3, -1}) {
        EngineRig rig(600, 400);
        rig.setGuides(rectangleGuides(20, 20, 220, 120));
        TFontFX& e = *rig.engine;
        e.setFringe(1, 100, 4, 5, 9);
        e.Shadow = ShadowParams{10, -6, blur};
        e.Bevel.BevelAddPixel = 2;
        e.TextMask.assign(600 * 400, 1);
        EXPECT_FALSE(e.ZoomGuideLineBegin(Rect{0, 0, 600, 400}, {220, 120}, 4));
        // The lower right corner goes twice as far from the upper left one.
        ASSERT_TRUE(drag(e, e.ZoomGuideLineBegin(Rect{0, 0, 600, 400}, {220, 120}, 2), {{300, 160}, {420, 220}}));
        EXPECT_EQ(e.GuidePoints[1], (std::vector<Point>{{420, 20}, {420, 220}}));
        const std::vector<int32_t> sizes{e.Fringe.FringeX, e.Fringe.FringeY, e.Fringe.FringeSeed, e.Shadow.ShadowX,
                                         e.Shadow.ShadowY, e.Shadow.ShadowBlur, e.Bevel.BevelAddPixel};
        EXPECT_EQ(sizes, (std::vector<int32_t>{8, 10, 9, 20, -12, blur == -1 ? -1 : 6, 4}));
        EXPECT_TRUE(e.TextMask.empty());
        EXPECT_EQ(std::pair(int(e.Undo.action), e.Undo.index), std::pair(3, 2));
    }
}

TEST(ShowGuide, DrawsTheHandlesTheModeAsksFor) {
    const ColorRef ground = rgb(10, 200, 30), white = 0xFFFFFF, black = 0;
    const ColorRef red = rgb(255, 0, 0), yellow = rgb(255, 255, 0);
    struct Probe { int mode; Point at; ColorRef color; };
    // Guides (50, 40) - (400, 160); rotation centre (225, 100), handle (225, 25); middle of the top (225, 40).
    const Probe probes[] = {
        {1, {48, 38}, black},   {1, {52, 42}, black},   {1, {50, 40}, ground},  {1, {53, 37}, ground},
        {0, {223, 98}, white},  {0, {226, 101}, white}, {0, {225, 100}, ground}, {0, {221, 25}, white},
        {0, {225, 25}, ground}, {0, {47, 37}, white},   {0, {52, 42}, white},    {0, {50, 40}, ground},
        {0, {225, 38}, white},  {0, {225, 40}, ground}, {3, {60, 160}, red},     {3, {70, 160}, yellow},
        {3, {50, 40}, black},   {3, {52, 40}, black},   {3, {53, 40}, white},
    };
    for (const Probe& p : probes) {
        EngineRig rig;
        rig.canvas->fillRect({0, 0, 450, 200}, ground);
        rig.setGuides(rectangleGuides(50, 40, 400, 160));
        rig.engine->GetMiddleOfGuides();
        rig.engine->ShowGuide(*rig.canvas, p.mode, 1002);
        EXPECT_EQ(rig.canvas->pixel(p.at.x, p.at.y), p.color) << p.mode << ": " << p.at.x << "," << p.at.y;
    }
    // The same highlight again draws nothing; a code below 100 always draws.
    EngineRig rig;
    rig.setGuides(rectangleGuides(50, 40, 400, 160));
    for (auto [code, drawn] : {std::pair{1002, true}, {1002, false}, {2, true}, {2, true}}) {
        rig.canvas->fillRect({0, 0, 450, 200}, ground);
        rig.engine->ShowGuide(*rig.canvas, 3, code);
        EXPECT_EQ(rig.canvas->pixel(60, 160) != ground, drawn) << code;
    }
}

}  // namespace vortel::test
