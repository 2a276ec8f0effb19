// JPEG written and read back, the colour spaces other writers use, and broken files rejected.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/ImageJpeg.h"
#include "tests/document/CodecBytes.h"
#include "tests/document/ImageBytes.h"

using vortel::Bitmap;
using vortel::decodeJpeg;
using vortel::encodeJpeg;
using vortel::ImageError;
using vortel::testing::JpegInput;
using vortel::testing::libjpegEncode;
using vortel::testing::pixelAt;

namespace {

// Gradients with a soft disc: the kind of picture JPEG is for.
Bitmap smoothPicture(int32_t width, int32_t height) {
    Bitmap image{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const double dx = x - width * 0.6, dy = y - height * 0.4;
            const double disc = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy) / (0.3 * (width + height)));
            uint8_t* p = image.bgr.data() + (size_t(y) * size_t(width) + size_t(x)) * 3;
            p[0] = uint8_t(40 + 150 * x / std::max(1, width - 1));
            p[1] = uint8_t(60 + 120 * y / std::max(1, height - 1));
            p[2] = uint8_t(30 + 200 * disc);
        }
    }
    return image;
}

double meanAbsoluteError(const Bitmap& a, const Bitmap& b) {
    double sum = 0;
    for (size_t i = 0; i < a.bgr.size(); ++i) sum += std::abs(int(a.bgr[i]) - int(b.bgr[i]));
    return sum / double(a.bgr.size());
}

::testing::AssertionResult near(const Bitmap& image, int32_t x, int32_t y, uint32_t rgb, int tolerance) {
    const uint32_t got = pixelAt(image, x, y);
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(int(got >> shift & 0xFF) - int(rgb >> shift & 0xFF)) > tolerance) {
            return ::testing::AssertionFailure() << std::hex << "pixel (" << x << "," << y << ") is 0x" << got
                                                 << ", expected about 0x" << rgb;
        }
    }
    return ::testing::AssertionSuccess();
}

// Offset just past the start-of-scan header: everything before it is header.
size_t scanDataStart(const std::vector<uint8_t>& file) {
    size_t at = 2;
    while (at + 4 <= file.size() && file[at] == 0xFF) {
        const size_t length = size_t(file[at + 2]) << 8 | file[at + 3];
        if (file[at + 1] == 0xDA) return at + 2 + length;
        at += 2 + length;
    }
    return 0;
}

// Offset of the height field in the frame header.
size_t frameSizeAt(const std::vector<uint8_t>& file) {
    for (size_t at = 2; at + 4 <= file.size(); at += 2 + (size_t(file[at + 2]) << 8 | file[at + 3])) {
        if (file[at + 1] >= 0xC0 && file[at + 1] <= 0xC2) return at + 5;
    }
    return 0;
}

void expectRejected(const std::vector<uint8_t>& file, const std::string& words) {
    try {
        decodeJpeg(file);
        ADD_FAILURE() << "accepted; expected an error about " << words;
    } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find(words), std::string::npos) << e.what();
    }
}

}  // namespace

TEST(JpegRoundTrip, QualityHundredKeepsSizeAndPixelsClose) {
    for (const auto& [w, h] : {std::pair{1, 1}, {1, 7}, {7, 1}, {13, 5}, {64, 48}}) {
        const Bitmap original = smoothPicture(w, h);
        const Bitmap decoded = decodeJpeg(encodeJpeg(original, 100));
        ASSERT_EQ(decoded.width, w);
        ASSERT_EQ(decoded.height, h);
        EXPECT_LT(meanAbsoluteError(original, decoded), 1.5) << w << "x" << h;
    }
}

// Noise at full quality runs to several times the writer's first 16 KiB chunk.
TEST(JpegRoundTrip, LargeOutputReadsBackWhole) {
    const Bitmap noise = vortel::testing::noiseBitmap(256, 192, 11);
    const auto encoded = encodeJpeg(noise, 100);
    EXPECT_GT(encoded.size(), 4u * 16384);
    EXPECT_EQ(encoded[encoded.size() - 2], 0xFF);
    EXPECT_EQ(encoded.back(), 0xD9);  // the end-of-image marker made it in
    const Bitmap decoded = decodeJpeg(encoded);
    ASSERT_EQ(decoded.width, 256);
    ASSERT_EQ(decoded.height, 192);
    EXPECT_LT(meanAbsoluteError(noise, decoded), 3.0);
}

TEST(JpegRoundTrip, LowerQualityMeansSmallerFilesAndLargerErrors) {
    const Bitmap original = smoothPicture(96, 64);
    const auto q10 = encodeJpeg(original, 10), q90 = encodeJpeg(original, 90);
    EXPECT_LT(q10.size(), q90.size());
    EXPECT_GT(meanAbsoluteError(original, decodeJpeg(q10)), meanAbsoluteError(original, decodeJpeg(q90)));
}

TEST(JpegRoundTrip, QualityIsClampedToTheRange) {
    const Bitmap original = smoothPicture(16, 16);
    EXPECT_EQ(encodeJpeg(original, -5), encodeJpeg(original, 0));
    EXPECT_EQ(encodeJpeg(original, 150), encodeJpeg(original, 100));
    EXPECT_NE(encodeJpeg(original, 0), encodeJpeg(original, 100));
}

