<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Cursors</name>
    <message>
        <source>Begrenzungslinie verschieben</source>
        <translation>Begrenzungslinie verschieben</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Begrenzungslinie zeichenen</source>
        <translation>Begrenzungslinie zeichenen</translation>
    </message>
    <message>
        <source>Punkte bearbeiten</source>
        <translation>Punkte bearbeiten</translation>
    </message>
    <message>
        <source>Punkt verschieben</source>
        <translation>Punkt verschieben</translation>
    </message>
    <message>
        <source>Punkt löschen</source>
        <translation>Punkt löschen</translation>
    </message>
    <message>
        <source>Punkt hinzufügen</source>
        <translation>Punkt hinzufügen</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Anker</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Drucken verschieben</source>
        <translation>Drucken verschieben</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Nicht genug Arbeitsspeicher für diesen Befehl.<byte value="xd"/>Das Programm läuft weiter; ein kleineres Bild braucht weniger.</source>
        <translation>Nicht genug Arbeitsspeicher für diesen Befehl.<byte value="xd"/>Das Programm läuft weiter; ein kleineres Bild braucht weniger.</translation>
    </message>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Programmstart.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Programmstart.</translation>
    </message>
    <message>
        <source>Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!<byte value="xd"/>Bitte zeichnen Sie mit gedrückter Maustaste eine Linie.</source>
        <translation>Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!<byte value="xd"/>Bitte zeichnen Sie mit gedrückter Maustaste eine Linie.</translation>
    </message>
    <message>
        <source>Bitte markieren Sie zuerst eine Begrenzungslinie, die Sie verändern möchten.</source>
        <translation>Bitte markieren Sie zuerst eine Begrenzungslinie, die Sie verändern möchten.</translation>
    </message>
    <message>
        <source>Der Text besteht aus zuvielen Punkten. Kürzen Sie den Text oder ändern Sie den Umriß</source>
        <translation>Der Text besteht aus zuvielen Punkten. Kürzen Sie den Text oder ändern Sie den Umriß</translation>
    </message>
    <message>
        <source>Nicht genug Punkte!</source>
        <translation>Nicht genug Punkte!</translation>
    </message>
    <message>
        <source>Fehler in Text-Begrenzungslinie.<byte value="xd"/>Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!<byte value="xd"/>Bitte zeichnen Sie mit gedrückter Maustaste eine Linie.</source>
        <translation>Fehler in Text-Begrenzungslinie.<byte value="xd"/>Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!<byte value="xd"/>Bitte zeichnen Sie mit gedrückter Maustaste eine Linie.</translation>
    </message>
    <message>
        <source>Die Text-Begrenzungslinien bestehen aus zuvielen Punkten. Bitte kürzen Sie diese.</source>
        <translation>Die Text-Begrenzungslinien bestehen aus zuvielen Punkten. Bitte kürzen Sie diese.</translation>
    </message>
    <message>
        <source>Zuviele Punkte</source>
        <translation>Zuviele Punkte</translation>
    </message>
    <message>
        <source>Fehler in Text-Begrenzungslinie.<byte value="xd"/>Die Begrenzungslinien schließen keine Fläche ein.</source>
        <translation>Fehler in Text-Begrenzungslinie.<byte value="xd"/>Die Begrenzungslinien schließen keine Fläche ein.</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der Datei</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <source>Beim Lesen der Datei ist ein Fehler aufgetreten.</source>
        <translation>Beim Lesen der Datei ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Das Ende der Datei wurde erreicht.</source>
        <translation>Das Ende der Datei wurde erreicht.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei</source>
        <translation>Fehler beim Schreiben der Datei</translation>
    </message>
    <message>
        <source>Beim Schreiben der Datei ist ein Fehler aufgetreten.</source>
        <translation>Beim Schreiben der Datei ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Punkt %1, %2%, %3%</source>
        <translation>Punkt %1, %2%, %3%</translation>
    </message>
    <message>
        <source>Schriftart &quot;%1&quot; nicht installiert, ersetzt durch &quot;%2&quot;</source>
        <translation>Schriftart &quot;%1&quot; nicht installiert, ersetzt durch &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Defekte Datei: %1</source>
        <translation>Defekte Datei: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Vortel-Datei!</source>
        <translation>&quot;%1&quot; ist keine Vortel-Datei!</translation>
    </message>
    <message>
        <source>Der Text ist zu lang, um gespeichert zu werden.<byte value="xd"/>Ein Dokument nimmt höchstens %1 KB Text auf; die Datei wurde nicht verändert.</source>
        <translation>Der Text ist zu lang, um gespeichert zu werden.<byte value="xd"/>Ein Dokument nimmt höchstens %1 KB Text auf; die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Das Dokument wäre mit %1 MB zu groß, um wieder geöffnet zu werden.<byte value="xd"/>Verwenden Sie kleinere Texturen; die Datei wurde nicht verändert.</source>
        <translation>Das Dokument wäre mit %1 MB zu groß, um wieder geöffnet zu werden.<byte value="xd"/>Verwenden Sie kleinere Texturen; die Datei wurde nicht verändert.</translation>
    </message>
