// Writes the JPEG and GIF seeds for fuzz_jpeg and fuzz_gif with libjpeg's and giflib's own
// encoders, one small file per variant the readers handle:
//   build-fuzz/bin/make_codec_seeds fuzz/corpus
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gif_lib.h>
#include <jpeglib.h>

namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const unsigned char* data, size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// A smooth ramp with a hard edge, so both the DCT and the palette see more than one value.
std::vector<unsigned char> picture(int width, int height, int components) {
    std::vector<unsigned char> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < components; ++c) {
                const int edge = x * 2 < width ? 0 : 96;
                pixels.push_back((unsigned char)((x * 255 / width + y * 40 + c * 70 + edge) % 256));
            }
        }
    }
    return pixels;
}

struct JpegOptions {
    int width, height, components;
    J_COLOR_SPACE input;
    std::function<void(jpeg_compress_struct&)> tune = [](jpeg_compress_struct&) {};
};

void writeJpeg(const fs::path& path, const JpegOptions& o) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(o.width);
    info.image_height = JDIMENSION(o.height);
    info.input_components = o.components;
    info.in_color_space = o.input;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    o.tune(info);
    jpeg_start_compress(&info, TRUE);
    const auto pixels = picture(o.width, o.height, o.components);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(pixels.data() + size_t(info.next_scanline) * size_t(o.width * o.components));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    writeFile(path, buffer, size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
}

void writeJpegSeeds(const fs::path& dir) {
    writeJpeg(dir / "rgb_420.jpg", {13, 5, 3, JCS_RGB});
    writeJpeg(dir / "rgb_444.jpg", {7, 7, 3, JCS_RGB, [](jpeg_compress_struct& i) {
                  for (int c = 0; c < 3; ++c) i.comp_info[c].h_samp_factor = i.comp_info[c].v_samp_factor = 1;
              }});
    writeJpeg(dir / "grey.jpg", {9, 4, 1, JCS_GRAYSCALE});
    writeJpeg(dir / "cmyk.jpg", {6, 3, 4, JCS_CMYK});
    writeJpeg(dir / "ycck.jpg", {5, 9, 4, JCS_CMYK, [](jpeg_compress_struct& i) { jpeg_set_colorspace(&i, JCS_YCCK); }});
    writeJpeg(dir / "progressive.jpg", {16, 9, 3, JCS_RGB, [](jpeg_compress_struct& i) { jpeg_simple_progression(&i); }});
    writeJpeg(dir / "restart.jpg", {24, 8, 3, JCS_RGB, [](jpeg_compress_struct& i) { i.restart_interval = 1; }});
    writeJpeg(dir / "arithmetic.jpg", {8, 8, 3, JCS_RGB, [](jpeg_compress_struct& i) { i.arith_code = TRUE; }});
    writeJpeg(dir / "rgb_colorspace.jpg", {3, 2, 3, JCS_RGB, [](jpeg_compress_struct& i) { jpeg_set_colorspace(&i, JCS_RGB); }});
}

struct GifSink {
    std::vector<unsigned char> bytes;
};

int gifWrite(GifFileType* gif, const GifByteType* data, int count) {
    auto* sink = static_cast<GifSink*>(gif->UserData);
    sink->bytes.insert(sink->bytes.end(), data, data + count);
    return count;
}

struct GifFrame {
    int left, top, width, height;
    bool interlaced;
    int localColours;  // 0: use the global map
    int transparent;   // -1: none
};

void check(int result, const char* what) {
    if (result != GIF_OK) {
        std::fprintf(stderr, "giflib failed at %s\n", what);
        std::exit(1);
    }
}

ColorMapObject* rampMap(int count, int shift) {
    std::vector<GifColorType> colours;
    for (int i = 0; i < count; ++i) {
        colours.push_back({GifByteType((i * 255 / (count - 1) + shift) % 256), GifByteType(i * 37 % 256),
                           GifByteType(255 - i * 255 / (count - 1))});
    }
    return GifMakeMapObject(count, colours.data());
}

void putFrame(GifFileType* gif, const GifFrame& f, int colours) {
    if (f.transparent >= 0) {
        GraphicsControlBlock control{0, false, 10, f.transparent};  // disposal left open
        GifByteType block[4];
        EGifGCBToExtension(&control, block);
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block), "control block");
    }
    ColorMapObject* local = f.localColours ? rampMap(f.localColours, 60) : nullptr;
    check(EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, local), "image descriptor");
    GifFreeMapObject(local);
    const int count = f.localColours ? f.localColours : colours;
    // An interlaced frame is written in pass order; giflib takes the lines as they are given.
    for (int y = 0; y < f.height; ++y) {
        std::vector<GifPixelType> line;
        for (int x = 0; x < f.width; ++x) line.push_back(GifPixelType((x + y * 3) % count));
        check(EGifPutLine(gif, line.data(), f.width), "line");
    }
}

void writeGif(const fs::path& path, bool gif89, int width, int height, int globalColours,
              const std::vector<GifFrame>& frames) {
    GifSink sink;
    int error = 0;
    GifFileType* gif = EGifOpen(&sink, gifWrite, &error);
    if (!gif) std::exit(1);
    EGifSetGifVersion(gif, gif89);
    ColorMapObject* global = globalColours ? rampMap(globalColours, 0) : nullptr;
    check(EGifPutScreenDesc(gif, width, height, 8, 0, global), "screen");
    GifFreeMapObject(global);
    for (const auto& frame : frames) putFrame(gif, frame, globalColours);
    check(EGifCloseFile(gif, &error), "close");
    writeFile(path, sink.bytes.data(), sink.bytes.size());
}

void writeGifSeeds(const fs::path& dir) {
    writeGif(dir / "global.gif", false, 5, 3, 4, {{0, 0, 5, 3, false, 0, -1}});
    writeGif(dir / "transparent.gif", true, 6, 4, 8, {{0, 0, 6, 4, false, 0, 2}});
    writeGif(dir / "local_interlaced.gif", false, 7, 9, 0, {{0, 0, 7, 9, true, 16, -1}});
    writeGif(dir / "offset_clipped.gif", true, 4, 4, 2, {{2, 1, 4, 4, false, 0, -1}});
    writeGif(dir / "animated.gif", true, 3, 3, 256, {{0, 0, 3, 3, false, 0, 0}, {1, 1, 2, 2, false, 4, -1}});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_codec_seeds CORPUS_DIR\n");
        return 2;
    }
    const fs::path root(argv[1]);
    fs::create_directories(root / "jpeg");
    fs::create_directories(root / "gif");
    writeJpegSeeds(root / "jpeg");
    writeGifSeeds(root / "gif");
    return 0;
}
