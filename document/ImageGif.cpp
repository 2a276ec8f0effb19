#include "document/ImageGif.h"

#include <gif_lib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "document/ImageError.h"
#include "document/ImageLimits.h"

// giflib reports failures through return codes and GifFile->Error, so plain C++ ownership works
// here: the file handle is closed by its owner, whatever way the decoder leaves.

namespace vortel {
namespace {

constexpr size_t SignatureSize = 6;

struct Source {
    std::span<const uint8_t> bytes;
    size_t position = 0;
};

// Hands out what is left when asked for more; giflib takes a short count as a read failure.
int readSource(GifFileType* gif, GifByteType* out, int count) {
    auto* source = static_cast<Source*>(gif->UserData);
    if (count <= 0) return 0;
    const size_t n = std::min(size_t(count), source->bytes.size() - source->position);
    std::memcpy(out, source->bytes.data() + source->position, n);
    source->position += n;
    return int(n);
}

std::string describe(int code) {
    switch (code) {
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_EOF_TOO_SOON: return "data is truncated";
    case D_GIF_ERR_NOT_GIF_FILE: return "not a GIF file";
    case D_GIF_ERR_WRONG_RECORD: return "unknown block type";
    case D_GIF_ERR_IMAGE_DEFECT:
    case D_GIF_ERR_DATA_TOO_BIG: return "the compressed pixel data is damaged";
    case D_GIF_ERR_NOT_ENOUGH_MEM: return "out of memory";
    case D_GIF_SUCCEEDED: return "the pixel data is damaged or cut short";  // giflib failed without a code
    default: {
        const char* text = GifErrorString(code);
        return text ? text : "error " + std::to_string(code);
    }
    }
}

[[noreturn]] void fail(const std::string& why) { throw ImageError("GIF: " + why); }

class GifReader {
public:
    explicit GifReader(Source& source) {
        int error = 0;
        gif_ = DGifOpen(&source, readSource, &error);
        if (!gif_) fail(describe(error));
    }
    ~GifReader() { DGifCloseFile(gif_, nullptr); }
    GifReader(const GifReader&) = delete;
    GifReader& operator=(const GifReader&) = delete;

    GifFileType* operator->() const { return gif_; }
    GifFileType* get() const { return gif_; }
    void check(int result) const {
        if (result != GIF_OK) fail(describe(gif_->Error));
    }

private:
    GifFileType* gif_ = nullptr;
};

// Reads extensions up to the first image descriptor; returns the transparent index that the last
// graphic control block before it names, or -1.
int readToFirstImage(const GifReader& gif) {
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        gif.check(DGifGetRecordType(gif.get(), &record));
        if (record == IMAGE_DESC_RECORD_TYPE) return transparent;
        if (record == TERMINATE_RECORD_TYPE) fail("the file holds no image");
        if (record != EXTENSION_RECORD_TYPE) fail("unknown block type");
        int code = 0;
        GifByteType* block = nullptr;
        gif.check(DGifGetExtension(gif.get(), &code, &block));
        // A control block of another length is damaged; its frame is drawn as if it had none.
        GraphicsControlBlock control{};
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4 &&
            DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
            transparent = control.TransparentColor;
        }
        while (block) gif.check(DGifGetExtensionNext(gif.get(), &block));
    }
}

// The rows of an interlaced frame arrive in four passes: every 8th from 0, every 8th from 4,
// every 4th from 2, every 2nd from 1.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    constexpr int starts[] = {0, 4, 2, 1};
    constexpr int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = starts[pass]; y < height; y += steps[pass]) rows.push_back(y);
    }
    return rows;
}

struct Frame {
    GifImageDesc desc;
    const ColorMapObject* colors;
    int transparent;
};

void drawRow(const Frame& frame, const std::vector<GifPixelType>& line, int screenY, Bitmap& image) {
    const int left = frame.desc.Left;
    const int visible = std::min(frame.desc.Width, image.width - left);
    if (visible <= 0) return;
    uint8_t* out = image.bgr.data() + (size_t(screenY) * size_t(image.width) + size_t(left)) * 3;
    for (int x = 0; x < visible; ++x, out += 3) {
        const int index = line[size_t(x)];
        if (index == frame.transparent) continue;
        if (index >= frame.colors->ColorCount) {
            fail("colour index " + std::to_string(index) + " is out of range (colour map has " +
                 std::to_string(frame.colors->ColorCount) + " entries)");
        }
        const GifColorType& c = frame.colors->Colors[index];
        out[0] = c.Blue;
        out[1] = c.Green;
        out[2] = c.Red;
    }
}

void drawFrame(const GifReader& gif, const Frame& frame, Bitmap& image) {
    std::vector<GifPixelType> line(size_t(frame.desc.Width));
    for (const int row : rowOrder(frame.desc.Height, frame.desc.Interlace)) {
        gif.check(DGifGetLine(gif.get(), line.data(), frame.desc.Width));
        const int y = frame.desc.Top + row;
        if (y >= 0 && y < image.height) drawRow(frame, line, y, image);
    }
}

}  // namespace

bool hasGifSignature(std::span<const uint8_t> bytes) {
    return bytes.size() >= SignatureSize &&
           (std::memcmp(bytes.data(), "GIF87a", SignatureSize) == 0 ||
            std::memcmp(bytes.data(), "GIF89a", SignatureSize) == 0);
}

Bitmap decodeGif(std::span<const uint8_t> bytes) {
    if (!hasGifSignature(bytes)) fail("not a GIF file");
    if (bytes.size() > image_limits::MaxFileBytes) fail("file is larger than supported");
    Source source{bytes};
    GifReader gif(source);
    image_limits::checkDimensions(gif->SWidth, gif->SHeight);
    const int transparent = readToFirstImage(gif);
    gif.check(DGifGetImageDesc(gif.get()));
    const Frame frame{gif->Image, gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap, transparent};
    if (!frame.colors) fail("the image has neither its own nor a global colour map");
    try {
        image_limits::checkDimensions(frame.desc.Width, frame.desc.Height);
    } catch (const ImageError& e) {
        fail(std::string("frame: ") + e.what());
    }
    Bitmap image{gif->SWidth, gif->SHeight,
                 std::vector<uint8_t>(size_t(gif->SWidth) * size_t(gif->SHeight) * 3, 0xFF)};
    drawFrame(gif, frame, image);
    return image;
}

}  // namespace vortel
