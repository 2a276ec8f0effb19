// The render verb end to end: images of the work size in either format, the quality levels, the
// texture and imprint files, and failures that leave no output behind.
#include <gtest/gtest.h>

#include <set>

#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "tests/cli/CliBinary.h"

namespace fs = std::filesystem;
using vortel::Bitmap;
using vortel::testing::Outcome;
using vortel::testing::slurp;

namespace {

class CliRender : public vortel::testing::CliBinary {
protected:
    std::string file(const std::string& name) const { return (dir / name).string(); }
    size_t entries() const { return size_t(std::distance(fs::directory_iterator(dir), {})); }

    Bitmap render(std::vector<std::string> args, const std::string& name = "out.png") {
        args.insert(args.begin(), "render");
        args.insert(args.end(), {"-o", file(name)});
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.out.empty());
        return vortel::loadImage(file(name));
    }
};

std::set<uint32_t> colours(const Bitmap& image) {
    std::set<uint32_t> found;
    for (size_t i = 0; i + 2 < image.bgr.size(); i += 3) {
        found.insert(uint32_t(image.bgr[i + 2]) << 16 | uint32_t(image.bgr[i + 1]) << 8 | image.bgr[i]);
    }
    return found;
}

bool dark(uint32_t c) { return (c >> 16 & 0xFF) <= 0x40 && (c >> 8 & 0xFF) <= 0x40 && (c & 0xFF) <= 0x40; }

}  // namespace

// A bitmap file is written from the render's own buffer, a PNG from the canvas: both must hold
// the same picture, and the bitmap file must be byte for byte what the encoder makes of it
// (headers, and rows padded with zeros), whichever way the render ended.
TEST_F(CliRender, PngAndBmpHoldTheSamePictureOfTheWorkSize) {
    const std::vector<std::vector<std::string>> cases = {
        {"--size", "301x97"},
        {"--size", "301x97", "--bevel-preset", "3", "--shadow-preset", "3"},
        {"--size", "302x98", "--frame-preset", "2"},
        {"--size", "303x99", "--frame-preset", "9", "--outline-preset", "4"},
        {"--size", "301x97", "--quality", "draft"},
        {"--size", "301x97", "--quality", "normal", "--random", "11"},
        {"--size", "333x217", "--random", "40"},
        {"--size", "1x1"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args[1] + (args.size() > 2 ? " " + args[2] + " " + args.back() : ""));
        const Bitmap png = render(args, "out.png");
        const Bitmap bmp = render(args, "out.bmp");
        EXPECT_EQ(png.width, std::stoi(args[1]));
        EXPECT_TRUE(png.bgr == bmp.bgr);
        const std::vector<uint8_t> encoded = vortel::encodeBmp(png);
        EXPECT_TRUE(slurp(dir / "out.bmp") == std::string(encoded.begin(), encoded.end()));
    }
    EXPECT_GT(colours(render({"--size", "301x97"})).size(), 1u);
    EXPECT_EQ(entries(), 4u);  // the two images, stdout, stderr
}

TEST_F(CliRender, DraftIsWhiteLightGreyAndADarkOutline) {
    const auto found = colours(render({"--quality", "draft"}));
    EXPECT_TRUE(found.contains(0xFFFFFF));
    EXPECT_TRUE(found.contains(0xC0C0C0));
    for (const uint32_t c : found) EXPECT_TRUE(c == 0xFFFFFF || c == 0xC0C0C0 || dark(c)) << std::hex << c;
}

TEST_F(CliRender, NormalQualityHasNoSmoothedEdges) {
    const auto normal = colours(render({"--quality", "normal"}));
    const auto smooth = colours(render({"--quality", "smooth"}));
    EXPECT_EQ(normal.size(), 2u);  // background fill and text fill, nothing between
    EXPECT_GT(smooth.size(), 2u);
    EXPECT_EQ(colours(render({})), smooth);
}

// The quick PNG holds the same picture as the small one, opaque or transparent, in other bytes;
// also for texts in other scripts (drawn from the Noto faces where installed, boxes otherwise).
TEST_F(CliRender, FastPngHoldsTheSamePicture) {
    for (const char* text : {"", "مرحبا بالعالم", "नमस्ते दुनिया", "你好，世界"}) {
        for (const bool transparent : {false, true}) {
            std::vector<std::string> args{"--size", "301x97", "--bevel-preset", "3", "--shadow-preset", "3"};
            if (*text) args.insert(args.end(), {"--text", text});
            if (transparent) args.push_back("--transparent");
            const Bitmap small = render(args, "small.png");
            args.insert(args.end(), {"--png-effort", "fast"});
            const Bitmap fast = render(args, "fast.png");
            EXPECT_TRUE(small.bgr == fast.bgr) << text << transparent;
            EXPECT_NE(slurp(dir / "small.png"), slurp(dir / "fast.png")) << text << transparent;
        }
    }
}

TEST_F(CliRender, TextureFileFillsTheText) {
    Bitmap green{4, 4, {}};
    for (int i = 0; i < 16; ++i) green.bgr.insert(green.bgr.end(), {0x00, 0xFF, 0x00});
    vortel::saveImage(file("green.png"), green);
    const auto found = colours(render({"--quality", "normal", "--set", R"(TextFill={"FillKind":0})", "--texture",
                                       "1=" + file("green.png")}));
    EXPECT_TRUE(found.contains(0x00FF00));
    EXPECT_FALSE(found.contains(0xFF0000));  // the default red text fill is gone
}

