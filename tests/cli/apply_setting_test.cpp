#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "cli/EngineJson.h"
#include "cli/Errors.h"
#include "engine/Real48.h"

using nlohmann::json;
using vortel::cli::applySetting;
using vortel::cli::applySettingText;
using vortel::cli::SettingError;
using vortel::cli::stateToJson;

namespace {

class ApplySetting : public ::testing::Test {
protected:
    vortel::TFontFX engine{vortel::Rect{0, 0, 450, 200}};

    // The setting must be refused and must leave every key as it was.
    void expectRejected(const std::string& key, const json& value) {
        const json before = stateToJson(engine);
        EXPECT_THROW(applySetting(engine, key, value), SettingError) << key << "=" << value.dump();
        EXPECT_EQ(stateToJson(engine), before) << key << "=" << value.dump();
    }
};

json guide(std::initializer_list<std::pair<int, int>> points) {
    json g = json::array();
    for (auto [x, y] : points) g.push_back({x, y});
    return g;
}

json straightCurve(size_t n) {
    json c = json::array();
    for (size_t i = 0; i < n; ++i) c.push_back({int(i) * 10, -int(i)});
    return c;
}

}  // namespace

TEST_F(ApplySetting, ValuesReadBackUnderTheSameKey) {
    const std::vector<std::pair<std::string, json>> cases = {
        {"Text", "Zwei\r\nZeilen"},   {"CharSpacing", -2147483648LL}, {"TextFormat", 65535},
        {"SmoothFont", 255},          {"SelectedGuide", -32768},      {"GuideStyle", 3},
        {"HorzCurve", straightCurve(vortel::NumHorzCurvePoints)},
        {"VertCurve", straightCurve(vortel::NumVertCurvePoints)},
    };
    for (const auto& [key, value] : cases) {
        applySetting(engine, key, value);
        EXPECT_EQ(stateToJson(engine)[key], value) << key;
    }
}

TEST_F(ApplySetting, PartialObjectsChangeOnlyTheGivenFields) {
    applySetting(engine, "LogFont", {{"lfFaceName", "Times New Roman"}, {"lfWeight", 400}});
    EXPECT_EQ(engine.Font.faceName(), "Times New Roman");
    EXPECT_EQ(engine.Font.lfWeight, 400);
    EXPECT_EQ(engine.Font.lfHeight, 120);

    const json fringeBefore = stateToJson(engine)["Fringe"];
    applySetting(engine, "Fringe", {{"OutlineStep", 5}});
    json expected = fringeBefore;
    expected["OutlineStep"] = 5;
    EXPECT_EQ(stateToJson(engine)["Fringe"], expected);

    applySetting(engine, "Shadow", {{"ShadowIntensity", 0.25}, {"ShadowColor", 4294967295LL}});
    EXPECT_DOUBLE_EQ(engine.Shadow.ShadowIntensity, 0.25);
    EXPECT_EQ(engine.Shadow.ShadowColor, 0xFFFFFFFFu);
    // A number the document cannot hold becomes at once the one it keeps.
    applySetting(engine, "Shadow", {{"ShadowIntensity", 0.7}});
    EXPECT_NE(double(engine.Shadow.ShadowIntensity), 0.7);
    EXPECT_EQ(double(engine.Shadow.ShadowIntensity), vortel::fromReal48(vortel::toReal48(0.7)));
}

TEST_F(ApplySetting, ArraysOfGroupsTakePartialElements) {
    json points = json::array();
    for (int i = 0; i < 11; ++i) points.push_back(json::object());
    points[3] = {{"SegmentType", 2}, {"Y", -7}};
    applySetting(engine, "Bevel", {{"Points", points}, {"Header", {{"CustomProfile", 1}, {"Base", 4}}}});
    EXPECT_EQ(engine.Bevel.Points[3].SegmentType, 2);
    EXPECT_EQ(engine.Bevel.Points[3].Y, -7);
    EXPECT_EQ(engine.Bevel.Header.CustomProfile, 1);
    EXPECT_EQ(engine.Bevel.Header.Base, 4);
    EXPECT_EQ(engine.Bevel.BevelHeight, 140);

    points.erase(points.begin());
    expectRejected("Bevel", {{"Points", points}});
}

TEST_F(ApplySetting, GuidePointsSetTheirCounts) {
    const json guides = {guide({{20, 80}, {430, 20}}), guide({{430, 20}, {440, 100}, {430, 180}}),
                         guide({{20, 180}}), json::array()};
    applySetting(engine, "GuidePoints", guides);
    const json state = stateToJson(engine);
    EXPECT_EQ(state["GuidePoints"], guides);
    EXPECT_EQ(state["NumGuidePoints"], json({2, 3, 1, 0}));
    EXPECT_EQ(engine.GuidePoints[1].size(), 3u);
}

