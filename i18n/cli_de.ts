<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>&apos;%1&apos; must be a string or a whole number</source>
        <translation>&apos;%1&apos; muss ein Text oder eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be yes or no (1/0, true/false, ja/nein), got &apos;%2&apos;</source>
        <translation>&apos;%1&apos; muss ja oder nein sein (1/0, true/false, ja/nein), nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos;</source>
        <translation>unbekannte Vorgabe &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a job must be a JSON object</source>
        <translation>ein Auftrag muss ein JSON-Objekt sein</translation>
    </message>
    <message>
        <source>&apos;inputs&apos; must list file names</source>
        <translation>&apos;inputs&apos; muss Dateinamen aufzählen</translation>
    </message>
    <message>
        <source>&apos;inputs&apos; must be a file name or a list of them</source>
        <translation>&apos;inputs&apos; muss ein Dateiname oder eine Liste von Dateinamen sein</translation>
    </message>
    <message>
        <source>&apos;presets&apos; must be an object, e.g. {&quot;style&quot;: 3}</source>
        <translation>&apos;presets&apos; muss ein Objekt sein, z. B. {&quot;style&quot;: 3}</translation>
    </message>
    <message>
        <source>&apos;settings&apos; as a list holds KEY=JSON strings</source>
        <translation>&apos;settings&apos; als Liste enthält Texte KEY=JSON</translation>
    </message>
    <message>
        <source>&apos;settings&apos; must be an object of keys or a list of KEY=JSON strings</source>
        <translation>&apos;settings&apos; muss ein Objekt mit Schlüsseln oder eine Liste von Texten KEY=JSON sein</translation>
    </message>
    <message>
        <source>&apos;textures&apos; must be an object, e.g. {&quot;1&quot;: &quot;stone.png&quot;}</source>
        <translation>&apos;textures&apos; muss ein Objekt sein, z. B. {&quot;1&quot;: &quot;stone.png&quot;}</translation>
    </message>
    <message>
        <source>&apos;textures&apos; must map 0 or 1 to a file name</source>
        <translation>&apos;textures&apos; muss 0 oder 1 einem Dateinamen zuordnen</translation>
    </message>
    <message>
        <source>&apos;transparent&apos; must be true or false</source>
        <translation>&apos;transparent&apos; muss true oder false sein</translation>
    </message>
    <message>
        <source>unknown key &apos;%1&apos;</source>
        <translation>unbekannter Schlüssel &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the line is longer than %1 MiB</source>
        <translation>die Zeile ist länger als %1 MiB</translation>
    </message>
    <message>
        <source>not a JSON object: %1</source>
        <translation>kein JSON-Objekt: %1</translation>
    </message>
    <message>
        <source>unknown column &apos;%1&apos; in the CSV header</source>
        <translation>unbekannte Spalte &apos;%1&apos; in der CSV-Kopfzeile</translation>
    </message>
    <message>
        <source>the settings cell is not a JSON object</source>
        <translation>die Zelle settings ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>the CSV header names the column &apos;%1&apos; twice</source>
        <translation>die CSV-Kopfzeile nennt die Spalte &apos;%1&apos; zweimal</translation>
    </message>
    <message>
        <source>the CSV header has no &apos;output&apos; column</source>
        <translation>die CSV-Kopfzeile hat keine Spalte &apos;output&apos;</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>%1 Felder, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <source>line %1: a quoted CSV field is not closed</source>
        <translation>Zeile %1: ein CSV-Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>the job list is not UTF-8; it is read as Windows-1252</source>
        <translation>die Auftragsliste ist nicht UTF-8; sie wird als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>; and more</source>
        <translation>; und weitere</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>%1 by lines %2</source>
        <translation>%1 von den Zeilen %2</translation>
    </message>
    <message>
        <source>several jobs write the same file, so nothing was rendered: %1</source>
        <translation>mehrere Aufträge schreiben dieselbe Datei, daher wurde nichts berechnet: %1</translation>
    </message>
    <message>
        <source>cannot read the job list &apos;%1&apos;: %2</source>
        <translation>die Auftragsliste &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1/%2  %3/s  %4 left</source>
        <translation>%1/%2  %3/s  noch %4</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1/%2 done, %3 a second, %4 left</source>
        <translation>%1/%2 fertig, %3 pro Sekunde, noch %4</translation>
    </message>
    <message>
        <source>batch needs exactly one job list: vortel-cli batch JOBS</source>
        <translation>batch braucht genau eine Auftragsliste: vortel-cli batch AUFTRÄGE</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>the job list &apos;%1&apos; holds no jobs</source>
        <translation>die Auftragsliste &apos;%1&apos; enthält keine Aufträge</translation>
    </message>
    <message>
        <source>--help is not a job</source>
        <translation>--help ist kein Auftrag</translation>
    </message>
    <message>
        <source>the warp was refused</source>
        <translation>die Verformung wurde abgelehnt</translation>
    </message>
    <message>
        <source>not enough memory to render a picture of %1x%2 pixels</source>
        <translation>nicht genug Arbeitsspeicher für ein Bild von %1x%2 Pixeln</translation>
    </message>
    <message>
        <source>unexpected failure</source>
        <translation>unerwarteter Fehler</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 done, %2 failed, %3 s (%4 workers)</source>
        <translation>%1 fertig, %2 fehlgeschlagen, %3 s (%4 Threads)</translation>
    </message>
    <message>
        <source>%1: a face name has at most %2 bytes</source>
        <translation>%1: ein Schriftname hat höchstens %2 Bytes</translation>
    </message>
    <message>
        <source>%1: a face name cannot contain NUL</source>
        <translation>%1: ein Schriftname kann kein NUL enthalten</translation>
    </message>
    <message>
        <source>%1: expected an array of [x, y] points, got %2</source>
        <translation>%1: erwartet eine Liste von Punkten [x, y], nicht %2</translation>
    </message>
    <message>
        <source>%1: %2 points, at most %3</source>
        <translation>%1: %2 Punkte, höchstens %3</translation>
    </message>
    <message>
        <source>%1: expected an array of 4 guides</source>
        <translation>%1: erwartet eine Liste von 4 Begrenzungslinien</translation>
    </message>
    <message>
        <source>%1: needs exactly %2 points</source>
        <translation>%1: braucht genau %2 Punkte</translation>
    </message>
    <message>
        <source>%1 is read-only; set LogFont.lfFaceName instead</source>
        <translation>%1 kann nur gelesen werden; setzen Sie stattdessen LogFont.lfFaceName</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 kann nur gelesen werden</translation>
    </message>
    <message>
        <source>expected KEY=JSON, got &apos;%1&apos;</source>
        <translation>erwartet KEY=JSON, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: invalid JSON: %2</source>
        <translation>%1: ungültiges JSON: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither a document (.vtl), a style file (.deform, .bevel, .color, .shadow) nor an image to use as the background texture</source>
        <translation>&apos;%1&apos; ist weder ein Dokument (.vtl) noch eine Stildatei (.deform, .bevel, .color, .shadow) noch ein Bild für die Hintergrund-Textur</translation>
    </message>
    <message>
        <source>the image of %1x%2 is larger than %3 on a side; choose --size</source>
        <translation>das Bild von %1x%2 ist an einer Seite größer als %3; wählen Sie --size</translation>
    </message>
    <message>
        <source>the image library holds nothing called &apos;%1&apos;</source>
        <translation>die Bildbibliothek enthält nichts namens &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: the name must end in .png, .bmp, .jpg, .vtl, .deform, .bevel, .color, .shadow, .svg, .pdf, .emf or .wmf</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: der Name muss auf .png, .bmp, .jpg, .vtl, .deform, .bevel, .color, .shadow, .svg, .pdf, .emf oder .wmf enden</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>%1 geschrieben</translation>
    </message>
    <message>
        <source>gallery needs -o DIR, the folder for the pictures</source>
        <translation>gallery braucht -o ORDNER, den Ordner für die Bilder</translation>
    </message>
    <message>
        <source>gallery writes pictures; --json is not used</source>
        <translation>gallery schreibt Bilder; --json wird nicht verwendet</translation>
    </message>
    <message>
        <source>cannot create the folder &apos;%1&apos;</source>
        <translation>der Ordner &apos;%1&apos; kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>gallery %1/%2 (%3)</source>
        <translation>Galerie %1/%2 (%3)</translation>
    </message>
    <message>
        <source>styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Deform %1</source>
        <translation>Verformung %1</translation>
    </message>
    <message>
        <source>deformations</source>
        <translation>Verformungen</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <source>random effects</source>
        <translation>Zufallseffekte</translation>
    </message>
    <message>
        <source>wrote %1 pictures and 4 contact sheets to %2</source>
        <translation>%1 Bilder und 4 Übersichten nach %2 geschrieben</translation>
    </message>
    <message>
        <source>the JSON nests deeper than %1 levels</source>
        <translation>das JSON ist tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>%1: expected an integer, got %2</source>
        <translation>%1: erwartet eine ganze Zahl, nicht %2</translation>
    </message>
    <message>
        <source>%1: %2 is out of range %3..%4</source>
        <translation>%1: %2 liegt nicht im Bereich %3..%4</translation>
    </message>
    <message>
        <source>%1: expected a number, got %2</source>
        <translation>%1: erwartet eine Zahl, nicht %2</translation>
    </message>
    <message>
        <source>%1: expected a string, got %2</source>
        <translation>%1: erwartet einen Text, nicht %2</translation>
    </message>
    <message>
        <source>%1: expected [x, y], got %2</source>
        <translation>%1: erwartet [x, y], nicht %2</translation>
    </message>
    <message>
        <source>%1: expected an array of %2 values</source>
        <translation>%1: erwartet eine Liste von %2 Werten</translation>
    </message>
    <message>
        <source>%1: expected an object, got %2</source>
        <translation>%1: erwartet ein Objekt, nicht %2</translation>
    </message>
    <message>
        <source>%1: unknown key &apos;%2&apos;</source>
        <translation>%1: unbekannter Schlüssel &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown verb &apos;%1&apos;; see --help</source>
        <translation>unbekannter Befehl &apos;%1&apos;; siehe --help</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--size: expected WxH with sides 1..%1, got &apos;%2&apos;</source>
        <translation>--size: erwartet BxH mit Seiten 1..%1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--size: expected WxH, got &apos;%1&apos;</source>
        <translation>--size: erwartet BxH, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--quality: expected draft, normal or smooth, got &apos;%1&apos;</source>
        <translation>--quality: erwartet draft, normal oder smooth, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--jpeg-quality: expected 0..100, got &apos;%1&apos;</source>
        <translation>--jpeg-quality: erwartet 0..100, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: expected %2..%3, got &apos;%4&apos;</source>
        <translation>%1: erwartet %2..%3, nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>--texture: expected 1=FILE (text) or 0=FILE (background), got &apos;%1&apos;</source>
        <translation>--texture: erwartet 1=DATEI (Text) oder 0=DATEI (Hintergrund), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--png-effort: expected small or fast, got &apos;%1&apos;</source>
        <translation>--png-effort: erwartet small oder fast, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 is given twice (&apos;%2&apos; and &apos;%3&apos;)</source>
        <translation>%1 ist zweimal angegeben (&apos;%2&apos; und &apos;%3&apos;)</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no verb given; see --help</source>
        <translation>kein Befehl angegeben; siehe --help</translation>
    </message>
    <message>
        <source>usage: vortel-cli VERB [INPUT...] [options]
