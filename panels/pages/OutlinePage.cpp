#include "panels/pages/OutlinePage.h"
#include "panels/pages/ValueRows.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QVBoxLayout>
#include <QtMath>

#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "panels/presets/PresetValues.h"

namespace vortel::pages {

namespace {

const QColor GlyphKey(236, 236, 236);
constexpr int PositionMax = 20, SizeMax = 30;
// What the edit boxes take: the slider position for the points, a size for X and Y.
constexpr int EditMax[] = {PositionMax, 999, 999};

}  // namespace

// A ring of the kind's edge: spikes for the stars, round bulges for the Bézier kinds, jittered
// for the random ones; dots round a ring for noise.
QImage OutlinePage::KindGlyph(int kind) {
    QImage glyph = controls::DeviceImage(QSize(18, 18), controls::ScreenRatio(), GlyphKey);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(9, 9);
    p.setPen(QPen(Qt::black, 1));
    if (kind == 4) {
        p.setBrush(Qt::black);
        static const double radii[] = {6.5, 5.5, 7.0, 6.0, 5.0, 7.2, 6.2, 5.6, 6.8, 5.2, 6.4, 7.0};
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawEllipse(QPointF(radii[i] * std::cos(a), radii[i] * std::sin(a)), 0.8, 0.8);
        }
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 3.5, 3.5);
        return glyph;
    }
    const bool random = kind == 1 || kind == 3, bezier = kind == 2 || kind == 3;
    static const double jitter[] = {1.0, 0.6, 1.15, 0.75, 1.05, 0.55, 0.9, 1.2};
    const int tips = 8;
    QPainterPath path;
    for (int i = 0; i < tips; ++i) {
        const double a = i * 2 * M_PI / tips - M_PI / 2, b = a + M_PI / tips;
        const double outer = 7.5 * (random ? jitter[i] * 0.85 + 0.1 : 1.0), inner = 3.5;
        const QPointF tip(outer * std::cos(a), outer * std::sin(a));
        const QPointF valley(inner * std::cos(b), inner * std::sin(b));
        if (i == 0) path.moveTo(inner * std::cos(a - M_PI / tips), inner * std::sin(a - M_PI / tips));
        if (bezier) {
            path.quadTo(tip * 1.25, valley);
        } else {
            path.lineTo(tip);
            path.lineTo(valley);
        }
    }
    path.closeSubpath();
    p.setBrush(QColor(90, 90, 90));
    p.drawPath(path);
    return glyph;
}

OutlinePage::OutlinePage(PageHost& host) : EffectPage(host, presets::Page::Outline) {
    setObjectName(QStringLiteral("OutlinePanel"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    list_ = new PresetPictureList(QStringLiteral("Out_"), presets::OutlinePresetCount, QSize(33, 28));
    list_->setObjectName(QStringLiteral("OutlineListBox"));
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (refreshing()) return;
        panels().ApplyOutlinePreset(list_->row(item), newStamp());
        engine().Modified = 1;
    });
    layout->addWidget(list_, 1);

    auto* values = new QVBoxLayout;
    values->setSpacing(2);
    auto* kindRow = new QHBoxLayout;
    kindRow->setSpacing(1);
    static const char* const kindNames[5] = {"OutlineSternSpeedButton", "OutlineRandomSternSpeedButton",
                                             "OutlineBezierSpeedButton", "OutlineRandomBezierSpeedButton",
                                             "OutlineNoiseSpeedButton"};
    const QString kindHints[5] = {tr("Stern"), tr("Random Stern"), tr("Bezier"), tr("Random Bezier"), tr("Noise")};
    for (int k = 0; k < 5; ++k) {
        kinds_[k] = new controls::SpeedButton(KindGlyph(k), kindHints[k]);
        kinds_[k]->setObjectName(QString::fromLatin1(kindNames[k]));
        kinds_[k]->tag = k;
        kinds_[k]->setGroup(1);
        kinds_[k]->setFixedSize(24, 24);
        kindRow->addWidget(kinds_[k]);
        connect(kinds_[k], &QToolButton::clicked, this, [this, k] { kindClicked(k); });
    }
    kindRow->addStretch(1);
    values->addLayout(kindRow);

    // The three values: caption, track bar, edit box, and the two step buttons.
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    static const char* const names[ValueCount] = {"Points", "X", "Y"};
    const QString captions[ValueCount] = {tr("Points"), tr("X size"), tr("Y size")};
    const int maxima[ValueCount] = {PositionMax, SizeMax, SizeMax};
    for (int v = 0; v < ValueCount; ++v) {
        const ValueRow row = AddValueRow(grid, v, captions[v], QStringLiteral("Outline"), QString::fromLatin1(names[v]), 0, maxima[v], 44);
        captions_[v] = row.caption, bars_[v] = row.bar, edits_[v] = row.edit;
        const Value source = Value(v);
        connect(bars_[v], &QSlider::valueChanged, this, [this, source] { trackBarMoved(source); });
        connect(edits_[v], &QLineEdit::textEdited, this, [this, source] { editTyped(source); });
    }
    for (int tag = 1; tag <= 6; ++tag) {
        auto* step = AddStepButton(grid, QStringLiteral("Outline"), tag);
        connect(step, &QToolButton::clicked, this, [this, tag] { stepClicked(tag); });
        steps_[tag - 1] = step;
    }
    grid->setColumnStretch(1, 1);
    values->addLayout(grid);
    values->addStretch(1);
    layout->addLayout(values, 1);
}

