#include <gtest/gtest.h>

#include "platform/Canvas.h"

namespace vortel {
namespace {

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kGreen = 0x00FF00;
constexpr ColorRef kBlue = 0xFF0000;

int countPixels(const Canvas& c, ColorRef color) {
    int n = 0;
    for (int32_t y = 0; y < c.height(); ++y)
        for (int32_t x = 0; x < c.width(); ++x) n += c.pixel(x, y) == color;
    return n;
}

void recordRect(Canvas& c, int32_t l, int32_t t, int32_t r, int32_t b, bool close = true) {
    c.moveTo(l, t);
    c.lineTo(r, t);
    c.lineTo(r, b);
    c.lineTo(l, b);
    if (close) c.closeFigure();
}

// Clip to the rectangle [l, r) x [t, b).
void clipToRect(Canvas& c, int32_t l, int32_t t, int32_t r, int32_t b) {
    c.beginPath();
    recordRect(c, l, t, r, b);
    c.endPath();
    c.selectClipPath();
}

Bitmap solidBitmap(int32_t w, int32_t h, uint8_t b, uint8_t g, uint8_t r) {
    Bitmap bmp{w, h, {}};
    for (int32_t i = 0; i < w * h; ++i) bmp.bgr.insert(bmp.bgr.end(), {b, g, r});
    return bmp;
}

TEST(CanvasPathRecording, BezierStartsAFigureAtThePenAndCloseFigureMarksTheEnd) {
    Canvas c(10, 10);
    c.moveTo(3, 4);
    c.beginPath();
    c.closeFigure();  // nothing to close yet
    EXPECT_TRUE(c.path().empty());
    c.bezierTo({5, 0}, {7, 0}, {9, 4});
    c.closeFigure();
    c.closeFigure();
    c.bezierTo({1, 1}, {2, 2}, {3, 3});
    c.endPath();
    const std::vector<PointF> points{{3, 4}, {5, 0}, {7, 0}, {9, 4}, {9, 4}, {1, 1}, {2, 2}, {3, 3}};
    const std::vector<uint8_t> types{PT_MOVETO,   PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO | PT_CLOSEFIGURE,
                                     PT_MOVETO,   PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO};
    EXPECT_EQ(c.path().points(), points);
    EXPECT_EQ(c.path().types(), types);
    EXPECT_EQ(countPixels(c, kWhite), 100);
}

TEST(CanvasPathRecording, BezierOutsideABracketStrokesFromThePenToItsEnd) {
    Canvas c(20, 20);
    int notified = 0;
    c.setChangeListener([&] { ++notified; });
    c.setPenColor(kRed);
    c.moveTo(2, 10);
    c.bezierTo({6, 2}, {12, 2}, {16, 10});
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(c.pixel(2, 10), kRed);
    EXPECT_EQ(c.pixel(16, 10), kWhite);  // like lineTo, the end point is left for the next line
    EXPECT_EQ(c.pixel(9, 10), kWhite);   // the curve bends away from its chord
    EXPECT_GE(countPixels(c, kRed), 14);
    c.lineTo(16, 15);  // the pen moved to the curve's end
    EXPECT_EQ(c.pixel(16, 10), kRed);
}

TEST(CanvasFillPath, PixelCentresDecideAndTheFillModeSelectsHoles) {
    Canvas c(20, 20);
    c.beginPath();
    recordRect(c, 2, 2, 12, 12);
    recordRect(c, 5, 5, 9, 9);  // same direction: a hole only by the even-odd rule
    c.endPath();
    c.fillPath(kRed);
    EXPECT_EQ(countPixels(c, kRed), 100 - 16);
    EXPECT_EQ(c.pixel(2, 2), kRed);
    EXPECT_EQ(c.pixel(11, 11), kRed);
    EXPECT_EQ(c.pixel(12, 11), kWhite);
    EXPECT_EQ(c.pixel(6, 6), kWhite);
    EXPECT_TRUE(c.path().empty());
    EXPECT_FALSE(c.pathOpen());

    c.setPolyFillMode(FillMode::Winding);
    c.beginPath();
    recordRect(c, 2, 2, 12, 12);
    recordRect(c, 5, 5, 9, 9);
    c.fillPath(kBlue);  // consuming also ends an open bracket
    EXPECT_FALSE(c.pathOpen());
    EXPECT_EQ(countPixels(c, kBlue), 100);
}

TEST(CanvasFillPath, OpenFiguresAndCurvesAreFilledAndEmptyPathsPaintNothing) {
    Canvas c(40, 40);
    int notified = 0;
    c.setChangeListener([&] { ++notified; });
    c.fillPath(kRed);
    EXPECT_EQ(countPixels(c, kRed), 0);
    c.beginPath();
    recordRect(c, 10, 10, 20, 20, false);
    c.moveTo(20, 30);
    c.bezierTo({20, 40}, {40, 40}, {40, 30});
    c.endPath();
    c.fillPath(kRed);
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(c.pixel(15, 15), kRed);
    EXPECT_EQ(c.pixel(30, 34), kRed);
    EXPECT_EQ(c.pixel(30, 29), kWhite);
}

TEST(CanvasFillPath, HugeCoordinatesStillFillTheCanvas) {
    Canvas c(30, 30);
    c.beginPath();
    c.moveTo(-2000000000, -2000000000);
    c.lineTo(2000000000, -2000000000);
    c.lineTo(2000000000, 2000000000);
    c.lineTo(-2000000000, 2000000000);
    c.endPath();
    c.fillPath(kGreen);
    EXPECT_EQ(countPixels(c, kGreen), 900);
}

TEST(CanvasStrokeAndFill, OutlineMatchesLineToIncludingTheClosingLines) {
    Canvas c(30, 30), lines(30, 30);
    c.beginPath();
    c.moveTo(3, 3);
    c.lineTo(20, 5);
    c.lineTo(12, 25);
    c.closeFigure();
    recordRect(c, 22, 2, 28, 9, false);  // open: stroked closed, as it is filled
    c.endPath();
    c.strokeAndFillPath(kRed, kBlue);

    lines.setPenColor(kRed);
    lines.moveTo(3, 3);
    lines.lineTo(20, 5);
    lines.lineTo(12, 25);
    lines.lineTo(3, 3);
    lines.moveTo(22, 2);
    lines.lineTo(28, 2);
    lines.lineTo(28, 9);
    lines.lineTo(22, 9);
    lines.lineTo(22, 2);
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 30; ++x) {
            if (lines.pixel(x, y) == kRed) EXPECT_EQ(c.pixel(x, y), kRed) << x << "," << y;
            else EXPECT_NE(c.pixel(x, y), kRed) << x << "," << y;
        }
    EXPECT_EQ(c.pixel(12, 10), kBlue);
    EXPECT_EQ(c.pixel(25, 5), kBlue);
    EXPECT_TRUE(c.path().empty());
}

TEST(CanvasClip, ClipPathLimitsEveryPixelWrite) {
    Canvas c(40, 40);
    clipToRect(c, 10, 10, 20, 20);
    EXPECT_TRUE(c.path().empty());
    c.fillRect({0, 0, 40, 40}, kRed);
    EXPECT_EQ(countPixels(c, kRed), 100);
    EXPECT_EQ(c.pixel(10, 10), kRed);
    EXPECT_EQ(c.pixel(20, 15), kWhite);

    c.setPenColor(kGreen);
    c.moveTo(0, 12);
    c.lineTo(40, 12);
    EXPECT_EQ(countPixels(c, kGreen), 10);
    c.fillHatch({0, 0, 40, 40}, HatchStyle::Horizontal, kGreen, kBlue);
    EXPECT_EQ(countPixels(c, kGreen) + countPixels(c, kBlue), 100);
    c.drawBitmap(0, 0, solidBitmap(40, 40, 0, 0, 0));
    EXPECT_EQ(countPixels(c, 0), 100);

    c.beginPath();
    recordRect(c, 0, 0, 40, 40);
    c.fillPath(kRed);
    EXPECT_EQ(countPixels(c, kRed), 100);
    EXPECT_EQ(countPixels(c, kWhite), 1500);
}

TEST(CanvasClip, ANewClipReplacesTheOldAndAnEmptyPathAllowsNothing) {
    Canvas c(40, 40);
    clipToRect(c, 0, 0, 10, 10);
    clipToRect(c, 30, 30, 40, 40);
    c.fillRect({0, 0, 40, 40}, kRed);
    EXPECT_EQ(c.pixel(5, 5), kWhite);
    EXPECT_EQ(c.pixel(35, 35), kRed);
    EXPECT_EQ(countPixels(c, kRed), 100);

    c.beginPath();
    c.endPath();
    c.selectClipPath();
    c.fillRect({0, 0, 40, 40}, kBlue);
    EXPECT_EQ(countPixels(c, kBlue), 0);
}

TEST(CanvasClip, TextOutsideTheClipIsNotDrawn) {
    Canvas c(80, 60);
    LogFont lf;
    lf.setFaceName("Arial");
    lf.lfHeight = -40;
    c.selectFont(Font::create(lf));
    c.setTextColor(kRed);
    c.setBkColor(kBlue);
    clipToRect(c, 0, 0, 80, 20);
    c.extTextOut(5, 5, U"HH");
    EXPECT_GT(countPixels(c, kRed), 0);
    for (int32_t y = 20; y < 60; ++y)
        for (int32_t x = 0; x < 80; ++x) ASSERT_EQ(c.pixel(x, y), kWhite) << x << "," << y;
}

TEST(CanvasState, RestoreBringsBackClipColoursModesAndPen) {
    Canvas c(40, 40);
    c.setTextColor(1);
    c.setBkColor(2);
    c.setBkMode(BkMode::Transparent);
    c.setTextCharacterExtra(3);
    c.setPolyFillMode(FillMode::Winding);
    c.setPenColor(kGreen);
    c.moveTo(0, 30);
    c.saveDC();

    clipToRect(c, 0, 0, 10, 10);
    c.setTextCharacterExtra(9);
    c.setPolyFillMode(FillMode::Alternate);
    c.setPenColor(kBlue);
    c.moveTo(5, 5);
    c.restoreDC();
    c.restoreDC();  // nothing left to restore: no change

    EXPECT_EQ(c.textCharacterExtra(), 3);
    EXPECT_EQ(c.polyFillMode(), FillMode::Winding);
    c.lineTo(40, 30);  // unclipped, from the saved pen position, in the saved colour
    EXPECT_EQ(countPixels(c, kGreen), 40);
    c.fillRect({0, 0, 40, 40}, kRed);
    EXPECT_EQ(countPixels(c, kRed), 1600);
}

TEST(CanvasState, NestedSavesRestoreInReverseOrder) {
    Canvas c(40, 40);
    clipToRect(c, 0, 0, 10, 10);
    c.saveDC();
    clipToRect(c, 20, 20, 30, 30);
    c.saveDC();
    clipToRect(c, 35, 35, 40, 40);
    c.restoreDC();
    c.fillRect({0, 0, 40, 40}, kRed);
    EXPECT_EQ(countPixels(c, kRed), 100);
    EXPECT_EQ(c.pixel(25, 25), kRed);
    c.restoreDC();
    c.fillRect({0, 0, 40, 40}, kBlue);
    EXPECT_EQ(countPixels(c, kBlue), 100);
    EXPECT_EQ(c.pixel(5, 5), kBlue);
}

}  // namespace
}  // namespace vortel
