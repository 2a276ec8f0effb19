// Every reader of a file a user names, given what is not a file to read: each refuses at once,
// without waiting on a FIFO or reading a device that never ends.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "document/Document.h"
#include "document/DocumentFormat.h"
#include "document/FileBytes.h"
#include "document/ImageFile.h"
#include "platform/FileGate.h"
#include "platform/IniFile.h"
#include "tests/docformat/DocumentTesting.h"

using namespace vortel;
using namespace vortel::testing;
namespace fs = std::filesystem;

namespace {

// A hang fails the test (the alarm ends the process) instead of stalling the whole run.
struct Deadline {
    Deadline() { ::alarm(60); }
    ~Deadline() { ::alarm(0); }
};

// The readers, each as: does it refuse `path` (throw, or give nothing)?
const std::vector<std::pair<const char*, std::function<bool(const std::string&)>>>& readers() {
    static const std::vector<std::pair<const char*, std::function<bool(const std::string&)>>> all = {
        {"picture", [](const std::string& p) {
             try {
                 loadImage(p);
             } catch (const ImageError&) {
                 return true;
             }
             return false;
         }},
        {"document", [](const std::string& p) {
             TFontFX engine(testRect());
             try {
                 ReadDocument(engine, p);
             } catch (const DocumentError&) {
                 return true;
             }
             return false;
         }},
        {"style file", [](const std::string& p) {
             TFontFX engine(testRect());
             try {
                 ReadStyleFile(engine, p, StyleKind::Bevel);
             } catch (const DocumentError&) {
                 return true;
             }
             return false;
         }},
        {"preview", [](const std::string& p) { return !ReadDocumentPreview(p); }},
        {"settings", [](const std::string& p) { return IniFile(p).text().empty(); }},
    };
    return all;
}

}  // namespace

TEST(OutsideFiles, EveryReaderRefusesWhatIsNotARegularFile) {
    const Deadline deadline;
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_directory(dir.file("folder"));
    fs::create_symlink(dir.file("loop-b"), dir.file("loop-a"));
    fs::create_symlink(dir.file("loop-a"), dir.file("loop-b"));
    fs::create_symlink("/dev/zero", dir.file("zero-link"));
    std::ofstream(dir.file("plain")) << "x";
    // Larger than a document may be, without taking the disk space.
    std::ofstream(dir.file("huge")).close();
    ASSERT_EQ(::truncate(dir.file("huge").c_str(), off_t(document_format::MaxDocumentBytes + 1)), 0);

    const std::vector<std::string> refused = {dir.file("fifo"),    dir.file("folder"),    "/dev/zero",
                                              "/dev/full",         dir.file("loop-a"),    dir.file("zero-link"),
                                              dir.file("plain/x"), dir.file("missing"),   dir.file("huge")};
    for (const auto& [name, refuses] : readers())
        for (const auto& path : refused) EXPECT_TRUE(refuses(path)) << name << " read " << path;

    if (::geteuid() != 0) {  // the superuser reads any file whatever its mode
        std::ofstream(dir.file("locked")) << "x";
        fs::permissions(dir.file("locked"), fs::perms::none);
        for (const auto& [name, refuses] : readers()) EXPECT_TRUE(refuses(dir.file("locked"))) << name;
    }
}

TEST(OutsideFiles, TheGateSaysWhyAndReadsWhatItAdmits) {
    const Deadline deadline;
    ScratchDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    std::ofstream(dir.file("ten")) << "0123456789";
    const struct {
        std::string path;
        uint64_t limit;
        const char* reason;
    } cases[] = {
        {dir.file("fifo"), 100, "not a regular file"},
        {"/dev/zero", 100, "not a regular file"},
        {dir.path().string(), 100, "is a folder, not a file"},
        {dir.file("ten"), 9, "file is too large"},
        {dir.file("none"), 100, "No such file or directory"},
    };
    for (const auto& c : cases) {
        try {
            readGatedBytes(c.path, c.limit);
            ADD_FAILURE() << c.path << " was read";
        } catch (const FileGateError& e) {
            EXPECT_EQ(e.reason(), c.reason) << c.path;
            EXPECT_EQ(e.path(), c.path);
        }
    }
    EXPECT_EQ(readGatedText(dir.file("ten"), 10), "0123456789");
}

// A name that is a symbolic link is written through: the link stays and its target gets the bytes;
// a target that is not a regular file is never replaced.
TEST(OutsideFiles, WritesGoThroughLinksAndNeverReplaceSpecialFiles) {
    ScratchDir dir;
    fs::create_directory(dir.file("real"));
    std::ofstream(dir.file("real/settings.ini")) << "[Old]\r\n";
    fs::create_symlink("real/settings.ini", dir.file("link.ini"));
    fs::create_symlink("link.ini", dir.file("chain.ini"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink(dir.file("fifo"), dir.file("to-fifo.ini"));

    IniFile ini(dir.file("chain.ini"));
    ini.writeInteger("Image", "Width", 640);
    EXPECT_TRUE(ini.save());
    EXPECT_TRUE(fs::is_symlink(dir.file("chain.ini")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(IniFile(dir.file("real/settings.ini")).readInteger("Image", "Width", 0), 640);
    EXPECT_EQ(dir.entries().size(), 5u);  // no temporary file left beside the link

    EXPECT_FALSE(IniFile(dir.file("to-fifo.ini")).save());
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
    TFontFX engine(testRect());
    EXPECT_THROW(WriteDocument(engine, gradientPicture(8, 8), dir.file("to-fifo.ini")), DocumentError);
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
}
