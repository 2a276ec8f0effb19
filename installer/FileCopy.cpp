#include "installer/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>

#include "installer/InstallLog.h"
#include "installer/Places.h"

namespace vortel::installer {

namespace {

// A distribution is a flat folder with a package or two below it; deeper than this is no
// distribution of ours.
constexpr int MaxFolderDepth = 8;

void ListFiles(const QString& root, const QString& prefix, int depth, std::vector<SourceFile>& files) {
    const QDir folder(QDir(root).filePath(prefix));
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Files, QDir::Name)) {
        // Another installation's record is not part of the distribution.
        if (prefix.isEmpty() && entry.fileName() == QLatin1String(InstallLogFile)) continue;
        files.push_back({prefix + entry.fileName(), entry.size() / 1024});
    }
    if (depth >= MaxFolderDepth) return;
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (!entry.isSymLink()) ListFiles(root, prefix + entry.fileName() + QLatin1Char('/'), depth + 1, files);
}

}  // namespace

std::vector<SourceFile> ListSourceFiles(const QString& folder) {
    std::vector<SourceFile> files;
    ListFiles(folder, QString(), 0, files);
    std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.name < b.name; });
    return files;
}

int64_t SumKiB(const std::vector<SourceFile>& files) {
    int64_t sum = 0;
    for (const SourceFile& file : files) sum += file.kib;
    return sum;
}

namespace {

bool CopyOne(const QString& from, const QString& to) {
    namespace fs = std::filesystem;
    const fs::path source(QFile::encodeName(from).toStdString());
    const fs::path destination(QFile::encodeName(to).toStdString());
    fs::path partial = destination;
    partial += ".part";
    std::error_code error;
    fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error);
    if (!error) fs::permissions(partial, fs::status(source, error).permissions(), error);
    if (!error) fs::rename(partial, destination, error);
    if (!error) return true;
    fs::remove(partial, error);
    return false;
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
        if (file.name.contains(QLatin1Char('/')) && !log.makeFolders(QFileInfo(destination).path())) return false;
        log.add('F', destination);
        if (!CopyOne(QDir(source).filePath(file.name), destination)) return false;
    }
    return true;
}

}  // namespace vortel::installer
