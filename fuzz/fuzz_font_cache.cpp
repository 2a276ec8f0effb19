// The font lookup's answer file: any bytes must read without a fault, every answer found must be
// one the file could hold, and after a store the file must read back with that answer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FontMatchCache.h"

namespace fs = std::filesystem;

namespace {

constexpr time_t kFontsTime = 1'000'000'000;  // 1000000000000000000 ns in a stamp line

struct Scratch {
    fs::path dir, fonts, file;
    Scratch() {
        dir = fs::temp_directory_path() / ("vortel-fuzz-font-cache-" + std::to_string(::getpid()));
        fonts = dir / "fonts";
        file = dir / "matches";
        fs::create_directories(fonts);
        // Stamps of the last moments are never stored; the watched folder gets a fixed time well in
        // the past, which the seeds' stamp lines carry.
        const timespec times[2] = {{kFontsTime, 0}, {kFontsTime, 0}};
        ::utimensat(AT_FDCWD, fonts.c_str(), times, 0);
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
};

const Scratch& scratch() {
    static const Scratch s;
    return s;
}

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Scratch& s = scratch();
    // The stamp lines of the seeds name the watched folder by a placeholder.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string marker = "@FONTS@", folder = s.fonts.string();
    for (size_t at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + folder.size()))
        bytes.replace(at, marker.size(), folder);
    {
        std::ofstream out(s.file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
    }

    const std::string key = "Arial|bold|roman|sans-serif";
    vortel::FontMatchCache cache(s.file.string());
    for (const char* k : {"Arial|regular|roman|sans-serif", "Arial|bold|roman|sans-serif", ""}) {
        if (const auto found = cache.find(k)) {
            check(!found->file.empty() && found->index >= 0);
            check(found->file.find('\0') == std::string::npos && found->family.find('\0') == std::string::npos);
        }
    }
    const vortel::CachedFaceMatch match{"Liberation Sans", (s.fonts / "a.ttf").string(), 2, true};
    cache.store(key, match, {s.fonts.string()});

    vortel::FontMatchCache again(s.file.string());
    const auto found = again.find(key);
    check(found.has_value());
    check(found->family == match.family && found->file == match.file && found->index == match.index &&
          found->substituted == match.substituted);
    return 0;
}
