#include "cli/Pipeline.h"

#include <string>
#include <vector>

#include "cli/EngineJson.h"
#include "cli/Errors.h"
#include "cli/Files.h"
#include "cli/Language.h"
#include "cli/Presets.h"
#include "document/Cp1252.h"
#include "platform/Texts.h"

namespace vortel::cli {
namespace {

// Lends the engine a recorder for the duration of a run, so the refusal can quote it.
class MessageCapture {
public:
    explicit MessageCapture(TFontFX& engine) : engine_(engine) { engine_.setMessages(&recorded_); }
    ~MessageCapture() { engine_.setMessages(nullptr); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // The first status panel carries notes on the run (a font stood in for a missing face); the
    // others are hints and progress, not something the user has to be told.
    std::vector<std::string> said() const {
        std::vector<std::string> lines;
        for (const auto& entry : recorded_.entries) {
            if (entry.kind == RecordingMessages::Kind::Status && entry.number != 0) continue;
            std::string line = shownMessage(entry.text);
            if (entry.kind == RecordingMessages::Kind::Diagnostic) line += " (" + std::to_string(entry.number) + ")";
            for (char& c : line) {
                if (c == '\r' || c == '\n') c = ' ';
            }
            lines.push_back(line);
        }
        return lines;
    }

private:
    TFontFX& engine_;
    RecordingMessages recorded_;
};

std::string refusal(std::string what, const MessageCapture& messages) {
    const auto said = messages.said();
    for (size_t i = 0; i < said.size(); ++i) what += (i == 0 ? ": " : "; ") + said[i];
    return what;
}

}  // namespace

Rect imageRect(const Options& options) { return Rect{0, 0, options.width, options.height}; }

void configureEngine(TFontFX& engine, const Options& options, std::ostream& err) {
    applyInputs(engine, options);
    if (options.text) {
        // A terminal or a script in an 8-bit locale hands over Windows-1252 or Latin-1 bytes; read
        // them as the program's own 8-bit set rather than draw boxes.
        bool converted = false;
        const std::string text = utf8OrCp1252(*options.text, &converted);
        if (converted)
            err << "vortel-cli: "
                << fillText(VORTEL_EN("CommandLine", "warning: %1"),
                            VORTEL_EN("CommandLine", "--text is not UTF-8; it is read as Windows-1252"))
                << '\n';
        applySetting(engine, "Text", toEngineLineBreaks(text));
    }
    if (options.anyPreset()) applyPresets(engine, options, err);
    for (const auto& assignment : options.settings) applySettingText(engine, assignment);
}

void runPipeline(TFontFX& engine, Canvas& canvas, std::ostream& warnings) {
    if (auto refused = runPipelineKeepingRefusal(engine, canvas, warnings)) throw WarpRefused(*refused);
}

std::optional<std::string> runPipelineKeepingRefusal(TFontFX& engine, Canvas& canvas, std::ostream& warnings) {
    MessageCapture messages(engine);
    if (!engine.GetPointsAndTypes(canvas, false))
        throw WarpRefused(refusal(VORTEL_EN("CommandLine", "no text outline could be extracted"), messages));
    if (!engine.CalcVortel(0)) return refusal(VORTEL_EN("CommandLine", "the warp was refused"), messages);
    engine.GetMiddleOfGuides();
    for (const auto& line : messages.said())
        warnings << "vortel-cli: " << fillText(VORTEL_EN("CommandLine", "warning: %1"), line) << '\n';
    return std::nullopt;
}

}  // namespace vortel::cli
