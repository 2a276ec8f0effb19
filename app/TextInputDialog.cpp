#include "app/TextInputDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vortel::app {

TextInputDialog::TextInputDialog(const QString& text, bool professional, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TextInputForm"));
    setWindowTitle(tr("Texteingabe"));

    auto* label = new QLabel(tr("Geben Sie hier den gewünschten Text ein:"), this);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setTabChangesFocus(true);
    // The engine's texts separate lines with CR LF; the editor wants plain line breaks.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memo_->setPlainText(shown);
    memo_->selectAll();
    memo_->installEventFilter(this);
    label->setBuddy(memo_);

    assistant_ = new QCheckBox(tr("&Schrifteffekt-Assistent starten"), this);
    assistant_->setObjectName(QStringLiteral("AssistentCheckBox"));
    assistant_->setChecked(true);
    professional_ = new QCheckBox(tr("&Profi-Modus (erweiterte Einstellungen)"), this);
    professional_->setObjectName(QStringLiteral("ProfiCheckBox"));
    professional_->setChecked(professional);

    ok_ = new QPushButton(tr("&Ok"), this);
    ok_->setObjectName(QStringLiteral("OkButton"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(memo_, 1);
    layout->addWidget(assistant_);
    layout->addWidget(professional_);
    layout->addLayout(buttons);

    resize(380, 260);
    memo_->setFocus();
}

QStringList TextInputDialog::lines() const { return memo_->toPlainText().split(QLatin1Char('\n')); }

QString TextInputDialog::text() const { return lines().join(QStringLiteral("\r\n")).trimmed(); }

bool TextInputDialog::assistant() const { return assistant_->isChecked(); }

bool TextInputDialog::professional() const { return professional_->isChecked(); }

namespace {
bool isCtrlEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && (key->modifiers() & Qt::ControlModifier);
}
}  // namespace

// Enter belongs to the text; with Ctrl held it closes the dialog as Ok does.
bool TextInputDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ && event->type() == QEvent::KeyPress && isCtrlEnter(static_cast<QKeyEvent*>(event))) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The same from the check boxes and buttons, where a plain Enter already means Ok.
void TextInputDialog::keyPressEvent(QKeyEvent* event) {
    if (isCtrlEnter(event)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vortel::app
