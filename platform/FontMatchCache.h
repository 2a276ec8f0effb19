#pragma once
// Answers of the font lookup kept on disk between runs. Reading fontconfig's configuration costs a
// command-line run more than drawing a picture; the answers only change when a font or the
// configuration does, so each answer is stored with the modification times of the font folders and
// configuration files it came from, and the whole file is dropped when any of them changed.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vortel {

struct CachedFaceMatch {
    std::string family, file;
    int index = 0;
    bool substituted = false;
};

class FontMatchCache {
public:
    // An empty path keeps nothing; `remember` keeps the answers in this object only, never on disk.
    explicit FontMatchCache(std::string path, bool remember = false) : path_(std::move(path)), remember_(remember) {}

    // The one cache of the process: $VORTEL_FONT_CACHE, else $XDG_CACHE_HOME/vortel/font-matches,
    // else ~/.cache/vortel/font-matches; none when fontconfig is pointed elsewhere by its own
    // environment variables or VORTEL_FONT_CACHE is empty; in the process only for ":memory:".
    static FontMatchCache& process();

    std::optional<CachedFaceMatch> find(const std::string& key);
    // Adds the answer and writes the file (replaced whole); `watched` are the folders and files
    // whose change makes the answers stale. Failures to write are ignored: the cache is a shortcut.
    void store(const std::string& key, const CachedFaceMatch& match, const std::vector<std::string>& watched);

    // Modification time in nanoseconds, -1 for a path that does not exist.
    static int64_t stamp(const std::string& path);

private:
    void load();
    std::string path_;
    bool remember_ = false;
    std::mutex mutex_;
    bool loaded_ = false;
    std::vector<std::pair<std::string, int64_t>> stamps_;
    std::vector<std::pair<std::string, CachedFaceMatch>> entries_;
};

}  // namespace vortel
