#include "app/ScreenshotTour.h"

#include <functional>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/CharDeformDialog.h"
#include "app/Cursors.h"
#include "app/Help.h"
#include "app/ImageSizeDialog.h"
#include "app/ImageView.h"
#include "app/JpegOptimizerDialog.h"
#include "app/MainWindow.h"
#include "app/PrintDialog.h"
#include "app/TextInputDialog.h"
#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/BevelPage.h"
#include "panels/pages/GradientList.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"
#include "panels/pages/SurfacePage.h"
#include "panels/pages/TransparencyDialog.h"
#include "panels/pages/TextureLists.h"

namespace vortel::app {
namespace {

// The toolbar's "Profi" button, pressed or released as asked.
void SetProfessional(MainWindow& window, bool on) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->isCheckable() && action->text() == MainWindow::tr("Profi") && action->isChecked() != on) action->trigger();
}


void clickButton(MainWindow& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name))) button->click();
}

// A press of the left button, as the mouse gives it.
void pressAt(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// Pictures of one's own for the texture folder: stripes, checks and rings in warm and cold tones.
void writeTourTextures(const QString& folder) {
    const QColor tones[] = {QColor(180, 90, 40), QColor(60, 120, 200), QColor(90, 160, 70), QColor(200, 180, 60),
                            QColor(150, 60, 150), QColor(40, 40, 40), QColor(220, 120, 120), QColor(70, 180, 180)};
    for (int i = 0; i < 8; ++i) {
        QImage image(96, 64, QImage::Format_RGB32);
        image.fill(tones[i].lighter(150));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(tones[i], 3));
        for (int k = 0; k < 12; ++k) {
            if (i % 3 == 0) p.drawLine(k * 10 - 30, 0, k * 10, 64);
            if (i % 3 == 1) p.fillRect((k % 6) * 16 + (k / 6 % 2) * 8, (k / 6) * 32, 8, 16, tones[i]);
            if (i % 3 == 2) p.drawEllipse(QPoint(48, 32), k * 5, k * 4);
        }
        p.end();
        image.save(QDir(folder).filePath(QStringLiteral("muster-%1.png").arg(i + 1)));
    }
}

