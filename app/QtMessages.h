#pragma once
#include <QWidget>
#include <functional>

#include "engine/UserMessages.h"

namespace vortel::app {

// Makes Qt's translators the lookup of every text the layers below make (platform/Texts.h): a
// message composed with a name or a number is then translated whole, as it is made.
void UseQtTranslations();

// What the engine says, as the program shows it: message boxes with their captions and icons
// ("\r" becomes a line break), diagnostics as information boxes with their number, status texts
// handed to the window's status bar. Making one calls UseQtTranslations().
class QtMessages : public UserMessages {
public:
    explicit QtMessages(QWidget* parent) : parent_(parent) { UseQtTranslations(); }
    void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override;
    void diagnostic(const std::string& text, int64_t number) override;
    void status(int panel, const std::string& text) override;
    // Where status texts go; panel StatusSimple is the bar's single-text mode.
    std::function<void(int panel, const QString& text)> onStatus;
    // While set (the screenshot tour, tests), boxes are recorded instead of shown.
    bool quiet = false;
    // While set (a folder scan opening its documents), boxes and diagnostics are dropped unseen.
    bool silenced = false;
    RecordingMessages recorded;

private:
    QWidget* parent_;
};

// The program's texts use "\r" (or "\r\n") for a line break.
QString programText(const std::string& text);

}  // namespace vortel::app
