#pragma once
// What the main window's source files share: the untitled name, the version, the text shown when
// memory runs out during a command.
#include <QFileInfo>
#include <QtGlobal>
#include <QString>

#include <string>

namespace vortel::app {

inline constexpr const char* Untitled = "unbenannt.vtl";
inline constexpr const char* ProgramVersion = "0.93";
// Translated where it is shown (QtMessages looks up the context "Messages").
inline constexpr const char* OutOfMemoryText = QT_TRANSLATE_NOOP(
    "Messages", "Nicht genug Arbeitsspeicher für diesen Befehl.\rDas Programm läuft weiter; ein kleineres Bild braucht weniger.");

inline std::string upperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper().toStdString(); }

inline bool isUntitled(const QString& name) { return QFileInfo(name).fileName() == QString::fromUtf8(Untitled); }

}  // namespace vortel::app
