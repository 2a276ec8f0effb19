#include "app/Settings.h"

#include <cstdlib>
#include <filesystem>

namespace vortel::app {

namespace fs = std::filesystem;

std::vector<std::string> SettingsCandidates(const std::string& programFolder) {
    std::vector<std::string> files;
    if (!programFolder.empty()) files.push_back((fs::path(programFolder) / "vortel.ini").string());
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        config = fs::path(home) / ".config";
    }
    if (!config.empty()) files.push_back((config / "vortel" / "vortel.ini").string());
    std::error_code ec;
    fs::path temp = fs::temp_directory_path(ec);
    if (ec) temp = "/tmp";
    files.push_back((temp / "vortel.ini").string());
    return files;
}

IniFile OpenSettings(const std::vector<std::string>& candidates) {
    for (const std::string& file : candidates) {
        std::error_code ec;
        fs::create_directories(fs::path(file).parent_path(), ec);
        IniFile ini(file);
        ini.writeInteger("Options", "WriteTest", 0);
        if (ini.save()) return ini;
    }
    return candidates.empty() ? IniFile() : IniFile(candidates.back());
}

}  // namespace vortel::app
