// Exporting the engine's outline to files: the name rules, what is read from the engine, and the
// default effect. With VORTEL_METAFILE_OUT set, the default effect's EMF, WMF and PDF are also
// left in that folder for viewing in other programs (tests/tools/convert-metafiles.sh).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "document/FileBytes.h"
#include "document/ImageError.h"
#include "document/Metafile.h"
#include "document/PdfOutline.h"
#include "tests/document/MetafileRecords.h"
#include "tests/engine/EngineFixture.h"

using namespace vortel;
using namespace vortel::testing;
namespace fs = std::filesystem;

namespace {

class MetafileExport : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vortel-metafile-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string at(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir_;
};

void setOutline(TFontFX& engine, const std::vector<Point>& points, const std::vector<uint8_t>& types) {
    engine.OutlinePoints = points;
    engine.OutlineTypes = types;
    engine.NumOutlinePoints = int32_t(points.size());
}

}  // namespace

TEST_F(MetafileExport, EnhancedExportAlwaysWritesAnEmfName) {
    TFontFX engine(Rect{0, 0, 450, 200});
    EXPECT_EQ(ExportMetafile(engine, 450, 200, at("typed.wmf"), true), at("typed.emf"));
    EXPECT_EQ(ExportMetafile(engine, 450, 200, at("plain"), true), at("plain.emf"));
    EXPECT_EQ(ExportMetafile(engine, 450, 200, at("kept.wmf"), false), at("kept.wmf"));
    EXPECT_EQ(files(), (std::vector<std::string>{"kept.wmf", "plain.emf", "typed.emf"}));
    EXPECT_NO_THROW(emfRecords(readFileBytes(at("typed.emf"))));
    EXPECT_NO_THROW(wmfRecords(readFileBytes(at("kept.wmf"))));
}

TEST_F(MetafileExport, EngineWithoutTextWritesMetafilesThatDrawNothing) {
    TFontFX engine(Rect{0, 0, 450, 200});
    ASSERT_EQ(engine.NumOutlinePoints, 0);
    EXPECT_EQ(emfRecords(readFileBytes(ExportMetafile(engine, 450, 200, at("empty"), true))).size(), 4u);
    EXPECT_TRUE(
        wmfDrawing(wmfRecords(readFileBytes(ExportMetafile(engine, 450, 200, at("empty.wmf"), false)))).empty());
}

TEST_F(MetafileExport, ReadsOnlyAsManyPointsAsTheEngineCounts) {
    TFontFX engine(Rect{0, 0, 450, 200});
    setOutline(engine, kSamplePoints, kSampleTypes);
    engine.NumOutlinePoints = 2;
    EXPECT_EQ(readFileBytes(ExportMetafile(engine, 450, 200, at("two.emf"), true)),
              encodeEmf({kSamplePoints.data(), 2}, {kSampleTypes.data(), 2}, 450, 200));
    // A count beyond the arrays (a state only a broken caller makes) reads no further than they go.
    engine.NumOutlinePoints = 1000;
    engine.OutlineTypes.resize(3);
    EXPECT_EQ(readFileBytes(ExportMetafile(engine, 450, 200, at("three.wmf"), false)),
              encodeWmf({kSamplePoints.data(), 3}, {kSampleTypes.data(), 3}, 450, 200));
}

TEST_F(MetafileExport, FailedWritesLeaveNoFileAndNamelessPathsAreRefused) {
    TFontFX engine(Rect{0, 0, 450, 200});
    EXPECT_THROW(ExportMetafile(engine, 450, 200, at("missing/out.emf"), true), std::runtime_error);
    EXPECT_THROW(ExportMetafile(engine, 450, 200, "", true), ImageError);
    EXPECT_THROW(ExportMetafile(engine, 450, 200, (dir_ / "").string(), true), ImageError);
    EXPECT_THROW(ExportMetafile(engine, 0, 200, at("nothing.wmf"), false), ImageError);
    EXPECT_TRUE(files().empty());
}

TEST_F(MetafileExport, DefaultEffectIsDrawnInsideTheImage) {
    test::EngineRig rig(450, 200);
    ASSERT_TRUE(rig.extractAndWarp());
    TFontFX& engine = *rig.engine;
    ASSERT_GT(engine.NumOutlinePoints, 20);

    const auto emf = emfRecords(readFileBytes(ExportMetafile(engine, 450, 200, at("default.emf"), true)));
    const Rect drawn = emf.front().box(0);
    EXPECT_GE(drawn.left, 0);
    EXPECT_GE(drawn.top, 0);
    EXPECT_LT(drawn.right, 450);
    EXPECT_LT(drawn.bottom, 200);
    EXPECT_GT(drawn.width(), 225) << "the text spans most of the image";
    size_t moves = 0;
    for (const auto& r : emf) moves += r.type == EmrMoveToEx;
    EXPECT_GT(moves, 2u) << "one figure per letter at least";

    const auto wmf = wmfDrawing(wmfRecords(readFileBytes(ExportMetafile(engine, 450, 200, at("default.wmf"), false))));
    size_t wmfMoves = 0;
    for (const auto& r : wmf) {
        wmfMoves += r.function == MetaMoveTo;
        if (r.function == MetaLineTo || r.function == MetaMoveTo) {
            EXPECT_TRUE(r.param(1) >= drawn.left && r.param(1) <= drawn.right && r.param(0) >= drawn.top &&
                        r.param(0) <= drawn.bottom);
        }
    }
    EXPECT_GE(wmfMoves, moves);

    if (const char* out = std::getenv("VORTEL_METAFILE_OUT")) {
        ExportMetafile(engine, 450, 200, (fs::path(out) / "default.emf").string(), true);
        ExportMetafile(engine, 450, 200, (fs::path(out) / "default.wmf").string(), false);
        exportPdf(engine, 450, 200, (fs::path(out) / "default.pdf").string());
    }
}
