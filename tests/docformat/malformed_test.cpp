// Damaged and forged files: the right message, and the engine exactly as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/Document.h"
#include "tests/docformat/DocumentTesting.h"

using namespace vortel;
using namespace vortel::testing;

namespace {

const std::string ShortRead = "Beim Lesen der Datei ist ein Fehler aufgetreten.\rDas Ende der Datei wurde erreicht.";
const std::string ReadError = "Fehler beim Lesen der Datei\r\"bad.vtl\".";

class Malformed : public ::testing::Test {
protected:
    Malformed() : engine(testRect()), reference(testRect()) {
        setEverything(reference);
        setEverything(engine);
        source.setTexture(0, std::make_shared<Bitmap>(gradientPicture(9, 5)), "tex.bmp");
        source.setFillKind(0, 0);
        source.setImprint(true, std::make_shared<Bitmap>(gradientPicture(8, 8)), "*IMPRINT_02");
        good = encodeDocument(source, gradientPicture(60, 40));
        before = encodeDocument(engine, gradientPicture(60, 40));
    }

    // The message the load raised, or "" when it succeeded.
    std::string load(const std::vector<uint8_t>& file) {
        try {
            decodeDocument(engine, file, "bad.vtl");
        } catch (const DocumentError& e) {
            EXPECT_EQ(encodeDocument(engine, gradientPicture(60, 40)), before) << "engine changed";
            return e.what();
        }
        return "";
    }

    void put32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bad[at + size_t(i)] = uint8_t(v >> (8 * i));
    }

    TFontFX engine, reference, source{testRect()};
    std::vector<uint8_t> good, before, bad;
};

}  // namespace

TEST_F(Malformed, TruncatedAnywhereIsAShortReadAndChangesNothing) {
    const size_t previewAt = le32(good, 580);
    // Every block boundary of the fixed part, the point lists and the images, and a few bytes in between.
    std::vector<size_t> cuts = {0, 3, 99, 100, 552, 580, 584, 600, 608, 610, 670, 678, 688, 1076, 1086,
                                1474, 1484, 1560, 1570, 1950, 1960, 2020, 2030, 2098, 2108, 2112, 2122,
                                2430, 2440, 2488, 2498, 2505, 2506, 2530, previewAt - 1};
    for (size_t cut = 2506; cut < previewAt; cut += 37) cuts.push_back(cut);
    for (size_t cut : cuts) {
        bad.assign(good.begin(), good.begin() + ptrdiff_t(cut));
        EXPECT_EQ(load(bad), ShortRead) << "cut at " << cut;
    }
    // Without its preview the document is still complete.
    bad.assign(good.begin(), good.begin() + ptrdiff_t(previewAt));
    EXPECT_EQ(load(bad), "");
}

TEST_F(Malformed, WrongMagicNamesTheFile) {
    bad = good;
    bad[2] = 'X';
    EXPECT_EQ(load(bad), "\"bad.vtl\" ist keine Vortel-Datei!");
}

TEST_F(Malformed, NonZeroSeparatorsAreReadErrors) {
    for (size_t run : {678, 1076, 1474, 1560, 1950, 2020, 2098, 2112, 2430, 2488, 2506 + 16 + 99}) {
        bad = good;
        bad[run] = 1;
        EXPECT_EQ(load(bad), ReadError) << "run at " << run;
    }
}

TEST_F(Malformed, CountsAndSizesTheFileCannotHoldAreRejected) {
    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        int width;  // bytes written
    };
    const size_t images = 2506 + 4 * 116 + 2 + 2 * 180;
    const Case cases[] = {
        {"guide count beyond the file", 2498, 65535, 2},
        {"guide with one point", 2500, 1, 2},
        {"deformation curve of 11 points", 2506 + 4 * 116, 11, 1},
        {"last profile point 11", 1570 + 308, 11, 1},
        {"width 0", 600, 0, 4},
        {"negative height", 604, 0xFFFFFFFF, 4},
        {"image record number 1 for record 0", images, 1, 4},
        {"image length beyond the file", images + 4, 0x7FFFFFF0, 4},
        {"image that is no picture", images + 4 + 4, 0x5858, 2},
    };
    for (const auto& c : cases) {
        bad = good;
        for (int i = 0; i < c.width; ++i) bad[c.at + size_t(i)] = uint8_t(c.value >> (8 * i));
        const std::string message = load(bad);
        EXPECT_TRUE(message == ReadError || message == ShortRead) << c.what << ": " << message;
    }
}

