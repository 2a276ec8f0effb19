#pragma once
// What the main window's source files share: the untitled name, the version, the text shown when
// memory runs out during a command.
#include <QFileInfo>
#include <QString>

#include <string>

namespace vortel::app {

inline constexpr const char* Untitled = "unbenannt.vtl";
inline constexpr const char* ProgramVersion = "0.93";
inline constexpr const char* OutOfMemoryText =
    "Nicht genug Arbeitsspeicher f\u00fcr diesen Befehl.\rDas Programm l\u00e4uft weiter; ein kleineres Bild braucht weniger.";

inline std::string upperExtension(const QString& path) { return QFileInfo(path).suffix().toUpper().toStdString(); }

inline bool isUntitled(const QString& name) { return QFileInfo(name).fileName() == QString::fromUtf8(Untitled); }

}  // namespace vortel::app
