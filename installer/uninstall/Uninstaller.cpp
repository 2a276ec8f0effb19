#include "installer/uninstall/Uninstaller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>

#include "installer/InstallLog.h"

namespace vortel::installer {

namespace {

void Refresh(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, arguments);
    process.waitForFinished(60000);
}

bool IsEmptyFolder(const QString& path) {
    return QDir(path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// A __pycache__ folder holding only compiled modules (*.pyc), and the folder itself.
void RemovePythonCache(const QString& cache, UninstallResult& result) {
    const QFileInfo info(cache);
    if (!info.isDir() || info.isSymLink()) return;
    const QDir folder(cache);
    const QStringList all = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    const QStringList compiled = folder.entryList({QStringLiteral("*.pyc")}, QDir::Files | QDir::Hidden);
    if (all.size() != compiled.size()) return;
    for (const QString& name : compiled) QFile::remove(folder.filePath(name));
    if (QDir().rmdir(cache)) result.removed << cache;
}

}  // namespace

UninstallResult Uninstall(const QString& logPath) {
    UninstallResult result;
    std::vector<LogEntry> entries = InstallLog::Read(logPath);
    std::reverse(entries.begin(), entries.end());
    QSet<QString> desktopDatabases, mimeDatabases, done;

    for (const LogEntry& entry : entries) {
        if (entry.kind == 'A') desktopDatabases.insert(entry.path);
        if (entry.kind == 'M') mimeDatabases.insert(entry.path);
        if (entry.kind != 'F' || done.contains(entry.path)) continue;
        done.insert(entry.path);
        const QFileInfo info(entry.path);
        if (!info.exists() && !info.isSymLink()) continue;  // never written, or gone already
        if (info.isDir() && !info.isSymLink()) {
            result.failed << entry.path;
            continue;
        }
        (QFile::remove(entry.path) ? result.removed : result.failed) << entry.path;
    }

    for (const QString& folder : std::as_const(desktopDatabases))
        if (QFileInfo(folder).isDir()) Refresh(QStringLiteral("update-desktop-database"), {QStringLiteral("-q"), folder});
    for (const QString& folder : std::as_const(mimeDatabases))
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("packages"))).isDir())
            Refresh(QStringLiteral("update-mime-database"), {folder});

    if (QFile::exists(logPath)) (QFile::remove(logPath) ? result.removed : result.failed) << logPath;

    for (const LogEntry& entry : entries) {
        if (entry.kind != 'D' || done.contains(entry.path)) continue;
        done.insert(entry.path);
        const QFileInfo info(entry.path);
        if (!info.isDir() || info.isSymLink()) continue;
        QDir folder(entry.path);
        // Caches the refreshed databases made in folders that only the installation brought.
        if (desktopDatabases.contains(entry.path)) QFile::remove(folder.filePath(QStringLiteral("mimeinfo.cache")));
        if (mimeDatabases.contains(entry.path) && !QFileInfo::exists(folder.filePath(QStringLiteral("packages"))))
            folder.removeRecursively();
        // Python's compiled copies of the package's modules, made when it was first imported.
        RemovePythonCache(folder.filePath(QStringLiteral("__pycache__")), result);
        if (QFileInfo::exists(entry.path) && !IsEmptyFolder(entry.path)) {
            result.kept << entry.path;
            continue;
        }
        if (!QFileInfo::exists(entry.path) || QDir().rmdir(entry.path))
            result.removed << entry.path;
        else
            result.failed << entry.path;
    }
    return result;
}

}  // namespace vortel::installer
