#include <gtest/gtest.h>

#include "cli/SvgOutline.h"

using vortel::Point;
using vortel::cli::outlinePathData;
using vortel::cli::outlineSvg;

namespace {

class SvgOutline : public ::testing::Test {
protected:
    vortel::TFontFX engine{vortel::Rect{0, 0, 100, 50}};

    void setOutline(std::vector<Point> points, std::vector<uint8_t> types) {
        engine.NumOutlinePoints = static_cast<int32_t>(points.size());
        engine.OutlinePoints = std::move(points);
        engine.OutlineTypes = std::move(types);
    }
};

}  // namespace

TEST_F(SvgOutline, MapsPointTypesToPathCommands) {
    setOutline({{0, 0}, {10, 0}, {1, 1}, {2, 2}, {3, 3}, {5, 5}, {6, -6}},
               {vortel::PT_MOVETO, vortel::PT_LINETO, vortel::PT_BEZIERTO, vortel::PT_BEZIERTO,
                vortel::PT_BEZIERTO | vortel::PT_CLOSEFIGURE, vortel::PT_MOVETO,
                vortel::PT_LINETO | vortel::PT_CLOSEFIGURE});
    EXPECT_EQ(outlinePathData(engine), "M 0 0 L 10 0 C 1 1 2 2 3 3 Z M 5 5 L 6 -6 Z");
}

TEST_F(SvgOutline, ReadsOnlyTheCountedPoints) {
    setOutline({{0, 0}, {10, 0}, {20, 0}}, {vortel::PT_MOVETO, vortel::PT_LINETO, vortel::PT_LINETO});
    engine.NumOutlinePoints = 2;
    EXPECT_EQ(outlinePathData(engine), "M 0 0 L 10 0");
    engine.NumOutlinePoints = 50;
    EXPECT_EQ(outlinePathData(engine), "M 0 0 L 10 0 L 20 0");
}

TEST_F(SvgOutline, RejectsMalformedPointLists) {
    setOutline({{0, 0}, {1, 1}}, {vortel::PT_LINETO, vortel::PT_LINETO});
    EXPECT_THROW(outlinePathData(engine), vortel::VortelError);
    setOutline({{0, 0}, {1, 1}, {2, 2}}, {vortel::PT_MOVETO, vortel::PT_BEZIERTO, vortel::PT_BEZIERTO});
    EXPECT_THROW(outlinePathData(engine), vortel::VortelError);
    setOutline({{0, 0}, {1, 1}, {2, 2}, {3, 3}},
               {vortel::PT_MOVETO, vortel::PT_BEZIERTO, vortel::PT_LINETO, vortel::PT_BEZIERTO});
    EXPECT_THROW(outlinePathData(engine), vortel::VortelError);
    setOutline({{0, 0}, {1, 1}}, {vortel::PT_MOVETO, 0});
    EXPECT_THROW(outlinePathData(engine), vortel::VortelError);
}

TEST_F(SvgOutline, DrawsTheImageFrameAndFourCountedGuides) {
    setOutline({{0, 0}, {10, 0}}, {vortel::PT_MOVETO, vortel::PT_LINETO | vortel::PT_CLOSEFIGURE});
    engine.GuidePoints = {std::vector<Point>{{1, 2}, {3, 4}, {9, 9}}, std::vector<Point>{{5, 6}, {7, 8}},
                          std::vector<Point>{}, std::vector<Point>{{0, 0}, {1, 1}}};
    engine.NumGuidePoints = {2, 2, 0, 2};
    const std::string svg = outlineSvg(engine, 100, 50);
    EXPECT_NE(svg.find(R"(width="100" height="50" viewBox="0 0 100 50")"), std::string::npos);
    EXPECT_NE(svg.find(R"(fill-rule="nonzero" d="M 0 0 L 10 0 Z")"), std::string::npos);
    EXPECT_NE(svg.find(R"(id="guide0" stroke="#d62728" points="1,2 3,4")"), std::string::npos);
    EXPECT_NE(svg.find(R"(id="guide2" stroke="#2ca02c" points="")"), std::string::npos);
    EXPECT_EQ(svg.find("9,9"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}
