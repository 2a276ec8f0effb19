#include "app/TextInputDialog.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>
namespace vortel::app {
TextInputDialog::TextInputDialog(const QString& text, bool professional, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Texteingabe"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(tr("Geben Sie hier den gew\u00fcnschten Text ein:")));
    memo_ = new QPlainTextEdit(text);
    memo_->setObjectName("Memo1");
    memo_->selectAll();
    l->addWidget(memo_);
    assistant_ = new QCheckBox(tr("&Schrifteffekt-Assistent starten"));
    assistant_->setChecked(true);
    profi_ = new QCheckBox(tr("&Profi-Modus (erweiterte Einstellungen)"));
    profi_->setChecked(professional);
    l->addWidget(assistant_);
    l->addWidget(profi_);
    auto* b = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(b, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(b, &QDialogButtonBox::rejected, this, &QDialog::reject);
    l->addWidget(b);
}
QStringList TextInputDialog::lines() const { return memo_->toPlainText().split('\n'); }
QString TextInputDialog::text() const { return lines().join("\r\n").trimmed(); }
bool TextInputDialog::assistant() const { return assistant_->isChecked(); }
bool TextInputDialog::professional() const { return profi_->isChecked(); }
}  // namespace vortel::app
