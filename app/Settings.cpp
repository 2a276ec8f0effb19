#include "app/Settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
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

QRect WindowPlace(const QRect& area, int left, int top, int width, int height) {
    const auto fit = [](int wanted, int minimum, int room) { return std::min(std::max(wanted, minimum), std::max(1, room)); };
    const int w = fit(width, MinWindowWidth, area.width()), h = fit(height, MinWindowHeight, area.height());
    const auto place = [](int stored, int start, int room, int size) {
        if (stored == -1) return start + std::max(0, (room - size) / 2);
        return std::clamp(stored, start, start + std::max(0, room - size));
    };
    return QRect(place(left, area.left(), area.width(), w), place(top, area.top(), area.height(), h), w, h);
}

bool OnAScreen(const QRect& frame) {
    const int64_t whole = int64_t(frame.width()) * frame.height();
    if (whole <= 0) return false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->geometry().intersected(frame);
        if (int64_t(common.width()) * common.height() * 2 > whole) return true;
    }
    return false;
}

}  // namespace vortel::app
