#include "app/LiveRenderer.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace vortel::app {

LiveRenderer::LiveRenderer(QObject* parent) : QObject(parent), worker_([this] { run(); }) {}

LiveRenderer::~LiveRenderer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
    }
    wake_.notify_all();
    worker_.join();
}

void LiveRenderer::request(const TFontFX& engine, const Request& request, const std::function<void(TFontFX&)>& change) {
    auto job = std::make_unique<Job>();
    {
        // A request still waiting is dropped; its engine takes the new state.
        std::lock_guard lock(mutex_);
        if (waiting_) job->engine = std::move(waiting_->engine);
        else if (spare_) job->engine = std::move(spare_);
        waiting_.reset();
    }
    if (!job->engine) job->engine = std::make_unique<TFontFX>(Rect{0, 0, request.width, request.height});
    job->engine->copyStateFrom(engine);
    if (change) change(*job->engine);
    job->request = request;
    // The frayed outline's phase goes on from the window's, as a render there would.
    job->star = starToggle();
    job->curl = curlToggle();
    job->lastBevel = lastBevelEnabled();
    {
        std::lock_guard lock(mutex_);
        waiting_ = std::move(job);
    }
    wake_.notify_one();
}

void LiveRenderer::forgetTimes() {
    std::lock_guard lock(mutex_);
    std::fill(std::begin(lastMs_), std::end(lastMs_), -1.0);
}

double LiveRenderer::lastTime(Level level) const {
    std::lock_guard lock(mutex_);
    return lastMs_[int(level)];
}

bool LiveRenderer::busy() const {
    std::lock_guard lock(mutex_);
    return drawing_ || waiting_;
}

LiveRenderer::Frame LiveRenderer::takeFrame(Canvas& target, uint64_t after) {
    std::lock_guard lock(mutex_);
    Frame frame = drawnFrame_;
    drawnFrame_.ready = false;
    takenRest_ = std::move(drawnRest_);
    drawnRest_ = Rest{};
    if (!frame.ready || frame.generation <= after) return Frame{};
    if (frame.failed || (drawn_ && target.storeBytes(drawn_->storedData(), drawn_->storedSize()))) return frame;
    // A picture of another size: a live frame is dropped, a rest render is made by the window.
    if (!frame.rest) return Frame{};
    frame.failed = true;
    return frame;
}

LiveRenderer::Rest LiveRenderer::takeRest() {
    std::lock_guard lock(mutex_);
    Rest rest = std::move(takenRest_);
    takenRest_ = Rest{};
    return rest;
}

void LiveRenderer::run() {
    for (;;) {
        std::unique_ptr<Job> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || waiting_; });
            if (stopping_) return;
            job = std::move(waiting_);
            drawing_ = true;
            int level = int(job->request.level);
            while (!job->request.rest && level > 0 && lastMs_[level] > job->request.budgetMs) --level;
            job->request.level = Level(level);
        }
        const auto start = std::chrono::steady_clock::now();
        bool drawn = false;
        try {
            render(*job);
            drawn = true;
        } catch (...) {
            // A live frame is simply not shown; a rest frame sends the window to render itself,
            // which says what went wrong as it always did.
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        const bool rest = job->request.rest;
        {
            std::lock_guard lock(mutex_);
            drawing_ = false;
            if (drawn) {
                if (!rest) lastMs_[int(job->request.level)] = ms;
                std::swap(drawn_, canvas_);
            }
            if (drawn || rest) drawnFrame_ = Frame{true, job->request.generation, job->request.level, ms, rest, !drawn};
            if (rest && drawn) {
                drawnRest_ = Rest{std::move(job->engine), job->warped, job->star, job->curl, starToggle(), curlToggle(),
                                  lastBevelEnabled()};
            } else {
                drawnRest_ = Rest{};
                spare_ = std::move(job->engine);
            }
        }
        if (drawn || rest) QMetaObject::invokeMethod(this, [this] { emit frameReady(); }, Qt::QueuedConnection);
    }
}

// As the window's own recalculation, on the worker's picture.
void LiveRenderer::render(Job& job) {
    const Request& r = job.request;
    if (!canvas_ || canvas_->width() != r.width || canvas_->height() != r.height)
        canvas_ = std::make_unique<Canvas>(r.width, r.height);
    TFontFX& e = *job.engine;
    e.ImageRect = Rect{0, 0, r.width, r.height};
    if (r.applyGuideDrag && e.guideDrag() != GuideDragKind::None) e.GuideDragEnd();
    starToggle() = job.star;
    curlToggle() = job.curl;
    lastBevelEnabled() = job.lastBevel;
    job.warped = e.GetPointsAndTypes(*canvas_, false) && e.CalcVortel(0);
    if (job.warped) e.GetMiddleOfGuides();
    job.star = starToggle();  // the phase the picture is drawn from, as the window keeps it
    job.curl = curlToggle();
    if (r.level != Level::Draft) e.setSmoothFont(r.level == Level::Smooth);
    e.ShowText(*canvas_, r.level == Level::Draft);
}

}  // namespace vortel::app
