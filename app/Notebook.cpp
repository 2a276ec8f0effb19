// The notebook of effect pages below the picture: its tabs, the Deform page and the pages installed in it.
#include "app/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <filesystem>
#include <new>

#include "app/CharDeformDialog.h"
#include "app/Help.h"
#include "app/ImageFrame.h"
#include "app/ImageView.h"
#include "app/JpegOptimizerDialog.h"
#include "app/MainWindowParts.h"
#include "app/TextInputDialog.h"
#include "controls/Controls.h"
#include "controls/PresetGrid.h"
#include "controls/QtImages.h"
#include "panels/pages/AlterBmpDialog.h"
#include "panels/pages/Pages.h"
#include "panels/pages/SlideShow.h"
#include "panels/pages/StylePage.h"

namespace vortel::app {

namespace {

// The notebook tabs' glyphs, 16 x 16 on a key colour the tabs leave out: a star for the styles, a
// letter for the text, a bent line for the deformations, a gradient square for the surface, a
// bevelled block, a frayed edge for the outline, a square with its shadow, and a picture frame.
QImage tabGlyph(int page) {
    const QColor key(192, 192, 192);
    QImage glyph = controls::DeviceImage(QSize(16, 16), controls::ScreenRatio(), key);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(30, 60, 140), warm(220, 60, 40);
    switch (page) {
    case MainWindow::StylePage: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 3.2 : 7.5;
            star << QPointF(8 + r * std::cos(a), 8.5 + r * std::sin(a));
        }
        p.setPen(QPen(QColor(150, 90, 0), 1));
        p.setBrush(QColor(250, 200, 40));
        p.drawPolygon(star);
        break;
    }
    case MainWindow::TextPage: {
        QFont font;
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("T"));
        break;
    }
    case MainWindow::DeformPage: {
        QPainterPath wave(QPointF(1, 11));
        wave.cubicTo(5, 1, 10, 15, 15, 5);
        p.setPen(QPen(ink, 2.2));
        p.drawPath(wave);
        break;
    }
    case MainWindow::SurfacePage: {
        QLinearGradient gradient(1, 1, 15, 15);
        gradient.setColorAt(0, warm);
        gradient.setColorAt(1, QColor(40, 120, 230));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(gradient);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        break;
    }
    case MainWindow::BevelPage:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 250));
        p.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(15, 1), QPointF(11, 5), QPointF(5, 5), QPointF(5, 11), QPointF(1, 15)}));
        p.setBrush(QColor(60, 60, 90));
        p.drawPolygon(QPolygonF({QPointF(15, 1), QPointF(15, 15), QPointF(1, 15), QPointF(5, 11), QPointF(11, 11), QPointF(11, 5)}));
        p.setBrush(ink);
        p.drawRect(QRectF(5, 5, 6, 6));
        break;
    case MainWindow::OutlinePage: {
        QPolygonF frayed;
        for (int i = 0; i <= 7; ++i) frayed << QPointF(1 + 2 * i, i % 2 ? 4 : 1.5);
        frayed << QPointF(15, 15) << QPointF(1, 15);
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(120, 170, 240));
        p.drawPolygon(frayed);
        break;
    }
    case MainWindow::ShadowPage:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 80, 80));
        p.drawRect(QRectF(5, 5, 10, 10));
        p.setBrush(warm);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(1.5, 1.5, 9, 9));
        break;
    case MainWindow::FramePage:
        p.setPen(QPen(QColor(120, 70, 20), 3));
        p.setBrush(QColor(150, 200, 250));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        break;
    default: break;
    }
    p.end();
    glyph.setPixelColor(0, glyph.height() - 1, key);  // the corner the tabs read their key colour from
    return glyph;
}

}  // namespace

QWidget* MainWindow::placeholderPage(const QString& what) {
    auto* label = new QLabel(what);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

// The Deform page: the thirty shapes with their pictures in three rows, and the four draw buttons
// beside them. A click on a shape fits it to the image and shows it (Shift or Ctrl turns it round).
QWidget* MainWindow::buildDeformPage() {
    QStringList pictures;
    for (int i = 1; i <= presets::GuidePresetCount; ++i) pictures << QStringLiteral("DEFORM_%1").arg(i, 2, 10, QLatin1Char('0'));
    deformList_ = new controls::PresetGrid(pictures, 10, QSize(120, 40), 3);
    deformList_->setObjectName(QStringLiteral("GuideStyleListBox"));
    connect(deformList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const bool shift = QApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        runCommand([&] {
            panels_->ApplyGuidePreset(deformList_->row(item), shift);
            engine_->Modified = 1;
        });
    });
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(deformList_, 1);
    auto* buttons = new QVBoxLayout;
    auto* group = new QButtonGroup(page);
    const char* const names[4] = {"DrawNormalSpeedButton", "DrawEditPointSpeedButton", "DrawGuidesSpeedButton", "DrawSelGuideSpeedButton"};
    const QString captions[4] = {tr(" Move"), tr(" Edit points"), tr(" Draw lines"), tr(" Redraw line")};
    for (int mode = 0; mode < 4; ++mode) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromLatin1(names[mode]));
        button->setText(captions[mode]);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        group->addButton(button, mode);
        buttons->addWidget(button);
        drawButtons_[mode] = button;
        connect(button, &QToolButton::clicked, this, [this, mode] { runCommand([&] { chooseDrawMode(mode); }); });
    }
    drawButtons_[DrawMove]->setChecked(true);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

