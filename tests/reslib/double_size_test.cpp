// The twins at twice the size of the pictures the program shows at a size of their own: one for
// every picture, of the same kind, exactly twice as wide and high, and showing the same thing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "platform/Resources.h"
#include "reslib/generator/ResourceSet.h"
#include "reslib/vortelres.h"
#include "tests/reslib/StockImages.h"

namespace {

using namespace vortel::testing;
using vortel::resgen::indexedName;

// Mean absolute channel difference between `one` and `twice` reduced by averaging 2 x 2 blocks.
double meanDifferenceAtHalf(const vortel::Bitmap& one, const vortel::Bitmap& twice) {
    double sum = 0;
    for (int32_t y = 0; y < one.height; ++y)
        for (int32_t x = 0; x < one.width; ++x)
            for (int k = 0; k < 3; ++k) {
                const int block = pixelAt(twice, 2 * x, 2 * y)[k] + pixelAt(twice, 2 * x + 1, 2 * y)[k] +
                                  pixelAt(twice, 2 * x, 2 * y + 1)[k] + pixelAt(twice, 2 * x + 1, 2 * y + 1)[k];
                sum += std::abs(block / 4.0 - pixelAt(one, x, y)[k]);
            }
    return sum / (3.0 * one.width * one.height);
}

TEST(DoubleSize, EveryShownPictureHasATwinOfTwiceItsSizeShowingTheSame) {
    // `limit` is the mean difference allowed at half size: the preset pictures come from the same
    // render and differ by their palettes only; gradients and the logo are drawn again at the
    // larger size, so hard band edges and letter outlines move by a fraction of a pixel. Every
    // limit lies well below the difference between neighbouring entries of a family.
    const struct {
        const char* prefix;
        int first, count, digits;
        double limit;
    } families[] = {
        {"STYLE_", 2, 45, 3, 5}, {"DEFORM_", 1, 30, 2, 1}, {"BEVEL_", 1, 18, 2, 1},
        {"SHADOW_", 1, 12, 2, 1}, {"FRAME_", 1, 18, 2, 1},   {"OUT_", 1, 13, 2, 1},
        {"FARBVERL_", 1, 15, 2, 25}, {"COLORMAP", 0, 1, 0, 2}, {"VORTEL", 0, 1, 0, 12},
    };
    for (const auto& f : families) {
        for (int i = f.first; i < f.first + f.count; ++i) {
            const std::string name = f.digits ? indexedName(f.prefix, i, f.digits) : f.prefix;
            const std::string twin = name + std::string(vortel::DoubleSizeSuffix);
            ASSERT_TRUE(vortel::findResource(GetDLLHandle(), "BITMAP", twin)) << twin << " is missing";
            EXPECT_EQ(stockBitmapHeader(twin).bitCount, stockBitmapHeader(name).bitCount) << twin;
            const vortel::Bitmap one = stockBitmap(name), twice = stockBitmap(twin);
            ASSERT_EQ(twice.width, 2 * one.width) << twin;
            ASSERT_EQ(twice.height, 2 * one.height) << twin;
            EXPECT_LT(meanDifferenceAtHalf(one, twice), f.limit) << twin << " shows something else than " << name;
        }
    }
}

}  // namespace
