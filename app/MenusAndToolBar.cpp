// The main window's menus and tool bar.
#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QStyle>
#include <QToolBar>

#include <cmath>
#include <filesystem>
#include <new>

#include "app/CharDeformDialog.h"
#include "app/Help.h"
#include "app/ImageFrame.h"
#include "app/JpegOptimizerDialog.h"
#include "app/MainWindowParts.h"
#include "app/TextInputDialog.h"
#include "controls/Controls.h"
#include "controls/Language.h"
#include "controls/QtImages.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"

namespace vortel::app {

namespace {

template <class Slot>
QAction* addItem(QMenu* menu, const QString& text, QObject* context, Slot slot,
                 const QKeySequence& shortcut = QKeySequence()) {
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, context, slot);
    return action;
}

// Tool bar pictures the style does not offer, 16 x 16 on transparent ground, made for the screen's
// device pixels.
enum class ToolPicture { Print, Copy, Paste, Generator };
QIcon toolIcon(ToolPicture picture) {
    const qreal ratio = controls::ScreenRatio();
    QPixmap pixmap(controls::DeviceSize(QSize(16, 16), ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(50, 50, 60), 1);
    const auto sheet = [&](QRectF r) {
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.setPen(QPen(QColor(120, 140, 180), 1));
        for (qreal y = r.top() + 3; y < r.bottom() - 1; y += 2.5) p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    };
    switch (picture) {
    case ToolPicture::Print:
        sheet(QRectF(4.5, 1.5, 7, 6));
        p.setPen(outline);
        p.setBrush(QColor(170, 175, 185));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case ToolPicture::Copy:
        sheet(QRectF(1.5, 1.5, 8, 10));
        sheet(QRectF(6.5, 4.5, 8, 10));
        break;
    case ToolPicture::Paste:
        p.setPen(outline);
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(2.5, 2.5, 10, 12), 1.5, 1.5);
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(5.5, 1.5, 4, 2.5));
        sheet(QRectF(7.5, 6.5, 7, 8));
        break;
    case ToolPicture::Generator:
        p.setPen(outline);
        p.setBrush(QColor(250, 250, 245));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        for (const QPointF dot : {QPointF(5, 5), QPointF(8, 8), QPointF(11, 11), QPointF(11, 5), QPointF(5, 11)})
            p.drawEllipse(dot, 1.3, 1.3);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

}  // namespace

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Datei"));
    addItem(file, tr("&Neu..."), this, [this] { runCommand([this] { newCommand(); }); }, QKeySequence::New);
    addItem(file, tr("\u00d6&ffnen..."), this, [this] { openCommand(); }, QKeySequence::Open);
    addItem(file, tr("&Speichern"), this, [this] { saveCommand(false); }, QKeySequence::Save);
    addItem(file, tr("Speichern &unter..."), this, [this] { saveCommand(true); }, QKeySequence::SaveAs);
    file->addSeparator();
    QAction* print = addItem(file, tr("&Drucken..."), this, [this] { runCommand([this] { printCommand(); }); }, QKeySequence::Print);
    print->setObjectName(QStringLiteral("PrintMenu"));
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setVisible(false);
    for (int i = 0; i < RecentCount; ++i) {
        recentActions_[i] = file->addAction(QString());
        recentActions_[i]->setObjectName(QStringLiteral("File%1Menu").arg(i + 1));
        recentActions_[i]->setVisible(false);
        connect(recentActions_[i], &QAction::triggered, this, [this, i] { reopen(i); });
    }
    file->addSeparator();
    addItem(file, tr("&Beenden"), this, [this] { close(); }, QKeySequence::Quit);