</context>
<context>
    <name>vortel::app::CharDeformDialog</name>
    <message>
        <source>Zeichen verformen</source>
        <translation>Zeichen verformen</translation>
    </message>
    <message>
        <source>Verteilung der Zeichen entlang der Begrenzungslinien</source>
        <translation>Verteilung der Zeichen entlang der Begrenzungslinien</translation>
    </message>
    <message>
        <source>Verteilung der Zeichen quer zu den Begrenzungslinien</source>
        <translation>Verteilung der Zeichen quer zu den Begrenzungslinien</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertikal</source>
        <translation>Vertikal</translation>
    </message>
</context>
<context>
    <name>vortel::app::Help</name>
    <message>
        <source>Einführung</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Das Notizbuch</source>
        <translation>Das Notizbuch</translation>
    </message>
    <message>
        <source>Arbeiten im Bild</source>
        <translation>Arbeiten im Bild</translation>
    </message>
    <message>
        <source>Dateien und Befehlszeile</source>
        <translation>Dateien und Befehlszeile</translation>
    </message>
    <message>
        <source>Tipps</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Im Internet</source>
        <translation>Im Internet</translation>
    </message>
    <message>
        <source>Vortel - Hilfe</source>
        <translation>Vortel - Hilfe</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Suchen...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Keine Seite gefunden.</source>
        <translation>Keine Seite gefunden.</translation>
    </message>
    <message>
        <source>1 Seite gefunden:</source>
        <translation>1 Seite gefunden:</translation>
    </message>
    <message>
        <source>%1 Seiten gefunden:</source>
        <translation>%1 Seiten gefunden:</translation>
    </message>
    <message>
        <source>Schrifteffekt-Assistent</source>
        <translation>Schrifteffekt-Assistent</translation>
    </message>
    <message>
        <source>Tipp des Tages</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Klicken oder Esc schließt den Tipp.</source>
        <translation>Klicken oder Esc schließt den Tipp.</translation>
    </message>
    <message>
        <source>Vortel</source>
        <translation>Vortel</translation>
    </message>
    <message>
        <source>Nun wird Ihr Internet-Browser mit der Programm Homepage gestartet.<byte value="xd"/>Fortfahren?</source>
        <translation>Nun wird Ihr Internet-Browser mit der Programm Homepage gestartet.<byte value="xd"/>Fortfahren?</translation>
    </message>
    <message>
        <source>Die Seiten konnten nicht in den Ordner &quot;%1&quot; geschrieben werden.</source>
        <translation>Die Seiten konnten nicht in den Ordner &quot;%1&quot; geschrieben werden.</translation>
    </message>
    <message>
        <source>Internet-Browser nicht gefunden.</source>
        <translation>Internet-Browser nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>vortel::app::ImageSizeDialog</name>
    <message>
        <source>Bildgröße</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>&amp;Bildgröße</source>
        <translation>&amp;Bildgröße</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Seitenverhältnisse beibehalten</source>
        <translation>Seitenverhältnisse beibehalten</translation>
    </message>
    <message>
        <source>Schriftzug mitskalieren</source>
        <translation>Schriftzug mitskalieren</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Schriftzug</source>
        <translation>Schriftzug</translation>
    </message>
    <message>
        <source>Bildgröße minimieren</source>
        <translation>Bildgröße minimieren</translation>
    </message>
    <message>
        <source>Text maximieren</source>
        <translation>Text maximieren</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Breite und Höhe müssen ganze Zahlen von 1 bis %1 Pixel sein.</source>
        <translation>Breite und Höhe müssen ganze Zahlen von 1 bis %1 Pixel sein.</translation>
    </message>
