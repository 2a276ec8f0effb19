// vortel-ts2cpp: turns Qt translation files (.ts, as lupdate writes them) into a C++ table that a
// program without Qt can search (vortel-cli). Only finished translations are taken: a text still
// "unfinished", "vanished" or "obsolete" has none, and the program shows its source.
//
//   vortel-ts2cpp OUT.cpp NAME=FILE.ts[#CONTEXT] ...
//
// writes one table `NAME` for each argument, its entries sorted by context and source (byte order,
// as strcmp sees them); with #CONTEXT only that context of the file is taken.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Entry {
    std::string context, source, translation;
};

// A reader of the small part of XML that lupdate writes: elements, attributes in double quotes,
// character references and the five entities; a control character is written <byte value="xd"/>.
class TsReader {
public:
    explicit TsReader(std::string text, std::string name) : text_(std::move(text)), name_(std::move(name)) {}

    std::vector<Entry> entries() {
        std::vector<Entry> out;
        std::string context;
        Entry message;
        std::string type;
        bool inMessage = false;
        while (skipTo('<')) {
            const std::string tag = readTag();
            if (tag.empty()) continue;
            const std::string name = tagName(tag);
            if (name == "name" && !inMessage) {
                context = readText("name");
            } else if (name == "message") {
                inMessage = true;
                message = Entry{context, {}, {}};
                type.clear();
                if (attribute(tag, "numerus") == "yes") fail("plural forms are not supported");
            } else if (name == "source" && inMessage) {
                message.source = readText("source");
            } else if (name == "translation" && inMessage) {
                type = attribute(tag, "type");
                message.translation = tag.ends_with("/") ? std::string() : readText("translation");
            } else if (name == "/message") {
                inMessage = false;
                if (type.empty() && !message.translation.empty()) out.push_back(message);
            }
        }
        return out;
    }

private:
    [[noreturn]] void fail(const std::string& why) const {
        size_t line = 1 + size_t(std::count(text_.begin(), text_.begin() + std::ptrdiff_t(std::min(at_, text_.size())), '\n'));
        throw std::runtime_error(name_ + ":" + std::to_string(line) + ": " + why);
    }

    bool skipTo(char c) {
        const size_t found = text_.find(c, at_);
        if (found == std::string::npos) return false;
        at_ = found;
        return true;
    }

    // The tag at `at_` ('<' ... '>') without its brackets; comments, declarations and processing
    // instructions are skipped and give an empty tag.
    std::string readTag() {
        if (text_.compare(at_, 4, "<!--") == 0) {
            const size_t end = text_.find("-->", at_);
            if (end == std::string::npos) fail("comment without end");
            at_ = end + 3;
            return {};
        }
        const size_t end = text_.find('>', at_);
        if (end == std::string::npos) fail("tag without end");
        std::string tag = text_.substr(at_ + 1, end - at_ - 1);
        at_ = end + 1;
        if (!tag.empty() && (tag[0] == '!' || tag[0] == '?')) return {};
        return tag;
    }

    static std::string tagName(const std::string& tag) {
        const size_t end = tag.find_first_of(" \t\r\n/", tag[0] == '/' ? 1 : 0);
        return tag.substr(0, end);
    }

    std::string attribute(const std::string& tag, const std::string& name) const {
        const std::string key = " " + name + "=\"";
        const size_t at = tag.find(key);
        if (at == std::string::npos) return {};
        const size_t end = tag.find('"', at + key.size());
        if (end == std::string::npos) fail("attribute without end");
        return decode(tag.substr(at + key.size(), end - at - key.size()));
    }

    // The text up to </element>, with <byte value="..."/> taken as the character it stands for.
    std::string readText(const std::string& element) {
        std::string out;
        while (true) {
            const size_t lt = text_.find('<', at_);
            if (lt == std::string::npos) fail("<" + element + "> without end");
            out += decode(text_.substr(at_, lt - at_));
            at_ = lt;
            const std::string tag = readTag();
            if (tag == "/" + element) return out;
            if (tagName(tag) == "byte") {
                const std::string value = attribute(tag, "value");
                const unsigned long code = value.starts_with("x") ? std::stoul(value.substr(1), nullptr, 16) : std::stoul(value);
                appendUtf8(out, code);
                continue;
            }
            fail("unexpected <" + tag + "> in <" + element + ">");
        }
    }

