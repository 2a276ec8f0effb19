#include "app/ScreenshotTour.h"

#include <QAction>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QTabWidget>

#include "app/Cursors.h"
#include "app/Help.h"
#include <QMenu>
#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "app/TextInputDialog.h"
#include "panels/pages/BevelPage.h"

namespace vortel::app {

namespace {

// The toolbar's "Profi" button, pressed or released as asked.
void SetProfessional(MainWindow& window, bool on) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->isCheckable() && action->text() == MainWindow::tr("Profi") && action->isChecked() != on) action->trigger();
}

bool Save(QWidget& widget, const QString& folder, const QString& name) {
    QApplication::processEvents();
    return widget.grab().save(QDir(folder).filePath(name));
}

// The 3D Bevel page in both modes, its profile editor with a three-segment profile and the
// editor's segment menu.
int WriteBevelScreenshots(MainWindow& window, const QString& folder) {
    auto* page = qobject_cast<pages::BevelPage*>(window.effectPage(MainWindow::BevelPage));
    if (!page) return 0;
    const bool professional = window.professional();
    int written = 0;
    window.notebook()->setCurrentIndex(MainWindow::BevelPage);
    SetProfessional(window, true);
    written += Save(window, folder, QStringLiteral("page-bevel-profi.png"));
    SetProfessional(window, false);
    written += Save(window, folder, QStringLiteral("page-bevel-assistant.png"));
    SetProfessional(window, true);
    window.panels().ApplyBevelPreset(7);
    page->showEditor(true);
    written += Save(window, folder, QStringLiteral("page-bevel-editor.png"));
    if (auto* editor = page->findChild<QWidget*>(QStringLiteral("BevelSegmentsImage"))) {
        const QPoint at(editor->width() * 3 / 4, editor->height() * 9 / 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, editor->mapToGlobal(at), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        written += Save(*page->segmentsMenu(), folder, QStringLiteral("page-bevel-menu.png"));
        page->segmentsMenu()->hide();
    }
    page->showEditor(false);
    SetProfessional(window, professional);
    return written;
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
        SetProfessional(window, on);
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
    SetProfessional(window, professional);
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
    written += WriteBevelScreenshots(window, folder);
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
