#include "app/JpegOptimizerDialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

#include "controls/QtImages.h"

namespace vortel::app {

JpegOptimizerDialog::JpegOptimizerDialog(Bitmap picture, QString target, UserMessages& messages, QWidget* parent)
    : QDialog(parent), optimizer_(picture), target_(std::move(target)), messages_(messages),
      pictureSize_(picture.width, picture.height) {
    setObjectName(QStringLiteral("SmartSaverJPGForm"));
    setWindowTitle(tr("JPEG Optimizer"));

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("QualityTrackBar"));
    slider_->setRange(0, 100);
    slider_->setValue(JpegOptimizer::InitialQuality);
    slider_->setPageStep(10);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(10);
    slider_->setMinimumWidth(260);
    auto* least = new QLabel(tr("Beste Kompression"), this);
    least->setObjectName(QStringLiteral("KompressionLabel"));
    auto* best = new QLabel(tr("Beste Qualit\u00e4t"), this);
    best->setObjectName(QStringLiteral("QualitaetLabel"));
    auto* info = new QLabel(tr("Qualit\u00e4t:\nDateigr\u00f6ße (.jpg):\nOriginal (.bmp):"), this);
    info->setObjectName(QStringLiteral("InfoLabel"));
    values_ = new QLabel(this);
    values_->setObjectName(QStringLiteral("ValueLabel"));
    values_->setMinimumWidth(70);

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* previewButton = button(tr("&Vorschau"), "VorschauButton");
    QPushButton* saveButton = button(tr("&Speichern"), "SpeichernButton");
    QPushButton* cancel = button(tr("Abbrechen"), "AbbrechenButton");
    saveButton->setDefault(true);
    connect(previewButton, &QPushButton::clicked, this, [this] { preview(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Every slider step asks for a preview; while one is being made the requests wait as one.
    pending_ = new QTimer(this);
    pending_->setSingleShot(true);
    pending_->setInterval(0);
    connect(pending_, &QTimer::timeout, this, [this] { preview(); });
    connect(slider_, &QSlider::valueChanged, this, [this] { requestPreview(); });

    image_ = new QLabel;
    image_->setObjectName(QStringLiteral("PreviewImage"));
    // A picture pixel to a device pixel, as in the image view: artefacts show as they will.
    image_->setFixedSize((QSizeF(pictureSize_) / controls::ScreenRatio()).toSize());
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PreviewScrollBox"));
    scroll_->setWidget(image_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setMinimumSize(360, 200);

    auto* ends = new QHBoxLayout;
    ends->addWidget(least);
    ends->addStretch(1);
    ends->addWidget(best);
    auto* texts = new QHBoxLayout;
    texts->addWidget(info);
    texts->addWidget(values_);
    texts->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addWidget(slider_);
    side->addLayout(ends);
    side->addSpacing(8);
    side->addLayout(texts);
    side->addStretch(1);
    side->addWidget(previewButton);
    side->addWidget(saveButton);
    side->addWidget(cancel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(side);
    resize(720, 380);
}

QString JpegOptimizerDialog::valueText() const { return values_->text(); }

// Painted first, then the first preview, with the picture's middle in view.
void JpegOptimizerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    QTimer::singleShot(0, this, [this] {
        for (QScrollBar* bar : {scroll_->horizontalScrollBar(), scroll_->verticalScrollBar()})
            bar->setValue((bar->minimum() + bar->maximum()) / 2);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        preview();
    });
}

void JpegOptimizerDialog::requestPreview() {
    if (busy_) {
        again_ = true;
        return;
    }
    if (!pending_->isActive()) pending_->start();
}

void JpegOptimizerDialog::preview() {
    if (busy_) {
        again_ = true;
        return;
    }
    busy_ = true;
    pending_->stop();
    const int quality = slider_->value();
    // The BMP's size is not known before the first encoding.
    values_->setText(tr("%1 %\n \n%2 kB").arg(quality).arg(0));
    try {
        const JpegOptimizer::Preview p = optimizer_.preview(quality);
        ++previews_;
        previewedQuality_ = quality;
        QImage shown = controls::ToQImage(p.image);
        shown.setDevicePixelRatio(controls::ScreenRatio());
        image_->setPixmap(QPixmap::fromImage(shown));
        values_->setText(tr("%1 %\n%2 kB\n%3 kB").arg(quality).arg(p.jpegKb).arg(p.bmpKb));
    } catch (const std::exception& e) {
        busy_ = false;
        again_ = false;
        messages_.messageBox(e.what(), tr("Vortel").toStdString(), MessageIcon::Error);
        return;
    }
    busy_ = false;
    // The slider moved meanwhile: one more preview, with where it is now.
    if (again_) {
        again_ = false;
        pending_->start();
    }
}

void JpegOptimizerDialog::save() {
    pending_->stop();
    try {
        optimizer_.save(target_.toStdString(), slider_->value());
    } catch (const std::exception& e) {
        messages_.messageBox(e.what(), tr("Vortel").toStdString(), MessageIcon::Error);
        return;
    }
    accept();
}

}  // namespace vortel::app
