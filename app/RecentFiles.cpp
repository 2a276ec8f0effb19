// The File menu's list of recently used files.
#include "app/MainWindow.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenuBar>
#include <QMessageBox>

#include <cmath>
#include <filesystem>
#include <new>

#include "app/Help.h"
#include "app/ImageFrame.h"
#include "app/MainWindowParts.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/SlideShow.h"
#include "platform/FileGate.h"

namespace vortel::app {

// ------------------------------------------------------------------------------------- recent files

QStringList MainWindow::recentFiles() const {
    QStringList files;
    const int count = std::clamp(settings_.readInteger("Files", "Count", 0), 0, RecentCount);
    for (int i = 1; i <= count; ++i) files << QString::fromStdString(settings_.readString("Files", std::to_string(i), ""));
    return files;
}

QString MainWindow::elidedPath(const QString& path, int pixels, const QFont& font) {
    // The path ellipsis keeps the file name and as much of the folders' start as fits.
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(path) <= pixels) return path;
    const int slash = int(path.lastIndexOf(QLatin1Char('/')));
    const QString name = slash >= 0 ? path.mid(slash) : path;
    const QString ellipsis = QStringLiteral("...");
    QString head = slash >= 0 ? path.left(slash) : QString();
    while (!head.isEmpty() && metrics.horizontalAdvance(head + ellipsis + name) > pixels) head.chop(1);
    if (head.isEmpty()) return metrics.elidedText(ellipsis + name, Qt::ElideLeft, pixels);
    return head + ellipsis + name;
}

void MainWindow::showRecentFiles() {
    const QStringList files = recentFiles();
    for (int i = 0; i < RecentCount; ++i) {
        QAction* action = recentActions_[i];
        action->setVisible(i < files.size());
        if (i >= files.size()) continue;
        action->setToolTip(files[i]);
        action->setStatusTip(files[i]);
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(elidedPath(files[i], 150, menuBar()->font())));
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

void MainWindow::moveRecentToTop(int index) {
    QStringList files = recentFiles();
    if (index <= 0 || index >= files.size()) return;
    files.move(index, 0);
    for (int i = 0; i < files.size(); ++i) settings_.writeString("Files", std::to_string(i + 1), files[i].toStdString());
    showRecentFiles();
}

void MainWindow::addRecentFile(const QString& path) {
    QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        if (files[i].compare(path, Qt::CaseInsensitive) == 0) {
            moveRecentToTop(i);
            return;
        }
    }
    if (files.size() < RecentCount) {
        settings_.writeString("Files", std::to_string(files.size() + 1), path.toStdString());
        settings_.writeInteger("Files", "Count", int(files.size()) + 1);
        showRecentFiles();
        return;
    }
    settings_.writeString("Files", std::to_string(RecentCount), path.toStdString());
    moveRecentToTop(RecentCount - 1);
}

void MainWindow::reopen(int index) {
    const QStringList files = recentFiles();
    if (index < 0 || index >= files.size()) return;
    const QString path = files[index];
    if (engine_->Modified) {
        const int answer = confirm(tr("\u00c4nderungen in \"%1\" speichern?").arg(documentName_));
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::Yes) {
            saveCommand(false);  // a document saved this way goes to the top instead
            return;
        }
    }
    moveRecentToTop(index);
    readFile(path, true);  // always the document reader, whatever the extension
}

}  // namespace vortel::app