void OutlinePage::setProfessional(bool on) {
    // The assistant offers the presets and the three track bars.
    for (controls::SpeedButton* kind : kinds_) kind->setVisible(on);
    for (QLineEdit* edit : edits_) edit->setVisible(on);
    for (controls::SpeedButton* step : steps_) step->setVisible(on);
}

void OutlinePage::refresh() {
    muted([&] {
        if (!list_->filled()) list_->fill();
        list_->showSelected(panels().selectedOutline);
        const uint8_t kind = engine().Fringe.FringeKind;
        for (controls::SpeedButton* button : kinds_) button->setDown(button->tag == kind);
        showValues();
    });
}

void OutlinePage::showValues() {
    const FringeParams& f = engine().Fringe;
    const int values[ValueCount] = {presets::OutlinePositionForStep(f.OutlineStep), f.FringeX, f.FringeY};
    muted([&] {
        for (int v = 0; v < ValueCount; ++v) {
            bars_[v]->setValue(values[v]);
            if (!edits_[v]->hasFocus() || edits_[v]->text().toInt() != values[v])
                edits_[v]->setText(QString::number(values[v]));
        }
    });
}

OutlinePage::Fringe OutlinePage::current() const {
    const FringeParams& f = const_cast<OutlinePage*>(this)->engine().Fringe;
    return {f.FringeKind, f.OutlineStep, f.FringeX, f.FringeY};
}

// Every change takes a new time stamp; a second change within the same millisecond still gets
// one of its own, so the random kinds always change their pattern.
int32_t OutlinePage::newStamp() {
    int32_t stamp = presets::TickCount();
    if (stamp == engine().Fringe.FringeSeed) ++stamp;
    return stamp;
}

void OutlinePage::store(const Fringe& f) {
    engine().setFringe(f.kind, f.step, f.x, f.y, newStamp());
    engine().Modified = 1;
    panels().selectedOutline = -1;
    muted([&] { list_->showSelected(-1); });
}

void OutlinePage::render() {
    if (shown()) host_.recalculate();
}

void OutlinePage::kindClicked(int kind) {
    Fringe f = current();
    f.kind = static_cast<uint8_t>(kind);
    store(f);
    muted([&] {
        for (controls::SpeedButton* button : kinds_) button->setDown(button->tag == kind);
    });
    render();
}

// A track bar writes its own value only: an X or Y beyond the bar's end stays when another bar moves.
void OutlinePage::trackBarMoved(Value source) {
    if (refreshing()) return;
    Fringe f = current();
    const int value = bars_[source]->value();
    if (source == Points) f.step = presets::OutlineStepForPosition(value);
    if (source == X) f.x = value;
    if (source == Y) f.y = value;
    store(f);
    showValues();
    if (shown()) host_.valueMoving(400);
}

void OutlinePage::editTyped(Value source) {
    if (refreshing()) return;
    bool ok = false;
    const int value = edits_[source]->text().trimmed().toInt(&ok);
    if (!ok || value < 0 || value > EditMax[source]) return;  // half typed: the last good value stays
    Fringe f = current();
    if (source == Points) f.step = presets::OutlineStepForPosition(value);
    if (source == X) f.x = value;
    if (source == Y) f.y = value;
    store(f);
    showValues();
    render();
}

// Tags 1 and 2: fewer or more points (one slider position); 3 .. 6: X and Y down or up by one.
void OutlinePage::stepClicked(int tag) {
    Fringe f = current();
    const int delta = tag % 2 ? -1 : 1;
    if (tag <= 2) {
        const int position = std::clamp(presets::OutlinePositionForStep(f.step) + delta, 0, PositionMax);
        f.step = presets::OutlineStepForPosition(position);
    } else {
        int32_t& size = tag <= 4 ? f.x : f.y;
        size = std::clamp(size + delta, 0, EditMax[X]);
    }
    store(f);
    showValues();
    render();
}

}  // namespace vortel::pages
