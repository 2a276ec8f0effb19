#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Texts.h"

namespace vortel {

enum class MessageIcon { Error, Warning, Information, Question };

// VORTEL_TEXT("Messages", ...) marks a fixed text, composeMessage a text with names or numbers in
// it (platform/Texts.h). Fixed texts stay German here and are looked up where they are shown; a
// composed one is translated whole when it is made.

// The status bar's panel number for its simple mode: one text over the whole bar.
inline constexpr int StatusSimple = -1;

// The status text of a texture or imprint file that cannot be read; the panels drop it from their
// list (panels/presets). Here, with the engine's texts, so the translation files find it.
inline std::string damagedFileStatus(const std::string& name) {
    return composeMessage(VORTEL_TEXT("Messages", "Defekte Datei: %1"), name);
}

// Everything the engine says to the user goes through here: message boxes, the internal
// diagnostics (a message with a number, processing goes on) and status-bar texts. The Qt program
// shows them as dialogs; tests and the command line record or print them.
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
    virtual void diagnostic(const std::string& text, int64_t number) = 0;
    virtual void status(int panel, const std::string& text) { (void)panel; (void)text; }
};

// Keeps every message in order; the engine's default sink.
class RecordingMessages : public UserMessages {
public:
    enum class Kind { Box, Diagnostic, Status };
    struct Entry {
        Kind kind;
        std::string text;
        std::string caption;
        MessageIcon icon = MessageIcon::Information;
        int64_t number = 0;
    };
    void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override {
        entries.push_back({Kind::Box, text, caption, icon, 0});
    }
    void diagnostic(const std::string& text, int64_t number) override {
        entries.push_back({Kind::Diagnostic, text, {}, MessageIcon::Information, number});
    }
    void status(int panel, const std::string& text) override {
        entries.push_back({Kind::Status, text, {}, MessageIcon::Information, panel});
    }
    void clear() { entries.clear(); }
    // Says again, in order, what was said here.
    void replay(UserMessages& to) const {
        for (const Entry& e : entries) {
            if (e.kind == Kind::Box) to.messageBox(e.text, e.caption, e.icon);
            if (e.kind == Kind::Diagnostic) to.diagnostic(e.text, e.number);
            if (e.kind == Kind::Status) to.status(int(e.number), e.text);
        }
    }
    std::vector<Entry> entries;
};

// Failure raised across layer boundaries; carries the system's own message text.
class VortelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises a failure the way the program words it: the operating system's text for a pending error
// code follows after a carriage return; without one the message is prefixed with "ERROR: ".
[[noreturn]] void raiseSystemError(const std::string& message, int osError);

}  // namespace vortel
