// The main window's settings and state: read at start, written at close; drops, key filter and the background around the picture.
#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <new>

#include "app/Help.h"
#include "app/ImageFrame.h"
#include "app/ImageView.h"
#include "app/JpegOptimizerDialog.h"
#include "app/MainWindowParts.h"
#include "app/Settings.h"
#include "app/TextInputDialog.h"
#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"
#include "panels/presets/TextScaling.h"
#include "platform/FileGate.h"

namespace vortel::app {

namespace {

// The largest picture file the window's background is read from.
constexpr uint64_t MaxBackgroundBytes = 64ull << 20;

}  // namespace

// ------------------------------------------------------------------------------------- settings

void MainWindow::readSettings() {
    const IniFile& s = settings_;
    // Every number is held to what the program offers, whatever the file says.
    const auto number = [&s](const char* section, const char* key, int fallback, int low, int high) {
        return std::clamp(s.readInteger(section, key, fallback), low, std::max(low, high));
    };
    shortHelpAction_->setChecked(s.readBool("Options", "ShortHelp", true));
    tipOfDayAction_->setChecked(s.readBool("Options", "TipOfDay", true));
    demoAction_->setChecked(s.readBool("Options", "Demo", false));
    QScreen* display = QGuiApplication::primaryScreen();
    const QRect area = display ? display->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect placed = WindowPlace(area, s.readInteger("Options", "Left", -1), s.readInteger("Options", "Top", -1),
                                     s.readInteger("Options", "Width", 640),
                                     s.readInteger("Options", "Height", std::min(580, area.height())));
    const int width = placed.width(), height = placed.height();
    resize(width, height);
    if (options_.saver) {
        move(area.right() + 1, placed.top());  // beside the screen, behind the full-screen show
    } else {
        move(placed.topLeft());
        if (s.readBool("Options", "maximized", false)) setWindowState(windowState() | Qt::WindowMaximized);
    }
    // The picture's default leaves room for the bars and the notebook.
    const int chrome = menuBar()->sizeHint().height() + 40 + notebook_->minimumHeight() + statusBar()->sizeHint().height();
    const int imageWidth = number("Image", "Width", std::clamp(width - 40, 1, 450), 1, presets::MaxImageSide);
    const int imageHeight = number("Image", "Height", std::clamp(height - chrome - 40, 1, 200), 1, presets::MaxImageSide);
    setImageSize(imageWidth, imageHeight);
    const int colours = number("CustomColors", "Count", 0, 0, QColorDialog::customCount());
    for (int i = 0; i < colours; ++i) {
        // Kept as the colour dialog keeps them: six hex digits blue-green-red.
        bool ok = false;
        const uint32_t bgr = QString::fromStdString(s.readString("CustomColors", std::to_string(i), "FFFFFF")).toUInt(&ok, 16);
        if (ok && bgr <= 0xFFFFFF) QColorDialog::setCustomColor(i, QColor(bgr & 0xFF, bgr >> 8 & 0xFF, bgr >> 16 & 0xFF));
    }
    textureDirs_.clear();
    for (const std::string& dir : s.readSection("TextureDir")) {
        if (textureDirs_.size() >= MaxTextureFolders) break;
        textureDirs_ << QString::fromStdString(dir);
    }
    showRecentFiles();
    // The pages follow the mode once the document and its panels exist.
    const QSignalBlocker quiet(profiAction_);
    profiAction_->setChecked(s.readBool("Options", "Profi", false));
    quality_ = Quality(number("Options", "Smooth", 2, 0, 2));
    setLivePreview(s.readBool("Options", "LivePreview", true));
}

void MainWindow::writeSettings() {
    if (options_.withoutSettings && options_.settingsFile.empty()) return;
    IniFile& s = settings_;
    // Only a place on a screen is kept: the screen saver's window waits beside the screen, and a
    // window moved off every screen would come back where nobody sees it.
    if (windowState() == Qt::WindowNoState && !options_.saver && OnAScreen(frameGeometry())) {
        s.writeInteger("Options", "Width", width());
        s.writeInteger("Options", "Height", height());
        s.writeInteger("Options", "Left", x());
        s.writeInteger("Options", "Top", y());
    }
    s.writeBool("Options", "maximized", isMaximized());
    s.writeBool("Options", "ShortHelp", shortHelpAction_->isChecked());
    s.writeBool("Options", "TipOfDay", tipOfDayAction_->isChecked());
    s.writeBool("Options", "Demo", demoAction_->isChecked());
    int colours = 0;
    for (; colours < QColorDialog::customCount(); ++colours) {
        const QColor c = QColorDialog::customColor(colours);
        const uint32_t bgr = uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16;
        s.writeString("CustomColors", std::to_string(colours), QStringLiteral("%1").arg(bgr, 6, 16, QLatin1Char('0')).toUpper().toStdString());
    }
    s.writeInteger("CustomColors", "Count", colours);
    s.eraseSection("TextureDir");
    for (int i = 0; i < std::min<int>(int(textureDirs_.size()), MaxTextureFolders); ++i) s.writeString("TextureDir", textureDirs_[i].toStdString(), "x");
    s.writeInteger("Image", "Width", canvas_->width());
    s.writeInteger("Image", "Height", canvas_->height());
    s.writeInteger("Options", "Smooth", int(quality_));
    s.writeBool("Options", "Profi", profiAction_->isChecked());
    s.writeBool("Options", "LivePreview", livePreview_);
    if (s.readString("Program", "Ver", "") != ProgramVersion) {
        s.writeString("Program", "Ver", ProgramVersion);
        s.writeString("Program", "Name", "Vortel");
    }
    s.save();  // errors while writing are ignored
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A save that fails or is cancelled keeps the window open: closing would lose the changes.
    // The screen saver's pictures are nobody's document: it ends without a question.
    if (!options_.saver && !changeQuery()) {
        event->ignore();
        return;
    }
    delayedCalc_->stop();
    writeSettings();
    event->accept();
}

// ------------------------------------------------------------------------------------- window events

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    raise();
    activateWindow();
    const QString path = urls.first().toLocalFile();
    if (path.size() > 256) return;
    // Queued: the drag source is not kept waiting for the change query and the loading.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Paint) {
        QPainter painter(scroll_->viewport());
        paintBackground(painter, scroll_->viewport()->rect());
        return true;
    }
    if ((watched == scroll_->viewport() || watched == frame_) && event->type() == QEvent::MouseButtonPress) {
        if (guideEditing_) runCommand([this] { hideGuides(); });
        return false;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        QWidget* target = qobject_cast<QWidget*>(watched);
        if (!target || target->window() != this || key->isAutoRepeat()) return false;
        if (event->type() == QEvent::KeyPress && capture_ == Capture::WaitLower) {
            lowerLineParallel();
            return true;
        }
        if (key->key() == Qt::Key_Control) runCommand([&] { ctrlKey(event->type() == QEvent::KeyPress); });
    }
    return QMainWindow::eventFilter(watched, event);
}

