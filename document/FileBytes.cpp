#include "document/FileBytes.h"

#include "document/ImageLimits.h"

namespace vortel {

std::vector<uint8_t> readFileBytes(const std::string& path, uint64_t maxBytes) {
    try {
        return readGatedBytes(path, maxBytes ? maxBytes : image_limits::MaxFileBytes);
    } catch (const FileGateError& e) {
        throw FileReadError(path, e.reason());
    }
}

}  // namespace vortel
