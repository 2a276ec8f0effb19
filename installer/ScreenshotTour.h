#pragma once
#include <QString>

namespace vortel::installer {

// Writes the backdrop, every wizard page, the wizard over the backdrop and its message boxes, in
// German and English, as installer-*.png into `folder`. The copy page is taken during a real copy of a few files into
// a temporary folder (no program group). Returns the number of pictures written.
int RunScreenshotTour(const QString& folder);

}  // namespace vortel::installer
