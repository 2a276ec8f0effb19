#include "document/ImageTga.h"

#include <string>
#include <vector>

#include "document/ByteReader.h"
#include "document/ImageError.h"
#include "document/ImageLimits.h"

namespace vortel {
namespace {

constexpr size_t HeaderSize = 18;
enum Kind : uint8_t { Mapped = 1, TrueColour = 2, Grey = 3 };
constexpr uint8_t RleFlag = 8;  // image types 9, 10, 11 are 1, 2, 3 run-length encoded

struct Header {
    uint8_t idLength = 0;
    uint8_t mapType = 0;
    uint8_t imageType = 0;
    uint16_t mapFirst = 0;
    uint16_t mapLength = 0;
    uint8_t mapBits = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint8_t pixelBits = 0;
    uint8_t descriptor = 0;

    uint8_t kind() const { return uint8_t(imageType & ~RleFlag); }
    bool rle() const { return imageType & RleFlag; }
    bool topDown() const { return descriptor & 0x20; }
    bool rightToLeft() const { return descriptor & 0x10; }
    // Only an 8-bit attribute field in a 32-bit value is an alpha channel worth reading.
    bool hasAlpha() const {
        return (descriptor & 0x0F) == 8 && (pixelBits == 32 || (kind() == Mapped && mapBits == 32));
    }
};

struct Bgra {
    uint8_t b, g, r, a;
};

[[noreturn]] void fail(const std::string& why) { throw ImageError("TGA: " + why); }

Header readHeader(ByteReader& in) {
    Header h;
    h.idLength = in.readU8();
    h.mapType = in.readU8();
    h.imageType = in.readU8();
    h.mapFirst = in.readU16();
    h.mapLength = in.readU16();
    h.mapBits = in.readU8();
    in.skip(4);  // origin on the screen: irrelevant to the pixels
    h.width = in.readU16();
    h.height = in.readU16();
    h.pixelBits = in.readU8();
    h.descriptor = in.readU8();
    return h;
}

bool colourBits(uint8_t bits) { return bits == 15 || bits == 16 || bits == 24 || bits == 32; }

// Why the header describes nothing we decode; empty when it is fine.
std::string headerProblem(const Header& h) {
    if (h.mapType > 1) return "colour map type " + std::to_string(h.mapType) + " is unknown";
    if (h.kind() < Mapped || h.kind() > Grey) {
        return "image type " + std::to_string(h.imageType) + " is not supported";
    }
    if (h.mapType == 1 && !colourBits(h.mapBits)) {
        return "colour map entries of " + std::to_string(h.mapBits) + " bits are not supported";
    }
    const bool pixelsFit = h.kind() == TrueColour ? colourBits(h.pixelBits) : h.pixelBits == 8;
    if (!pixelsFit) {
        return std::to_string(h.pixelBits) + "-bit pixels are not supported for image type " +
               std::to_string(h.imageType);
    }
    if (h.kind() == Mapped && (h.mapType != 1 || h.mapLength == 0)) return "colour-mapped image has no colour map";
    if (h.descriptor & 0xC0) return "interleaved rows are not supported";
    if (h.width == 0 || h.height == 0) return "image has no pixels";
    return {};
}

uint8_t expand5(unsigned v) { return uint8_t(v << 3 | v >> 2); }

// 15 and 16 bits are ARRRRRGG GGGBBBBB little-endian; the attribute bit is not alpha in practice.
Bgra packedColour(const uint8_t* p, uint8_t bits) {
    if (bits == 15 || bits == 16) {
        const unsigned v = p[0] | unsigned(p[1]) << 8;
        return {expand5(v & 31), expand5(v >> 5 & 31), expand5(v >> 10 & 31), 255};
    }
    return {p[0], p[1], p[2], bits == 32 ? p[3] : uint8_t(255)};
}

size_t bytesFor(uint8_t bits) { return (bits + 7u) / 8; }

// Turns the stored bytes of one pixel into a colour.
class PixelFormat {
public:
    PixelFormat(const Header& h, ByteReader& in) : header_(h) {
        if (h.mapType != 1) return;
        const size_t entrySize = bytesFor(h.mapBits);
        const auto bytes = in.take(size_t(h.mapLength) * entrySize);
        if (h.kind() != Mapped) return;  // true-colour and grey images may carry a map nobody uses
        map_.reserve(h.mapLength);
        for (size_t i = 0; i < h.mapLength; ++i) map_.push_back(packedColour(bytes.data() + i * entrySize, h.mapBits));
    }

    size_t size() const { return bytesFor(header_.pixelBits); }