    static void appendUtf8(std::string& out, unsigned long code) {
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }

    std::string decode(const std::string& raw) const {
        std::string out;
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                out += raw[i];
                continue;
            }
            const size_t end = raw.find(';', i);
            if (end == std::string::npos) fail("'&' without ';'");
            const std::string entity = raw.substr(i + 1, end - i - 1);
            static const std::map<std::string, char> named = {
                {"quot", '"'}, {"apos", '\''}, {"amp", '&'}, {"lt", '<'}, {"gt", '>'}};
            if (const auto it = named.find(entity); it != named.end()) {
                out += it->second;
            } else if (entity.starts_with("#x")) {
                appendUtf8(out, std::stoul(entity.substr(2), nullptr, 16));
            } else if (entity.starts_with("#")) {
                appendUtf8(out, std::stoul(entity.substr(1)));
            } else {
                fail("unknown entity &" + entity + ";");
            }
            i = end;
        }
        return out;
    }

    std::string text_, name_;
    size_t at_ = 0;
};

// A C++ string literal of the bytes: printable ASCII as it is, everything else as three octal digits
// (an octal escape never swallows a following character, unlike \x).
std::string literal(const std::string& bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u >= 0x20 && u < 0x7F && c != '?') {
            out += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", u);
            out += escaped;
        }
    }
    return out + "\"";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: vortel-ts2cpp OUT.cpp NAME=FILE.ts[#CONTEXT] ...\n";
        return 2;
    }
    try {
        std::ostringstream out;
        out << "// Generated by vortel-ts2cpp from the translation files in i18n/; do not edit.\n"
               "#include \"cli/TextTables.h\"\n\nnamespace vortel::cli::text_tables {\n";
        for (int i = 2; i < argc; ++i) {
            const std::string arg = argv[i];
            const size_t eq = arg.find('='), hash = arg.find('#', eq);
            if (eq == std::string::npos || eq == 0) throw std::runtime_error("expected NAME=FILE.ts[#CONTEXT]: " + arg);
            const std::string name = arg.substr(0, eq);
            const std::string file = arg.substr(eq + 1, hash == std::string::npos ? std::string::npos : hash - eq - 1);
            const std::string only = hash == std::string::npos ? std::string() : arg.substr(hash + 1);
            std::vector<Entry> entries = TsReader(readFile(file), file).entries();
            std::erase_if(entries, [&](const Entry& e) { return !only.empty() && e.context != only; });
            std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
                return std::tie(a.context, a.source) < std::tie(b.context, b.source);
            });
            for (size_t k = 1; k < entries.size(); ++k) {
                if (entries[k].context == entries[k - 1].context && entries[k].source == entries[k - 1].source &&
                    entries[k].translation != entries[k - 1].translation)
                    throw std::runtime_error(file + ": two translations of \"" + entries[k].source + "\"");
            }
            entries.erase(std::unique(entries.begin(), entries.end(),
                                      [](const Entry& a, const Entry& b) {
                                          return a.context == b.context && a.source == b.source;
                                      }),
                          entries.end());
            out << "\n// " << file.substr(file.find_last_of('/') + 1) << (only.empty() ? "" : ", context " + only)
                << ": " << entries.size() << " texts\nconst Entry " << name << "Entries[] = {\n";
            for (const Entry& e : entries)
                out << "    {" << literal(e.context) << ", " << literal(e.source) << ",\n     " << literal(e.translation)
                    << "},\n";
            if (entries.empty()) out << "    {\"\", \"\", \"\"},\n";
            out << "};\nconst std::span<const Entry> " << name << "(" << name << "Entries, " << entries.size() << ");\n";
        }
        out << "\n}  // namespace vortel::cli::text_tables\n";
        // Written only when it changed, so an unchanged table compiles nothing again.
        const std::string path = argv[1];
        std::string old;
        try {
            old = readFile(path);
        } catch (const std::exception&) {
        }
        if (old != out.str()) {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file << out.str();
            if (!file.flush()) throw std::runtime_error("cannot write " + path);
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "vortel-ts2cpp: " << e.what() << '\n';
        return 1;
    }
}
