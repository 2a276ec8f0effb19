#include "tests/reslib/StockImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "document/ByteReader.h"
#include "document/ImageBmp.h"
#include "document/ImageJpeg.h"
#include "document/StockResources.h"

namespace vortel::testing {

std::span<const uint8_t> stockBytes(const std::string& type, const std::string& name) {
    const auto bytes = stockResource(type, name);
    if (!bytes) throw std::runtime_error("no stock resource " + type + " " + name);
    return *bytes;
}

Bitmap stockJpeg(const std::string& name) { return decodeJpeg(stockBytes("JPG", name)); }

Bitmap stockBitmap(const std::string& name) { return decodeBmp(stockBytes("BITMAP", name)); }

bmp::Header stockBitmapHeader(const std::string& name, bmp::Palette* palette) {
    ByteReader in(stockBytes("BITMAP", name));
    bmp::Palette read;
    const bmp::Header header = bmp::readHeaders(in, read);
    if (palette) *palette = read;
    return header;
}

const uint8_t* pixelAt(const Bitmap& b, int32_t x, int32_t y) {
    return b.bgr.data() + (size_t(y) * size_t(b.width) + size_t(x)) * 3;
}

namespace {

double difference(const uint8_t* a, const uint8_t* b) {
    return (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2])) / 3.0;
}

// Mean difference between column a and column b over all rows.
double columnDifference(const Bitmap& t, int32_t a, int32_t b) {
    double sum = 0;
    for (int32_t y = 0; y < t.height; ++y) sum += difference(pixelAt(t, a, y), pixelAt(t, b, y));
    return sum / t.height;
}

double rowDifference(const Bitmap& t, int32_t a, int32_t b) {
    double sum = 0;
    for (int32_t x = 0; x < t.width; ++x) sum += difference(pixelAt(t, x, a), pixelAt(t, x, b));
    return sum / t.width;
}

}  // namespace

SeamMeasure columnSeam(const Bitmap& b) {
    SeamMeasure m{columnDifference(b, b.width - 1, 0), 0};
    for (int32_t x = 0; x + 1 < b.width; ++x) m.interior += columnDifference(b, x, x + 1);
    if (b.width > 1) m.interior /= b.width - 1;
    return m;
}

SeamMeasure rowSeam(const Bitmap& b) {
    SeamMeasure m{rowDifference(b, b.height - 1, 0), 0};
    for (int32_t y = 0; y + 1 < b.height; ++y) m.interior += rowDifference(b, y, y + 1);
    if (b.height > 1) m.interior /= b.height - 1;
    return m;
}

bool looksSeamless(const SeamMeasure& m) { return m.wrap <= 1.5 * m.interior + 2.0; }

}  // namespace vortel::testing
