<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Cursors</name>
    <message>
        <source>Begrenzungslinie verschieben</source>
        <translation>Move guide line</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Begrenzungslinie zeichenen</source>
        <translation>Draw guide line</translation>
    </message>
    <message>
        <source>Punkte bearbeiten</source>
        <translation>Edit points</translation>
    </message>
    <message>
        <source>Punkt verschieben</source>
        <translation>Move point</translation>
    </message>
    <message>
        <source>Punkt löschen</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>Punkt hinzufügen</source>
        <translation>Add point</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Anker</source>
        <translation>Anchor</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Drucken verschieben</source>
        <translation>Move print area</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nicht genug Arbeitsspeicher für diesen Befehl.<byte value="xd"/>Das Programm läuft weiter; ein kleineres Bild braucht weniger.</source>
        <translation>Not enough memory for this command.<byte value="xd"/>The program keeps running; a smaller image needs less.</translation>
    </message>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Programmstart.</source>
        <translation>The chosen language takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!<byte value="xd"/>Bitte zeichnen Sie mit gedrückter Maustaste eine Linie.</source>
        <translation>You need at least 2 points for a guide line!<byte value="xd"/>Please draw a line while holding down the mouse button.</translation>
    </message>
    <message>
        <source>Bitte markieren Sie zuerst eine Begrenzungslinie, die Sie verändern möchten.</source>
        <translation>Please first select the guide line you want to change.</translation>
    </message>
    <message>
        <source>Der Text besteht aus zuvielen Punkten. Kürzen Sie den Text oder ändern Sie den Umriß</source>
        <translation>The text consists of too many points. Shorten the text or change the outline</translation>
    </message>
    <message>
        <source>Nicht genug Punkte!</source>
        <translation>Not enough points!</translation>
    </message>
    <message>
        <source>Fehler in Text-Begrenzungslinie.<byte value="xd"/>Sie benötigen mindestens 2 Punkte für eine Text-Begrenzungslinie!<byte value="xd"/>Bitte zeichnen Sie mit gedrückter Maustaste eine Linie.</source>
        <translation>Error in a guide line.<byte value="xd"/>You need at least 2 points for a guide line!<byte value="xd"/>Please draw a line while holding down the mouse button.</translation>
    </message>
    <message>
        <source>Die Text-Begrenzungslinien bestehen aus zuvielen Punkten. Bitte kürzen Sie diese.</source>
        <translation>The guide lines consist of too many points. Please shorten them.</translation>
    </message>
    <message>
        <source>Zuviele Punkte</source>
        <translation>Too many points</translation>
    </message>
    <message>
        <source>Fehler in Text-Begrenzungslinie.<byte value="xd"/>Die Begrenzungslinien schließen keine Fläche ein.</source>
        <translation>Error in a guide line.<byte value="xd"/>The guide lines do not enclose an area.</translation>
    </message>
    <message>
        <source>Fehler beim Lesen der Datei</source>
        <translation>Error reading the file</translation>
    </message>
    <message>
        <source>Beim Lesen der Datei ist ein Fehler aufgetreten.</source>
        <translation>An error occurred while reading the file.</translation>
    </message>
    <message>
        <source>Das Ende der Datei wurde erreicht.</source>
        <translation>The end of the file was reached.</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Datei</source>
        <translation>Error writing the file</translation>
    </message>
    <message>
        <source>Beim Schreiben der Datei ist ein Fehler aufgetreten.</source>
        <translation>An error occurred while writing the file.</translation>
    </message>
    <message>
        <source>Punkt %1, %2%, %3%</source>
        <translation>Point %1, %2%, %3%</translation>
    </message>
    <message>
        <source>Schriftart &quot;%1&quot; nicht installiert, ersetzt durch &quot;%2&quot;</source>
        <translation>Font &quot;%1&quot; not installed, replaced by &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Defekte Datei: %1</source>
        <translation>Damaged file: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Vortel-Datei!</source>
        <translation>&quot;%1&quot; is not a Vortel file!</translation>
    </message>
    <message>
        <source>Der Text ist zu lang, um gespeichert zu werden.<byte value="xd"/>Ein Dokument nimmt höchstens %1 KB Text auf; die Datei wurde nicht verändert.</source>
        <translation>The text is too long to be saved.<byte value="xd"/>A document holds at most %1 KB of text; the file was not changed.</translation>
    </message>
    <message>
        <source>Das Dokument wäre mit %1 MB zu groß, um wieder geöffnet zu werden.<byte value="xd"/>Verwenden Sie kleinere Texturen; die Datei wurde nicht verändert.</source>
        <translation>At %1 MB the document would be too large to be opened again.<byte value="xd"/>Use smaller textures; the file was not changed.</translation>
    </message>
