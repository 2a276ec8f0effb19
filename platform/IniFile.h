#pragma once
// A settings file in the old private-profile layout: "[Section]" lines and "Key=Value" lines.
// Reading never fails: a damaged or missing file simply holds nothing, so every lookup gives its
// default. Writing keeps every other line of the file (comments, unknown sections, key order) as it
// was, and keys may be anything that holds no '=' (folder paths included), which a settings class
// that rewrites keys would not allow.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortel {

class IniFile {
public:
    IniFile() = default;
    // The largest settings file read: far beyond what the program writes, far below what would
    // keep a start waiting.
    static constexpr uint64_t MaxFileBytes = uint64_t(4) << 20;

    // Reads `path`; an unreadable file (or one that is not a regular file, or is larger than
    // MaxFileBytes) leaves the object empty, bound to that path for saving.
    explicit IniFile(std::string path);

    // The text form, both ways. Section and key names compare without regard to ASCII case; the
    // first of two equal keys in a section counts. Lines before the first section are kept but
    // belong to none. Line ends may be LF or CR LF; a byte order mark is skipped.
    static IniFile parse(std::string_view text);
    std::string text() const;

    const std::string& path() const { return path_; }
    // Writes the whole file to its path through a temporary file (through to the target of a
    // symbolic link); false when that fails, the old file then untouched.
    bool save() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, const std::string& fallback) const;
    // A decimal number with an optional sign, blanks around it allowed; anything else (or a value
    // beyond 32 bits) gives the fallback.
    int32_t readInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    // Written as 1 and 0; any non-zero number reads as true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;
    // The key names of a section in file order.
    std::vector<std::string> readSection(std::string_view section) const;
    bool hasSection(std::string_view section) const;

    // Replaces the key's value, or adds the key at the end of its section (the section at the end
    // of the file). Line breaks in keys or values are replaced by spaces: one entry, one line.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void eraseKey(std::string_view section, std::string_view key);
    void eraseSection(std::string_view section);

private:
    struct Line {
        std::string text;     // the line as read or written, without its line end
        std::string section;  // the section the line belongs to ("" before the first)
        std::string key;      // a key line's name, trimmed; "" for headers, comments, blanks
        std::string val;      // a key line's value, trimmed
        bool header = false;
    };
    const Line* find(std::string_view section, std::string_view key) const;

    std::string path_;
    std::vector<Line> lines_;
};

}  // namespace vortel
