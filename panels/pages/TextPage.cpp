#include "panels/pages/TextPage.h"
#include "panels/pages/TransparencyDialog.h"
#include "panels/pages/NumberCombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <limits>

#include "controls/Controls.h"
#include "controls/QtImages.h"
#include "engine/Helpers.h"
#include "panels/presets/ComboNumber.h"
#include "platform/FontList.h"

namespace vortel::pages {
namespace {

// Word break and no prefix: the alignment bits 1 (centre) and 2 (right) go on top.
constexpr uint16_t TextFormatBase = 2064;
constexpr uint16_t TextFormatCenter = 1, TextFormatRight = 2;
constexpr int32_t SeedLimit = 2147483647;
constexpr int MemoPointSize = 12;
constexpr int FaceListPointSize = 12;
constexpr int TypingPause = 500;

// The glyphs' background: the bottom-left pixel, left out when the button draws them. A light
// grey, so the antialiased edges blend towards the colour of the page they stand on.
const QColor GlyphKey(236, 236, 236);

// Made for the screen's device pixels; drawn on in layout pixels.
QImage blankGlyph() { return controls::DeviceImage(QSize(18, 18), controls::ScreenRatio(), GlyphKey); }

// A letter, bold or slanted: "F" for bold, "K" for italic.
QImage letterGlyph(const QString& letter, bool bold, bool italic) {
    QImage glyph = blankGlyph();
    QPainter p(&glyph);
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(15);
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 18, 17), Qt::AlignCenter, letter);
    return glyph;
}

// Five lines of alternating length, placed left, centred or right.
QImage alignGlyph(int alignment) {
    QImage glyph = blankGlyph();
    QPainter p(&glyph);
    p.setPen(Qt::black);
    for (int i = 0; i < 5; ++i) {
        const int length = i % 2 == 0 ? 14 : 9;
        const int x = alignment == 0 ? 2 : alignment == 1 ? 2 + (14 - length) / 2 : 16 - length;
        p.drawLine(x, 3 + i * 3, x + length - 1, 3 + i * 3);
    }
    return glyph;
}

// A chequered square under a letter: transparency.
QImage transparencyGlyph() {
    QImage glyph = blankGlyph();
    QPainter p(&glyph);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) p.fillRect(2 + x * 3, 2 + y * 3, 3, 3, (x + y) % 2 ? Qt::white : Qt::darkGray);
    p.setPen(Qt::black);
    p.drawRect(2, 2, 12, 12);
    p.fillRect(9, 9, 7, 7, QColor(0, 0, 160, 150));
    return glyph;
}

QString comboText(int value, bool degrees) {
    const QString number = QString::asprintf("%3d", value);
    return degrees ? number + QStringLiteral(" \u00b0") : number;
}

int32_t comboValue(const QComboBox* combo) { return presets::ReadComboNumber(combo->currentText().toStdString()); }

}  // namespace

// ------------------------------------------------------------------------------- face list items

bool FaceItemDelegate::writesOwnName(const QString& face) const {
    auto it = writesName_.constFind(face);
    if (it == writesName_.constEnd()) {
        const std::string name = face.toStdString();
        it = writesName_.insert(face, FamilyTextFit(name, utf8ToU32(name)) != TextFit::None);
    }
    return it.value();
}

QFont FaceItemDelegate::faceFont(const QString& face) const {
    // A face that cannot write its own name (one of another script, symbols) would show boxes or
    // pictures: its name stands in the interface's face.
    QFont font = writesOwnName(face) ? QFont(face) : QApplication::font();
    font.setPointSize(pointSize_);
    // Only this face: no fallback that would draw the name in another one.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void FaceItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.font = faceFont(index.data().toString());
    item.fontMetrics = QFontMetrics(item.font);
    QStyledItemDelegate::paint(painter, item, index);
}

QSize FaceItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QFontMetrics metrics(faceFont(index.data().toString()));
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return {std::max(base.width(), metrics.horizontalAdvance(index.data().toString()) + 8),
            std::max(base.height(), metrics.height() + 4)};
}

// ------------------------------------------------------------------------------- the page

