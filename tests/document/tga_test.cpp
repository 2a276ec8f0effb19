// TGA image types, depths and origins decoded against known pixels, and broken files rejected.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/ImageTga.h"
#include "tests/document/CodecBytes.h"
#include "tests/document/ImageBytes.h"

using vortel::decodeTga;
using vortel::ImageError;
using vortel::testing::buildTga;
using vortel::testing::hasPixels;
using vortel::testing::Rows;
using vortel::testing::TgaSample;

namespace {

enum Type : uint8_t { Mapped = 1, TrueColour = 2, Grey = 3, RleMapped = 9, RleTrueColour = 10, RleGrey = 11 };
constexpr uint8_t TopDown = 0x20, RightToLeft = 0x10, AlphaBits8 = 0x08;

// Stored bottom row first (the default origin): blue, green, red bytes.
const TgaSample twoByTwo{.width = 2, .height = 2, .pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}};
const Rows twoByTwoRows = {{0x090807, 0x0C0B0A}, {0x030201, 0x060504}};

void expectRejected(const TgaSample& sample, const std::string& words) {
    try {
        decodeTga(buildTga(sample));
        ADD_FAILURE() << "accepted; expected an error about " << words;
    } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

std::vector<uint8_t> u16s(std::initializer_list<uint16_t> values) {
    std::vector<uint8_t> out;
    for (const uint16_t v : values) out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)});
    return out;
}

}  // namespace

TEST(TgaDecode, TrueColourRowsStartAtTheBottomUnlessFlagged) {
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(twoByTwo)), twoByTwoRows));
    TgaSample topDown = twoByTwo;
    topDown.descriptor = TopDown;
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(topDown)), {{0x030201, 0x060504}, {0x090807, 0x0C0B0A}}));
    TgaSample mirrored = twoByTwo;
    mirrored.descriptor = TopDown | RightToLeft;
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(mirrored)), {{0x060504, 0x030201}, {0x0C0B0A, 0x090807}}));
}

TEST(TgaDecode, AwkwardSizesKeepEveryPixelInPlace) {
    for (const auto& [w, h] : {std::pair{1, 1}, {1, 7}, {7, 1}, {13, 5}}) {
        TgaSample s{.width = uint16_t(w), .height = uint16_t(h), .descriptor = TopDown};
        Rows rows(static_cast<size_t>(h), std::vector<uint32_t>(static_cast<size_t>(w)));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint8_t v = uint8_t(x * 16 + y);
                s.pixels.insert(s.pixels.end(), {v, uint8_t(v ^ 0xFF), uint8_t(y)});
                rows[size_t(y)][size_t(x)] = uint32_t(y) << 16 | uint32_t(v ^ 0xFF) << 8 | v;
            }
        }
        EXPECT_TRUE(hasPixels(decodeTga(buildTga(s)), rows)) << w << "x" << h;
    }
}

TEST(TgaDecode, FifteenAndSixteenBitColoursExpandToEightBits) {
    // 16 bits: the attribute bit (0x8000) is ignored; 0x10 of 0x1F expands to 0x84.
    const TgaSample s{.width = 5, .pixelBits = 16, .pixels = u16s({0x7C00, 0x03E0, 0x001F, 0xFFFF, 0x4210})};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(s)), {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x848484}}));
    TgaSample fifteen = s;
    fifteen.pixelBits = 15;
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(fifteen)), {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x848484}}));
}

TEST(TgaDecode, AlphaIsCompositedOverWhiteOnlyWhenDeclared) {
    // Opaque blue, transparent red, half-covered black.
    const std::vector<uint8_t> pixels = {0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0x80};
    const TgaSample withAlpha{.width = 3, .pixelBits = 32, .descriptor = AlphaBits8, .pixels = pixels};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(withAlpha)), {{0x0000FF, 0xFFFFFF, 0x7F7F7F}}));
    TgaSample undeclared = withAlpha;
    undeclared.descriptor = 0;
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(undeclared)), {{0x0000FF, 0xFF0000, 0x000000}}));
    // A channel left all zero by its writer means an opaque picture, not an invisible one.
    TgaSample zeroAlpha = withAlpha;
    zeroAlpha.pixels = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(zeroAlpha)), {{0x0000FF, 0xFF0000, 0x000000}}));
}

TEST(TgaDecode, GreyPlainAndRunLength) {
    const TgaSample plain{.imageType = Grey, .width = 3, .pixelBits = 8, .pixels = {0, 0x80, 0xFF}};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(plain)), {{0x000000, 0x808080, 0xFFFFFF}}));
    const TgaSample rle{.imageType = RleGrey, .width = 4, .pixelBits = 8, .pixels = {0x82, 0x40, 0x00, 0x11}};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(rle)), {{0x404040, 0x404040, 0x404040, 0x111111}}));
}

TEST(TgaDecode, ColourMapsOfEveryEntrySizeAndFirstIndex) {
    const TgaSample map24{.imageType = Mapped, .width = 3, .pixelBits = 8, .mapBits = 24,
                          .map = {0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0}, .pixels = {2, 0, 1}};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(map24)), {{0x0000FF, 0xFF0000, 0x00FF00}}));
    // Entries 5 and 6 are stored; indices name them as 5 and 6.
    const TgaSample map16{.imageType = Mapped, .width = 2, .pixelBits = 8, .mapFirst = 5, .mapBits = 16,
                          .map = u16s({0x7C00, 0x001F}), .pixels = {6, 5}};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(map16)), {{0x0000FF, 0xFF0000}}));
    const TgaSample map32{.imageType = Mapped, .width = 2, .pixelBits = 8, .descriptor = AlphaBits8, .mapBits = 32,
                          .map = {0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0}, .pixels = {0, 1}};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(map32)), {{0xFF0000, 0xFFFFFF}}));
}

