// The live preview of the main window: the picture follows a moving control or guide, drawn on the
// live renderer's thread, and is drawn here in the chosen quality once the hand rests.
#include "app/MainWindow.h"

#include <QAction>

#include "app/ImageView.h"

namespace vortel::app {

void MainWindow::setLivePreview(bool on) {
    livePreview_ = on;
    if (liveAction_) liveAction_->setChecked(on);
}

void MainWindow::valueMoving(int designPause) {
    if (!livePreview_) {
        if (designPause == 0) {
            recalculate();
        } else {
            startDelayedCalc(designPause);
        }
        return;
    }
    requestLiveFrame(false);
    startDelayedCalc(LiveRestPause);
}

void MainWindow::previewChange(const std::function<void(TFontFX&)>& change) { requestLiveFrame(false, change); }

void MainWindow::requestLiveFrame(bool guideDrag, const std::function<void(TFontFX&)>& change) {
    if (!livePreview_ || !engine_ || !canvas_) return;
    LiveRenderer::Request request;
    request.width = canvas_->width();
    request.height = canvas_->height();
    request.level = quality_ == Quality::Smooth ? LiveRenderer::Level::Smooth
                    : quality_ == Quality::Normal ? LiveRenderer::Level::Normal
                                                  : LiveRenderer::Level::Draft;
    request.budgetMs = FrameBudgetMs;
    request.generation = ++changeCount_;
    request.applyGuideDrag = guideDrag;
    live_->request(*engine_, request, change);
}

void MainWindow::showLiveFrame() {
    if (!canvas_) return;
    const LiveRenderer::Frame frame = live_->takeFrame(*canvas_, recalculatedAt_);
    if (!frame.ready) return;
    lastLiveLevel_ = frame.level;
    ++liveFramesShown_;
    shownLiveGeneration_ = frame.generation;
    // Not the full render of the state: the copy and the transparent picture render again.
    pictureRendered_ = false;
    takeCleanPicture();
    // While a guide is dragged its new lines show over the picture; the old ones would mislead.
    if (guideEditing_ && engine_->guideDrag() == GuideDragKind::None) {
        showGuides();
    } else {
        view_->update();
    }
}

}  // namespace vortel::app
