#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/AtomicFile.h"
#include "document/FileBytes.h"

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

// Either way of flushing replaces what stood at the path as a rename would: a regular file (a
// lazily written one by swapping places with it), a symbolic link (the link itself, not what it
// points at); a folder is refused and kept. No temporary file is left behind.
TEST_F(AtomicFile, EveryFlushReplacesLikeARename) {
    using vortel::Flush;
    enum class Before { Nothing, File, Link, Folder };
    const struct {
        Before before;
        Flush flush;
        bool written;
    } cases[] = {
        {Before::Nothing, Flush::Lazily, true}, {Before::File, Flush::Lazily, true},
        {Before::Link, Flush::Lazily, true},    {Before::Folder, Flush::Lazily, false},
        {Before::File, Flush::ToDisk, true},    {Before::Folder, Flush::ToDisk, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.before) * 10 + int(c.flush));
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path target = dir / "out.bmp", aside = dir / "aside";
        std::ofstream(aside) << "kept";
        if (c.before == Before::File) std::ofstream(target) << "old";
        if (c.before == Before::Link) fs::create_symlink(aside, target);
        if (c.before == Before::Folder) fs::create_directory(target);
        const std::vector<uint8_t> bytes{'n', 'e', 'w'};
        if (c.written) {
            vortel::writeFileAtomically(target.string(), bytes, c.flush);
            EXPECT_EQ(read(target), "new");
            // A link is written through: it stays, and the file it names gets the new bytes.
            EXPECT_EQ(fs::is_symlink(target), c.before == Before::Link);
        } else {
            EXPECT_THROW(vortel::writeFileAtomically(target.string(), bytes, c.flush), std::runtime_error);
            EXPECT_TRUE(fs::is_directory(target));
        }
        EXPECT_EQ(read(aside), c.before == Before::Link ? "new" : "kept");
        EXPECT_EQ(entries(), 2u);
    }
}