TEST_F(CliRender, ImprintFileIsAccepted) {
    vortel::saveImage(file("stamp.png"), Bitmap{2, 2, std::vector<uint8_t>(12, 0)});
    const Bitmap image = render({"--size", "120x60", "--imprint", file("stamp.png")});
    EXPECT_EQ(image.width, 120);
    EXPECT_EQ(image.height, 60);
}

TEST_F(CliRender, RefusedWarpStillDrawsTheBackgroundAndExitsThree) {
    const Outcome r = run({"render", "--set", "GuidePoints=[[],[],[],[]]", "-o", file("bg.png")});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.starts_with("vortel-cli: warning: the warp was refused")) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(colours(vortel::loadImage(file("bg.png"))).size(), 1u);
}

TEST_F(CliRender, BadImagePathsFailWithOneLineAndNoOutput) {
    std::ofstream(dir / "notes.txt") << "not an image";
    expectFailure({"render", "--texture", "1=" + file("missing.png"), "-o", file("a.png")}, 1);
    expectFailure({"render", "--texture", "0=" + file("notes.txt"), "-o", file("a.png")}, 1);
    expectFailure({"render", "--imprint", file("missing.bmp"), "-o", file("a.bmp")}, 1);
    EXPECT_FALSE(fs::exists(dir / "a.png"));
    EXPECT_FALSE(fs::exists(dir / "a.bmp"));
    EXPECT_EQ(entries(), 3u);  // notes.txt, stdout, stderr: no temporary left either
}

TEST_F(CliRender, UsageErrorsExitTwo) {
    expectFailure({"render"}, 2);
    expectFailure({"render", "-o", file("x.tiff")}, 2);
    expectFailure({"render", "--json", "-o", file("x.png")}, 2);
    expectFailure({"render", "--quality", "best", "-o", file("x.png")}, 2);
    expectFailure({"render", "--texture", "2=" + file("t.png"), "-o", file("x.png")}, 2);
    expectFailure({"render", "--texture", file("t.png"), "-o", file("x.png")}, 2);
    EXPECT_FALSE(fs::exists(dir / "x.png"));
}

TEST_F(CliRender, FailedRenderKeepsThePreviousImage) {
    std::ofstream(dir / "keep.png") << "previous";
    run({"render", "--imprint", file("missing.png"), "-o", file("keep.png")});
    EXPECT_EQ(slurp(dir / "keep.png"), "previous");
}

// Upright text is drawn into the box of its guides with the font's cell; where a face's accents or
// descenders, a capital's umlaut or wide spacing would leave the box, the letters are made to fit
// instead of being cut at the box. The draft picture draws the same layout without the box, so the
// full picture must show its letters whole: its ink reaches as far as the draft's (the full
// picture's soft edges may end a pixel or two earlier).
TEST_F(CliRender, UprightTextIsNeverCut) {
    const std::vector<std::string> plain = {"--set", R"(TextFill={"FillKind":2,"FillColor":0})",
                                            "--set", R"(BackFill={"FillKind":2,"FillColor":16777215})",
                                            "--set", R"(Shadow={"ShadowX":0,"ShadowY":0,"ShadowBlur":-1})",
                                            "--set", R"(Bevel={"BevelFlag":0})", "--set", R"(Frame={"FrameKind":0})"};
    const std::string tallGuides = "GuidePoints=[[[14,5],[436,5]],[[436,5],[436,195]],[[14,195],[436,195]],[[14,5],[14,195]]]";
    const struct {
        const char* name;
        std::vector<std::string> args;
    } cases[] = {
        {"umlaut and descender in tall guides", {"--text", "Ägypten", "--set", tallGuides}},
        {"wide letter spacing", {"--text", "Grüße aus Köln", "--guide-preset", "0", "--set", "CharSpacing=10"}},
        {"negative spacing", {"--text", "Grüße aus Köln", "--guide-preset", "0", "--set", "CharSpacing=-6"}},
        {"a long word in a style", {"--style", "7", "--text", "Jugendherberge"}},
        {"descenders in a style", {"--style", "24", "--text", "Gypsy Jugglery"}},
        {"a tall face", {"--text", "नमस्ते दुनिया", "--set", tallGuides}},
        {"two lines", {"--text", "Äpfel\nBirnen gąg", "--set", tallGuides}},
    };
    struct Box {
        int32_t left, top, right, bottom;
    };
    const auto inkBox = [](const Bitmap& image, int limit) {
        Box box{image.width, image.height, -1, -1};
        for (int32_t y = 0; y < image.height; ++y)
            for (int32_t x = 0; x < image.width; ++x) {
                const uint8_t* p = &image.bgr[(size_t(y) * size_t(image.width) + size_t(x)) * 3];
                if (p[0] < limit && p[1] < limit && p[2] < limit)
                    box = Box{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
            }
        return box;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), plain.begin(), plain.end());
        const Box full = inkBox(render(args, "full.png"), 128);
        args.insert(args.end(), {"--quality", "draft"});
        const Box whole = inkBox(render(args, "draft.png"), 250);
        ASSERT_GE(full.bottom, 0) << "no text";
        // Letters reaching the picture's edge run past it.
        EXPECT_GT(whole.left, 0);
        EXPECT_GT(whole.top, 0);
        EXPECT_LT(whole.right, 449);
        EXPECT_LT(whole.bottom, 199);
        // An outline around the letters may only make the full picture's ink larger.
        EXPECT_LE(full.left, whole.left + 2);
        EXPECT_LE(full.top, whole.top + 2);
        EXPECT_GE(full.right, whole.right - 2);
        EXPECT_GE(full.bottom, whole.bottom - 2);
    }
}