</source>
        <translation>Aufruf: vortel-cli BEFEHL [EINGABE...] [Optionen]
</translation>
    </message>
    <message>
        <source>verbs:
  inspect            print the engine state after layout and warp
  outline -o FILE    write the warped outline: .svg (with the guides), .pdf, .emf, .wmf
  render -o FILE     render the effect and write it by the name&apos;s extension:
                     .png .bmp .jpg (pictures), .vtl (document), .deform .bevel
                     .color .shadow (style files), .svg .pdf .emf .wmf (outline)
  resources          list the stock images and the counts the library reports;
                     --sheet FILE also writes them all as one .png or .bmp picture
  batch JOBS         render many pictures in one run on all cores; JOBS is a file of
                     JSON lines or a CSV file with a header (see the README); a
                     failing job is reported with its line number, the others go on
  gallery -o DIR     render every main style, every deformation and 24 random effects
                     as PNG files into DIR, with one contact sheet per group
</source>
        <translation>Befehle:
  inspect            den Zustand des Effekts nach Satz und Verformung ausgeben
  outline -o DATEI   den verformten Umriss schreiben: .svg (mit den Linien), .pdf, .emf, .wmf
  render -o DATEI    den Effekt berechnen und nach der Endung des Namens schreiben:
                     .png .bmp .jpg (Bilder), .vtl (Dokument), .deform .bevel
                     .color .shadow (Stildateien), .svg .pdf .emf .wmf (Umriss)
  resources          die mitgelieferten Bilder und die Zahlen der Bibliothek auflisten;
                     --sheet DATEI schreibt sie zudem alle in ein .png- oder .bmp-Bild
  batch AUFTRÄGE     viele Bilder in einem Lauf auf allen Kernen berechnen; AUFTRÄGE ist
                     eine Datei mit JSON-Zeilen oder eine CSV-Datei mit Kopfzeile (siehe
                     README); ein fehlgeschlagener Auftrag wird mit seiner Zeilennummer
                     gemeldet, die anderen laufen weiter
  gallery -o ORDNER  jeden Hauptstil, jede Verformung und 24 Zufallseffekte als PNG-
                     Dateien in ORDNER berechnen, mit einer Übersicht je Gruppe
