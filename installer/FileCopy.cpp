#include "installer/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "installer/InstallLog.h"
#include "installer/Places.h"

namespace vortel::installer {

std::vector<SourceFile> ListSourceFiles(const QString& folder) {
    std::vector<SourceFile> files;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& entry : entries) {
        // Another installation's record is not part of the distribution.
        if (entry.fileName() == QLatin1String(InstallLogFile)) continue;
        files.push_back({entry.fileName(), entry.size() / 1024});
    }
    return files;
}

int64_t SumKiB(const std::vector<SourceFile>& files) {
    int64_t sum = 0;
    for (const SourceFile& file : files) sum += file.kib;
    return sum;
}

namespace {

bool CopyOne(const QString& from, const QString& to) {
    const QString partial = to + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(from, partial)) return false;
    QFile::setPermissions(partial, QFile::permissions(from));
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(to).constData()) != 0) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

}  // namespace

bool CopyFiles(const QString& source, const QString& target, const std::vector<SourceFile>& files,
               const InstallLog& log, const CopyHooks& hooks) {
    const bool sameFolder = QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    int64_t total = 0;
    for (const SourceFile& file : files) {
        total += file.kib;
        const QString destination = QDir(target).filePath(file.name);
        if (hooks.progress) hooks.progress(total, destination);
        if (hooks.keepGoing && !hooks.keepGoing()) return false;
        if (sameFolder) continue;  // copying a file onto itself would only risk it
        log.add('F', destination);
        if (!CopyOne(QDir(source).filePath(file.name), destination)) return false;
    }
    return true;
}

}  // namespace vortel::installer
