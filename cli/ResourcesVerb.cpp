// `resources`: what the stock-image library holds, as the program would load it, and the counts
// its exports report; optionally a contact sheet of every image.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/Errors.h"
#include "cli/Verbs.h"
#include "document/BmpFormat.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"
#include "document/ImageJpeg.h"
#include "document/StockResources.h"
#include "reslib/vortelres.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

std::string sizeText(int64_t width, int64_t height) { return std::to_string(width) + "x" + std::to_string(height); }

// The icon's first directory entry: a side of 0 stands for 256.
std::string iconKind(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    if (in.readU16() != 0 || in.readU16() != 1) throw ImageError(VORTEL_EN("CommandLine", "not an icon file"));
    const uint16_t count = in.readU16();
    if (count == 0) throw ImageError(VORTEL_EN("CommandLine", "icon file holds no image"));
    const int width = in.readU8(), height = in.readU8();
    in.skip(4);
    const uint16_t bits = in.readU16();
    return "ico " + std::to_string(bits) + "-bit " + sizeText(width ? width : 256, height ? height : 256);
}

// What a resource is, read the way the program reads it: a texture is decoded, a bitmap's
// headers are read and its pixels decoded too, so a damaged image shows here.
std::string kindOf(const VortelResourceEntry& entry) {
    const std::span<const uint8_t> bytes(entry.data, entry.size);
    const std::string type = entry.type;
    if (type == "JPG") {
        const Bitmap image = decodeJpeg(bytes);
        return "jpeg " + sizeText(image.width, image.height);
    }
    if (type == "BITMAP") {
        ByteReader in(bytes);
        bmp::Palette palette;
        const bmp::Header header = bmp::readHeaders(in, palette);
        decodeBmp(bytes);
        return "bmp " + std::to_string(header.bitCount) + "-bit " + sizeText(header.width, header.height);
    }
    if (type == "ICON") return iconKind(bytes);
    return VORTEL_EN("CommandLine", "unknown type");
}

// Lists every resource. Throws, naming them, when any cannot be read: the library is broken.
void listResources(ModuleHandle module, std::ostream& out) {
    std::string damaged;
    for (uint32_t i = 0; i < module->count; ++i) {
        const auto& entry = module->entries[i];
        std::string kind;
        try {
            kind = kindOf(entry);
        } catch (const ImageError& e) {
            damaged += std::string(damaged.empty() ? "" : "; ") + entry.name + ": " + e.what();
            continue;
        }
        char columns[160], size[16];
        std::snprintf(columns, sizeof columns, "%-8s %-12s %-18s ", entry.type, entry.name, kind.c_str());
        std::snprintf(size, sizeof size, "%7u", entry.size);
        out << columns << fillText(VORTEL_EN("CommandLine", "%1 bytes"), size) << '\n';
    }
    if (!damaged.empty())
        throw std::runtime_error(
            fillText(VORTEL_EN("CommandLine", "stock images cannot be read (rebuild the library): %1"), damaged));
}

void printCounts(std::ostream& out) {
    const uint32_t imprints = GetMaxImprintFromDLL();
    out << '\n'
        << fillText(VORTEL_EN("CommandLine", "textures: %1 (GetMaxTextureFromDLL)\n"
                                             "imprints: %2 8x8, %3 X series (GetMaxImprintFromDLL)\n"
                                             "version:  %4 (GetDLLVersion)\n"),
                    GetMaxTextureFromDLL(), imprints & 0xFFFF, imprints >> 16, GetDLLVersion());
}

// Pictures placed left to right in rows no wider than `maxWidth`, `gap` pixels apart.
class Flow {
public:
    Flow(int32_t maxWidth, int32_t gap) : maxWidth_(maxWidth), gap_(gap) {}

    void add(Bitmap picture) {
        if (x_ > 0 && x_ + picture.width > maxWidth_) newRow();
        placed_.push_back({x_, y_, std::move(picture)});
        rowHeight_ = std::max(rowHeight_, placed_.back().picture.height);
        width_ = std::max(width_, x_ + placed_.back().picture.width);
        x_ += placed_.back().picture.width + gap_;
    }
    void newRow() {
        if (x_ == 0) return;
        y_ += rowHeight_ + gap_;
        x_ = rowHeight_ = 0;
    }
    int32_t width() const { return width_; }
    int32_t height() const { return y_ + rowHeight_; }