</translation>
    </message>
    <message>
        <source>inputs:
  FILE.vtl           start from this document instead of the default effect
  FILE.deform, .bevel, .color, .shadow
                     apply a style file; inputs are applied in the order given
  IMAGE              .bmp .dib .rle .png .jpg .jif .gif .tga .pcx: the background texture
</source>
        <translation>Eingaben:
  DATEI.vtl          von diesem Dokument statt vom Standardeffekt ausgehen
  DATEI.deform, .bevel, .color, .shadow
                     eine Stildatei anwenden; Eingaben gelten in der angegebenen Reihenfolge
  BILD               .bmp .dib .rle .png .jpg .jif .gif .tga .pcx: die Hintergrund-Textur
</translation>
    </message>
    <message>
        <source>presets (applied in this order after the inputs, before --set; sizes follow the image height):
  --style N          main style 0..45; without --text its own text is used
  --random [SEED]    a random effect; the seed used is printed on standard error
  --guide-preset N   deformation 0..29
  --bevel-preset N   3D bevel 0..17
  --outline-preset N outline 0..12
  --shadow-preset N  shadow 0..11
  --frame-preset N   frame 0..17
  --gradient-preset N  text gradient 1..15
</source>
        <translation>Vorgaben (in dieser Reihenfolge nach den Eingaben, vor --set; Größen folgen der Bildhöhe):
  --style N          Hauptstil 0..45; ohne --text gilt sein eigener Text
  --random [START]   ein Zufallseffekt; der verwendete Startwert steht in der Fehlerausgabe
  --guide-preset N   Verformung 0..29
  --bevel-preset N   3D-Kante 0..17
  --outline-preset N Umriss 0..12
  --shadow-preset N  Schatten 0..11
  --frame-preset N   Rahmen 0..17
  --gradient-preset N  Textfarbverlauf 1..15
