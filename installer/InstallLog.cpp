#include "installer/InstallLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vortel::installer {

bool InstallLog::add(char kind, const QString& path) const {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    // A path with a line break cannot be one line; such a path is not recorded and so never removed.
    if (path.contains(QLatin1Char('\n'))) return false;
    const QByteArray line = QByteArray(1, kind) + ' ' + path.toUtf8() + '\n';
    return file.write(line) == line.size();
}

bool InstallLog::makeFolders(const QString& folder) const {
    QStringList missing;
    for (QString at = QDir::cleanPath(folder); !QFileInfo::exists(at); at = QFileInfo(at).path()) {
        missing.prepend(at);
        if (QFileInfo(at).path() == at) break;
    }
    for (const QString& path : missing) {
        if (!QDir().mkdir(path)) return false;
        add('D', path);
    }
    return QFileInfo(folder).isDir();
}

std::vector<LogEntry> InstallLog::Read(const QString& path) {
    std::vector<LogEntry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        if (raw.size() < 3 || raw[1] != ' ' || !QByteArray("FDAM").contains(raw[0])) continue;
        const QString target = QString::fromUtf8(raw.mid(2));
        if (!QDir::isAbsolutePath(target)) continue;
        entries.push_back({raw[0], QDir::cleanPath(target)});
    }
    return entries;
}

}  // namespace vortel::installer
