#pragma once
// The program group and the uninstall entry, made after the copy when the user asked for them.
// On this desktop the group is a freedesktop menu folder: desktop entries for the program, the
// help, the manual and the uninstaller in the group folder, a directory entry and a menu file that
// gathers them in a "Vortel" folder, the icons, and a MIME type for .vtl documents with the program
// as their handler. The uninstall entry is a key file of ours, and the group folder is written into
// the settings file in the target (Uninstall/Icons).
#include <QString>
#include <QStringList>

#include "installer/Places.h"
#include "installer/Texts.h"

namespace vortel::installer {

class InstallLog;

struct GroupRequest {
    Places places;
    QString target;  // the installed folder, without a trailing slash
    QString group;   // the group folder
    Language language = English;
};

// Writes everything listed above, recording each file and new folder in `log`. A part that cannot
// be written is skipped (the installation stands without it) and named on standard error; returns
// how many parts failed.
int CreateProgramGroup(const GroupRequest& request, const InstallLog& log);

// The paths CreateProgramGroup writes, for the tests and the documentation.
struct GroupFiles {
    QString program, help, manual, uninstall;  // desktop entries in the group folder
    QString directory, menu, mimePackage, keyFile, settings;
    QStringList icons;
};
GroupFiles GroupFilesFor(const GroupRequest& request);

// One argument of a desktop entry's Exec key: quoted when it holds anything but plain characters,
// with the quoting rules of the desktop entry format ('"', '`', '$' and '\' escaped inside quotes,
// then every '\' doubled as for any string value, '%' written as "%%").
QString ExecArgument(const QString& argument);
// The command line the uninstall entry names: the uninstaller and the group folder.
QString UninstallCommand(const QString& target, const QString& group);

}  // namespace vortel::installer