</context>
<context>
    <name>vortel::app::JpegOptimizerDialog</name>
    <message>
        <source>JPEG Optimizer</source>
        <translation>JPEG Optimizer</translation>
    </message>
    <message>
        <source>Beste Kompression</source>
        <translation>Beste Kompression</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Beste Qualität</translation>
    </message>
    <message>
        <source>Qualität:
Dateigröße (.jpg):
Original (.bmp):</source>
        <translation>Qualität:
Dateigröße (.jpg):
Original (.bmp):</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 %
 
%2 kB</source>
        <translation>%1 %
 
%2 kB</translation>
    </message>
    <message>
        <source>%1 %
%2 kB
%3 kB</source>
        <translation>%1 %
%2 kB
%3 kB</translation>
    </message>
    <message>
        <source>Vortel</source>
        <translation>Vortel</translation>
    </message>
</context>
<context>
    <name>vortel::app::MainWindow</name>
    <message>
        <source>Zeichne obere Text-Begrenzungslinie</source>
        <translation>Zeichne obere Text-Begrenzungslinie</translation>
    </message>
    <message>
        <source>Zeichnen Sie nun die obere
und untere Text-Begrenzungslinie</source>
        <translation>Zeichnen Sie nun die obere
und untere Text-Begrenzungslinie</translation>
    </message>
    <message>
        <source>RGB: %1, %2, %3</source>
        <translation>RGB: %1, %2, %3</translation>
    </message>
    <message>
        <source>Punkt %1, %2%, %3%</source>
        <translation>Punkt %1, %2%, %3%</translation>
    </message>
    <message>
        <source>Zeichne untere Text-Begrenzungslinie</source>
        <translation>Zeichne untere Text-Begrenzungslinie</translation>
    </message>
    <message>
        <source>&amp;Add point</source>
        <translation>&amp;Add point</translation>
    </message>
    <message>
        <source>&amp;Delete point</source>
        <translation>&amp;Delete point</translation>
    </message>
    <message>
        <source>De&amp;crease points</source>
        <translation>De&amp;crease points</translation>
    </message>
    <message>
        <source>&amp;Straighten this line</source>
        <translation>&amp;Straighten this line</translation>
    </message>
    <message>
        <source>&amp;Parallelly to opposite line</source>
        <translation>&amp;Parallelly to opposite line</translation>
    </message>
    <message>
        <source>&amp;Reflected to opposite line</source>
        <translation>&amp;Reflected to opposite line</translation>
    </message>
    <message>
        <source>&amp;Move line</source>
        <translation>&amp;Move line</translation>
    </message>
    <message>
        <source>&amp;Edit line</source>
        <translation>&amp;Edit line</translation>
    </message>
    <message>
        <source>Re&amp;draw line</source>
        <translation>Re&amp;draw line</translation>
    </message>
    <message>
        <source>Bildgröße: %1 x %2</source>
        <translation>Bildgröße: %1 x %2</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Rückgängig (%1)</source>
        <translation>&amp;Rückgängig (%1)</translation>
    </message>
    <message>
        <source>Keine</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Bildgröße...</source>
        <translation>&amp;Bildgröße...</translation>
    </message>
    <message>
        <source>&amp;Zeichen verformen...</source>
        <translation>&amp;Zeichen verformen...</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Hilfethemen</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Schrifteffekt-&amp;Assistent</source>
        <translation>Schrifteffekt-&amp;Assistent</translation>
    </message>
    <message>
        <source>&amp;Kurzhilfe</source>
        <translation>&amp;Kurzhilfe</translation>
    </message>
    <message>
        <source>&amp;Tipp des Tages</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;Demo nach Programmstart</source>
        <translation>&amp;Demo nach Programmstart</translation>
    </message>
    <message>
        <source>&amp;Effect generator</source>
        <translation>&amp;Effect generator</translation>
    </message>
    <message>
        <source>&amp;SlideShow (full screen)</source>
        <translation>&amp;SlideShow (full screen)</translation>
    </message>
    <message>
        <source>Internet: &amp;Homepage</source>
        <translation>Internet: &amp;Homepage</translation>
    </message>
    <message>
        <source>Internet: &amp;Updates</source>
        <translation>Internet: &amp;Updates</translation>
    </message>
    <message>
        <source>Internet: &amp;Kostenlose Texturen</source>
        <translation>Internet: &amp;Kostenlose Texturen</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>Vortel</source>
        <translation>Vortel</translation>
    </message>
    <message>
        <source>Vortel %1