</context>
<context>
    <name>vortel::app::CharDeformDialog</name>
    <message>
        <source>Zeichen verformen</source>
        <translation>Character Deformation</translation>
    </message>
    <message>
        <source>Verteilung der Zeichen entlang der Begrenzungslinien</source>
        <translation>Distribution of the characters along the guide lines</translation>
    </message>
    <message>
        <source>Verteilung der Zeichen quer zu den Begrenzungslinien</source>
        <translation>Distribution of the characters across the guide lines</translation>
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
        <translation>Vertical</translation>
    </message>
</context>
<context>
    <name>vortel::app::Help</name>
    <message>
        <source>Einführung</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Das Notizbuch</source>
        <translation>The notebook</translation>
    </message>
    <message>
        <source>Arbeiten im Bild</source>
        <translation>Working in the image</translation>
    </message>
    <message>
        <source>Dateien und Befehlszeile</source>
        <translation>Files and the command line</translation>
    </message>
    <message>
        <source>Tipps</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Im Internet</source>
        <translation>On the Internet</translation>
    </message>
    <message>
        <source>Vortel - Hilfe</source>
        <translation>Vortel - Help</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Suchen...</source>
        <translation>Search...</translation>
    </message>
    <message>
        <source>Keine Seite gefunden.</source>
        <translation>No page found.</translation>
    </message>
    <message>
        <source>1 Seite gefunden:</source>
        <translation>1 page found:</translation>
    </message>
    <message>
        <source>%1 Seiten gefunden:</source>
        <translation>%1 pages found:</translation>
    </message>
    <message>
        <source>Schrifteffekt-Assistent</source>
        <translation>Text Effect Assistant</translation>
    </message>
    <message>
        <source>Tipp des Tages</source>
        <translation>Tip of the Day</translation>
    </message>
    <message>
        <source>Klicken oder Esc schließt den Tipp.</source>
        <translation>Click or press Esc to close the tip.</translation>
    </message>
    <message>
        <source>Vortel</source>
        <translation>Vortel</translation>
    </message>
    <message>
        <source>Nun wird Ihr Internet-Browser mit der Programm Homepage gestartet.<byte value="xd"/>Fortfahren?</source>
        <translation>Your web browser will now open the program&apos;s home page.<byte value="xd"/>Continue?</translation>
    </message>
    <message>
        <source>Die Seiten konnten nicht in den Ordner &quot;%1&quot; geschrieben werden.</source>
        <translation>The pages could not be written to the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Internet-Browser nicht gefunden.</source>
        <translation>Web browser not found.</translation>
    </message>
</context>
<context>
    <name>vortel::app::ImageSizeDialog</name>
    <message>
        <source>Bildgröße</source>
        <translation>Image Size</translation>
    </message>
    <message>
        <source>&amp;Bildgröße</source>
        <translation>&amp;Image size</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Seitenverhältnisse beibehalten</source>
        <translation>Keep aspect ratio</translation>
    </message>
    <message>
        <source>Schriftzug mitskalieren</source>
        <translation>Scale the lettering too</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Schriftzug</source>
        <translation>Lettering</translation>
    </message>
    <message>
        <source>Bildgröße minimieren</source>
        <translation>Minimize image size</translation>
    </message>
    <message>
        <source>Text maximieren</source>
        <translation>Maximize text</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Breite und Höhe müssen ganze Zahlen von 1 bis %1 Pixel sein.</source>
        <translation>Width and height must be whole numbers from 1 to %1 pixels.</translation>
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
        <translation>Best compression</translation>
    </message>
    <message>
        <source>Beste Qualität</source>
        <translation>Best quality</translation>
    </message>
    <message>
        <source>Qualität:
Dateigröße (.jpg):
Original (.bmp):</source>
        <translation>Quality:
File size (.jpg):
Original (.bmp):</translation>
    </message>
    <message>
        <source>&amp;Vorschau</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
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
        <translation>Draw the upper guide line of the text</translation>
    </message>
    <message>
        <source>Zeichnen Sie nun die obere
und untere Text-Begrenzungslinie</source>
        <translation>Now draw the upper
