#include "cli/Pipeline.h"

#include "cli/EngineJson.h"
#include "cli/Errors.h"

namespace vortel::cli {
namespace {

// Lends the engine a recorder for the duration of a run, so the refusal can quote it.
class MessageCapture {
public:
    explicit MessageCapture(TFontFX& engine) : engine_(engine) { engine_.setMessages(&recorded_); }
    ~MessageCapture() { engine_.setMessages(nullptr); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::string joined() const {
        std::string text;
        for (const auto& entry : recorded_.entries) {
            if (entry.kind == RecordingMessages::Kind::Status) continue;
            text += (text.empty() ? "" : "; ") + entry.text;
        }
        return text;
    }

private:
    TFontFX& engine_;
    RecordingMessages recorded_;
};

[[noreturn]] void refuse(const std::string& what, const MessageCapture& messages) {
    const std::string said = messages.joined();
    throw WarpRefused(what + (said.empty() ? "" : ": " + said));
}

}  // namespace

Rect imageRect(const Options& options) { return Rect{0, 0, options.width, options.height}; }

void configureEngine(TFontFX& engine, const Options& options) {
    if (options.text) applySetting(engine, "Text", toEngineLineBreaks(*options.text));
    for (const auto& assignment : options.settings) applySettingText(engine, assignment);
}

void runPipeline(TFontFX& engine, Canvas& canvas) {
    MessageCapture messages(engine);
    if (!engine.GetPointsAndTypes(canvas, false)) refuse("no text outline could be extracted", messages);
    if (!engine.CalcVortel(0)) refuse("the warp was refused", messages);
    engine.GetMiddleOfGuides();
}

}  // namespace vortel::cli
