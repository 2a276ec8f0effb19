// GIF frames decoded against known pixels on their logical screen, and broken files rejected.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/ImageGif.h"
#include "tests/document/CodecBytes.h"
#include "tests/document/ImageBytes.h"

using vortel::decodeGif;
using vortel::ImageError;
using vortel::testing::buildGif;
using vortel::testing::GifFrameSample;
using vortel::testing::GifSample;
using vortel::testing::hasPixels;
using vortel::testing::Rows;

namespace {

const std::vector<vortel::testing::Rgb> fourColours = {{0, 0, 0}, {0xFF, 0, 0}, {0, 0xFF, 0}, {0, 0, 0xFF}};
constexpr uint32_t fourRgb[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

// One frame covering the whole screen, with pixel (x, y) = index (x + 2y) % 4.
GifSample diagonal(uint16_t width, uint16_t height) {
    GifFrameSample frame{.width = width, .height = height};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) frame.pixels.push_back(uint8_t((x + 2 * y) % 4));
    }
    return GifSample{.width = width, .height = height, .globalMap = fourColours, .frames = {frame}};
}

Rows diagonalRows(int width, int height) {
    Rows rows(static_cast<size_t>(height), std::vector<uint32_t>(static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) rows[size_t(y)][size_t(x)] = fourRgb[(x + 2 * y) % 4];
    }
    return rows;
}

void expectRejected(const GifSample& sample, const std::string& words) {
    try {
        decodeGif(buildGif(sample));
        ADD_FAILURE() << "accepted; expected an error about " << words;
    } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

}  // namespace

TEST(GifDecode, GlobalColourMapAtAwkwardSizes) {
    for (const auto& [w, h] : {std::pair{1, 1}, {1, 7}, {7, 1}, {13, 5}}) {
        EXPECT_TRUE(hasPixels(decodeGif(buildGif(diagonal(uint16_t(w), uint16_t(h)))), diagonalRows(w, h)))
            << w << "x" << h;
    }
}

TEST(GifDecode, SmallestCodeSizeAndOldVersion) {
    GifSample s = diagonal(13, 5);
    s.version = "GIF87a";
    s.frames[0].minCodeSize = 2;
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), diagonalRows(13, 5)));
}

TEST(GifDecode, LocalColourMapWinsOverTheGlobalOne) {
    GifSample s = diagonal(2, 1);
    s.frames[0].localMap = {{0x12, 0x34, 0x56}, {0xAB, 0xCD, 0xEF}};
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), {{0x123456, 0xABCDEF}}));
    s.globalMap.clear();
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), {{0x123456, 0xABCDEF}}));
}

TEST(GifDecode, TransparentPixelsAreWhite) {
    GifSample s = diagonal(4, 1);
    s.frames[0].transparent = 0;
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), {{0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF}}));
    s.frames[0].transparent = 9;  // names no colour in use: nothing is transparent
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), {{0x000000, 0xFF0000, 0x00FF00, 0x0000FF}}));
}

TEST(GifDecode, InterlacedRowsLandInPlace) {
    // Nine rows are stored in the pass order 0 8 | 4 | 2 6 | 1 3 5 7; stored row k has colour k % 4.
    GifFrameSample frame{.width = 1, .height = 9, .interlaced = true, .pixels = {0, 1, 2, 3, 0, 1, 2, 3, 0}};
    const GifSample s{.width = 1, .height = 9, .globalMap = fourColours, .frames = {frame}};
    const int storedAt[9] = {0, 5, 3, 6, 2, 7, 4, 8, 1};  // row y was the storedAt[y]-th row written
    Rows rows;
    for (const int k : storedAt) rows.push_back({fourRgb[k % 4]});
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), rows));
}

TEST(GifDecode, FrameIsClippedToTheScreenAndTheRestIsWhite) {
    GifFrameSample frame{.left = 2, .top = 1, .width = 3, .height = 3, .pixels = {1, 1, 1, 2, 2, 2, 3, 3, 3}};
    const GifSample s{.width = 4, .height = 3, .globalMap = fourColours, .frames = {frame}};
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), {{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
                                                   {0xFFFFFF, 0xFFFFFF, 0xFF0000, 0xFF0000},
                                                   {0xFFFFFF, 0xFFFFFF, 0x00FF00, 0x00FF00}}));
    GifFrameSample outside{.left = 9, .top = 0, .width = 1, .height = 1, .pixels = {1}};
    const GifSample offScreen{.width = 2, .height = 1, .globalMap = fourColours, .frames = {outside}};
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(offScreen)), {{0xFFFFFF, 0xFFFFFF}}));
}

TEST(GifDecode, OnlyTheFirstFrameIsDrawn) {
    GifSample s = diagonal(2, 2);
    s.frames.push_back(GifFrameSample{.width = 2, .height = 2, .pixels = {3, 3, 3, 3}});
    s.frames[1].pixels.resize(1);  // a damaged later frame does not matter either
    EXPECT_TRUE(hasPixels(decodeGif(buildGif(s)), diagonalRows(2, 2)));
}

TEST(GifMalformed, EveryTruncationBeforeTheTrailerIsAnError) {
    GifSample s = diagonal(5, 3);
    s.frames[0].transparent = 1;
    const auto file = buildGif(s);
    ASSERT_NO_THROW(decodeGif(file));
    // The trailer byte alone may go: the frame is complete without it.
    EXPECT_NO_THROW(decodeGif({file.data(), file.size() - 1}));
    for (size_t n = 0; n + 1 < file.size(); ++n) {
        EXPECT_THROW(decodeGif({file.data(), n}), ImageError) << "first " << n << " of " << file.size();
    }
}

TEST(GifMalformed, MissingColourMapOrIndexOutsideIt) {
    GifSample noMap = diagonal(2, 1);
    noMap.globalMap.clear();
    expectRejected(noMap, "colour map");
    GifSample twoColours = diagonal(4, 1);  // indices up to 3 into a map of 2
    twoColours.globalMap.resize(2);
    expectRejected(twoColours, "colour index 2 is out of range");
}

TEST(GifMalformed, SizesBeyondTheLimitsOrEmpty) {
    GifSample wide = diagonal(1, 1);
    wide.width = 40000;
    expectRejected(wide, "larger than supported");
    GifSample empty = diagonal(1, 1);
    empty.height = 0;
    expectRejected(empty, "no pixels");
    GifSample bigFrame = diagonal(1, 1);
    bigFrame.frames[0].width = 12000;
    bigFrame.frames[0].height = 12000;
    expectRejected(bigFrame, "frame: image of 12000x12000");
    GifSample emptyFrame = diagonal(1, 1);
    emptyFrame.frames[0].width = 0;
    expectRejected(emptyFrame, "frame: image has no pixels");
}

TEST(GifMalformed, NoImage) { expectRejected(GifSample{.globalMap = fourColours}, "no image"); }

// The smallest fuzzer input for each distinct rejection it reached, kept so none regresses into a crash.
TEST(GifMalformed, InputsTheFuzzerReachedAreRejected) {
    EXPECT_GT(vortel::testing::replayMalformed("gif", [](auto bytes) { decodeGif(bytes); }), 0u);
}
