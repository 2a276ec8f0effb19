#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "EngineFixture.h"
#include "platform/Numeric.h"

namespace vortel::test {

TEST(FreshEngine, HoldsTheDefaultEffect) {
    TFontFX e(Rect{0, 0, 450, 200});
    EXPECT_EQ(e.Text, "Vortel");
    EXPECT_EQ(e.LineCount, 1);
    EXPECT_EQ(e.TextFormat, 0x0811);
    EXPECT_EQ(e.Font.lfHeight, 120);
    EXPECT_EQ(e.Font.lfWeight, 700);
    EXPECT_EQ(e.Font.lfOutPrecision, 7);
    EXPECT_EQ(e.Font.faceName(), "Arial");
    EXPECT_TRUE(e.guidesInInitialState());
    EXPECT_EQ(e.RotationCenter, (Point{225, 100}));
    EXPECT_EQ(e.RotationHandle, (Point{225, 25}));
    ASSERT_EQ(e.HorzCurve.size(), 10u);
    ASSERT_EQ(e.VertCurve.size(), 10u);
    EXPECT_EQ(e.HorzCurve[0], (Point{-500, 0}));
    EXPECT_EQ(e.HorzCurve[1], (Point{-389, 0}));  // round(1000/9) - 500
    EXPECT_EQ(e.HorzCurve[9], (Point{500, 0}));
    EXPECT_EQ(e.VertCurve[0], (Point{0, 500}));
    EXPECT_EQ(e.VertCurve[9], (Point{0, -500}));
    EXPECT_EQ(e.BackFill.FillColor, 0xFF0000u);
    EXPECT_EQ(e.TextFill.FillColor, 0x0000FFu);
    EXPECT_EQ(e.TextFill.GradientColors[1], 0xFFFF00u);
    EXPECT_EQ(e.Shadow.ShadowBlur, -1);
    EXPECT_EQ(e.Fringe.OutlineStep, 100);
    EXPECT_EQ(e.Bevel.BevelAngle, -45);
}

TEST(RandomTables, SeedsGiveTheSameTiltAndRaise) {
    EngineRig rig;
    rig.engine->KippAmount = 10;
    rig.engine->HochTiefAmount = 7;
    rig.engine->HochTiefSeed = 12345;
    ASSERT_TRUE(rig.extract());
    const auto& tilt = rig.engine->tiltTable();
    const auto& raise = rig.engine->raiseTable();
    ASSERT_EQ(tilt.size(), 7u);  // one per character plus one
    EXPECT_EQ(tilt[0], -100);   // computed by hand from the generator with seed 0
    EXPECT_EQ(tilt[1], -94);
    EXPECT_EQ(tilt[2], 72);
    EXPECT_EQ(raise[0], -2);
    EXPECT_EQ(raise[1], -3);
    EXPECT_EQ(raise[2], -6);
    const auto first = rig.engine->OutlinePoints;

    EngineRig again;
    again.engine->KippAmount = 10;
    again.engine->HochTiefAmount = 7;
    again.engine->HochTiefSeed = 12345;
    ASSERT_TRUE(again.extract());
    EXPECT_EQ(again.engine->OutlinePoints, first);
}

TEST(RandomTables, ZeroAmountsDrawWholeLinesUnchanged) {
    EngineRig plain;
    ASSERT_TRUE(plain.extract());
    EXPECT_TRUE(std::all_of(plain.engine->tiltTable().begin(), plain.engine->tiltTable().end(), [](int v) { return v == 0; }));
    EngineRig raised;
    raised.engine->HochTiefAmount = 20;
    ASSERT_TRUE(raised.extract());
    ASSERT_EQ(raised.engine->NumOutlinePoints, plain.engine->NumOutlinePoints);
    EXPECT_NE(raised.engine->OutlinePoints, plain.engine->OutlinePoints);
    // Raising moves letters only vertically: every x stays where the whole-line output put it.
    for (int32_t i = 0; i < plain.engine->NumOutlinePoints; ++i)
        ASSERT_EQ(raised.engine->OutlinePoints[i].x, plain.engine->OutlinePoints[i].x) << i;
}

TEST(InitialGuides, RectangleHasThreePercentMarginAndTheTextsAspect) {
    EngineRig rig;
    ASSERT_TRUE(rig.extract());
    const auto& e = *rig.engine;
    const int m = 14;  // round(450 * 3 / 100) = round(13.5), ties to even
    const int w = 450 - 2 * m, h = 200 - 2 * m;
    const Size ext = e.TextExtent;
    ASSERT_GT(ext.cx, 0);
    ASSERT_GT(ext.cy, 0);
    ASSERT_GE(double(ext.cx) / w, double(ext.cy) / h) << "the default word is wide: width-bound";
    const int inset = (h - roundEven32(double(w) / ext.cx * ext.cy)) / 2;
    EXPECT_EQ(e.GuidePoints[0], (std::vector<Point>{{m, m + inset}, {m + w, m + inset}}));
    EXPECT_EQ(e.GuidePoints[2], (std::vector<Point>{{m, m + h - inset}, {m + w, m + h - inset}}));
    // The side guides are the joined verticals.
    EXPECT_EQ(e.GuidePoints[3], (std::vector<Point>{{m, m + inset}, {m, m + h - inset}}));
    EXPECT_EQ(e.GuidePoints[1], (std::vector<Point>{{m + w, m + inset}, {m + w, m + h - inset}}));
    // The guide rectangle keeps the text block's aspect ratio.
    const double guideAspect = double(w) / (h - 2 * inset);
    EXPECT_NEAR(guideAspect, double(ext.cx) / ext.cy, 0.02 * guideAspect);
}

TEST(InitialGuides, TallTextIsHeightBound) {
    EngineRig rig(450, 200);
    rig.engine->Text = "A\r\nB\r\nC";
    ASSERT_TRUE(rig.extract());
    const auto& up = rig.engine->GuidePoints[0];
    EXPECT_EQ(up[0].y, 14);           // no vertical inset
    EXPECT_GT(up[0].x, 14);           // horizontal inset instead
    EXPECT_EQ(up[0].x - 14, 450 - 14 - up[1].x);
}

TEST(Extraction, UnsubdividedOutlineIsTheRecordedPathTimesTen) {
    EngineRig rig;
    ASSERT_TRUE(rig.extract());
    const GdiPath& path = rig.canvas->path();
    ASSERT_EQ(size_t(rig.engine->NumOutlinePoints), path.size());
    bool fractional = false;
    for (size_t i = 0; i < path.size(); ++i) {
        EXPECT_EQ(rig.engine->OutlinePoints[i].x, roundEven32(path.points()[i].x * 10));
        EXPECT_EQ(rig.engine->OutlinePoints[i].y, roundEven32(path.points()[i].y * 10));
        fractional |= rig.engine->OutlinePoints[i].x % 10 != 0;
    }
    EXPECT_TRUE(fractional) << "the outline should carry sub-pixel precision";
    // Without fringe or subdivision the curves stay curves.
    EXPECT_NE(std::count(rig.engine->OutlineTypes.begin(), rig.engine->OutlineTypes.end(), PT_BEZIERTO), 0);
}

TEST(Extraction, CharacterAndLineSpacingGrowTheBlock) {
    EngineRig plain;
    ASSERT_TRUE(plain.extract());
    EngineRig spaced;
    spaced.engine->CharSpacing = 10;
    ASSERT_TRUE(spaced.extract());
    EXPECT_EQ(spaced.engine->TextExtent.cx, plain.engine->TextExtent.cx + 6 * 10);
    EXPECT_EQ(spaced.engine->TextExtent.cy, plain.engine->TextExtent.cy);

    EngineRig two;
    two.engine->Text = "Vortel\r\nVortel";
    ASSERT_TRUE(two.extract());
    EngineRig twoSpaced;
    twoSpaced.engine->Text = "Vortel\r\nVortel";
    twoSpaced.engine->LineSpacing = 25;
    ASSERT_TRUE(twoSpaced.extract());
    EXPECT_EQ(two.engine->LineCount, 2);
    EXPECT_EQ(twoSpaced.engine->TextExtent.cy, two.engine->TextExtent.cy + 25);
    // The second line's outline moves down by the spacing, in tenths.
    const auto& a = two.engine->OutlinePoints;
    const auto& b = twoSpaced.engine->OutlinePoints;
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(b.back().y - a.back().y, 250);
    EXPECT_EQ(b.front().y, a.front().y);
}

TEST(Extraction, LinesAreTrimmedBeforeTheyAreCentred) {
    EngineRig padded;
    padded.engine->Text = "Vortel   \r\n\t  Vo ";
    ASSERT_TRUE(padded.extract());
    EngineRig clean;
    clean.engine->Text = "Vortel\r\nVo";
    ASSERT_TRUE(clean.extract());
    EXPECT_EQ(padded.engine->LineCount, 2);
    // The blanks widen the measured block, so the centred lines move right by half the extra width.
    const int32_t shift = (padded.engine->TextExtent.cx - clean.engine->TextExtent.cx);
    EXPECT_EQ(shift, 0) << "the widest line is measured trimmed";
    ASSERT_EQ(padded.engine->OutlinePoints.size(), clean.engine->OutlinePoints.size());
    const int32_t dx = padded.engine->OutlinePoints.back().x - clean.engine->OutlinePoints.back().x;
    EXPECT_EQ(dx % 10, 0);
    EXPECT_GT(dx, 0) << "the untrimmed block is wider, so the second line centres further right";
}

TEST(Subdivision, StepsAreAboutTheStepApartAndCornersKept) {
    EngineRig rig;
    rig.engine->Text = "I";
    rig.engine->Fringe.OutlineStep = 5;
    ASSERT_TRUE(rig.extract());
    const auto& pts = rig.engine->OutlinePoints;
    const auto& types = rig.engine->OutlineTypes;
    ASSERT_GT(pts.size(), 20u);
    EXPECT_EQ(types.front(), PT_MOVETO);
    EXPECT_EQ(types.back(), PT_LINETO | PT_CLOSEFIGURE);
    // Within a figure no two stored points are more than one step (50 tenths) and a tenth apart.
    for (size_t i = 1; i < pts.size(); ++i) {
        if (types[i] == PT_MOVETO) continue;
        const int64_t d = std::llabs(int64_t(pts[i].x) - pts[i - 1].x) + std::llabs(int64_t(pts[i].y) - pts[i - 1].y);
        EXPECT_LE(d, 52) << i;
    }
    // The bar of an "I" keeps its four corners: the last walked point before each one survives.
    const GdiPath& path = rig.canvas->path();
    for (size_t i = 0; i < path.size(); ++i) {
        const Point corner{roundEven32(path.points()[i].x * 10), roundEven32(path.points()[i].y * 10)};
        const bool kept = std::any_of(pts.begin(), pts.end(), [&](Point p) { return std::abs(p.x - corner.x) + std::abs(p.y - corner.y) <= 2; });
        EXPECT_TRUE(kept) << "corner " << i;
    }
}

TEST(Subdivision, CapsTheOutlineAtTheWorkArraySize) {
    EngineRig rig;
    rig.engine->Text = "Vortel Vortel Vortel Vortel\r\nVortel Vortel Vortel Vortel\r\nVortel Vortel Vortel";
    rig.engine->Fringe.OutlineStep = 0;  // keeps every tenth of a pixel
    ASSERT_TRUE(rig.extract());
    EXPECT_EQ(rig.engine->NumOutlinePoints, MaxSubdividedPoints);
    EXPECT_EQ(rig.engine->OutlinePoints.size(), size_t(MaxSubdividedPoints));
    ASSERT_FALSE(rig.messages.entries.empty());
    const auto& d = rig.messages.entries.back();
    EXPECT_EQ(d.kind, RecordingMessages::Kind::Diagnostic);
    EXPECT_EQ(d.text, "Der Text besteht aus zuvielen Punkten. Kürzen Sie den Text oder ändern Sie den Umriß");
    EXPECT_GT(d.number, MaxSubdividedPoints);
}

TEST(Extraction, MeasureOnlyResetsTheHeightAndKeepsTheOutline) {
    EngineRig rig;
    rig.engine->Font.lfHeight = 60;
    ASSERT_TRUE(rig.engine->GetPointsAndTypes(*rig.canvas, true));
    EXPECT_EQ(rig.engine->Font.lfHeight, 120);
    EXPECT_EQ(rig.engine->NumOutlinePoints, 0);
}

TEST(Extraction, MissingFaceIsDrawnWithASubstituteAndReportedOnEveryLayout) {
    EngineRig rig;
    rig.engine->Font.setFaceName("Vortel Missing Face 7f3a");
    rig.engine->Font.lfPitchAndFamily = FF_ROMAN;
    const std::string substitute = vortel::Font::create(rig.engine->Font)->familyName();
    const std::string note =
        "Schriftart \"Vortel Missing Face 7f3a\" nicht installiert, ersetzt durch \"" + substitute + "\"";
    ASSERT_TRUE(rig.extract());
    EXPECT_GT(rig.engine->NumOutlinePoints, 0);
    EXPECT_EQ(rig.engine->Font.faceName(), "Vortel Missing Face 7f3a");
    rig.engine->DrawTextNormalInGuideRect(*rig.canvas);
    ASSERT_TRUE(rig.extract());
    ASSERT_EQ(rig.messages.entries.size(), 3u);
    for (const auto& e : rig.messages.entries) {
        EXPECT_EQ(e.kind, RecordingMessages::Kind::Status);
        EXPECT_EQ(e.number, 0) << "status panel";
        EXPECT_EQ(e.text, note);
    }

    rig.messages.clear();
    rig.engine->Font.setFaceName("Arial");
    ASSERT_TRUE(rig.extract());
    EXPECT_TRUE(rig.messages.entries.empty());
}

TEST(Extraction, FontFailureIsReportedNotCrashed) {
    EngineRig rig;
    rig.engine->Font.lfHeight = 100000;
    EXPECT_THROW(rig.extract(), FontError);
    EXPECT_FALSE(rig.canvas->pathOpen());
}

TEST(Extraction, EmptyTextGivesNoPointsAndTheWholeInnerRectangle) {
    EngineRig rig;
    rig.engine->Text = "";
    ASSERT_TRUE(rig.extract());
    EXPECT_EQ(rig.engine->NumOutlinePoints, 0);
    EXPECT_EQ(rig.engine->GuidePoints[0], (std::vector<Point>{{14, 14}, {436, 14}}));
    ASSERT_TRUE(rig.engine->CalcVortel(0));
    EXPECT_EQ(rig.engine->WarpedBounds, emptyBounds());
}

TEST(PreviewInGuideRect, FillsTheGuideRectangle) {
    EngineRig rig;
    rig.setGuides(rectangleGuides(40, 50, 410, 150));
    rig.canvas->fillRect(Rect{0, 0, 450, 200}, 0x000000);
    rig.canvas->setTextColor(0xFFFFFF);
    rig.canvas->setBkMode(BkMode::Transparent);
    const LogFont before = rig.engine->Font;
    rig.engine->DrawTextNormalInGuideRect(*rig.canvas);
    EXPECT_EQ(std::memcmp(&before, &rig.engine->Font, sizeof before), 0) << "the font is restored";
    EXPECT_EQ(rig.engine->WarpedBounds, (Rect{40, 50, 410, 150}));
    int minX = 450, maxX = -1, minY = 200, maxY = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 450; ++x)
            if (rig.canvas->pixel(x, y) != 0) minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
    // Capital letters reach from the rectangle's top to its bottom, and the word spans its width.
    EXPECT_NEAR(minY, 50, 6);
    EXPECT_NEAR(maxY, 150, 6);
    // The word is centred in the rectangle and spans most of its width; the block is measured
    // without kerning and the line drawn with it, which leaves a few pixels at both ends.
    EXPECT_GE(minX, 40 - 2);
    EXPECT_LE(maxX, 410 + 2);
    EXPECT_GT(maxX - minX, 0.9 * 370) << minX << ".." << maxX;
}

}  // namespace vortel::test

