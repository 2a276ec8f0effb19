#include "installer/TargetCheck.h"

#include <QDir>
#include <QFileInfo>

namespace vortel::installer {

QString TrimTarget(const QString& target) {
    QString trimmed = target;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/'))) trimmed.chop(1);
    return trimmed;
}

TargetCheck CheckTarget(const QString& target, QStringList* made) {
    const QString folder = TrimTarget(target);
    if (folder.size() <= 2) return TargetCheck::TooShort;
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    if (QFileInfo(path).isDir()) return TargetCheck::Exists;
    QStringList missing;
    for (QString at = path; !QFileInfo::exists(at) && QFileInfo(at).path() != at; at = QFileInfo(at).path())
        missing.prepend(at);
    for (const QString& step : missing) {
        if (!QDir().mkdir(step)) return TargetCheck::CannotCreate;
        if (made) made->append(step);
    }
    return QFileInfo(path).isDir() ? TargetCheck::Created : TargetCheck::CannotCreate;
}

}  // namespace vortel::installer
