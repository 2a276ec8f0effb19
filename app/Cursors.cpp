#include "app/Cursors.h"
#include <QCoreApplication>
namespace vortel::app {
QCursor ProgramCursor(int) { return QCursor(Qt::ArrowCursor); }
QCursor ZoneCursor(int zone) {
    if (zone == 1) return QCursor(Qt::SizeAllCursor);
    if (zone == 11) return QCursor(Qt::SizeFDiagCursor);
    if (zone == 12) return QCursor(Qt::SizeBDiagCursor);
    return ProgramCursor(100 + zone);
}
QString ZoneHint(int zone) {
    static const char* const hints[] = {"", "Begrenzungslinie verschieben", "Verschieben", "Begrenzungslinie zeichenen",
                                        "Punkte bearbeiten", "Punkt verschieben", "Punkt l\u00f6schen", "Punkt hinzuf\u00fcgen",
                                        "", "Drehen", "Anker", "Zoom", "Zoom", "Drucken verschieben"};
    return zone > 0 && zone < 14 ? QString::fromUtf8(hints[zone]) : QString();
}
}  // namespace vortel::app
