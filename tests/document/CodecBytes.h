#pragma once
// Builders for small GIF, TGA and PCX files written byte by byte, and JPEG files written by
// libjpeg itself in the colour spaces our writer never produces, so each test shows exactly what
// it feeds the readers.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vortel::testing {

using Rgb = std::array<uint8_t, 3>;

struct GifFrameSample {
    uint16_t left = 0;
    uint16_t top = 0;
    uint16_t width = 1;
    uint16_t height = 1;
    bool interlaced = false;
    std::vector<Rgb> localMap;    // padded with black to a power of two
    int transparent = -1;         // written as a graphic control block when >= 0
    std::vector<uint8_t> pixels;  // colour indices in stored order
    uint8_t minCodeSize = 8;
};

struct GifSample {
    std::string version = "GIF89a";
    uint16_t width = 1;
    uint16_t height = 1;
    std::vector<Rgb> globalMap;  // padded with black to a power of two
    std::vector<GifFrameSample> frames;
};

// Each pixel is its own LZW code, with a clear code often enough that the code width never
// grows: valid, if not small.
std::vector<uint8_t> buildGif(const GifSample& sample);

struct TgaSample {
    uint8_t imageType = 2;
    uint16_t width = 1;
    uint16_t height = 1;
    uint8_t pixelBits = 24;
    uint8_t descriptor = 0;
    std::vector<uint8_t> id;
    std::optional<uint8_t> mapType;  // default: 1 when a map is given
    uint16_t mapFirst = 0;
    uint8_t mapBits = 0;
    std::vector<uint8_t> map;          // entries as stored
    std::optional<uint16_t> mapLength;  // default: the entries in `map`
    std::vector<uint8_t> pixels;       // as stored, packets included
};

std::vector<uint8_t> buildTga(const TgaSample& sample);

struct PcxSample {
    uint8_t version = 5;
    uint8_t encoding = 1;
    uint8_t bitsPerPixel = 8;
    uint8_t planes = 1;
    uint16_t xMin = 0;
    uint16_t yMin = 0;
    uint16_t width = 1;
    uint16_t height = 1;
    std::optional<uint16_t> bytesPerLine;  // default: the bits of a row rounded up to even bytes
    std::vector<Rgb> headerPalette;         // up to 16 entries
    std::vector<uint8_t> data;              // as stored, after the 128-byte header
    std::vector<uint8_t> tail;              // appended after the data
};

std::vector<uint8_t> buildPcx(const PcxSample& sample);

// Run-length encodes the whole stream as one, so runs cross line ends where the bytes repeat.
std::vector<uint8_t> pcxRle(const std::vector<uint8_t>& plain);

// The 769-byte tail of a 256-colour PCX: marker 0x0C and entry i = `colour(i)`.
std::vector<uint8_t> pcxTailPalette(Rgb (*colour)(int index));

enum class JpegInput { Grey, Cmyk, Ycck, Rgb };

// One scan of a progressive script: the components it carries, the coefficient band Ss..Se and the
// successive-approximation bits Ah, Al (libjpeg's jpeg_scan_info).
struct JpegScan {
    std::vector<int> components;
    int Ss, Se, Ah, Al;
};

// libjpeg's own encoding of `samples` (1, 3 or 4 a pixel, as the input names) at quality 90; with
// a script, progressive in exactly those scans.
std::vector<uint8_t> libjpegEncode(int width, int height, JpegInput input, const std::vector<uint8_t>& samples,
                                   const std::vector<JpegScan>& script = {});

}  // namespace vortel::testing
