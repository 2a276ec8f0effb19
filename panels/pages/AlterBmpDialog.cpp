#include "panels/pages/AlterBmpDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <memory>

#include "controls/QtImages.h"
#include "document/ImageBmp.h"
#include "document/ImageFile.h"

namespace vortel::pages {

namespace {

constexpr int JpegQuality = 90;

// The part of `picture` from `origin` on, at most `size` large (nothing outside the picture).
Bitmap Crop(const Bitmap& picture, QPoint origin, QSize size) {
    const int w = std::clamp(size.width(), 0, std::max(0, picture.width - origin.x()));
    const int h = std::clamp(size.height(), 0, std::max(0, picture.height - origin.y()));
    Bitmap part{w, h, std::vector<uint8_t>(size_t(w) * size_t(h) * 3)};
    for (int y = 0; y < h; ++y) {
        const uint8_t* from = picture.bgr.data() + (size_t(origin.y() + y) * size_t(picture.width) + size_t(origin.x())) * 3;
        std::copy_n(from, size_t(w) * 3, part.bgr.data() + size_t(y) * size_t(w) * 3);
    }
    return part;
}

}  // namespace

AlterBmpDialog::AlterBmpDialog(PageHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("AlterBmpForm"));
    setWindowTitle(tr("Bitmap \u00e4ndern"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    const Bitmap picture = host_.picture();
    startSize_ = QSize(picture.width, picture.height);
    // Slider moves come much faster than a large picture's pass: they are gathered until the
    // event loop is free, and one pass then takes the latest positions.
    colorTimer_ = new QTimer(this);
    colorTimer_->setSingleShot(true);
    colorTimer_->setInterval(0);
    connect(colorTimer_, &QTimer::timeout, this, [this] { runColors(); });
    build();
}

void AlterBmpDialog::build() {
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("AlterScrollBox"));
    scroll_->setFixedSize(ScrollWidth, ScrollHeight);
    scroll_->setAlignment(Qt::AlignCenter);
    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("AlterImage"));
    scroll_->setWidget(picture_);

