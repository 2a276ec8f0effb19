// Undo, Copy and Paste of the main window.
#include "app/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

#include <cmath>
#include <filesystem>
#include <new>

#include "app/Help.h"
#include "app/ImageFrame.h"
#include "app/ImageView.h"
#include "app/MainWindowParts.h"
#include "app/TextInputDialog.h"
#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "document/ImagePng.h"
#include "engine/Transparent.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/SlideShow.h"
#include "platform/FileGate.h"

namespace vortel::app {

namespace {

// The text field of the text page, when it has the focus.
bool isTextField(QWidget* w) {
    return qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QLineEdit*>(w);
}

}  // namespace

// ------------------------------------------------------------------------------------- edit

QString MainWindow::undoCaption() const {
    static const char* const names[] = {
        QT_TR_NOOP("Keine"), QT_TR_NOOP("Verformen"), QT_TR_NOOP("Verschieben"), QT_TR_NOOP("Zoom"),
        QT_TR_NOOP("Punkt verschieben"), QT_TR_NOOP("Zentrieren"), QT_TR_NOOP("Drehen"), QT_TR_NOOP("Punkt hinzuf\u00fcgen"),
        QT_TR_NOOP("Punkt l\u00f6schen"), QT_TR_NOOP("3D-Kante"), QT_TR_NOOP("Farbe"), QT_TR_NOOP("Farbverlauf"),
        QT_TR_NOOP("Zufall-Style")};
    const int action = engine_->Undo.action;
    const QString name = action < int(std::size(names)) ? tr(names[action]) : QStringLiteral("?");
    return tr("&Rückg\u00e4ngig (%1)").arg(name);
}

void MainWindow::undoCommand() {
    runCommand([this] {
        const uint8_t action = engine_->Undo.action;
        if (engine_->UndoLastAction()) {
            engine_->Modified = 1;
            // A surface colour taken back shows on the Surface page too (the engine itself
            // reports only the undo of a bevel group or a gradient colour).
            if (action == 10) refreshPages(presets::Page::Surface);
            recalculate();
        }
    });
}

void MainWindow::copyCommand() {
    QWidget* focus = QApplication::focusWidget();
    if (notebook_->currentIndex() == TextPage && isTextField(focus)) {
        QMetaObject::invokeMethod(focus, "copy");
        return;
    }
    if (guideEditing_) hideGuides();
    // Both in one QMimeData: the bitmap for readers of images, and the explicit "image/png" that
    // Qt hands to a reader of that type in preference to a PNG made from the bitmap.
    auto* data = new QMimeData;
    data->setImageData(controls::ToQImage(canvas_->toBitmap()));
    if (const QByteArray png = transparentPng(); !png.isEmpty()) data->setData(QStringLiteral("image/png"), png);
    QApplication::clipboard()->setMimeData(data);
}

QByteArray MainWindow::transparentPng() {
    if (quality_ == Quality::Draft || !pictureRendered_ || delayedCalc_->isActive() || restPending_) return {};
    try {
        // The pair is rendered on a canvas of its own from the phase the picture was rendered from;
        // the keeper puts the engine's maps, tables, bounds and the program-wide render memory back.
        const RenderStateKeeper keep(*engine_);
        starToggle() = renderStar_;
        curlToggle() = renderCurl_;
        Canvas aside(canvas_->width(), canvas_->height());
        const std::vector<uint8_t> rgba = renderTransparent(*engine_, aside);
        const std::vector<uint8_t> png = encodePngRgba(aside.width(), aside.height(), rgba, PngEffort::Fast);
        return QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size()));
    } catch (const std::exception&) {
        // The bitmap alone is still a useful copy.
        return {};
    }
}

bool MainWindow::pasteEnabled() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return false;
    if (data->hasImage()) return true;
    return notebook_->currentIndex() == TextPage && isTextField(QApplication::focusWidget()) && data->hasText();
}

void MainWindow::pasteCommand() {
    QWidget* focus = QApplication::focusWidget();
    if (notebook_->currentIndex() == TextPage && isTextField(focus)) {
        QMetaObject::invokeMethod(focus, "paste");
        return;
    }
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull()) return;
    runCommand([&] {
        engine_->setTexture(0, std::make_shared<Bitmap>(controls::FromQImage(image)), std::string());
        engine_->setFillKind(0, 0);
        recalculate();
    });
}

}  // namespace vortel::app
