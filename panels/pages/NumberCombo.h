#pragma once
// The number combos of the Text, Shadow and Frame pages: editable, read with the combo number rule,
// applied when an entry is chosen or a typed number is confirmed.
#include <functional>

#include <QComboBox>

namespace vortel::pages {

// An editable combo named `name` holding `items`.
QComboBox* MakeNumberCombo(const char* name, const QStringList& items);
// The number the combo shows; the (translated) "None" reads as -1.
int32_t NumberOf(const QComboBox* combo);
// Shows `text`, with the entry of the same number current (none when no entry has it).
void ShowNumber(QComboBox* combo, const QString& text);
// Calls `apply` when an entry is chosen, and after typing when Enter is pressed or the field is
// left (merely leaving it changes nothing).
void OnNumberChosen(QComboBox* combo, QObject* context, std::function<void()> apply);
// The text the blur combo shows for "no blur".
QString NoneText();

}  // namespace vortel::pages
