#include "panels/pages/SlideShow.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "panels/pages/StylePage.h"
#include "panels/pages/SurfaceWidgets.h"

namespace vortel::pages {
namespace {

constexpr const char* ProductBanner = "Vortel 0.93";

// The number after `key` in a /proc file of "Key:   value kB" lines; -1 when it is not there.
long procValue(const QString& file, const QByteArray& key) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine();
        if (!line.startsWith(key)) continue;
        const QList<QByteArray> parts = line.mid(key.size()).simplified().split(' ');
        bool ok = false;
        const long value = parts.isEmpty() ? -1 : parts.first().toLong(&ok);
        return ok ? value : -1;
    }
    return -1;
}

// A line of text at the bottom centre of `area`, `margin` pixels up (and left).
QRect bannerRect(const QFontMetrics& metrics, const QString& text, const QRect& area, int margin) {
    const int width = metrics.horizontalAdvance(text) + 8, height = metrics.height() + 2;
    return QRect(area.center().x() - width / 2 - margin, area.bottom() - height - margin, width, height);
}

}  // namespace

int FreeMemoryPercent() {
    const long total = procValue(QStringLiteral("/proc/meminfo"), "MemTotal:");
    const long available = procValue(QStringLiteral("/proc/meminfo"), "MemAvailable:");
    if (total <= 0 || available < 0) return -1;
    return int(available * 100 / total);
}

long ResidentKilobytes() { return procValue(QStringLiteral("/proc/self/status"), "VmRSS:"); }

// ------------------------------------------------------------------------------------- screen

SlideScreen::SlideScreen(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SlideScreen"));
    setCursor(Qt::BlankCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SlideScreen::setPicture(const QImage& picture) {
    picture_ = picture;
    message_.clear();
    update();
}

void SlideScreen::setMessage(const QString& text) {
    message_ = text;
    update();
}

void SlideScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!picture_.isNull()) {
        // One picture pixel a device pixel, as in the image view.
        QImage shown = picture_;
        shown.setDevicePixelRatio(devicePixelRatioF());
        const QSizeF size = shown.deviceIndependentSize();
        p.drawImage(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), shown);
    }
    if (!message_.isEmpty()) {
        p.setPen(Qt::white);
        p.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignLeft | Qt::AlignTop, message_);
    }
}

// ------------------------------------------------------------------------------------- show

SlideShow::SlideShow(PageHost& host, StylePage& page) : QObject(&page), host_(host), page_(page) {
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &SlideShow::step);
    quit = [] { QCoreApplication::quit(); };
    statisticsWanted = [] {
        return bool(QGuiApplication::queryKeyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    };
    qApp->installEventFilter(this);
}

SlideShow::~SlideShow() {
    qApp->removeEventFilter(this);
    delete screen_;
}

int SlideShow::pause() const { return std::clamp(host_.settings().readInteger("Options", "DemoPause", DefaultPause), 0, MaxPause); }

void SlideShow::start(Mode mode, bool byUser, std::function<void()> finished) {
    if (running_) return;
    running_ = true;
    stopRequested_ = false;
    mode_ = mode;
    byUser_ = byUser;
    finishedHook_ = std::move(finished);
    statistics_ = statisticsWanted && statisticsWanted();
    if (mode_ != Mode::Window) {
        const Rect image = host_.engine().ImageRect;
        savedImage_ = QSize(image.width(), image.height());
        QScreen* display = QGuiApplication::primaryScreen();
        const QRect area = display ? display->geometry() : QRect(0, 0, 1024, 768);
        if (!screen_) screen_ = new SlideScreen;
        screen_->setPicture(QImage());
        screen_->setMessage(tr("%1   Das 1. Bild wird berechnet. Bitte warten...").arg(QString::fromLatin1(ProductBanner)));
        screen_->setGeometry(area);
        screen_->showFullScreen();
        screen_->raise();
        // The pictures fill the screen a picture pixel to a device pixel.
        const QSize device = controls::DeviceSize(area.size(), display ? display->devicePixelRatio() : 1.0);
        host_.setImageSize(device.width(), device.height());
    }
    if (byUser_) {
        page_.showList(StylePage::List::Random);
        host_.showPage(presets::Page::Style);
    }
    page_.folderList()->clear();
    host_.hideGuides();
    count_ = 0;
    startMemory_ = FreeMemoryPercent();
    startResident_ = ResidentKilobytes();
    host_.messages().status(1, tr("Effekt-Generator abbrechen mit Tastendruck oder Mausklick.").toStdString());
    timer_->start(statistics_ ? 1000 : 0);
}