TEST(JpegRoundTrip, HighQualityKeepsAOnePixelColouredLine) {
    Bitmap image{16, 16, std::vector<uint8_t>(16 * 16 * 3, 0xFF)};
    for (int y = 0; y < 16; ++y) {
        uint8_t* p = image.bgr.data() + (size_t(y) * 16 + 7) * 3;
        p[0] = p[1] = 0;  // red
    }
    const Bitmap decoded = decodeJpeg(encodeJpeg(image, 98));
    for (int y = 0; y < 16; ++y) {
        EXPECT_TRUE(near(decoded, 7, y, 0xFF0000, 40));
        EXPECT_TRUE(near(decoded, 5, y, 0xFFFFFF, 40));
    }
}

TEST(JpegDecode, GreyBecomesEqualChannels) {
    std::vector<uint8_t> grey;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 9; ++x) grey.push_back(uint8_t(20 * x + 10 * y));
    }
    const Bitmap image = decodeJpeg(libjpegEncode(9, 4, JpegInput::Grey, grey));
    ASSERT_EQ(image.width, 9);
    ASSERT_EQ(image.height, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 9; ++x) {
            const uint32_t v = grey[size_t(y * 9 + x)];
            EXPECT_TRUE(near(image, x, y, v << 16 | v << 8 | v, 6));
            const uint32_t got = pixelAt(image, x, y);
            EXPECT_TRUE((got & 0xFF) == (got >> 8 & 0xFF) && (got & 0xFF) == (got >> 16)) << std::hex << got;
        }
    }
}

// Stored CMYK is inverted (255 means no ink), as Adobe writes it and every common producer follows.
TEST(JpegDecode, CmykAndYcckAreInvertedInks) {
    const uint8_t inks[4][4] = {{255, 255, 255, 255}, {0, 255, 255, 255}, {255, 255, 0, 255}, {255, 255, 255, 0}};
    const uint32_t expected[4] = {0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x000000};
    std::vector<uint8_t> samples;  // four 8x8 blocks side by side, one ink mix each
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 32; ++x) samples.insert(samples.end(), inks[x / 8], inks[x / 8] + 4);
    }
    for (const auto input : {JpegInput::Cmyk, JpegInput::Ycck}) {
        const Bitmap image = decodeJpeg(libjpegEncode(32, 8, input, samples));
        ASSERT_EQ(image.width, 32);
        for (int block = 0; block < 4; ++block) EXPECT_TRUE(near(image, block * 8 + 3, 4, expected[block], 8));
    }
}

TEST(JpegMalformed, EveryTruncationOfTheHeadersIsAnError) {
    const auto file = encodeJpeg(smoothPicture(13, 5), 80);
    const size_t headers = scanDataStart(file);
    ASSERT_GT(headers, 100u);
    for (size_t n = 0; n < headers; ++n) {
        EXPECT_THROW(decodeJpeg({file.data(), n}), ImageError) << "first " << n << " of " << file.size();
    }
}

// Cut or damaged coded data is drawn as far as it goes, the rest grey, as viewers show it.
TEST(JpegMalformed, CutScanDataStillGivesTheWholePicture) {
    const auto file = encodeJpeg(smoothPicture(64, 48), 80);
    const auto image = decodeJpeg({file.data(), scanDataStart(file) + 40});
    EXPECT_EQ(image.width, 64);
    EXPECT_EQ(image.height, 48);
}

TEST(JpegMalformed, FrameSizesBeyondTheLimitsOrTheData) {
    const auto file = encodeJpeg(smoothPicture(16, 16), 80);
    const size_t at = frameSizeAt(file);
    ASSERT_GT(at, 0u);
    auto patched = [&](uint16_t height, uint16_t width) {
        auto copy = file;
        copy[at] = uint8_t(height >> 8);
        copy[at + 1] = uint8_t(height);
        copy[at + 2] = uint8_t(width >> 8);
        copy[at + 3] = uint8_t(width);
        return copy;
    };
    expectRejected(patched(16, 40000), "larger than supported");
    expectRejected(patched(12000, 12000), "larger than supported");
    expectRejected(patched(8000, 8000), "too short for the picture");
    expectRejected(patched(0, 16), "JPEG");
}

// The smallest fuzzer input for each distinct rejection it reached, kept so none regresses into a crash.
TEST(JpegMalformed, InputsTheFuzzerReachedAreRejected) {
    EXPECT_GT(vortel::testing::replayMalformed("jpeg", [](auto bytes) { decodeJpeg(bytes); }), 0u);
}

namespace {

// A progressive colour JPEG whose script sends every AC coefficient of every component in scans of
// its own: with `refined`, first its upper bits and then its last bit. A valid file of 190 scans,
// or of 379 with the refinements; encoders in use write about ten.
std::vector<uint8_t> manyScanJpeg(bool refined) {
    std::vector<vortel::testing::JpegScan> script{{{0, 1, 2}, 0, 0, 0, 0}};
    for (int pass = 0; pass < (refined ? 2 : 1); ++pass)
        for (int c = 0; c < 3; ++c)
            for (int k = 1; k < 64; ++k) script.push_back({{c}, k, k, refined ? pass : 0, refined && pass == 0 ? 1 : 0});
    return libjpegEncode(32, 32, JpegInput::Rgb, smoothPicture(32, 32).bgr, script);
}

}  // namespace

// Each scan is a pass over the whole picture, so a file of thousands of scans costs minutes for
// a few hundred kilobytes; such a file is refused while its scans are read.
TEST(JpegMalformed, ScansBeyondTheLimitAreRefused) {
    EXPECT_EQ(decodeJpeg(manyScanJpeg(false)).width, 32);
    try {
        decodeJpeg(manyScanJpeg(true));
        ADD_FAILURE() << "a JPEG of 379 scans was read";
    } catch (const ImageError& e) {
        EXPECT_NE(std::string(e.what()).find("scans"), std::string::npos) << e.what();
    }
}
