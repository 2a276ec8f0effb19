#pragma once
// The copy of the distribution: every plain file of the source folder and of its subfolders (the
// Python package) into the target, with the progress counted in whole KiB a file.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace vortel::installer {

class InstallLog;

struct SourceFile {
    QString name;  // relative to the source folder, '/' between folders
    int64_t kib = 0;  // size div 1024
};

// The files the installer copies: the regular, non-hidden files of `folder` and of its non-hidden
// subfolders (links to folders are not followed), sorted by name.
std::vector<SourceFile> ListSourceFiles(const QString& folder);
int64_t SumKiB(const std::vector<SourceFile>& files);

struct CopyHooks {
    // Before each file: the running KiB total (this file included) and the destination path.
    std::function<void(int64_t total, const QString& destination)> progress;
    // Lets pending events run; returns false when the user has stopped the copy.
    std::function<bool()> keepGoing;
};

// Copies `files` from `source` to `target`, replacing files of the same name. Each file is written
// under a temporary name and renamed into place, so a running program of that name is not harmed
// and a failed copy leaves no half file. Returns false on the first failure or stop; the files
// copied so far stay. Subfolders missing in the target are made and logged. When source and target
// are the same folder nothing is written.
bool CopyFiles(const QString& source, const QString& target, const std::vector<SourceFile>& files,
               const InstallLog& log, const CopyHooks& hooks);

}  // namespace vortel::installer
