#include "reslib/generator/ResourceSet.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace vortel::resgen {
namespace {

bool plainIdentifier(const std::string& text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

std::string upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Every byte as a three-digit octal escape: a string literal compiles far faster than a list of
// numbers, and fixed-width escapes never run into the digit that follows.
void writeBytes(const std::vector<uint8_t>& bytes, std::ostream& out) {
    constexpr size_t perLine = 32;
    char escape[5];
    for (size_t i = 0; i < bytes.size(); i += perLine) {
        out << "    \"";
        for (size_t j = i; j < std::min(bytes.size(), i + perLine); ++j) {
            std::snprintf(escape, sizeof escape, "\\%03o", bytes[j]);
            out << escape;
        }
        out << "\"\n";
    }
}

}  // namespace

void ResourceSet::add(std::string type, std::string name, std::vector<uint8_t> bytes) {
    if (!plainIdentifier(type) || !plainIdentifier(name)) {
        throw std::invalid_argument("resource type and name must be letters, digits and '_': '" + type + "' '" + name +
                                    "'");
    }
    if (bytes.empty()) throw std::invalid_argument("resource " + name + " is empty");
    for (const auto& r : resources_) {
        if (upper(r.type) == upper(type) && upper(r.name) == upper(name)) {
            throw std::invalid_argument("resource " + type + " " + name + " is already present");
        }
    }
    resources_.push_back({std::move(type), std::move(name), std::move(bytes)});
}

std::string indexedName(const std::string& prefix, int index, int digits) {
    char number[16];
    std::snprintf(number, sizeof number, "%.*d", digits, index);
    return prefix + number;
}

void writeTableSource(const ResourceSet& set, std::ostream& out) {
    const auto& all = set.resources();
    out << "// Written by vortel-resgen (reslib/generator) at build time; edit the generator instead.\n"
           "#include \"platform/Resources.h\"\n\n";
    if (all.empty()) {
        out << "extern \"C\" const VortelResourceModule vortelStockTable = {0, nullptr};\n";
        return;
    }
    out << "namespace {\n\n";
    for (size_t i = 0; i < all.size(); ++i) {
        out << "// " << all[i].type << ' ' << all[i].name << "\nconst uint8_t resource" << i << "[] =\n";
        writeBytes(all[i].bytes, out);
        out << "    ;\n\n";
    }
    out << "const VortelResourceEntry entries[] = {\n";
    for (size_t i = 0; i < all.size(); ++i) {
        out << "    {\"" << all[i].type << "\", \"" << all[i].name << "\", resource" << i << ", " << all[i].bytes.size()
            << "u},\n";
    }
    out << "};\n\n}  // namespace\n\n"
        << "extern \"C\" const VortelResourceModule vortelStockTable = {" << all.size() << "u, entries};\n";
}

void writeTableFile(const ResourceSet& set, const std::string& path) {
    const std::string temporary = path + ".partial";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw std::runtime_error("cannot create " + temporary);
        writeTableSource(set, out);
        out.flush();
        if (!out) throw std::runtime_error("cannot write " + temporary);
    }
    std::filesystem::rename(temporary, path);
}

}  // namespace vortel::resgen