void waitForPictures(pages::PictureList* list, int count) {
    QElapsedTimer clock;
    clock.start();
    while (list && list->pictureCount() < std::min(count, list->count()) && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The Surface page in both modes, a three-colour gradient on the letters and a background from a
// folder of one's own pictures, all made through the page's own controls.
int WriteSurfaceScreenshots(MainWindow& window, const QString& folder) {
    int written = 0;
    const auto shot = [&](const QString& name) {
        QApplication::processEvents();
        if (window.grab().save(QDir(folder).filePath(name))) ++written;
    };
    auto* page = window.findChild<pages::SurfacePage*>(QStringLiteral("SurfacePage"));
    if (!page) return 0;
    window.notebook()->setCurrentIndex(MainWindow::SurfacePage);
    SetProfessional(window, false);
    waitForPictures(window.findChild<pages::PictureList*>(QStringLiteral("SurfaceSimpleListBox")), 18);
    shot(QStringLiteral("page-surface-assistant.png"));
    SetProfessional(window, true);
    clickButton(window, "SurfaceTextSpeedButton");
    clickButton(window, "SurfaceColorSpeedButton");
    shot(QStringLiteral("page-surface-profi.png"));

    // Gradient: three colours picked from the colour map into the list, then style 3.
    clickButton(window, "SurfaceVerlaufSpeedButton");
    auto* map = window.findChild<controls::LeaveImage*>(QStringLiteral("VerlaufImage"));
    auto* list = window.findChild<pages::GradientList*>(QStringLiteral("VerlaufListBox"));
    if (map && list) {
        const QPoint picks[] = {QPoint(map->width() / 8, map->height() / 3), QPoint(map->width() / 2, map->height() / 3),
                                QPoint(map->width() * 5 / 6, map->height() / 2)};
        for (int i = 0; i < 3; ++i) {
            list->setCurrentRow(i);
            pressAt(map, picks[i]);
        }
        list->setCurrentRow(0);
    }
    clickButton(window, "VerlaufStyleSpeedButton");
    clickButton(window, "VerlaufSpeedButton3");
    shot(QStringLiteral("page-surface-gradient.png"));

    // Texture: the background from a folder of one's own pictures.
    QTemporaryDir textures;
    if (textures.isValid()) {
        writeTourTextures(textures.path());
        const auto hook = window.folderHook;
        window.folderHook = [&](const QString&, const QString&) { return textures.path(); };
        clickButton(window, "SurfaceBGSpeedButton");
        clickButton(window, "SurfaceTextureSpeedButton");
        emit page->historyMenu()->aboutToShow();
        if (!page->historyMenu()->actions().isEmpty()) page->historyMenu()->actions().first()->trigger();
        window.folderHook = hook;
        auto* textureList = window.findChild<pages::PictureList*>(QStringLiteral("TextureListBox"));
        waitForPictures(textureList, 8);
        if (textureList && textureList->count() > 2) pressAt(textureList->viewport(), textureList->visualItemRect(textureList->item(2)).center());
        shot(QStringLiteral("page-surface-texture.png"));
        // The folder is gone after the tour: the stock textures come back.
        emit page->historyMenu()->aboutToShow();
        for (QAction* action : page->historyMenu()->actions())
            if (action->text() == QStringLiteral("Standard")) action->trigger();
        window.textureFolders().removeAll(textures.path());
    }
    // Imprint: the check box, then a pattern of the list over the gradient letters.
    clickButton(window, "SurfaceTextSpeedButton");
    clickButton(window, "SurfaceImprintCheckBox");
    auto* imprints = window.findChild<pages::PictureList*>(QStringLiteral("ImprintListBox"));
    waitForPictures(imprints, 6);
    if (imprints && imprints->count() > 3) pressAt(imprints->viewport(), imprints->visualItemRect(imprints->item(3)).center());
    shot(QStringLiteral("page-surface-imprint.png"));
    clickButton(window, "SurfaceImprintCheckBox");
    SetProfessional(window, false);
    return written;
}



bool Save(QWidget& widget, const QString& folder, const QString& name) {
    QApplication::processEvents();
    return widget.grab().save(QDir(folder).filePath(name));
}

// The print dialog over the default effect on an A4 sheet (and its page, printed into
// print-page.pdf beside the pictures), and the image size dialog.
int WritePrintAndSizeScreenshots(MainWindow& window, const QString& folder) {
    int written = 0;
    PrintLayout layout = window.engine().Print;
    PrintDialog print(layout, controls::ToQImage(window.picture()), QString::fromStdString(window.engine().Text),
                      window.messages(), &window);
    print.setPaper(QPageSize(QPageSize::A4));
    print.show();
    if (Save(print, folder, QStringLiteral("dialog-print.png"))) ++written;
    print.setPdfOutput(QDir(folder).filePath(QStringLiteral("print-page.pdf")));
    print.print();
    print.hide();
    ImageSizeDialog size(QSize(window.view()->canvas()->width(), window.view()->canvas()->height()), window.fittedSize(), window.messages(), &window);
    size.show();
    if (Save(size, folder, QStringLiteral("dialog-image-size.png"))) ++written;
    size.hide();
    return written;
}

// The transparency dialog, and the deformation dialog with both curves bent and the window
// showing the letters they spread.
int WriteSmallDialogScreenshots(MainWindow& window, const QString& folder) {
    int written = 0;
    TFontFX& e = window.engine();
    // Opened for all points over text without a bevel, the dialog starts a flat one, which Cancel
    // keeps; the pictures after this one show the default effect, so the bevel is taken back.
    const BevelParams bevel = e.Bevel;
    pages::TransparencyDialog transparency(window, pages::TransparencyDialog::AllPoints, [] {}, &window);
    transparency.show();
    written += Save(transparency, folder, QStringLiteral("dialog-transparency.png"));
    transparency.reject();
    e.setBevelProfile(bevel.Points, bevel.SegmentCount);
    e.setBevelValues(bevel.BevelHeight, bevel.BevelSize, bevel.BevelAddPixel, bevel.BevelAngle);
    e.setBevelEnabled(bevel.enabled());
    const std::vector<Point> horz = e.HorzCurve, vert = e.VertCurve;
    e.HorzCurve[2] = Point{-210, 150}, e.HorzCurve[6] = Point{220, -140};
    e.VertCurve[4] = Point{160, 90};
    window.recalculate();
    CharDeformDialog deform(window, &window);
    deform.show();
    written += Save(deform, folder, QStringLiteral("dialog-char-deform.png"));
    deform.hide();
    written += Save(window, folder, QStringLiteral("char-deform-effect.png"));
    e.HorzCurve = horz, e.VertCurve = vert;
    window.recalculate();
    return written;
}

// The 3D Bevel page in both modes, its profile editor with a three-segment profile and the
// editor's segment menu.
int WriteBevelScreenshots(MainWindow& window, const QString& folder) {
    auto* page = qobject_cast<pages::BevelPage*>(window.effectPage(MainWindow::BevelPage));
    if (!page) return 0;
    const bool professional = window.professional();
    int written = 0;
    window.notebook()->setCurrentIndex(MainWindow::BevelPage);
    SetProfessional(window, true);
    written += Save(window, folder, QStringLiteral("page-bevel-profi.png"));
    SetProfessional(window, false);
    written += Save(window, folder, QStringLiteral("page-bevel-assistant.png"));
    SetProfessional(window, true);
    window.panels().ApplyBevelPreset(7);
    page->showEditor(true);
    written += Save(window, folder, QStringLiteral("page-bevel-editor.png"));
    if (auto* editor = page->findChild<QWidget*>(QStringLiteral("BevelSegmentsImage"))) {
        const QPoint at(editor->width() * 3 / 4, editor->height() * 9 / 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, editor->mapToGlobal(at), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        written += Save(*page->segmentsMenu(), folder, QStringLiteral("page-bevel-menu.png"));
        page->segmentsMenu()->hide();
    }
    page->showEditor(false);
    SetProfessional(window, professional);
    return written;
}

// The Outline, Shadow and Frame pages in both modes, each with a preset chosen, so the picture
// shows what the page sets; the frame page also with a kind that shows its height.
int WriteEffectScreenshots(MainWindow& window, const QString& folder) {
    const bool professional = window.professional();
    int written = 0;
    const struct { int page; const char* name; std::function<void()> preset; } pages[] = {
        {MainWindow::OutlinePage, "outline", [&] { window.panels().ApplyOutlinePreset(8, 1); }},
        {MainWindow::ShadowPage, "shadow", [&] { window.panels().ApplyShadowPreset(3); }},
        {MainWindow::FramePage, "frame", [&] { window.panels().ApplyFramePreset(15, 1); }},
    };
    for (const auto& p : pages) {
        if (!window.effectPage(p.page)) continue;
        window.notebook()->setCurrentIndex(p.page);
        p.preset();
        for (const bool on : {true, false}) {
            SetProfessional(window, on);
            const QString mode = on ? QStringLiteral("profi") : QStringLiteral("assistant");
            written += Save(window, folder, QStringLiteral("page-%1-%2.png").arg(QString::fromLatin1(p.name), mode));
        }
    }
    if (window.effectPage(MainWindow::FramePage)) {
        SetProfessional(window, true);
        window.panels().ApplyFramePreset(2, 1);
        written += Save(window, folder, QStringLiteral("page-frame-height.png"));
        window.panels().ApplyFramePreset(0, 1);
    }
    window.panels().ApplyShadowPreset(0);
    window.panels().ApplyOutlinePreset(0, 1);
    SetProfessional(window, professional);
    return written;
}

// The Style page in both modes, its random list after a few effects, the folder list over a few
// documents of its own, and the slide show in the window and full screen.
int WriteStyleScreenshots(MainWindow& window, const QString& folder) {
    auto* page = window.stylePage();
    if (!page) return 0;
    const bool professional = window.professional();
    int written = 0;
    window.notebook()->setCurrentIndex(MainWindow::StylePage);
    page->showList(pages::StylePage::List::Styles);
    SetProfessional(window, true);
    written += Save(window, folder, QStringLiteral("page-style-profi.png"));
    SetProfessional(window, false);
    written += Save(window, folder, QStringLiteral("page-style-assistant.png"));
    const auto confirm = window.confirmHook;
    window.confirmHook = [](const QString&) { return int(QMessageBox::No); };
    QTemporaryDir documents;
    if (documents.isValid()) {
        for (const int style : {1, 2, 13, 21, 33}) {
            window.panels().ApplyMainStyle(style);
            window.saveAs(QDir(documents.path()).filePath(QStringLiteral("style-%1.vtl").arg(style)), 1);
        }
        const auto hook = window.folderHook;
        window.folderHook = [&](const QString&, const QString&) { return documents.path(); };
        clickButton(window, "StyleDirSpeedButton");
        window.folderHook = hook;
        written += Save(window, folder, QStringLiteral("style-folder-list.png"));
    }
    page->showList(pages::StylePage::List::Random);
    for (int i = 0; i < 4; ++i) page->generateRandom(std::nullopt);
    written += Save(window, folder, QStringLiteral("style-random-list.png"));

    pages::SlideShow* show = page->slideShow();
    const int pause = window.settings().readInteger("Options", "DemoPause", pages::SlideShow::DefaultPause);
    window.settings().writeInteger("Options", "DemoPause", 600000);
    const auto waitPicture = [&](int count) {
        QElapsedTimer clock;
        clock.start();
        while (show->count() < count && clock.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 20);
        QApplication::processEvents();
    };
    const auto end = [&] {
        show->stop();
        QElapsedTimer clock;
        clock.start();
        while (show->running() && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    window.startSlideShow(false, true);
    waitPicture(1);
    written += Save(window, folder, QStringLiteral("style-slideshow-window.png"));
    end();
    window.startSlideShow(true, true);
    waitPicture(1);
    if (show->screen()) written += Save(*show->screen(), folder, QStringLiteral("style-slideshow-fullscreen.png"));
    end();
    written += Save(window, folder, QStringLiteral("style-slideshow-ended.png"));
    window.settings().writeInteger("Options", "DemoPause", pause);
    window.confirmHook = confirm;
    page->showList(pages::StylePage::List::Styles);
    SetProfessional(window, professional);
    return written;
}

// The adjustment dialog over the letters' texture and over the whole picture, and the JPEG
// optimizer over the picture, each with something changed.
int WriteDialogScreenshots(MainWindow& window, const QString& folder) {
    int written = 0;
    const bool professional = window.professional();
    SetProfessional(window, true);
    window.notebook()->setCurrentIndex(MainWindow::SurfacePage);
    clickButton(window, "SurfaceTextSpeedButton");
    clickButton(window, "SurfaceTextureSpeedButton");
    // As the tool bar's button does: the picture without the guides.
    window.hideGuides();
    QApplication::processEvents();
    for (const int mode : {pages::AlterBmpDialog::TextTexture, pages::AlterBmpDialog::ImageMode}) {
        pages::AlterBmpDialog alter(window, &window);
        alter.start(mode);
        alter.slider(0)->setValue(mode == pages::AlterBmpDialog::ImageMode ? 60 : -45);
        alter.slider(2)->setValue(30);
        alter.flushColors();
        if (auto* soften = alter.findChild<QAbstractButton*>(QStringLiteral("WeicherButton"))) soften->click();
        alter.show();
        const QString name = mode == pages::AlterBmpDialog::ImageMode ? QStringLiteral("dialog-alter-image.png")
                                                                       : QStringLiteral("dialog-alter-texture.png");
        if (Save(alter, folder, name)) ++written;
        alter.hide();
    }
    RecordingMessages messages;
    JpegOptimizerDialog optimizer(window.picture(), QDir(folder).filePath(QStringLiteral("unused.jpg")), messages, &window);
    optimizer.quality()->setValue(35);
    optimizer.show();
    QElapsedTimer clock;
    clock.start();
    while (optimizer.previewCount() < 1 && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (Save(optimizer, folder, QStringLiteral("dialog-jpeg-optimizer.png"))) ++written;
    optimizer.hide();
    SetProfessional(window, professional);
    return written;
}

}  // namespace

// A style with a bevel and a soft shadow.
constexpr int ClipboardStyle = 12;

// What Copy offers a reader of "image/png": the picture without its background, laid over a
// checkerboard so the transparent parts show.
int WriteClipboardScreenshot(MainWindow& window, const QString& folder, int style) {
    window.panels().ApplyMainStyle(style);
    window.recalculate();
    window.copyCommand();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return 0;
    const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    if (png.isNull()) return 0;
    QImage sheet(png.size(), QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int y = 0; y < sheet.height(); y += 8)
        for (int x = 0; x < sheet.width(); x += 8)
            painter.fillRect(x, y, 8, 8, (x / 8 + y / 8) % 2 ? QColor(204, 204, 204) : QColor(255, 255, 255));
    painter.drawImage(0, 0, png);
    painter.end();
    return sheet.save(QDir(folder).filePath(QStringLiteral("clipboard-png-checker.png"))) ? 1 : 0;
}

int RunScreenshotTour(MainWindow& window, const QString& folder) {
    if (!QDir().mkpath(folder)) return -1;
    static const char* const pages[] = {"style", "text", "deform", "surface", "bevel", "outline", "shadow", "frame"};
    window.messages().quiet = true;
    window.show();
    int written = 0;
    for (int page = 0; page < window.notebook()->count(); ++page) {
        window.notebook()->setCurrentIndex(page);
        QApplication::processEvents();
        const QString name = QStringLiteral("main-%1-%2.png").arg(page + 1).arg(QString::fromLatin1(pages[page]));
        if (window.grab().save(QDir(folder).filePath(name))) ++written;
    }
    // Print and image size over the default effect, before the pages change it.
    written += WritePrintAndSizeScreenshots(window, folder);
    written += WriteSmallDialogScreenshots(window, folder);
    // The Text page in the assistant's mode and with all its controls.
    window.notebook()->setCurrentIndex(MainWindow::TextPage);
    const bool professional = window.professional();
    for (const bool on : {false, true}) {
        SetProfessional(window, on);
        QApplication::processEvents();
        const QString name = QStringLiteral("page-text-%1.png").arg(on ? QStringLiteral("profi") : QStringLiteral("assistant"));
        if (window.grab().save(QDir(folder).filePath(name))) ++written;
    }
    // The face list open, each face drawn in itself.
    if (auto* faces = window.findChild<QComboBox*>(QStringLiteral("FontComboBox"))) {
        faces->showPopup();
        QApplication::processEvents();
        QWidget* popup = faces->view()->window();
        if (popup->grab().save(QDir(folder).filePath(QStringLiteral("page-text-facelist.png")))) ++written;
        // The same over the window on the whole screen: the open list stays within it.
        if (const QScreen* screen = faces->screen()) {
            const QRect area = screen->geometry();
            QImage sheet(area.size(), QImage::Format_RGB32);
            sheet.fill(QColor(60, 60, 60));
            QPainter painter(&sheet);
            painter.drawPixmap(window.frameGeometry().topLeft() - area.topLeft(), window.grab());
            painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
            painter.end();
            if (sheet.save(QDir(folder).filePath(QStringLiteral("page-text-facelist-screen.png")))) ++written;
        }
        faces->hidePopup();
    }
    SetProfessional(window, professional);
    // The Deform page in each draw mode, and its pop-up menu in the point mode.
    static const char* const modes[] = {"move", "edit-points", "draw-lines", "redraw-line"};
    window.notebook()->setCurrentIndex(MainWindow::DeformPage);
    for (int mode = MainWindow::DrawMove; mode <= MainWindow::DrawRedrawLine; ++mode) {
        window.chooseDrawMode(mode);
        QApplication::processEvents();
        const QString name = QStringLiteral("deform-mode-%1-%2.png").arg(mode).arg(QString::fromLatin1(modes[mode]));
        if (window.grab().save(QDir(folder).filePath(name))) ++written;
    }
    window.chooseDrawMode(MainWindow::DrawEditPoints);
    window.deformMenu()->popup(window.view()->mapToGlobal(QPoint(40, 40)));
    QApplication::processEvents();
    if (window.deformMenu()->grab().save(QDir(folder).filePath(QStringLiteral("deform-menu.png")))) ++written;
    window.deformMenu()->hide();
    window.chooseDrawMode(MainWindow::DrawMove);
    written += WriteBevelScreenshots(window, folder);
    written += WriteSurfaceScreenshots(window, folder);
    written += WriteEffectScreenshots(window, folder);
    written += WriteStyleScreenshots(window, folder);
    written += WriteClipboardScreenshot(window, folder, ClipboardStyle);
    window.notebook()->setCurrentIndex(MainWindow::StylePage);
    // New's text input, as it opens over the default effect.
    TextInputDialog input(QStringLiteral("Vortel"), false, &window);
    input.show();
    QApplication::processEvents();
    if (input.grab().save(QDir(folder).filePath(QStringLiteral("dialog-text-input.png")))) ++written;
    input.hide();
    written += WriteDialogScreenshots(window, folder);
    if (WriteCursorSheet(QDir(folder).filePath(QStringLiteral("cursors.png"))) > 0) ++written;
    written += std::max(0, WriteHelpScreenshots(window.help(), folder));
    return written;
}

}  // namespace vortel::app