Texteffekte aus Schrift, Umrisslinien und Licht.</source>
        <translation>Vortel %1
Texteffekte aus Schrift, Umrisslinien und Licht.</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Entwurf</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Geglättet</source>
        <translation>Geglättet</translation>
    </message>
    <message>
        <source>Effekt-Generator</source>
        <translation>Effekt-Generator</translation>
    </message>
    <message>
        <source>Profi</source>
        <translation>Profi</translation>
    </message>
    <message>
        <source> Move</source>
        <translation> Move</translation>
    </message>
    <message>
        <source> Edit points</source>
        <translation> Edit points</translation>
    </message>
    <message>
        <source> Draw lines</source>
        <translation> Draw lines</translation>
    </message>
    <message>
        <source> Redraw line</source>
        <translation> Redraw line</translation>
    </message>
    <message>
        <source>Hier werden fertige Styles gewählt.</source>
        <translation>Hier werden fertige Styles gewählt.</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Hier werden Text, Schriftart, Ausrichtung und Abstände eingestellt.</source>
        <translation>Hier werden Text, Schriftart, Ausrichtung und Abstände eingestellt.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Deform</source>
        <translation>Deform</translation>
    </message>
    <message>
        <source>Hier werden Farbe, Farbverlauf, Textur und Prägemuster gewählt.</source>
        <translation>Hier werden Farbe, Farbverlauf, Textur und Prägemuster gewählt.</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Hier werden die 3D-Kanten und ihr Profil gestaltet.</source>
        <translation>Hier werden die 3D-Kanten und ihr Profil gestaltet.</translation>
    </message>
    <message>
        <source>3D Bevel</source>
        <translation>3D Bevel</translation>
    </message>
    <message>
        <source>Hier werden die Umrisse ausgefranst.</source>
        <translation>Hier werden die Umrisse ausgefranst.</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Hier werden Schatten und Leuchten eingestellt.</source>
        <translation>Hier werden Schatten und Leuchten eingestellt.</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Hier wird der Hintergrund-Rahmen gewählt.</source>
        <translation>Hier wird der Hintergrund-Rahmen gewählt.</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Vortel - %1</source>
        <translation>Vortel - %1</translation>
    </message>
    <message>
        <source>Änderungen in &quot;%1&quot; speichern?</source>
        <translation>Änderungen in &quot;%1&quot; speichern?</translation>
    </message>
    <message>
        <source>Lade %1...</source>
        <translation>Lade %1...</translation>
    </message>
    <message>
        <source>Vortel Datei (*.vtl)</source>
        <translation>Vortel Datei (*.vtl)</translation>
    </message>
    <message>
        <source>Verform-Style (*.deform)</source>
        <translation>Verform-Style (*.deform)</translation>
    </message>
    <message>
        <source>3D-Kanten-Style (*.bevel)</source>
        <translation>3D-Kanten-Style (*.bevel)</translation>
    </message>
    <message>
        <source>Farbverlauf (*.color))</source>
        <translation>Farbverlauf (*.color))</translation>
    </message>
    <message>
        <source>Schatten-Style (*.shadow)</source>
        <translation>Schatten-Style (*.shadow)</translation>
    </message>
    <message>
        <source>Hintergrund-Textur (.jpg .bmp .png .tga .pcx) (*.jpg *.jif *.bmp *.dib *.rle *.tga *.pcx *.png)</source>
        <translation>Hintergrund-Textur (.jpg .bmp .png .tga .pcx) (*.jpg *.jif *.bmp *.dib *.rle *.tga *.pcx *.png)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>BMP - Windows Bitmap (*.bmp)</source>
        <translation>BMP - Windows Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>EMF - Enhanced Meta File (*.emf)</source>
        <translation>EMF - Enhanced Meta File (*.emf)</translation>
    </message>
    <message>
        <source>JPG - JPEG JFIF Compliant (*.jpg)</source>
        <translation>JPG - JPEG JFIF Compliant (*.jpg)</translation>
    </message>
    <message>
        <source>WMF - Windows 3.1 Meta File (*.wmf)</source>
        <translation>WMF - Windows 3.1 Meta File (*.wmf)</translation>
    </message>
    <message>
        <source>Deform - Nur Verformen-Style (*.deform)</source>
        <translation>Deform - Nur Verformen-Style (*.deform)</translation>
    </message>
    <message>
        <source>Bevel - Nur 3D-Kanten-Style (*.bevel)</source>
        <translation>Bevel - Nur 3D-Kanten-Style (*.bevel)</translation>
    </message>
    <message>
        <source>Color - Nur Farbverlauf (*.color)</source>
        <translation>Color - Nur Farbverlauf (*.color)</translation>
    </message>
    <message>
        <source>Shadow - Nur Schatten-Style (*.shadow)</source>
        <translation>Shadow - Nur Schatten-Style (*.shadow)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert schon.
