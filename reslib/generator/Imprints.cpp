// The imprint patterns: 1-bit bitmaps whose black pixels punch holes into the letters.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "reslib/generator/BmpWriters.h"
#include "reslib/generator/Producers.h"

namespace vortel::resgen {
namespace {

// 8x8 patterns, one byte a row from the top, the leftmost pixel in the high bit; a set bit is ink.
constexpr std::array<std::array<uint8_t, 8>, 48> smallPatterns = {{
    {0x80, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00},  // sparse dots
    {0x88, 0x00, 0x22, 0x00, 0x88, 0x00, 0x22, 0x00},  // dots
    {0xAA, 0x00, 0xAA, 0x00, 0xAA, 0x00, 0xAA, 0x00},  // dot grid
    {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55},  // fine checks
    {0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77, 0xDD, 0x77},  // dense screen
    {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00},  // thin horizontal lines
    {0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00},  // close horizontal lines
    {0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00},  // wide horizontal lines
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88},  // thin vertical lines
    {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA},  // close vertical lines
    {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC},  // wide vertical lines
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // rising diagonal
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // falling diagonal
    {0x03, 0x06, 0x0C, 0x18, 0x30, 0x60, 0xC0, 0x81},  // thick rising diagonal
    {0xC0, 0x60, 0x30, 0x18, 0x0C, 0x06, 0x03, 0x81},  // thick falling diagonal
    {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88},  // close rising diagonals
    {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11},  // close falling diagonals
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},  // grid
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},  // fine grid
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
    {0x11, 0xAA, 0x44, 0xAA, 0x11, 0xAA, 0x44, 0xAA},  // fine diagonal cross
    {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F},  // large checks
    {0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33},  // small checks
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},  // bricks
    {0xFF, 0x88, 0xFF, 0x22, 0xFF, 0x88, 0xFF, 0x22},  // small bricks
    {0x18, 0x24, 0x42, 0x81, 0x18, 0x24, 0x42, 0x81},  // chevrons
    {0xF8, 0x74, 0x22, 0x47, 0x8F, 0x17, 0x22, 0x71},  // weave
    {0x00, 0x10, 0x10, 0x7C, 0x10, 0x10, 0x00, 0x00},  // plus signs
    {0x00, 0x00, 0x10, 0x38, 0x10, 0x00, 0x00, 0x00},  // small plus signs
    {0x00, 0x44, 0x28, 0x10, 0x28, 0x44, 0x00, 0x00},  // crosses
    {0x10, 0x28, 0x44, 0x82, 0x44, 0x28, 0x10, 0x00},  // diamonds
    {0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00},  // filled diamonds
    {0x3C, 0x42, 0x81, 0x81, 0x81, 0x81, 0x42, 0x3C},  // circles
    {0x00, 0x18, 0x3C, 0x7E, 0x7E, 0x3C, 0x18, 0x00},  // large dots
    {0x00, 0x38, 0x44, 0x44, 0x44, 0x38, 0x00, 0x00},  // rings
    {0x80, 0x80, 0x41, 0x3E, 0x08, 0x08, 0x14, 0xE3},  // scales
    {0xF0, 0x10, 0x10, 0x10, 0x1F, 0x01, 0x01, 0x01},  // steps
    {0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, 0x00},  // saw teeth
    {0x6C, 0xFE, 0xFE, 0x7C, 0x38, 0x10, 0x00, 0x00},  // hearts
    {0x10, 0x54, 0x38, 0xFE, 0x38, 0x54, 0x10, 0x00},  // stars
    {0x80, 0x00, 0x20, 0x00, 0x08, 0x00, 0x02, 0x00},  // diagonal dots
    {0x89, 0x10, 0x42, 0x04, 0xA0, 0x09, 0x40, 0x14},  // grain
    {0xF0, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00},  // horizontal dashes
    {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08},  // vertical dashes
    {0x00, 0x7E, 0x42, 0x42, 0x42, 0x42, 0x7E, 0x00},  // squares
    {0xFF, 0xC1, 0xA2, 0x94, 0x88, 0x94, 0xA2, 0xC1},  // envelopes
    {0x00, 0x00, 0x0C, 0x92, 0x61, 0x00, 0x00, 0x00},  // waves
    {0xE0, 0xE0, 0xE0, 0x00, 0x0E, 0x0E, 0x0E, 0x00},  // square dots
}};

