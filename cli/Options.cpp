#include "cli/Options.h"

#include <charconv>

#include "cli/Errors.h"

namespace vortel::cli {
namespace {

int32_t parseSide(const std::string& digits, const std::string& whole) {
    int32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || ec != std::errc() || ptr != end || value < 1 || value > MaxImageSide) {
        throw UsageError("--size: expected WxH with sides 1.." + std::to_string(MaxImageSide) + ", got '" + whole + "'");
    }
    return value;
}

void parseSize(const std::string& text, Options& options) {
    const auto x = text.find('x');
    if (x == std::string::npos) throw UsageError("--size: expected WxH, got '" + text + "'");
    options.width = parseSide(text.substr(0, x), text);
    options.height = parseSide(text.substr(x + 1), text);
}

Quality parseQuality(const std::string& text) {
    if (text == "draft") return Quality::Draft;
    if (text == "normal") return Quality::Normal;
    if (text == "smooth") return Quality::Smooth;
    throw UsageError("--quality: expected draft, normal or smooth, got '" + text + "'");
}

TextureOption parseTexture(const std::string& text) {
    if (text.size() < 3 || (text[0] != '0' && text[0] != '1') || text[1] != '=') {
        throw UsageError("--texture: expected 1=FILE (text) or 0=FILE (background), got '" + text + "'");
    }
    return TextureOption{text[0] - '0', text.substr(2)};
}

}  // namespace

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
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
        } else if (arg == "--set") {
            options.settings.push_back(value());
        } else if (arg == "--quality") {
            options.quality = parseQuality(value());
        } else if (arg == "--texture") {
            options.textures.push_back(parseTexture(value()));
        } else if (arg == "--imprint") {
            options.imprint = value();
        } else if (arg == "-o" || arg == "--output") {
            options.output = value();
        } else if (arg.starts_with("-") && arg != "-") {
            throw UsageError("unknown option '" + arg + "'");
        } else if (options.verb.empty()) {
            options.verb = arg;
        } else {
            throw UsageError("unexpected argument '" + arg + "'");
        }
    }
    if (!options.help && options.verb.empty()) throw UsageError("no verb given; see --help");
    return options;
}

std::string usageText() {
    return "usage: vortel-cli VERB [options]\n"
           "\n"
           "verbs:\n"
           "  inspect            print the engine state after layout and warp\n"
           "  outline -o FILE    write the warped outline and the guides as SVG\n"
           "  render -o FILE     render the effect into a .png or .bmp image\n"
           "\n"
           "options:\n"
           "  --text T           the text; newlines separate lines\n"
           "  --size WxH         work image size (default 450x200)\n"
           "  --set KEY=JSON     set a state key before rendering; repeatable, applied in order\n"
           "  --json             inspect: print the state as one JSON object\n"
           "  --quality Q        render: draft, normal or smooth (the default)\n"
           "  --texture N=FILE   render: image for surface N, 1 the text, 0 the background;\n"
           "                     choose the texture fill with --set, e.g. 'TextFill={\"FillKind\":0}'\n"
           "  --imprint FILE     render: imprint the image into the text\n"
           "  -o, --output FILE  outline: the SVG file to write; render: the image\n"
           "  -h, --help         show this help\n"
           "\n"
           "Keys are the names `inspect` prints; objects may be partial, e.g.\n"
           "  --set 'LogFont={\"lfFaceName\":\"Times New Roman\",\"lfWeight\":400}'\n";
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
