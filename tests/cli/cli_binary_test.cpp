// Runs the built program the way a user or a script does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <fontconfig/fontconfig.h>
#include <nlohmann/json.hpp>

#include "cli/EngineJson.h"
#include "platform/FontList.h"
#include "tests/cli/CliBinary.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

using vortel::testing::CliBinary;
using vortel::testing::Outcome;
using vortel::testing::slurp;

// A family installed without outlines (colour bitmaps), as fontconfig lists it.
bool colourOnlyFaceInstalled(const std::string& family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>((family + ":outline=false").c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

// Sets an environment variable for the programs a test runs, and takes it back.
struct ScopedEnvironment {
    ScopedEnvironment(const char* name, const std::string& value) : name(name) { ::setenv(name, value.c_str(), 1); }
    ~ScopedEnvironment() { ::unsetenv(name); }
    const char* name;
};

const std::string examplesGuides = "GuidePoints=[[[20,80],[430,20]],[[430,20],[430,180]],[[20,180],[430,180]],[[20,80],[20,180]]]";

}  // namespace

TEST_F(CliBinary, InspectJsonShowsTheDefaultState) {
    const Outcome r = run({"inspect", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json state = json::parse(r.out);
    EXPECT_EQ(state["Text"], "Vortel");
    EXPECT_EQ(state["LogFont"]["lfHeight"], 120);
    EXPECT_EQ(state["LogFont"]["lfWeight"], 700);
    EXPECT_EQ(state["LogFont"]["lfFaceName"], "Arial");
    EXPECT_EQ(state["TextFormat"], 2065);
    EXPECT_EQ(state["LineCount"], 1);
    EXPECT_FALSE(state["FontFace"].get<std::string>().empty());
    EXPECT_GT(state["NumOutlinePoints"].get<int>(), 0);
    EXPECT_EQ(state["ImageRect"], json({{"left", 0}, {"top", 0}, {"right", 450}, {"bottom", 200}}));
}

TEST_F(CliBinary, InspectTextPrintsOneLinePerKey) {
    const Outcome r = run({"inspect", "--size", "300x100"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto& keys = vortel::cli::stateKeys();
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), std::ptrdiff_t(keys.size()));
    EXPECT_NE(r.out.find("\nLineCount: 1\n"), std::string::npos);
    EXPECT_NE(r.out.find("\"right\":300"), std::string::npos);
}

TEST_F(CliBinary, AppliesTextAndSettingsInOrder) {
    const Outcome r = run({"inspect", "--json", "--text", "Zwei\nZeilen", "--set", "CharSpacing=10", "--set", examplesGuides,
                       "--set", R"(LogFont={"lfFaceName":"Times New Roman","lfWeight":400})", "--set",
                       R"(Fringe={"OutlineStep":5})", "--set", "CharSpacing=12"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json state = json::parse(r.out);
    EXPECT_EQ(state["Text"], "Zwei\r\nZeilen");
    EXPECT_EQ(state["LineCount"], 2);
    EXPECT_EQ(state["CharSpacing"], 12);
    EXPECT_EQ(state["GuidePoints"][0], json({{20, 80}, {430, 20}}));
    EXPECT_EQ(state["NumGuidePoints"], json({2, 2, 2, 2}));
    EXPECT_EQ(state["LogFont"]["lfFaceName"], "Times New Roman");
    EXPECT_EQ(state["LogFont"]["lfWeight"], 400);
    EXPECT_EQ(state["Fringe"]["OutlineStep"], 5);
}

TEST_F(CliBinary, ErrorsAreOneLineWithUsageOrFailureStatus) {
    const std::string unwritable = (dir / "no-such-dir" / "x.svg").string();
    expectFailure({"frobnicate"}, 2);
    expectFailure({}, 2);
    expectFailure({"inspect", "--set", "NoSuchKey=1"}, 2);
    expectFailure({"inspect", "--set", "CharSpacing={"}, 2);
    expectFailure({"inspect", "--set", "SmoothFont=256"}, 2);
    expectFailure({"inspect", "--set", "LineCount=3"}, 2);
    expectFailure({"inspect", "--size", "12"}, 2);
    expectFailure({"outline"}, 2);
    expectFailure({"inspect", "--set", R"(LogFont={"lfHeight":100000})"}, 1);
    expectFailure({"outline", "-o", unwritable}, 1);
    expectFailure({"inspect", "--set", "GuidePoints=[[],[],[],[]]"}, 3);
}

TEST_F(CliBinary, EngineWarningsDoNotFailTheRun) {
    std::string text;
    for (int i = 0; i < 6; ++i) text += "Wirklich sehr langer Text ";
    const Outcome r = run({"inspect", "--json", "--text", text, "--set", R"(LogFont={"lfHeight":300})", "--set",
                           R"(Fringe={"OutlineStep":1})"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.starts_with("vortel-cli: warning: ")) << r.err;
    EXPECT_NO_THROW(json::parse(r.out));
}

TEST_F(CliBinary, MissingFaceIsAWarningAndTheDocumentKeepsItsName) {
    const std::string face = "Vortel Missing Face 7f3a";
    const std::string font = R"(LogFont={"lfFaceName":")" + face + R"(","lfPitchAndFamily":48})";
    const fs::path doc = dir / "missing-face.vtl";
    const Outcome rendered = run({"render", "--set", font, "-o", doc.string()});
    ASSERT_EQ(rendered.status, 0) << rendered.err;

    const Outcome r = run({"inspect", doc.string(), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json state = json::parse(r.out);
    EXPECT_EQ(state["LogFont"]["lfFaceName"], face);
    const std::string substitute = state["FontFace"];
    EXPECT_NE(substitute, face);
    const std::string warning =
        "vortel-cli: warning: Font \"" + face + "\" not installed, replaced by \"" + substitute + "\"\n";
    EXPECT_EQ(r.err, warning);
    EXPECT_EQ(rendered.err, warning);
}

// A face named that is installed only as colour bitmaps (no outlines) is drawn by a stand-in, with
// the warning of a missing face, and the run succeeds.
TEST_F(CliBinary, ColourOnlyFaceIsReplacedWithAWarning) {
    if (!colourOnlyFaceInstalled("Noto Color Emoji")) GTEST_SKIP() << "the face \"Noto Color Emoji\" is not installed";
    const fs::path picture = dir / "x.png";
    const Outcome r = run({"render", "--text", "x", "--set", R"(LogFont={"lfFaceName":"Noto Color Emoji"})", "-o", picture.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(picture));
    const std::regex warning("vortel-cli: warning: Font \"Noto Color Emoji\" not installed, replaced by \"([^\"]+)\"\n");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(r.err, m, warning)) << r.err;
    EXPECT_NE(m[1], "Noto Color Emoji");
    EXPECT_TRUE(vortel::FamilyCoversText(m[1], U"x")) << m[1];
}

// A configuration that offers a dingbat face first for the decorative class: the stand-in of a
// missing decorative face still writes the text in letters.
TEST_F(CliBinary, DecorativeStandInIsNeverASymbolFace) {
    const std::string dingbats = "Noto Sans Symbols2";
    if (!vortel::FamilyCoversText(dingbats, U"\U0001FB00")) GTEST_SKIP() << "the face \"" << dingbats << "\" is not installed";
    const fs::path conf = dir / "fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                           "<match target=\"pattern\"><test name=\"family\"><string>fantasy</string></test>"
                           "<edit name=\"family\" mode=\"prepend\" binding=\"strong\"><string>" << dingbats
                        << "</string></edit></match>\n<include ignore_missing=\"no\">/etc/fonts/fonts.conf</include>\n</fontconfig>\n";
    // Under that configuration fontconfig's own best face for the class is the dingbat face.
    FcConfig* config = FcConfigCreate();
    ASSERT_TRUE(FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(conf.c_str()), FcTrue));
    ASSERT_TRUE(FcConfigBuildFonts(config));
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("fantasy:scalable=true"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* best = FcFontMatch(config, pattern, &result);
    FcChar8* family = nullptr;
    ASSERT_TRUE(best && FcPatternGetString(best, FC_FAMILY, 0, &family) == FcResultMatch);
    EXPECT_EQ(reinterpret_cast<const char*>(family), dingbats);
    FcPatternDestroy(best);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);

    const ScopedEnvironment configured("FONTCONFIG_FILE", conf.string());
    for (const char* weight : {"400", "700"}) {
        const std::string font = std::string(R"(LogFont={"lfFaceName":"Vortel Missing Face 7f3a","lfPitchAndFamily":82,"lfWeight":)") + weight + "}";
        const Outcome r = run({"inspect", "--json", "--text", "Hallo Welt", "--set", font});
        EXPECT_EQ(r.status, 0) << r.err;
        const json state = json::parse(r.out, nullptr, false);
        ASSERT_TRUE(state.contains("FontFace")) << r.out;
        const std::string standIn = state["FontFace"];
        EXPECT_NE(standIn, dingbats);
        EXPECT_FALSE(vortel::IsSymbolFamily(standIn)) << standIn;
        EXPECT_TRUE(vortel::FamilyCoversText(standIn, U"Hallo Welt")) << standIn;
        EXPECT_NE(r.err.find("replaced by \"" + standIn + "\""), std::string::npos) << r.err;
    }
}

TEST_F(CliBinary, HelpPrintsUsage) {
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("usage: vortel-cli"), std::string::npos);
}

TEST_F(CliBinary, OutlineWritesAPathOfImagePixels) {
    const fs::path svgFile = dir / "out.svg";
    const Outcome r = run({"outline", "--set", examplesGuides, "-o", svgFile.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string svg = slurp(svgFile);
    ASSERT_TRUE(svg.ends_with("</svg>\n"));
    std::smatch m;
    ASSERT_TRUE(std::regex_search(svg, m, std::regex(R"re(<path [^>]*\bd="([^"]*)")re")));
    const std::string d = m[1];
    EXPECT_TRUE(d.starts_with("M ")) << d.substr(0, 40);
    EXPECT_NE(d.find(" Z"), std::string::npos);

    // Every command has its operand count and every point lies within the guides' box.
    std::istringstream tokens(d);
    std::string token;
    size_t points = 0;
    while (tokens >> token) {
        const std::map<std::string, int> arity = {{"M", 1}, {"L", 1}, {"C", 3}, {"Z", 0}};
        ASSERT_TRUE(arity.contains(token)) << token;
        for (int i = 0; i < arity.at(token); ++i, ++points) {
            int x = -1, y = -1;
            ASSERT_TRUE(tokens >> x >> y);
            EXPECT_TRUE(x >= 20 && x <= 430 && y >= 20 && y <= 180) << x << "," << y;
        }
    }
    EXPECT_GT(points, 20u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 3);  // out.svg, stdout, stderr
}

TEST_F(CliBinary, FailedOutlineKeepsThePreviousFile) {
    const fs::path svgFile = dir / "keep.svg";
    std::ofstream(svgFile) << "previous";
    run({"outline", "--set", "GuidePoints=[[],[],[],[]]", "-o", svgFile.string()});
    EXPECT_EQ(slurp(svgFile), "previous");
}

// A style brings its own text unless one is given; presets run after the inputs and before --set.
TEST_F(CliBinary, StylesAndPresetsComeBeforeTheSettings) {
    const Outcome styled = run({"inspect", "--json", "--style", "24", "--size", "450x300"});
    ASSERT_EQ(styled.status, 0) << styled.err;
    const json gold = json::parse(styled.out);
    EXPECT_EQ(gold["Text"], "Gold");
    EXPECT_EQ(gold["TextFill"]["FillKind"], 1);

    const Outcome typed = run({"inspect", "--json", "--style", "1", "--text", "Mein Text", "--frame-preset", "15",
                               "--set", R"(Frame={"FrameWidth":7})"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    const json voucher = json::parse(typed.out);
    EXPECT_EQ(voucher["Text"], "Mein Text");
    EXPECT_EQ(voucher["CharSpacing"], 15);
    EXPECT_EQ(voucher["Frame"]["FrameKind"], 15);
    EXPECT_EQ(voucher["Frame"]["FrameWidth"], 7);
}

TEST_F(CliBinary, RandomEffectsReportTheirSeedAndComeBackFromIt) {
    const Outcome first = run({"render", "--random", "-o", (dir / "a.png").string()});
    ASSERT_EQ(first.status, 0) << first.err;
    std::smatch seed;
    const std::regex said("vortel-cli: random seed (\\d+)");
    ASSERT_TRUE(std::regex_search(first.err, seed, said)) << first.err;
    const Outcome again = run({"render", "--random", seed[1].str(), "-o", (dir / "b.png").string()});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_FALSE(slurp(dir / "a.png").empty());
    EXPECT_EQ(slurp(dir / "a.png"), slurp(dir / "b.png"));
}

TEST_F(CliBinary, GalleryWritesEveryPictureAndTheSheets) {
    const Outcome r = run({"gallery", "--size", "120x60", "-o", (dir / "gallery").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    size_t pictures = 0;
    for (const auto& entry : fs::directory_iterator(dir / "gallery")) pictures += entry.path().extension() == ".png";
    EXPECT_EQ(pictures, 46u + 30u + 24u + 4u);
    for (const char* sheet : {"styles.png", "deformations.png", "random.png", "previews.png"})
        EXPECT_TRUE(fs::exists(dir / "gallery" / sheet)) << sheet;
    EXPECT_NE(r.err.find("gallery 100/100"), std::string::npos);
    EXPECT_EQ(run({"gallery"}).status, 2);
}