Überschreiben?</source>
        <translation>&quot;%1&quot; existiert schon.
Überschreiben?</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Verformen</source>
        <translation>Verformen</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Punkt verschieben</source>
        <translation>Punkt verschieben</translation>
    </message>
    <message>
        <source>Zentrieren</source>
        <translation>Zentrieren</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Punkt hinzufügen</source>
        <translation>Punkt hinzufügen</translation>
    </message>
    <message>
        <source>Punkt löschen</source>
        <translation>Punkt löschen</translation>
    </message>
    <message>
        <source>3D-Kante</source>
        <translation>3D-Kante</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Farbverlauf</translation>
    </message>
    <message>
        <source>Zufall-Style</source>
        <translation>Zufall-Style</translation>
    </message>
    <message>
        <source>S&amp;prache</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>&amp;Live-Vorschau</source>
        <translation>&amp;Live-Vorschau</translation>
    </message>
</context>
<context>
    <name>vortel::app::PrintDialog</name>
    <message>
        <source>PDF-Datei</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Seitenverhältnisse beibehalten</source>
        <translation>Seitenverhältnisse beibehalten</translation>
    </message>
    <message>
        <source>Nutze ganze Seite</source>
        <translation>Nutze ganze Seite</translation>
    </message>
    <message>
        <source>Bild zentrieren</source>
        <translation>Bild zentrieren</translation>
    </message>
    <message>
        <source>&amp;Bildgröße (mm)</source>
        <translation>&amp;Bildgröße (mm)</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>&amp;Ränder (mm)</source>
        <translation>&amp;Ränder (mm)</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Oben</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Unten</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Ein&amp;richten...</source>
        <translation>Ein&amp;richten...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Vortel </source>
        <translation>Vortel </translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine gültige ganze Zahl.</source>
        <translation>&quot;%1&quot; ist keine gültige ganze Zahl.</translation>
    </message>
    <message>
        <source>Das Bild passt so nicht auf das Papier (%1 x %2 mm).<byte value="xd"/>Position und Größe müssen innerhalb des Papiers liegen.</source>
        <translation>Das Bild passt so nicht auf das Papier (%1 x %2 mm).<byte value="xd"/>Position und Größe müssen innerhalb des Papiers liegen.</translation>
    </message>
    <message>
        <source>In PDF-Datei drucken</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht gestartet werden.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht abgeschlossen werden.</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>vortel::app::TextInputDialog</name>
    <message>
        <source>Texteingabe</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>Geben Sie hier den gewünschten Text ein:</source>
        <translation>Geben Sie hier den gewünschten Text ein:</translation>
    </message>
    <message>
        <source>&amp;Schrifteffekt-Assistent starten</source>
        <translation>&amp;Schrifteffekt-Assistent starten</translation>
    </message>
    <message>
        <source>&amp;Profi-Modus (erweiterte Einstellungen)</source>
        <translation>&amp;Profi-Modus (erweiterte Einstellungen)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vortel::pages::AlterBmpDialog</name>
    <message>
        <source>Bitmap ändern</source>
        <translation>Bitmap ändern</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>&amp;Weicher</source>
        <translation>&amp;Weicher</translation>
    </message>
    <message>
        <source>&amp;Schärfer</source>
        <translation>&amp;Schärfer</translation>
    </message>
    <message>
        <source>&amp;Drehen</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>&amp;Übernehmen</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Bild ändern</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>Textur ändern</source>
        <translation>Textur ändern</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>BMP - Windows Bitmap (*.bmp)</source>
        <translation>BMP - Windows Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>JPG - JPEG JFIF Compliant (*.jpg)</source>
        <translation>JPG - JPEG JFIF Compliant (*.jpg)</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>vortel::pages::BevelPage</name>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Bevel design</source>
        <translation>Bevel design</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>Make random bevel</source>
        <translation>Make random bevel</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Add pixels</source>
        <translation>Add pixels</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>&amp;Add new segment</source>
        <translation>&amp;Add new segment</translation>
    </message>
    <message>
        <source>&amp;Delete segment</source>
        <translation>&amp;Delete segment</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Line</translation>
    </message>
    <message>
        <source>&amp;Concave</source>
        <translation>&amp;Concave</translation>
    </message>
    <message>
        <source>Conve&amp;x</source>
        <translation>Conve&amp;x</translation>
    </message>
    <message>
        <source>&amp;Text surface</source>
        <translation>&amp;Text surface</translation>
    </message>
    <message>
        <source>&amp;Background surface</source>
        <translation>&amp;Background surface</translation>
    </message>
    <message>
        <source>C&amp;olor...</source>
        <translation>C&amp;olor...</translation>
    </message>
    <message>
        <source>Transparenz...	(%1 %)</source>
        <translation>Transparenz...	(%1 %)</translation>
    </message>
    <message>
        <source>Hier mit rechter Maustaste klicken</source>
        <translation>Hier mit rechter Maustaste klicken</translation>
    </message>
    <message>
        <source>Punkt %1, %2%, %3%</source>
        <translation>Punkt %1, %2%, %3%</translation>
    </message>
    <message>
        <source>Bitte mit rechts klicken, um den Linientyp zu ändern</source>
        <translation>Bitte mit rechts klicken, um den Linientyp zu ändern</translation>
    </message>