namespace vortel::test {

// A line that reads from the right takes the alignment its reader expects: left becomes right,
// while a Latin line of the same block stays where the format puts it.
TEST(Extraction, RightToLeftLinesTakeTheMirroredAlignment) {
    const struct {
        uint32_t format;
        bool hebrewAtRight, latinAtRight;
    } cases[] = {{0x0810, true, false}, {0x0812, false, true}};
    for (const auto& c : cases) {
        EngineRig rig;
        rig.engine->Font.setFaceName("DejaVu Sans");
        rig.engine->Text = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D\r\nabcdefghijklmnop";  // a short Hebrew word over a long Latin line
        rig.engine->TextFormat = c.format;
        ASSERT_TRUE(rig.extract());
        const auto& pts = rig.engine->OutlinePoints;
        int32_t top = INT32_MAX, bottom = INT32_MIN;
        for (const Point& p : pts) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        const int32_t split = (top + bottom) / 2;  // between the lines
        int32_t hebrewLeft = INT32_MAX, hebrewRight = INT32_MIN, left = INT32_MAX, right = INT32_MIN;
        for (const Point& p : pts) {
            left = std::min(left, p.x), right = std::max(right, p.x);
            if (p.y < split) hebrewLeft = std::min(hebrewLeft, p.x), hebrewRight = std::max(hebrewRight, p.x);
        }
        SCOPED_TRACE(c.format);
        // Near the block's edge (a twentieth of its width: side bearings), far from the other.
        const int32_t near = (right - left) / 20, far = (right - left) / 3;
        EXPECT_EQ(right - hebrewRight < near, c.hebrewAtRight);
        EXPECT_EQ(hebrewLeft - left > far, c.hebrewAtRight);
        EXPECT_EQ(hebrewLeft - left < near, !c.hebrewAtRight);
    }
}

}  // namespace vortel::test