</translation>
    </message>
    <message>
        <source>Keys are the names `inspect` prints; objects may be partial, e.g.
  --set &apos;LogFont={&quot;lfFaceName&quot;:&quot;Times New Roman&quot;,&quot;lfWeight&quot;:400}&apos;
</source>
        <translation>Schlüssel sind die Namen, die `inspect` ausgibt; Objekte dürfen unvollständig sein, z. B.
  --set &apos;LogFont={&quot;lfFaceName&quot;:&quot;Times New Roman&quot;,&quot;lfWeight&quot;:400}&apos;
</translation>
    </message>
    <message>
        <source>outline needs -o FILE.svg, .pdf, .emf or .wmf</source>
        <translation>outline braucht -o DATEI.svg, .pdf, .emf oder .wmf</translation>
    </message>
    <message>
        <source>outline writes .svg, .pdf, .emf or .wmf; use render for &apos;%1&apos;</source>
        <translation>outline schreibt .svg, .pdf, .emf oder .wmf; verwenden Sie render für &apos;%1&apos;</translation>
    </message>
    <message>
        <source>outline writes SVG; --json is not used</source>
        <translation>outline schreibt SVG; --json wird nicht verwendet</translation>
    </message>
    <message>
        <source>--text is not UTF-8; it is read as Windows-1252</source>
        <translation>--text ist nicht UTF-8; der Text wird als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>no text outline could be extracted</source>
        <translation>es konnte kein Textumriss gewonnen werden</translation>
    </message>
    <message>
        <source>random seed %1</source>
        <translation>Zufallsstartwert %1</translation>
    </message>
    <message>
        <source>render needs -o FILE (.png, .jpg, .vtl, ...; see --help)</source>
        <translation>render braucht -o DATEI (.png, .jpg, .vtl, ...; siehe --help)</translation>
    </message>
    <message>
        <source>render writes an image; --json is not used</source>
        <translation>render schreibt ein Bild; --json wird nicht verwendet</translation>
    </message>
    <message>
        <source>--png-effort applies to a .png picture</source>
        <translation>--png-effort gilt für ein .png-Bild</translation>
    </message>
    <message>
        <source>--transparent writes a .png picture</source>
        <translation>--transparent schreibt ein .png-Bild</translation>
    </message>
    <message>
        <source>--transparent needs the normal or smooth quality</source>
        <translation>--transparent braucht die Qualität normal oder smooth</translation>
    </message>
    <message>
        <source>not an icon file</source>
        <translation>keine Symboldatei</translation>
    </message>
    <message>
        <source>icon file holds no image</source>
        <translation>die Symboldatei enthält kein Bild</translation>
    </message>
    <message>
        <source>unknown type</source>
        <translation>unbekannter Typ</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>stock images cannot be read (rebuild the library): %1</source>
        <translation>mitgelieferte Bilder können nicht gelesen werden (Bibliothek neu erstellen): %1</translation>
    </message>
    <message>
        <source>textures: %1 (GetMaxTextureFromDLL)
