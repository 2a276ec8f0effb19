// The generator's parts: the bitmap writers against our reader, the palette reduction, the
// tiling noise, and the table writer.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "document/ImageBmp.h"
#include "reslib/generator/BmpWriters.h"
#include "reslib/generator/Noise.h"
#include "reslib/generator/Quantize.h"
#include "reslib/generator/ResourceSet.h"
#include "tests/reslib/StockImages.h"

namespace {

using namespace vortel::resgen;
using vortel::testing::pixelAt;

// Widths around the byte and the four-byte row padding.
const std::pair<int32_t, int32_t> awkwardSizes[] = {{1, 8}, {7, 3}, {8, 8}, {9, 2}, {30, 27}, {33, 1}, {1, 1}};

TEST(BmpWriters, OneBitPatternsReadBackPixelForPixel) {
    for (const auto& [w, h] : awkwardSizes) {
        Bilevel pattern{w, h, std::vector<uint8_t>(size_t(w) * size_t(h))};
        for (size_t i = 0; i < pattern.ink.size(); ++i) pattern.ink[i] = hashPoint(int32_t(i), w, h) & 1;
        const auto file = encodeBmp1(pattern);
        EXPECT_EQ(file.size(), 62 + size_t((w + 31) / 32 * 4) * size_t(h)) << w << "x" << h;
        const vortel::Bitmap back = vortel::decodeBmp(file);
        ASSERT_EQ(back.width, w);
        ASSERT_EQ(back.height, h);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                EXPECT_EQ(pixelAt(back, x, y)[1], pattern.ink[size_t(y) * size_t(w) + size_t(x)] ? 0 : 255)
                    << w << "x" << h << " at " << x << "," << y;
    }
}

TEST(BmpWriters, EightBitPicturesReadBackThroughThePalette) {
    const PaletteBgr palette = {{0, 0, 0}, {10, 20, 30}, {255, 128, 1}, {7, 7, 7}, {200, 100, 50}};
    for (const auto& [w, h] : awkwardSizes) {
        IndexedImage image{w, h, std::vector<uint8_t>(size_t(w) * size_t(h)), palette};
        for (size_t i = 0; i < image.indices.size(); ++i)
            image.indices[i] = uint8_t(hashPoint(int32_t(i), h, w) % palette.size());
        const vortel::Bitmap back = vortel::decodeBmp(encodeBmp8(image));
        ASSERT_EQ(back.width, w);
        ASSERT_EQ(back.height, h);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                const auto& expected = palette[image.indices[size_t(y) * size_t(w) + size_t(x)]];
                const uint8_t* got = pixelAt(back, x, y);
                EXPECT_TRUE(got[0] == expected[0] && got[1] == expected[1] && got[2] == expected[2])
                    << w << "x" << h << " at " << x << "," << y;
            }
    }
}

TEST(BmpWriters, RefuseWhatTheyCannotWrite) {
    EXPECT_THROW(encodeBmp1({2, 2, std::vector<uint8_t>(3)}), std::invalid_argument);
    EXPECT_THROW(encodeBmp1({0, 2, {}}), std::invalid_argument);
    EXPECT_THROW(encodeBmp8({1, 1, {0}, {}}), std::invalid_argument);
    EXPECT_THROW(encodeBmp8({1, 1, {0}, PaletteBgr(257)}), std::invalid_argument);
    EXPECT_THROW(encodeBmp8({1, 1, {2}, PaletteBgr(2)}), std::invalid_argument);
}

vortel::Bitmap picture(int32_t w, int32_t h, const std::function<std::array<uint8_t, 3>(int32_t, int32_t)>& colour) {
    vortel::Bitmap b{w, h, std::vector<uint8_t>(size_t(w) * size_t(h) * 3)};
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const auto c = colour(x, y);
            std::copy(c.begin(), c.end(), b.bgr.begin() + (ptrdiff_t(y) * w + x) * 3);
        }
    return b;
}

TEST(Quantize, KeepsAFewColoursExactly) {
    const vortel::Bitmap five = picture(13, 7, [](int32_t x, int32_t y) {
        const uint8_t k = uint8_t((x + 2 * y) % 5);
        return std::array<uint8_t, 3>{uint8_t(k * 50), uint8_t(255 - k * 40), uint8_t(k * 7)};
    });
    const IndexedImage out = quantize(five, 256);
    EXPECT_EQ(out.palette.size(), 5u);
    for (size_t i = 0; i < out.indices.size(); ++i) {
        const auto& c = out.palette[out.indices[i]];
        EXPECT_TRUE(c[0] == five.bgr[3 * i] && c[1] == five.bgr[3 * i + 1] && c[2] == five.bgr[3 * i + 2]) << i;
    }
}

