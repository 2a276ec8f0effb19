#include "platform/FileGate.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vortel {

std::string systemErrorText(int error) {
    // The texts are the C library's own (a test holds them to strerror), marked for translation.
    switch (error) {
    case ENOENT: return VORTEL_EN("Errors", "No such file or directory");
    case EACCES: return VORTEL_EN("Errors", "Permission denied");
    case EPERM: return VORTEL_EN("Errors", "Operation not permitted");
    case EISDIR: return VORTEL_EN("Errors", "Is a directory");
    case ENOTDIR: return VORTEL_EN("Errors", "Not a directory");
    case ENOSPC: return VORTEL_EN("Errors", "No space left on device");
    case EROFS: return VORTEL_EN("Errors", "Read-only file system");
    case EEXIST: return VORTEL_EN("Errors", "File exists");
    case ENAMETOOLONG: return VORTEL_EN("Errors", "File name too long");
    case ELOOP: return VORTEL_EN("Errors", "Too many levels of symbolic links");
    case EMFILE: return VORTEL_EN("Errors", "Too many open files");
    case EIO: return VORTEL_EN("Errors", "Input/output error");
    case EFBIG: return VORTEL_EN("Errors", "File too large");
    case EDQUOT: return VORTEL_EN("Errors", "Disk quota exceeded");
    case ENOMEM: return VORTEL_EN("Errors", "Cannot allocate memory");
    default: return std::strerror(error);
    }
}

namespace {

[[noreturn]] void failWrite(const std::string& path, int error, bool created) {
    throw FileWriteError(path, systemErrorText(error), created);
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

GatedFile::GatedFile(const std::string& path, uint64_t maxBytes) : path_(path) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer before the check
    // below could refuse it. It is cleared again for the reads of a regular file, which it does
    // not affect anyway.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0) throw FileGateError(path, systemErrorText(errno));
    struct stat info {};
    std::string refusal;
    if (::fstat(fd_, &info) != 0) refusal = systemErrorText(errno);
    else if (S_ISDIR(info.st_mode)) refusal = VORTEL_EN("Errors", "is a folder, not a file");
    else if (!S_ISREG(info.st_mode)) refusal = VORTEL_EN("Errors", "not a regular file");
    else if (uint64_t(info.st_size) > maxBytes) refusal = VORTEL_EN("Errors", "file is too large");
    if (!refusal.empty()) {
        ::close(fd_);
        throw FileGateError(path, refusal);
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
    size_ = uint64_t(info.st_size);
}

GatedFile::~GatedFile() { ::close(fd_); }

void GatedFile::readInto(uint8_t* out) {
    uint64_t done = 0;
    while (done < size_) {
        const ssize_t n = ::pread(fd_, out + done, size_t(size_ - done), off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileGateError(path_, systemErrorText(errno));
        if (n == 0) throw FileGateError(path_, VORTEL_EN("Errors", "file shrank while being read"));
        done += uint64_t(n);
    }
}

namespace {
thread_local const FileSandbox* sandbox = nullptr;

// The sandbox's file for `path`, checked against `maxBytes` as a file on the disk would be.
const std::vector<uint8_t>& sandboxFile(const FileSandbox& box, const std::string& path, uint64_t maxBytes) {
    const auto found = box.files.find(path);
    if (found == box.files.end()) throw FileGateError(path, systemErrorText(ENOENT));
    if (found->second.size() > maxBytes) throw FileGateError(path, VORTEL_EN("Errors", "file is too large"));
    return found->second;
}

void refuseWriteInSandbox(const std::string& path) {
    if (sandbox) throw FileWriteError(path, systemErrorText(EACCES), false);
}
}  // namespace

SandboxScope::SandboxScope(const FileSandbox& box) : outer_(sandbox) { sandbox = &box; }
SandboxScope::~SandboxScope() { sandbox = outer_; }
const FileSandbox* currentSandbox() { return sandbox; }

std::vector<uint8_t> readGatedBytes(const std::string& path, uint64_t maxBytes) {
    if (sandbox) return sandboxFile(*sandbox, path, maxBytes);
    GatedFile file(path, maxBytes);
    std::vector<uint8_t> bytes(size_t(file.size()));
    file.readInto(bytes.data());
    return bytes;
}

std::string readGatedText(const std::string& path, uint64_t maxBytes) {
    if (sandbox) {
        const auto& bytes = sandboxFile(*sandbox, path, maxBytes);
        return std::string(bytes.begin(), bytes.end());
    }
    GatedFile file(path, maxBytes);
    std::string text(size_t(file.size()), '\0');
    file.readInto(reinterpret_cast<uint8_t*>(text.data()));
    return text;
}

std::string writeTarget(const std::string& path) {
    std::string target = path;
    // The system's own bound on links followed in one lookup: past it, a lookup fails with ELOOP.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        std::vector<char> link(size_t(info.st_size > 0 ? info.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0 || size_t(n) >= link.size()) return path;
        const std::string next(link.data(), size_t(n));
        if (next.front() == '/') {
            target = next;
        } else {
            const size_t slash = target.rfind('/');
            target = slash == std::string::npos ? next : target.substr(0, slash + 1) + next;
        }
    }
    return path;
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

// A new temporary file beside the file that a write to `path` lands on, opened for writing: its
// descriptor, its name, and that target. A target that is there but not a regular file is refused:
// a rename would put a file in place of a device or a FIFO, or fail on a folder.
struct Temporary {
    int fd;
    std::string name;
    std::string target;
};
static Temporary openTemporaryBeside(const std::string& path) {
    refuseWriteInSandbox(path);
    const std::string target = writeTarget(path);
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        throw FileWriteError(path,
                             S_ISDIR(info.st_mode) ? VORTEL_EN("Errors", "is a folder, not a file")
                                                   : VORTEL_EN("Errors", "not a regular file"),
                             false);
    const std::string pattern = target + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) failWrite(path, errno, false);
    return {fd, std::string(name.data()), target};
}

void writeFileAtomically(const std::string& path, std::span<const uint8_t> content, Flush flush) {
    writeFileAtomically(path, std::span<const std::span<const uint8_t>>(&content, 1), flush);
}

void writeFileAtomically(const std::string& path, std::span<const std::span<const uint8_t>> pieces, Flush flush) {
    const Temporary opened = openTemporaryBeside(path);
    const int fd = opened.fd;
    const std::string& temp = opened.name;

    bool written = ::fchmod(fd, regularFileMode()) == 0;
    for (size_t i = 0; written && i < pieces.size(); ++i) written = writeAll(fd, pieces[i]);
    written = written && (flush == Flush::Lazily || ::fsync(fd) == 0);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed || !putInPlace(temp, opened.target, flush)) {
        const int error = !written ? writeError : !closed ? closeError : errno;
        ::unlink(temp.c_str());
        failWrite(path, error, true);
    }
}

void writeFileAtomicallyInPlace(const std::string& path, uint64_t size, const std::function<void(uint8_t*)>& fill,
                                Flush flush) {
    const Temporary opened = openTemporaryBeside(path);
    const int fd = opened.fd;
    const std::string& temp = opened.name;
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
    if (!putInPlace(temp, opened.target, flush)) {
        const int error = errno;
        ::unlink(temp.c_str());
        failWrite(path, error, true);
    }
}

}  // namespace vortel
