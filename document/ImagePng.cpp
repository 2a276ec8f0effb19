#include "document/ImagePng.h"

#include <libdeflate.h>
#include <png.h>

#include <array>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <string>

#include "document/ImageError.h"
#include "document/ImageLimits.h"

// libpng reports errors by longjmp. Each function that calls setjmp below owns nothing with a
// destructor: buffers live in the caller's frame and the png structures in an owner object there,
// so a longjmp skips no cleanup and the caller turns the recorded message into an ImageError.

namespace vortel {
namespace {

constexpr size_t SignatureSize = 8;

struct ErrorText {
    std::array<char, 256> text{};
};

void onError(png_structp png, png_const_charp message) {
    auto* sink = static_cast<ErrorText*>(png_get_error_ptr(png));
    std::strncpy(sink->text.data(), message, sink->text.size() - 1);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

[[noreturn]] void fail(const ErrorText& error) { throw ImageError(std::string("PNG: ") + error.text.data()); }

struct Source {
    std::span<const uint8_t> bytes;
    size_t position = 0;
};

void readSource(png_structp png, png_bytep out, size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->bytes.size() - source->position) png_error(png, "data is truncated");
    std::memcpy(out, source->bytes.data() + source->position, count);
    source->position += count;
}

class ReadStruct {
public:
    explicit ReadStruct(ErrorText& error)
        : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, onError, onWarning)),
          info_(png_ ? png_create_info_struct(png_) : nullptr) {
        if (!info_) {
            png_destroy_read_struct(&png_, nullptr, nullptr);
            throw std::bad_alloc();
        }
    }
    ~ReadStruct() { png_destroy_read_struct(&png_, &info_, nullptr); }
    ReadStruct(const ReadStruct&) = delete;
    ReadStruct& operator=(const ReadStruct&) = delete;
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_;
    png_infop info_;
};

struct Decoded {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t channels = 0;  // 3: BGR, 4: BGRA
    size_t rowBytes = 0;
};

// Every colour type becomes 8-bit BGR or BGRA rows.
void requestBgr8(png_structp png) {
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
}

bool readImage(const ReadStruct& s, Source& source, std::vector<uint8_t>& pixels, std::vector<png_bytep>& rows,
               Decoded& out) {
    png_structp png = s.png();
    png_infop info = s.info();
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &source, readSource);
    png_set_user_limits(png, image_limits::MaxSide, image_limits::MaxSide);
    png_read_info(png, info);
    out.width = png_get_image_width(png, info);
    out.height = png_get_image_height(png, info);
    if (int64_t(out.width) * out.height > image_limits::MaxPixels) png_error(png, "image is larger than supported");
    requestBgr8(png);
    png_read_update_info(png, info);
    out.channels = png_get_channels(png, info);
    out.rowBytes = png_get_rowbytes(png, info);
    if (png_get_bit_depth(png, info) != 8 || (out.channels != 3 && out.channels != 4) ||
        out.rowBytes != size_t(out.width) * out.channels) {
        png_error(png, "unexpected pixel layout after conversion");
    }
    pixels.resize(out.rowBytes * out.height);
    rows.resize(out.height);
    for (uint32_t y = 0; y < out.height; ++y) rows[y] = pixels.data() + y * out.rowBytes;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

uint8_t overWhite(uint8_t value, uint8_t alpha) { return uint8_t((value * alpha + 255 * (255 - alpha) + 127) / 255); }

Bitmap toBitmap(const Decoded& d, const std::vector<uint8_t>& pixels) {
    Bitmap image;
    image.width = int32_t(d.width);
    image.height = int32_t(d.height);
    if (d.channels == 3) {
        image.bgr = pixels;
        return image;
    }
    image.bgr.resize(size_t(d.width) * d.height * 3);
    for (size_t i = 0, n = size_t(d.width) * d.height; i < n; ++i) {
        const uint8_t* p = pixels.data() + i * 4;
        for (size_t c = 0; c < 3; ++c) image.bgr[i * 3 + c] = overWhite(p[c], p[3]);
    }
    return image;
}


