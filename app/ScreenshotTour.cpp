#include "app/ScreenshotTour.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "app/Cursors.h"
#include "app/MainWindow.h"
#include "app/TextInputDialog.h"

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
    // New's text input, as it opens over the default effect.
    TextInputDialog input(QStringLiteral("Vortel"), false, &window);
    input.show();
    QApplication::processEvents();
    if (input.grab().save(QDir(folder).filePath(QStringLiteral("dialog-text-input.png")))) ++written;
    input.hide();
    if (WriteCursorSheet(QDir(folder).filePath(QStringLiteral("cursors.png"))) > 0) ++written;
    return written;
}

}  // namespace vortel::app
