#pragma once
// Whole-file reads and writes for the image and document formats.
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/ImageError.h"

namespace vortel {

// A file that could not be read; reason() is the system's words for why.
class FileReadError : public ImageError {
public:
    FileReadError(const std::string& path, const std::string& reason)
        : ImageError("cannot read " + path + ": " + reason), reason_(reason) {}
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// A file that could not be written: `created` tells whether the new file could be made at all
// (the old one is untouched either way); reason() is the system's words for why.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(const std::string& path, const std::string& reason, bool created)
        : std::runtime_error("cannot write " + path + ": " + reason), reason_(reason), created_(created) {}
    const std::string& reason() const { return reason_; }
    bool created() const { return created_; }

private:
    std::string reason_;
    bool created_;
};

// Reads the file whole; throws FileReadError naming the path when it cannot be read or is larger
// than any image within the limits could be.
std::vector<uint8_t> readFileBytes(const std::string& path);

// Whether a write waits until the bytes are on the disk before the rename.
enum class Flush { ToDisk, Lazily };

// Writes `content` to a temporary file beside `path` and renames it into place, so `path` holds
// either its old content or all of the new. Flush::ToDisk also survives a crash of the machine right
// after; Flush::Lazily leaves that to the system (a rendered picture can be made again, and waiting
// for the disk costs a whole-run render more than drawing it). Throws FileWriteError naming the path.
void writeFileAtomically(const std::string& path, std::span<const uint8_t> content, Flush flush = Flush::ToDisk);
// The same for content that lies in several pieces, written one after the other.
void writeFileAtomically(const std::string& path, std::span<const std::span<const uint8_t>> pieces,
                         Flush flush = Flush::ToDisk);
// The same for a file of `size` bytes that `fill` writes in place, straight into the file's pages,
// so a large picture needs no copy of itself in memory.
void writeFileAtomicallyInPlace(const std::string& path, uint64_t size, const std::function<void(uint8_t*)>& fill,
                                 Flush flush = Flush::ToDisk);

}  // namespace vortel
