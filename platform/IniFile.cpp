#include "platform/IniFile.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>

#include "platform/FileGate.h"

namespace vortel {
namespace {

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// One entry, one line: a line break inside a key or value would split it on the next read.
std::string oneLine(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    try {
        lines_ = parse(readGatedText(path_, MaxFileBytes)).lines_;
    } catch (const FileGateError&) {
        // Missing, unreadable, not a file, or far larger than any settings file: nothing is read.
    }
}

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    while (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::string section;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        Line line{std::string(raw), section, {}, {}, false};
        const std::string_view body = trim(raw);
        if (body.starts_with('[')) {
            const size_t close = body.find(']');
            if (close != std::string_view::npos) {
                section = std::string(trim(body.substr(1, close - 1)));
                line.section = section;
                line.header = true;
            }
        } else if (!body.empty() && body.front() != ';' && body.front() != '#') {
            const size_t eq = body.find('=');
            if (eq != std::string_view::npos && eq > 0) {
                line.key = std::string(trim(body.substr(0, eq)));
                line.val = std::string(trim(body.substr(eq + 1)));
            }
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

std::string IniFile::text() const {
    std::string out;
    for (const Line& line : lines_) out += line.text + "\r\n";
    return out;
}

bool IniFile::save() const {
    if (path_.empty()) return false;
    const std::string bytes = text();
    try {
        writeFileAtomically(path_, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    } catch (const FileWriteError&) {
        return false;
    }
    return true;
}

const IniFile::Line* IniFile::find(std::string_view section, std::string_view key) const {
    for (const Line& line : lines_)
        if (!line.key.empty() && sameName(line.section, section) && sameName(line.key, key)) return &line;
    return nullptr;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    if (const Line* line = find(section, key)) return line->val;
    return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key, const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

int32_t IniFile::readInteger(std::string_view section, std::string_view key, int32_t fallback) const {
    const auto v = value(section, key);
    if (!v) return fallback;
    std::string_view digits = trim(*v);
    if (digits.starts_with('+')) digits.remove_prefix(1);
    int32_t number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) return fallback;
    return number;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    const auto v = value(section, key);
    if (!v) return fallback;
    constexpr int32_t none = INT32_MIN;
    const int32_t number = readInteger(section, key, none);
    return number == none ? fallback : number != 0;
}

std::vector<std::string> IniFile::readSection(std::string_view section) const {
    std::vector<std::string> keys;
    for (const Line& line : lines_) {
        if (line.key.empty() || !sameName(line.section, section)) continue;
        bool seen = false;
        for (const auto& k : keys) seen = seen || sameName(k, line.key);
        if (!seen) keys.push_back(line.key);
    }
    return keys;
}

bool IniFile::hasSection(std::string_view section) const {
    for (const Line& line : lines_)
        if (line.header && sameName(line.section, section)) return true;
    return false;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string k = oneLine(trim(key)), v = oneLine(trim(value));
    if (k.empty() || k.find('=') != std::string::npos) return;
    for (Line& line : lines_) {
        if (!line.key.empty() && sameName(line.section, section) && sameName(line.key, k)) {
            line.val = v;
            line.text = line.key + "=" + v;
            return;
        }
    }
    // After the section's last entry, so blank lines and comments that close it stay where they
    // are; a section not yet there is added at the end.
    const std::string name = oneLine(trim(section));
    std::ptrdiff_t header = -1, last = -1;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (!sameName(lines_[i].section, name)) continue;
        if (lines_[i].header) {
            if (header < 0) header = last = std::ptrdiff_t(i);
        } else if (header >= 0 && !lines_[i].key.empty()) {
            last = std::ptrdiff_t(i);
        }
    }
    if (header < 0) {
        lines_.push_back(Line{"[" + name + "]", name, {}, {}, true});
        last = std::ptrdiff_t(lines_.size()) - 1;
    }
    lines_.insert(lines_.begin() + last + 1, Line{k + "=" + v, name, k, v, false});
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int32_t value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseKey(std::string_view section, std::string_view key) {
    std::erase_if(lines_, [&](const Line& line) {
        return !line.key.empty() && sameName(line.section, section) && sameName(line.key, key);
    });
}

void IniFile::eraseSection(std::string_view section) {
    if (section.empty()) return;  // the lines before the first section belong to none
    std::erase_if(lines_, [&](const Line& line) { return sameName(line.section, section); });
}

}  // namespace vortel
