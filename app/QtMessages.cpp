#include "app/QtMessages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace vortel::app {

namespace {

std::string qtTranslation(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

QString withLineBreaks(QString s) {
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace

void UseQtTranslations() { setTextLookup(&qtTranslation); }

QString programText(const std::string& text) {
    // A message of the program's own (QT_TRANSLATE_NOOP or VORTEL_TEXT in the context "Messages")
    // in the language spoken: the whole text, else line by line, so a message composed of fixed
    // lines and a file name still speaks it. A line without an entry (a name, a text already
    // translated, such as a composed message, which composeMessage translated when it was made)
    // stays as it is.
    const QString source = withLineBreaks(QString::fromStdString(text));
    const QString whole = withLineBreaks(QCoreApplication::translate("Messages", text.c_str()));
    if (whole != source || !source.contains(QLatin1Char('\n'))) return whole;
    QStringList lines = source.split(QLatin1Char('\n'));
    for (QString& line : lines) line = QCoreApplication::translate("Messages", line.toUtf8().constData());
    return lines.join(QLatin1Char('\n'));
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
