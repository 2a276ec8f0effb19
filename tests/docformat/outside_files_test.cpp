// Every reader of a file a user names, given what is not a file to read: each refuses at once,
// without waiting on a FIFO or reading a device that never ends.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "document/Document.h"
#include "document/DocumentFormat.h"
#include "document/FileBytes.h"
#include "document/ImageBmp.h"
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

// The readers, each as: does it refuse `path` (throw, or give nothing)? And how to write a file
// it reads.
struct Reader {
    const char* name;
    std::function<bool(const std::string&)> refuses;
    std::function<void(const std::string&)> writeGood;
};

template <typename Error>
bool throws(const std::function<void()>& read) {
    try {
        read();
    } catch (const Error&) {
        return true;
    }
    return false;
}

const std::vector<Reader>& readers() {
    static const TFontFX engine(testRect());
    static const std::vector<Reader> all = {
        {"picture", [](const std::string& p) { return throws<ImageError>([&] { loadImage(p); }); },
         [](const std::string& p) { saveBmp(p, gradientPicture(8, 8)); }},
        {"document",
         [](const std::string& p) {
             TFontFX into(testRect());
             return throws<DocumentError>([&] { ReadDocument(into, p); });
         },
         [](const std::string& p) { WriteDocument(engine, gradientPicture(8, 8), p); }},
        {"style file",
         [](const std::string& p) {
             TFontFX into(testRect());
             return throws<DocumentError>([&] { ReadStyleFile(into, p, StyleKind::Bevel); });
         },
         [](const std::string& p) { WriteStyleFile(engine, p, StyleKind::Bevel); }},
        {"preview", [](const std::string& p) { return !ReadDocumentPreview(p); },
         [](const std::string& p) { WriteDocument(engine, gradientPicture(8, 8), p); }},
        {"settings", [](const std::string& p) { return IniFile(p).text().empty(); },
         [](const std::string& p) { std::ofstream(p) << "[Image]\r\nWidth=640\r\n"; }},
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
    for (const Reader& reader : readers())
        for (const auto& path : refused) EXPECT_TRUE(reader.refuses(path)) << reader.name << " read " << path;

    // A file each reader reads, until it may no longer open it. The superuser reads any file whatever
    // its mode, so then the readers run in a child that has become an ordinary user; its exit status
    // counts the files read.
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    for (const Reader& reader : readers()) {
        const std::string locked = dir.file(std::string("locked ") + reader.name);
        reader.writeGood(locked);
        EXPECT_FALSE(reader.refuses(locked)) << reader.name;
        fs::permissions(locked, fs::perms::none);
    }
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(99);
        int read = 0;
        for (const Reader& reader : readers())
            read += reader.refuses(dir.file(std::string("locked ") + reader.name)) ? 0 : 1;
        ::_exit(read);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "readers that read a file they may not open";
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