TEST(Quantize, FitsManyColoursIntoThePaletteClosely) {
    const vortel::Bitmap ramp = picture(256, 8, [](int32_t x, int32_t y) {
        return std::array<uint8_t, 3>{uint8_t(x), uint8_t(255 - x), uint8_t(y * 30)};
    });
    const IndexedImage out = quantize(ramp, 64);
    EXPECT_LE(out.palette.size(), 64u);
    double error = 0;
    for (size_t i = 0; i < out.indices.size(); ++i)
        for (size_t c = 0; c < 3; ++c) error += std::abs(out.palette[out.indices[i]][c] - ramp.bgr[3 * i + c]);
    EXPECT_LT(error / double(ramp.bgr.size()), 9.0);
    const IndexedImage again = quantize(ramp, 64);
    EXPECT_EQ(again.indices, out.indices);
    EXPECT_EQ(again.palette, out.palette);
    EXPECT_THROW(quantize(ramp, 0), std::invalid_argument);
    EXPECT_THROW(quantize(ramp, 257), std::invalid_argument);
}

// Noise repeats exactly over the tile, on odd and oblong sizes and at every octave.
TEST(Noise, RepeatsWithTheTile) {
    for (const Tile tile : {Tile{100, 60}, Tile{16, 32}, Tile{110, 147}}) {
        const Noise noise(tile, 17, 9, 5);
        const CellNoise cells(tile, 11, 6, 1.0), staggered(tile, 13, 7, 0.5, true);
        double lowest = 1, highest = -1;
        for (double y = -3.25; y < tile.height; y += 7.5) {
            for (double x = -2.5; x < tile.width; x += 6.75) {
                for (const auto& [dx, dy] :
                     {std::pair{tile.width, 0}, std::pair{0, tile.height}, std::pair{-tile.width, 2 * tile.height}}) {
                    EXPECT_NEAR(noise.fbm(x, y, 5), noise.fbm(x + dx, y + dy, 5), 1e-9);
                    EXPECT_NEAR(noise.turbulence(x, y, 3), noise.turbulence(x + dx, y + dy, 3), 1e-9);
                    for (const CellNoise* c : {&cells, &staggered}) {
                        const CellHit a = c->at(x, y), b = c->at(x + dx, y + dy);
                        EXPECT_NEAR(a.f1, b.f1, 1e-9);
                        EXPECT_NEAR(a.f2, b.f2, 1e-9);
                        EXPECT_EQ(a.id, b.id);
                    }
                }
            }
        }
        for (int32_t y = 0; y < tile.height; ++y)
            for (int32_t x = 0; x < tile.width; ++x) {
                lowest = std::min(lowest, noise.fbm(x, y, 3));
                highest = std::max(highest, noise.fbm(x, y, 3));
            }
        EXPECT_GT(highest - lowest, 0.8) << "noise without variation";
    }
}

TEST(Noise, CellCountsAreWholeMultiples) {
    EXPECT_EQ(cellsAcross(128, 2.5, 4), 52);
    EXPECT_EQ(cellsAcross(16, 100), 1);
    EXPECT_EQ(cellsAcross(16, 100, 2), 2);
    EXPECT_EQ(cellsAcross(72, 24, 2), 4);
}

// Reads the octal escapes of the generated arrays back into bytes.
std::vector<uint8_t> escapedBytes(const std::string& source) {
    std::vector<uint8_t> bytes;
    for (size_t i = source.find("[] =\n"); i + 3 < source.size() && source.compare(i, 6, "    ;\n") != 0; ++i) {
        if (source[i] == '\\') {
            bytes.push_back(uint8_t(std::stoi(source.substr(i + 1, 3), nullptr, 8)));
            i += 3;
        }
    }
    return bytes;
}

TEST(ResourceSet, TableSourceCarriesEveryByteValue) {
    std::vector<uint8_t> all(256);
    for (size_t i = 0; i < all.size(); ++i) all[i] = uint8_t(i);
    ResourceSet set;
    set.add("BITMAP", "ALL_BYTES", all);
    std::ostringstream source;
    writeTableSource(set, source);
    EXPECT_EQ(escapedBytes(source.str()), all);
    EXPECT_NE(source.str().find("{\"BITMAP\", \"ALL_BYTES\", resource0, 256u}"), std::string::npos);
    EXPECT_NE(source.str().find("vortelStockTable = {1u, entries}"), std::string::npos);
}

TEST(ResourceSet, RefusesWhatWouldShadowOrBreakTheTable) {
    ResourceSet set;
    set.add("JPG", "JPG_01", {1});
    EXPECT_THROW(set.add("jpg", "jpg_01", {2}), std::invalid_argument);  // lookups ignore case
    EXPECT_NO_THROW(set.add("BITMAP", "JPG_01", {3}));                   // another type is another resource
    EXPECT_THROW(set.add("JPG", "JPG_02", {}), std::invalid_argument);
    EXPECT_THROW(set.add("JPG", "JPG \"02", {1}), std::invalid_argument);
    EXPECT_THROW(set.add("", "X", {1}), std::invalid_argument);
    EXPECT_EQ(set.resources().size(), 2u);
    std::ostringstream empty;
    writeTableSource(ResourceSet{}, empty);
    EXPECT_NE(empty.str().find("vortelStockTable = {0, nullptr}"), std::string::npos);
}

TEST(ResourceSet, NamesArePaddedAsTheProgramFormatsThem) {
    EXPECT_EQ(indexedName("JPG_", 7), "JPG_07");
    EXPECT_EQ(indexedName("IMPRINT_X", 15), "IMPRINT_X15");
    EXPECT_EQ(indexedName("STYLE_", 2, 3), "STYLE_002");
}

}  // namespace
