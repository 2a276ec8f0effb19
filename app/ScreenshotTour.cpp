#include "app/ScreenshotTour.h"

#include <QAction>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "app/Cursors.h"
#include "app/Help.h"
#include <QMenu>
#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "app/TextInputDialog.h"

namespace vortel::app {
namespace {

// The toolbar's "Profi" button, pressed or released as asked.
void setProfessional(MainWindow& window, bool on) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == MainWindow::tr("Profi") && action->isChecked() != on) action->trigger();
}

}  // namespace

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
    // The Text page in the assistant's mode and with all its controls.
    window.notebook()->setCurrentIndex(MainWindow::TextPage);
    const bool professional = window.professional();
    for (const bool on : {false, true}) {
        setProfessional(window, on);
        QApplication::processEvents();
        const QString name = QStringLiteral("page-text-%1.png").arg(on ? QStringLiteral("profi") : QStringLiteral("assistant"));
        if (window.grab().save(QDir(folder).filePath(name))) ++written;
    }
    // The face list open, each face drawn in itself.
    if (auto* faces = window.findChild<QComboBox*>(QStringLiteral("FontComboBox"))) {
        faces->showPopup();
        QApplication::processEvents();
        if (faces->view()->window()->grab().save(QDir(folder).filePath(QStringLiteral("page-text-facelist.png")))) ++written;
        faces->hidePopup();
    }
    setProfessional(window, professional);
    // The Deform page in each draw mode, and its pop-up menu in the point mode.
    static const char* const modes[] = {"move", "edit-points", "draw-lines", "redraw-line"};
    window.notebook()->setCurrentIndex(MainWindow::DeformPage);
    for (int mode = MainWindow::DrawMove; mode <= MainWindow::DrawRedrawLine; ++mode) {
        window.chooseDrawMode(mode);
        QApplication::processEvents();
        const QString name = QStringLiteral("deform-mode-%1-%2.png").arg(mode).arg(QString::fromLatin1(modes[mode]));
        if (window.grab().save(QDir(folder).filePath(name))) ++written;
    }
    window.chooseDrawMode(MainWindow::DrawEditPoints);
    window.deformMenu()->popup(window.view()->mapToGlobal(QPoint(40, 40)));
    QApplication::processEvents();
    if (window.deformMenu()->grab().save(QDir(folder).filePath(QStringLiteral("deform-menu.png")))) ++written;
    window.deformMenu()->hide();
    window.chooseDrawMode(MainWindow::DrawMove);
    window.notebook()->setCurrentIndex(MainWindow::StylePage);
    // New's text input, as it opens over the default effect.
    TextInputDialog input(QStringLiteral("Vortel"), false, &window);
    input.show();
    QApplication::processEvents();
    if (input.grab().save(QDir(folder).filePath(QStringLiteral("dialog-text-input.png")))) ++written;
    input.hide();
    if (WriteCursorSheet(QDir(folder).filePath(QStringLiteral("cursors.png"))) > 0) ++written;
    written += std::max(0, WriteHelpScreenshots(window.help(), folder));
    return written;
}

}  // namespace vortel::app
