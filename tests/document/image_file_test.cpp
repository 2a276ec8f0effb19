// Loading by content, saving by name, and never leaving a broken file in place of a good one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageError.h"
#include "document/ImageFile.h"
#include "document/ImagePng.h"
#include "tests/document/ImageBytes.h"
#include "tests/common/ScratchDir.h"

namespace fs = std::filesystem;
using vortel::Bitmap;
using vortel::ImageError;

namespace {

class ImageFile : public ::testing::Test {
protected:

    static std::string slurp(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    size_t entries() const { return size_t(std::distance(fs::directory_iterator(dir), {})); }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    vortel::testing::ScratchDir scratch;
    fs::path dir = scratch.path();
    const Bitmap image = vortel::testing::noiseBitmap(5, 3, 7);
};

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ImageError& e) {
        return e.what();
    }
    return "(no ImageError)";
}

}  // namespace

TEST_F(ImageFile, SaveChoosesTheFormatByExtensionInAnyCase) {
    vortel::saveImage(path("a.PNG"), image);
    vortel::saveImage(path("b.bmp"), image);
    EXPECT_TRUE(slurp(dir / "a.PNG").starts_with("\x89PNG"));
    EXPECT_TRUE(slurp(dir / "b.bmp").starts_with("BM"));
    EXPECT_EQ(vortel::loadImage(path("a.PNG")).bgr, image.bgr);
    EXPECT_EQ(vortel::loadBmp(path("b.bmp")).bgr, image.bgr);
}

TEST_F(ImageFile, LoadChoosesTheFormatByContent) {
    vortel::writeFileAtomically(path("really-bmp.png"), vortel::encodeBmp(image));
    vortel::writeFileAtomically(path("really-png.bmp"), vortel::encodePng(image));
    EXPECT_EQ(vortel::loadImage(path("really-bmp.png")).bgr, image.bgr);
    EXPECT_EQ(vortel::loadImage(path("really-png.bmp")).bgr, image.bgr);
}

TEST_F(ImageFile, UnknownExtensionIsRefusedWithoutCreatingAFile) {
    EXPECT_NE(errorOf([&] { vortel::saveImage(path("x.tif"), image); }).find(".png, .bmp or .jpg"), std::string::npos);
    EXPECT_THROW(vortel::saveImage(path("png"), image), ImageError);
    EXPECT_EQ(entries(), 0u);
}

TEST_F(ImageFile, FailedSaveLeavesTheExistingFileUntouched) {
    std::ofstream(dir / "keep.png") << "previous";
    std::ofstream(dir / "keep.bmp") << "previous";
    const Bitmap broken{4, 4, std::vector<uint8_t>(5)};
    EXPECT_THROW(vortel::saveImage(path("keep.png"), broken), ImageError);
    EXPECT_THROW(vortel::saveBmp(path("keep.bmp"), broken), ImageError);
    EXPECT_EQ(slurp(dir / "keep.png"), "previous");
    EXPECT_EQ(slurp(dir / "keep.bmp"), "previous");
    EXPECT_EQ(entries(), 2u);
}

TEST_F(ImageFile, LoadErrorsNameThePath) {
    std::ofstream(dir / "text.png") << "just some text";
    std::ofstream(dir / "cut.png") << std::string("\x89PNG\r\n\x1a\n", 8);
    for (const std::string name : {"missing.png", "text.png", "cut.png", ""}) {
        const std::string message = errorOf([&] { vortel::loadImage(path(name)); });
        EXPECT_NE(message.find(path(name)), std::string::npos) << message;
    }
    EXPECT_NE(errorOf([&] { vortel::loadImage(path("text.png")); }).find("not a PNG file"), std::string::npos);
}