    static const char* const names[SliderCount] = {"FarbtonTrackBar", "HelligkeitTrackBar", "SaettigungTrackBar",
                                                   "RedTrackBar",     "GreenTrackBar",      "BlueTrackBar"};
    const QString captions[SliderCount] = {tr("Farbton"), tr("Helligkeit"), tr("S\u00e4ttigung"),
                                           tr("Rot"),     tr("Gr\u00fcn"),  tr("Blau")};
    auto* grid = new QGridLayout;
    for (int i = 0; i < SliderCount; ++i) {
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QString::fromLatin1(names[i]));
        slider->setRange(presets::SliderMin, presets::SliderMax);
        slider->setValue(0);
        slider->setPageStep(10);
        slider->setProperty("tag", i + 1);
        slider->setMinimumWidth(200);
        auto* edit = new QLineEdit(QStringLiteral("0"), this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setValidator(new QIntValidator(presets::SliderMin, presets::SliderMax, edit));
        edit->setFixedWidth(48);
        auto* label = new QLabel(captions[i], this);
        label->setBuddy(slider);
        grid->addWidget(label, i, 0);
        grid->addWidget(slider, i, 1);
        grid->addWidget(edit, i, 2);
        sliders_[i] = slider;
        edits_[i] = edit;
        connect(slider, &QSlider::valueChanged, this, [this, i](int value) { sliderChanged(i, value); });
        // A number typed moves the slider; a half-typed one ("-") waits.
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            bool ok = false;
            const int value = text.toInt(&ok);
            if (ok) sliders_[i]->setValue(std::clamp(value, presets::SliderMin, presets::SliderMax));
        });
    }

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* soften = button(tr("&Weicher"), "WeicherButton");
    QPushButton* sharpen = button(tr("&Sch\u00e4rfer"), "SchaerferButton");
    QPushButton* rotate = button(tr("&Drehen"), "DrehenButton");
    QPushButton* mirror = button(tr("Spiegeln"), "SpiegelnButton");
    QPushButton* resetButton = button(tr("Reset"), "ResetButton");
    QPushButton* save = button(tr("Speichern..."), "SpeichernButton");
    QPushButton* applyButton = button(tr("&Übernehmen"), "UebernehmenButton");
    QPushButton* ok = button(tr("OK"), "OkButton");
    QPushButton* cancel = button(tr("Abbrechen"), "AbbrechenButton");
    ok->setDefault(true);
    connect(soften, &QPushButton::clicked, this, [this] { operation(&presets::AdjustDialogState::soften); });
    connect(sharpen, &QPushButton::clicked, this, [this] { operation(&presets::AdjustDialogState::sharpen); });
    connect(rotate, &QPushButton::clicked, this, [this] { operation(&presets::AdjustDialogState::rotate); });
    connect(mirror, &QPushButton::clicked, this, [this] { operation(&presets::AdjustDialogState::mirror); });
    connect(resetButton, &QPushButton::clicked, this, [this] { reset(true); });
    connect(save, &QPushButton::clicked, this, [this] { askSave(); });
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* tools = new QGridLayout;
    tools->addWidget(soften, 0, 0);
    tools->addWidget(sharpen, 0, 1);
    tools->addWidget(rotate, 1, 0);
    tools->addWidget(mirror, 1, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(grid);
    right->addSpacing(8);
    right->addLayout(tools);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(scroll_);
    top->addLayout(right, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(resetButton);
    bottom->addWidget(save);
    bottom->addStretch(1);
    bottom->addWidget(applyButton);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

QString AlterBmpDialog::modeCaption() const {
    return mode_ == ImageMode ? tr("Bild \u00e4ndern") : tr("Textur \u00e4ndern");
}

void AlterBmpDialog::start(int mode) {
    mode_ = mode == ImageMode ? ImageMode : mode == TextTexture ? TextTexture : BackgroundTexture;
    setWindowTitle(modeCaption());
    reset(false);
}

presets::ColorSliders AlterBmpDialog::sliderValues() const {
    return {sliders_[0]->value(), sliders_[1]->value(), sliders_[2]->value(),
            sliders_[3]->value(), sliders_[4]->value(), sliders_[5]->value()};
}

void AlterBmpDialog::setSlidersMuted(const presets::ColorSliders& values) {
    const int v[SliderCount] = {values.hue, values.lightness, values.saturation, values.red, values.green, values.blue};
    muted_ = true;
    for (int i = 0; i < SliderCount; ++i) {
        sliders_[i]->setValue(v[i]);
        edits_[i]->setText(QString::number(v[i]));
    }
    muted_ = false;
}

void AlterBmpDialog::reset(bool byButton) {
    colorTimer_->stop();
    setSlidersMuted({});
    Bitmap picture;
    if (mode_ == ImageMode) {
        const Bitmap now = host_.picture();
        const bool turned = now.width != now.height && QSize(now.height, now.width) == startSize_;
        if (turned) host_.setImageSize(startSize_.width(), startSize_.height());
        if (turned || byButton) host_.recalculate();
        // The part from 10 pixels left of and above the text's box (the engine counts its rows
        // from the bottom).
        const Bitmap whole = host_.picture();
        const Rect b = host_.engine().WarpedBounds;
        origin_ = b.right > b.left && b.bottom > b.top ? QPoint(b.left - 10, whole.height - b.bottom - 10) : QPoint();
        origin_ = QPoint(std::clamp(origin_.x(), 0, std::max(0, whole.width - 1)),
                         std::clamp(origin_.y(), 0, std::max(0, whole.height - 1)));
        picture = Crop(whole, origin_, QSize(ScrollWidth - 5, ScrollHeight - 5));
    } else {
        const FillRecord& fill = mode_ == TextTexture ? host_.engine().TextFill : host_.engine().BackFill;
        if (fill.Texture) picture = *fill.Texture;
        origin_ = {};
    }
    state_.reset(std::move(picture));
    showPicture();
}

void AlterBmpDialog::sliderChanged(int index, int value) {
    if (muted_) return;
    // The edit box follows unless it already says this number (typing "05" is left alone).
    bool ok = false;
    if (edits_[index]->text().toInt(&ok) != value || !ok) edits_[index]->setText(QString::number(value));
    if (!colorTimer_->isActive()) colorTimer_->start();
}

void AlterBmpDialog::flushColors() {
    if (!colorTimer_->isActive()) return;
    colorTimer_->stop();
    runColors();
}

void AlterBmpDialog::runColors() {
    ++colorPasses_;
    state_.setSliders(sliderValues());
    showPicture();
}

// One picture pixel a device pixel, as in the image view.
void AlterBmpDialog::showPicture() {
    QImage image = controls::ToQImage(state_.shown());
    image.setDevicePixelRatio(picture_->devicePixelRatioF());
    picture_->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    picture_->resize(image.isNull() ? QSize(0, 0) : image.deviceIndependentSize().toSize());
}

void AlterBmpDialog::operation(void (presets::AdjustDialogState::*op)()) {
    flushColors();
    (state_.*op)();
    showPicture();
}

void AlterBmpDialog::apply() {
    flushColors();
    setWindowTitle(tr("Bitte warten..."));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (mode_ == ImageMode) {
        Bitmap image = host_.picture();
        if (state_.applyToImage(image)) {
            if (image.width != host_.picture().width || image.height != host_.picture().height)
                host_.setImageSize(image.width, image.height);
            const QImage shown = controls::ToQImage(image);
            host_.paintOnPicture([&](QPainter& painter) { painter.drawImage(0, 0, shown); });
            // The picture has the colours now: the sliders start again from 0, or the next move
            // would give them twice.
            setSlidersMuted({});
            showPicture();
        }
    } else if (!state_.shown().empty()) {
        // An empty texture stays as it was: a texture fill of nothing would only paint black.
        TFontFX& engine = host_.engine();
        engine.setFillKind(mode_, 0);
        engine.setTexture(mode_, std::make_shared<Bitmap>(state_.shown()), "EDITBITMAP");
        engine.Modified = 1;
        host_.recalculate();
        if (host_.panels().events.refresh) host_.panels().events.refresh(presets::Page::Surface);
    }
    setWindowTitle(modeCaption());
}

void AlterBmpDialog::askSave() {
    flushColors();
    const QStringList filters = {tr("BMP - Windows Bitmap (*.bmp)"), tr("JPG - JPEG JFIF Compliant (*.jpg)")};
    QFileDialog dialog(this, tr("Speichern unter"));
    dialog.setObjectName(QStringLiteral("AlterSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    if (host_.execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    saveTo(dialog.selectedFiles().first(), dialog.selectedNameFilter() == filters[1]);
}

void AlterBmpDialog::saveTo(const QString& name, bool jpeg) {
    flushColors();
    const QFileInfo info(name);
    const QString base = info.suffix().isEmpty() ? name : info.path() + QLatin1Char('/') + info.completeBaseName();
    try {
        const Bitmap picture = mode_ == ImageMode ? host_.picture() : state_.shown();
        // The codec encodes the picture itself: no BMP is written first and deleted again.
        if (jpeg) {
            saveJpeg((base + QStringLiteral(".jpg")).toStdString(), picture, JpegQuality);
        } else {
            saveBmp((base + QStringLiteral(".bmp")).toStdString(), picture);
        }
    } catch (const std::exception& e) {
        host_.messages().messageBox(e.what(), tr("Fehler").toStdString(), MessageIcon::Error);
    }
}

}  // namespace vortel::pages
