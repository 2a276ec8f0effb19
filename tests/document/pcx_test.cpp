// PCX plane layouts and palettes decoded against known pixels, and broken files rejected.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/ImagePcx.h"
#include "tests/document/CodecBytes.h"
#include "tests/document/ImageBytes.h"

using vortel::decodePcx;
using vortel::ImageError;
using vortel::testing::buildPcx;
using vortel::testing::hasPixels;
using vortel::testing::PcxSample;
using vortel::testing::pcxRle;
using vortel::testing::Rgb;
using vortel::testing::Rows;

namespace {

// Entry i of the 256-colour palette is (i, 255 - i, i / 2).
Rgb rampColour(int i) { return {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)}; }
uint32_t rampRgb(int i) { return uint32_t(i) << 16 | uint32_t(255 - i) << 8 | uint32_t(i / 2); }

const std::vector<Rgb> sixteen = {{0, 0, 0},    {0x10, 0, 0}, {0, 0x20, 0}, {0, 0, 0x30}, {0x40, 0x40, 0},
                                  {0x50, 0, 0x50}, {0, 0x60, 0x60}, {0x70, 0x70, 0x70}, {0x80, 0, 0}, {0, 0x90, 0},
                                  {0, 0, 0xA0}, {0xB0, 0xB0, 0}, {0xC0, 0, 0xC0}, {0, 0xD0, 0xD0}, {0xE0, 0xE0, 0xE0},
                                  {0xFF, 0xFF, 0xFF}};
uint32_t sixteenRgb(size_t i) { return uint32_t(sixteen[i][0]) << 16 | uint32_t(sixteen[i][1]) << 8 | sixteen[i][2]; }

PcxSample vga(uint16_t width, uint16_t height, const std::vector<uint8_t>& plain) {
    return PcxSample{.width = width, .height = height, .data = pcxRle(plain),
                     .tail = vortel::testing::pcxTailPalette(rampColour)};
}

void expectRejected(const PcxSample& sample, const std::string& words) {
    try {
        decodePcx(buildPcx(sample));
        ADD_FAILURE() << "accepted; expected an error about " << words;
    } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

}  // namespace

TEST(PcxDecode, TrueColourPlanesAtAwkwardSizes) {
    for (const auto& [w, h] : {std::pair{1, 1}, {1, 7}, {7, 1}, {13, 5}}) {
        const int stride = (w + 1) & ~1;
        std::vector<uint8_t> plain;
        Rows rows(static_cast<size_t>(h), std::vector<uint32_t>(static_cast<size_t>(w)));
        for (int y = 0; y < h; ++y) {
            for (int plane = 0; plane < 3; ++plane) {
                for (int x = 0; x < stride; ++x) plain.push_back(x < w ? uint8_t(x * 19 + y * 7 + plane * 80) : 0);
            }
            for (int x = 0; x < w; ++x) {
                rows[size_t(y)][size_t(x)] = uint32_t(uint8_t(x * 19 + y * 7)) << 16 |
                                             uint32_t(uint8_t(x * 19 + y * 7 + 80)) << 8 | uint8_t(x * 19 + y * 7 + 160);
            }
        }
        const PcxSample s{.planes = 3, .width = uint16_t(w), .height = uint16_t(h), .data = pcxRle(plain)};
        EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), rows)) << w << "x" << h;
    }
}

TEST(PcxDecode, TwoHundredFiftySixColoursFromThePaletteAtTheEnd) {
    // Three wide with a padding byte a line; the padding holds 0xC7, which must not show.
    const auto image = decodePcx(buildPcx(vga(3, 2, {0, 1, 200, 0xC7, 255, 255, 7, 0xC7})));
    EXPECT_TRUE(hasPixels(image, {{rampRgb(0), rampRgb(1), rampRgb(200)}, {rampRgb(255), rampRgb(255), rampRgb(7)}}));
}

TEST(PcxDecode, RunsMayCrossTheEndOfALine) {
    // One run of seven 9s covers the first line (four bytes) and most of the second.
    PcxSample s = vga(4, 2, {});
    s.data = {0xC7, 9, 3};
    const uint32_t nine = rampRgb(9);
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), {{nine, nine, nine, nine}, {nine, nine, nine, rampRgb(3)}}));
}

TEST(PcxDecode, MonochromeIsBlackAndWhiteUnlessThePaletteSaysOtherwise) {
    // 10 pixels: bits 1011 0000 01..
    PcxSample s{.bitsPerPixel = 1, .width = 10, .data = pcxRle({0xB0, 0x40})};
    const uint32_t k = 0x000000, w = 0xFFFFFF;
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), {{w, k, w, w, k, k, k, k, k, w}}));
    s.headerPalette = {{0, 0, 0x80}, {0xFF, 0xFF, 0}};
    const uint32_t navy = 0x000080, yellow = 0xFFFF00;
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), {{yellow, navy, yellow, yellow, navy, navy, navy, navy, navy, yellow}}));
    s.version = 3;  // no palette information, whatever the header holds
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), {{w, k, w, w, k, k, k, k, k, w}}));
    s.version = 5;
    s.headerPalette = {{7, 7, 7}, {7, 7, 7}};  // two equal colours cannot be meant
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), {{w, k, w, w, k, k, k, k, k, w}}));
}

