#pragma once
// The installer's pictures, drawn from shapes (no font, no file): the program and document icons
// and the wizard bitmap beside the pages.
#include <QByteArray>
#include <QImage>

namespace vortel::installer {

QImage ProgramIcon(int size);
QImage DocumentIcon(int size);
QImage WizardBitmap();
QByteArray PngBytes(const QImage& image);

}  // namespace vortel::installer
