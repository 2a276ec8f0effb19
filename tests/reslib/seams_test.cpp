// Every stock texture must tile without a visible seam: the step from the last column to the
// first (and the last row to the first) may be no rougher than the texture's own steps.
#include <gtest/gtest.h>

#include "reslib/generator/ResourceSet.h"
#include "reslib/vortelres.h"
#include "tests/reslib/StockImages.h"

namespace {

using namespace vortel::testing;

TEST(Seams, MeasureFlagsAPictureThatDoesNotRepeat) {
    // A ramp across the tile: smooth inside, a jump from bright to dark at the wrap.
    vortel::Bitmap ramp{128, 16, std::vector<uint8_t>(128 * 16 * 3)};
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 128; ++x)
            for (int c = 0; c < 3; ++c) ramp.bgr[(size_t(y) * 128 + size_t(x)) * 3 + size_t(c)] = uint8_t(x * 2);
    EXPECT_FALSE(looksSeamless(columnSeam(ramp)));
    EXPECT_TRUE(looksSeamless(rowSeam(ramp)));
}

TEST(Seams, EveryTextureTilesWithoutASeam) {
    for (int i = 1; i <= GetMaxTextureFromDLL(); ++i) {
        const std::string name = vortel::resgen::indexedName("JPG_", i);
        const vortel::Bitmap tile = stockJpeg(name);
        const SeamMeasure across = columnSeam(tile), down = rowSeam(tile);
        EXPECT_TRUE(looksSeamless(across))
            << name << ": wrap step " << across.wrap << " against " << across.interior << " inside, left to right";
        EXPECT_TRUE(looksSeamless(down)) << name << ": wrap step " << down.wrap << " against " << down.interior
                                         << " inside, top to bottom";
    }
}

}  // namespace