// The window's background around the picture as `Options/FormBG` says, read at every repaint.
void MainWindow::paintBackground(QPainter& painter, const QRect& area) {
    const QString value = QString::fromStdString(settings_.readString("Options", "FormBG", "-"));
    if (value != backgroundKey_) {
        backgroundKey_ = value;
        backgroundTile_ = QPixmap();
        if (value.startsWith(QLatin1Char(':'))) {
            // Through the gate: a FIFO or a device named here must not hold the window's painting.
            try {
                const std::vector<uint8_t> bytes = readGatedBytes(value.mid(1).toStdString(), MaxBackgroundBytes);
                backgroundTile_.loadFromData(bytes.data(), uint(bytes.size()));
            } catch (const FileGateError&) {
                // An unreadable picture leaves the background plain.
            }
        } else if (value.startsWith(QLatin1Char('\\')) && panels_) {
            bool ok = false;
            const int n = value.mid(1, 3).toInt(&ok);
            Bitmap texture;
            if (ok && n >= 0 && n < int(panels_->textureList.size()) && panels_->LoadListPicture(panels_->textureList, n, texture))
                backgroundTile_ = QPixmap::fromImage(controls::ToQImage(texture));
        }
        // Tiled a picture pixel to a device pixel, as the picture in front of it.
        backgroundTile_.setDevicePixelRatio(devicePixelRatioF());
    }
    if (value == QStringLiteral("-")) {
        painter.fillRect(area, palette().color(QPalette::Light));
    } else if (value.startsWith(QLatin1Char('%'))) {
        bool ok = false;
        const uint32_t bgr = value.mid(1).toUInt(&ok);
        if (ok) painter.fillRect(area, QColor(bgr & 0xFF, bgr >> 8 & 0xFF, bgr >> 16 & 0xFF));
    } else if (!backgroundTile_.isNull()) {
        painter.drawTiledPixmap(area, backgroundTile_);
    }
}

}  // namespace vortel::app
