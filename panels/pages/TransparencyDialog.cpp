#include "panels/pages/TransparencyDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "panels/presets/ComboNumber.h"

namespace vortel::pages {

void StartFlatProfile(TFontFX& engine) {
    if (engine.Bevel.enabled()) return;
    BevelParams b = engine.Bevel;
    b.Points[0].SegmentType = 1;
    BevelPoint& end = b.Points[1];
    end.X = 1000, end.Y = 500, end.ColorMode = 0, end.SegmentType = 1, end.Transparency = 0;
    engine.setBevelProfile(b.Points, 1);
    engine.setBevelEnabled(true);
    engine.setBevelValues(b.BevelHeight, b.BevelSize, 0, b.BevelAngle);
}

TransparencyDialog::TransparencyDialog(PageHost& host, int segment, std::function<void()> redraw, QWidget* parent)
    : QDialog(parent), host_(host), segment_(segment), redraw_(std::move(redraw)) {
    setObjectName(QStringLiteral("TransparenzForm"));
    setWindowTitle(tr("Transparenz"));
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("TransComboBox"));
    combo_->setEditable(true);
    // Spaces line the numbers up in the proportional font: two stand for a digit.
    combo_->addItem(QStringLiteral("    0 %"));
    for (int percent = 10; percent <= 90; percent += 10) combo_->addItem(QStringLiteral("  %1 %").arg(percent));
    combo_->addItem(QStringLiteral("100 %"));
    auto* label = new QLabel(tr("&Transparenz"), this);
    label->setBuddy(combo_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(combo_, 0, 1);
    grid->addWidget(buttons, 1, 0, 1, 2);
    setFixedSize(sizeHint());

    IniFile& ini = host_.settings();
    const int left = ini.readInteger("Transp", "Left", -1), top = ini.readInteger("Transp", "Top", -1);
    // A stored place counts only where the whole dialog is on the screen's available area.
    const QScreen* display = QGuiApplication::primaryScreen();
    const QRect area = display ? display->availableGeometry() : QRect(0, 0, 1024, 768);
    if (left >= 0 && top >= 0 && area.contains(QRect(QPoint(left, top), size()))) move(left, top);

    TFontFX& e = host_.engine();
    if (segment_ == AllPoints) StartFlatProfile(e);
    const int shown = segment_ == AllPoints ? 1 : std::clamp(segment_, 1, int(e.Bevel.Points.size()) - 1);
    saved_ = e.Bevel.Points[size_t(shown)].Transparency;
    combo_->setEditText(QString::asprintf("%3d %%", saved_));
    connect(combo_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        // Beyond the percent range the nearest end counts.
        store(std::clamp(presets::ReadComboNumber(text.toStdString()), 0, 100));
    });
}

void TransparencyDialog::store(int value) {
    TFontFX& e = host_.engine();
    BevelParams b = e.Bevel;
    if (segment_ == AllPoints) {
        for (BevelPoint& p : b.Points) p.Transparency = uint8_t(value);
    } else if (segment_ >= 1 && size_t(segment_) < b.Points.size()) {
        b.Points[size_t(segment_)].Transparency = uint8_t(value);
    } else {
        return;
    }
    if (std::equal(b.Points.begin(), b.Points.end(), e.Bevel.Points.begin(),
                   [](const BevelPoint& p, const BevelPoint& q) { return p.Transparency == q.Transparency; }))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    e.setBevelProfile(b.Points, b.SegmentCount);
    e.Modified = 1;
    if (redraw_) redraw_();
    QApplication::restoreOverrideCursor();
}

void TransparencyDialog::reject() {
    store(saved_);
    QDialog::reject();
}

void TransparencyDialog::done(int result) {
    if (!isMinimized() && !isMaximized()) {
        host_.settings().writeInteger("Transp", "Left", x());
        host_.settings().writeInteger("Transp", "Top", y());
    }
    QDialog::done(result);
}

}  // namespace vortel::pages