void SlideShow::stop() {
    if (!running_) return;
    stopRequested_ = true;
    // Waiting between pictures: end now. While one is made, the next step ends it.
    if (timer_->isActive()) {
        timer_->stop();
        QTimer::singleShot(0, this, [this] { if (running_) finish(); });
    }
}

QString SlideShow::statistics() const {
    // The resident memory stands where the old system's free resources stood; it grows where
    // they shrank.
    const long resident = ResidentKilobytes();
    const int memory = FreeMemoryPercent();
    return tr("  -  Ressources (resident): %1 KB (growth %2 KB)  -  Free Memory %3% (loss %4%)")
        .arg(resident)
        .arg(resident - startResident_)
        .arg(memory)
        .arg(std::max(0, startMemory_ - memory));
}

void SlideShow::step() {
    if (stopRequested_) {
        finish();
        return;
    }
    ++count_;
    host_.messages().status(0, QString::number(count_).toStdString());
    clock_.start();
    try {
        page_.generateRandom(std::nullopt, mode_ != Mode::Saver);
    } catch (const std::exception& e) {
        host_.messages().messageBox(e.what(), "Vortel", MessageIcon::Error);
        finish();
        return;
    }
    QString status = tr("Bild %1,  Zeit %2 sec").arg(count_).arg(double(clock_.elapsed()) / 1000.0, 0, 'f', 2);
    if (statistics_) status += statistics();
    host_.messages().status(1, status.toStdString());
    if (mode_ == Mode::Window) {
        const QString hint = tr("Effekt-Generator abbrechen mit Tastendruck oder Mausklick.");
        host_.paintOnPicture([&](QPainter& p) {
            const QRect area = p.viewport();
            const QRect box = bannerRect(p.fontMetrics(), hint, area, 0);
            p.fillRect(box, Qt::white);
            p.setPen(Qt::blue);
            p.drawText(box, Qt::AlignCenter, hint);
        });
    } else if (screen_) {
        QImage picture = controls::ToQImage(host_.picture());
        QPainter p(&picture);
        QFont font = p.font();
        font.setPixelSize(std::max(12, picture.height() / 30));
        p.setFont(font);
        const QString banner = QString::fromLatin1(ProductBanner);
        const QRect box = bannerRect(p.fontMetrics(), banner, picture.rect(), 10);
        p.setPen(QColor(0, 0, 0, 160));
        p.drawText(box.translated(1, 1), Qt::AlignCenter, banner);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, banner);
        p.end();
        screen_->setPicture(picture);
        screen_->repaint();  // shown now, even when the next one follows without a pause
    }
    emit pictureShown(count_);
    if (byUser_ && host_.professional() && page_.randomList()->count() == 2) {
        page_.showList(StylePage::List::Random);
        page_.randomButton()->setDown(true);
    }
    // The time the picture took counts against its pause.
    timer_->start(int(std::max<qint64>(0, pause() - clock_.elapsed())));
}

void SlideShow::finish() {
    timer_->stop();
    running_ = false;
    stopRequested_ = false;
    if (mode_ != Mode::Window && screen_) {
        screen_->hide();
        host_.setImageSize(savedImage_.width(), savedImage_.height());
        if (mode_ == Mode::Saver) {
            emit finished();
            if (quit) quit();
            return;
        }
        // The guides fit the picture's own size again.
        host_.panels().selectedGuide = 0;
        host_.panels().ApplyGuidePreset(0);
    }
    host_.recalculate();
    const QString banner = QString::fromLatin1(ProductBanner);
    host_.paintOnPicture([&](QPainter& p) {
        // On a light plate with a dark edge: readable over any picture.
        const QRect box = bannerRect(p.fontMetrics(), banner, p.viewport(), 2);
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(255, 255, 255, 225));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, banner);
    });
    host_.messages().status(1, std::string());
    if (!byUser_ && finishedHook_) QTimer::singleShot(0, this, finishedHook_);
    if (host_.panels().events.refresh) host_.panels().events.refresh(presets::Page::All);
    emit finished();
}

bool SlideShow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (eatRelease_ && (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick)) {
        eatRelease_ = type == QEvent::MouseButtonDblClick;
        return true;
    }
    if (running_ && (type == QEvent::KeyPress || type == QEvent::MouseButtonPress)) {
        // The press ends the show and does nothing else (a click on the start button would
        // start it again).
        if (!stopRequested_) stop();
        eatRelease_ = type == QEvent::MouseButtonPress;
        return true;
    }
    if (running_ && type == QEvent::KeyRelease) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace vortel::pages