void MainWindow::buildNotebook() {
    notebook_ = new controls::GlyphTabWidget;
    notebook_->setObjectName(QStringLiteral("PageControl"));
    notebook_->setMinimumHeight(170);
    notebook_->addTab(placeholderPage(tr("Hier werden fertige Styles gew\u00e4hlt.")), tr("Style"));
    notebook_->addTab(placeholderPage(tr("Hier werden Text, Schriftart, Ausrichtung und Abst\u00e4nde eingestellt.")),
                      tr("Text"));
    notebook_->addTab(buildDeformPage(), tr("Deform"));
    notebook_->addTab(placeholderPage(tr("Hier werden Farbe, Farbverlauf, Textur und Pr\u00e4gemuster gew\u00e4hlt.")),
                      tr("Surface"));
    notebook_->addTab(placeholderPage(tr("Hier werden die 3D-Kanten und ihr Profil gestaltet.")), tr("3D Bevel"));
    notebook_->addTab(placeholderPage(tr("Hier werden die Umrisse ausgefranst.")), tr("Outline"));
    notebook_->addTab(placeholderPage(tr("Hier werden Schatten und Leuchten eingestellt.")), tr("Shadow"));
    notebook_->addTab(placeholderPage(tr("Hier wird der Hintergrund-Rahmen gew\u00e4hlt.")), tr("Frame"));
    auto* tabs = static_cast<controls::GlyphTabWidget*>(notebook_);
    for (int page = StylePage; page <= FramePage; ++page) tabs->setTabGlyph(page, tabGlyph(page));
    // Eight tabs with glyphs fit the window's default width with a slightly smaller caption.
    notebook_->setIconSize(QSize(14, 14));
    QFont captions = notebook_->tabBar()->font();
    captions.setPointSizeF(captions.pointSizeF() * 0.9);
    notebook_->tabBar()->setFont(captions);
    connect(notebook_, &QTabWidget::currentChanged, this, [this](int page) { runCommand([&] { pageChanged(page); }); });
}

void MainWindow::pageChanged(int page) {
    if (!engine_) return;
    if (lastPage_ == DeformPage && page != DeformPage) {
        drawMode_ = DrawMove;
        drawButtons_[DrawMove]->setChecked(true);
        capture_ = Capture::None;
        hideGuides();
    }
    // What the bevel editor said about its points belongs to its page.
    if (lastPage_ == BevelPage && page != BevelPage) statusPanels_[1]->clear();
    lastPage_ = page;
    if (pages::EffectPage* shown = effectPage(page)) shown->entered();
    if (page == DeformPage) {
        engine_->GetMiddleOfGuides();
        chooseDrawMode(drawMode_);
        showGuides();
    } else if (page == TextPage) {
        engine_->GetMiddleOfGuides();
        engine_->SelectedGuide = -1;
        // The text frame, dotted, over the picture.
        restoreCleanPicture();
        const QRect frame = textFrame();
        if (!frame.isEmpty()) {
            controls::PaintOnCanvas(*canvas_, [&](QPainter& painter) {
                painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
                painter.setBackground(Qt::white);
                painter.setBackgroundMode(Qt::OpaqueMode);
                painter.drawRect(frame);
            });
        }
        view_->update();
    }
}

void MainWindow::showPage(presets::Page page) { notebook_->setCurrentIndex(int(page)); }

pages::StylePage* MainWindow::stylePage() const { return qobject_cast<pages::StylePage*>(effectPage(StylePage)); }

void MainWindow::startSlideShow(bool fullScreen, bool byUser) {
    pages::SlideShow* show = stylePage()->slideShow();
    if (show->running()) return;
    const auto mode = options_.saver ? pages::SlideShow::Mode::Saver
                      : fullScreen   ? pages::SlideShow::Mode::FullScreen
                                     : pages::SlideShow::Mode::Window;
    if (!professional()) slideShowAction_->setChecked(true);
    // After the show the window started itself: what start-up would have done instead.
    show->start(mode, byUser, [this] {
        if (!options_.withoutSettings && tipOfDayAction_->isChecked()) showTip();
    });
}

pages::EffectPage* MainWindow::effectPage(int index) const {
    const auto it = pages_.find(index);
    return it == pages_.end() ? nullptr : it->second;
}

// The pages that exist take the places of their placeholders.
void MainWindow::installPages() {
    for (const auto& [page, widget] : pages::MakePages(*this)) {
        const int index = int(page);
        const QString caption = notebook_->tabText(index);
        const QIcon glyph = notebook_->tabIcon(index);
        QWidget* placeholder = notebook_->widget(index);
        const bool blocked = notebook_->blockSignals(true);
        notebook_->removeTab(index);
        notebook_->insertTab(index, widget, glyph, caption);
        notebook_->blockSignals(blocked);
        delete placeholder;
        pages_[index] = widget;
    }
}

void MainWindow::refreshPages(presets::Page page) {
    for (const auto& [index, widget] : pages_)
        if (page == presets::Page::All || int(page) == index) widget->refresh();
}

}  // namespace vortel::app
