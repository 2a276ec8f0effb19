// Every stock image decodes as the program will read it, with the kind and size it should have
// and content that is really there.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "document/ByteReader.h"
#include "reslib/generator/ResourceSet.h"
#include "reslib/vortelres.h"
#include "tests/reslib/StockImages.h"

namespace {

using namespace vortel::testing;
using vortel::resgen::indexedName;
namespace bmp = vortel::bmp;

// Spread of the green channel: zero for a flat picture.
double spread(const vortel::Bitmap& b) {
    double sum = 0, square = 0;
    const size_t n = size_t(b.width) * size_t(b.height);
    for (size_t i = 0; i < n; ++i) {
        sum += b.bgr[3 * i + 1];
        square += double(b.bgr[3 * i + 1]) * b.bgr[3 * i + 1];
    }
    return std::sqrt(std::max(0.0, square / double(n) - (sum / double(n)) * (sum / double(n))));
}

TEST(Textures, DecodeInTheListedSizeMix) {
    std::map<std::pair<int32_t, int32_t>, int> sizes;
    std::set<std::vector<uint8_t>> pictures;
    for (int i = 1; i <= GetMaxTextureFromDLL(); ++i) {
        const std::string name = indexedName("JPG_", i);
        const vortel::Bitmap tile = stockJpeg(name);
        ++sizes[{tile.width, tile.height}];
        EXPECT_GE(std::min(tile.width, tile.height), 16) << name;
        EXPECT_LE(std::max(tile.width, tile.height), 256) << name;
        EXPECT_GT(spread(tile), 3.0) << name << " is flat";
        EXPECT_TRUE(pictures.insert(tile.bgr).second) << name << " repeats an earlier texture";
    }
    int square = 0, oblong = 0, smallestSquare = 256;
    for (const auto& [size, count] : sizes) {
        if (size.first == size.second) {
            square += count;
            smallestSquare = std::min(smallestSquare, size.first);
        } else {
            oblong += count;
        }
    }
    EXPECT_EQ((sizes[{128, 128}]), 17);
    EXPECT_EQ((sizes[{256, 256}]), 12);
    EXPECT_GE(oblong, 3);
    EXPECT_GT(square, 4 * oblong);
    EXPECT_EQ(smallestSquare, 42);
}

// A 1-bit bitmap whose pixels are all black or white, with some of each.
void expectTwoColourPattern(const std::string& name) {
    bmp::Palette palette;
    const bmp::Header header = stockBitmapHeader(name, &palette);
    EXPECT_EQ(header.bitCount, 1) << name;
    EXPECT_EQ(header.compression, bmp::Rgb) << name;
    const vortel::Bitmap pattern = stockBitmap(name);
    size_t black = 0, white = 0;
    for (size_t i = 0; i < pattern.bgr.size(); i += 3) {
        const uint8_t* p = &pattern.bgr[i];
        black += p[0] == 0 && p[1] == 0 && p[2] == 0;
        white += p[0] == 255 && p[1] == 255 && p[2] == 255;
    }
    EXPECT_EQ(black + white, pattern.bgr.size() / 3) << name;
    EXPECT_GT(black, 0u) << name << " punches no holes";
    EXPECT_GT(white, 0u) << name << " leaves nothing of the letters";
}

TEST(Imprints, EightByEightSeriesAreDistinctOneBitPatterns) {
    const int count = int(GetMaxImprintFromDLL() & 0xFFFF);
    std::set<std::vector<uint8_t>> patterns;
    for (int i = 1; i <= count; ++i) {
        const std::string name = indexedName("IMPRINT_", i);
        const bmp::Header header = stockBitmapHeader(name);
        EXPECT_EQ(header.width, 8) << name;
        EXPECT_EQ(header.height, 8) << name;
        expectTwoColourPattern(name);
        EXPECT_TRUE(patterns.insert(stockBitmap(name).bgr).second) << name << " repeats an earlier pattern";
    }
}

TEST(Imprints, XSeriesSpansOneByEightToThirtyByTwentySeven) {
    const int count = int(GetMaxImprintFromDLL() >> 16);
    std::set<std::pair<int32_t, int32_t>> sizes;
    for (int i = 1; i <= count; ++i) {
        const std::string name = indexedName("IMPRINT_X", i);
        const bmp::Header header = stockBitmapHeader(name);
        EXPECT_GE(header.width, 1) << name;
        EXPECT_LE(header.width, 30) << name;
        EXPECT_GE(header.height, 8) << name;
        EXPECT_LE(header.height, 27) << name;
        expectTwoColourPattern(name);
        sizes.insert({header.width, header.height});
    }
    EXPECT_TRUE(sizes.count({1, 8}));
    EXPECT_TRUE(sizes.count({30, 27}));
}

void expectNear(const uint8_t* bgr, uint32_t rgb, const std::string& where) {
    EXPECT_NEAR(bgr[2], int(rgb >> 16 & 0xFF), 24) << where << " red";
    EXPECT_NEAR(bgr[1], int(rgb >> 8 & 0xFF), 24) << where << " green";
    EXPECT_NEAR(bgr[0], int(rgb & 0xFF), 24) << where << " blue";
}

// The previews show their preset's colours where the gradient style puts them: styles 1 run
// from the first colour at the top to the last at the bottom, style 2 from left to right.
TEST(GradientPreviews, ShowTheirPresetsColoursInPlace) {
    for (int i = 1; i <= 15; ++i) {
        const std::string name = indexedName("FARBVERL_", i);
        const bmp::Header header = stockBitmapHeader(name);
        EXPECT_EQ(header.bitCount, 24) << name;
        EXPECT_EQ(header.width, 45) << name;
        EXPECT_EQ(header.height, 36) << name;
    }
    const vortel::Bitmap blue = stockBitmap("FARBVERL_01"), grey = stockBitmap("FARBVERL_03");
    const vortel::Bitmap rainbow = stockBitmap("FARBVERL_06");
    expectNear(pixelAt(blue, 20, 0), 0x0000FF, "01 top");
    expectNear(pixelAt(blue, 20, 35), 0x80FFFF, "01 bottom");
    expectNear(pixelAt(grey, 3, 0), 0xFFFFFF, "03 top");
    expectNear(pixelAt(grey, 3, 35), 0x000000, "03 bottom");
    expectNear(pixelAt(rainbow, 0, 18), 0xFF0000, "06 left");
    expectNear(pixelAt(rainbow, 22, 18), 0x00FF00, "06 middle");
    expectNear(pixelAt(rainbow, 44, 18), 0x400080, "06 right");
}

TEST(ColourMap, RunsHueAcrossAndLightnessDown) {
    const bmp::Header header = stockBitmapHeader("COLORMAP");
    EXPECT_EQ(header.bitCount, 24);
    const vortel::Bitmap map = stockBitmap("COLORMAP");
    ASSERT_EQ(map.width, 100);
    ASSERT_EQ(map.height, 45);
    for (int32_t x = 0; x < map.width; x += 11) {
        expectNear(pixelAt(map, x, 0), 0xFFFFFF, "top");
        expectNear(pixelAt(map, x, 44), 0x000000, "bottom");
    }
    expectNear(pixelAt(map, 0, 22), 0xFF0000, "red");
    expectNear(pixelAt(map, 33, 22), 0x00FF00, "green");
    expectNear(pixelAt(map, 67, 22), 0x0000FF, "blue");
}

TEST(Logo, IsAnEightBitPictureOfTheWord) {
    bmp::Palette palette;
    const bmp::Header header = stockBitmapHeader("VORTEL", &palette);
    EXPECT_EQ(header.bitCount, 8);
    EXPECT_EQ(header.width, 217);
    EXPECT_EQ(header.height, 65);
    EXPECT_LE(palette.size(), 256u);
    const vortel::Bitmap logo = stockBitmap("VORTEL");
    std::set<uint32_t> colours;
    for (size_t i = 0; i < logo.bgr.size(); i += 3)
        colours.insert(logo.bgr[i] | logo.bgr[i + 1] << 8 | logo.bgr[i + 2] << 16);
    EXPECT_GT(colours.size(), 64u) << "the shading did not survive the palette";
    // The letters' gold stands out against the blue ground along the middle line.
    int gold = 0;
    for (int32_t x = 0; x < logo.width; ++x) gold += pixelAt(logo, x, 30)[2] > pixelAt(logo, x, 30)[0] + 60;
    EXPECT_GT(gold, 30);
}

TEST(Icon, IsOne32By32ImageWithTransparency) {
    const auto bytes = stockBytes("ICON", "FLAMME");
    vortel::ByteReader in(bytes);
    EXPECT_EQ(in.readU16(), 0);
    EXPECT_EQ(in.readU16(), 1);  // icon, not cursor
    ASSERT_EQ(in.readU16(), 1);
    EXPECT_EQ(in.readU8(), 32);
    EXPECT_EQ(in.readU8(), 32);
    in.skip(4);
    EXPECT_EQ(in.readU16(), 32);
    const uint32_t size = in.readU32(), offset = in.readU32();
    ASSERT_EQ(uint64_t(offset) + size, bytes.size());
    in.seek(offset);
    EXPECT_EQ(in.readU32(), 40u);
    EXPECT_EQ(in.readI32(), 32);
    EXPECT_EQ(in.readI32(), 64);  // colour rows and mask rows
    in.seek(offset + 40);
    int opaque = 0, clear = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        const uint8_t alpha = in.take(4)[3];
        opaque += alpha == 255;
        clear += alpha == 0;
    }
    EXPECT_GT(opaque, 100);
    EXPECT_GT(clear, 100);
}

}  // namespace