</context>
<context>
    <name>vortel::pages::ColorListBox</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Custom...</translation>
    </message>
</context>
<context>
    <name>vortel::pages::FramePage</name>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Frame size</source>
        <translation>Frame size</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Frame color</source>
        <translation>Frame color</translation>
    </message>
</context>
<context>
    <name>vortel::pages::GradientList</name>
    <message>
        <source>&lt;neu&gt;</source>
        <translation>&lt;neu&gt;</translation>
    </message>
</context>
<context>
    <name>vortel::pages::OutlinePage</name>
    <message>
        <source>Stern</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Random Stern</source>
        <translation>Random Stern</translation>
    </message>
    <message>
        <source>Bezier</source>
        <translation>Bezier</translation>
    </message>
    <message>
        <source>Random Bezier</source>
        <translation>Random Bezier</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>X size</source>
        <translation>X size</translation>
    </message>
    <message>
        <source>Y size</source>
        <translation>Y size</translation>
    </message>
</context>
<context>
    <name>vortel::pages::PictureList</name>
    <message>
        <source>Texturen werden geladen. Bitte warten...</source>
        <translation>Texturen werden geladen. Bitte warten...</translation>
    </message>
</context>
<context>
    <name>vortel::pages::ShadowPage</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>X offset</source>
        <translation>X offset</translation>
    </message>
    <message>
        <source>Y offset</source>
        <translation>Y offset</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>vortel::pages::SlideShow</name>
    <message>
        <source>%1   Das 1. Bild wird berechnet. Bitte warten...</source>
        <translation>%1   Das 1. Bild wird berechnet. Bitte warten...</translation>
    </message>
    <message>
        <source>Effekt-Generator abbrechen mit Tastendruck oder Mausklick.</source>
        <translation>Effekt-Generator abbrechen mit Tastendruck oder Mausklick.</translation>
    </message>
    <message>
        <source>  -  Ressources (resident): %1 KB (growth %2 KB)  -  Free Memory %3% (loss %4%)</source>
        <translation>  -  Ressources (resident): %1 KB (growth %2 KB)  -  Free Memory %3% (loss %4%)</translation>
    </message>
    <message>
        <source>Bild %1,  Zeit %2 sec</source>
        <translation>Bild %1,  Zeit %2 sec</translation>
    </message>
</context>
<context>
    <name>vortel::pages::StylePage</name>
    <message>
        <source> Styles</source>
        <translation> Styles</translation>
    </message>
    <message>
        <source>Create random style</source>
        <translation>Create random style</translation>
    </message>
    <message>
        <source> Zufall</source>
        <translation> Zufall</translation>
    </message>
    <message>
        <source>Start/stop demo</source>
        <translation>Start/stop demo</translation>
    </message>
    <message>
        <source> Ordner...</source>
        <translation> Ordner...</translation>
    </message>
    <message>
        <source>Vortel-Dateien eines Ordners zeigen</source>
        <translation>Vortel-Dateien eines Ordners zeigen</translation>
    </message>
    <message>
        <source>Ordner mit Vortel-Dateien</source>
        <translation>Ordner mit Vortel-Dateien</translation>
    </message>
    <message>
        <source>Nicht lesbar: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
</context>
<context>
    <name>vortel::pages::SurfacePage</name>
    <message>
        <source>&amp;Text surface</source>
        <translation>&amp;Text surface</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Background</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>Color &amp;gradient</source>
        <translation>Color &amp;gradient</translation>
    </message>
    <message>
        <source>Te&amp;xture</source>
        <translation>Te&amp;xture</translation>
    </message>
    <message>
        <source>&amp;Imprint pattern</source>
        <translation>&amp;Imprint pattern</translation>
    </message>
    <message>
        <source>Farbe wählen...</source>
        <translation>Farbe wählen...</translation>
    </message>
    <message>
        <source>Enft-Taste löscht Farbe</source>
        <translation>Enft-Taste löscht Farbe</translation>
    </message>
    <message>
        <source>Farben umkehren</source>
        <translation>Farben umkehren</translation>
    </message>
    <message>
        <source>Verlaufsart</source>
        <translation>Verlaufsart</translation>
    </message>
    <message>
        <source>Wiederholungen</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>%1 x</source>
        <translation>%1 x</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>%1 °</source>
        <translation>%1 °</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Von oben nach unten</source>
        <translation>Von oben nach unten</translation>
    </message>
    <message>
        <source>Von links nach rechts</source>
        <translation>Von links nach rechts</translation>
    </message>
    <message>
        <source>Rechteckig zur Mitte</source>
        <translation>Rechteckig zur Mitte</translation>
    </message>
    <message>
        <source>Kreisförmig</source>
        <translation>Kreisförmig</translation>
    </message>
    <message>
        <source>Im Winkel</source>
        <translation>Im Winkel</translation>
    </message>
    <message>
        <source>Open bitmap files</source>
        <translation>Open bitmap files</translation>
    </message>
    <message>
        <source>Manipulate texture</source>
        <translation>Manipulate texture</translation>
    </message>
    <message>
        <source>Open imprint folder</source>
        <translation>Open imprint folder</translation>
    </message>
    <message>
        <source>Invert imprint</source>
        <translation>Invert imprint</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zuerst eine Textur aus.</source>
        <translation>Bitte wählen Sie zuerst eine Textur aus.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Bitte mehrere Farben auswählen.</source>
        <translation>Bitte mehrere Farben auswählen.</translation>
    </message>
    <message>
        <source>Textur: </source>
        <translation>Textur: </translation>
    </message>
    <message>
        <source>Ordner mit Prägemustern</source>
        <translation>Ordner mit Prägemustern</translation>
    </message>
    <message>
        <source>Keine Dateien (jpg,gif,bmp) gefunden in<byte value="xd"/>%1</source>
        <translation>Keine Dateien (jpg,gif,bmp) gefunden in<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Ordner mit Texturen</source>
        <translation>Ordner mit Texturen</translation>
    </message>
    <message>
        <source>&amp;Open folder...</source>
        <translation>&amp;Open folder...</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>vortel::pages::TextPage</name>
    <message>
        <source>Der Text des Effekts, auch mehrzeilig</source>
        <translation>Der Text des Effekts, auch mehrzeilig</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Kursiv</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Linksbündig</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Rechtsbündig</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Transparenz aller Punkte des 3D-Kanten-Profils</source>
        <translation>Transparenz aller Punkte des 3D-Kanten-Profils</translation>
    </message>
    <message>
        <source>Schriftart:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Zusätzlicher Abstand zwischen den Zeichen</source>
        <translation>Zusätzlicher Abstand zwischen den Zeichen</translation>
    </message>
    <message>
        <source>Zusätzlicher Abstand zwischen den Zeilen (ab zwei Zeilen)</source>
        <translation>Zusätzlicher Abstand zwischen den Zeilen (ab zwei Zeilen)</translation>
    </message>
    <message>
        <source>Buchstaben zufällig hoch und tief setzen</source>
        <translation>Buchstaben zufällig hoch und tief setzen</translation>
    </message>
    <message>
        <source>Buchstaben zufällig kippen</source>
        <translation>Buchstaben zufällig kippen</translation>
    </message>
    <message>
        <source>Neu würfeln: gleiche Höhe, andere Buchstaben</source>
        <translation>Neu würfeln: gleiche Höhe, andere Buchstaben</translation>
    </message>
    <message>
        <source>Neu würfeln: gleicher Winkel, andere Buchstaben</source>
        <translation>Neu würfeln: gleicher Winkel, andere Buchstaben</translation>
    </message>
    <message>
        <source>Zeichenabstand:</source>
        <translation>Zeichenabstand:</translation>
    </message>
    <message>
        <source>Zeilenabstand:</source>
        <translation>Zeilenabstand:</translation>
    </message>
    <message>
        <source>Hoch/Tief:</source>
        <translation>Hoch/Tief:</translation>
    </message>
    <message>
        <source>Kippen:</source>
        <translation>Kippen:</translation>
    </message>
</context>
<context>
    <name>vortel::pages::TransparencyDialog</name>
    <message>
        <source>Transparenz</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>&amp;Transparenz</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vortel::pages::ValueRows</name>
    <message>
        <source>Lower</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Raise</translation>
    </message>
</context>
</TS>
