#pragma once
#include <string>
#include <string_view>

namespace vortel::cli {

// Writes `content` to a temporary file beside `path` and renames it into place, so `path` holds
// either its old content or all of the new. Throws std::runtime_error naming the path.
void writeFileAtomically(const std::string& path, std::string_view content);

}  // namespace vortel::cli
