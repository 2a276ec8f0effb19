#include "app/ScreenshotTour.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "app/MainWindow.h"

namespace vortel::app {

int RunScreenshotTour(MainWindow& window, const QString& folder) {
    if (!QDir().mkpath(folder)) return -1;
    static const char* const pages[] = {"style", "text", "deform", "surface", "bevel", "outline", "shadow", "frame"};
    window.messages().quiet = true;
    window.show();
    int written = 0;
    for (int page = 0; page < window.notebook()->count(); ++page) {
        window.notebook()->setCurrentIndex(page);
        QApplication::processEvents();
        const QString name = QStringLiteral("main-%1-%2.png").arg(page + 1).arg(QString::fromLatin1(pages[page]));
        if (window.grab().save(QDir(folder).filePath(name))) ++written;
    }
    return written;
}

}  // namespace vortel::app
