#include "platform/TempFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace vortel {
namespace {

std::string tempFolder() {
    const char* dir = std::getenv("TMPDIR");
    return dir && *dir ? dir : "/tmp";
}

// The extension is everything from the last '.', as a file name's extension is; the prefix stops
// at the first '.', so "a.b.jpg" gives prefix "a" and extension ".jpg".
std::string extensionOf(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string prefixOf(const std::string& name) {
    std::string prefix = name.substr(0, name.find('.'));
    for (char& c : prefix) {
        if (c == '/') c = '_';
    }
    return prefix;
}

}  // namespace

std::string MakeTempFileName(const std::string& templateName) {
    const std::string extension = extensionOf(templateName);
    std::string pattern = tempFolder() + "/" + prefixOf(templateName) + "XXXXXX" + extension;
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = mkstemps(buffer.data(), static_cast<int>(extension.size()));
    if (fd < 0) {
        throw std::runtime_error("cannot create a temporary file in " + tempFolder() + ": " + std::strerror(errno));
    }
    close(fd);
    return std::string(buffer.data());
}

TempFile::~TempFile() { unlink(path_.c_str()); }

}  // namespace vortel
