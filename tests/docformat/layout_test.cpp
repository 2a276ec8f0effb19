// The bytes a document and the style files are made of, at the offsets the format fixes.
#include <gtest/gtest.h>

#include <cmath>

#include "document/Document.h"
#include "document/ImageJpeg.h"
#include "engine/Real48.h"
#include "tests/docformat/DocumentTesting.h"

using namespace vortel;
using namespace vortel::testing;

namespace {

constexpr size_t Fixed = 2506;
constexpr size_t GuideSection = 4 * (2 * 8 + 100) + 2 + 2 * (10 * 8 + 100);

}  // namespace

TEST(DocumentLayout, NewDocumentIsFixedPartPointListsAndPreview) {
    TFontFX engine(testRect());
    const auto file = encodeDocument(engine, gradientPicture(400, 300));

    EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "VTL\x01\x01\x01\x01 ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[100])), "Vortel");
    EXPECT_TRUE(allZero(file, 106, 452 - 6));
    EXPECT_EQ(le32(file, 600), 400u);
    EXPECT_EQ(le32(file, 604), 300u);
    EXPECT_EQ(le16(file, 608), 0x0811);
    EXPECT_EQ(int32_t(le32(file, 610)), 120);             // font height
    EXPECT_EQ(le32(file, 610 + 16), 700u);                 // weight
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[610 + 28])), "Arial");
    for (size_t run : {678, 1076, 1474, 1560, 1950, 2020, 2098, 2112, 2430, 2488}) {
        EXPECT_TRUE(allZero(file, run, 10)) << "run at " << run;
    }
    EXPECT_EQ(file[688], 2);                                // text surface: solid colour
    EXPECT_EQ(le32(file, 688 + 268), engine.TextFill.FillColor);
    EXPECT_EQ(le32(file, 1086 + 268), engine.BackFill.FillColor);
    EXPECT_EQ(int32_t(le32(file, 1484 + 8)), -1);           // no shadow
    EXPECT_EQ(file[1484 + 20], 129);                        // intensity 1.0 as a 6-byte real
    EXPECT_EQ(le32(file, 1570 + 4), 500u);
    EXPECT_EQ(le32(file, 1570 + 316), 140u);                // bevel height
    EXPECT_EQ(le32(file, 1960 + 4), 100u);                  // outline step
    for (size_t g = 0; g < 4; ++g) EXPECT_EQ(le16(file, 2498 + 2 * g), 2);

    size_t at = Fixed;
    for (int g = 0; g < 4; ++g, at += 116) EXPECT_TRUE(allZero(file, at + 16, 100));
    EXPECT_EQ(file[at], 10);
    EXPECT_EQ(file[at + 1], 10);
    EXPECT_EQ(int32_t(le32(file, at + 2)), -500);           // first point of the horizontal curve
    EXPECT_TRUE(allZero(file, at + 2 + 80, 100));

    const size_t preview = Fixed + GuideSection;
    EXPECT_EQ(le32(file, 580), preview);
    const uint32_t length = le32(file, preview);
    ASSERT_EQ(file.size(), preview + 4 + length + 4 + 100);
    EXPECT_EQ(le32(file, preview + 4 + length), length);
    EXPECT_TRUE(allZero(file, file.size() - 100, 100));

    const Bitmap small = decodeJpeg(std::span(file).subspan(preview + 4, length));
    EXPECT_EQ(small.width, 200);
    EXPECT_EQ(small.height, 150);
    const auto read = decodeDocumentPreview(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->width, 200);
}

