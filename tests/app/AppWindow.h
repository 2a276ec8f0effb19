#pragma once
// The real main window for the tests: no settings file unless one is given, message boxes
// recorded instead of shown.
#include <QString>
#include <ostream>
#include <string>

#include "app/ImageView.h"
#include "app/MainWindow.h"

namespace vortel::app::apptest {

inline MainWindow::StartOptions quietStart(const std::string& settingsFile = {}, bool live = false) {
    MainWindow::StartOptions options;
    options.withoutSettings = true;
    options.settingsFile = settingsFile;
    // The classic timing, unless a test turns the live preview on.
    options.livePreview = live;
    return options;
}

struct Window {
    explicit Window(const std::string& settingsFile = {}, bool live = false) : window(quietStart(settingsFile, live)) {
        window.messages().quiet = true;
        window.show();
    }
    ColorRef pixel(int x, int y) { return window.view()->canvas()->pixel(x, y); }
    MainWindow window;
};

}  // namespace vortel::app::apptest

// Readable QStrings in test failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE
