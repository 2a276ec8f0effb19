<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Installer</name>
    <message>
        <source>Vortel</source>
        <translation>Vortel</translation>
    </message>
    <message>
        <source>Bitte Zielpfad angeben!</source>
        <translation>Bitte Zielpfad angeben!</translation>
    </message>
    <message>
        <source>Please enter the target folder!</source>
        <translation>Please enter the target folder!</translation>
    </message>
    <message>
        <source>Zielpfad existiert schon!<byte value="xd"/>Soll dieser dennoch benutzt werden?</source>
        <translation>Zielpfad existiert schon!<byte value="xd"/>Soll dieser dennoch benutzt werden?</translation>
    </message>
    <message>
        <source>Target folder exists!<byte value="xd"/>Are you sure you want to use this folder?</source>
        <translation>Target folder exists!<byte value="xd"/>Are you sure you want to use this folder?</translation>
    </message>
    <message>
        <source>Achtung</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Zielpfad kann nicht angelegt werden!<byte value="xd"/>Wählen Sie einen anderen Namen!</source>
        <translation>Zielpfad kann nicht angelegt werden!<byte value="xd"/>Wählen Sie einen anderen Namen!</translation>
    </message>
    <message>
        <source>Target folder could not be created!<byte value="xd"/>Choose another name!</source>
        <translation>Target folder could not be created!<byte value="xd"/>Choose another name!</translation>
    </message>
    <message>
        <source>Kopiere Dateien in den Zielpfad</source>
        <translation>Kopiere Dateien in den Zielpfad</translation>
    </message>
    <message>
        <source>Copying files to target folder</source>
        <translation>Copying files to target folder</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Handbuch</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Deinstallation</source>
        <translation>Deinstallation</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Wollen Sie wirklich die Installation unterbrechen?</source>
        <translation>Wollen Sie wirklich die Installation unterbrechen?</translation>
    </message>
    <message>
        <source>Do you want to cancel the installation?</source>
        <translation>Do you want to cancel the installation?</translation>
    </message>
    <message>
        <source>Installation abbrechen</source>
        <translation>Installation abbrechen</translation>
    </message>
    <message>
        <source>Cancel installation</source>
        <translation>Cancel installation</translation>
    </message>
    <message>
        <source>&lt; &amp;Zurück</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Back</translation>
    </message>
    <message>
        <source>&amp;Weiter &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Next &gt;</translation>
    </message>
    <message>
        <source>&amp;Fertig</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>Dieses Setup Programm wird %s auf Ihren Computer installieren.<byte value="xd"/><byte value="xd"/>Es werden keine Dateien in Ihr Windows-Verzeichnis kopiert und keine Systemdateien verändert.<byte value="xd"/><byte value="xd"/>Klicken Sie auf die Schaltfläche &quot;Weiter&quot;,<byte value="xd"/>um mit der Installation zu beginnen.</source>
        <translation>Dieses Setup Programm wird %s auf Ihren Computer installieren.<byte value="xd"/><byte value="xd"/>Es werden keine Dateien in Ihr Windows-Verzeichnis kopiert und keine Systemdateien verändert.<byte value="xd"/><byte value="xd"/>Klicken Sie auf die Schaltfläche &quot;Weiter&quot;,<byte value="xd"/>um mit der Installation zu beginnen.</translation>
    </message>
    <message>
        <source>This installation program will install %s on your computer.<byte value="xd"/><byte value="xd"/>No files will be copied to either your Windows or System directory. No files on your computer will be modified (win.ini,..).<byte value="xd"/><byte value="xd"/>Press the Next button to start the installation.</source>
        <translation>This installation program will install %s on your computer.<byte value="xd"/><byte value="xd"/>No files will be copied to either your Windows or System directory. No files on your computer will be modified (win.ini,..).<byte value="xd"/><byte value="xd"/>Press the Next button to start the installation.</translation>
    </message>
    <message>
        <source>Ihre Eingaben sind nun vollständig.<byte value="xd"/><byte value="xd"/>Klicken Sie auf &quot;Weiter&quot;, um die Installation zu beginnen oder auf &quot;Zurück&quot;, um Ihre Eingaben zu ändern.</source>
        <translation>Ihre Eingaben sind nun vollständig.<byte value="xd"/><byte value="xd"/>Klicken Sie auf &quot;Weiter&quot;, um die Installation zu beginnen oder auf &quot;Zurück&quot;, um Ihre Eingaben zu ändern.</translation>
    </message>
    <message>
        <source>You are now ready to install Vortel.<byte value="xd"/><byte value="xd"/>Press the Next button to begin the installation or the Back button to reenter the installation information.</source>
        <translation>You are now ready to install Vortel.<byte value="xd"/><byte value="xd"/>Press the Next button to begin the installation or the Back button to reenter the installation information.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Installation beendet.<byte value="xd"/><byte value="xd"/>%s wurde erfolgreich installiert.<byte value="xd"/><byte value="xd"/>Klicken Sie auf die Schaltfläche &quot;Fertig&quot;, um das Setup Programm zu verlassen.</source>
        <translation><byte value="xd"/>Installation beendet.<byte value="xd"/><byte value="xd"/>%s wurde erfolgreich installiert.<byte value="xd"/><byte value="xd"/>Klicken Sie auf die Schaltfläche &quot;Fertig&quot;, um das Setup Programm zu verlassen.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Installation complete.<byte value="xd"/><byte value="xd"/>%s has been successfully installed.<byte value="xd"/><byte value="xd"/>Press the Finish button to exit installation.</source>
        <translation><byte value="xd"/>Installation complete.<byte value="xd"/><byte value="xd"/>%s has been successfully installed.<byte value="xd"/><byte value="xd"/>Press the Finish button to exit installation.</translation>
    </message>
    <message>
        <source>Vortel 0.9<byte value="xd"/>für Windows 95/98/NT</source>
        <translation>Vortel 0.9<byte value="xd"/>für Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Vortel 0.9<byte value="xd"/>for Windows 95/98/NT</source>
        <translation>Vortel 0.9<byte value="xd"/>for Windows 95/98/NT</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das Verzeichnis aus, in dem das Programm installiert werden soll:</source>
        <translation>Bitte wählen Sie das Verzeichnis aus, in dem das Programm installiert werden soll:</translation>
    </message>
    <message>
        <source>Please select the directory where the <byte value="xd"/>Vortel files are to be installed:</source>
        <translation>Please select the directory where the <byte value="xd"/>Vortel files are to be installed:</translation>
    </message>
    <message>
        <source>Erzeuge Eintrag im Start Menü</source>
        <translation>Erzeuge Eintrag im Start Menü</translation>
    </message>
    <message>
        <source>Create program group Vortel</source>
        <translation>Create program group Vortel</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Wollen Sie %s und alle bei der Installation angelegten Einträge wirklich entfernen?</source>
        <translation>Wollen Sie %s und alle bei der Installation angelegten Einträge wirklich entfernen?</translation>
    </message>
    <message>
        <source>Do you want to remove %s and every entry its installation made?</source>
        <translation>Do you want to remove %s and every entry its installation made?</translation>
    </message>
    <message>
        <source>%s wurde entfernt.</source>
        <translation>%s wurde entfernt.</translation>
    </message>
    <message>
        <source>%s has been removed.</source>
        <translation>%s has been removed.</translation>
    </message>
    <message>
        <source>Folgendes konnte nicht entfernt werden:</source>
        <translation>Folgendes konnte nicht entfernt werden:</translation>
    </message>
    <message>
        <source>The following could not be removed:</source>
        <translation>The following could not be removed:</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Mit Vortel können Sie Schriften beliebig verformen,<byte value="xd"/>verwittern lassen, zum Glühen bringen, mit Schatten hinterlegen,<byte value="xd"/>einfärben, mit Texturen überziehen oder unbeschränkt<byte value="xd"/>dreidimensional modellieren.</source>
        <translation><byte value="xd"/><byte value="xd"/>Mit Vortel können Sie Schriften beliebig verformen,<byte value="xd"/>verwittern lassen, zum Glühen bringen, mit Schatten hinterlegen,<byte value="xd"/>einfärben, mit Texturen überziehen oder unbeschränkt<byte value="xd"/>dreidimensional modellieren.</translation>
    </message>
    <message>
        <source>Vortel<byte value="xd"/>The ulimative text effect generator!<byte value="xd"/></source>
        <translation>Vortel<byte value="xd"/>The ulimative text effect generator!<byte value="xd"/></translation>
    </message>
    <message>
        <source> Vortel 0.93 – Schrifteffekte für Linux </source>
        <translation> Vortel 0.93 – Schrifteffekte für Linux </translation>
    </message>
    <message>
        <source> Vortel 0.93 – text effects for Linux </source>
        <translation> Vortel 0.93 – text effects for Linux </translation>
    </message>
    <message>
        <source>Es wurde keine Installation von %s gefunden.</source>
        <translation>Es wurde keine Installation von %s gefunden.</translation>
    </message>
    <message>
        <source>No installation of %s was found.</source>
        <translation>No installation of %s was found.</translation>
    </message>
    <message>
        <source>Vortel-Dokument</source>
        <translation>Vortel-Dokument</translation>
    </message>
    <message>
        <source>Vortel document</source>
        <translation>Vortel document</translation>
    </message>
    <message>
        <source>Installation Vortel</source>
        <translation>Installation Vortel</translation>
    </message>
</context>
</TS>
