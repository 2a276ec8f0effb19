#include "panels/pages/NumberCombo.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "panels/presets/ComboNumber.h"

namespace vortel::pages {

QString NoneText() { return QCoreApplication::translate("vortel::pages::ShadowPage", "None"); }

QComboBox* MakeNumberCombo(const char* name, const QStringList& items) {
    auto* combo = new QComboBox;
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    // "None", or a number of up to four digits with its unit.
    combo->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*(%1|-?\\s*\\d{0,4}\\s*(%|\u00b0)?)\\s*")
                               .arg(QRegularExpression::escape(NoneText()))),
        combo));
    combo->setMinimumContentsLength(6);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

int32_t NumberOf(const QComboBox* combo) {
    const QString text = combo->currentText().trimmed();
    if (text == NoneText() || text == QLatin1String("None")) return -1;
    return presets::ReadComboNumber(text.toStdString());
}

void ShowNumber(QComboBox* combo, const QString& text) {
    const QString trimmed = text.trimmed();
    int match = -1;
    for (int i = 0; i < combo->count() && match < 0; ++i)
        if (combo->itemText(i).trimmed() == trimmed) match = i;
    const bool blocked = combo->blockSignals(true);
    combo->setCurrentIndex(match);
    combo->setEditText(text);
    combo->setProperty("typed", false);
    combo->blockSignals(blocked);
}

void OnNumberChosen(QComboBox* combo, QObject* context, std::function<void()> apply) {
    QObject::connect(combo, &QComboBox::textActivated, context, [combo, apply] {
        combo->setProperty("typed", false);
        apply();
    });
    QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [combo] { combo->setProperty("typed", true); });
    QObject::connect(combo->lineEdit(), &QLineEdit::editingFinished, context, [combo, apply] {
        if (!combo->property("typed").toBool()) return;
        combo->setProperty("typed", false);
        apply();
    });
}

}  // namespace vortel::pages
