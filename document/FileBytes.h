#pragma once
// Whole-file reads for the image and document formats; the writes are the gate's.
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/ImageError.h"
#include "platform/FileGate.h"

namespace vortel {

// A file that could not be read; reason() is the system's words for why.
class FileReadError : public ImageError {
public:
    FileReadError(const std::string& path, const std::string& reason)
        : ImageError(fillText(VORTEL_EN("Errors", "cannot read %1: %2"), path, reason)), reason_(reason) {}
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// Reads the file whole; throws FileReadError naming the path when it cannot be read, is not a
// regular file, or is larger than `maxBytes` (by default: than any image within the limits could be).
std::vector<uint8_t> readFileBytes(const std::string& path, uint64_t maxBytes = 0);

}  // namespace vortel
