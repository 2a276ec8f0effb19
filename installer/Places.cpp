#include "installer/Places.h"

#include <unistd.h>

#include <QDir>
#include <QtGlobal>

namespace vortel::installer {

namespace {

// An XDG variable counts only when it holds an absolute path, as the base-directory rules say.
QString XdgOr(const QString& value, const QString& fallback) {
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

Places Complete(Places places) {
    places.programsFolder = places.dataFolder + QStringLiteral("/applications");
    places.groupFolder = places.programsFolder + QStringLiteral("/Vortel");
    places.keyFile = places.dataFolder + QStringLiteral("/vortel/uninstall.ini");
    return places;
}

}  // namespace

Places Places::ForUser(const QString& home, const QString& xdgDataHome, const QString& xdgConfigHome) {
    const QString root = QDir::cleanPath(home.isEmpty() ? QDir::homePath() : home);
    Places places;
    places.targetFolder = root + QStringLiteral("/.local/opt/vortel");
    places.dataFolder = XdgOr(xdgDataHome, root + QStringLiteral("/.local/share"));
    places.configFolder = XdgOr(xdgConfigHome, root + QStringLiteral("/.config"));
    return Complete(places);
}

Places Places::ForSystem() {
    Places places;
    places.systemWide = true;
    places.targetFolder = QStringLiteral("/opt/vortel");
    places.dataFolder = QStringLiteral("/usr/local/share");
    places.configFolder = QStringLiteral("/etc/xdg");
    return Complete(places);
}

Places Places::ForUserEnvironment() {
    return ForUser(qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_DATA_HOME"),
                   qEnvironmentVariable("XDG_CONFIG_HOME"));
}

Places Places::ForCurrentUser() { return geteuid() == 0 ? ForSystem() : ForUserEnvironment(); }

}  // namespace vortel::installer
