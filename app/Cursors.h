#pragma once
#include <QCursor>
#include <QString>
namespace vortel::app {
QCursor ProgramCursor(int number);
QCursor ZoneCursor(int zone);
QString ZoneHint(int zone);
}  // namespace vortel::app
