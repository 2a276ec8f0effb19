// The live preview of the main window: the picture follows a moving control or guide, drawn on the
// live renderer's thread, and is drawn here in the chosen quality once the hand rests.
#include "app/MainWindow.h"

#include <QAction>
#include <QTimer>

#include "app/ImageView.h"

namespace vortel::app {

void MainWindow::setLivePreview(bool on) {
    livePreview_ = on;
    if (liveAction_) liveAction_->setChecked(on);
}

void MainWindow::valueMoving(int classicPause) {
    if (!livePreview_) {
        if (classicPause == 0) {
            recalculate();
        } else {
            startDelayedCalc(classicPause);
        }
        return;
    }
    startDelayedCalc(LiveRestPause);
    requestLiveFrame(false);  // after the count of the change above: this frame is the latest
}

void MainWindow::previewChange(const std::function<void(TFontFX&)>& change) { requestLiveFrame(false, change); }

namespace {

LiveRenderer::Request requestFor(const Canvas& canvas, MainWindow::Quality quality, uint64_t generation) {
    static_assert(int(MainWindow::Quality::Draft) == int(LiveRenderer::Level::Draft) &&
                  int(MainWindow::Quality::Smooth) == int(LiveRenderer::Level::Smooth));
    LiveRenderer::Request request;
    request.width = canvas.width();
    request.height = canvas.height();
    request.level = LiveRenderer::Level(int(quality));
    request.budgetMs = MainWindow::FrameBudgetMs;
    request.generation = generation;
    return request;
}

}  // namespace

void MainWindow::requestLiveFrame(bool guideDrag, const std::function<void(TFontFX&)>& change) {
    if (!livePreview_ || !engine_ || !canvas_) return;
    LiveRenderer::Request request = requestFor(*canvas_, quality_, ++changeCount_);
    request.applyGuideDrag = guideDrag;
    live_->request(*engine_, request, change);
}

void MainWindow::requestRestRender() {
    LiveRenderer::Request request = requestFor(*canvas_, quality_, ++changeCount_);
    request.rest = true;
    restPending_ = request.generation;
    live_->request(*engine_, request);
}

// The rest render is the window's own when nothing changed since it was asked for: the engine
// takes the rendered state, the thread's render memory follows, and the picture is as a render
// here would have left it. A render that failed is made here, where it says why; one that a change
// overtook is asked for again unless the next rest will ask anyway.
bool MainWindow::takeRestRender(const LiveRenderer::Frame& frame) {
    LiveRenderer::Rest rest = live_->takeRest();
    if (frame.generation != restPending_) return false;  // an earlier one; the latest is on its way
    restPending_ = 0;
    if (frame.generation != changeCount_) {
        if (!delayedCalc_->isActive()) requestRestRender();
        return false;  // shown as a live frame meanwhile
    }
    if (frame.failed || !rest.engine) {
        recalculate();
        return true;
    }
    recalculatedAt_ = frame.generation;
    engine_->adoptRenderFrom(*rest.engine);
    renderStar_ = rest.starBefore;
    renderCurl_ = rest.curlBefore;
    starToggle() = rest.starAfter;
    curlToggle() = rest.curlAfter;
    lastBevelEnabled() = rest.lastBevel;
    pictureRendered_ = rest.warped && quality_ != Quality::Draft;
    rest.engine->recordedMessages().replay(messages_);
    ++restRendersTaken_;
    takeCleanPicture();
    if (guideEditing_) showGuides();
    view_->update();
    return true;
}

void MainWindow::showLiveFrame() {
    if (!canvas_) return;
    const LiveRenderer::Frame frame = live_->takeFrame(*canvas_, recalculatedAt_);
    if (!frame.ready) return;
    if (frame.rest && takeRestRender(frame)) return;
    if (frame.failed) return;
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
