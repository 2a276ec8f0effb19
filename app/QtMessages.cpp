#include "app/QtMessages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace vortel::app {

QString programText(const std::string& text) {
    // A message of the program's own (QT_TRANSLATE_NOOP("Messages", ...)) in the language spoken;
    // a text already translated, or one with a file name in it, has no entry and stays as it is.
    QString s = QCoreApplication::translate("Messages", text.c_str());
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void QtMessages::messageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    if (silenced) return;
    recorded.messageBox(text, caption, icon);
    if (quiet) return;
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    if (icon == MessageIcon::Error) qtIcon = QMessageBox::Critical;
    if (icon == MessageIcon::Warning) qtIcon = QMessageBox::Warning;
    if (icon == MessageIcon::Question) qtIcon = QMessageBox::Question;
    QMessageBox box(qtIcon, programText(caption), programText(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtMessages::diagnostic(const std::string& text, int64_t number) {
    if (silenced) return;
    recorded.diagnostic(text, number);
    if (quiet) return;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vortel"),
                    programText(text) + QStringLiteral("\n") + QString::number(number), QMessageBox::Ok, parent_);
    box.exec();
}

void QtMessages::status(int panel, const std::string& text) {
    recorded.status(panel, text);
    if (onStatus) onStatus(panel, programText(text));
}

}  // namespace vortel::app
