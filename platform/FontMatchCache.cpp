#include "platform/FontMatchCache.h"

#include "platform/FileGate.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <fstream>
#include <sstream>

namespace vortel {

namespace {

constexpr const char* kHeader = "vortel font matches 2";

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> parts;
    size_t from = 0;
    while (true) {
        const size_t tab = line.find('\t', from);
        parts.push_back(line.substr(from, tab - from));
        if (tab == std::string::npos) return parts;
        from = tab + 1;
    }
}

bool clean(const std::string& text) { return text.find('\0') == std::string::npos && text.find_first_of("\t\n\r") == std::string::npos; }

// The whole text must be the number, within the type's range.
template <typename Number>
std::optional<Number> parseNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// The file as this class writes it: a few hundred lines at most. Anything much larger did not
// come from here and is not read into memory.
constexpr uint64_t kMaxFileBytes = 1 << 20;

}  // namespace

FontMatchCache& FontMatchCache::process() {
    // ":memory:" keeps the answers in the process only: a service writes nothing to the disk.
    static const bool inMemory = [] {
        const char* own = std::getenv("VORTEL_FONT_CACHE");
        return own && std::string_view(own) == ":memory:";
    }();
    static FontMatchCache cache(
        [] {
            if (inMemory) return std::string();
            if (std::getenv("FONTCONFIG_FILE") || std::getenv("FONTCONFIG_PATH") || std::getenv("FONTCONFIG_SYSROOT"))
                return std::string();
            if (const char* own = std::getenv("VORTEL_FONT_CACHE")) return std::string(own);
        if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg) return std::string(xdg) + "/vortel/font-matches";
            if (const char* home = std::getenv("HOME"); home && *home) return std::string(home) + "/.cache/vortel/font-matches";
            return std::string();
        }(),
        inMemory);
    return cache;
}

int64_t FontMatchCache::stamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return -1;
    return int64_t(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

void FontMatchCache::load() {
    loaded_ = true;
    if (path_.empty()) return;
    // Any line that is not exactly what store() writes drops the whole file: the answers are a
    // shortcut, and the lookup is simply made again and written afresh.
    std::string text;
    try {
        text = readGatedText(path_, kMaxFileBytes);
    } catch (const FileGateError&) {
        return;
    }
    // A file cut short (a full disk, a copy broken off) lacks its last newline; NUL and carriage
    // returns are never written.
    if (text.empty() || text.back() != '\n' || text.find('\0') != std::string::npos ||
        text.find('\r') != std::string::npos)
        return;
    std::vector<std::pair<std::string, int64_t>> stamps;
    std::vector<std::pair<std::string, CachedFaceMatch>> entries;
    size_t from = 0;
    bool header = true;
    while (from < text.size()) {
        const size_t end = text.find('\n', from);
        const std::string line = text.substr(from, end - from);
        from = end + 1;
        if (header) {
            if (line != kHeader) return;
            header = false;
            continue;
        }
        const auto parts = splitTabs(line);
        if (parts.size() == 3 && parts[0] == "stamp" && !parts[1].empty()) {
            // -1 stands for a path that did not exist; any other negative time is not ours.
            const auto recorded = parseNumber<int64_t>(parts[2]);
            if (!recorded || *recorded < -1) return;
            if (stamp(parts[1]) != *recorded) return;  // a font or the configuration changed: start afresh
            stamps.emplace_back(parts[1], *recorded);
        } else if (parts.size() == 6 && parts[0] == "match" && !parts[1].empty() && !parts[3].empty()) {
            const auto index = parseNumber<int>(parts[4]);
            if (!index || *index < 0 || (parts[5] != "0" && parts[5] != "1")) return;
            entries.emplace_back(parts[1], CachedFaceMatch{parts[2], parts[3], *index, parts[5] == "1"});
        } else {
            return;
        }
    }
    if (stamps.empty()) return;
    stamps_ = std::move(stamps);
    entries_ = std::move(entries);
}

std::optional<CachedFaceMatch> FontMatchCache::find(const std::string& key) {
    const std::lock_guard lock(mutex_);
    if (!loaded_) load();
    for (const auto& [k, match] : entries_)
        if (k == key) return match;
    return std::nullopt;
}

void FontMatchCache::store(const std::string& key, const CachedFaceMatch& match, const std::vector<std::string>& watched) {
    const std::lock_guard lock(mutex_);
    if (remember_ && !key.empty() && !match.file.empty()) {
        std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
        entries_.emplace_back(key, match);
        return;
    }
    if (path_.empty() || key.empty() || !clean(key) || !clean(match.family) || match.file.empty() || !clean(match.file) ||
        match.index < 0 || watched.empty())
        return;
    if (!loaded_) load();
    // Answers read under other stamps than these are dropped with them.
    std::vector<std::pair<std::string, int64_t>> stamps;
    // A change within the same clock tick as a stamp leaves the stamp as it was; stamps of the last
    // two seconds are therefore not kept, and the lookup is simply made again next time.
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const int64_t recent = (int64_t(now.tv_sec) - 2) * 1'000'000'000;
    for (const auto& path : watched) {
        if (path.empty() || !clean(path)) continue;
        const int64_t time = stamp(path);
        if (time > recent) return;
        stamps.emplace_back(path, time);
    }
    if (stamps != stamps_) entries_.clear();
    stamps_ = std::move(stamps);
    std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
    entries_.emplace_back(key, match);

    std::ostringstream text;
    text << kHeader << '\n';
    for (const auto& [path, time] : stamps_) text << "stamp\t" << path << '\t' << time << '\n';
    for (const auto& [k, m] : entries_)
        text << "match\t" << k << '\t' << m.family << '\t' << m.file << '\t' << m.index << '\t' << (m.substituted ? 1 : 0) << '\n';
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    const std::string bytes = text.str();
    try {
        writeFileAtomically(path_, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, Flush::Lazily);
    } catch (const FileWriteError&) {
        // A cache that cannot be written is simply not kept.
    }
}

}  // namespace vortel
