#pragma once
// The main window as the desktop benchmarks make it: no settings file, no message boxes.
#include "app/MainWindow.h"

namespace vortel::bench {

inline app::MainWindow::StartOptions quietStart() {
    app::MainWindow::StartOptions o;
    o.withoutSettings = true;
    return o;
}

}  // namespace vortel::bench
