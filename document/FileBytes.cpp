#include "document/FileBytes.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "document/ImageError.h"
#include "document/ImageLimits.h"

namespace vortel {
namespace {

[[noreturn]] void failRead(const std::string& path, const std::string& why) {
    throw FileReadError(path, why);
}

struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

[[noreturn]] void failWrite(const std::string& path, int error, bool created) {
    throw FileWriteError(path, std::strerror(error), created);
}

bool writeAll(int fd, std::span<const uint8_t> content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        content = content.subspan(static_cast<size_t>(n));
    }
    return true;
}

// mkstemp creates the file private to the user; a finished output gets the usual mode.
mode_t regularFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::vector<uint8_t> readFileBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) failRead(path, std::strerror(errno));
    const FdCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) failRead(path, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) failRead(path, "not a regular file");
    if (uint64_t(info.st_size) > image_limits::MaxFileBytes) failRead(path, "file is too large for an image");
    std::vector<uint8_t> bytes(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failRead(path, std::strerror(errno));
        if (n == 0) failRead(path, "file shrank while being read");
        done += static_cast<size_t>(n);
    }
    return bytes;
}

void writeFileAtomically(const std::string& path, std::span<const uint8_t> content, Flush flush) {
    const std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) failWrite(path, errno, false);
    const std::string temp(name.data());

    const bool written = ::fchmod(fd, regularFileMode()) == 0 && writeAll(fd, content) &&
                         (flush == Flush::Lazily || ::fsync(fd) == 0);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = !written ? writeError : !closed ? closeError : errno;
        ::unlink(temp.c_str());
        failWrite(path, error, true);
    }
}

}  // namespace vortel
