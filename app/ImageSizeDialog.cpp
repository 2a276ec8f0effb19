#include "app/ImageSizeDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/Controls.h"
#include "panels/presets/TextScaling.h"
#include "platform/Numeric.h"

namespace vortel::app {

ImageSizeDialog::ImageSizeDialog(QSize current, QSize fitted, UserMessages& messages, QWidget* parent)
    : QDialog(parent), current_(current), fitted_(fitted), chosen_(current), messages_(messages) {
    setObjectName(QStringLiteral("ImageSizeForm"));
    setWindowTitle(tr("Bildgr\u00f6ße"));

    auto* group = new QGroupBox(tr("&Bildgr\u00f6ße"), this);
    width_ = new QLineEdit(QString::number(current.width()), group);
    width_->setObjectName(QStringLiteral("WEdit"));
    height_ = new QLineEdit(QString::number(current.height()), group);
    height_->setObjectName(QStringLiteral("HEdit"));
    auto* widthLabel = new QLabel(tr("Breite"), group);
    widthLabel->setBuddy(width_);
    auto* heightLabel = new QLabel(tr("H\u00f6he"), group);
    heightLabel->setBuddy(height_);
    aspect_ = new QCheckBox(tr("Seitenverh\u00e4ltnisse beibehalten"), group);
    aspect_->setObjectName(QStringLiteral("AspectRatioCheckBox"));
    aspect_->setChecked(true);
    scale_ = new QCheckBox(tr("Schriftzug mitskalieren"), group);
    scale_->setObjectName(QStringLiteral("ScaleTextCheckBox"));
    scale_->setChecked(true);
    auto* grid = new QGridLayout(group);
    grid->addWidget(widthLabel, 0, 0);
    grid->addWidget(width_, 0, 1);
    grid->addWidget(new QLabel(tr("Pixel"), group), 0, 2);
    grid->addWidget(heightLabel, 1, 0);
    grid->addWidget(height_, 1, 1);
    grid->addWidget(new QLabel(tr("Pixel"), group), 1, 2);
    grid->addWidget(aspect_, 2, 0, 1, 3);
    grid->addWidget(scale_, 3, 0, 1, 3);

    auto* text = new QGroupBox(tr("Schriftzug"), this);
    minimise_ = new controls::SpeedButton(tr("Bildgr\u00f6ße minimieren"), text);
    minimise_->setObjectName(QStringLiteral("ImageMinimierenSpeedButton"));
    minimise_->setGroup(1, true);
    maximise_ = new controls::SpeedButton(tr("Text maximieren"), text);
    maximise_->setObjectName(QStringLiteral("TextMaximierenSpeedButton"));
    maximise_->setGroup(2, true);
    auto* textLayout = new QVBoxLayout(text);
    for (controls::SpeedButton* b : {minimise_, maximise_}) {
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAutoRaise(false);  // framed, so they read as buttons beside the edits
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        textLayout->addWidget(b);
        connect(b, &QToolButton::toggled, this, &ImageSizeDialog::buttonsChanged);
    }
    textLayout->addStretch(1);

    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &ImageSizeDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(width_, &QLineEdit::textEdited, this, &ImageSizeDialog::widthEdited);
    connect(height_, &QLineEdit::textEdited, this, &ImageSizeDialog::heightEdited);
    connect(aspect_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) widthEdited(width_->text());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* columns = new QHBoxLayout;
    columns->addWidget(group, 1);
    columns->addWidget(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    width_->setFocus();
    width_->selectAll();
}

bool ImageSizeDialog::scaleText() const { return scale_->isChecked(); }
bool ImageSizeDialog::minimise() const { return minimise_->isChecked(); }
bool ImageSizeDialog::maximise() const { return maximise_->isChecked(); }

// With the ratio kept, the other side follows what is typed, rounded to whole pixels.
void ImageSizeDialog::widthEdited(const QString& text) {
    bool ok = false;
    const int w = text.trimmed().toInt(&ok);
    if (!aspect_->isChecked() || !ok || height_->hasFocus() || current_.width() <= 0) return;
    height_->setText(QString::number(roundEven32(double(current_.height()) * w / current_.width())));
}

void ImageSizeDialog::heightEdited(const QString& text) {
    bool ok = false;
    const int h = text.trimmed().toInt(&ok);
    if (!aspect_->isChecked() || !ok || width_->hasFocus() || current_.height() <= 0) return;
    width_->setText(QString::number(roundEven32(double(current_.width()) * h / current_.height())));
}

void ImageSizeDialog::buttonsChanged() {
    const bool min = minimise_->isChecked(), max = maximise_->isChecked();
    if (min || max) scale_->setChecked(true);
    scale_->setEnabled(!min && !max);
    for (QWidget* w : std::initializer_list<QWidget*>{width_, height_, aspect_}) w->setEnabled(!min);
    if (min && typedWidth_.isNull()) {
        typedWidth_ = width_->text(), typedHeight_ = height_->text();
        width_->setText(QString::number(fitted_.width()));
        height_->setText(QString::number(fitted_.height()));
    } else if (!min && !typedWidth_.isNull()) {
        width_->setText(typedWidth_), height_->setText(typedHeight_);
        typedWidth_ = typedHeight_ = QString();
    }
}

// Sizes outside 1 .. 10000 a side (or no number at all) are refused; the dialog stays open.
void ImageSizeDialog::accept() {
    bool okW = false, okH = false;
    const int w = width_->text().trimmed().toInt(&okW), h = height_->text().trimmed().toInt(&okH);
    const auto valid = [](bool ok, int v) { return ok && v >= 1 && v <= presets::MaxImageSide; };
    if (!valid(okW, w) || !valid(okH, h)) {
        messages_.messageBox(tr("Breite und H\u00f6he m\u00fcssen ganze Zahlen von 1 bis %1 Pixel sein.")
                                 .arg(presets::MaxImageSide)
                                 .toStdString(),
                             tr("Bildgr\u00f6ße").toStdString(), MessageIcon::Error);
        (valid(okW, w) ? height_ : width_)->setFocus();
        return;
    }
    chosen_ = QSize(w, h);
    QDialog::accept();
}

}  // namespace vortel::app
