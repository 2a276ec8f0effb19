#include "document/ImageJpeg.h"

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "document/ImageError.h"
#include "document/ImageLimits.h"

// libjpeg reports errors by calling error_exit, which we turn into a longjmp. The functions that
// call setjmp own nothing with a destructor: buffers belong to the caller, which turns the recorded
// message into an ImageError after the library's structures are destroyed.

namespace vortel {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    std::array<char, JMSG_LENGTH_MAX> text;
    long warnings;
    bool endReached;  // the data ran out and the library went on with an end marker of its own
};

void onError(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, error->text.data());
    std::longjmp(error->jump, 1);
}

// Corrupt-data warnings are counted; a picture with a few damaged blocks or a cut-off end still
// decodes, as most viewers show it, but a warning storm marks data that is not a picture at all.
void onMessage(j_common_ptr info, int level) {
    if (level >= 0) return;
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    error->warnings++;
    if (info->err->msg_code == JWRN_JPEG_EOF) error->endReached = true;
}

void prepare(ErrorManager& error) {
    jpeg_std_error(&error.base);
    error.base.error_exit = onError;
    error.base.emit_message = onMessage;
    error.text[0] = '\0';
    error.warnings = 0;
    error.endReached = false;
}

constexpr long MaxWarnings = 1000;

// Every progressive scan is a pass over all of the picture's coefficients, so a small file of many
// (empty) scans costs minutes. Encoders write about ten; a file with more than this is refused.
constexpr int MaxScans = 300;

// Called by the library between passes and rows while it reads the scans: refuses a file with too
// many scans, or a warning storm, before it has read the rest of them.
void onProgress(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    const char* refusal = nullptr;
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxScans)
        refusal = "the picture has more scans than any encoder writes";
    else if (error->warnings > MaxWarnings)
        refusal = "too much of the data is damaged";
    if (!refusal) return;
    std::snprintf(error->text.data(), error->text.size(), "%s", refusal);
    std::longjmp(error->jump, 1);
}

// Reads the header and tells the size; returns false with error.text set on failure.
bool readHeader(jpeg_decompress_struct& info, ErrorManager& error, std::span<const uint8_t> bytes) {
    if (setjmp(error.jump)) return false;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        info.out_color_space = JCS_CMYK;
    } else {
        info.out_color_space = JCS_EXT_BGR;
    }
    return true;
}

