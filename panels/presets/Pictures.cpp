#include "panels/presets/Pictures.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "document/FileBytes.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "document/ImageJpeg.h"
#include "panels/presets/Panels.h"

namespace vortel::presets {
namespace {

uint32_t countWithPrefix(ModuleHandle stock, const char* type, const char* prefix) {
    if (!stock) return 0;
    const size_t length = std::strlen(prefix);
    uint32_t count = 0;
    for (uint32_t i = 0; i < stock->count; ++i) {
        const auto& entry = stock->entries[i];
        if (std::strcmp(entry.type, type) == 0 && std::strncmp(entry.name, prefix, length) == 0) ++count;
    }
    return count;
}

std::string numbered(const char* format, int number) {
    char text[32];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

std::string upperExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext) c = char(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

constexpr const char* ReadFailure = "Beim Lesen der Datei ist ein Fehler aufgetreten.\r";

}  // namespace

int32_t StockTextureCount(ModuleHandle stock) { return int32_t(countWithPrefix(stock, "JPG", "JPG_")); }

uint32_t StockImprintCount(ModuleHandle stock) {
    const uint32_t xSeries = countWithPrefix(stock, "BITMAP", "IMPRINT_X");
    const uint32_t small = countWithPrefix(stock, "BITMAP", "IMPRINT_") - xSeries;
    return (xSeries << 16) | (small & 0xFFFF);
}

std::vector<std::string> StockTextureEntries(ModuleHandle stock) {
    std::vector<std::string> entries;
    for (int i = 1; i <= StockTextureCount(stock); ++i) entries.push_back(numbered(":JPG_%.2d", i));
    return entries;
}

std::vector<std::string> StockImprintEntries(ModuleHandle stock) {
    const uint32_t counts = StockImprintCount(stock);
    std::vector<std::string> entries;
    for (uint32_t i = 1; i <= counts >> 16; ++i) entries.push_back(numbered("*IMPRINT_X%.2d", int(i)));
    for (uint32_t i = 1; i <= (counts & 0xFFFF); ++i) entries.push_back(numbered("*IMPRINT_%.2d", int(i)));
    return entries;
}

std::vector<std::string> SimpleListEntries(ModuleHandle stock) {
    std::vector<std::string> entries = StockTextureEntries(stock);
    for (int i = 1; i <= GradientPresetCount; ++i) entries.push_back(numbered("*FARBVERL_%.2d", i));
    return entries;
}

Bitmap ErrorBitmap(int32_t width, int32_t height) {
    Bitmap bitmap{width, height, std::vector<uint8_t>(size_t(width) * height * 3, 255)};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const int32_t d1 = x * height - y * width, d2 = (width - 1 - x) * height - y * width;
            const int32_t reach = std::max(width, height);
            if (std::abs(d1) <= reach || std::abs(d2) <= reach) {
                uint8_t* p = &bitmap.bgr[(size_t(y) * width + x) * 3];
                p[0] = 0, p[1] = 0, p[2] = 220;
            }
        }
    }
    return bitmap;
}

std::string EntryFileName(const std::string& entry) {
    if (!entry.empty() && (entry.front() == ':' || entry.front() == '*')) return entry.substr(1);
    return std::filesystem::path(entry).filename().string();
}

// Stock JPEGs are decoded straight from the library's bytes: the old detour through a temporary
// file only served a codec that read files.
PictureResult LoadEntryPicture(ModuleHandle stock, const std::string& entry) {
    PictureResult result;
    try {
        if (!entry.empty() && entry.front() == ':') {
            const auto bytes = findResource(stock, "JPG", entry.substr(1));
            if (!bytes) {
                result.error = ReadFailure + entry;
                return result;
            }
            result.picture = decodeJpeg(*bytes);
        } else if (!entry.empty() && entry.front() == '*') {
            if (!stock) {
                result.picture = ErrorBitmap();
            } else {
                const auto bytes = findResource(stock, "BITMAP", entry.substr(1));
                if (!bytes) {
                    result.error = ReadFailure + entry;
                    return result;
                }
                result.picture = decodeBmp(*bytes);
            }
        } else {
            std::error_code ec;
            if (!std::filesystem::is_regular_file(entry, ec)) {
                result.error = ReadFailure + entry;
                return result;
            }
            static const std::array<std::string, 9> known = {".JPG", ".JIF", ".GIF", ".BMP", ".DIB",
                                                             ".RLE", ".TGA", ".PCX", ".PNG"};
            if (std::find(known.begin(), known.end(), upperExtension(entry)) != known.end()) {
                result.picture = loadImage(entry);
            } else {
                result.picture = decodeBmp(readFileBytes(entry));
            }
        }
    } catch (const std::exception&) {
        result.error = ReadFailure + entry;
        return result;
    }
    result.ok = !result.picture.empty();
    if (!result.ok) result.error = ReadFailure + entry;
    return result;
}

}  // namespace vortel::presets
