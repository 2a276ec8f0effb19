#pragma once
#include <QCursor>
#include <QList>
#include <QString>

namespace vortel::app {

// The image view's pointer zones: what lies under the mouse decides the cursor and the status hint.
// Zone 1 (move a boundary line) and the two zoom corners (11, 12) use the system's cursors; every
// other zone k from 2 to 13 has the program's own cursor 100 + k. Zones 0 and -2 mean nothing
// under the mouse: the normal arrow.

// The program's own cursor 102..110 or 113, a 32x32 black shape with a white outline drawn from the
// XBM pair under app/cursors (the hot spot is read from the picture file); any other number gives
// the arrow.
QCursor ProgramCursor(int number);
// The numbers ProgramCursor draws itself, ascending.
QList<int> ProgramCursorNumbers();
QCursor ZoneCursor(int zone);
// The status-bar hint for a zone; empty for zones without one.
QString ZoneHint(int zone);

// Writes every program cursor four times enlarged (black and white on grey, hot spot in red) with
// its number and hint to one PNG; returns the number of cursors drawn, 0 when writing failed.
int WriteCursorSheet(const QString& file);

}  // namespace vortel::app
