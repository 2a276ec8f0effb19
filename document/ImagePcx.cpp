#include "document/ImagePcx.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "document/ByteReader.h"
#include "document/ImageError.h"
#include "document/ImageLimits.h"

namespace vortel {
namespace {

constexpr size_t HeaderSize = 128;
constexpr uint8_t Maker = 0x0A;
constexpr uint8_t RunLengthEncoding = 1;
constexpr uint8_t NoPaletteVersion = 3;  // version 2.8 without palette information
constexpr uint8_t TailPaletteMarker = 0x0C;
constexpr size_t TailPaletteSize = 1 + 256 * 3;
// A two-byte run packet stands for at most 63 bytes.
constexpr uint64_t MaxRun = 63;

using Colour = std::array<uint8_t, 3>;  // blue, green, red
using Palette = std::vector<Colour>;

struct Header {
    uint8_t version = 0;
    uint8_t encoding = 0;
    uint8_t bitsPerPixel = 0;
    uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::array<uint8_t, 48> palette{};  // 16 entries red, green, blue
    uint8_t planes = 0;
    uint16_t bytesPerLine = 0;

    int64_t width() const { return int64_t(xMax) - xMin + 1; }
    int64_t height() const { return int64_t(yMax) - yMin + 1; }
    bool is(uint8_t bits, uint8_t planeCount) const { return bitsPerPixel == bits && planes == planeCount; }
};

[[noreturn]] void fail(const std::string& why) { throw ImageError("PCX: " + why); }

bool knownVersion(uint8_t version) { return version == 0 || (version >= 2 && version <= 5); }

Header readHeader(ByteReader& in) {
    Header h;
    if (in.readU8() != Maker) fail("not a PCX file");
    h.version = in.readU8();
    h.encoding = in.readU8();
    h.bitsPerPixel = in.readU8();
    h.xMin = in.readU16();
    h.yMin = in.readU16();
    h.xMax = in.readU16();
    h.yMax = in.readU16();
    in.skip(4);  // resolution
    const auto palette = in.take(h.palette.size());
    std::copy(palette.begin(), palette.end(), h.palette.begin());
    in.skip(1);  // reserved
    h.planes = in.readU8();
    h.bytesPerLine = in.readU16();
    in.seek(HeaderSize);
    return h;
}

void checkHeader(const Header& h) {
    if (!knownVersion(h.version)) fail("version " + std::to_string(h.version) + " is unknown");
    if (h.encoding != RunLengthEncoding) fail("encoding " + std::to_string(h.encoding) + " is not supported");
    if (!h.is(1, 1) && !h.is(1, 4) && !h.is(4, 1) && !h.is(8, 1) && !h.is(8, 3)) {
        fail(std::to_string(h.bitsPerPixel) + " bits x " + std::to_string(h.planes) + " planes are not supported");
    }
    image_limits::checkDimensions(h.width(), h.height());
    if (uint64_t(h.bytesPerLine) * 8 < uint64_t(h.width()) * h.bitsPerPixel) {
        fail(std::to_string(h.bytesPerLine) + " bytes a line cannot hold " + std::to_string(h.width()) + " pixels");
    }
}

// The colours of the EGA, which files of version 2.8 without palette mean.
Palette egaPalette() {
    constexpr uint32_t rgb[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
                                  0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
    Palette palette;
    for (const uint32_t c : rgb) palette.push_back({uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    return palette;
}

Palette headerPalette(const Header& h) {
    const bool blank = std::all_of(h.palette.begin(), h.palette.end(), [](uint8_t b) { return b == 0; });
    if (h.version == NoPaletteVersion || blank) return egaPalette();
    Palette palette;
    for (size_t i = 0; i < h.palette.size(); i += 3) palette.push_back({h.palette[i + 2], h.palette[i + 1], h.palette[i]});
    return palette;
}

// Monochrome writers often leave the header palette empty or filled with anything; two equal
// entries cannot be meant, and black and white are.
Palette monoPalette(const Header& h) {
    const auto& p = h.palette;
    const Colour first{p[2], p[1], p[0]}, second{p[5], p[4], p[3]};
    if (h.version != NoPaletteVersion && first != second) return {first, second};
    return {{0, 0, 0}, {0xFF, 0xFF, 0xFF}};
}

Palette tailPalette(std::span<const uint8_t> bytes) {
    if (bytes.size() < HeaderSize + TailPaletteSize || bytes[bytes.size() - TailPaletteSize] != TailPaletteMarker) {
        fail("the 256-colour palette at the end of the file is missing (no 0x0C marker)");
    }
    Palette palette;
    for (size_t at = bytes.size() - TailPaletteSize + 1; at < bytes.size(); at += 3) {
        palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});
    }
    return palette;
}

// A byte with both top bits set repeats the next byte (its low six bits) times; any other byte
// stands for itself. Runs go on across the end of a plane or a line, as many writers let them.
class RunReader {
public:
    explicit RunReader(std::span<const uint8_t> data) : in_(data) {}

    void fill(std::span<uint8_t> out) {
        size_t at = 0;
        while (at < out.size()) {
            if (runLeft_ > 0) {
                const size_t n = std::min(runLeft_, out.size() - at);
                std::fill_n(out.begin() + ptrdiff_t(at), n, runValue_);
                runLeft_ -= n;
                at += n;
                continue;
            }
            const uint8_t code = in_.readU8();
            if ((code & 0xC0) != 0xC0) {
                out[at++] = code;
                continue;
            }
            runLeft_ = code & 0x3Fu;
            runValue_ = in_.readU8();
        }
    }

private:
    ByteReader in_;
    size_t runLeft_ = 0;
    uint8_t runValue_ = 0;
};

class RowDecoder {
public:
    RowDecoder(const Header& h, Palette palette) : h_(h), palette_(std::move(palette)) {}

    void operator()(std::span<const uint8_t> line, uint8_t* out) const {
        const size_t stride = h_.bytesPerLine;
        for (size_t x = 0; x < size_t(h_.width()); ++x, out += 3) {
            if (h_.is(8, 3)) {
                out[0] = line[2 * stride + x];
                out[1] = line[stride + x];
                out[2] = line[x];
                continue;
            }
            const Colour& c = palette_[index(line, x, stride)];
            std::copy(c.begin(), c.end(), out);
        }
    }

private:
    size_t index(std::span<const uint8_t> line, size_t x, size_t stride) const {
        const auto bit = [&](size_t plane) { return size_t(line[plane * stride + x / 8] >> (7 - x % 8) & 1); };
        if (h_.is(8, 1)) return line[x];
        if (h_.is(4, 1)) return size_t(line[x / 2] >> (x % 2 == 0 ? 4 : 0) & 0x0F);
        if (h_.is(1, 4)) return bit(0) | bit(1) << 1 | bit(2) << 2 | bit(3) << 3;
        return bit(0);
    }

    Header h_;
    Palette palette_;
};

Palette paletteFor(const Header& h, std::span<const uint8_t> bytes) {
    if (h.is(8, 1)) return tailPalette(bytes);
    if (h.is(1, 1)) return monoPalette(h);
    if (h.is(8, 3)) return {};
    return headerPalette(h);
}

}  // namespace

bool hasPcxSignature(std::span<const uint8_t> bytes) {
    return bytes.size() >= 4 && bytes[0] == Maker && knownVersion(bytes[1]) && bytes[2] == RunLengthEncoding &&
           (bytes[3] == 1 || bytes[3] == 2 || bytes[3] == 4 || bytes[3] == 8);
}

Bitmap decodePcx(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    const Header h = readHeader(in);
    checkHeader(h);
    const RowDecoder decodeRow(h, paletteFor(h, bytes));
    auto data = bytes.subspan(HeaderSize);
    if (h.is(8, 1)) data = data.first(data.size() - TailPaletteSize);
    const size_t lineBytes = size_t(h.planes) * h.bytesPerLine;
    const uint64_t most = uint64_t(data.size()) / 2 * MaxRun + data.size() % 2;
    if (lineBytes * uint64_t(h.height()) > most) fail("pixel data is truncated");

    Bitmap image{int32_t(h.width()), int32_t(h.height()), std::vector<uint8_t>(size_t(h.width()) * size_t(h.height()) * 3)};
    std::vector<uint8_t> line(lineBytes);
    RunReader runs(data);
    for (int32_t y = 0; y < image.height; ++y) {
        runs.fill(line);
        decodeRow(line, image.bgr.data() + size_t(y) * size_t(image.width) * 3);
    }
    return image;
}

}  // namespace vortel
