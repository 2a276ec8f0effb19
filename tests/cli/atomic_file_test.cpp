#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/AtomicFile.h"

namespace fs = std::filesystem;
using vortel::cli::writeFileAtomically;

namespace {

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vortel-atomic-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    size_t entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
};

}  // namespace

TEST_F(AtomicFile, CreatesAndReplacesWithReadableMode) {
    const fs::path file = dir / "out.svg";
    writeFileAtomically(file, "first");
    writeFileAtomically(file, std::string("second\0with nul", 15));
    EXPECT_EQ(read(file), std::string("second\0with nul", 15));
    EXPECT_EQ(entries(), 1u);
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_read, fs::perms::none);
}

TEST_F(AtomicFile, FailureLeavesNoTemporaryBehind) {
    const fs::path blocked = dir / "blocked";
    fs::create_directory(blocked);
    EXPECT_THROW(writeFileAtomically(blocked, "data"), std::runtime_error);
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(entries(), 1u);
    EXPECT_THROW(writeFileAtomically(dir / "missing" / "out.svg", "data"), std::runtime_error);
}
