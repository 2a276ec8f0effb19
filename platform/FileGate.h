#pragma once
// The one way bytes from outside come in and files go out. Every file a user can name (documents,
// style files, pictures, job lists, settings, help and texture folders) is opened here: what is not
// a regular file (a FIFO, a device, a socket, a folder) is refused before a byte is read and without
// waiting on it, and so is a file larger than its reader could ever accept. Writes go to a
// temporary file beside the target and are renamed into place, so a failing write leaves the old
// file as it was; a name that is a symbolic link is written through to the file it points at.
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Texts.h"

namespace vortel {

// The system's words for an error number (strerror's, in the language spoken where the command
// line's catalogue has them: the errors of files named here; any other as strerror says it).
std::string systemErrorText(int error);

// A file that the gate refused or could not read; reason() is the system's words for why.
class FileGateError : public std::runtime_error {
public:
    FileGateError(const std::string& path, const std::string& reason)
        : std::runtime_error(fillText(VORTEL_EN("Errors", "cannot read %1: %2"), path, reason)), path_(path),
          reason_(reason) {}
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::string path_;
    std::string reason_;
};

// An open regular file, read only. The constructor throws FileGateError when `path` cannot be
// opened, is not a regular file, or is larger than `maxBytes`.
class GatedFile {
public:
    GatedFile(const std::string& path, uint64_t maxBytes);
    ~GatedFile();
    GatedFile(const GatedFile&) = delete;
    GatedFile& operator=(const GatedFile&) = delete;

    int descriptor() const { return fd_; }
    uint64_t size() const { return size_; }
    // Reads the file's `size()` bytes into `out`; throws FileGateError on a read error or when the
    // file shrank meanwhile. Bytes added meanwhile are not read.
    void readInto(uint8_t* out);

private:
    std::string path_;
    int fd_ = -1;
    uint64_t size_ = 0;
};

// Files in memory in place of the disk, for work on behalf of someone who may not name the files
// of this machine (a request to a service). While a sandbox is set on a thread, every read through
// the gate on that thread is answered from its table (a name not in it is a file that does not
// exist) and every write is refused: nothing is read from the disk or written to it.
struct FileSandbox {
    std::map<std::string, std::vector<uint8_t>> files;
    int64_t maxPictureSide = 0;  // when above 0: no picture read or made may be larger on a side
};
class SandboxScope {
public:
    explicit SandboxScope(const FileSandbox& sandbox);
    ~SandboxScope();
    SandboxScope(const SandboxScope&) = delete;
    SandboxScope& operator=(const SandboxScope&) = delete;

private:
    const FileSandbox* outer_;
};
// The sandbox set on this thread, or none.
const FileSandbox* currentSandbox();

// The whole file as bytes or as text, through the gate.
std::vector<uint8_t> readGatedBytes(const std::string& path, uint64_t maxBytes);
std::string readGatedText(const std::string& path, uint64_t maxBytes);

// The name a write to `path` lands on: the file at the end of a chain of symbolic links, or `path`
// itself. A chain that loops or runs longer than the system follows gives `path` itself, and the
// write then fails as the system says.
std::string writeTarget(const std::string& path);

// A file that could not be written: `created` tells whether the new file could be made at all
// (the old one is untouched either way); reason() is the system's words for why.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(const std::string& path, const std::string& reason, bool created)
        : std::runtime_error(fillText(VORTEL_EN("Errors", "cannot write %1: %2"), path, reason)), reason_(reason),
          created_(created) {}
    const std::string& reason() const { return reason_; }
    bool created() const { return created_; }

private:
    std::string reason_;
    bool created_;
};

// Whether a write waits until the bytes are on the disk before the rename.
enum class Flush { ToDisk, Lazily };

// Writes `content` to a temporary file beside the target of `path` and renames it into place, so
// the file holds either its old content or all of the new. Flush::ToDisk also survives a crash of
// the machine right after; Flush::Lazily leaves that to the system (a rendered picture can be made
// again, and waiting for the disk costs a whole-run render more than drawing it). A target that
// exists but is not a regular file (a device, a FIFO, a folder) is refused, never replaced. Throws
// FileWriteError naming the path.
void writeFileAtomically(const std::string& path, std::span<const uint8_t> content, Flush flush = Flush::ToDisk);
// The same for content that lies in several pieces, written one after the other.
void writeFileAtomically(const std::string& path, std::span<const std::span<const uint8_t>> pieces,
                         Flush flush = Flush::ToDisk);
// The same for a file of `size` bytes that `fill` writes in place, straight into the file's pages,
// so a large picture needs no copy of itself in memory.
void writeFileAtomicallyInPlace(const std::string& path, uint64_t size, const std::function<void(uint8_t*)>& fill,
                                Flush flush = Flush::ToDisk);

}  // namespace vortel