imprints: %2 8x8, %3 X series (GetMaxImprintFromDLL)
version:  %4 (GetDLLVersion)
</source>
        <translation>Texturen: %1 (GetMaxTextureFromDLL)
Prägungen: %2 8x8, %3 X-Serie (GetMaxImprintFromDLL)
Version:  %4 (GetDLLVersion)
</translation>
    </message>
    <message>
        <source>resources writes its list to standard output; use --sheet FILE for a picture</source>
        <translation>resources schreibt seine Liste in die Standardausgabe; für ein Bild verwenden Sie --sheet DATEI</translation>
    </message>
    <message>
        <source>--sheet: the file name must end in .png or .bmp</source>
        <translation>--sheet: der Dateiname muss auf .png oder .bmp enden</translation>
    </message>
    <message>
        <source>inspect writes to standard output; -o is not used</source>
        <translation>inspect schreibt in die Standardausgabe; -o wird nicht verwendet</translation>
    </message>
    <message>
        <source>outline point %1: %2</source>
        <translation>Umrisspunkt %1: %2</translation>
    </message>
    <message>
        <source>the outline does not start with a move</source>
        <translation>der Umriss beginnt nicht mit einem Ansetzen</translation>
    </message>
    <message>
        <source>a Bézier needs three points</source>
        <translation>eine Bézierkurve braucht drei Punkte</translation>
    </message>
    <message>
        <source>unknown point type %1</source>
        <translation>unbekannte Punktart %1</translation>
    </message>
    <message>
        <source>the process rendering this job ended without an answer, %1 times</source>
        <translation>der Prozess, der diesen Auftrag berechnete, endete ohne Antwort, %1 Mal</translation>
    </message>
    <message>
        <source>batch takes its render options from the job list; only --workers, --memory, --shard and --failed may be given</source>
        <translation>batch nimmt seine Optionen aus der Auftragsliste; nur --workers, --memory, --shard und --failed dürfen angegeben werden</translation>
    </message>
    <message>
        <source>--shard: expected K/N with 1 &lt;= K &lt;= N, got &apos;%1&apos;</source>
        <translation>--shard: K/N mit 1 &lt;= K &lt;= N erwartet, erhalten: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>options:
  --text T           the text; newlines separate lines; a style keeps it
  --size WxH         work image size, 1..10000 a side (default 450x200, or the document&apos;s)
  --set KEY=JSON     set a state key before rendering; repeatable, applied in order
  --json             inspect: print the state as one JSON object
  --quality Q        render: draft, normal or smooth (the default)
  --texture N=FILE   render: image for surface N, 1 the text, 0 the background;
                     choose the texture fill with --set, e.g. &apos;TextFill={&quot;FillKind&quot;:0}&apos;
  --imprint FILE     render: imprint the image into the text
                     FILE may be any .bmp .dib .rle .png .jpg .jif .gif .tga .pcx, or a
                     library image: :JPG_07 (texture), *IMPRINT_07, *FARBVERL_03
  --jpeg-quality Q   render to .jpg: quality 0..100 (default 80)
  --png-effort E     render to .png: small (the default: the smaller file) or fast
                     (several times quicker to write, a larger file; the same picture)
  --transparent      render to .png: an RGBA picture with a transparent background;
                     letters, bevel, shadow and frame keep their look over any colour
  --workers N        batch: render on N threads (default: one a core)
  --memory MIB       batch: what the jobs running at once may take together, in MiB
                     (default: half the memory free at the start); large pictures
                     then run fewer at a time
  --shard K/N        batch: only the jobs K, K+N, K+2N, ... (K from 1, every job of
                     the file counted), for the tasks of a job array
  --failed FILE      batch: write the failing jobs to FILE as a job list to run again
  -o, --output FILE  outline: the SVG file to write; render: the image
  -h, --help         show this help
