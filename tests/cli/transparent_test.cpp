// The transparent picture of the command line, checked end to end against the ordinary render over
// a solid colour.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>

#include "engine/Transparent.h"
#include "document/ImageFile.h"
#include "tests/cli/CliBinary.h"

using vortel::Bitmap;
using vortel::compositeOver;
using vortel::testing::Outcome;

namespace {

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
