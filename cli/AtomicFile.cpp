#include "cli/AtomicFile.h"

#include "document/FileBytes.h"

namespace vortel::cli {

void writeFileAtomically(const std::string& path, std::string_view content) {
    vortel::writeFileAtomically(path, {reinterpret_cast<const uint8_t*>(content.data()), content.size()});
}

}  // namespace vortel::cli
