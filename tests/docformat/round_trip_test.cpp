// Write, read, write: the same bytes, the same images, the same text.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/Document.h"
#include "document/DocumentFormat.h"
#include "document/ImageBmp.h"
#include "document/ImageJpeg.h"
#include "engine/Real48.h"
#include "document/StockResources.h"
#include "tests/docformat/DocumentTesting.h"

using namespace vortel;
using namespace vortel::testing;

namespace {

// Everything before the preview section; the preview's JPEG is made afresh on every write.
std::vector<uint8_t> beforePreview(const std::vector<uint8_t>& file) {
    return std::vector<uint8_t>(file.begin(), file.begin() + le32(file, 580));
}

std::vector<uint8_t> rewrite(const std::vector<uint8_t>& file, TFontFX& into) {
    decodeDocument(into, file, "test.vtl");
    return encodeDocument(into, gradientPicture(into.ImageRect.width(), into.ImageRect.height()));
}

}  // namespace

TEST(DocumentRoundTrip, EveryGroupComesBackByteForByte) {
    TFontFX engine(testRect());
    setEverything(engine);
    const auto first = encodeDocument(engine, gradientPicture(450, 200));
    TFontFX back(Rect{0, 0, 10, 10});
    const auto second = rewrite(first, back);
    EXPECT_EQ(beforePreview(first), beforePreview(second));
    EXPECT_EQ(back.ImageRect.width(), 450);
    EXPECT_EQ(back.Text, engine.Text);
    EXPECT_EQ(back.NumGuidePoints[0], 5);
    EXPECT_EQ(back.GuidePoints[2][1].y, 195);
    EXPECT_DOUBLE_EQ(back.Shadow.ShadowIntensity, fromReal48(toReal48(0.37)));
    EXPECT_EQ(back.Bevel.Points[1].Color, 0xABCDEFu);
    EXPECT_EQ(back.Print.Options, PrintKeepAspect | PrintCentre);
    EXPECT_EQ(back.Modified, 0);
    ASSERT_TRUE(back.TextFill.Texture && back.BackFill.Texture && back.Imprint.ImprintBitmap);
    EXPECT_TRUE(back.TextFill.Texture->empty());  // no texture in use: an empty bitmap, never none

    for (auto kind : {StyleKind::Deform, StyleKind::Bevel, StyleKind::Color, StyleKind::Shadow}) {
        TFontFX fresh(testRect());
        decodeStyle(fresh, encodeStyle(engine, kind), kind, "style");
        EXPECT_EQ(encodeStyle(fresh, kind), encodeStyle(engine, kind)) << int(kind);
    }
}

TEST(DocumentRoundTrip, TextureFilesAndImprintTravelInside) {
    ScratchDir dir;
    const Bitmap bmpTexture = gradientPicture(13, 7);
    const auto jpegBytes = encodeJpeg(gradientPicture(32, 16), 90);
    writeAll(dir.file("wood.bmp"), encodeBmp(bmpTexture));
    writeAll(dir.file("Marble.JPG"), jpegBytes);

    TFontFX engine(testRect());
    engine.setTexture(0, std::make_shared<Bitmap>(bmpTexture), dir.file("wood.bmp"));
    engine.setFillKind(0, 0);
    engine.setTexture(1, std::make_shared<Bitmap>(decodeJpeg(jpegBytes)), dir.file("Marble.JPG"));
    engine.setFillKind(1, 0);
    engine.setImprint(true, std::make_shared<Bitmap>(gradientPicture(8, 8)), "*IMPRINT_01");
    const auto first = encodeDocument(engine, gradientPicture(450, 200));

    // The JPEG goes in as the file's own bytes under its bare name.
    const std::string whole(first.begin(), first.end());
    const auto named = whole.find("Marble.JPG", 2506);
    ASSERT_NE(named, std::string::npos);
    EXPECT_EQ(le32(first, named - 4), 1u);
    EXPECT_EQ(le32(first, named + 30), jpegBytes.size());

    std::filesystem::remove(dir.file("wood.bmp"));  // the document no longer needs the files
    std::filesystem::remove(dir.file("Marble.JPG"));
    TFontFX back(testRect());
    const auto second = rewrite(first, back);
    ASSERT_TRUE(back.BackFill.Texture);
    EXPECT_EQ(back.BackFill.Texture->bgr, bmpTexture.bgr);
    EXPECT_EQ(back.TextFill.Texture->width, 32);
    EXPECT_EQ(back.Imprint.ImprintBitmap->bgr, gradientPicture(8, 8).bgr);
    EXPECT_EQ(back.TextFill.TextureName, dir.file("Marble.JPG"));
    // With the source gone the texture is stored from its bitmap, so only the JPEG bytes differ.
    EXPECT_EQ(second.size() > 2506, true);
    for (size_t i = 0; i < 2506; ++i) {
        const bool previewOffset = i >= 580 && i < 584;
        if (!previewOffset) {
            ASSERT_EQ(first[i], second[i]) << "at " << i;
        }
    }
}

