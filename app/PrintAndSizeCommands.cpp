// The Print and Image size commands of the main window.
#include <QLabel>
#include <algorithm>
#include <QStatusBar>

#include "app/ImageFrame.h"
#include "app/ImageSizeDialog.h"
#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "app/PrintDialog.h"
#include "controls/QtImages.h"
#include "panels/presets/TextScaling.h"

namespace vortel::app {

void MainWindow::printCommand() {
    // The page shows the effect, not the guide editor's lines over it.
    if (guideEditing_) hideGuides();
    QString text = QString::fromStdString(engine_->Text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    PrintDialog dialog(engine_->Print, controls::ToQImage(canvas_->toBitmap()), text, messages_, this);
    dialog.runDialog = [this](QDialog& d) { return execDialog(d); };
    const PrintLayout before = engine_->Print;
    execDialog(dialog);
    const PrintLayout& after = engine_->Print;
    // The layout travels with the document: a changed one is a change to save.
    if (after.Left != before.Left || after.Top != before.Top || after.Width != before.Width ||
        after.Height != before.Height || after.Options != before.Options)
        engine_->Modified = 1;
}

// The rendered picture measures its letters only where they lie on it; the warp measures the whole
// outline. When the letters reach the picture's edge, the text is warped again and measured whole,
// the bevel's widening added.
void MainWindow::measureWholeText() {
    const Rect shown = engine_->WarpedBounds;
    const int32_t w = canvas_->width(), h = canvas_->height(), edge = 3;
    if (shown.right <= shown.left || shown.bottom <= shown.top) return;
    if (shown.left > edge && shown.top > edge && shown.right < w - edge && shown.bottom < h - edge) return;
    if (!engine_->GetPointsAndTypes(*canvas_, false) || !engine_->CalcVortel(0)) {
        engine_->WarpedBounds = shown;
        return;
    }
    Rect& box = engine_->WarpedBounds;
    if (engine_->Bevel.enabled()) {
        const int32_t add = std::clamp(engine_->Bevel.BevelAddPixel, 0, 250) + 2;
        box = Rect{box.left - add, box.top - add, box.right + add, box.bottom + add};
    }
    box = Rect{std::min(box.left, shown.left), std::min(box.top, shown.top), std::max(box.right, shown.right),
               std::max(box.bottom, shown.bottom)};
}

QSize MainWindow::fittedSize() {
    const QSize current(canvas_->width(), canvas_->height());
    const Rect shown = engine_->WarpedBounds;
    measureWholeText();
    const Rect box = presets::TextCoverage(*engine_, canvas_->height());
    engine_->WarpedBounds = shown;
    if (box.width() <= 0 || box.height() <= 0) return current;
    const int margin = presets::FitMargin(box);
    return QSize(std::min(box.width() + 2 * margin, presets::MaxImageSide),
                 std::min(box.height() + 2 * margin, presets::MaxImageSide));
}

QSize MainWindow::scaleText(int oldWidth, int oldHeight, bool minimise, bool maximise, int newHeight, int newWidth) {
    if (minimise || maximise) measureWholeText();
    const Size size = presets::ScaleText(*engine_, Size{oldWidth, oldHeight}, Size{newWidth, newHeight}, minimise, maximise);
    setImageSize(size.cx, size.cy);
    return QSize(size.cx, size.cy);
}

void MainWindow::imageSizeCommand() {
    const QSize current(canvas_->width(), canvas_->height());
    ImageSizeDialog dialog(current, fittedSize(), messages_, this);
    if (execDialog(dialog) != QDialog::Accepted) return;
    engine_->releaseTextMask();
    const QSize chosen = dialog.chosenSize();
    if (dialog.scaleText()) {
        scaleText(current.width(), current.height(), dialog.minimise(), dialog.maximise(), chosen.height(), chosen.width());
    } else {
        setImageSize(chosen.width(), chosen.height());
    }
    engine_->Modified = 1;
    recalculate();
    showPanels();
    statusPanels_[1]->setText(tr("Bildgr\u00f6ße: %1 x %2").arg(canvas_->width()).arg(canvas_->height()));
}

}  // namespace vortel::app
