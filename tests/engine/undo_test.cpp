#include <gtest/gtest.h>

#include <functional>

#include "EngineFixture.h"

namespace vortel::test {

namespace {
// Everything an undoable action may change, flattened so that two states compare in one go.
std::vector<int64_t> state(const TFontFX& e) {
    std::vector<int64_t> s;
    for (int g = 0; g < 4; ++g) {
        s.push_back(e.NumGuidePoints[g]);
        for (Point p : e.GuidePoints[g]) s.insert(s.end(), {p.x, p.y});
    }
    s.insert(s.end(), {e.RotationCenter.x, e.RotationCenter.y, e.RotationHandle.x, e.RotationHandle.y});
    s.insert(s.end(), {e.Fringe.FringeX, e.Fringe.FringeY, e.Shadow.ShadowX, e.Shadow.ShadowY, e.Shadow.ShadowBlur});
    s.insert(s.end(), {e.Bevel.BevelHeight, e.Bevel.BevelAddPixel, e.Bevel.SegmentCount, e.Bevel.BevelFlag});
    for (const BevelPoint& p : e.Bevel.Points) s.insert(s.end(), {p.X, p.Y, p.SegmentType});
    for (const FillRecord* f : {&e.BackFill, &e.TextFill}) {
        s.push_back(f->FillColor);
        s.insert(s.end(), f->GradientColors.begin(), f->GradientColors.end());
    }
    return s;
}

void dragTo(TFontFX& e, bool begun, Point to) {
    ASSERT_TRUE(begun);
    e.GuideDragMove(to);
    e.GuideDragEnd();
}
}  // namespace

TEST(Undo, SecondUndoRestoresTheStateBeforeTheFirst) {
    const Rect image{0, 0, 450, 200};
    struct Case { uint8_t action; std::function<void(TFontFX&)> change; };
    const Case cases[] = {
        {1, [](TFontFX& e) { e.SelectedGuide = 0; e.DecreaseGuidePoints(); }},
        {2, [&](TFontFX& e) { e.SelectedGuide = 0; dragTo(e, e.MoveGuideLineBegin(image, {200, 20}, false, false), {212, 13}); }},
        // Dragged sideways: the zoom only follows the distance from the anchor, not the offset.
        {3, [&](TFontFX& e) { dragTo(e, e.ZoomGuideLineBegin(image, {230, 180}, 2), {430, 180}); }},
        {4, [&](TFontFX& e) {
             e.SelectedPointGuide = 0;
             e.SelectedPoint = 2;
             dragTo(e, e.MoveGuideLinePointBegin(image, {120, 10}), {131, 4});
         }},
        {5, [&](TFontFX& e) { dragTo(e, e.AngleCenterGuideLineBegin(image, {225, 100}), {235, 105}); }},
        // A quarter turn, which whole pixels can follow exactly.
        {6, [&](TFontFX& e) { dragTo(e, e.AngleOuterGuideLineBegin(image, {225, 25}, false, false), {300, 100}); }},
        {9, [](TFontFX& e) {
             e.SetUndoRecord(9, 0);
             e.Bevel.BevelAddPixel = 3;
             e.Bevel.Points[2].X = 400;
             e.Bevel.BevelFlag = 1;
         }},
        {10, [](TFontFX& e) { e.SetUndoRecord(10, 1, 0, int32_t(e.TextFill.FillColor)); e.setFillColor(1, 0x123456); }},
        {11, [](TFontFX& e) {
             e.SetUndoRecord(11, 0, 1, int32_t(e.BackFill.GradientColors[1]));
             e.BackFill.GradientColors[1] = 0xABCDEF;
         }},
    };
    for (const Case& c : cases) {
        EngineRig rig;
        auto guides = rectangleGuides(20, 20, 230, 180);
        guides[0] = {{20, 20}, {70, 15}, {120, 10}, {170, 15}, {230, 20}};
        rig.setGuides(guides);
        TFontFX& e = *rig.engine;
        e.Fringe.FringeX = 30;
        e.Shadow.ShadowBlur = 50;
        const auto before = state(e);
        c.change(e);
        const auto after = state(e);
        ASSERT_NE(after, before) << int(c.action);
        ASSERT_EQ(e.Undo.action, c.action);
        ASSERT_TRUE(e.UndoLastAction()) << int(c.action);
        EXPECT_EQ(state(e), before) << int(c.action);
        ASSERT_TRUE(e.UndoLastAction()) << int(c.action);
        EXPECT_EQ(state(e), after) << int(c.action);
    }
}

TEST(Undo, HandsTheProgramItsOwnActionsAndRefreshes) {
    EngineRig rig;
    TFontFX& e = *rig.engine;
    e.SetUndoRecord(12, 4711);
    EXPECT_FALSE(e.UndoLastAction()) << "no handler registered";
    std::vector<int32_t> undone;
    std::vector<uint8_t> refreshed;
    e.MainWindowUndo = [&](int32_t index) { undone.push_back(index); };
    e.UndoRefresh = [&](uint8_t action) { refreshed.push_back(action); };
    EXPECT_TRUE(e.UndoLastAction());
    EXPECT_EQ(undone, std::vector<int32_t>{4711});

    // A bevel undo that changes the added pixels rebuilds the mask.
    e.TextMask.assign(450 * 200, 1);
    e.SetUndoRecord(9, 0);
    e.Bevel.BevelHeight = 80;
    ASSERT_TRUE(e.UndoLastAction());
    EXPECT_FALSE(e.TextMask.empty());
    e.SetUndoRecord(9, 0);
    e.Bevel.BevelAddPixel = 5;
    ASSERT_TRUE(e.UndoLastAction());
    EXPECT_TRUE(e.TextMask.empty());
    e.SetUndoRecord(11, 1, 3, 0x42);
    ASSERT_TRUE(e.UndoLastAction());
    EXPECT_EQ(e.TextFill.GradientColors[3], 0x42u);
    EXPECT_EQ(refreshed, (std::vector<uint8_t>{9, 9, 11}));

    // Records that point nowhere are refused rather than followed.
    e.SetUndoRecord(11, 1, 11, 0x42);
    EXPECT_FALSE(e.UndoLastAction());
    e.SetUndoRecord(10, 2, 0, 0x42);
    EXPECT_FALSE(e.UndoLastAction());
}

TEST(Undo, UnknownActionsAreReportedAndLeaveNothingToUndo) {
    EngineRig rig;
    rig.setGuides(rectangleGuides(20, 20, 430, 180));
    TFontFX& e = *rig.engine;
    e.SetUndoRecord(1, 0);
    e.SetUndoRecord(13, 0);
    ASSERT_EQ(rig.messages.entries.size(), 1u);
    EXPECT_EQ(rig.messages.entries[0].text, "Intern: SetUndoRecord not defined");
    EXPECT_EQ(rig.messages.entries[0].number, 13);
    // The guide saved before must not come back as an empty one.
    EXPECT_FALSE(e.UndoLastAction());
    EXPECT_EQ(e.NumGuidePoints[0], 2);

    e.Undo.action = 20;
    EXPECT_FALSE(e.UndoLastAction());
    EXPECT_EQ(rig.messages.entries.back().text, "Undo not defined");
    EXPECT_EQ(rig.messages.entries.back().number, 20);
}

}  // namespace vortel::test
