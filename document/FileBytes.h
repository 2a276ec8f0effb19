#pragma once
// Whole-file reads and writes for the image and document formats.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vortel {

// Reads the file whole; throws ImageError naming the path when it cannot be read or is larger
// than any image within the limits could be.
std::vector<uint8_t> readFileBytes(const std::string& path);

// Writes `content` to a temporary file beside `path` and renames it into place, so `path` holds
// either its old content or all of the new. Throws std::runtime_error naming the path.
void writeFileAtomically(const std::string& path, std::span<const uint8_t> content);

}  // namespace vortel
