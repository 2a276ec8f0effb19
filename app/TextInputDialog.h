#pragma once
#include <QDialog>
#include <QStringList>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace vortel::app {

// The dialog New opens: the effect text to start with, whether the effect assistant follows, and
// whether the main window switches to professional mode. Enter makes a new line in the text;
// Ctrl+Enter (or Ok) accepts.
class TextInputDialog : public QDialog {
    Q_OBJECT
public:
    TextInputDialog(const QString& text, bool professional, QWidget* parent = nullptr);

    // The text's lines as typed.
    QStringList lines() const;
    // The effect text: the lines joined with CR LF, white space at both ends removed.
    QString text() const;
    bool assistant() const;
    bool professional() const;

    QPlainTextEdit* memo() const { return memo_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* memo_;
    QCheckBox* assistant_;
    QCheckBox* professional_;
    QPushButton* ok_;
};

}  // namespace vortel::app