TEST(PcxDecode, SixteenColoursFromFourPlanesOrPackedNibbles) {
    // Planes give the index bits from the lowest: pixel x has index x here.
    std::vector<uint8_t> planes;
    for (int bit = 0; bit < 4; ++bit) {
        uint16_t row = 0;
        for (int x = 0; x < 16; ++x) row |= uint16_t(((x >> bit) & 1) << (15 - x));
        planes.insert(planes.end(), {uint8_t(row >> 8), uint8_t(row)});
    }
    const PcxSample planar{.bitsPerPixel = 1, .planes = 4, .width = 16, .headerPalette = sixteen, .data = pcxRle(planes)};
    const PcxSample packed{.bitsPerPixel = 4, .width = 16, .headerPalette = sixteen,
                           .data = pcxRle({0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF})};
    Rows expected(1);
    for (size_t x = 0; x < 16; ++x) expected[0].push_back(sixteenRgb(x));
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(planar)), expected));
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(packed)), expected));
}

TEST(PcxDecode, SixteenColourFilesWithoutPaletteUseTheEgaColours) {
    const PcxSample s{.version = 3, .bitsPerPixel = 4, .width = 4, .headerPalette = sixteen, .data = pcxRle({0x01, 0x6F})};
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), {{0x000000, 0x0000AA, 0xAA5500, 0xFFFFFF}}));
    PcxSample blank = s;
    blank.version = 5;
    blank.headerPalette.clear();
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(blank)), {{0x000000, 0x0000AA, 0xAA5500, 0xFFFFFF}}));
}

TEST(PcxDecode, WindowOffsetAndWideLines) {
    PcxSample s = vga(2, 1, {5, 6, 0, 0, 0, 0});
    s.xMin = 100;
    s.yMin = 7;
    s.bytesPerLine = 6;
    EXPECT_TRUE(hasPixels(decodePcx(buildPcx(s)), {{rampRgb(5), rampRgb(6)}}));
}

TEST(PcxMalformed, EveryTruncationIsAnError) {
    const PcxSample rgb{.planes = 3, .width = 3, .height = 2, .data = pcxRle(std::vector<uint8_t>(24, 0xD0))};
    for (const auto& file : {buildPcx(vga(3, 2, {1, 2, 3, 0, 4, 5, 6, 0})), buildPcx(rgb)}) {
        ASSERT_NO_THROW(decodePcx(file));
        for (size_t n = 0; n < file.size(); ++n) {
            EXPECT_THROW(decodePcx({file.data(), n}), ImageError) << "first " << n << " of " << file.size();
        }
    }
}

TEST(PcxMalformed, MissingOrMisplacedPaletteMarker) {
    PcxSample s = vga(2, 1, {1, 2});
    s.tail[0] = 0x0D;
    expectRejected(s, "no 0x0C marker");
    s.tail.pop_back();  // the marker is looked for exactly 769 bytes from the end
    s.tail[0] = 0x0C;
    expectRejected(s, "no 0x0C marker");
    s.tail.clear();
    expectRejected(s, "no 0x0C marker");
}

TEST(PcxMalformed, SizesAndLayoutsTheReaderRefuses) {
    const std::vector<uint8_t> data(64, 0);
    expectRejected(PcxSample{.version = 1, .data = data}, "version 1");
    expectRejected(PcxSample{.encoding = 0, .data = data}, "encoding 0");
    expectRejected(PcxSample{.bitsPerPixel = 2, .data = data}, "2 bits x 1 planes");
    expectRejected(PcxSample{.planes = 4, .data = data}, "8 bits x 4 planes");
    expectRejected(PcxSample{.bitsPerPixel = 1, .planes = 3, .data = data}, "1 bits x 3 planes");
    expectRejected(PcxSample{.planes = 3, .width = 40000, .data = data}, "larger than supported");
    expectRejected(PcxSample{.planes = 3, .xMin = 5, .width = 0, .data = data}, "no pixels");
    expectRejected(PcxSample{.planes = 3, .width = 9, .bytesPerLine = 8, .data = data}, "8 bytes a line cannot hold 9");
    expectRejected(PcxSample{.bitsPerPixel = 1, .width = 17, .bytesPerLine = 2, .data = data}, "cannot hold 17");
    // Within the limits, but 64 bytes of runs cannot fill 60 million pixels.
    expectRejected(PcxSample{.planes = 3, .width = 30000, .height = 2000, .data = data}, "truncated");
    auto notPcx = buildPcx(PcxSample{.planes = 3, .data = data});
    notPcx[0] = 0x0B;
    EXPECT_THROW(decodePcx(notPcx), ImageError);
}

// The smallest fuzzer input for each distinct rejection it reached, kept so none regresses into a crash.
TEST(PcxMalformed, InputsTheFuzzerReachedAreRejected) {
    EXPECT_GT(vortel::testing::replayMalformed("pcx", [](auto bytes) { decodePcx(bytes); }), 0u);
}
