#pragma once
// Where an installation goes. The old system's places map onto the freedesktop conventions:
// "Program Files\Vortel" is ~/.local/opt/vortel for a user and /opt/vortel for root; the Start
// menu's program folder is the applications folder of the data home; the uninstall key of the
// registry is a key file of ours beside the other data.
#include <QString>

namespace vortel::installer {

struct Places {
    QString targetFolder;     // default target ("Program Files" + "Vortel")
    QString programsFolder;   // where program groups live (the Start menu's program folder)
    QString groupFolder;      // default group: programsFolder + "/Vortel"
    QString dataFolder;       // XDG data home, or /usr/local/share for root
    QString configFolder;     // XDG config home, or /etc/xdg for root
    QString keyFile;          // the uninstall entry: dataFolder + "/vortel/uninstall.ini"
    bool systemWide = false;  // run as root

    // The places for the current process: root or not, HOME and the XDG_* variables.
    static Places ForCurrentUser();
    // The places for the given home and XDG variables (an empty variable takes its default).
    static Places ForUser(const QString& home, const QString& xdgDataHome, const QString& xdgConfigHome);
    // The user's places from HOME and the XDG variables, whoever runs the process.
    static Places ForUserEnvironment();
    static Places ForSystem();
};

// The installer's file names inside the target and the data folders.
inline constexpr const char* ProgramFile = "vortel";
inline constexpr const char* UninstallFile = "uninstall";
inline constexpr const char* SettingsFile = "vortel.ini";
inline constexpr const char* InstallLogFile = "install.log";
inline constexpr const char* MimeType = "application/x-vortel";

}  // namespace vortel::installer
