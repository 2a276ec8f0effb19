#include "installer/ProgramGroup.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include "installer/Artwork.h"
#include "installer/InstallLog.h"
#include "platform/IniFile.h"

namespace vortel::installer {

namespace {

const int IconSizes[] = {48, 128};

void Complain(const QString& what) { QTextStream(stderr) << "installer: " << what << '\n'; }

bool WriteBytes(const QString& path, const QByteArray& bytes, const InstallLog& log) {
    if (!log.makeFolders(QFileInfo(path).path())) return false;
    log.add('F', path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

// A desktop entry's string value: backslashes and line breaks escaped.
QString EntryValue(const QString& value) {
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    escaped.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return escaped;
}

QByteArray DesktopEntry(const QString& name, const QString& comment, const QString& exec, bool handler) {
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    text += QStringLiteral("Name=%1\n").arg(EntryValue(name));
    // The old links carried a description equal to their name; a comment that repeats the name is
    // noise in a menu, so only a different one is written.
    if (comment != name) text += QStringLiteral("Comment=%1\n").arg(EntryValue(comment));
    text += QStringLiteral("Exec=%1\nIcon=vortel\nTerminal=false\n").arg(exec);
    // The group's own category keeps these entries out of the desktop's other folders.
    text += QStringLiteral("Categories=X-Vortel;\n");
    if (handler) text += QStringLiteral("MimeType=%1;\n").arg(QLatin1String(MimeType));
    return text.toUtf8();
}

QByteArray DirectoryEntry() {
    return QByteArrayLiteral("[Desktop Entry]\nType=Directory\nVersion=1.0\nName=Vortel\nIcon=vortel\n");
}

QByteArray MenuFile() {
    return QByteArrayLiteral(
        "<Menu>\n"
        "  <Name>Applications</Name>\n"
        "  <Menu>\n"
        "    <Name>Vortel</Name>\n"
        "    <Directory>vortel.directory</Directory>\n"
        "    <Include>\n"
        "      <Category>X-Vortel</Category>\n"
        "    </Include>\n"
        "  </Menu>\n"
        "</Menu>\n");
}

QByteArray MimePackage() {
    const QString text = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"%1\">\n"
        "    <comment>%2</comment>\n"
        "    <comment xml:lang=\"de\">%3</comment>\n"
        "    <icon name=\"application-x-vortel\"/>\n"
        "    <glob pattern=\"*.vtl\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n")
        .arg(QLatin1String(MimeType), Text(MsgDocument, English).toHtmlEscaped(),
             Text(MsgDocument, German).toHtmlEscaped());
    return text.toUtf8();
}

bool Refresh(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(tool, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

QString ExecArgument(const QString& argument) {
    static const QString plain = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,:=@");
    bool quote = argument.isEmpty();
    for (const QChar c : argument) quote = quote || !plain.contains(c);
    QString result = argument;
    if (quote) {
        QString inner;
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                inner += QLatin1Char('\\');
            inner += c;
        }
        result = QLatin1Char('"') + inner + QLatin1Char('"');
    }
    result.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    result.replace(QLatin1Char('%'), QLatin1String("%%"));
    return result;
}

QString UninstallCommand(const QString& target, const QString& group) {
    return ExecArgument(target + QLatin1Char('/') + QLatin1String(UninstallFile)) + QLatin1Char(' ') +
           ExecArgument(group);
}

GroupFiles GroupFilesFor(const GroupRequest& request) {
    const Places& places = request.places;
    const QDir group(request.group);
    GroupFiles files;
    files.program = group.filePath(QStringLiteral("Vortel.desktop"));
    files.help = group.filePath(Text(MsgHelp, request.language) + QStringLiteral(".desktop"));
    files.manual = group.filePath(Text(MsgManual, request.language) + QStringLiteral(".desktop"));
    files.uninstall = group.filePath(QStringLiteral("Uninstall.desktop"));
    files.directory = places.dataFolder + QStringLiteral("/desktop-directories/vortel.directory");
    files.menu = places.configFolder + QStringLiteral("/menus/applications-merged/vortel.menu");
    files.mimePackage = places.dataFolder + QStringLiteral("/mime/packages/vortel.xml");
    files.keyFile = places.keyFile;
    files.settings = request.target + QLatin1Char('/') + QLatin1String(SettingsFile);
    for (const int size : IconSizes) {
        const QString folder = places.dataFolder + QStringLiteral("/icons/hicolor/%1x%1/").arg(size);
        files.icons << folder + QStringLiteral("apps/vortel.png")
                    << folder + QStringLiteral("mimetypes/application-x-vortel.png");
    }
    return files;
}

int CreateProgramGroup(const GroupRequest& request, const InstallLog& log) {
    const GroupFiles files = GroupFilesFor(request);
    const Language language = request.language;
    const QString target = request.target;
    int failures = 0;
    auto write = [&](const QString& path, const QByteArray& bytes) {
        if (WriteBytes(path, bytes, log)) return;
        Complain(QStringLiteral("cannot write %1").arg(path));
        ++failures;
    };

    if (!log.makeFolders(request.group)) {
        Complain(QStringLiteral("cannot create the group folder %1").arg(request.group));
        ++failures;
    }

    // The uninstall entry.
    IniFile key(files.keyFile.toStdString());
    key.writeString("Vortel", "DisplayName", ProductDisplayName);
    key.writeString("Vortel", "UninstallString", UninstallCommand(target, request.group).toStdString());
    write(files.keyFile, QByteArray::fromStdString(key.text()));

    // The group folder in the program's settings; a settings file that was there already stays.
    const bool hadSettings = QFileInfo::exists(files.settings);
    IniFile settings(files.settings.toStdString());
    settings.writeString("Uninstall", "Icons", request.group.toStdString());
    if (!hadSettings) log.add('F', files.settings);
    if (!settings.save()) {
        Complain(QStringLiteral("cannot write %1").arg(files.settings));
        ++failures;
    }

    const QString program = ExecArgument(target + QLatin1Char('/') + QLatin1String(ProgramFile));
    const QString help = Text(MsgHelp, language);
    const QString manual = Text(MsgManual, language);
    write(files.program, DesktopEntry(QStringLiteral("Vortel"), QStringLiteral("Vortel"), program + QStringLiteral(" %f"), true));
    write(files.help, DesktopEntry(help, help, program + QStringLiteral(" --help-contents"), false));
    write(files.manual, DesktopEntry(manual, manual,
                                     QStringLiteral("xdg-open ") +
                                         ExecArgument(target + QLatin1Char('/') + manual + QStringLiteral(".html")),
                                     false));
    write(files.uninstall, DesktopEntry(Text(MsgUninstall, language), Text(MsgUninstall, language),
                                        UninstallCommand(target, request.group), false));
    write(files.directory, DirectoryEntry());
    write(files.menu, MenuFile());
    write(files.mimePackage, MimePackage());
    for (int i = 0; i < files.icons.size(); ++i) {
        const int size = IconSizes[i / 2];
        write(files.icons[i], PngBytes(i % 2 == 0 ? ProgramIcon(size) : DocumentIcon(size)));
    }

    // The desktop's caches of handlers and MIME types; without the tools the entries still work
    // where the desktop reads them directly.
    if (Refresh(QStringLiteral("update-desktop-database"), {QStringLiteral("-q"), request.places.programsFolder}))
        log.add('A', request.places.programsFolder);
    else
        Complain(QStringLiteral("the desktop database of %1 was not refreshed").arg(request.places.programsFolder));
    const QString mime = request.places.dataFolder + QStringLiteral("/mime");
    // The database keeps a folder per media type; ours may be the first of "application".
    const QString mediaFolder = mime + QStringLiteral("/application");
    const bool hadMediaFolder = QFileInfo::exists(mediaFolder);
    if (Refresh(QStringLiteral("update-mime-database"), {mime})) {
        log.add('M', mime);
        if (!hadMediaFolder && QFileInfo(mediaFolder).isDir()) log.add('D', mediaFolder);
    }
    else
        Complain(QStringLiteral("the MIME database of %1 was not refreshed").arg(mime));
    return failures;
}

}  // namespace vortel::installer