and lower guide line of the text</translation>
    </message>
    <message>
        <source>RGB: %1, %2, %3</source>
        <translation>RGB: %1, %2, %3</translation>
    </message>
    <message>
        <source>Punkt %1, %2%, %3%</source>
        <translation>Point %1, %2%, %3%</translation>
    </message>
    <message>
        <source>Zeichne untere Text-Begrenzungslinie</source>
        <translation>Draw the lower guide line of the text</translation>
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
        <translation>Image size: %1 x %2</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Drucken...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Rückgängig (%1)</source>
        <translation>&amp;Undo (%1)</translation>
    </message>
    <message>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Bildgröße...</source>
        <translation>&amp;Image Size...</translation>
    </message>
    <message>
        <source>&amp;Zeichen verformen...</source>
        <translation>Character &amp;Deformation...</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Hilfethemen</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <source>Schrifteffekt-&amp;Assistent</source>
        <translation>Text Effect &amp;Assistant</translation>
    </message>
    <message>
        <source>&amp;Kurzhilfe</source>
        <translation>Sh&amp;ort Help</translation>
    </message>
    <message>
        <source>&amp;Tipp des Tages</source>
        <translation>&amp;Tip of the Day</translation>
    </message>
    <message>
        <source>&amp;Demo nach Programmstart</source>
        <translation>&amp;Demo at Start</translation>
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
        <translation>Internet: &amp;Home Page</translation>
    </message>
    <message>
        <source>Internet: &amp;Updates</source>
        <translation>Internet: &amp;Updates</translation>
    </message>
    <message>
        <source>Internet: &amp;Kostenlose Texturen</source>
        <translation>Internet: &amp;Free Textures</translation>
    </message>
    <message>
        <source>&amp;Info...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Vortel</source>
        <translation>Vortel</translation>
    </message>
    <message>
        <source>Vortel %1
Texteffekte aus Schrift, Umrisslinien und Licht.</source>
        <translation>Vortel %1
Text effects from type, outlines and light.</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Entwurf</source>
        <translation>Draft</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Geglättet</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>Effekt-Generator</source>
        <translation>Effect Generator</translation>
    </message>
    <message>
        <source>Profi</source>
        <translation>Expert</translation>
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
        <translation>Choose a ready-made style here.</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Hier werden Text, Schriftart, Ausrichtung und Abstände eingestellt.</source>
        <translation>Set the text, font, alignment and spacing here.</translation>
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
        <translation>Choose the color, gradient, texture and imprint pattern here.</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Hier werden die 3D-Kanten und ihr Profil gestaltet.</source>
        <translation>Design the bevel and its profile here.</translation>
    </message>
    <message>
        <source>3D Bevel</source>
        <translation>3D Bevel</translation>
    </message>
    <message>
        <source>Hier werden die Umrisse ausgefranst.</source>
        <translation>Fray the outlines here.</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Outline</translation>
    </message>
    <message>
        <source>Hier werden Schatten und Leuchten eingestellt.</source>
        <translation>Set the shadow and glow here.</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Shadow</translation>
    </message>
    <message>
        <source>Hier wird der Hintergrund-Rahmen gewählt.</source>
        <translation>Choose the background frame here.</translation>
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
        <translation>Save changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Lade %1...</source>
        <translation>Loading %1...</translation>
    </message>
    <message>
        <source>Vortel Datei (*.vtl)</source>
        <translation>Vortel file (*.vtl)</translation>
    </message>
    <message>
        <source>Verform-Style (*.deform)</source>
        <translation>Deform style (*.deform)</translation>
    </message>
    <message>
        <source>3D-Kanten-Style (*.bevel)</source>
        <translation>Bevel style (*.bevel)</translation>
    </message>
    <message>
        <source>Farbverlauf (*.color))</source>
        <translation>Color gradient (*.color))</translation>
    </message>
    <message>
        <source>Schatten-Style (*.shadow)</source>
        <translation>Shadow style (*.shadow)</translation>
    </message>
    <message>
        <source>Hintergrund-Textur (.jpg .bmp .png .tga .pcx) (*.jpg *.jif *.bmp *.dib *.rle *.tga *.pcx *.png)</source>
        <translation>Background texture (.jpg .bmp .png .tga .pcx) (*.jpg *.jif *.bmp *.dib *.rle *.tga *.pcx *.png)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
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
        <translation>Deform - Deform style only (*.deform)</translation>
    </message>
    <message>
        <source>Bevel - Nur 3D-Kanten-Style (*.bevel)</source>
        <translation>Bevel - Bevel style only (*.bevel)</translation>
    </message>
    <message>
        <source>Color - Nur Farbverlauf (*.color)</source>
        <translation>Color - Color gradient only (*.color)</translation>
    </message>
    <message>
        <source>Shadow - Nur Schatten-Style (*.shadow)</source>
        <translation>Shadow - Shadow style only (*.shadow)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert schon.
