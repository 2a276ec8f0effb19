#include "installer/Texts.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace vortel::installer {

namespace {

struct Entry {
    int base;
    const char* text[2];  // German, English
};

// The texts stand exactly as the program shows them; "\r" is the old line break.
#define VT(text) QT_TRANSLATE_NOOP("Installer", text)
const Entry Table[] = {
    {MsgEnterTarget, {VT("Bitte Zielpfad angeben!"), VT("Please enter the target folder!")}},
    {MsgTargetExists,
     {VT("Zielpfad existiert schon!\rSoll dieser dennoch benutzt werden?"),
      VT("Target folder exists!\rAre you sure you want to use this folder?")}},
    {MsgAttention, {VT("Achtung"), VT("Attention")}},
    {MsgCannotCreate,
     {VT("Zielpfad kann nicht angelegt werden!\rW\u00e4hlen Sie einen anderen Namen!"),
      VT("Target folder could not be created!\rChoose another name!")}},
    {MsgCopying, {VT("Kopiere Dateien in den Zielpfad"), VT("Copying files to target folder")}},
    {MsgError, {VT("Fehler"), VT("Error")}},
    {MsgManual, {VT("Handbuch"), VT("Manual")}},
    {MsgHelp, {VT("Hilfe"), VT("Help")}},
    {MsgUninstall, {VT("Deinstallation"), VT("Uninstall")}},
    {MsgReallyCancel,
     {VT("Wollen Sie wirklich die Installation unterbrechen?"), VT("Do you want to cancel the installation?")}},
    {MsgCancelInstallation, {VT("Installation abbrechen"), VT("Cancel installation")}},
    {MsgBack, {VT("< &Zur\u00fcck"), VT("< &Back")}},
    {MsgNext, {VT("&Weiter >"), VT("&Next >")}},
    {MsgFinish, {VT("&Fertig"), VT("&Finish")}},
    {MsgWelcome,
     {VT("Dieses Setup Programm wird %s auf Ihren Computer installieren.\r\rEs werden keine Dateien in Ihr "
         "Windows-Verzeichnis kopiert und keine Systemdateien ver\u00e4ndert.\r\rKlicken Sie auf die "
         "Schaltfl\u00e4che \"Weiter\",\rum mit der Installation zu beginnen."),
      VT("This installation program will install %s on your computer.\r\rNo files will be copied to either "
         "your Windows or System directory. No files on your computer will be modified (win.ini,..).\r\rPress "
         "the Next button to start the installation.")}},
    {MsgReady,
     {VT("Ihre Eingaben sind nun vollst\u00e4ndig.\r\rKlicken Sie auf \"Weiter\", um die Installation zu "
         "beginnen oder auf \"Zur\u00fcck\", um Ihre Eingaben zu \u00e4ndern."),
      VT("You are now ready to install Vortel.\r\rPress the Next button to begin the installation or the Back "
         "button to reenter the installation information.")}},
    {MsgComplete,
     {VT("\rInstallation beendet.\r\r%s wurde erfolgreich installiert.\r\rKlicken Sie auf die Schaltfl\u00e4che "
         "\"Fertig\", um das Setup Programm zu verlassen."),
      VT("\rInstallation complete.\r\r%s has been successfully installed.\r\rPress the Finish button to exit "
         "installation.")}},
    {MsgTitle, {VT("Vortel 0.9\rf\u00fcr Windows 95/98/NT"), VT("Vortel 0.9\rfor Windows 95/98/NT")}},
    {MsgTargetLabel,
     {VT("Bitte w\u00e4hlen Sie das Verzeichnis aus, in dem das Programm installiert werden soll:"),
      VT("Please select the directory where the \rVortel files are to be installed:")}},
    {MsgGroupCheck, {VT("Erzeuge Eintrag im Start Men\u00fc"), VT("Create program group Vortel")}},
    {MsgBrowse, {VT("Browse"), VT("Browse")}},
    {MsgCancelButton, {VT("&Abbrechen"), VT("E&xit")}},
    {MsgReallyUninstall,
     {VT("Wollen Sie %s und alle bei der Installation angelegten Eintr\u00e4ge wirklich entfernen?"),
      VT("Do you want to remove %s and every entry its installation made?")}},
    {MsgUninstalled, {VT("%s wurde entfernt."), VT("%s has been removed.")}},
    {MsgNotRemoved,
     {VT("Folgendes konnte nicht entfernt werden:"), VT("The following could not be removed:")}},
    {MsgBackdropText,
     {VT("\r\rMit Vortel k\u00f6nnen Sie Schriften beliebig verformen,\rverwittern lassen, zum Gl\u00fchen "
         "bringen, mit Schatten hinterlegen,\reinf\u00e4rben, mit Texturen \u00fcberziehen oder "
         "unbeschr\u00e4nkt\rdreidimensional modellieren."),
      VT("Vortel\rThe ulimative text effect generator!\r")}},
    {MsgCredit,
     {VT(" Vortel 0.93 \u2013 Schrifteffekte f\u00fcr Linux "),
      VT(" Vortel 0.93 \u2013 text effects for Linux ")}},
    {MsgNotInstalled,
     {VT("Es wurde keine Installation von %s gefunden."), VT("No installation of %s was found.")}},
    {MsgDocument, {VT("Vortel-Dokument"), VT("Vortel document")}},
};
#undef VT

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
    return LanguageFromLocale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                              qEnvironmentVariable("LANG"));
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
