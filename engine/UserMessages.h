#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vortel {

enum class MessageIcon { Error, Warning, Information, Question };

// A fixed text the program shows, marked for the translation files (lupdate reads it as
// QT_TRANSLATE_NOOP). It stays the German text here; the Qt program looks it up in `context`
// ("Messages") when it shows it, the command line prints it as it is.
#define VORTEL_TEXT(context, text) text

// The status bar's panel number for its simple mode: one text over the whole bar.
inline constexpr int StatusSimple = -1;

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