TEST_F(Malformed, OversizeViewKeepsTheEngineRectangleAndWorkIsClamped) {
    bad = good;
    put32(600, 10000);
    put32(1484 + 8, 0x7FFFFFFF);    // blur radius
    put32(2030 + 8, 100000);        // frame points
    put32(1960 + 8, 0x80000000);    // fringe strength
    EXPECT_EQ(load(bad), "");
    EXPECT_EQ(engine.ImageRect.width(), testRect().width());
    EXPECT_EQ(engine.ImageRect.height(), 40);
    EXPECT_EQ(engine.Shadow.ShadowBlur, 9999);
    EXPECT_EQ(engine.Frame.FramePoints, 999);
    EXPECT_EQ(engine.Fringe.FringeX, -1000);
}

TEST_F(Malformed, StyleFilesAndPreviewsOutsideTheirLimits) {
    const auto bevel = encodeStyle(reference, StyleKind::Bevel);
    std::vector<uint8_t> cut(bevel.begin(), bevel.end() - 1);
    EXPECT_THROW(decodeStyle(engine, cut, StyleKind::Bevel, "x.bevel"), DocumentError);
    auto forged = bevel;
    forged[308] = 200;
    EXPECT_THROW(decodeStyle(engine, forged, StyleKind::Bevel, "x.bevel"), DocumentError);

    auto deform = encodeStyle(reference, StyleKind::Deform);
    deform[48 + 10] = 0xFF;  // guide 0 claims 255 points
    EXPECT_THROW(decodeStyle(engine, deform, StyleKind::Deform, "x.deform"), DocumentError);
    EXPECT_EQ(encodeDocument(engine, gradientPicture(60, 40)), before);

    bad = good;
    const size_t previewAt = le32(good, 580);
    for (uint32_t length : {9u, 100001u, 0xFFFFFFFFu}) {
        put32(previewAt, length);
        EXPECT_FALSE(decodeDocumentPreview(bad)) << length;
    }
    put32(580, 0x7FFFFFFF);
    EXPECT_FALSE(decodeDocumentPreview(bad));
    EXPECT_FALSE(decodeDocumentPreview(std::vector<uint8_t>(good.begin(), good.begin() + 500)));
}

TEST(DocumentFiles, FailedWritesLeaveTheOldFileAndNoLitter) {
    ScratchDir dir;
    TFontFX engine(testRect());
    WriteDocument(engine, gradientPicture(30, 30), dir.file("keep.vtl"));
    const auto old = readAll(dir.file("keep.vtl"));

    std::filesystem::create_directory(dir.file("taken.vtl"));  // cannot be replaced by a file
    try {
        WriteDocument(engine, gradientPicture(30, 30), dir.file("taken.vtl"));
        ADD_FAILURE() << "a write over a folder succeeded";
    } catch (const DocumentError& e) {
        const std::string expected = "Fehler beim Schreiben der Datei\r\"" + dir.file("taken.vtl") + "\".\r";
        EXPECT_EQ(std::string(e.what()).rfind(expected, 0), 0u) << e.what();
    }
    try {
        WriteStyleFile(engine, dir.file("missing/x.color"), StyleKind::Color);
        ADD_FAILURE() << "a write into a missing folder succeeded";
    } catch (const DocumentError& e) {
        const std::string expected = "Fehler beim Schreiben der Datei\r\"" + dir.file("missing/x.color") + "\".\r";
        EXPECT_EQ(std::string(e.what()).rfind(expected, 0), 0u) << e.what();
    }
    EXPECT_EQ(readAll(dir.file("keep.vtl")), old);
    EXPECT_EQ(dir.entries().size(), 2u);

    try {
        ReadDocument(engine, dir.file("nothing.vtl"));
        ADD_FAILURE();
    } catch (const DocumentError& e) {
        const std::string expected = "Fehler beim Lesen der Datei\r\"" + dir.file("nothing.vtl") + "\".\r";
        EXPECT_EQ(std::string(e.what()).rfind(expected, 0), 0u) << e.what();
    }
}