void writeSink(png_structp png, png_bytep data, size_t count) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        out->insert(out->end(), data, data + count);
    } catch (const std::bad_alloc&) {
        stored = false;  // leave the handler before libpng unwinds with longjmp
    }
    if (!stored) png_error(png, "out of memory");
}

void flushNothing(png_structp) {}

class WriteStruct {
public:
    explicit WriteStruct(ErrorText& error)
        : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, onError, onWarning)),
          info_(png_ ? png_create_info_struct(png_) : nullptr) {
        if (!info_) {
            png_destroy_write_struct(&png_, nullptr);
            throw std::bad_alloc();
        }
    }
    ~WriteStruct() { png_destroy_write_struct(&png_, &info_); }
    WriteStruct(const WriteStruct&) = delete;
    WriteStruct& operator=(const WriteStruct&) = delete;
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_;
    png_infop info_;
};

bool writeImage(const WriteStruct& s, uint32_t width, uint32_t height, int colorType, bool bgr,
                std::vector<png_bytep>& rows, std::vector<uint8_t>& out) {
    png_structp png = s.png();
    png_infop info = s.info();
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, writeSink, flushNothing);
    png_set_IHDR(png, info, width, height, 8, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    if (bgr) png_set_bgr(png);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

// A compressor of the fastest level, borrowed for one picture. Those given back are kept for the
// next (no more than ever worked at once), so a server's many connection threads share a few.
class Compressor {
public:
    Compressor() {
        Spare& spare = kept();
        {
            const std::lock_guard lock(spare.mutex);
            if (!spare.compressors.empty()) {
                compressor_ = spare.compressors.back();
                spare.compressors.pop_back();
                return;
            }
        }
        compressor_ = libdeflate_alloc_compressor(1);
        if (!compressor_) throw std::bad_alloc();
    }
    ~Compressor() {
        Spare& spare = kept();
        const std::lock_guard lock(spare.mutex);
        spare.compressors.push_back(compressor_);
    }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
    libdeflate_compressor* get() const { return compressor_; }

private:
    struct Spare {
        std::mutex mutex;
        std::vector<libdeflate_compressor*> compressors;
        ~Spare() {
            for (libdeflate_compressor* c : compressors) libdeflate_free_compressor(c);
        }
    };
    static Spare& kept() {
        static Spare spare;
        return spare;
    }
    libdeflate_compressor* compressor_;
};

// The quick writer. Trying every filter on every row and zlib's default level took most of the
// clipboard copy of a large picture, and zlib's fastest level still took a quarter of a served
// render: every row gets the left-neighbour filter, which suits the smooth, mostly clear rows, and
// the whole image is compressed in one piece by libdeflate, a few times quicker at a like size.
class QuickPng {
public:
    QuickPng(uint32_t width, uint32_t height, uint8_t colorType, size_t channels)
        : width_(width), height_(height), colorType_(colorType), channels_(channels),
          rowBytes_(1 + size_t(width) * channels), size_(rowBytes_ * height), filtered_(new uint8_t[size_]) {}

    // Filters one row of pixels given in the file's channel order, or blue first with `bgr`. Every
    // row is added before finish(): the buffer starts out unset.
    void addRow(uint32_t y, const uint8_t* pixels, bool bgr) {
        uint8_t* out = filtered_.get() + size_t(y) * rowBytes_;
        *out++ = 1;  // the left-neighbour filter
        const size_t c = channels_;
        std::array<uint8_t, 4> left{};
        for (uint32_t x = 0; x < width_; ++x, pixels += c, out += c) {
            std::array<uint8_t, 4> px{pixels[0], pixels[1], pixels[2], c == 4 ? pixels[3] : uint8_t(0)};
            if (bgr) std::swap(px[0], px[2]);
            for (size_t i = 0; i < c; ++i) out[i] = uint8_t(px[i] - left[i]);
            left = px;
        }
    }

    std::vector<uint8_t> finish() const {
        std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        std::vector<uint8_t> header;
        putBigEndian(header, width_);
        putBigEndian(header, height_);
        header.insert(header.end(), {8, colorType_, 0, 0, 0});  // 8 bits, deflate, filters of type 0, no interlace
        chunk(out, "IHDR", header.data(), header.size());
        // One IDAT: within the size limits its length stays far inside 31 bits.
        const Compressor compressor;
        const size_t bound = libdeflate_zlib_compress_bound(compressor.get(), size_);
        const std::unique_ptr<uint8_t[]> data(new uint8_t[bound]);
        const size_t size = libdeflate_zlib_compress(compressor.get(), filtered_.get(), size_, data.get(), bound);
        if (size == 0 || size > 0x7FFFFFFF) throw ImageError("PNG: the picture could not be compressed");
        out.reserve(out.size() + size + 24);
        chunk(out, "IDAT", data.get(), size);
        chunk(out, "IEND", nullptr, 0);
        return out;
    }

private:
    static void putBigEndian(std::vector<uint8_t>& out, uint32_t v) {
        out.insert(out.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
    }
    static void chunk(std::vector<uint8_t>& out, const char (&type)[5], const uint8_t* data, size_t size) {
        putBigEndian(out, uint32_t(size));
        const size_t start = out.size();
        out.insert(out.end(), type, type + 4);
        if (size > 0) out.insert(out.end(), data, data + size);
        putBigEndian(out, uint32_t(libdeflate_crc32(0, out.data() + start, out.size() - start)));
    }

    uint32_t width_, height_;
    uint8_t colorType_;
    size_t channels_, rowBytes_, size_;
    std::unique_ptr<uint8_t[]> filtered_;
};

}  // namespace

bool hasPngSignature(std::span<const uint8_t> bytes) {
    return bytes.size() >= SignatureSize && png_sig_cmp(bytes.data(), 0, SignatureSize) == 0;
}

Bitmap decodePng(std::span<const uint8_t> bytes) {
    if (!hasPngSignature(bytes)) throw ImageError("not a PNG file");
    ErrorText error;
    ReadStruct reader(error);
    Source source{bytes};
    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
    Decoded decoded;
    if (!readImage(reader, source, pixels, rows, decoded)) fail(error);
    return toBitmap(decoded, pixels);
}

std::vector<uint8_t> encodePng(const Bitmap& bitmap, PngEffort effort) {
    image_limits::checkBitmap(bitmap);
    const size_t rowBytes = size_t(bitmap.width) * 3;
    if (effort == PngEffort::Fast) {
        QuickPng png(uint32_t(bitmap.width), uint32_t(bitmap.height), PNG_COLOR_TYPE_RGB, 3);
        for (int32_t y = 0; y < bitmap.height; ++y) png.addRow(uint32_t(y), bitmap.bgr.data() + size_t(y) * rowBytes, true);
        return png.finish();
    }
    ErrorText error;
    WriteStruct writer(error);
    // libpng copies each row before converting it, so the bitmap is only read through these.
    std::vector<png_bytep> rows(size_t(bitmap.height));
    for (size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(bitmap.bgr.data() + y * rowBytes);
    std::vector<uint8_t> out;
    if (!writeImage(writer, uint32_t(bitmap.width), uint32_t(bitmap.height), PNG_COLOR_TYPE_RGB, true, rows, out))
        fail(error);
    return out;
}

std::vector<uint8_t> encodePngRgba(int32_t width, int32_t height, std::span<const uint8_t> rgba, PngEffort effort) {
    image_limits::checkDimensions(width, height);
    if (rgba.size() != size_t(width) * size_t(height) * 4) throw ImageError("RGBA pixels do not match the image size");
    const size_t rowBytes = size_t(width) * 4;
    if (effort == PngEffort::Fast) {
        QuickPng png(uint32_t(width), uint32_t(height), PNG_COLOR_TYPE_RGB_ALPHA, 4);
        for (int32_t y = 0; y < height; ++y) png.addRow(uint32_t(y), rgba.data() + size_t(y) * rowBytes, false);
        return png.finish();
    }
    ErrorText error;
    WriteStruct writer(error);
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(rgba.data() + y * rowBytes);
    std::vector<uint8_t> out;
    if (!writeImage(writer, uint32_t(width), uint32_t(height), PNG_COLOR_TYPE_RGB_ALPHA, false, rows, out))
        fail(error);
    return out;
}

}  // namespace vortel