    Bgra operator()(const uint8_t* p) const {
        if (header_.kind() == Grey) return {p[0], p[0], p[0], 255};
        if (header_.kind() == TrueColour) return packedColour(p, header_.pixelBits);
        // Indices count from the map's first entry index, which the file need not store from 0.
        const size_t entry = size_t(p[0]) - header_.mapFirst;
        if (p[0] < header_.mapFirst || entry >= map_.size()) {
            fail("colour index " + std::to_string(p[0]) + " is outside the colour map (entries " +
                 std::to_string(header_.mapFirst) + " to " + std::to_string(header_.mapFirst + map_.size() - 1) + ")");
        }
        return map_[entry];
    }

private:
    Header header_;
    std::vector<Bgra> map_;
};

uint8_t overWhite(uint8_t value, uint8_t alpha) { return uint8_t((value * alpha + 255 * (255 - alpha) + 127) / 255); }

// Places pixels in stored order, which runs from the origin corner the descriptor names.
class PixelSink {
public:
    explicit PixelSink(const Header& h)
        : header_(h), image_{h.width, h.height, std::vector<uint8_t>(size_t(h.width) * h.height * 3)},
          left_(size_t(h.width) * h.height) {
        if (h.hasAlpha()) alpha_.resize(left_);
    }

    size_t left() const { return left_; }

    void put(Bgra c) {
        const size_t x = header_.rightToLeft() ? header_.width - 1 - column_ : column_;
        const size_t y = header_.topDown() ? row_ : header_.height - 1 - row_;
        const size_t at = y * header_.width + x;
        uint8_t* p = image_.bgr.data() + at * 3;
        p[0] = c.b;
        p[1] = c.g;
        p[2] = c.r;
        if (!alpha_.empty()) alpha_[at] = c.a;
        --left_;
        if (++column_ == header_.width) {
            column_ = 0;
            ++row_;
        }
    }

    // Writers that never fill the alpha channel leave it 0; such an image is meant opaque.
    Bitmap finish() {
        bool anyAlpha = false;
        for (const uint8_t a : alpha_) anyAlpha = anyAlpha || a != 0;
        if (!anyAlpha) return std::move(image_);
        for (size_t i = 0; i < alpha_.size(); ++i) {
            for (size_t c = 0; c < 3; ++c) image_.bgr[i * 3 + c] = overWhite(image_.bgr[i * 3 + c], alpha_[i]);
        }
        return std::move(image_);
    }

private:
    Header header_;
    Bitmap image_;
    std::vector<uint8_t> alpha_;
    size_t left_;
    size_t column_ = 0;
    size_t row_ = 0;
};

void readPlain(ByteReader& in, const PixelFormat& format, PixelSink& sink) {
    const auto bytes = in.take(sink.left() * format.size());
    for (size_t at = 0; at < bytes.size(); at += format.size()) sink.put(format(bytes.data() + at));
}

// A packet is a count byte, then one pixel repeated (high bit set) or that many literal pixels.
// Packets may run on from one row into the next, as writers produce them, but not past the image.
void readRle(ByteReader& in, const PixelFormat& format, PixelSink& sink) {
    while (sink.left() > 0) {
        const uint8_t packet = in.readU8();
        const size_t count = (packet & 0x7Fu) + 1;
        if (count > sink.left()) fail("a run-length packet runs past the end of the image");
        if (packet & 0x80) {
            const Bgra colour = format(in.take(format.size()).data());
            for (size_t i = 0; i < count; ++i) sink.put(colour);
        } else {
            const auto bytes = in.take(count * format.size());
            for (size_t at = 0; at < bytes.size(); at += format.size()) sink.put(format(bytes.data() + at));
        }
    }
}

// What the remaining bytes can hold at most, so a short file fails before the image is allocated.
void checkDataSuffices(const Header& h, const PixelFormat& format, size_t remaining) {
    const uint64_t pixels = uint64_t(h.width) * h.height;
    const uint64_t most = h.rle() ? remaining / (format.size() + 1) * 128 : remaining / format.size();
    if (pixels > most) fail("pixel data is truncated");
}

}  // namespace

Bitmap decodeTga(std::span<const uint8_t> bytes) {
    ByteReader in(bytes);
    if (bytes.size() < HeaderSize) fail("file is shorter than the 18-byte header");
    const Header h = readHeader(in);
    if (const auto problem = headerProblem(h); !problem.empty()) fail(problem);
    image_limits::checkDimensions(h.width, h.height);
    in.skip(h.idLength);
    const PixelFormat format(h, in);
    checkDataSuffices(h, format, in.remaining());
    PixelSink sink(h);
    if (h.rle()) {
        readRle(in, format, sink);
    } else {
        readPlain(in, format, sink);
    }
    return sink.finish();
}

}  // namespace vortel