Überschreiben?</source>
        <translation>&quot;%1&quot; already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Verformen</source>
        <translation>Deform</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Punkt verschieben</source>
        <translation>Move point</translation>
    </message>
    <message>
        <source>Zentrieren</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Punkt hinzufügen</source>
        <translation>Add point</translation>
    </message>
    <message>
        <source>Punkt löschen</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>3D-Kante</source>
        <translation>Bevel</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Farbverlauf</source>
        <translation>Color gradient</translation>
    </message>
    <message>
        <source>Zufall-Style</source>
        <translation>Random style</translation>
    </message>
    <message>
        <source>S&amp;prache</source>
        <translation>&amp;Language</translation>
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
        <translation>&amp;Live Preview</translation>
    </message>
</context>
<context>
    <name>vortel::app::PrintDialog</name>
    <message>
        <source>PDF-Datei</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Orientation</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Seitenverhältnisse beibehalten</source>
        <translation>Keep aspect ratio</translation>
    </message>
    <message>
        <source>Nutze ganze Seite</source>
        <translation>Use whole page</translation>
    </message>
    <message>
        <source>Bild zentrieren</source>
        <translation>Center image</translation>
    </message>
    <message>
        <source>&amp;Bildgröße (mm)</source>
        <translation>&amp;Image size (mm)</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>&amp;Ränder (mm)</source>
        <translation>&amp;Margins (mm)</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Oben</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Unten</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Ein&amp;richten...</source>
        <translation>Page set&amp;up...</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vortel </source>
        <translation>Vortel </translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine gültige ganze Zahl.</source>
        <translation>&quot;%1&quot; is not a valid whole number.</translation>
    </message>
    <message>
        <source>Das Bild passt so nicht auf das Papier (%1 x %2 mm).<byte value="xd"/>Position und Größe müssen innerhalb des Papiers liegen.</source>
        <translation>The image does not fit on the paper like this (%1 x %2 mm).<byte value="xd"/>Position and size must lie within the paper.</translation>
    </message>
    <message>
        <source>In PDF-Datei drucken</source>
        <translation>Print to PDF File</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht gestartet werden.</source>
        <translation>The print job could not be started.</translation>
    </message>
    <message>
        <source>Der Druckauftrag konnte nicht abgeschlossen werden.</source>
        <translation>The print job could not be finished.</translation>
    </message>
</context>
<context>
    <name>vortel::app::TextInputDialog</name>
    <message>
        <source>Texteingabe</source>
        <translation>Enter Text</translation>
    </message>
    <message>
        <source>Geben Sie hier den gewünschten Text ein:</source>
        <translation>Enter the text you want here:</translation>
    </message>
    <message>
        <source>&amp;Schrifteffekt-Assistent starten</source>
        <translation>&amp;Start the text effect assistant</translation>
    </message>
    <message>
        <source>&amp;Profi-Modus (erweiterte Einstellungen)</source>
        <translation>&amp;Expert mode (advanced settings)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vortel::pages::AlterBmpDialog</name>
    <message>
        <source>Bitmap ändern</source>
        <translation>Change Bitmap</translation>
    </message>
    <message>
        <source>Farbton</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Sättigung</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>&amp;Weicher</source>
        <translation>S&amp;often</translation>
    </message>
    <message>
        <source>&amp;Schärfer</source>
        <translation>S&amp;harpen</translation>
    </message>
    <message>
        <source>&amp;Drehen</source>
        <translation>&amp;Rotate</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>&amp;Übernehmen</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Bild ändern</source>
        <translation>Change Image</translation>
    </message>
    <message>
        <source>Textur ändern</source>
        <translation>Change Texture</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Please wait...</translation>
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
        <translation>Save As</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
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
        <translation>Transparency...	(%1 %)</translation>
    </message>
    <message>
        <source>Hier mit rechter Maustaste klicken</source>
        <translation>Right-click here</translation>
    </message>
    <message>
        <source>Punkt %1, %2%, %3%</source>
        <translation>Point %1, %2%, %3%</translation>
    </message>
    <message>
        <source>Bitte mit rechts klicken, um den Linientyp zu ändern</source>
        <translation>Right-click to change the line type</translation>
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
        <translation>&lt;new&gt;</translation>
    </message>
