// Which reader a file reaches: by signature, by name for TGA, and the JPEG writer by name.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageError.h"
#include "document/ImageFile.h"
#include "document/ImageJpeg.h"
#include "document/ImagePng.h"
#include "tests/document/CodecBytes.h"
#include "tests/document/ImageBytes.h"
#include "tests/common/ScratchDir.h"

namespace fs = std::filesystem;
using vortel::Bitmap;
using vortel::ImageError;
using vortel::ImageFormat;
using namespace vortel::testing;

namespace {

class ImageDispatch : public ::testing::Test {
protected:

    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        vortel::writeFileAtomically(path(name), bytes);
        return path(name);
    }
    std::vector<uint8_t> read(const std::string& name) const { return vortel::readFileBytes(path(name)); }
    size_t entries() const { return size_t(std::distance(fs::directory_iterator(dir), {})); }

    ScratchDir scratch;
    fs::path dir = scratch.path();
};

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ImageError& e) {
        return e.what();
    }
    return "(no ImageError)";
}

// One red pixel in each format.
const TgaSample redTga{.pixels = {0, 0, 0xFF}};
const PcxSample redPcx{.planes = 3, .data = {0xC1, 0xFF, 0, 0, 0, 0, 0}};  // 0xFF needs a run of one
const GifSample redGif{.globalMap = {{0xFF, 0, 0}, {0, 0, 0}}, .frames = {GifFrameSample{.pixels = {0}}}};
const Bitmap red{1, 1, {0, 0, 0xFF}};

}  // namespace

TEST(ImageFormats, ExtensionsInAnyCase) {
    const std::pair<const char*, ImageFormat> known[] = {
        {"a.BMP", ImageFormat::Bmp},  {"a.dib", ImageFormat::Bmp},    {"a.Rle", ImageFormat::Bmp},
        {"a.png", ImageFormat::Png},  {"a.JPG", ImageFormat::Jpeg},   {"a.jpeg", ImageFormat::Jpeg},
        {"a.JIF", ImageFormat::Jpeg}, {"dir.x/a.gif", ImageFormat::Gif}, {"a.b.TGA", ImageFormat::Tga},
        {"a.Pcx", ImageFormat::Pcx},
    };
    for (const auto& [name, format] : known) EXPECT_EQ(vortel::formatForPath(name), format) << name;
    for (const char* name : {"a.tif", "a", "a.jpgx", "a.png/b", ".gif", "a.jp"}) {
        EXPECT_EQ(vortel::formatForPath(name), std::nullopt) << name;
    }
}

TEST(ImageFormats, SignaturesPickTheReader) {
    EXPECT_EQ(vortel::formatForBytes(vortel::encodeBmp(red)), ImageFormat::Bmp);
    EXPECT_EQ(vortel::formatForBytes(vortel::encodePng(red)), ImageFormat::Png);
    EXPECT_EQ(vortel::formatForBytes(vortel::encodeJpeg(red, 80)), ImageFormat::Jpeg);
    EXPECT_EQ(vortel::formatForBytes(buildGif(redGif)), ImageFormat::Gif);
    EXPECT_EQ(vortel::formatForBytes(buildPcx(redPcx)), ImageFormat::Pcx);
    EXPECT_EQ(vortel::formatForBytes(buildTga(redTga)), std::nullopt);
    EXPECT_EQ(vortel::formatForBytes(std::vector<uint8_t>{0x0A, 1, 1, 8}), std::nullopt);  // PCX has no version 1
    EXPECT_EQ(vortel::formatForBytes(std::vector<uint8_t>{'G', 'I', 'F', '8', '8', 'a'}), std::nullopt);
    for (const auto& file : {buildGif(redGif), buildPcx(redPcx), vortel::encodeBmp(red), vortel::encodePng(red)}) {
        EXPECT_TRUE(hasPixels(vortel::decodeImage(file), {{0xFF0000}}));
    }
}

TEST(ImageFormats, TgaIsReadOnlyWhenNamed) {
    const auto tga = buildTga(redTga);
    EXPECT_NE(errorOf([&] { vortel::decodeImage(tga); }).find(".tga"), std::string::npos);
    EXPECT_TRUE(hasPixels(vortel::decodeImage(tga, ImageFormat::Tga), {{0xFF0000}}));
    // A signature still wins over the name: a PNG called .tga is a PNG.
    EXPECT_TRUE(hasPixels(vortel::decodeImage(vortel::encodePng(red), ImageFormat::Tga), {{0xFF0000}}));
}

TEST_F(ImageDispatch, LoadTriesTheSignatureThenTheName) {
    EXPECT_TRUE(hasPixels(vortel::loadImage(write("red.Tga", buildTga(redTga))), {{0xFF0000}}));
    EXPECT_TRUE(hasPixels(vortel::loadImage(write("red.pcx.jpg", buildPcx(redPcx))), {{0xFF0000}}));
    EXPECT_THROW(vortel::loadImage(write("red.bin", buildTga(redTga))), ImageError);
    // Without a signature the name's reader explains the failure.
    const std::string text = write("notes.jpg", {'h', 'e', 'l', 'l', 'o'});
    EXPECT_NE(errorOf([&] { vortel::loadImage(text); }).find("not a JPEG file"), std::string::npos);
    const std::string damaged = write("damaged.tga", {0, 0, 2, 0});
    const std::string message = errorOf([&] { vortel::loadImage(damaged); });
    EXPECT_NE(message.find(damaged), std::string::npos) << message;
    EXPECT_NE(message.find("TGA"), std::string::npos) << message;
}

TEST_F(ImageDispatch, SaveWritesJpegByNameAtQualityEighty) {
    const Bitmap picture = noiseBitmap(24, 16, 3);
    vortel::saveImage(path("a.JPG"), picture);
    vortel::saveImage(path("b.jpeg"), picture);
    vortel::saveJpeg(path("c.jpg"), picture, 80);
    vortel::saveJpeg(path("d.bin"), picture, 20);
    EXPECT_TRUE(vortel::hasJpegSignature(read("a.JPG")));
    EXPECT_EQ(read("a.JPG"), read("c.jpg"));
    EXPECT_EQ(read("b.jpeg"), read("c.jpg"));
    EXPECT_LT(read("d.bin").size(), read("c.jpg").size());
    const Bitmap back = vortel::loadImage(path("a.JPG"));
    EXPECT_EQ(back.width, 24);
    EXPECT_EQ(back.height, 16);
}

TEST_F(ImageDispatch, ReadOnlyFormatsAreRefusedWithoutCreatingAFile) {
    for (const char* name : {"x.gif", "x.tga", "x.pcx", "x.txt"}) {
        EXPECT_NE(errorOf([&] { vortel::saveImage(path(name), red); }).find(".png, .bmp or .jpg"), std::string::npos)
            << name;
    }
    EXPECT_FALSE(vortel::canSave(ImageFormat::Gif));
    EXPECT_TRUE(vortel::canSave(ImageFormat::Jpeg));
    EXPECT_EQ(entries(), 0u);
}

// The fuzzers start from these real files; each must decode, or the fuzzers start from errors.
TEST(ImageFormats, EverySeedFileDecodes) {
    size_t files = 0;
    for (const char* format : {"jpeg", "gif", "tga", "pcx"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(VORTEL_FUZZ_CORPUS) / format)) {
            EXPECT_NO_THROW({
                const Bitmap image = vortel::loadImage(entry.path().string());
                EXPECT_FALSE(image.empty());
            }) << entry.path();
            ++files;
        }
    }
    EXPECT_GE(files, 30u);
}