// Every preset list finds a picture for each of its entries, at the list's size, with something
// drawn on it, and no two pictures of a family alike.
TEST(PresetPreviews, EveryEntryHasItsOwnPicture) {
    const struct {
        std::string prefix;
        int first, count, digits, width, height;
    } families[] = {
        {"STYLE_", 2, 45, 3, 72, 28}, {"DEFORM_", 1, 30, 2, 60, 20}, {"BEVEL_", 2, 17, 2, 46, 43},
        {"SHADOW_", 1, 12, 2, 46, 43}, {"FRAME_", 1, 18, 2, 60, 43}, {"OUT_", 1, 13, 2, 33, 28},
    };
    for (const auto& f : families) {
        std::set<std::vector<uint8_t>> pictures;
        for (int i = f.first; i < f.first + f.count; ++i) {
            const std::string name = indexedName(f.prefix, i, f.digits);
            bmp::Palette palette;
            EXPECT_EQ(stockBitmapHeader(name, &palette).bitCount, 8) << name;
            const vortel::Bitmap picture = stockBitmap(name);
            EXPECT_EQ(picture.width, f.width) << name;
            EXPECT_EQ(picture.height, f.height) << name;
            if (name != "FRAME_01") {  // no frame: the empty ground
                EXPECT_GT(spread(picture), 10.0) << name << " shows nothing";
            }
            // Outline entries 1 and 2 are the same preset (no fringe), so their pictures agree.
            const bool twin = f.prefix == "OUT_" && i == 2;
            EXPECT_TRUE(pictures.insert(picture.bgr).second || twin) << name << " repeats an earlier picture";
        }
    }
    EXPECT_EQ(stockBitmap("BEVEL_01").width, 40);  // the first bevel picture is smaller
}
