// The transparent picture: the background taken out of a render over black and one over white,
// checked on made-up pixels and end to end against the ordinary render over a solid colour.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>

#include "cli/Transparent.h"
#include "document/ImageFile.h"
#include "tests/cli/CliBinary.h"

using vortel::Bitmap;
using vortel::cli::compositeOver;
using vortel::cli::unblendBackground;
using vortel::testing::Outcome;

namespace {

Bitmap onePixel(uint8_t b, uint8_t g, uint8_t r) { return Bitmap{1, 1, {b, g, r}}; }

TEST(Unblend, RecoversColourAndCoverage) {
    struct Case {
        const char* name;
        Bitmap black, white;
        std::array<uint8_t, 4> rgba;
    };
    const std::vector<Case> cases = {
        {"background only", onePixel(0, 0, 0), onePixel(255, 255, 255), {0, 0, 0, 0}},
        {"opaque red letter", onePixel(32, 48, 224), onePixel(32, 48, 224), {224, 48, 32, 255}},
        {"half black shadow", onePixel(0, 0, 0), onePixel(128, 128, 128), {0, 0, 0, 127}},
        {"quarter red over the background", onePixel(0, 0, 64), onePixel(191, 191, 255), {255, 0, 0, 64}},
        // Rounded blends may disagree by one between channels: the coverage that gives both
        // renders back best is taken.
        {"channels off by one", onePixel(10, 10, 10), onePixel(137, 138, 137), {20, 20, 20, 128}},
        {"shadow edge off by one", onePixel(0, 0, 68), onePixel(77, 77, 146), {97, 0, 0, 178}},
        // A render over white never lies below the one over black; if it did, nothing shows through.
        {"white darker than black", onePixel(200, 100, 50), onePixel(190, 90, 40), {50, 100, 200, 255}},
    };
    for (const auto& c : cases) {
        const auto rgba = unblendBackground(c.black, c.white);
        ASSERT_EQ(rgba.size(), 4u) << c.name;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(int(rgba[i]), int(c.rgba[i])) << c.name << " byte " << i;
    }
    EXPECT_THROW(unblendBackground(onePixel(0, 0, 0), Bitmap{2, 1, std::vector<uint8_t>(6)}), std::invalid_argument);
}

// Decodes the RGBA PNG the command line wrote, without any compositing.
std::vector<uint8_t> readRgba(const std::string& path, int32_t& width, int32_t& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, PNG_FORMAT_FLAG_ALPHA) << "the file has no alpha channel";
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) return {};
    width = int32_t(image.width);
    height = int32_t(image.height);
    return pixels;
}

class CliTransparent : public vortel::testing::CliBinary {};

TEST_F(CliTransparent, OverTheBackgroundColourItIsTheOrdinaryRender) {
    // Without smoothing every stage blends linearly with one rounding, and one step is the most a
    // channel may be off. The edge smoothing averages nine pixels with a truncating division, which
    // is not quite linear: a few pixels where it meets the soft shadow come back two steps off.
    struct Case {
        const char* name;
        std::vector<std::string> effect;
        uint32_t background;  // 0x00BBGGRR
        int worst;            // the largest step allowed anywhere
    };
    const std::vector<Case> cases = {
        {"default effect", {}, 0xF0E6DD, 1},
        {"bevel and soft shadow", {"--bevel-preset", "3", "--shadow-preset", "2", "--quality", "normal"}, 0x204080, 1},
        {"bevel and soft shadow, smoothed", {"--bevel-preset", "3", "--shadow-preset", "2"}, 0x204080, 2},
        {"style with frame", {"--style", "12", "--frame-preset", "5"}, 0x808080, 1},
        {"outline fringe and imprint", {"--outline-preset", "4", "--imprint", "*IMPRINT_07"}, 0x00FFFF, 1},
        {"shadow, normal quality", {"--shadow-preset", "6", "--quality", "normal"}, 0xFF0000, 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"render", "--size", "240x120", "--text", "Vortel"};
        args.insert(args.end(), c.effect.begin(), c.effect.end());
        std::vector<std::string> ordinary = args, transparent = args;
        char fill[64];
        std::snprintf(fill, sizeof fill, "BackFill={\"FillKind\":2,\"FillColor\":%u}", c.background);
        ordinary.insert(ordinary.end(), {"--set", fill, "-o", (dir / "plain.bmp").string()});
        transparent.insert(transparent.end(), {"--transparent", "-o", (dir / "clear.png").string()});
        const Outcome a = run(ordinary), b = run(transparent);
        ASSERT_EQ(a.status, 0) << c.name << a.err;
        ASSERT_EQ(b.status, 0) << c.name << b.err;

        const Bitmap plain = vortel::loadImage((dir / "plain.bmp").string());
        int32_t w = 0, h = 0;
        const auto rgba = readRgba((dir / "clear.png").string(), w, h);
        ASSERT_EQ(w, plain.width) << c.name;
        ASSERT_EQ(h, plain.height) << c.name;
        const Bitmap laid = compositeOver(rgba, w, h, c.background);
        int worst = 0;
        size_t seeThrough = 0, beyondOne = 0;
        for (size_t i = 0; i < plain.bgr.size(); ++i) {
            const int off = std::abs(int(plain.bgr[i]) - int(laid.bgr[i]));
            worst = std::max(worst, off);
            beyondOne += off > 1;
        }
        for (size_t i = 3; i < rgba.size(); i += 4) seeThrough += rgba[i] == 0;
        EXPECT_LE(worst, c.worst) << c.name;
        EXPECT_LE(beyondOne * 1000, plain.bgr.size()) << c.name << ": more than one channel value in 1000 is off by two";
        EXPECT_GT(seeThrough, 0u) << c.name << ": the background must be transparent";
    }
}

TEST_F(CliTransparent, TheSoftShadowEdgeIsPartlyTransparent) {
    const Outcome r = run({"render", "--size", "240x120", "--shadow-preset", "2", "--transparent", "-o",
                           (dir / "s.png").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    int32_t w = 0, h = 0;
    const auto rgba = readRgba((dir / "s.png").string(), w, h);
    size_t partial = 0;
    for (size_t i = 3; i < rgba.size(); i += 4) partial += rgba[i] != 0 && rgba[i] != 255;
    EXPECT_GT(partial, 100u);
}

TEST_F(CliTransparent, NeedsAPngAndARealRender) {
    expectFailure({"render", "--transparent", "-o", (dir / "x.bmp").string()}, 2);
    expectFailure({"render", "--transparent", "--quality", "draft", "-o", (dir / "x.png").string()}, 2);
}

}  // namespace
