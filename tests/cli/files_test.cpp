// Documents and style files in and out of the command line, and every output format.
#include "tests/cli/CliBinary.h"

using vortel::testing::CliBinary;
using vortel::testing::slurp;

namespace {

const std::vector<std::string> Effect = {
    "--text", "Grüße",
    "--set", R"(Shadow={"ShadowBlur":3,"ShadowX":5,"ShadowY":-4,"ShadowColor":8421504})",
    "--set", R"(Bevel={"Points":[{"SegmentType":1,"Y":500},{"SegmentType":3,"X":1000},{},{},{},{},{},{},{},{},{}],"SegmentCount":1})",
    "--set", R"(TextFill={"FillKind":0})",
    "--texture", "1=:JPG_05",
    "--set", R"(GuidePoints=[[[14,40],[225,5],[436,40]],[[436,40],[436,185]],[[14,185],[436,185]],[[14,40],[14,185]]])",
};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

}  // namespace

TEST_F(CliBinary, ADocumentRendersAsTheEffectItWasSavedFrom) {
    const auto direct = (dir / "direct.png").string(), doc = (dir / "e.vtl").string(), again = (dir / "again.png").string();
    ASSERT_EQ(run(with({"render", "-o", direct}, Effect)).status, 0);
    ASSERT_EQ(run(with({"render", "-o", doc}, Effect)).status, 0);
    ASSERT_EQ(run({"render", doc, "-o", again}).status, 0) << slurp(dir / "stderr");
    EXPECT_EQ(slurp(direct), slurp(again));

    const auto state = run({"inspect", doc, "--json"});
    ASSERT_EQ(state.status, 0);
    EXPECT_NE(state.out.find("\"TextureName\": \":JPG_05\""), std::string::npos);
    EXPECT_NE(state.out.find("\"Text\": \"Grüße\""), std::string::npos);
}

TEST_F(CliBinary, StyleFilesCarryOneGroupToAnotherEffect) {
    const auto shadow = (dir / "s.shadow").string(), bevel = (dir / "b.bevel").string();
    ASSERT_EQ(run(with({"render", "-o", shadow}, Effect)).status, 0);
    ASSERT_EQ(run(with({"render", "-o", bevel}, Effect)).status, 0);
    EXPECT_EQ(slurp(shadow).size(), 76u);
    EXPECT_EQ(slurp(bevel).size(), 380u);

    const auto viaFiles = (dir / "a.png").string(), viaSettings = (dir / "b.png").string();
    ASSERT_EQ(run({"render", shadow, bevel, "--text", "Stil", "-o", viaFiles}).status, 0);
    ASSERT_EQ(run({"render", "--text", "Stil", "--set", Effect[3], "--set", Effect[5], "-o", viaSettings}).status, 0);
    EXPECT_EQ(slurp(viaFiles), slurp(viaSettings));
}

TEST_F(CliBinary, EveryOutputFormatByItsExtension) {
    struct Format {
        const char* name;
        std::string magic;
    };
    const Format formats[] = {
        {"x.png", "\x89PNG"}, {"x.bmp", "BM"}, {"x.jpg", "\xFF\xD8\xFF"}, {"x.vtl", "VTL"},
        {"x.svg", "<?xml"}, {"x.pdf", "%PDF"}, {"x.emf", std::string("\x01\0\0\0", 4)},
        {"x.wmf", "\xD7\xCD\xC6\x9A"}, {"x.color", ""}, {"x.deform", ""},
    };
    for (const auto& f : formats) {
        const auto path = dir / f.name;
        const auto r = run({"render", "-o", path.string()});
        EXPECT_EQ(r.status, 0) << f.name << ": " << r.err;
        EXPECT_TRUE(slurp(path).starts_with(f.magic)) << f.name;
    }
    EXPECT_EQ(slurp(dir / "x.color").size(), 130u);

    ASSERT_EQ(run({"render", "--jpeg-quality", "5", "-o", (dir / "low.jpg").string()}).status, 0);
    ASSERT_EQ(run({"render", "--jpeg-quality", "95", "-o", (dir / "high.jpg").string()}).status, 0);
    EXPECT_LT(slurp(dir / "low.jpg").size(), slurp(dir / "high.jpg").size());
    EXPECT_EQ(run({"outline", "-o", (dir / "o.emf").string()}).status, 0);
}

TEST_F(CliBinary, BadInputsAndOutputsAreOneLineErrors) {
    expectFailure({"render", "-o", (dir / "x.tiff").string()}, 2);
    expectFailure({"render", (dir / "notes.txt").string(), "-o", (dir / "x.png").string()}, 2);
    expectFailure({"outline", "-o", (dir / "x.png").string()}, 2);
    expectFailure({"render", "--jpeg-quality", "101", "-o", (dir / "x.jpg").string()}, 2);
    expectFailure({"render", "--texture", "1=:JPG_99", "-o", (dir / "x.png").string()}, 1);

    std::ofstream(dir / "fake.vtl") << "NOT a document at all, but long enough to fill a header block......"
                                       "..............................................................";
    const auto r = run({"render", (dir / "fake.vtl").string(), "-o", (dir / "x.png").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("is not a Vortel file!"), std::string::npos) << r.err;
    expectFailure({"render", (dir / "missing.vtl").string(), "-o", (dir / "x.png").string()}, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}
