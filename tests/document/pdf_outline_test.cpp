// The outline as a PDF page: one page of the image's size at 96 dpi whose drawing fills the
// outline light grey with the non-zero rule and strokes it black.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <stdexcept>
#include <string>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/PdfOutline.h"
#include "tests/document/MetafileRecords.h"

using namespace vortel;
using namespace vortel::testing;
namespace fs = std::filesystem;

namespace {

struct PdfFile : ::testing::Test {
    void SetUp() override {
        path = (fs::temp_directory_path() / ("vortel-pdf-" + std::to_string(::getpid()) + ".pdf")).string();
    }
    void TearDown() override { fs::remove(path); }
    std::string write(const TFontFX& engine, int32_t w, int32_t h) {
        exportPdf(engine, w, h, path);
        const auto bytes = readFileBytes(path);
        return std::string(bytes.begin(), bytes.end());
    }
    std::string path;
};

size_t count(const std::string& text, const std::regex& pattern) {
    return size_t(std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()));
}

// Every Flate stream of the file, inflated and joined, line breaks as spaces: the page's drawing.
std::string inflatedStreams(const std::string& pdf) {
    std::string out;
    for (size_t at = pdf.find("stream\n"); at != std::string::npos; at = pdf.find("stream\n", at)) {
        at += 7;
        const size_t end = pdf.find("endstream", at);
        if (end == std::string::npos) break;
        std::vector<unsigned char> buffer(1 << 20);
        uLongf size = uLongf(buffer.size());
        if (uncompress(buffer.data(), &size, reinterpret_cast<const Bytef*>(pdf.data() + at), uLong(end - at)) == Z_OK)
            out.append(reinterpret_cast<const char*>(buffer.data()), size);
        at = end;
    }
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

}  // namespace

TEST_F(PdfFile, IsOnePageOfTheImageSizeAtNinetySixDpi) {
    TFontFX engine(Rect{0, 0, 450, 200});
    const std::string pdf = write(engine, 450, 200);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    EXPECT_EQ(count(pdf, std::regex("/Type\\s*/Page\\b")), 1u);
    EXPECT_EQ(count(pdf, std::regex("/Count\\s+1\\b")), 1u);
    // 450 × 200 pixels at 96 dpi are 337.5 × 150 points.
    EXPECT_EQ(count(pdf, std::regex("/MediaBox\\s*\\[\\s*0 0 337\\.5 150\\s*\\]")), 1u);
}

TEST_F(PdfFile, FillsTheOutlineGreyWithTheNonZeroRuleAndStrokesItBlack) {
    TFontFX engine(Rect{0, 0, 450, 200});
    engine.OutlinePoints = kSamplePoints;
    engine.OutlineTypes = kSampleTypes;
    engine.NumOutlinePoints = int32_t(kSamplePoints.size());
    const std::string drawing = inflatedStreams(write(engine, 450, 200));
    EXPECT_NE(drawing.find("0.752941 0.752941 0.752941 rg"), std::string::npos) << drawing;
    EXPECT_NE(drawing.find("0 0 0 RG 0.75 w"), std::string::npos) << "a black pen of one pixel, 0.75 pt";
    EXPECT_EQ(count(drawing, std::regex("\\bB(?!\\*)")), 1u) << "one fill with the non-zero rule and stroke";
    // The close flag on the first curve ends that figure back at its start, where the closing line
    // (type 3) then begins; the last figure is closed at the end. Cairo writes a closing edge as
    // "h" alone. Coordinates are in points, 0.75 a pixel.
    EXPECT_NE(drawing.find("7.5 7.5 m 75 7.5 l 90 15 90 45 75 52.5 c h 7.5 7.5 m 7.5 52.5 l h 150 75 m"),
              std::string::npos)
        << drawing;
    // Neither the entries that draw nothing, (500, 500) and (300, 300), nor the cut-off curve.
    for (const char* skipped : {"375 375", "225 225", "37.5 37.5"}) EXPECT_EQ(drawing.find(skipped), std::string::npos);
    EXPECT_EQ(count(drawing, std::regex("\\bc\\b")), 3u) << "the three curves";
    EXPECT_EQ(count(drawing, std::regex("\\bh\\b")), 3u) << "each figure closed";
}

TEST_F(PdfFile, ImageWithoutPixelsAndUnwritablePathsAreRefused) {
    TFontFX engine(Rect{0, 0, 450, 200});
    EXPECT_THROW(exportPdf(engine, 0, 200, path), ImageError);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_THROW(exportPdf(engine, 450, 200, (fs::path(path) / "below-a-file.pdf").string() + "/x"),
                 std::runtime_error);
}
