#include "document/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>
#include <stdexcept>

#include <fcntl.h>
#include <sys/mman.h>
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

// Puts the finished temporary file in place of `path`; false with errno set when it cannot. A
// lazily written file swaps places with an old regular file, which is then removed under the
// temporary name: on ext4 a rename over an existing file starts writing the new one out at once,
// and the next replacement of that file then waits for the disk. The swap is as atomic as the
// rename: `path` names the old file or the new one at every moment.
static bool putInPlace(const std::string& temp, const std::string& path, Flush flush) {
    struct stat old {};
    if (flush == Flush::Lazily && ::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(temp.c_str());
        return true;
    }
    // No old file, another kind of file, or a file system that cannot swap: an ordinary rename.
    return ::rename(temp.c_str(), path.c_str()) == 0;
}

// A new temporary file in the folder of `path`, opened for writing: its descriptor and name.
static std::pair<int, std::string> openTemporaryBeside(const std::string& path) {
    const std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) failWrite(path, errno, false);
    return {fd, std::string(name.data())};
}

void writeFileAtomically(const std::string& path, std::span<const uint8_t> content, Flush flush) {
    writeFileAtomically(path, std::span<const std::span<const uint8_t>>(&content, 1), flush);
}

void writeFileAtomically(const std::string& path, std::span<const std::span<const uint8_t>> pieces, Flush flush) {
    const auto opened = openTemporaryBeside(path);
    const int fd = opened.first;
    const std::string& temp = opened.second;

    bool written = ::fchmod(fd, regularFileMode()) == 0;
    for (size_t i = 0; written && i < pieces.size(); ++i) written = writeAll(fd, pieces[i]);
    written = written && (flush == Flush::Lazily || ::fsync(fd) == 0);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed || !putInPlace(temp, path, flush)) {
        const int error = !written ? writeError : !closed ? closeError : errno;
        ::unlink(temp.c_str());
        failWrite(path, error, true);
    }
}

void writeFileAtomicallyInPlace(const std::string& path, uint64_t size, const std::function<void(uint8_t*)>& fill,
                                 Flush flush) {
    const auto opened = openTemporaryBeside(path);
    const int fd = opened.first;
    const std::string& temp = opened.second;
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        failWrite(path, error, true);
    };
    // Sized first, so a full disk shows here and not as a fault while the bytes are written.
    if (::fchmod(fd, regularFileMode()) != 0) fail(errno);
    if (const int error = ::posix_fallocate(fd, 0, off_t(size)); error != 0) fail(error);
    if (size > 0) {
        void* data = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (data == MAP_FAILED) fail(errno);
        try {
            fill(static_cast<uint8_t*>(data));
        } catch (...) {
            ::munmap(data, size);
            ::close(fd);
            ::unlink(temp.c_str());
            throw;
        }
        ::munmap(data, size);
    }
    if (flush == Flush::ToDisk && ::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        failWrite(path, error, true);
    }
    if (!putInPlace(temp, path, flush)) {
        const int error = errno;
        ::unlink(temp.c_str());
        failWrite(path, error, true);
    }
}

}  // namespace vortel
