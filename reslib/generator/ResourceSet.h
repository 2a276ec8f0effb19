#pragma once
// The resources the generator collects, and the C++ source of the library's table built from them.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace vortel::resgen {

struct Resource {
    std::string type;
    std::string name;
    std::vector<uint8_t> bytes;
};

class ResourceSet {
public:
    // Throws std::invalid_argument for an empty resource, a type or name that is not made of
    // letters, digits and '_', or a type and name already present: names are looked up without
    // regard to case, so "jpg_01" would shadow "JPG_01".
    void add(std::string type, std::string name, std::vector<uint8_t> bytes);
    const std::vector<Resource>& resources() const { return resources_; }

private:
    std::vector<Resource> resources_;
};

// `prefix` followed by `index` zero-padded to `digits`, the way the program forms names.
std::string indexedName(const std::string& prefix, int index, int digits = 2);

// The table as C++: one byte array a resource, the entry list and the module the library exports.
void writeTableSource(const ResourceSet& set, std::ostream& out);

// Writes the source to `path` through a temporary file, so a failed run never leaves a partial
// table that the build would take as up to date.
void writeTableFile(const ResourceSet& set, const std::string& path);

}  // namespace vortel::resgen
