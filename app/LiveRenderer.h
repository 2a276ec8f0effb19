#pragma once
// Draws the effect on a thread of its own while the user's hand moves a control: each request
// takes a copy of the engine's state at once, so the window goes on and the engine may change.
// At most one picture is being drawn and one request waits; a newer request replaces the waiting
// one, so the picture drawn next is always of the latest state. A finished picture waits until
// the window takes it (frameReady tells when).
#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/FontFX.h"
#include "platform/Canvas.h"

namespace vortel::app {

class LiveRenderer : public QObject {
    Q_OBJECT
public:
    enum class Level { Draft, Normal, Smooth };

    struct Request {
        int32_t width = 0, height = 0;
        // The quality chosen; a frame is drawn lower when the last one at that quality took
        // longer than `budgetMs` (measured when the frame starts, so the next one already follows).
        Level level = Level::Smooth;
        double budgetMs = 33;
        uint64_t generation = 0;    // the window's count of changes when the request was made
        bool applyGuideDrag = false;  // the guide drag in progress is drawn as if it ended here
        // The hand rests: drawn at `level` whatever it takes, and the rendered state is kept for
        // the window to take over (takeRest) when nothing changed meanwhile.
        bool rest = false;
    };
    struct Frame {
        bool ready = false;
        uint64_t generation = 0;
        Level level = Level::Smooth;
        double milliseconds = 0;  // the drawing alone, from the copied state to the last pixel
        bool rest = false;
        bool failed = false;      // a rest render that threw: the window renders itself and says why
    };
    // What a rest render leaves besides the picture: the engine it drew with and the render memory
    // of the thread (the fringe phase before and after, the remembered bevel switch).
    struct Rest {
        std::unique_ptr<TFontFX> engine;
        bool warped = false;
        FringeToggle starBefore, curlBefore, starAfter, curlAfter;
        bool lastBevel = false;
    };

    explicit LiveRenderer(QObject* parent = nullptr);
    ~LiveRenderer() override;

    // `change`, when given, is applied to the copy only (what the hand drags before the engine
    // takes it, such as a profile point).
    void request(const TFontFX& engine, const Request& request, const std::function<void(TFontFX&)>& change = {});
    // Copies the finished picture into `target` (of the same size) and says which it was; a frame
    // that is not ready, of another size or of a generation not after `after` leaves `target` as
    // it is.
    Frame takeFrame(Canvas& target, uint64_t after = 0);
    // The rendered state of the rest frame takeFrame just returned (empty for any other frame).
    Rest takeRest();
    // Whether a picture is being drawn or waits to be.
    bool busy() const;
    // The hand rests: the next frames start again from the chosen quality.
    void forgetTimes();
    // The last frame's time at a quality, in milliseconds; -1 when none was drawn since the rest.
    double lastTime(Level level) const;

signals:
    void frameReady();

private:
    struct Job {
        std::unique_ptr<TFontFX> engine;
        Request request;
        FringeToggle star, curl;
        bool lastBevel = false;
        bool warped = false;
    };
    void run();
    void render(Job& job);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::unique_ptr<Job> waiting_;
    double lastMs_[3] = {-1, -1, -1};  // the last frame's time at each quality; -1: none yet
    bool drawing_ = false;
    bool stopping_ = false;
    std::unique_ptr<TFontFX> spare_;  // an engine whose memory the next request reuses
    std::unique_ptr<Canvas> drawn_;   // the finished picture
    Frame drawnFrame_;
    Rest drawnRest_, takenRest_;      // a rest frame's state: drawn, then handed over with it
    std::unique_ptr<Canvas> canvas_;  // the worker's own picture
    std::thread worker_;
};

}  // namespace vortel::app
