#pragma once
// The effect generator's slide show: random effects one after another, in the window or full
// screen, until a key or a mouse button is pressed. A timer drives it, so the window keeps
// running its events between pictures; the screen saver runs the same loop and quits at its end.
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QWidget>
#include <functional>

#include "panels/pages/EffectPage.h"

class QTimer;

namespace vortel::pages {

class StylePage;

// The full-screen picture: a frameless top-level over the whole screen, without a cursor.
class SlideScreen : public QWidget {
    Q_OBJECT
public:
    explicit SlideScreen(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // A line in white on black, shown until the first picture is there.
    void setMessage(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QString message_;
};

// Free physical memory in per cent (/proc/meminfo) and the process's resident memory in KB
// (/proc/self/status); -1 where they cannot be read.
int FreeMemoryPercent();
long ResidentKilobytes();

class SlideShow : public QObject {
    Q_OBJECT
public:
    enum class Mode { Window, FullScreen, Saver };
    static constexpr int DefaultPause = 1500;
    // The longest pause a settings file may ask for: an hour.
    static constexpr int MaxPause = 3600000;

    SlideShow(PageHost& host, StylePage& page);
    ~SlideShow() override;

    // Starts the show. `byUser`: a button or menu rather than the window at start-up; `finished`
    // runs (queued) at the end of a show the window started. Does nothing while one runs.
    void start(Mode mode, bool byUser, std::function<void()> finished = {});
    // Ends the show after the picture being made (at once while it waits).
    void stop();
    bool running() const { return running_; }
    Mode mode() const { return mode_; }
    int count() const { return count_; }
    SlideScreen* screen() const { return screen_; }
    // The screen saver's end; quits the application unless replaced (tests).
    std::function<void()> quit;
    // Statistics (Shift or Ctrl at the start) unless replaced (tests).
    std::function<bool()> statisticsWanted;

signals:
    // A picture is ready and shown (its number, from 1).
    void pictureShown(int count);
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step();
    void finish();
    int pause() const;
    QString statistics() const;

    PageHost& host_;
    StylePage& page_;
    QTimer* timer_ = nullptr;
    SlideScreen* screen_ = nullptr;
    Mode mode_ = Mode::Window;
    bool running_ = false;
    bool byUser_ = false;
    bool stopRequested_ = false;
    bool eatRelease_ = false;  // the button press that ended the show: its release does nothing more
    bool statistics_ = false;
    int count_ = 0;
    int startMemory_ = -1;
    long startResident_ = -1;
    QSize savedImage_;
    QElapsedTimer clock_;
    std::function<void()> finishedHook_;
};

}  // namespace vortel::pages
