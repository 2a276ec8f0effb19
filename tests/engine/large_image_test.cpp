// Work images up to 10000 pixels a side: the warp's dense guide lists grow with the image, while a
// runaway guide is still refused; a very long word still gets a guide rectangle to warp into.
#include <gtest/gtest.h>

#include <string>

#include "EngineFixture.h"

namespace vortel::test {

namespace {

// The layout only records a path, so a small canvas serves any work image size.
struct LargeRig {
    LargeRig(int32_t w, int32_t h) : engine(Rect{0, 0, w, h}), canvas(16, 16) { engine.setMessages(&messages); }
    bool extractAndWarp() { return engine.GetPointsAndTypes(canvas, false) && engine.CalcVortel(0); }
    void setGuides(const std::array<std::vector<Point>, 4>& guides) {
        for (int g = 0; g < 4; ++g) {
            engine.GuidePoints[g] = guides[g];
            engine.NumGuidePoints[g] = static_cast<uint16_t>(guides[g].size());
        }
    }
    TFontFX engine;
    Canvas canvas;
    RecordingMessages messages;
};

TEST(LargeImage, DenseGuideCapacityFollowsTheImage) {
    struct Case {
        int32_t w, h;
        int64_t capacity;
    };
    const Case cases[] = {
        {450, 200, 65535}, {0, 0, 65535}, {-5, 3, 65535}, {1920, 1080, 300000}, {10000, 10000, 2000000},
    };
    for (const auto& c : cases) EXPECT_EQ(boundsPointsCapacity(c.w, c.h), c.capacity) << c.w << "x" << c.h;
}

TEST(LargeImage, DefaultGuidesWarpAtEverySize) {
    struct Case {
        int32_t w, h;
    };
    const Case cases[] = {{3840, 2160}, {8192, 8192}, {10000, 10000}, {10000, 40}, {40, 10000}};
    for (const auto& c : cases) {
        LargeRig rig(c.w, c.h);
        ASSERT_TRUE(rig.extractAndWarp()) << c.w << "x" << c.h;
        EXPECT_TRUE(rig.messages.entries.empty()) << c.w << "x" << c.h << ": " << rig.messages.entries[0].text;
        const Rect& b = rig.engine.WarpedBounds;
        // The default text fills most of the width of a wide picture, and stays inside it.
        EXPECT_GT(b.width(), c.w / 3) << c.w << "x" << c.h;
        EXPECT_GE(b.left, 0);
        EXPECT_LE(b.right, c.w + 1);
    }
}

TEST(LargeImage, ARunawayGuideIsStillRefused) {
    struct Case {
        const char* name;
        int32_t size;
        int zigzags;  // trips across the picture of the upper guide
        bool refused;
    };
    const Case cases[] = {
        {"a few trips on a large picture", 10000, 4, false},
        {"hundreds of trips on a large picture", 10000, 200, true},
        {"thirty trips on a small picture", 450, 30, true},
    };
    for (const auto& c : cases) {
        LargeRig rig(c.size, c.size);
        ASSERT_TRUE(rig.engine.GetPointsAndTypes(rig.canvas, false));
        const int32_t lo = c.size / 10, hi = c.size - lo;
        auto guides = rectangleGuides(lo, lo, hi, hi);
        std::vector<Point> upper = {{lo, lo}};
        for (int i = 0; i < c.zigzags; ++i) upper.push_back(Point{i % 2 ? lo : hi, lo});
        upper.push_back(Point{hi, lo});
        guides[0] = upper;
        rig.setGuides(guides);
        EXPECT_EQ(!rig.engine.CalcVortel(0), c.refused) << c.name;
        EXPECT_EQ(rig.messages.entries.size(), c.refused ? 1u : 0u) << c.name;
    }
}

TEST(LargeImage, AVeryLongWordIsDrawnSmallInsteadOfRefused) {
    struct Case {
        size_t letters;
        int32_t w, h;
    };
    const Case cases[] = {{500, 450, 200}, {5000, 450, 200}, {5000, 1920, 1080}};
    for (const auto& c : cases) {
        LargeRig rig(c.w, c.h);
        rig.engine.Text = std::string(c.letters, 'x');
        ASSERT_TRUE(rig.extractAndWarp()) << c.letters << " letters on " << c.w << "x" << c.h;
        const Rect& b = rig.engine.WarpedBounds;
        EXPECT_GT(b.width(), c.w * 8 / 10) << c.letters;
        EXPECT_GE(b.height(), 2) << c.letters;
        EXPECT_LT(b.height(), c.h / 4) << c.letters;
    }
}

}  // namespace

}  // namespace vortel::test
