#include "panels/pages/ShadowPage.h"

#include <cmath>

#include <algorithm>

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "panels/pages/ColorListBox.h"
#include "panels/pages/NumberCombo.h"
#include "panels/pages/SurfaceWidgets.h"

namespace vortel::pages {

namespace {

QString offsetText(int v) { return QString::asprintf("%3d", v); }
QString percentText(int v) { return QString::asprintf("%3d %%", v); }
QString angleText(int v) { return QString::asprintf("%4d \u00b0", v); }

QStringList range(int from, int to, int step, QString (*format)(int)) {
    QStringList items;
    for (int v = from; step > 0 ? v <= to : v >= to; v += step) items << format(v);
    return items;
}

int percentOf(double intensity) { return int(std::lround(intensity * 100)); }

}  // namespace

ShadowPage::ShadowPage(PageHost& host) : EffectPage(host, presets::Page::Shadow) {
    setObjectName(QStringLiteral("ShadowPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    list_ = new PresetPictureList(QStringLiteral("Shadow_"), presets::ShadowPresetCount, QSize(46, 43));
    list_->setObjectName(QStringLiteral("ShadowListBox"));
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (refreshing()) return;
        panels().ApplyShadowPreset(list_->row(item));
        engine().Modified = 1;
    });
    layout->addWidget(list_, 1);

    QStringList blurs{NoneText()};
    for (int b : {0, 1, 2, 3, 4, 6, 8, 10, 20, 30}) blurs << QString::number(b);
    static const char* const names[ComboCount] = {"ShadowXComboBox",         "ShadowYComboBox",
                                                  "ShadowBlurComboBox",      "ShadowIntensityComboBox",
                                                  "ShadowAngleComboBox",     "ShadowSizeComboBox"};
    const QStringList items[ComboCount] = {range(50, -50, -5, offsetText),  range(50, -50, -5, offsetText),
                                           blurs,                           range(20, 300, 10, percentText),
                                           range(-120, 180, 15, angleText), range(20, 300, 10, percentText)};
    const QString captions[ComboCount] = {tr("X offset"),  tr("Y offset"), tr("Blur"),
                                          tr("Intensity"), tr("Angle"),    tr("Size")};
    // Offsets, angle and size on the left; blur and intensity, the assistant's two, on the right.
    const QPoint cells[ComboCount] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {0, 2}, {1, 2}};
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    for (int c = 0; c < ComboCount; ++c) {
        combos_[c] = MakeNumberCombo(names[c], items[c]);
        captions_[c] = new QLabel(captions[c]);
        captions_[c]->setBuddy(combos_[c]);
        grid->addWidget(captions_[c], cells[c].y(), cells[c].x() * 2);
        grid->addWidget(combos_[c], cells[c].y(), cells[c].x() * 2 + 1);
        OnNumberChosen(combos_[c], this, [this] {
            if (!refreshing()) valuesChanged();
        });
    }
    colors_ = new ColorListBox;
    colors_->setObjectName(QStringLiteral("ColorComboBox"));
    colors_->askColor = [this](ColorRef current) -> std::optional<ColorRef> {
        QColorDialog dialog(RefColor(current), this);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (host_.execDialog(dialog) != QDialog::Accepted) return std::nullopt;
        return ColorOf(dialog.currentColor());
    };
    connect(colors_, &ColorListBox::colorChosen, this, [this] {
        if (!refreshing()) valuesChanged();
    });
    colorCaption_ = new QLabel(tr("Color"));
    colorCaption_->setBuddy(colors_);
    grid->addWidget(colorCaption_, 3, 2);
    grid->addWidget(colors_, 3, 3);
    grid->setColumnStretch(4, 1);
    auto* values = new QVBoxLayout;
    values->addLayout(grid);
    values->addStretch(1);
    layout->addLayout(values, 1);
}

void ShadowPage::setProfessional(bool on) {
    // The assistant offers the presets, the blur, the intensity and the colour.
    for (Combo c : {X, Y, Angle, Size}) {
        combos_[c]->setVisible(on);
        captions_[c]->setVisible(on);
    }
}

void ShadowPage::refresh() {
    muted([&] {
        if (!list_->filled()) list_->fill();
        list_->showSelected(panels().selectedShadow);
        showValues(engine().Shadow);
    });
}

void ShadowPage::showValues(const ShadowParams& s) {
    ShowNumber(combos_[X], offsetText(s.ShadowX));
    ShowNumber(combos_[Y], offsetText(s.ShadowY));
    ShowNumber(combos_[Blur], s.ShadowBlur < 0 ? NoneText() : QString::number(s.ShadowBlur));
    ShowNumber(combos_[Intensity], percentText(percentOf(s.ShadowIntensity)));
    ShowNumber(combos_[Angle], angleText(s.ShadowAngle));
    ShowNumber(combos_[Size], percentText(s.ShadowSize));
    colors_->showColor(s.ShadowColor);
}

void ShadowPage::valuesChanged() {
    const ShadowParams& old = engine().Shadow;
    ShadowParams read;
    read.ShadowX = NumberOf(combos_[X]);
    read.ShadowY = NumberOf(combos_[Y]);
    // Every negative blur means none.
    read.ShadowBlur = std::max(NumberOf(combos_[Blur]), -1);
    // The combo shows whole percents: an intensity it shows unchanged keeps its own fraction, so
    // choosing "None" for a shadow of 33.3 % does not count as an intensity change.
    const int percent = std::max(NumberOf(combos_[Intensity]), 0);
    read.ShadowIntensity = percent == percentOf(old.ShadowIntensity) ? old.ShadowIntensity : Real48Value(percent / 100.0);
    read.ShadowAngle = NumberOf(combos_[Angle]);
    read.ShadowSize = NumberOf(combos_[Size]);
    read.ShadowColor = colors_->color();
    panels().selectedShadow = -1;
    const ShadowParams stored = panels().SetShadowValues(read);
    engine().Modified = 1;
    muted([&] {
        list_->showSelected(-1);
        if (stored.ShadowBlur != read.ShadowBlur || NumberOf(combos_[Blur]) != stored.ShadowBlur) showValues(stored);
    });
}

}  // namespace vortel::pages
