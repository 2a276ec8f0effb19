#pragma once
// What the page offers: the installed faces, the main styles and the presets of each kind with a
// small picture each, drawn once a process when first asked for.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vortel::server {

class Catalog {
public:
    // {"faces": [...]}, {"styles": [...]}, {"guide": [...], ...}: the JSON bodies of the lists; each
    // style and preset with its number, name (the presets' in the language spoken) and thumbnail.
    std::string faces();
    std::string styles();
    std::string presets();
    // The PNG picture of a style or preset ("style", "7"), or of a stock texture ("texture",
    // "JPG_07"); none for what is not there.
    std::optional<std::vector<uint8_t>> thumbnail(const std::string& kind, const std::string& name);

private:
    std::mutex mutex_;
    std::map<std::pair<std::string, std::string>, std::vector<uint8_t>> drawn_;
    std::optional<std::string> faces_;
};

}  // namespace vortel::server