// Decodes into `out` (width * height * 3 bytes for BGR, * 4 for CMYK), one scanline at a time.
bool readPixels(jpeg_decompress_struct& info, ErrorManager& error, uint8_t* out, size_t rowBytes) {
    jpeg_progress_mgr progress{};
    progress.progress_monitor = onProgress;
    info.progress = &progress;
    if (setjmp(error.jump)) return false;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out + size_t(info.output_scanline) * rowBytes;
        jpeg_read_scanlines(&info, &row, 1);
        if (error.warnings > MaxWarnings) {
            std::snprintf(error.text.data(), error.text.size(), "too much of the data is damaged");
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

class Decompressor {
public:
    explicit Decompressor(ErrorManager& error) {
        info.err = &error.base;
        jpeg_create_decompress(&info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
    jpeg_decompress_struct info{};
};

// Compressed bytes go straight into a vector that the caller owns. (libjpeg's own memory
// destination leaves the caller's pointer on a buffer it has already freed when compression fails
// after the buffer grew.)
struct VectorDestination {
    jpeg_destination_mgr base;
    std::vector<uint8_t>* out;
};

constexpr size_t FirstChunk = 16384;

VectorDestination& destinationOf(j_compress_ptr info) { return *reinterpret_cast<VectorDestination*>(info->dest); }

void startDestination(j_compress_ptr info) {
    auto& d = destinationOf(info);
    d.out->resize(FirstChunk);
    d.base.next_output_byte = d.out->data();
    d.base.free_in_buffer = d.out->size();
}

// Called when the vector is full: doubles it.
boolean growDestination(j_compress_ptr info) {
    auto& d = destinationOf(info);
    const size_t used = d.out->size();
    bool grown = true;
    try {
        d.out->resize(used * 2);
    } catch (const std::bad_alloc&) {
        grown = false;  // leave the handler before libjpeg unwinds with longjmp
    }
    if (!grown) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    d.base.next_output_byte = d.out->data() + used;
    d.base.free_in_buffer = d.out->size() - used;
    return TRUE;
}

void finishDestination(j_compress_ptr info) {
    auto& d = destinationOf(info);
    d.out->resize(d.out->size() - d.base.free_in_buffer);
}

class Compressor {
public:
    Compressor(ErrorManager& error, std::vector<uint8_t>& out) {
        info.err = &error.base;
        jpeg_create_compress(&info);
        destination.base.init_destination = startDestination;
        destination.base.empty_output_buffer = growDestination;
        destination.base.term_destination = finishDestination;
        destination.out = &out;
        info.dest = &destination.base;
    }
    ~Compressor() { jpeg_destroy_compress(&info); }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
    jpeg_compress_struct info{};
    VectorDestination destination{};
};

constexpr int FullColourQuality = 90;

bool writePixels(Compressor& c, ErrorManager& error, const Bitmap& bitmap, int quality) {
    if (setjmp(error.jump)) return false;
    c.info.image_width = JDIMENSION(bitmap.width);
    c.info.image_height = JDIMENSION(bitmap.height);
    c.info.input_components = 3;
    c.info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, quality, TRUE);
    // Halving the colour resolution smears the one-pixel coloured edges that rendered text is made
    // of; at the qualities chosen to keep detail (textures are stored at 98) colour keeps full size.
    if (quality >= FullColourQuality) {
        for (int i = 0; i < c.info.num_components; ++i) {
            c.info.comp_info[i].h_samp_factor = 1;
            c.info.comp_info[i].v_samp_factor = 1;
        }
    }
    c.info.optimize_coding = TRUE;
    jpeg_start_compress(&c.info, TRUE);
    const size_t rowBytes = size_t(bitmap.width) * 3;
    while (c.info.next_scanline < c.info.image_height) {
        // libjpeg's row pointer is not const; the encoder only reads through it.
        auto row = const_cast<JSAMPROW>(bitmap.bgr.data() + size_t(c.info.next_scanline) * rowBytes);
        jpeg_write_scanlines(&c.info, &row, 1);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

[[noreturn]] void fail(const ErrorManager& error) { throw ImageError(std::string("JPEG: ") + error.text.data()); }

// Adobe writes CMYK inverted; every common producer follows it, so the values are taken as ink
// amounts stored as 255 - ink and combined multiplicatively.
void cmykToBgr(const std::vector<uint8_t>& cmyk, Bitmap& out) {
    const size_t pixels = size_t(out.width) * size_t(out.height);
    for (size_t i = 0; i < pixels; ++i) {
        const unsigned c = cmyk[i * 4], m = cmyk[i * 4 + 1], y = cmyk[i * 4 + 2], k = cmyk[i * 4 + 3];
        out.bgr[i * 3] = uint8_t((y * k + 127) / 255);
        out.bgr[i * 3 + 1] = uint8_t((m * k + 127) / 255);
        out.bgr[i * 3 + 2] = uint8_t((c * k + 127) / 255);
    }
}

}  // namespace

bool hasJpegSignature(std::span<const uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

Bitmap decodeJpeg(std::span<const uint8_t> bytes) {
    if (!hasJpegSignature(bytes)) throw ImageError("JPEG: not a JPEG file");
    if (bytes.size() > image_limits::MaxFileBytes) throw ImageError("JPEG: file is larger than supported");
    ErrorManager error;
    prepare(error);
    Decompressor d(error);
    if (!readHeader(d.info, error, bytes)) fail(error);
    // Headers cut short are read on with invented bytes; no picture can be made from those.
    if (error.endReached) throw ImageError("JPEG: image data is truncated inside the headers");
    image_limits::checkDimensions(d.info.image_width, d.info.image_height);
    // A header can claim a large picture in a few bytes and make the decoder fill every block of it;
    // real coded data needs at least one bit per 8x8 block, so far fewer bytes than this cannot be it.
    const uint64_t blocks = (uint64_t(d.info.image_width) + 7) / 8 * ((uint64_t(d.info.image_height) + 7) / 8);
    if (blocks > uint64_t(bytes.size()) * 64) {
        throw ImageError("JPEG: file is too short for the picture it claims");
    }
    Bitmap out;
    out.width = int32_t(d.info.image_width);
    out.height = int32_t(d.info.image_height);
    out.bgr.resize(size_t(out.width) * size_t(out.height) * 3);
    if (d.info.out_color_space == JCS_CMYK) {
        std::vector<uint8_t> cmyk(size_t(out.width) * size_t(out.height) * 4);
        if (!readPixels(d.info, error, cmyk.data(), size_t(out.width) * 4)) fail(error);
        cmykToBgr(cmyk, out);
    } else if (!readPixels(d.info, error, out.bgr.data(), size_t(out.width) * 3)) {
        fail(error);
    }
    return out;
}

std::vector<uint8_t> encodeJpeg(const Bitmap& bitmap, int quality) {
    image_limits::checkBitmap(bitmap);
    ErrorManager error;
    prepare(error);
    std::vector<uint8_t> out;
    Compressor c(error, out);
    if (!writePixels(c, error, bitmap, std::clamp(quality, 0, 100))) fail(error);
    return out;
}

}  // namespace vortel