    void drawOnto(Bitmap& sheet, int32_t left, int32_t top) const {
        for (const auto& p : placed_) {
            for (int32_t row = 0; row < p.picture.height; ++row) {
                const auto from = p.picture.bgr.begin() + ptrdiff_t(row) * p.picture.width * 3;
                const size_t to = (size_t(top + p.y + row) * size_t(sheet.width) + size_t(left + p.x)) * 3;
                std::copy(from, from + ptrdiff_t(p.picture.width) * 3, sheet.bgr.begin() + ptrdiff_t(to));
            }
        }
    }

private:
    struct Placed {
        int32_t x, y;
        Bitmap picture;
    };
    int32_t maxWidth_, gap_;
    int32_t x_ = 0, y_ = 0, rowHeight_ = 0, width_ = 0;
    std::vector<Placed> placed_;
};

// `picture` repeated from the top-left corner over width x height, as a fill tiles it.
Bitmap tiled(const Bitmap& picture, int32_t width, int32_t height) {
    Bitmap out{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3)};
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            std::copy_n(picture.bgr.begin() + (ptrdiff_t(y % picture.height) * picture.width + x % picture.width) * 3,
                        3, out.bgr.begin() + (ptrdiff_t(y) * width + x) * 3);
    return out;
}

Bitmap stockPicture(const VortelResourceEntry& entry) {
    const std::span<const uint8_t> bytes(entry.data, entry.size);
    return std::string(entry.type) == "JPG" ? decodeJpeg(bytes) : decodeBmp(bytes);
}

// Textures tiled 2 x 2, so a seam would show as a cross, on the left; imprints (tiled over at
// least 48 x 48), gradient previews, the colour map and the logo on the right.
Bitmap contactSheet(ModuleHandle module) {
    constexpr int32_t gap = 8;
    Flow textures(1700, gap), others(480, gap);
    std::string lastFamily;
    for (uint32_t i = 0; i < module->count; ++i) {
        const auto& entry = module->entries[i];
        const std::string type = entry.type, name = entry.name;
        if (type != "JPG" && type != "BITMAP") continue;
        const Bitmap picture = stockPicture(entry);
        if (type == "JPG") {
            textures.add(tiled(picture, 2 * picture.width, 2 * picture.height));
            continue;
        }
        const std::string family = name.substr(0, name.find_first_of("_0123456789"));
        if (family != lastFamily) others.newRow();
        lastFamily = family;
        if (family == "IMPRINT") {
            others.add(tiled(picture, std::max(48, 2 * picture.width), std::max(48, 2 * picture.height)));
        } else {
            others.add(picture);
        }
    }
    const int32_t width = gap + textures.width() + 2 * gap + others.width() + gap;
    const int32_t height = gap + std::max(textures.height(), others.height()) + gap;
    Bitmap sheet{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 3, 0x80)};
    textures.drawOnto(sheet, gap, gap);
    others.drawOnto(sheet, gap + textures.width() + 2 * gap, gap);
    return sheet;
}

// Only the formats every build of the image writer handles.
bool sheetFormat(const std::string& path) {
    const auto dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot);
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".png" || extension == ".bmp";
}

}  // namespace

// Everything is gathered before anything is written, so a failure prints nothing but its message.
int runResources(const Options& options, std::ostream& out, std::ostream&) {
    if (options.output)
        throw UsageError(
            VORTEL_EN("CommandLine", "resources writes its list to standard output; use --sheet FILE for a picture"));
    if (options.sheet && !sheetFormat(*options.sheet))
        throw UsageError(VORTEL_EN("CommandLine", "--sheet: the file name must end in .png or .bmp"));
    const ModuleHandle module = stockModule();
    std::ostringstream listing;
    listResources(module, listing);
    printCounts(listing);
    if (options.sheet) saveImage(*options.sheet, contactSheet(module));
    out << listing.str();
    return 0;
}

}  // namespace vortel::cli
