#pragma once
// The Text page: the effect's text and its font. The memo, the face list drawn in each face, bold,
// italic, the three alignments, and on its panel the spacing between characters and lines, the
// random raise and the random tilt of the letters with their dice.
#include <QHash>
#include <QStringList>
#include <QStyledItemDelegate>

#include "panels/pages/EffectPage.h"

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;

namespace vortel::controls {
class SpeedButton;
}

namespace vortel::pages {

// Draws every entry of the face list in its own face, as tall as that face needs.
class FaceItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FaceItemDelegate(int pointSize, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), pointSize_(pointSize) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The face a name is shown in: its own where it can write its name, else the interface's.
    QFont faceFont(const QString& face) const;
    bool writesOwnName(const QString& face) const;

private:
    int pointSize_;
    mutable QHash<QString, bool> writesName_;
};

class TextPage : public EffectPage {
    Q_OBJECT
public:
    explicit TextPage(PageHost& host, QWidget* parent = nullptr);
    void refresh() override;
    void setProfessional(bool on) override;

    // Which control a font change came from: only the raise and tilt controls roll their dice.
    enum class Source { Other, Raise, Tilt };
    // Writes face, style, alignment, spacing, raise and tilt into the engine and redraws.
    void applyFontSettings(Source source);
    // The memo's text, lines joined with CR LF (as the engine keeps it).
    QString memoText() const;
    // The faces the list shows, in its order.
    QStringList faces() const;

    // The dice glyph of the raise (false) or tilt (true) button.
    static QImage DiceGlyph(bool tilted);

private:
    void fillFaceList();
    void textChanged();
    void showMemoFont();
    QComboBox* makeCombo(const char* name, const QStringList& items);
    void connectCombo(QComboBox* combo, Source source);
    static void showComboValue(QComboBox* combo, const QString& text, int value);

    QPlainTextEdit* memo_ = nullptr;
    QComboBox* faceCombo_ = nullptr;
    FaceItemDelegate* faceDelegate_ = nullptr;
    controls::SpeedButton* bold_ = nullptr;
    controls::SpeedButton* italic_ = nullptr;
    controls::SpeedButton* left_ = nullptr;
    controls::SpeedButton* center_ = nullptr;
    controls::SpeedButton* right_ = nullptr;
    controls::SpeedButton* transparency_ = nullptr;
    QFrame* textPanel_ = nullptr;
    QComboBox* horizontal_ = nullptr;
    QComboBox* vertical_ = nullptr;
    QComboBox* raise_ = nullptr;
    QComboBox* tilt_ = nullptr;
    controls::SpeedButton* raiseDice_ = nullptr;
    controls::SpeedButton* tiltDice_ = nullptr;
    bool facesFilled_ = false;
};

}  // namespace vortel::pages