TEST(DocumentLayout, PreviewHalvesUntilSmallEnough) {
    EXPECT_EQ(previewSize(400, 300), std::make_pair(200, 150));
    EXPECT_EQ(previewSize(200, 200), std::make_pair(200, 200));
    EXPECT_EQ(previewSize(1920, 1080), std::make_pair(240, 135));
    EXPECT_EQ(previewSize(225, 200), std::make_pair(225, 200));  // exactly 45000 stays
    EXPECT_EQ(previewSize(20000, 3), std::make_pair(10000, 1));
    EXPECT_EQ(previewSize(30000, 2), std::make_pair(15000, 1));
    const Bitmap thin = decodeJpeg(makePreviewJpeg(gradientPicture(20000, 3)));
    EXPECT_EQ(thin.width, 10000);
    EXPECT_EQ(thin.height, 1);
}

TEST(DocumentLayout, StyleFilesHaveTheirFixedSizes) {
    TFontFX engine(testRect());
    EXPECT_EQ(encodeStyle(engine, StyleKind::Color).size(), 130u);
    EXPECT_EQ(encodeStyle(engine, StyleKind::Bevel).size(), 380u);
    EXPECT_EQ(encodeStyle(engine, StyleKind::Shadow).size(), 76u);
    EXPECT_EQ(encodeStyle(engine, StyleKind::Deform).size(), 48u + 10 + 8 + 4 * (16 + 10) + 2 + 2 * (80 + 10));

    setEverything(engine);
    const auto color = encodeStyle(engine, StyleKind::Color);
    EXPECT_EQ(color[0], 3);                                 // text surface kind first
    EXPECT_EQ(color[65], 1);                                // then the background's
    EXPECT_EQ(le32(color, 65 + 1 + 4 + 8), 4u);             // its gradient style
    EXPECT_EQ(le32(color, 65 + 1 + 4 + 16 + 8), 0x123456u); // its third colour

    const auto bevel = encodeStyle(engine, StyleKind::Bevel);
    EXPECT_EQ(bevel[308], 2);                               // index of the last profile point
    EXPECT_EQ(le32(bevel, 8 + 28), 400u);                   // point 1: x, then y
    EXPECT_EQ(le32(bevel, 8 + 28 + 4), 250u);
}

TEST(DocumentLayout, SixByteRealsHoldTheShadowIntensity) {
    EXPECT_EQ(toReal48(1.0), (Real48{129, 0, 0, 0, 0, 0}));
    EXPECT_EQ(toReal48(0.5), (Real48{128, 0, 0, 0, 0, 0}));
    EXPECT_EQ(toReal48(-2.0), (Real48{130, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(toReal48(0.0), Real48{});
    EXPECT_EQ(toReal48(std::nan("")), Real48{});
    EXPECT_EQ(toReal48(1.5)[5], 0x40);
    for (double v : {0.37, 1.0 / 3, 0.999, 123456.789, -0.25}) {
        const double once = fromReal48(toReal48(v));
        EXPECT_NEAR(once, v, std::abs(v) * 1e-11);
        EXPECT_EQ(toReal48(once), toReal48(v));
    }
    EXPECT_EQ(fromReal48(toReal48(1e300)), fromReal48(Real48{255, 255, 255, 255, 255, 0x7F}));
}

// From the moment it is set, however it is set, the shadow intensity is the value its 6-byte real
// gives back, so saving and reading it changes nothing.
TEST(DocumentLayout, TheShadowIntensityHoldsOnlyWhatItsSixByteRealHolds) {
    for (const double v : {0.7, 0.8, 1.0 / 3, 0.65, -0.25, 1e-300, 1e300, std::nan("")}) {
        SCOPED_TRACE(v);
        ShadowParams assigned;
        assigned.ShadowIntensity = v;
        const ShadowParams listed{0, 0, -1, 40, 100, v, 0};
        ShadowParams copied;
        copied.ShadowIntensity = listed.ShadowIntensity;
        const ShadowParams* const ways[] = {&assigned, &listed, &copied};
        for (const ShadowParams* s : ways) {
            const double held = s->ShadowIntensity;
            EXPECT_EQ(fromReal48(toReal48(held)), held);
            EXPECT_EQ(toReal48(held), toReal48(v));
        }
    }
}
