// The picture's ways out (JPEG optimizer, preview, stock copies) and a texture's way in.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/ImageBmp.h"
#include "document/ImageError.h"
#include "document/ImageExport.h"
#include "document/ImageJpeg.h"
#include "document/StockResources.h"
#include "tests/docformat/DocumentTesting.h"

using namespace vortel;
using namespace vortel::testing;

TEST(JpegOptimizer, PreviewShowsSizesAndSaveWritesWhatWasPreviewed) {
    ScratchDir dir;
    JpegOptimizer optimizer(gradientPicture(300, 200));
    EXPECT_EQ(JpegOptimizer::pendingLabel(80), "80 %\r \r0 kB");

    const auto low = optimizer.preview(10);
    const auto high = optimizer.preview(JpegOptimizer::InitialQuality);
    EXPECT_EQ(high.bmpKb, (54 + 900 * 200) / 1024);
    EXPECT_LT(low.jpegKb, high.jpegKb + 1);
    EXPECT_EQ(high.label, "80 %\r" + std::to_string(high.jpegKb) + " kB\r" + std::to_string(high.bmpKb) + " kB");
    EXPECT_EQ(high.image.width, 300);

    optimizer.save(dir.file("out.jpg"), 80);
    const Bitmap saved = decodeJpeg(readAll(dir.file("out.jpg")));
    EXPECT_EQ(saved.bgr, high.image.bgr);  // exactly the previewed picture, not a re-encoding of it
    optimizer.save(dir.file("other.jpg"), 10);
    EXPECT_EQ(decodeJpeg(readAll(dir.file("other.jpg"))).bgr, low.image.bgr);
}

TEST(ImageExport, PreviewStockCopyAndEditedTexture) {
    ScratchDir dir;
    SavePreviewJpeg(gradientPicture(400, 300), dir.file("p.jpg"));
    EXPECT_EQ(decodeJpeg(readAll(dir.file("p.jpg"))).width, 200);

    CopyJpegResource(":JPG_07", dir.file("stock.jpg"));
    const auto resource = stockResource("JPG", "JPG_07");
    ASSERT_TRUE(resource);
    EXPECT_EQ(readAll(dir.file("stock.jpg")), std::vector<uint8_t>(resource->begin(), resource->end()));
    EXPECT_THROW(CopyJpegResource("JPG_999", dir.file("none.jpg")), ImageError);
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.jpg")));

    SaveBitmapAsJpeg(gradientPicture(16, 16), dir.file("edited.jpg"));
    EXPECT_EQ(LoadImageFile(dir.file("edited.jpg")).width, 16);
}

TEST(ImageExport, OpeningAnImageMakesItTheBackgroundTextureOnlyOnSuccess) {
    ScratchDir dir;
    TFontFX engine(testRect());
    writeAll(dir.file("tile.DIB"), encodeBmp(gradientPicture(5, 3)));
    writeAll(dir.file("broken.jpg"), {0xFF, 0xD8, 0xFF, 0xE0, 0, 0});

    EXPECT_TRUE(isTextureFile("a/b.Jif"));
    EXPECT_TRUE(isTextureFile("x.pcx"));
    EXPECT_FALSE(isTextureFile("x.vtl"));
    EXPECT_FALSE(isTextureFile("dir.jpg/file"));

    EXPECT_THROW(openTextureFile(engine, dir.file("broken.jpg")), ImageError);
    EXPECT_EQ(engine.BackFill.FillKind, 2);
    EXPECT_NE(engine.BackFill.TextureName, dir.file("broken.jpg"));

    openTextureFile(engine, dir.file("tile.DIB"));
    EXPECT_EQ(engine.BackFill.FillKind, 0);
    EXPECT_EQ(engine.BackFill.Texture->width, 5);
    EXPECT_EQ(engine.BackFill.TextureName, dir.file("tile.DIB"));
}
