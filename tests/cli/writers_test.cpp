// Every kind of file the command line writes, as a table: what it wrote reads back with the same
// content, and a write that fails (a full disk, a folder the user may not write, the process killed
// in the middle) leaves the old file byte for byte.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstring>

#include "document/ImageFile.h"
#include "platform/IniFile.h"
#include "tests/cli/CliBinary.h"

namespace {

using vortel::testing::slurp;
namespace fs = std::filesystem;

enum class Trouble { None, FullDisk, ReadOnlyFolder, Killed };

struct ChildRun {
    bool exited = false;  // rather than killed by a signal
    int status = -1;
};

// Runs `write` in a child process that meets `trouble` first; `limit` is the file size the full
// disk (or the kill) strikes at.
ChildRun inChild(Trouble trouble, off_t limit, const std::function<int()>& write) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (trouble == Trouble::FullDisk || trouble == Trouble::Killed) {
            // Past the limit a write fails with EFBIG, as on a full disk, or (by default) the
            // process is killed on the spot.
            ::signal(SIGXFSZ, trouble == Trouble::FullDisk ? SIG_IGN : SIG_DFL);
            const rlimit size{rlim_t(limit), rlim_t(limit)};
            ::setrlimit(RLIMIT_FSIZE, &size);
        }
        if (trouble == Trouble::ReadOnlyFolder && ::geteuid() == 0) {
            // The superuser writes into any folder; an ordinary user does not.
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(99);
        }
        ::_exit(write());
    }
    int raw = 0;
    ::waitpid(pid, &raw, 0);
    return {WIFEXITED(raw), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

int runCli(const std::vector<std::string>& args) {
    std::vector<std::string> all{std::string(VORTEL_BIN_DIR) + "/vortel-cli"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, 1);
    ::dup2(quiet, 2);
    ::execv(argv[0], argv.data());
    return 98;
}

// EMF: records of type and size that fill the file exactly, from the header to the end record.
bool emfReadsBack(const std::string& bytes) {
    const auto u32 = [&](size_t at) { uint32_t v; std::memcpy(&v, bytes.data() + at, 4); return v; };
    if (bytes.size() < 88 || u32(0) != 1 || u32(48) != bytes.size()) return false;
    size_t at = 0, records = 0;
    uint32_t last = 0;
    while (at + 8 <= bytes.size()) {
        last = u32(at);
        if (u32(at + 4) < 8 || u32(at + 4) % 4) return false;
        at += u32(at + 4);
        ++records;
    }
    return at == bytes.size() && last == 14 && records > 3;
}

// WMF: the optional placeable header, the header whose size in words is the rest, and records up
// to the end record.
bool wmfReadsBack(std::string bytes) {
    const auto u32 = [&](size_t at) { uint32_t v; std::memcpy(&v, bytes.data() + at, 4); return v; };
    if (bytes.size() > 22 && u32(0) == 0x9AC6CDD7u) bytes.erase(0, 22);
    if (bytes.size() < 24 || size_t(u32(6)) * 2 != bytes.size()) return false;
    size_t at = 18, records = 0;
    while (at + 6 <= bytes.size()) {
        const size_t words = u32(at);
        const uint16_t function = uint16_t(uint8_t(bytes[at + 4]) | uint8_t(bytes[at + 5]) << 8);
        if (words < 3) return false;
        at += words * 2;
        ++records;
        if (function == 0) return at == bytes.size() && records > 3;
    }
    return false;
}

double meanDifference(const vortel::Bitmap& a, const vortel::Bitmap& b) {
    if (a.width != b.width || a.height != b.height) return 255;
    double sum = 0;
    for (size_t i = 0; i < a.bgr.size(); ++i) sum += std::abs(int(a.bgr[i]) - int(b.bgr[i]));
    return sum / double(a.bgr.size());
}

class Writers : public vortel::testing::CliBinary {};

TEST_F(Writers, EveryWriterReadsBackAndAFailedWriteLeavesTheOldFile) {
    const std::vector<std::string> state = {"--text", "Wörter\nzwei", "--size", "320x160", "--set",
                                            R"(Bevel={"BevelHeight":90})"};
    const auto render = [&](const fs::path& out) {
        std::vector<std::string> args{"render"};
        if (out.extension() == ".jpg") args.insert(args.end(), {"--jpeg-quality", "98"});
        args.insert(args.end(), state.begin(), state.end());
        args.insert(args.end(), {"-o", out.string()});
        return runCli(args);
    };
    const fs::path png = dir / "reference.png";
    ASSERT_EQ(inChild(Trouble::None, 0, [&] { return render(png); }).status, 0);
    const vortel::Bitmap picture = vortel::loadImage(png.string());

    // Each writer, and how its file is read back: pictures by our readers, documents and style
    // files by writing them again from what was read (the same bytes), outlines by their structure.
    const struct {
        const char* name;
        std::function<bool(const fs::path&)> readsBack;
    } writers[] = {
        {"out.png", [&](const fs::path& f) { return meanDifference(vortel::loadImage(f), picture) == 0; }},
        {"out.bmp", [&](const fs::path& f) { return meanDifference(vortel::loadImage(f), picture) == 0; }},
        {"out.jpg", [&](const fs::path& f) { return meanDifference(vortel::loadImage(f), picture) < 2; }},
        {"out.vtl", nullptr},
        {"out.deform", nullptr},
        {"out.bevel", nullptr},
        {"out.color", nullptr},
        {"out.shadow", nullptr},
        {"out.svg", [](const fs::path& f) {
             const std::string s = slurp(f);
             return s.starts_with("<?xml") && s.find("<path") != std::string::npos && s.ends_with("</svg>\n");
         }},
        {"out.pdf", [](const fs::path& f) {
             const std::string s = slurp(f);
             return s.starts_with("%PDF-") && s.find("%%EOF") != std::string::npos &&
                    std::system(("pdfinfo " + vortel::testing::quoted(f) + " >/dev/null 2>&1").c_str()) == 0;
         }},
        {"out.emf", [](const fs::path& f) { return emfReadsBack(slurp(f)); }},
        {"out.wmf", [](const fs::path& f) { return wmfReadsBack(slurp(f)); }},
    };
    const std::string old = "the old file, kept byte for byte\n";
    for (const auto& w : writers) {
        SCOPED_TRACE(w.name);
        const fs::path target = dir / w.name;
        fs::remove(target);
        ASSERT_EQ(inChild(Trouble::None, 0, [&] { return render(target); }).status, 0);
        const std::string written = slurp(target);
        if (w.readsBack) {
            EXPECT_TRUE(w.readsBack(target));
        } else {
            // Read it as the input of a new run that writes the same kind of file again.
            const fs::path again = dir / ("again-" + std::string(w.name));
            ASSERT_EQ(inChild(Trouble::None, 0, [&] { return runCli({"render", target, "-o", again}); }).status, 0);
            EXPECT_EQ(slurp(again), written);
            fs::remove(again);
        }

        for (const Trouble trouble : {Trouble::FullDisk, Trouble::ReadOnlyFolder, Trouble::Killed}) {
            SCOPED_TRACE(int(trouble));
            { std::ofstream(target, std::ios::binary) << old; }
            fs::permissions(dir, trouble == Trouble::ReadOnlyFolder ? fs::perms(0555) : fs::perms(0777));
            const ChildRun child = inChild(trouble, off_t(written.size() / 2), [&] { return render(target); });
            fs::permissions(dir, fs::perms(0777));
            if (trouble == Trouble::Killed) EXPECT_FALSE(child.exited);
            else EXPECT_TRUE(child.exited && child.status != 0) << "a failed write reported success";
            EXPECT_EQ(slurp(target), old);
            // A killed write leaves its temporary file (nothing is left to remove it); the others
            // take theirs away.
            for (const auto& e : fs::directory_iterator(dir)) {
                const std::string name = e.path().filename();
                if (name.starts_with(std::string(w.name) + ".tmp-")) {
                    EXPECT_EQ(trouble, Trouble::Killed) << name;
                    fs::remove(e.path());
                }
            }
        }
    }
}

// The settings file under the same troubles.
TEST_F(Writers, SettingsReadBackAndAFailedSaveLeavesTheOldFile) {
    const std::string path = (dir / "vortel.ini").string();
    vortel::IniFile ini(path);
    for (int i = 0; i < 200; ++i) ini.writeString("Recent", "File" + std::to_string(i), "/home/user/Wörter " + std::to_string(i) + ".vtl");
    ini.writeInteger("Image", "Width", 640);
    ASSERT_TRUE(ini.save());
    const std::string written = slurp(path);
    EXPECT_EQ(vortel::IniFile(path).text(), ini.text());

    const std::string old = "[Image]\r\nWidth=320\r\n";
    for (const Trouble trouble : {Trouble::FullDisk, Trouble::ReadOnlyFolder, Trouble::Killed}) {
        SCOPED_TRACE(int(trouble));
        { std::ofstream(path, std::ios::binary) << old; }
        fs::permissions(dir, trouble == Trouble::ReadOnlyFolder ? fs::perms(0555) : fs::perms(0777));
        const ChildRun child = inChild(trouble, off_t(written.size() / 2), [&] { return ini.save() ? 0 : 1; });
        fs::permissions(dir, fs::perms(0777));
        if (trouble == Trouble::Killed) EXPECT_FALSE(child.exited);
        else EXPECT_EQ(child.status, 1) << "a failed save reported success";
        EXPECT_EQ(slurp(path), old);
    }
}

}  // namespace
