#include "cli/Options.h"

#include <charconv>

#include "cli/Errors.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

int32_t parseSide(const std::string& digits, const std::string& whole) {
    int32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ec != std::errc() || ptr != end || value < 1 || value > MaxImageSide) {
        throw UsageError(fillText(VORTEL_EN("CommandLine", "--size: expected WxH with sides 1..%1, got '%2'"), MaxImageSide, whole));
    }
    return value;
}

void parseSize(const std::string& text, Options& options) {
    const auto x = text.find('x');
    if (x == std::string::npos)
        throw UsageError(fillText(VORTEL_EN("CommandLine", "--size: expected WxH, got '%1'"), text));
    options.width = parseSide(text.substr(0, x), text);
    options.height = parseSide(text.substr(x + 1), text);
}

Quality parseQuality(const std::string& text) {
    if (text == "draft") return Quality::Draft;
    if (text == "normal") return Quality::Normal;
    if (text == "smooth") return Quality::Smooth;
    throw UsageError(fillText(VORTEL_EN("CommandLine", "--quality: expected draft, normal or smooth, got '%1'"), text));
}

int parseQuality0To100(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0 || value > 100) {
        throw UsageError(fillText(VORTEL_EN("CommandLine", "--jpeg-quality: expected 0..100, got '%1'"), text));
    }
    return value;
}

int parseIndex(const std::string& option, const std::string& text, int first, int last) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < first || value > last) {
        throw UsageError(fillText(VORTEL_EN("CommandLine", "%1: expected %2..%3, got '%4'"), option, first, last, text));
    }
    return value;
}

// A seed is a number below 2^31, as the generator draws them.
std::optional<uint32_t> seedValue(const std::string& text) {
    uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value > 2147483646u) return std::nullopt;
    return value;
}

Shard parseShard(const std::string& text) {
    const auto slash = text.find('/');
    Shard shard;
    const auto number = [](std::string_view digits, int& value) {
        const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return !digits.empty() && ec == std::errc() && ptr == digits.data() + digits.size();
    };
    const std::string_view whole = text;
    if (slash == std::string::npos || !number(whole.substr(0, slash), shard.index) ||
        !number(whole.substr(slash + 1), shard.count) || shard.index < 1 || shard.index > shard.count)
        throw UsageError(fillText(VORTEL_EN("CommandLine", "--shard: expected K/N with 1 <= K <= N, got '%1'"), text));
    return shard;
}

TextureOption parseTexture(const std::string& text) {
    if (text.size() < 3 || (text[0] != '0' && text[0] != '1') || text[1] != '=') {
        throw UsageError(
            fillText(VORTEL_EN("CommandLine", "--texture: expected 1=FILE (text) or 0=FILE (background), got '%1'"), text));
    }
    return TextureOption{text[0] - '0', text.substr(2)};
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(fillText(VORTEL_EN("CommandLine", "%1 needs a value"), arg));
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--text") {
            options.text = value();
        } else if (arg == "--size") {
            parseSize(value(), options);
            options.sizeGiven = true;
        } else if (arg == "--set") {
            options.settings.push_back(value());
        } else if (arg == "--quality") {
            options.quality = parseQuality(value());
        } else if (arg == "--texture") {
            options.textures.push_back(parseTexture(value()));
        } else if (arg == "--imprint") {
            options.imprint = value();
        } else if (arg == "--sheet") {
            options.sheet = value();
        } else if (arg == "--transparent") {
            options.transparent = true;
        } else if (arg == "--workers") {
            options.workers = parseIndex(arg, value(), 1, 256);
        } else if (arg == "--memory") {
            options.memoryMiB = parseIndex(arg, value(), 64, 1 << 24);
        } else if (arg == "--shard") {
            options.shard = parseShard(value());
        } else if (arg == "--failed") {
            options.failedList = value();
        } else if (arg == "--png-effort") {
            const std::string effort = value();
            if (effort != "small" && effort != "fast")
                throw UsageError(fillText(VORTEL_EN("CommandLine", "--png-effort: expected small or fast, got '%1'"), effort));
            options.fastPng = effort == "fast";
            options.pngEffortGiven = true;
        } else if (arg == "--jpeg-quality") {
            options.jpegQuality = parseQuality0To100(value());
        } else if (arg == "--style") {
            options.style = parseIndex(arg, value(), 0, 45);
        } else if (arg == "--random") {
            options.random = true;
            // The seed is optional: a following number is taken as the seed.
            if (i + 1 < args.size()) {
                if (const auto seed = seedValue(args[i + 1])) {
                    options.randomSeed = seed;
                    ++i;
                }
            }
        } else if (arg == "--guide-preset") {
            options.guidePreset = parseIndex(arg, value(), 0, 29);
        } else if (arg == "--bevel-preset") {
            options.bevelPreset = parseIndex(arg, value(), 0, 17);
        } else if (arg == "--outline-preset") {
            options.outlinePreset = parseIndex(arg, value(), 0, 12);
        } else if (arg == "--shadow-preset") {
            options.shadowPreset = parseIndex(arg, value(), 0, 11);
        } else if (arg == "--frame-preset") {
            options.framePreset = parseIndex(arg, value(), 0, 17);
        } else if (arg == "--gradient-preset") {
            options.gradientPreset = parseIndex(arg, value(), 1, 15);
        } else if (arg == "-o" || arg == "--output") {
            // Two outputs would write one and drop the other without a word.
            if (options.output)
                throw UsageError(fillText(VORTEL_EN("CommandLine", "%1 is given twice ('%2' and '%3')"), arg, *options.output,
                                          args[i + 1 < args.size() ? i + 1 : i]));
            options.output = value();
        } else if (arg.starts_with("-") && arg != "-") {
            throw UsageError(fillText(VORTEL_EN("CommandLine", "unknown option '%1'"), arg));
        } else if (options.verb.empty()) {
            options.verb = arg;
        } else {
            options.inputs.push_back(arg);
        }
    }
    if (!options.help && options.verb.empty()) throw UsageError(VORTEL_EN("CommandLine", "no verb given; see --help"));
    return options;
}