TEST_F(ApplySetting, GuideLengthIsLimitedByItsSixteenBitCount) {
    json longest = json::array();
    for (int i = 0; i < 65535; ++i) longest.push_back({i % 450, 10});
    applySetting(engine, "GuidePoints", {longest, guide({{0, 0}, {1, 1}}), guide({{0, 0}, {1, 1}}), longest});
    EXPECT_EQ(engine.NumGuidePoints[3], 65535);

    longest.push_back({0, 0});
    expectRejected("GuidePoints", {longest, guide({{0, 0}, {1, 1}}), guide({{0, 0}, {1, 1}}), longest});
}

TEST_F(ApplySetting, MalformedGuidesAreRejectedWhole) {
    const json two = guide({{1, 2}, {3, 4}});
    expectRejected("GuidePoints", {two, two, two});
    expectRejected("GuidePoints", {two, two, two, json::array({{1, 2, 3}})});
    expectRejected("GuidePoints", {two, two, two, json::array({{1, 4294967296LL}})});
    expectRejected("GuidePoints", {two, two, two, "[[1,2]]"});
}

TEST_F(ApplySetting, CurvesKeepTheirFixedPointCount) {
    expectRejected("HorzCurve", straightCurve(vortel::NumHorzCurvePoints - 1));
    expectRejected("HorzCurve", straightCurve(vortel::NumHorzCurvePoints + 1));
    expectRejected("VertCurve", json::array());
}

TEST_F(ApplySetting, IntegersAreCheckedAgainstTheFieldType) {
    expectRejected("SmoothFont", 256);
    expectRejected("SmoothFont", -1);
    expectRejected("SelectedGuide", 32768);
    expectRejected("TextFormat", -1);
    expectRejected("CharSpacing", 2147483648LL);
    expectRejected("CharSpacing", std::numeric_limits<uint64_t>::max());
    expectRejected("CharSpacing", 1.5);
    expectRejected("CharSpacing", true);  // a count, not an on/off byte
    expectRejected("CharSpacing", "10");
    expectRejected("Fringe", {{"FringeKind", 256}});
    expectRejected("TextFill", {{"FillColor", 4294967296LL}});
    expectRejected("Shadow", {{"ShadowIntensity", "1"}});
}

TEST_F(ApplySetting, NothingChangesWhenALaterSubKeyIsBad) {
    // Object keys are visited in sorted order, so lfHeight is applied before lfWeight fails.
    expectRejected("LogFont", {{"lfHeight", 50}, {"lfWeight", -5000000000LL}});
    expectRejected("Fringe", {{"FringeX", 3}, {"Nope", 1}});
}

TEST_F(ApplySetting, UnknownAndReadOnlyKeysAreRejected) {
    for (const char* key : {"Nope", "text", "OutlinePoints", "Modified", "NumOutlinePoints", "TextExtent",
                            "LineCount", "WarpedBounds", "GuideMiddle", "ImageRect", "FontFace", "NumGuidePoints"}) {
        expectRejected(key, 1);
    }
    expectRejected("Imprint", {{"ImprintBitmap", nullptr}});
    expectRejected("LogFont", {{"lfFaceName", std::string(32, 'x')}});
    expectRejected("LogFont", {{"lfFaceName", std::string("a\0b", 3)}});
    expectRejected("Fringe", 5);
}

TEST_F(ApplySetting, FaceNamesUpToThirtyOneBytesFit) {
    applySetting(engine, "LogFont", {{"lfFaceName", std::string(31, 'x')}});
    EXPECT_EQ(stateToJson(engine)["LogFont"]["lfFaceName"], std::string(31, 'x'));
}

TEST_F(ApplySetting, OnOffBytesTakeBooleansAndDeepTextIsRefused) {
    applySettingText(engine, "SmoothFont=false");
    EXPECT_EQ(engine.SmoothFont, 0);
    applySettingText(engine, "Imprint={\"ImprintOn\":true}");
    EXPECT_EQ(engine.Imprint.ImprintOn, 1);
    // Refused while parsed: printing 60,000 levels back would overflow the stack.
    const std::string deep = "Bevel=" + std::string(60000, '[') + std::string(60000, ']');
    EXPECT_THROW(applySettingText(engine, deep), SettingError);
}

TEST_F(ApplySetting, AssignmentTextSplitsAtTheFirstEqualsSign) {
    applySettingText(engine, R"(Text="a=b")");
    EXPECT_EQ(engine.Text, "a=b");
    applySettingText(engine, "CharSpacing=10");
    EXPECT_EQ(engine.CharSpacing, 10);
    for (const char* bad : {"CharSpacing", "=5", "CharSpacing=", "CharSpacing=[1", "CharSpacing=1 2"}) {
        EXPECT_THROW(applySettingText(engine, bad), SettingError) << bad;
    }
    EXPECT_EQ(engine.CharSpacing, 10);
}

TEST(StateKeys, ListEveryDumpedKeyPlusTheResolvedFace) {
    const vortel::TFontFX engine{vortel::Rect{0, 0, 450, 200}};
    std::vector<std::string> dumped;
    const json state = stateToJson(engine);
    for (const auto& item : state.items()) dumped.push_back(item.key());
    dumped.push_back("FontFace");
    auto listed = vortel::cli::stateKeys();
    std::sort(dumped.begin(), dumped.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, dumped);
}