</context>
<context>
    <name>vortel::pages::OutlinePage</name>
    <message>
        <source>Stern</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>Random Stern</source>
        <translation>Random star</translation>
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
        <translation>Loading textures. Please wait...</translation>
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
        <translation>%1   Calculating the first picture. Please wait...</translation>
    </message>
    <message>
        <source>Effekt-Generator abbrechen mit Tastendruck oder Mausklick.</source>
        <translation>Press a key or click to stop the effect generator.</translation>
    </message>
    <message>
        <source>  -  Ressources (resident): %1 KB (growth %2 KB)  -  Free Memory %3% (loss %4%)</source>
        <translation>  -  Resources (resident): %1 KB (growth %2 KB)  -  Free memory %3% (loss %4%)</translation>
    </message>
    <message>
        <source>Bild %1,  Zeit %2 sec</source>
        <translation>Picture %1,  time %2 sec</translation>
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
        <translation> Random</translation>
    </message>
    <message>
        <source>Start/stop demo</source>
        <translation>Start/stop demo</translation>
    </message>
    <message>
        <source> Ordner...</source>
        <translation> Folder...</translation>
    </message>
    <message>
        <source>Vortel-Dateien eines Ordners zeigen</source>
        <translation>Show the Vortel files of a folder</translation>
    </message>
    <message>
        <source>Ordner mit Vortel-Dateien</source>
        <translation>Folder with Vortel Files</translation>
    </message>
    <message>
        <source>Nicht lesbar: %1</source>
        <translation>Not readable: %1</translation>
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
        <translation>Choose color...</translation>
    </message>
    <message>
        <source>Enft-Taste löscht Farbe</source>
        <translation>The Delete key removes a color</translation>
    </message>
    <message>
        <source>Farben umkehren</source>
        <translation>Reverse colors</translation>
    </message>
    <message>
        <source>Verlaufsart</source>
        <translation>Gradient type</translation>
    </message>
    <message>
        <source>Wiederholungen</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <source>%1 x</source>
        <translation>%1 x</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>%1 °</source>
        <translation>%1 °</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Von oben nach unten</source>
        <translation>Top to bottom</translation>
    </message>
    <message>
        <source>Von links nach rechts</source>
        <translation>Left to right</translation>
    </message>
    <message>
        <source>Rechteckig zur Mitte</source>
        <translation>Rectangular to center</translation>
    </message>
    <message>
        <source>Kreisförmig</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Im Winkel</source>
        <translation>At an angle</translation>
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
        <translation>Please choose a texture first.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Bitte mehrere Farben auswählen.</source>
        <translation>Please choose several colors.</translation>
    </message>
    <message>
        <source>Textur: </source>
        <translation>Texture: </translation>
    </message>
    <message>
        <source>Ordner mit Prägemustern</source>
        <translation>Folder with Imprint Patterns</translation>
    </message>
    <message>
        <source>Keine Dateien (jpg,gif,bmp) gefunden in<byte value="xd"/>%1</source>
        <translation>No files (jpg, gif, bmp) found in<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Ordner mit Texturen</source>
        <translation>Folder with Textures</translation>
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
        <translation>The effect&apos;s text, also on several lines</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>F</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>K</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Kursiv</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Linksbündig</source>
        <translation>Align left</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Rechtsbündig</source>
        <translation>Align right</translation>
    </message>
    <message>
        <source>Transparenz aller Punkte des 3D-Kanten-Profils</source>
        <translation>Transparency of every point of the bevel profile</translation>
    </message>
    <message>
        <source>Schriftart:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Zusätzlicher Abstand zwischen den Zeichen</source>
        <translation>Extra space between the characters</translation>
    </message>
    <message>
        <source>Zusätzlicher Abstand zwischen den Zeilen (ab zwei Zeilen)</source>
        <translation>Extra space between the lines (from two lines on)</translation>
    </message>
    <message>
        <source>Buchstaben zufällig hoch und tief setzen</source>
        <translation>Raise and lower letters at random</translation>
    </message>
    <message>
        <source>Buchstaben zufällig kippen</source>
        <translation>Tilt letters at random</translation>
    </message>
    <message>
        <source>Neu würfeln: gleiche Höhe, andere Buchstaben</source>
        <translation>Roll again: same height, other letters</translation>
    </message>
    <message>
        <source>Neu würfeln: gleicher Winkel, andere Buchstaben</source>
        <translation>Roll again: same angle, other letters</translation>
    </message>
    <message>
        <source>Zeichenabstand:</source>
        <translation>Character spacing:</translation>
    </message>
    <message>
        <source>Zeilenabstand:</source>
        <translation>Line spacing:</translation>
    </message>
    <message>
        <source>Hoch/Tief:</source>
        <translation>Up/down:</translation>
    </message>
    <message>
        <source>Kippen:</source>
        <translation>Tilt:</translation>
    </message>
</context>
<context>
    <name>vortel::pages::TransparencyDialog</name>
    <message>
        <source>Transparenz</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>&amp;Transparenz</source>
        <translation>&amp;Transparency</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
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