Bilevel fromRows(const std::array<uint8_t, 8>& rows) {
    Bilevel b{8, 8, std::vector<uint8_t>(64)};
    for (size_t y = 0; y < 8; ++y)
        for (size_t x = 0; x < 8; ++x) b.ink[y * 8 + x] = rows[y] >> (7 - x) & 1;
    return b;
}

// A larger pattern from a shape: ink where `inside` holds for the pixel centre (cx, cy), measured
// from the pattern's middle.
struct Shape {
    int32_t width, height;
    std::function<bool(double cx, double cy)> inside;
};

Bilevel fromShape(const Shape& s) {
    Bilevel b{s.width, s.height, std::vector<uint8_t>(size_t(s.width) * size_t(s.height))};
    for (int32_t y = 0; y < s.height; ++y)
        for (int32_t x = 0; x < s.width; ++x)
            b.ink[size_t(y) * size_t(s.width) + size_t(x)] =
                s.inside(x + 0.5 - s.width / 2.0, y + 0.5 - s.height / 2.0);
    return b;
}

bool near(double a, double b, double within) { return std::fabs(a - b) < within; }

// The X series: sizes from 1x8 to 30x27, each a whole period of its motif.
std::vector<Shape> largePatterns() {
    auto ring = [](double x, double y, double radius, double within) { return near(std::hypot(x, y), radius, within); };
    return {
        {1, 8, [](double, double y) { return near(y, 0, 0.6); }},                         // lines 8 apart
        {16, 8, [](double x, double y) { return near(y, 0, 0.6) && std::fabs(x) < 5; }},  // dashes
        {12, 12, [=](double x, double y) { return ring(x, y, 4, 0.8); }},                 // rings
        {16, 16, [](double x, double y) {  // framed dots
             return std::max(std::fabs(x), std::fabs(y)) > 7 || std::hypot(x, y) < 2.2;
         }},
        {24, 12,
         [](double x, double y) {  // large bricks
             return near(y, 0, 0.6) || (y > 0 && near(std::fabs(x), 12, 0.6)) || (y < 0 && near(x, 0, 0.6));
         }},
        {10, 20, [](double x, double y) { return near(x, 2.5 * std::sin(2 * M_PI * y / 20), 1.0); }},  // upright waves
        {20, 10, [](double x, double y) { return near(y, 2.5 * std::sin(2 * M_PI * x / 20), 1.0); }},  // waves
        {18, 18,
         [=](double x, double y) {  // scales
             return y < 0 ? ring(x, y + 9, 9, 0.7) : ring(std::fabs(x) - 9, y, 9, 0.7);
         }},
        {24, 24,
         [](double x, double y) {  // five-pointed stars
             const double a = std::atan2(y, x) + M_PI / 2;
             return std::hypot(x, y) < 4.5 + 4.5 * std::pow(std::fabs(std::cos(2.5 * a)), 3.0);
         }},
        {14, 14, [](double x, double y) { return near(std::fabs(x) + std::fabs(y), 6, 0.7); }},   // diamond lattice
        {30, 27, [=](double x, double y) { return ring(x, y, 11, 1.0) || ring(x, y, 6, 1.0); }},  // double rings
        {8, 16, [](double x, double y) { return near(x, std::fabs(std::fmod(y + 16, 8.0) - 4) - 2, 0.8); }},  // zigzag
        {20, 20, [=](double x, double y) { return ring(x, y, 7, 0.7) || near(x, 0, 0.6) || near(y, 0, 0.6); }},
        {16, 24,
         [](double x, double y) {  // hearts
             const double u = x / 6.5, v = -(y + 1) / 6.5;
             return std::pow(u * u + v * v - 1, 3.0) - u * u * v * v * v <= 0;
         }},
        {28, 14,
         [](double x, double y) {                               // herringbone
             const double along = x < 0 ? y - x : y + x + 3.5;  // the right half is offset half a period
             return near(std::fmod(along + 28, 7.0), 3.5, 1.0);
         }},
    };
}

}  // namespace

void addImprints(ResourceSet& set) {
    for (size_t i = 0; i < smallPatterns.size(); ++i) {
        set.add("BITMAP", indexedName("IMPRINT_", int(i) + 1), encodeBmp1(fromRows(smallPatterns[i])));
    }
    const auto large = largePatterns();
    for (size_t i = 0; i < large.size(); ++i) {
        set.add("BITMAP", indexedName("IMPRINT_X", int(i) + 1), encodeBmp1(fromShape(large[i])));
    }
}

}  // namespace vortel::resgen
