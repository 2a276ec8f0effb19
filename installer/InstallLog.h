#pragma once
// The record of everything an installation made, kept in the target as install.log so that the
// uninstaller removes exactly that. One entry a line, appended as the work goes on (a cancelled
// copy leaves a record of what it did copy):
//   F <path>   a file written (a copied file, a menu entry, the key file, ...)
//   D <path>   a folder that did not exist before
//   A <path>   an applications folder whose desktop database was refreshed
//   M <path>   a MIME folder whose database was refreshed
#include <QString>
#include <QStringList>
#include <vector>

namespace vortel::installer {

struct LogEntry {
    char kind;
    QString path;
    bool operator==(const LogEntry&) const = default;
};

class InstallLog {
public:
    explicit InstallLog(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // Appends one line; false when the log cannot be written.
    bool add(char kind, const QString& path) const;
    // Creates `folder` and any missing parents, logging each one this call made (outermost first).
    bool makeFolders(const QString& folder) const;

    // The entries in file order; unknown or malformed lines are skipped.
    static std::vector<LogEntry> Read(const QString& path);

private:
    QString path_;
};

}  // namespace vortel::installer
