#pragma once
// Takes back an installation: exactly what its install log names, nothing else.
#include <QString>
#include <QStringList>

namespace vortel::installer {

struct UninstallResult {
    QStringList removed;  // files and folders that are gone now
    QStringList kept;     // folders the installation made that hold other things now
    QStringList failed;   // what could not be removed
};

// Removes the files the log names (the newest first), refreshes the desktop and MIME databases the
// installation refreshed, removes the log, then the folders the installation made when nothing
// but those databases' own caches and Python's compiled modules (__pycache__) are left in them.
UninstallResult Uninstall(const QString& logPath);

}  // namespace vortel::installer