</source>
        <translation>Optionen:
  --text T           der Text; Zeilenumbrüche trennen Zeilen; ein Stil behält ihn
  --size BxH         Größe des Arbeitsbilds, 1..10000 je Seite (Standard 450x200 oder die
                     des Dokuments)
  --set KEY=JSON     einen Zustandsschlüssel vor dem Berechnen setzen; wiederholbar, der
                     Reihe nach angewendet
  --json             inspect: den Zustand als ein JSON-Objekt ausgeben
  --quality Q        render: draft, normal oder smooth (Standard)
  --texture N=DATEI  render: Bild für Fläche N, 1 der Text, 0 der Hintergrund;
                     die Texturfüllung wählt --set, z. B. &apos;TextFill={&quot;FillKind&quot;:0}&apos;
  --imprint DATEI    render: das Bild in den Text prägen
                     DATEI kann jede .bmp .dib .rle .png .jpg .jif .gif .tga .pcx sein oder
                     ein Bild der Bibliothek: :JPG_07 (Textur), *IMPRINT_07, *FARBVERL_03
  --jpeg-quality Q   render nach .jpg: Qualität 0..100 (Standard 80)
  --png-effort E     render nach .png: small (Standard: die kleinere Datei) oder fast
                     (um ein Mehrfaches schneller geschrieben, größere Datei; dasselbe Bild)
  --transparent      render nach .png: ein RGBA-Bild mit durchsichtigem Hintergrund;
                     Buchstaben, 3D-Kante, Schatten und Rahmen sehen über jeder Farbe
                     gleich aus
  --workers N        batch: auf N Threads berechnen (Standard: einer je Kern)
  --memory MIB       batch: was die gleichzeitig laufenden Aufträge zusammen belegen
                     dürfen, in MiB (Standard: die Hälfte des beim Start freien Speichers);
                     große Bilder laufen dann weniger gleichzeitig
  --shard K/N        batch: nur die Aufträge K, K+N, K+2N, ... (K ab 1, jeder Auftrag der
                     Datei gezählt), für die Aufgaben eines Job-Arrays
  --failed DATEI     batch: die fehlgeschlagenen Aufträge als Auftragsliste in DATEI
                     schreiben, um sie noch einmal zu berechnen
  -o, --output DATEI outline: die zu schreibende SVG-Datei; render: das Bild
  -h, --help         diese Hilfe zeigen
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not written here</source>
        <translation>&apos;%1&apos; wird hier nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen aus symbolischen Verknüpfungen</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Eingabe-/Ausgabefehler</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Der zugewiesene Plattenplatz (Quota) ist überschritten</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nicht genügend Hauptspeicher verfügbar</translation>
    </message>
    <message>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>file shrank while being read</source>
        <translation>die Datei wurde beim Lesen kürzer</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot load font file &quot;%1&quot;</source>
        <translation>die Schriftdatei &quot;%1&quot; kann nicht geladen werden</translation>
    </message>
    <message>
        <source>unknown font face &quot;%1&quot;</source>
        <translation>unbekannte Schriftart &quot;%1&quot;</translation>
    </message>
    <message>
        <source>font face &quot;%1&quot; has no file</source>
        <translation>die Schriftart &quot;%1&quot; hat keine Datei</translation>
    </message>
    <message>
        <source>font size out of range</source>
        <translation>Schriftgröße außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>cannot save %1: the name must end in .png, .bmp or .jpg</source>
        <translation>%1 kann nicht gespeichert werden: der Name muss auf .png, .bmp oder .jpg enden</translation>
    </message>
    <message>
        <source>image has no pixels</source>
        <translation>das Bild hat keine Pixel</translation>
    </message>
    <message>
        <source>image of %1x%2 pixels is larger than supported</source>
        <translation>ein Bild von %1x%2 Pixeln ist größer als unterstützt</translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>the start file is a .vtl document or a style file (.deform, .bevel, .color, .shadow)</source>
        <translation>die Startdatei ist ein .vtl-Dokument oder eine Stildatei (.deform, .bevel, .color, .shadow)</translation>
    </message>
    <message>
        <source>the job is larger than %1 bytes</source>
        <translation>der Auftrag ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the job is not JSON: %1</source>
        <translation>der Auftrag ist kein JSON: %1</translation>
    </message>
    <message>
        <source>the job is a JSON object</source>
        <translation>der Auftrag ist ein JSON-Objekt</translation>
    </message>
    <message>
        <source>&apos;format&apos; is one of png, jpg, bmp, svg, pdf, vtl, deform, bevel, color, shadow</source>
        <translation>&apos;format&apos; ist eines von png, jpg, bmp, svg, pdf, vtl, deform, bevel, color, shadow</translation>
    </message>
    <message>
        <source>&apos;output&apos; is not taken here: the answer is the file</source>
        <translation>&apos;output&apos; gibt es hier nicht: die Antwort ist die Datei</translation>
    </message>
    <message>
        <source>&apos;inputs&apos; is not taken here: upload the document or style file as &apos;start&apos;</source>
        <translation>&apos;inputs&apos; gibt es hier nicht: laden Sie das Dokument oder die Stildatei als &apos;start&apos; hoch</translation>
    </message>
    <message>
        <source>the upload &apos;%1&apos; is larger than %2 bytes</source>
        <translation>die hochgeladene Datei &apos;%1&apos; ist größer als %2 Bytes</translation>
    </message>
    <message>
        <source>unknown upload &apos;%1&apos;; uploads are texture0, texture1, imprint and start</source>
        <translation>unbekannte hochgeladene Datei &apos;%1&apos;; hochgeladen werden texture0, texture1, imprint und start</translation>
    </message>
    <message>
        <source>the upload &apos;%1&apos; came twice</source>
        <translation>die Datei &apos;%1&apos; wurde zweimal hochgeladen</translation>
    </message>
    <message>
        <source>a picture of %1x%2 is larger than %3 on a side</source>
        <translation>ein Bild von %1x%2 ist an einer Seite größer als %3</translation>
    </message>
    <message>
        <source>textures and the imprint are stock pictures (:JPG_07, *IMPRINT_07) or uploads, not &apos;%1&apos;</source>
        <translation>Texturen und die Prägung sind mitgelieferte Bilder (:JPG_07, *IMPRINT_07) oder hochgeladene Dateien, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the server is busy; try again in a moment</source>
        <translation>der Server ist ausgelastet; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>there is nothing at this address</source>
        <translation>unter dieser Adresse gibt es nichts</translation>
    </message>
    <message>
        <source>the request is larger than the server takes</source>
        <translation>die Anfrage ist größer, als der Server annimmt</translation>
    </message>
    <message>
        <source>the address is too long</source>
        <translation>die Adresse ist zu lang</translation>
    </message>
    <message>
        <source>the request could not be served (HTTP %1)</source>
        <translation>die Anfrage konnte nicht bedient werden (HTTP %1)</translation>
    </message>
    <message>
        <source>the server failed at this request</source>
        <translation>der Server ist an dieser Anfrage gescheitert</translation>
    </message>
    <message>
        <source>the request took longer than %1 s to arrive</source>
        <translation>die Anfrage brauchte länger als %1 s, um anzukommen</translation>
    </message>
    <message>
        <source>the request could not be read</source>
        <translation>die Anfrage konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the server has not enough memory for this picture now</source>
        <translation>der Server hat gerade nicht genug Arbeitsspeicher für dieses Bild</translation>
    </message>
    <message>
        <source>usage: vortel-server [--listen HOST:PORT] [--workers N] [--max-side PIXELS]
                     [--max-upload BYTES] [--queue N] [--request-time SECONDS]
  --listen HOST:PORT   where to answer (default 127.0.0.1:8080; port 0: any free one)
  --workers N          pictures rendered at once (default: one a core)
  --max-side PIXELS    the largest picture side asked for or uploaded (default 4096)
  --max-upload BYTES   the largest uploaded file (default 10485760)
  --queue N            renders that may wait for a worker (default: sixteen a worker);
                       beyond them the answer is 503 with Retry-After
  --request-time S     how long a request may take to arrive and to wait (default 20)
