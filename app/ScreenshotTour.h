#pragma once
#include <QString>

namespace vortel::app {

class MainWindow;

// Writes the main window with each notebook page as PNG files into `folder`; returns the number
// of pictures written, or -1 when the folder cannot be made. Later pages and dialogs join here.
int RunScreenshotTour(MainWindow& window, const QString& folder);

}  // namespace vortel::app