    QMenu* edit = menuBar()->addMenu(tr("&Bearbeiten"));
    undoAction_ = addItem(edit, tr("&Rückg\u00e4ngig (%1)").arg(tr("Keine")), this, [this] { undoCommand(); }, QKeySequence::Undo);
    edit->addSeparator();
    addItem(edit, tr("&Kopieren"), this, [this] { copyCommand(); }, QKeySequence::Copy);
    pasteAction_ = addItem(edit, tr("&Einf\u00fcgen"), this, [this] { pasteCommand(); }, QKeySequence::Paste);
    edit->addSeparator();
    QAction* imageSize = addItem(edit, tr("&Bildgr\u00f6ße..."), this, [this] { runCommand([this] { imageSizeCommand(); }); });
    imageSize->setObjectName(QStringLiteral("ImageSizeMenu"));
    // The deformation dialog stays open beside the window; its command waits until it closes.
    QAction* charDeform = edit->addAction(tr("&Zeichen verformen..."));
    charDeform->setObjectName(QStringLiteral("CharDeformMenu"));
    connect(charDeform, &QAction::triggered, this, [this, charDeform] {
        auto* dialog = new CharDeformDialog(*this, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        charDeform->setEnabled(false);
        connect(dialog, &QObject::destroyed, charDeform, [charDeform] { charDeform->setEnabled(true); });
        dialog->show();
        dialog->move(geometry().center() - dialog->rect().center());
    });
    edit->addSeparator();
    // Off: the picture is drawn once the hand rests, as ever.
    liveAction_ = addItem(edit, tr("&Live-Vorschau"), this, [this](bool on) { setLivePreview(on); });
    liveAction_->setObjectName(QStringLiteral("LivePreviewMenu"));
    liveAction_->setCheckable(true);
    liveAction_->setChecked(livePreview_);
    connect(edit, &QMenu::aboutToShow, this, [this] {
        undoAction_->setText(undoCaption());
        undoAction_->setEnabled(engine_->Undo.action != 0);
        pasteAction_->setEnabled(pasteEnabled());
    });

    QMenu* help = menuBar()->addMenu(tr("&Hilfe"));
    helpMenu_ = help;
    addItem(help, tr("&Hilfethemen"), this, [this] { showHelpContents(); }, QKeySequence::HelpContents);
    addItem(help, tr("Schrifteffekt-&Assistent"), this, [this] { showAssistant(); });
    help->addSeparator();
    shortHelpAction_ = help->addAction(tr("&Kurzhilfe"));
    tipOfDayAction_ = help->addAction(tr("&Tipp des Tages"));
    demoAction_ = help->addAction(tr("&Demo nach Programmstart"));
    for (QAction* a : {shortHelpAction_, tipOfDayAction_, demoAction_}) a->setCheckable(true);
    QAction* demo = addItem(help, tr("&Effect generator"), this, [this] { startSlideShow(false, true); });
    demo->setObjectName(QStringLiteral("DemoMenu"));
    QAction* fullScreen = addItem(help, tr("&SlideShow (full screen)"), this, [this] { startSlideShow(true, true); });
    fullScreen->setObjectName(QStringLiteral("VollbilddemoMenu"));
    connect(tipOfDayAction_, &QAction::triggered, this, [this] { showTip(); });
    buildLanguageMenu(help);
    help->addSeparator();
    addItem(help, tr("Internet: &Homepage"), this, [this] { openWebPage(0); });
    addItem(help, tr("Internet: &Updates"), this, [this] { openWebPage(1); });
    addItem(help, tr("Internet: &Kostenlose Texturen"), this, [this] { openWebPage(2); });
    help->addSeparator();
    addItem(help, tr("&Info..."), this, [this] {
        QMessageBox::about(this, tr("Vortel"), tr("Vortel %1\nTexteffekte aus Schrift, Umrisslinien und Licht.").arg(ProgramVersion));
    });
}

// The language to speak from the next start: the windows are built with their texts once, so the
// choice is stored and said to take effect then. The names stay in their own language.
void MainWindow::buildLanguageMenu(QMenu* parent) {
    QMenu* menu = parent->addMenu(tr("S&prache"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    const struct {
        const char* name;
        const char* code;
        UiLanguage language;
    } choices[] = {{QT_TR_NOOP("Deutsch"), "de", UiLanguage::German}, {QT_TR_NOOP("English"), "en", UiLanguage::English}};
    for (const auto& choice : choices) {
        QAction* action = menu->addAction(tr(choice.name));
        action->setObjectName(QStringLiteral("LanguageMenu_") + QLatin1String(choice.code));
        action->setCheckable(true);
        action->setChecked(choice.language == CurrentUiLanguage());
        group->addAction(action);
        const std::string code = choice.code;
        connect(action, &QAction::triggered, this, [this, code] {
            const std::string before = settings_.readString("Options", "Language", "");
            settings_.writeString("Options", "Language", code);
            if (before != code)
                messages_.messageBox(QT_TRANSLATE_NOOP("Messages", "Die gewählte Sprache gilt ab dem nächsten Programmstart."),
                                     "Vortel", MessageIcon::Information);
        });
    }
}

void MainWindow::buildToolBar() {
    QToolBar* bar = addToolBar(tr("Werkzeuge"));
    bar->setObjectName(QStringLiteral("MainToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);  // buttons without an icon show their text
    QStyle* s = style();
    auto icon = [](const char* theme, const QIcon& fallback) { return QIcon::fromTheme(QString::fromLatin1(theme), fallback); };
    bar->addAction(icon("document-new", s->standardIcon(QStyle::SP_FileIcon)), tr("Neu"), this,
                   [this] { runCommand([this] { newCommand(); }); });
    bar->addAction(icon("document-open", s->standardIcon(QStyle::SP_DialogOpenButton)), tr("Öffnen"), this, [this] { openCommand(); });
    bar->addAction(icon("document-save", s->standardIcon(QStyle::SP_DialogSaveButton)), tr("Speichern"), this, [this] { saveCommand(false); });
    QAction* print = bar->addAction(icon("document-print", toolIcon(ToolPicture::Print)), tr("Drucken"), this,
                                    [this] { runCommand([this] { printCommand(); }); });
    print->setObjectName(QStringLiteral("PrintSpeedButton"));
    bar->addSeparator();
    bar->addAction(icon("edit-undo", s->standardIcon(QStyle::SP_ArrowBack)), tr("Rückg\u00e4ngig"), this, [this] { undoCommand(); });
    bar->addAction(icon("edit-copy", toolIcon(ToolPicture::Copy)), tr("Kopieren"), this, [this] { copyCommand(); });
    bar->addAction(icon("edit-paste", toolIcon(ToolPicture::Paste)), tr("Einf\u00fcgen"), this, [this] { pasteCommand(); });
    bar->addSeparator();
    auto* group = new QActionGroup(this);
    const QString names[3] = {tr("Entwurf"), tr("Normal"), tr("Gegl\u00e4ttet")};
    for (int i = 0; i < 3; ++i) {
        qualityActions_[i] = bar->addAction(names[i], this, [this, i] { setQuality(Quality(i)); });
        qualityActions_[i]->setCheckable(true);
        group->addAction(qualityActions_[i]);
    }
    bar->addSeparator();
    // Outside professional mode it starts and stops the effect generator; in professional mode it
    // opens the adjustment dialog for the whole picture.
    slideShowAction_ = bar->addAction(toolIcon(ToolPicture::Generator), tr("Effekt-Generator"));
    slideShowAction_->setObjectName(QStringLiteral("AlterFullImageSpeedButton"));
    slideShowAction_->setCheckable(true);
    connect(slideShowAction_, &QAction::triggered, this, [this] {
        if (professional()) {
            slideShowAction_->setChecked(false);
            alterFullImage();
            return;
        }
        pages::SlideShow* show = stylePage()->slideShow();
        if (show->running()) {
            show->stop();
        } else {
            startSlideShow(false, true);
        }
    });
    bar->addSeparator();
    profiAction_ = bar->addAction(tr("Profi"));
    profiAction_->setCheckable(true);
    connect(profiAction_, &QAction::toggled, this, [this](bool on) {
        if (!panels_) return;  // while the settings are read: the pages follow once the document exists
        for (const auto& [index, page] : pages_) page->setProfessional(on);
    });
}

}  // namespace vortel::app
