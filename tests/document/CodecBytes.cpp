#include "tests/document/CodecBytes.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include <jpeglib.h>

namespace vortel::testing {
namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// Writes the map padded to a power of two; returns its size field (entries = 2 << field).
uint8_t putColourMap(std::vector<uint8_t>& out, const std::vector<Rgb>& map) {
    uint8_t field = 0;
    while ((2u << field) < map.size()) ++field;
    for (size_t i = 0; i < (2u << field); ++i) {
        const Rgb c = i < map.size() ? map[i] : Rgb{0, 0, 0};
        out.insert(out.end(), c.begin(), c.end());
    }
    return field;
}

class BitPacker {
public:
    void put(uint32_t code, int width) {
        bits_ |= uint64_t(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.push_back(uint8_t(bits_));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    std::vector<uint8_t> finish() {
        if (count_ > 0) bytes_.push_back(uint8_t(bits_));
        return bytes_;
    }

private:
    std::vector<uint8_t> bytes_;
    uint64_t bits_ = 0;
    int count_ = 0;
};

// After a clear code the table fills from clear + 2 up; clearing again before it reaches the
// next power of two keeps every code at minCodeSize + 1 bits.
std::vector<uint8_t> lzwCodes(const std::vector<uint8_t>& pixels, uint8_t minCodeSize) {
    const uint32_t clear = 1u << minCodeSize;
    const int width = minCodeSize + 1;
    const size_t perClear = clear - 3;
    BitPacker packer;
    packer.put(clear, width);
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i > 0 && i % perClear == 0) packer.put(clear, width);
        packer.put(pixels[i], width);
    }
    packer.put(clear + 1, width);
    return packer.finish();
}

void putSubBlocks(std::vector<uint8_t>& out, const std::vector<uint8_t>& data) {
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = std::min<size_t>(255, data.size() - at);
        out.push_back(uint8_t(n));
        out.insert(out.end(), data.begin() + ptrdiff_t(at), data.begin() + ptrdiff_t(at + n));
    }
    out.push_back(0);
}

void putFrame(std::vector<uint8_t>& out, const GifFrameSample& f) {
    if (f.transparent >= 0) append(out, {0x21, 0xF9, 4, 1, 0, 0, uint8_t(f.transparent), 0});
    out.push_back(0x2C);
    put16(out, f.left);
    put16(out, f.top);
    put16(out, f.width);
    put16(out, f.height);
    const size_t flagsAt = out.size();
    out.push_back(f.interlaced ? 0x40 : 0);
    if (!f.localMap.empty()) out[flagsAt] |= uint8_t(0x80 | putColourMap(out, f.localMap));
    out.push_back(f.minCodeSize);
    putSubBlocks(out, lzwCodes(f.pixels, f.minCodeSize));
}

}  // namespace

std::vector<uint8_t> buildGif(const GifSample& s) {
    std::vector<uint8_t> out(s.version.begin(), s.version.end());
    put16(out, s.width);
    put16(out, s.height);
    const size_t flagsAt = out.size();
    append(out, {0, 0, 0});  // flags, background index, pixel shape
    if (!s.globalMap.empty()) out[flagsAt] = uint8_t(0x80 | 7 << 4 | putColourMap(out, s.globalMap));
    for (const auto& frame : s.frames) putFrame(out, frame);
    out.push_back(0x3B);
    return out;
}

std::vector<uint8_t> buildTga(const TgaSample& s) {
    const size_t entrySize = (s.mapBits + 7u) / 8;
    const uint16_t mapLength = s.mapLength.value_or(entrySize ? uint16_t(s.map.size() / entrySize) : 0);
    std::vector<uint8_t> out = {uint8_t(s.id.size()), s.mapType.value_or(s.map.empty() ? 0 : 1), s.imageType};
    put16(out, s.mapFirst);
    put16(out, mapLength);
    out.push_back(s.mapBits);
    put16(out, 0);
    put16(out, 0);
    put16(out, s.width);
    put16(out, s.height);
    out.push_back(s.pixelBits);
    out.push_back(s.descriptor);
    append(out, s.id);
    append(out, s.map);
    append(out, s.pixels);
    return out;
}

std::vector<uint8_t> buildPcx(const PcxSample& s) {
    const uint16_t bytesPerLine = s.bytesPerLine.value_or(uint16_t(((s.width * s.bitsPerPixel + 7) / 8 + 1) & ~1));
    std::vector<uint8_t> out = {0x0A, s.version, s.encoding, s.bitsPerPixel};
    put16(out, s.xMin);
    put16(out, s.yMin);
    put16(out, uint32_t(s.xMin + s.width - 1));
    put16(out, uint32_t(s.yMin + s.height - 1));
    put16(out, 72);
    put16(out, 72);
    for (size_t i = 0; i < 16; ++i) {
        const Rgb c = i < s.headerPalette.size() ? s.headerPalette[i] : Rgb{0, 0, 0};
        out.insert(out.end(), c.begin(), c.end());
    }
    out.push_back(0);
    out.push_back(s.planes);
    put16(out, bytesPerLine);
    put16(out, 1);
    out.resize(128, 0);
    append(out, s.data);
    append(out, s.tail);
    return out;
}

std::vector<uint8_t> pcxRle(const std::vector<uint8_t>& plain) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < plain.size();) {
        size_t run = 1;
        while (i + run < plain.size() && run < 63 && plain[i + run] == plain[i]) ++run;
        if (run == 1 && plain[i] < 0xC0) {
            out.push_back(plain[i]);
        } else {
            out.push_back(uint8_t(0xC0 | run));
            out.push_back(plain[i]);
        }
        i += run;
    }
    return out;
}

std::vector<uint8_t> pcxTailPalette(Rgb (*colour)(int index)) {
    std::vector<uint8_t> out = {0x0C};
    for (int i = 0; i < 256; ++i) {
        const Rgb c = colour(i);
        out.insert(out.end(), c.begin(), c.end());
    }
    return out;
}

std::vector<uint8_t> libjpegEncode(int width, int height, JpegInput input, const std::vector<uint8_t>& samples,
                                   const std::vector<JpegScan>& script) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = input == JpegInput::Grey ? 1 : input == JpegInput::Rgb ? 3 : 4;
    info.in_color_space = input == JpegInput::Grey ? JCS_GRAYSCALE : input == JpegInput::Rgb ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    if (input == JpegInput::Ycck) jpeg_set_colorspace(&info, JCS_YCCK);
    jpeg_set_quality(&info, 90, TRUE);
    std::vector<jpeg_scan_info> scans;
    for (const auto& scan : script) {
        jpeg_scan_info one{int(scan.components.size()), {}, scan.Ss, scan.Se, scan.Ah, scan.Al};
        for (size_t c = 0; c < scan.components.size(); ++c) one.component_index[c] = scan.components[c];
        scans.push_back(one);
    }
    if (!scans.empty()) {
        info.scan_info = scans.data();
        info.num_scans = int(scans.size());
    }
    jpeg_start_compress(&info, TRUE);
    const size_t rowBytes = size_t(width) * size_t(info.input_components);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(samples.data() + info.next_scanline * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

}  // namespace vortel::testing