TEST(DocumentRoundTrip, EditedTextureIsStoredLosslessly) {
    // "EDITBITMAP" has no .JPG extension, so the edited picture goes in as a BMP, exactly.
    TFontFX engine(testRect());
    const Bitmap edited = gradientPicture(40, 20);
    engine.setTexture(1, std::make_shared<Bitmap>(edited), "EDITBITMAP");
    engine.setFillKind(1, 0);
    const auto file = encodeDocument(engine, gradientPicture(450, 200));
    const size_t images = 2506 + 4 * 116 + 2 + 2 * 180;
    EXPECT_EQ(le32(file, images), 1u);
    EXPECT_EQ(le32(file, images + 4), encodeBmp(edited).size());
    TFontFX back(testRect());
    decodeDocument(back, file, "t.vtl");
    EXPECT_EQ(back.TextFill.TextureName, "EDITBITMAP");
    EXPECT_EQ(back.TextFill.Texture->bgr, edited.bgr);
}

TEST(DocumentRoundTrip, TextKeepsEveryCharacterBeyondTheFixedField) {
    TFontFX engine(testRect());
    TFontFX back(testRect());
    // The fixed field holds the first 452 characters; the rest lives in the UTF-8 section, and a
    // file of an earlier version (whose section holds only those 452) still reads.
    for (const std::string& text : {std::string(452, 'x'), std::string(727, 'y'), std::string(600, 'z') + "ä€日"}) {
        engine.Text = text;
        auto file = encodeDocument(engine, gradientPicture(20, 20));
        EXPECT_EQ(std::string(file.begin(), file.end()).find("UTF8") != std::string::npos, text.size() > 452);
        decodeDocument(back, file, "t.vtl");
        EXPECT_EQ(back.Text, text);
    }
    engine.Text = std::string(document_format::MaxTextBytes + 1, 'x');
    EXPECT_THROW(encodeDocument(engine, gradientPicture(20, 20)), DocumentError);

    engine.Text = "Preis: 5 €";  // Windows-1252 holds the euro sign: no extra section
    auto file = encodeDocument(engine, gradientPicture(20, 20));
    EXPECT_EQ(file[100 + 9], 0x80);
    EXPECT_EQ(std::string(file.begin(), file.end()).find("UTF8"), std::string::npos);
    decodeDocument(back, file, "t.vtl");
    EXPECT_EQ(back.Text, "Preis: 5 €");

    engine.Text = "日本 Ωmega";
    file = encodeDocument(engine, gradientPicture(20, 20));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[100])), "?? ?mega");
    decodeDocument(back, file, "t.vtl");
    EXPECT_EQ(back.Text, "日本 Ωmega");

    file[100] = 'X';  // the fixed field no longer agrees: it wins
    decodeDocument(back, file, "t.vtl");
    EXPECT_EQ(back.Text, "X? ?mega");
}

TEST(DocumentRoundTrip, PrintLayoutNeverPrintedGetsAllOptions) {
    TFontFX engine(testRect());
    TFontFX back(testRect());
    engine.Print.Options = 0;
    decodeDocument(back, encodeDocument(engine, gradientPicture(20, 20)), "t.vtl");
    EXPECT_EQ(back.Print.Options, 15u);
    engine.Print = {0, 0, 0, 90, 2, {0, 0}};
    decodeDocument(back, encodeDocument(engine, gradientPicture(20, 20)), "t.vtl");
    EXPECT_EQ(back.Print.Options, 2u);
}

TEST(DocumentRoundTrip, OlderEditorProfilesAreScaledToThousandths) {
    TFontFX engine(testRect());
    engine.Bevel.Header.CustomProfile = 1;
    engine.Bevel.SegmentCount = 2;
    engine.Bevel.Points[0] = {0, 1, 0, 0, 68, 0};
    engine.Bevel.Points[1] = {0, 1, 0, 100, 136, 0};
    engine.Bevel.Points[2] = {0, 1, 0, 300, -3, 0};
    engine.Bevel.Points[3] = {0, 0, 0, 77, 77, 0};  // beyond the last point: untouched
    TFontFX back(testRect());
    decodeDocument(back, encodeDocument(engine, gradientPicture(20, 20)), "t.vtl");
    EXPECT_EQ(back.Bevel.Points[0].Y, 500);
    EXPECT_EQ(back.Bevel.Points[1].X, 333);
    EXPECT_EQ(back.Bevel.Points[1].Y, 1000);
    EXPECT_EQ(back.Bevel.Points[2].X, 1000);
    EXPECT_EQ(back.Bevel.Points[2].Y, -22);
    EXPECT_EQ(back.Bevel.Points[3].X, 77);

    // Already at 1000, or at 0 where there is nothing to scale by: left alone.
    for (int32_t last : {1000, 0}) {
        engine.Bevel.Points[2].X = last;
        decodeDocument(back, encodeDocument(engine, gradientPicture(20, 20)), "t.vtl");
        EXPECT_EQ(back.Bevel.Points[1].X, 100);
        EXPECT_EQ(back.Bevel.Points[1].Y, 136);
    }
}