</source>
        <translation>Aufruf: vortel-server [--listen HOST:PORT] [--workers N] [--max-side PIXEL]
                     [--max-upload BYTES] [--queue N] [--request-time SEKUNDEN]
  --listen HOST:PORT   wo geantwortet wird (Standard 127.0.0.1:8080; Port 0: ein freier)
  --workers N          gleichzeitig berechnete Bilder (Standard: eines je Kern)
  --max-side PIXEL     die größte Bildseite, angefordert oder hochgeladen (Standard 4096)
  --max-upload BYTES   die größte hochgeladene Datei (Standard 10485760)
  --queue N            Berechnungen, die auf einen Worker warten dürfen (Standard: sechzehn je
                       Worker); darüber hinaus lautet die Antwort 503 mit Retry-After
  --request-time S     wie lange eine Anfrage zum Ankommen und Warten brauchen darf
                       (Standard 20)
</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unbekanntes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--listen: expected HOST:PORT, got &apos;%1&apos;</source>
        <translation>--listen: erwartet HOST:PORT, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>listening on http://%1:%2/</source>
        <translation>wartet auf Anfragen unter http://%1:%2/</translation>
    </message>
    <message>
        <source>cannot listen on %1:%2</source>
        <translation>kann nicht auf %1:%2 warten</translation>
    </message>
    <message>
        <source>the upload &apos;%1&apos; is no picture that can be read: %2</source>
        <translation>die hochgeladene Datei &apos;%1&apos; ist kein lesbares Bild: %2</translation>
    </message>
    <message>
        <source>Deformation %1</source>
        <translation>Verformung %1</translation>
    </message>
    <message>
        <source>3D bevel %1</source>
        <translation>3D-Kante %1</translation>
    </message>
    <message>
        <source>Outline %1</source>
        <translation>Umriss %1</translation>
    </message>
    <message>
        <source>Shadow %1</source>
        <translation>Schatten %1</translation>
    </message>
    <message>
        <source>Frame %1</source>
        <translation>Rahmen %1</translation>
    </message>
    <message>
        <source>Gradient %1</source>
        <translation>Farbverlauf %1</translation>
    </message>
</context>
</TS>
