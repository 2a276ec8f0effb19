#pragma once
// The check of the target folder when the user leaves the folder page.
#include <QString>
#include <QStringList>

namespace vortel::installer {

enum class TargetCheck {
    TooShort,     // two characters or fewer: "Bitte Zielpfad angeben!"
    Created,      // the folder was made now
    Exists,       // it was there already: ask whether to use it
    CannotCreate  // neither: "Zielpfad kann nicht angelegt werden!"
};

// The target with trailing slashes removed (the root "/" stays).
QString TrimTarget(const QString& target);
// Trims, then tries to create the folder (missing parents too), as the folder page does on Next.
// The folders it made, outermost first, go to `made` (for the uninstaller's record).
TargetCheck CheckTarget(const QString& target, QStringList* made = nullptr);

}  // namespace vortel::installer