TEST(TgaDecode, IdFieldAndAnUnusedColourMapAreSkipped) {
    TgaSample s = twoByTwo;
    s.id = {'h', 'e', 'l', 'l', 'o'};
    s.mapBits = 24;
    s.map = {9, 9, 9, 8, 8, 8};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(s)), twoByTwoRows));
}

TEST(TgaDecode, RunLengthPacketsMayCrossRows) {
    // 3x2 top-down: a run of four red covers row 0 and the start of row 1, then two literals.
    const TgaSample s{.imageType = RleTrueColour, .width = 3, .height = 2, .descriptor = TopDown,
                      .pixels = {0x83, 0, 0, 0xFF, 0x01, 0xFF, 0, 0, 0, 0xFF, 0}};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(s)), {{0xFF0000, 0xFF0000, 0xFF0000}, {0xFF0000, 0x0000FF, 0x00FF00}}));
    const TgaSample mapped{.imageType = RleMapped, .width = 2, .pixelBits = 8, .mapBits = 24,
                           .map = {0, 0, 0xFF, 0xFF, 0, 0}, .pixels = {0x81, 1}};
    EXPECT_TRUE(hasPixels(decodeTga(buildTga(mapped)), {{0x0000FF, 0x0000FF}}));
}

TEST(TgaMalformed, EveryTruncationIsAnError) {
    const TgaSample rle{.imageType = RleTrueColour, .width = 3, .pixels = {0x81, 1, 2, 3, 0x00, 4, 5, 6}};
    const TgaSample mapped{.imageType = Mapped, .width = 2, .pixelBits = 8, .id = {1, 2},
                           .mapBits = 16, .map = u16s({1, 2}), .pixels = {0, 1}};
    for (const auto& file : {buildTga(twoByTwo), buildTga(rle), buildTga(mapped)}) {
        ASSERT_NO_THROW(decodeTga(file));
        for (size_t n = 0; n < file.size(); ++n) {
            EXPECT_THROW(decodeTga({file.data(), n}), ImageError) << "first " << n << " of " << file.size();
        }
    }
}

TEST(TgaMalformed, HeaderFieldsOutsideTheFormat) {
    expectRejected(TgaSample{.imageType = 0}, "image type 0");
    expectRejected(TgaSample{.imageType = 32}, "image type 32");
    expectRejected(TgaSample{.imageType = 8}, "image type 8");
    expectRejected(TgaSample{.mapType = 2}, "colour map type 2");
    expectRejected(TgaSample{.pixelBits = 8}, "8-bit pixels");
    expectRejected(TgaSample{.imageType = Grey, .pixelBits = 16}, "16-bit pixels");
    expectRejected(TgaSample{.imageType = Mapped, .pixelBits = 8, .pixels = {0}}, "no colour map");
    expectRejected(TgaSample{.imageType = Mapped, .pixelBits = 8, .mapType = 1, .mapBits = 24, .pixels = {0}},
                   "no colour map");
    expectRejected(TgaSample{.mapBits = 8, .map = {0, 0}}, "entries of 8 bits");
    expectRejected(TgaSample{.descriptor = 0x40, .pixels = {0, 0, 0}}, "interleaved");
}

TEST(TgaMalformed, SizesBeyondTheLimitsOrEmpty) {
    expectRejected(TgaSample{.width = 0}, "no pixels");
    expectRejected(TgaSample{.width = 40000}, "larger than supported");
    expectRejected(TgaSample{.width = 12000, .height = 12000}, "larger than supported");
    // Within the limits, but the file holds a few bytes for 60 million pixels.
    expectRejected(TgaSample{.width = 30000, .height = 2000, .pixels = {1, 2, 3}}, "truncated");
    expectRejected(TgaSample{.imageType = RleTrueColour, .width = 30000, .height = 2000, .pixels = {0xFF, 1, 2, 3}},
                   "truncated");
}

TEST(TgaMalformed, PacketsAndIndicesOutsideTheImageOrMap) {
    expectRejected(TgaSample{.imageType = RleTrueColour, .width = 2, .pixels = {0x82, 1, 2, 3}}, "past the end");
    expectRejected(TgaSample{.imageType = RleGrey, .width = 2, .pixelBits = 8, .pixels = {0x00, 1, 0x01, 2, 3}},
                   "past the end");
    const TgaSample map{.imageType = Mapped, .width = 2, .pixelBits = 8, .mapFirst = 4, .mapBits = 24,
                        .map = {0, 0, 0, 1, 1, 1}, .pixels = {4, 6}};
    expectRejected(map, "colour index 6 is outside the colour map (entries 4 to 5)");
    TgaSample below = map;
    below.pixels = {3, 4};
    expectRejected(below, "colour index 3");
}

// The smallest fuzzer input for each distinct rejection it reached, kept so none regresses into a crash.
TEST(TgaMalformed, InputsTheFuzzerReachedAreRejected) {
    EXPECT_GT(vortel::testing::replayMalformed("tga", [](auto bytes) { decodeTga(bytes); }), 0u);
}
