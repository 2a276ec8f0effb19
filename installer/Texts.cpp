#include "installer/Texts.h"

#include "controls/Language.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace vortel::installer {

namespace {

struct Entry {
    int base;
    const char* text[2];  // German, English
};

// The texts stand exactly as the program shows them; "\r" is the old line break. Spelled out (no
// shorter macro) so that lupdate finds them.
const Entry Table[] = {
    {MsgEnterTarget, {QT_TRANSLATE_NOOP("Installer", "Bitte Zielpfad angeben!"), QT_TRANSLATE_NOOP("Installer", "Please enter the target folder!")}},
    {MsgTargetExists,
     {QT_TRANSLATE_NOOP("Installer", "Zielpfad existiert schon!\rSoll dieser dennoch benutzt werden?"),
      QT_TRANSLATE_NOOP("Installer", "Target folder exists!\rAre you sure you want to use this folder?")}},
    {MsgAttention, {QT_TRANSLATE_NOOP("Installer", "Achtung"), QT_TRANSLATE_NOOP("Installer", "Attention")}},
    {MsgCannotCreate,
     {QT_TRANSLATE_NOOP("Installer", "Zielpfad kann nicht angelegt werden!\rW\u00e4hlen Sie einen anderen Namen!"),
      QT_TRANSLATE_NOOP("Installer", "Target folder could not be created!\rChoose another name!")}},
    {MsgCopying, {QT_TRANSLATE_NOOP("Installer", "Kopiere Dateien in den Zielpfad"), QT_TRANSLATE_NOOP("Installer", "Copying files to target folder")}},
    {MsgError, {QT_TRANSLATE_NOOP("Installer", "Fehler"), QT_TRANSLATE_NOOP("Installer", "Error")}},
    {MsgManual, {QT_TRANSLATE_NOOP("Installer", "Handbuch"), QT_TRANSLATE_NOOP("Installer", "Manual")}},
    {MsgHelp, {QT_TRANSLATE_NOOP("Installer", "Hilfe"), QT_TRANSLATE_NOOP("Installer", "Help")}},
    {MsgUninstall, {QT_TRANSLATE_NOOP("Installer", "Deinstallation"), QT_TRANSLATE_NOOP("Installer", "Uninstall")}},
    {MsgReallyCancel,
     {QT_TRANSLATE_NOOP("Installer", "Wollen Sie wirklich die Installation unterbrechen?"), QT_TRANSLATE_NOOP("Installer", "Do you want to cancel the installation?")}},
    {MsgCancelInstallation, {QT_TRANSLATE_NOOP("Installer", "Installation abbrechen"), QT_TRANSLATE_NOOP("Installer", "Cancel installation")}},
    {MsgBack, {QT_TRANSLATE_NOOP("Installer", "< &Zurück"), QT_TRANSLATE_NOOP("Installer", "< &Back")}},
    {MsgNext, {QT_TRANSLATE_NOOP("Installer", "&Weiter >"), QT_TRANSLATE_NOOP("Installer", "&Next >")}},
    {MsgFinish, {QT_TRANSLATE_NOOP("Installer", "&Fertig"), QT_TRANSLATE_NOOP("Installer", "&Finish")}},
    {MsgWelcome,
     {QT_TRANSLATE_NOOP("Installer", "Dieses Setup Programm wird %s auf Ihren Computer installieren.\r\rEs werden keine Dateien in Ihr "
         "Windows-Verzeichnis kopiert und keine Systemdateien ver\u00e4ndert.\r\rKlicken Sie auf die "
         "Schaltfläche \"Weiter\",\rum mit der Installation zu beginnen."),
      QT_TRANSLATE_NOOP("Installer", "This installation program will install %s on your computer.\r\rNo files will be copied to either "
         "your Windows or System directory. No files on your computer will be modified (win.ini,..).\r\rPress "
         "the Next button to start the installation.")}},
    {MsgReady,
     {QT_TRANSLATE_NOOP("Installer", "Ihre Eingaben sind nun vollst\u00e4ndig.\r\rKlicken Sie auf \"Weiter\", um die Installation zu "
         "beginnen oder auf \"Zurück\", um Ihre Eingaben zu \u00e4ndern."),
      QT_TRANSLATE_NOOP("Installer", "You are now ready to install Vortel.\r\rPress the Next button to begin the installation or the Back "
         "button to reenter the installation information.")}},
    {MsgComplete,
     {QT_TRANSLATE_NOOP("Installer", "\rInstallation beendet.\r\r%s wurde erfolgreich installiert.\r\rKlicken Sie auf die Schaltfläche "
         "\"Fertig\", um das Setup Programm zu verlassen."),
      QT_TRANSLATE_NOOP("Installer", "\rInstallation complete.\r\r%s has been successfully installed.\r\rPress the Finish button to exit "
         "installation.")}},
    {MsgTitle, {QT_TRANSLATE_NOOP("Installer", "Vortel 0.9\rf\u00fcr Windows 95/98/NT"), QT_TRANSLATE_NOOP("Installer", "Vortel 0.9\rfor Windows 95/98/NT")}},
    {MsgTargetLabel,
     {QT_TRANSLATE_NOOP("Installer", "Bitte w\u00e4hlen Sie das Verzeichnis aus, in dem das Programm installiert werden soll:"),
      QT_TRANSLATE_NOOP("Installer", "Please select the directory where the \rVortel files are to be installed:")}},
    {MsgGroupCheck, {QT_TRANSLATE_NOOP("Installer", "Erzeuge Eintrag im Start Men\u00fc"), QT_TRANSLATE_NOOP("Installer", "Create program group Vortel")}},
    {MsgBrowse, {QT_TRANSLATE_NOOP("Installer", "Browse"), QT_TRANSLATE_NOOP("Installer", "Browse")}},
    {MsgCancelButton, {QT_TRANSLATE_NOOP("Installer", "&Abbrechen"), QT_TRANSLATE_NOOP("Installer", "E&xit")}},
    {MsgReallyUninstall,
     {QT_TRANSLATE_NOOP("Installer", "Wollen Sie %s und alle bei der Installation angelegten Eintr\u00e4ge wirklich entfernen?"),
      QT_TRANSLATE_NOOP("Installer", "Do you want to remove %s and every entry its installation made?")}},
    {MsgUninstalled, {QT_TRANSLATE_NOOP("Installer", "%s wurde entfernt."), QT_TRANSLATE_NOOP("Installer", "%s has been removed.")}},
    {MsgNotRemoved,
     {QT_TRANSLATE_NOOP("Installer", "Folgendes konnte nicht entfernt werden:"), QT_TRANSLATE_NOOP("Installer", "The following could not be removed:")}},
    {MsgBackdropText,
     {QT_TRANSLATE_NOOP("Installer", "\r\rMit Vortel k\u00f6nnen Sie Schriften beliebig verformen,\rverwittern lassen, zum Gl\u00fchen "
         "bringen, mit Schatten hinterlegen,\reinf\u00e4rben, mit Texturen überziehen oder "
         "unbeschr\u00e4nkt\rdreidimensional modellieren."),
      QT_TRANSLATE_NOOP("Installer", "Vortel\rThe ulimative text effect generator!\r")}},
    {MsgCredit,
     {QT_TRANSLATE_NOOP("Installer", " Vortel 0.93 \u2013 Schrifteffekte f\u00fcr Linux "),
      QT_TRANSLATE_NOOP("Installer", " Vortel 0.93 \u2013 text effects for Linux ")}},
    {MsgNotInstalled,
     {QT_TRANSLATE_NOOP("Installer", "Es wurde keine Installation von %s gefunden."), QT_TRANSLATE_NOOP("Installer", "No installation of %s was found.")}},
    {MsgDocument, {QT_TRANSLATE_NOOP("Installer", "Vortel-Dokument"), QT_TRANSLATE_NOOP("Installer", "Vortel document")}},
};

QString PrimaryLanguage(const QString& locale) {
    QString primary = locale;
    for (const QChar stop : {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@'), QLatin1Char('-')}) {
        const qsizetype at = primary.indexOf(stop);
        if (at >= 0) primary.truncate(at);
    }
    return primary.toLower();
}

}  // namespace

Language LanguageFromLocale(const QString& lcAll, const QString& lcMessages, const QString& lang) {
    for (const QString& value : {lcAll, lcMessages, lang}) {
        if (value.isEmpty()) continue;
        return PrimaryLanguage(value) == QLatin1String("de") ? German : English;
    }
    return English;
}

Language SystemLanguage() {
    const Language fromLocale = LanguageFromLocale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                                                   qEnvironmentVariable("LANG"));
    // One run's LANGUAGE ("de", "en") goes first, as in the program.
    const UiLanguage chosen = ChooseUiLanguage(qEnvironmentVariable("LANGUAGE"), QString(),
                                               fromLocale == German ? QStringLiteral("de") : QStringLiteral("en"));
    return chosen == UiLanguage::German ? German : English;
}

QString Text(Message base, Language language) {
    for (const Entry& entry : Table) {
        if (entry.base != base) continue;
        QString text = QCoreApplication::translate("Installer", entry.text[language]);
        text.replace(QLatin1String("%s"), QLatin1String(ProductName));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return text;
    }
    return {};
}

}  // namespace vortel::installer