std::string usageText() {
    // One entry a section, so a translator sees the columns of one table at once.
    return VORTEL_EN("CommandLine", "usage: vortel-cli VERB [INPUT...] [options]\n") + "\n" +
           VORTEL_EN("CommandLine",
                     "verbs:\n"
                     "  inspect            print the engine state after layout and warp\n"
                     "  outline -o FILE    write the warped outline: .svg (with the guides), .pdf, .emf, .wmf\n"
                     "  render -o FILE     render the effect and write it by the name's extension:\n"
                     "                     .png .bmp .jpg (pictures), .vtl (document), .deform .bevel\n"
                     "                     .color .shadow (style files), .svg .pdf .emf .wmf (outline)\n"
                     "  resources          list the stock images and the counts the library reports;\n"
                     "                     --sheet FILE also writes them all as one .png or .bmp picture\n"
                     "  batch JOBS         render many pictures in one run on all cores; JOBS is a file of\n"
                     "                     JSON lines or a CSV file with a header (see the README); a\n"
                     "                     failing job is reported with its line number, the others go on\n"
                     "  gallery -o DIR     render every main style, every deformation and 24 random effects\n"
                     "                     as PNG files into DIR, with one contact sheet per group\n") + "\n" +
           VORTEL_EN("CommandLine",
                     "inputs:\n"
                     "  FILE.vtl           start from this document instead of the default effect\n"
                     "  FILE.deform, .bevel, .color, .shadow\n"
                     "                     apply a style file; inputs are applied in the order given\n"
                     "  IMAGE              .bmp .dib .rle .png .jpg .jif .gif .tga .pcx: the background texture\n") + "\n" +
           VORTEL_EN("CommandLine",
                     "options:\n"
                     "  --text T           the text; newlines separate lines; a style keeps it\n"
                     "  --size WxH         work image size, 1..10000 a side (default 450x200, or the document's)\n"
                     "  --set KEY=JSON     set a state key before rendering; repeatable, applied in order\n"
                     "  --json             inspect: print the state as one JSON object\n"
                     "  --quality Q        render: draft, normal or smooth (the default)\n"
                     "  --texture N=FILE   render: image for surface N, 1 the text, 0 the background;\n"
                     "                     choose the texture fill with --set, e.g. 'TextFill={\"FillKind\":0}'\n"
                     "  --imprint FILE     render: imprint the image into the text\n"
                     "                     FILE may be any .bmp .dib .rle .png .jpg .jif .gif .tga .pcx, or a\n"
                     "                     library image: :JPG_07 (texture), *IMPRINT_07, *FARBVERL_03\n"
                     "  --jpeg-quality Q   render to .jpg: quality 0..100 (default 80)\n"
                     "  --png-effort E     render to .png: small (the default: the smaller file) or fast\n"
                     "                     (several times quicker to write, a larger file; the same picture)\n"
                     "  --transparent      render to .png: an RGBA picture with a transparent background;\n"
                     "                     letters, bevel, shadow and frame keep their look over any colour\n"
                     "  --workers N        batch: render on N threads (default: one a core)\n"
                     "  --memory MIB       batch: what the jobs running at once may take together, in MiB\n"
                     "                     (default: half the memory free at the start); large pictures\n"
                     "                     then run fewer at a time\n"
                     "  --shard K/N        batch: only the jobs K, K+N, K+2N, ... (K from 1, every job of\n"
                     "                     the file counted), for the tasks of a job array\n"
                     "  --failed FILE      batch: write the failing jobs to FILE as a job list to run again\n"
                     "  -o, --output FILE  outline: the SVG file to write; render: the image\n"
                     "  -h, --help         show this help\n") + "\n" +
           VORTEL_EN("CommandLine",
                     "presets (applied in this order after the inputs, before --set; sizes follow the image height):\n"
                     "  --style N          main style 0..45; without --text its own text is used\n"
                     "  --random [SEED]    a random effect; the seed used is printed on standard error\n"
                     "  --guide-preset N   deformation 0..29\n"
                     "  --bevel-preset N   3D bevel 0..17\n"
                     "  --outline-preset N outline 0..12\n"
                     "  --shadow-preset N  shadow 0..11\n"
                     "  --frame-preset N   frame 0..17\n"
                     "  --gradient-preset N  text gradient 1..15\n") + "\n" +
           VORTEL_EN("CommandLine",
                     "Keys are the names `inspect` prints; objects may be partial, e.g.\n"
                     "  --set 'LogFont={\"lfFaceName\":\"Times New Roman\",\"lfWeight\":400}'\n");
}

std::string toEngineLineBreaks(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace vortel::cli
