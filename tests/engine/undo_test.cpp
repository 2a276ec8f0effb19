#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "EngineFixture.h"

namespace vortel::test {

namespace {
// Everything an undoable action may change, flattened so that two states compare in one go.
std::vector<int64_t> state(const TFontFX& e) {
    std::vector<int64_t> s{e.RotationCenter.x, e.RotationCenter.y, e.RotationHandle.x, e.RotationHandle.y,
                           e.Fringe.FringeX,   e.Shadow.ShadowBlur, e.Bevel.BevelAddPixel, e.Bevel.BevelFlag,
                           e.BackFill.FillColor, e.TextFill.FillColor};
    for (int g = 0; g < 4; ++g) {
        s.push_back(e.NumGuidePoints[g]);
        for (Point p : e.GuidePoints[g]) s.insert(s.end(), {p.x, p.y});
    }
    for (const FillRecord* f : {&e.BackFill, &e.TextFill})
        s.insert(s.end(), f->GradientColors.begin(), f->GradientColors.end());
    return s;
}

void dragTo(TFontFX& e, bool begun, Point to) {
    ASSERT_TRUE(begun);
    e.GuideDragMove(to);
    e.GuideDragEnd();
}
}  // namespace

TEST(Undo, SecondUndoRestoresTheStateBeforeTheFirst) {
    const Rect r{0, 0, 450, 200};
    struct Case { uint8_t action; std::function<void(TFontFX&)> change; };
    const Case cases[] = {
        {1, [](TFontFX& e) { e.DecreaseGuidePoints(); }},
        {2, [&](TFontFX& e) { dragTo(e, e.MoveGuideLineBegin(r, {200, 20}, false, false), {212, 13}); }},
        // Dragged sideways: the zoom only follows the distance from the anchor, not the offset.
        {3, [&](TFontFX& e) { dragTo(e, e.ZoomGuideLineBegin(r, {230, 180}, 2), {430, 180}); }},
        {4, [&](TFontFX& e) { dragTo(e, e.MoveGuideLinePointBegin(r, {120, 10}), {131, 4}); }},
        {5, [&](TFontFX& e) { dragTo(e, e.AngleCenterGuideLineBegin(r, {225, 100}), {235, 105}); }},
        // A quarter turn, which whole pixels can follow exactly.
        {6, [&](TFontFX& e) { dragTo(e, e.AngleOuterGuideLineBegin(r, {225, 25}, false, false), {300, 100}); }},
        // Undoing an insertion deletes the point and records that, and the other way round.
        {7, [](TFontFX& e) { e.InsertAfterPoint = 3, e.AddGuidePoint({200, 30}); }},
        {8, [](TFontFX& e) { e.DeleteSelectedGuidePoint(); }},
        {9, [](TFontFX& e) { e.SetUndoRecord(9, 0); e.Bevel.BevelAddPixel = 3, e.Bevel.BevelFlag = 1; }},
        {10, [](TFontFX& e) { e.SetUndoRecord(10, 1, 0, int32_t(e.TextFill.FillColor)); e.setFillColor(1, 0x123456); }},
        {11, [](TFontFX& e) { auto& c = e.BackFill.GradientColors; e.SetUndoRecord(11, 0, 1, c[1]); c[1] = 7; }},
    };
    for (const Case& c : cases) {
        EngineRig rig;
        auto guides = rectangleGuides(20, 20, 230, 180);
        guides[0] = {{20, 20}, {70, 15}, {120, 10}, {170, 15}, {230, 20}};
        rig.setGuides(guides);
        TFontFX& e = *rig.engine;
        e.SelectedGuide = 0, e.SelectedPointGuide = 0, e.SelectedPoint = 2;
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

TEST(Undo, HandsTheProgramItsOwnActionsAndRefusesWhatPointsNowhere) {
    EngineRig rig;
    TFontFX& e = *rig.engine;
    e.SetUndoRecord(12, 4711);
    EXPECT_FALSE(e.UndoLastAction()) << "no handler registered";
    std::vector<int32_t> undone, refreshed;
    e.MainWindowUndo = [&](int32_t index) { undone.push_back(index); };
    e.UndoRefresh = [&](uint8_t action) { refreshed.push_back(action); };
    EXPECT_TRUE(e.UndoLastAction() && undone == std::vector<int32_t>{4711});
    // A bevel undo rebuilds the mask only when the added pixels change.
    e.TextMask.assign(450 * 200, 1);
    for (auto [height, added, rebuilt] : {std::tuple{80, 0, false}, {140, 5, true}}) {
        e.SetUndoRecord(9, 0);
        e.Bevel.BevelHeight = height, e.Bevel.BevelAddPixel = added;
        ASSERT_TRUE(e.UndoLastAction());
        EXPECT_EQ(e.TextMask.empty(), rebuilt);
    }
    e.SetUndoRecord(11, 1, 3, 0x42);
    EXPECT_TRUE(e.UndoLastAction() && e.TextFill.GradientColors[3] == 0x42u);
    EXPECT_EQ(refreshed, (std::vector<int32_t>{9, 9, 11}));

    for (auto [action, index, count] : {std::tuple{11, 1, 11}, {10, 2, 0}, {4, 0, 5}, {1, 4, 0}}) {
        e.SetUndoRecord(uint8_t(action), index, count, 0x42);
        EXPECT_FALSE(e.UndoLastAction()) << action;
    }
    // An unknown action is reported; the guide saved before it must not come back as an empty one.
    auto said = [&] { return std::pair(rig.messages.entries.back().text, rig.messages.entries.back().number); };
    e.SetUndoRecord(1, 0);
    e.SetUndoRecord(13, 0);
    EXPECT_EQ(said(), std::pair(std::string("Intern: SetUndoRecord not defined"), int64_t(13)));
    EXPECT_FALSE(e.UndoLastAction() || e.NumGuidePoints[0] != 2);
    e.Undo.action = 20;
    EXPECT_FALSE(e.UndoLastAction());
    EXPECT_EQ(said(), std::pair(std::string("Undo not defined"), int64_t(20)));
}

}  // namespace vortel::test