TextPage::TextPage(PageHost& host, QWidget* parent) : EffectPage(host, presets::Page::Text, parent) {
    using controls::SpeedButton;
    setObjectName(QStringLiteral("TextPage"));

    memo_ = new QPlainTextEdit;
    memo_->setObjectName(QStringLiteral("FontTextMemo"));
    memo_->setToolTip(tr("Der Text des Effekts, auch mehrzeilig"));
    memo_->setTabChangesFocus(true);
    memo_->setMinimumWidth(170);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing()) textChanged();
    });

    faceCombo_ = new QComboBox;
    faceCombo_->setObjectName(QStringLiteral("FontComboBox"));
    faceCombo_->setToolTip(tr("Schriftart"));
    faceCombo_->setMaxVisibleItems(12);
    faceDelegate_ = new FaceItemDelegate(FaceListPointSize, faceCombo_);
    faceCombo_->setItemDelegate(faceDelegate_);
    faceCombo_->view()->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    faceCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    faceCombo_->setMinimumContentsLength(16);
    connect(faceCombo_, &QComboBox::activated, this, [this] { applyFontSettings(Source::Other); });
    // While an entry is highlighted the bar names it across its width.
    connect(faceCombo_, &QComboBox::highlighted, this, [this](int index) {
        if (index >= 0) host_.messages().status(StatusSimple, faceCombo_->itemText(index).toStdString());
    });

    // The buttons sit directly on the page: a group is the buttons of one parent.
    auto button = [this](const char* name, const QImage& glyph, const QString& hint) {
        auto* b = new SpeedButton(glyph, hint, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedSize(26, 24);
        return b;
    };
    bold_ = button("FontBoldSpeedButton", letterGlyph(tr("F"), true, false), tr("Fett"));
    italic_ = button("FontItalicSpeedButton", letterGlyph(tr("K"), false, true), tr("Kursiv"));
    bold_->setGroup(1, true);
    italic_->setGroup(2, true);
    left_ = button("FontLeftSpeedButton", alignGlyph(0), tr("Linksb\u00fcndig"));
    center_ = button("FontCenterSpeedButton", alignGlyph(1), tr("Zentriert"));
    right_ = button("FontRightSpeedButton", alignGlyph(2), tr("Rechtsb\u00fcndig"));
    for (SpeedButton* b : {left_, center_, right_}) b->setGroup(3);
    transparency_ = button("TextTransparenzSpeedButton", transparencyGlyph(), tr("Transparenz aller Punkte des 3D-Kanten-Profils"));
    connect(transparency_, &SpeedButton::clicked, this, [this] {
        TransparencyDialog dialog(host_, TransparencyDialog::AllPoints, [this] { host_.recalculate(); }, this);
        host_.execDialog(dialog);
    });
    for (SpeedButton* b : {bold_, italic_, left_, center_, right_})
        connect(b, &SpeedButton::clicked, this, [this] { applyFontSettings(Source::Other); });

    auto* styleRow = new QHBoxLayout;
    styleRow->setSpacing(2);
    styleRow->addWidget(bold_);
    styleRow->addWidget(italic_);
    styleRow->addSpacing(10);
    styleRow->addWidget(left_);
    styleRow->addWidget(center_);
    styleRow->addWidget(right_);
    styleRow->addSpacing(10);
    styleRow->addWidget(transparency_);
    styleRow->addStretch(1);

    auto* fontColumn = new QVBoxLayout;
    fontColumn->setSpacing(6);
    auto* faceLabel = new QLabel(tr("Schriftart:"));
    faceLabel->setBuddy(faceCombo_);
    fontColumn->addWidget(faceLabel);
    fontColumn->addWidget(faceCombo_);
    fontColumn->addLayout(styleRow);
    fontColumn->addStretch(1);

    // The panel: spacing, raise and tilt.
    textPanel_ = new QFrame;
    textPanel_->setObjectName(QStringLiteral("TextPanel"));
    textPanel_->setFrameShape(QFrame::StyledPanel);
    const QStringList spacing = {QStringLiteral("-20"), QStringLiteral("-15"), QStringLiteral("-10"),
                                 QStringLiteral(" -5"), QStringLiteral("  0"), QStringLiteral("  5"),
                                 QStringLiteral(" 10"), QStringLiteral(" 15"), QStringLiteral(" 20")};
    horizontal_ = makeCombo("FontHorizontalSpaceComboBox", spacing);
    horizontal_->setToolTip(tr("Zus\u00e4tzlicher Abstand zwischen den Zeichen"));
    vertical_ = makeCombo("FontVerticalSpaceComboBox", spacing);
    vertical_->setToolTip(tr("Zus\u00e4tzlicher Abstand zwischen den Zeilen (ab zwei Zeilen)"));
    raise_ = makeCombo("FontHochTiefComboBox",
                       {QStringLiteral(" 0"), QStringLiteral(" 5"), QStringLiteral("10"), QStringLiteral("15"),
                        QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")});
    raise_->setToolTip(tr("Buchstaben zuf\u00e4llig hoch und tief setzen"));
    QStringList angles;
    for (int a = 0; a <= 90; a += 10) angles << QString::asprintf("%2d \u00b0", a);
    tilt_ = makeCombo("FontKippComboBox", angles);
    tilt_->setToolTip(tr("Buchstaben zuf\u00e4llig kippen"));
    connectCombo(horizontal_, Source::Other);
    connectCombo(vertical_, Source::Other);
    connectCombo(raise_, Source::Raise);
    connectCombo(tilt_, Source::Tilt);

    raiseDice_ = new SpeedButton(DiceGlyph(false), tr("Neu w\u00fcrfeln: gleiche H\u00f6he, andere Buchstaben"), textPanel_);
    raiseDice_->setObjectName(QStringLiteral("HochTiefSpeedButton"));
    tiltDice_ = new SpeedButton(DiceGlyph(true), tr("Neu w\u00fcrfeln: gleicher Winkel, andere Buchstaben"), textPanel_);
    tiltDice_->setObjectName(QStringLiteral("KippSpeedButton"));
    for (SpeedButton* b : {raiseDice_, tiltDice_}) b->setFixedSize(26, 24);
    connect(raiseDice_, &SpeedButton::clicked, this, [this] { applyFontSettings(Source::Raise); });
    connect(tiltDice_, &SpeedButton::clicked, this, [this] { applyFontSettings(Source::Tilt); });

    auto* grid = new QGridLayout(textPanel_);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const std::pair<QString, QComboBox*> rows[] = {{tr("Zeichenabstand:"), horizontal_},
                                                   {tr("Zeilenabstand:"), vertical_},
                                                   {tr("Hoch/Tief:"), raise_},
                                                   {tr("Kippen:"), tilt_}};
    int row = 0;
    for (const auto& [caption, combo] : rows) {
        auto* label = new QLabel(caption);
        label->setBuddy(combo);
        grid->addWidget(label, row, 0);
        grid->addWidget(combo, row, 1);
        ++row;
    }
    grid->addWidget(raiseDice_, 2, 2);
    grid->addWidget(tiltDice_, 3, 2);
    grid->setRowStretch(4, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(8);
    layout->addWidget(memo_, 3);
    layout->addLayout(fontColumn, 2);
    layout->addWidget(textPanel_, 0);
}

QComboBox* TextPage::makeCombo(const char* name, const QStringList& items) {
    QComboBox* combo = MakeNumberCombo(name, items);
    // A number of up to three digits, a degree sign allowed: what the combo number reading takes.
    combo->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*-?\\s*\\d{0,3}\\s*\u00b0?\\s*")), combo));
    combo->setMinimumContentsLength(5);
    return combo;
}

// A chosen entry applies at once; a typed number when the field is left or Enter is pressed.
void TextPage::connectCombo(QComboBox* combo, Source source) {
    OnNumberChosen(combo, this, [this, source] {
        if (!refreshing()) applyFontSettings(source);
    });
}

QImage TextPage::DiceGlyph(bool tilted) {
    QImage glyph = blankGlyph();
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(9, 9);
    if (tilted) p.rotate(-20);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-6.5, -6.5, 13, 13), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Five pips for the raise, three for the tilt.
    const QPointF five[] = {{-3.2, -3.2}, {3.2, -3.2}, {0, 0}, {-3.2, 3.2}, {3.2, 3.2}};
    const QPointF three[] = {{-3.2, -3.2}, {0, 0}, {3.2, 3.2}};
    if (tilted) {
        for (const QPointF& pip : three) p.drawEllipse(pip, 1.4, 1.4);
    } else {
        for (const QPointF& pip : five) p.drawEllipse(pip, 1.4, 1.4);
    }
    return glyph;
}

void TextPage::setProfessional(bool on) { textPanel_->setVisible(on); }

QStringList TextPage::faces() const {
    QStringList list;
    for (int i = 0; i < faceCombo_->count(); ++i) list << faceCombo_->itemText(i);
    return list;
}

// The installed outline faces, in the panels' order; enumerated once per page (the panels of a
// new document take the same list).
void TextPage::fillFaceList() {
    if (facesFilled_) {
        if (panels().fontList.empty()) {
            for (const QString& face : faces()) panels().fontList.push_back(face.toStdString());
        }
        return;
    }
    if (panels().fontList.empty()) panels().fontList = InstalledOutlineFaces();
    faceCombo_->clear();
    for (const std::string& face : panels().fontList) faceCombo_->addItem(QString::fromStdString(face));
    faceCombo_->setCurrentIndex(faceCombo_->count() > 0 ? 0 : -1);
    // The open list is as wide as its widest name in its own face, but no wider than the screen;
    // a longer name is cut short with an ellipsis.
    QStyleOptionViewItem option;
    int widest = 0;
    for (int i = 0; i < faceCombo_->count(); ++i)
        widest = std::max(widest, faceDelegate_->sizeHint(option, faceCombo_->model()->index(i, 0)).width());
    const QScreen* screen = faceCombo_->screen() ? faceCombo_->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() : std::numeric_limits<int>::max();
    faceCombo_->view()->setTextElideMode(Qt::ElideRight);
    faceCombo_->view()->setMinimumWidth(
        std::min(widest + faceCombo_->view()->verticalScrollBar()->sizeHint().width() + 4, room));
    facesFilled_ = true;
}

QString TextPage::memoText() const {
    QString text = memo_->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void TextPage::showMemoFont() {
    const LogFont& f = engine().Font;
    QFont font(QString::fromStdString(f.faceName()));
    font.setPointSize(MemoPointSize);
    font.setBold(f.lfWeight > 500);
    font.setItalic(f.lfItalic != 0);
    memo_->setFont(font);
}

// Shows the value as the program has always formatted it; the entry with that number is the current one, so
// the list opens on it.
void TextPage::showComboValue(QComboBox* combo, const QString& text, int value) {
    int match = -1;
    for (int i = 0; i < combo->count() && match < 0; ++i)
        if (presets::ReadComboNumber(combo->itemText(i).toStdString()) == value) match = i;
    combo->setCurrentIndex(match);
    combo->setEditText(text);
    combo->setProperty("typed", false);
}

void TextPage::refresh() {
    muted([&] {
        fillFaceList();
        TFontFX& e = engine();
        const QString face = QString::fromStdString(e.Font.faceName());
        const int index = faceCombo_->findText(face, Qt::MatchFixedString);
        faceCombo_->setCurrentIndex(index);
        // A face that is not installed stays the engine's; the box names it greyed.
        faceCombo_->setPlaceholderText(index < 0 ? face : QString());
        bold_->setDown(e.Font.lfWeight > 500);
        italic_->setDown(e.Font.lfItalic != 0);
        const bool center = e.TextFormat & TextFormatCenter;
        const bool right = !center && (e.TextFormat & TextFormatRight);
        left_->setDown(!center && !right);
        center_->setDown(center);
        right_->setDown(right);
        showMemoFont();
        showComboValue(vertical_, comboText(e.LineSpacing, false), e.LineSpacing);
        showComboValue(horizontal_, comboText(e.CharSpacing, false), e.CharSpacing);
        showComboValue(raise_, comboText(e.HochTiefAmount, false), e.HochTiefAmount);
        showComboValue(tilt_, comboText(e.KippAmount, true), e.KippAmount);
        QString text = QString::fromStdString(e.Text);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (memo_->toPlainText() != text) memo_->setPlainText(text);
        vertical_->setEnabled(memo_->document()->blockCount() > 1);
    });
}

void TextPage::applyFontSettings(Source source) {
    if (refreshing()) return;
    TFontFX& e = engine();
    // 1. Face, weight, italic, character set, text. Without a chosen face the engine keeps its own.
    if (faceCombo_->currentIndex() >= 0) e.Font.setFaceName(faceCombo_->currentText().toStdString());
    e.Font.lfWeight = bold_->isDown() ? 700 : 400;
    e.Font.lfItalic = italic_->isDown() ? 1 : 0;
    e.Font.lfCharSet = 1;
    // An emptied memo leaves the engine's text, as typing does.
    const QString text = memoText().trimmed();
    if (!text.isEmpty()) e.Text = text.toStdString();
    // 2. The memo shows the face.
    showMemoFont();
    // 3. Alignment.
    e.TextFormat = TextFormatBase + (center_->isDown() ? TextFormatCenter : right_->isDown() ? TextFormatRight : 0);
    // 4. Spacing.
    e.CharSpacing = comboValue(horizontal_);
    e.LineSpacing = comboValue(vertical_);
    // 5. Raise and tilt: only their own controls roll the dice again.
    Random random(presets::ClockSeed());
    e.HochTiefAmount = comboValue(raise_);
    if (source == Source::Raise) e.HochTiefSeed = int32_t(random.below(SeedLimit));
    e.KippAmount = comboValue(tilt_);
    if (source == Source::Tilt) e.KippSeed = int32_t(random.below(SeedLimit));
    // 6. Plain text keeps its guides fitted to it.
    if (e.isUnwarped()) panels().ApplyGuidePreset(0);
    e.releaseTextMask();
    e.Modified = 1;
    // 7. Redraw when the page is the one shown.
    if (shown()) host_.recalculate();
}

void TextPage::textChanged() {
    TFontFX& e = engine();
    vertical_->setEnabled(memo_->document()->blockCount() > 1);
    const QString text = memoText().trimmed();
    if (!text.isEmpty() && text.toStdString() != e.Text) {
        e.Text = text.toStdString();
        e.releaseTextMask();
        e.Modified = 1;
        panels().textEdited = true;
    }
    if (!shown() || !memo_->hasFocus()) return;
    if (e.isUnwarped()) panels().ApplyGuidePreset(0);
    host_.startDelayedCalc(TypingPause);
}

}  // namespace vortel::pages