TEST(DocumentRoundTrip, FilesOnDiskAndTheirNames) {
    ScratchDir dir;
    TFontFX engine(testRect());
    setEverything(engine);
    WriteDocument(engine, gradientPicture(450, 200), dir.file("a.vtl"));
    WriteStyleFile(engine, dir.file("a.shadow"), StyleKind::Shadow);
    EXPECT_EQ(readAll(dir.file("a.shadow")).size(), 76u);
    TFontFX back(testRect());
    ReadDocument(back, dir.file("a.vtl"));
    EXPECT_EQ(back.Text, engine.Text);
    ReadStyleFile(back, dir.file("a.shadow"), StyleKind::Shadow);
    EXPECT_EQ(back.Shadow.ShadowBlur, 3);
    EXPECT_TRUE(ReadDocumentPreview(dir.file("a.vtl")));
    EXPECT_EQ(dir.entries().size(), 2u);  // nothing temporary left behind

    EXPECT_EQ(styleKindForPath("x/Look.BEVEL"), StyleKind::Bevel);
    EXPECT_EQ(styleKindForPath("a.deform"), StyleKind::Deform);
    EXPECT_EQ(styleKindForPath("a.vtl"), std::nullopt);
    EXPECT_TRUE(isDocumentPath("A.VTL"));
}

TEST(DocumentRoundTrip, StockTextureIsEmbeddedUnderItsResourceName) {
    const auto resource = stockResource("JPG", "JPG_05");
    ASSERT_TRUE(resource);
    TFontFX engine(testRect());
    engine.setTexture(1, std::make_shared<Bitmap>(decodeJpeg(*resource)), ":JPG_05");
    engine.setFillKind(1, 0);
    const auto file = encodeDocument(engine, gradientPicture(450, 200));

    const size_t images = 2506 + 4 * 116 + 2 + 2 * 180;
    EXPECT_EQ(le32(file, images), 1u);                      // record 1, the letters
    EXPECT_EQ(le32(file, images + 4), 1u);                  // stored as JPEG
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[images + 8])), "JPG_05");
    EXPECT_TRUE(allZero(file, images + 8 + 6, 24));
    ASSERT_EQ(le32(file, images + 38), resource->size());
    EXPECT_TRUE(std::equal(resource->begin(), resource->end(), file.begin() + images + 42));

    TFontFX back(testRect());
    decodeDocument(back, file, "t.vtl");
    EXPECT_EQ(back.TextFill.TextureName, ":JPG_05");
    EXPECT_EQ(back.TextFill.Texture->bgr, decodeJpeg(*resource).bgr);
    EXPECT_EQ(beforePreview(encodeDocument(back, gradientPicture(450, 200))), beforePreview(file));
}

TEST(DocumentRoundTrip, ATextureFromADocumentKeepsItsOwnJpeg) {
    ScratchDir dir;
    const auto original = encodeJpeg(gradientPicture(24, 24), 60);
    writeAll(dir.file("photo.jpg"), original);
    TFontFX engine(testRect());
    engine.setTexture(0, std::make_shared<Bitmap>(decodeJpeg(original)), dir.file("photo.jpg"));
    engine.setFillKind(0, 0);
    const auto first = encodeDocument(engine, gradientPicture(40, 40));

    // On this machine the same path now holds another file: the document keeps its own picture.
    writeAll(dir.file("photo.jpg"), encodeJpeg(gradientPicture(8, 8), 90));
    TFontFX back(testRect());
    decodeDocument(back, first, "t.vtl");
    const auto second = encodeDocument(back, gradientPicture(40, 40));
    EXPECT_EQ(beforePreview(second), beforePreview(first));

    // A texture set anew is stored from its own source again.
    back.setTexture(0, std::make_shared<Bitmap>(gradientPicture(8, 8)), dir.file("photo.jpg"));
    EXPECT_NE(beforePreview(encodeDocument(back, gradientPicture(40, 40))), beforePreview(first));
}
