<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Usage: kalvora [OPTION]... [FILE|FOLDER]...
Stamp a date, a date and time you type, or a text of your own onto many pictures at
once, keeping each picture&apos;s format and its EXIF, GPS, IPTC and XMP metadata.

Opens the stamp window. Files named on the command line are added to its list as they
are; folders are walked, and every file in them and in the folders below them is added
(hidden files and names starting with &quot;~&quot; are left out).

Options:
  -h, --help     print this help and exit
      --version  print the version and exit
      --         treat every later argument as a file or folder

Every choice made in the window is kept in ~/.config/Vendrel/Kalvora.ini.
kalvora-stamp stamps pictures from the command line without a window.
</source>
        <translation>Aufruf: kalvora [OPTION]... [DATEI|ORDNER]...
Stempelt ein Datum, ein eingegebenes Datum mit Uhrzeit oder einen eigenen Text auf viele
Bilder auf einmal und behält dabei das Format jedes Bildes und seine EXIF-, GPS-, IPTC- und
XMP-Metadaten.

Öffnet das Stempelfenster. Auf der Befehlszeile genannte Dateien kommen so, wie sie sind, in
seine Liste; Ordner werden durchsucht, und jede Datei darin und in den Ordnern darunter kommt
hinzu (versteckte Dateien und Namen, die mit „~“ beginnen, bleiben außen vor).

Optionen:
  -h, --help     diese Hilfe anzeigen und beenden
      --version  die Version anzeigen und beenden
      --         jedes folgende Argument als Datei oder Ordner behandeln

Jede im Fenster getroffene Wahl wird in ~/.config/Vendrel/Kalvora.ini gespeichert.
kalvora-stamp stempelt Bilder ohne Fenster von der Befehlszeile aus.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ zeigt weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte ein Bildschirmfoto dieser Meldung senden an </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Add File(s) - Hold Ctrl or Shift to select multiple files</source>
        <translation>Dateien hinzufügen – mit Strg oder Umschalt mehrere Dateien wählen</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Dateiendung der zu ladenden Dateien:<byte value="xd"/><byte value="xd"/>(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Ordner wählen:</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif)|*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif|</source>
        <translation>Alle Bilder (*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif)|*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif|</translation>
    </message>
</context>
<context>
    <name>FolderWalk</name>
    <message>
        <source>1 file was left out: its name is not valid UTF-8, so this program cannot open it.</source>
        <translation>1 Datei wurde ausgelassen: Ihr Name ist kein gültiges UTF-8, daher kann dieses Programm sie nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 files were left out: their names are not valid UTF-8, so this program cannot open them.</source>
        <translation>%1 Dateien wurden ausgelassen: Ihre Namen sind kein gültiges UTF-8, daher kann dieses Programm sie nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Image File(s)</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Add Image File(s)</source>
        <translation>Bilddateien hinzufügen</translation>
    </message>
    <message>
        <source>Add All File(s) In Folder</source>
        <translation>Ganzen Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Beispieldateien laden</translation>
    </message>
    <message>
        <source>Stamp Text Options</source>
        <translation>Stempeltext</translation>
    </message>
    <message>
        <source>Stamp With:</source>
        <translation>Stempeln mit:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Stamp With User Specified Date/Time</source>
        <translation>Mit eingegebenem Datum/Uhrzeit stempeln</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Stamp With Your Custom Text:</source>
        <translation>Mit eigenem Text stempeln:</translation>
    </message>
    <message>
        <source>Stamp Style...</source>
        <translation>Stempelstil …</translation>
    </message>
    <message>
        <source>Size by the picture, outline, shadow or box, date pattern, time shift</source>
        <translation>Größe nach dem Bild, Kontur, Schatten oder Kasten, Datumsmuster, Zeitverschiebung</translation>
    </message>
    <message>
        <source>Position Of Stamp Text</source>
        <translation>Position des Stempeltexts</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>JPG Image Quality</source>
        <translation>JPG-Bildqualität</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Schrift ändern</translation>
    </message>
    <message>
        <source>Preview Stamp</source>
        <translation>Stempel-Vorschau</translation>
    </message>
    <message>
        <source>Save Option</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <translation>In diesen Ordner speichern:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Im Ordner des Originals speichern</translation>
    </message>
    <message>
        <source>Start Stamping</source>
        <translation>Stempeln starten</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Remove Stamp</source>
        <translation>Stempel entfernen</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Fit to Window	F</source>
        <translation>An Fenster anpassen	F</translation>
    </message>
    <message>
        <source>Actual Size	1</source>
        <translation>Originalgröße	1</translation>
    </message>
    <message>
        <source>Zoom In	+</source>
        <translation>Vergrößern	+</translation>
    </message>
    <message>
        <source>Zoom Out	-</source>
        <translation>Verkleinern	-</translation>
    </message>
</context>
<context>
    <name>ImageList</name>
    <message>
        <source>Image File(s)</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen. Doppelklick auf einen Eintrag entfernt ihn. Die Trennlinie | nach rechts aus dem Fenster ziehen, um ganze Namen zu sehen.</translation>
    </message>
</context>
<context>
    <name>JpegReasons</name>
    <message>
        <source>a progressive JPEG</source>
        <extracomment>What kind of JPEG a photo is, shown in &quot;%1: %2 cannot keep its own quality; …&quot;.</extracomment>
        <translation>ein progressives JPEG</translation>
    </message>
    <message>
        <source>an arithmetic-coded JPEG</source>
        <translation>ein arithmetisch codiertes JPEG</translation>
    </message>
    <message>
        <source>a JPEG of %1 bits a sample</source>
        <translation>ein JPEG mit %1 Bit je Abtastwert</translation>
    </message>
    <message>
        <source>a CMYK JPEG</source>
        <translation>ein CMYK-JPEG</translation>
    </message>
    <message>
        <source>a JPEG of %1 colour components</source>
        <translation>ein JPEG mit %1 Farbkomponenten</translation>
    </message>
    <message>
        <source>a JPEG whose colours are coded in separate scans</source>
        <translation>ein JPEG, dessen Farben in getrennten Scans codiert sind</translation>
    </message>
    <message>
        <source>a JPEG of an unusual colour sampling</source>
        <translation>ein JPEG mit ungewöhnlicher Farbunterabtastung</translation>
    </message>
    <message>
        <source>a quantization table is missing</source>
        <translation>eine Quantisierungstabelle fehlt</translation>
    </message>
    <message>
        <source>a Huffman table is no Huffman code</source>
        <translation>eine Huffman-Tabelle ist kein Huffman-Code</translation>
    </message>
    <message>
        <source>the file ends in the middle of its scan</source>
        <translation>die Datei endet mitten in ihrem Scan</translation>
    </message>
    <message>
        <source>a bad Huffman code in its scan</source>
        <extracomment>A reason, shown in &quot;The picture %1 is damaged (%2); it is left as it is.&quot;</extracomment>
        <translation>ein ungültiger Huffman-Code in seinem Scan</translation>
    </message>
    <message>
        <source>its scan data end too early</source>
        <translation>seine Scandaten enden zu früh</translation>
    </message>
    <message>
        <source>bytes its scan&apos;s coding does not reach</source>
        <translation>Bytes, die die Codierung seines Scans nicht erreicht</translation>
    </message>
    <message>
        <source>the stamp reaches past the blocks read</source>
        <translation>der Stempel reicht über die gelesenen Blöcke hinaus</translation>
    </message>
    <message>
        <source>its Huffman tables hold no code for the stamp</source>
        <translation>seine Huffman-Tabellen enthalten keinen Code für den Stempel</translation>
    </message>
    <message>
        <source>its marker structure cannot be followed</source>
        <translation>seiner Markerstruktur kann nicht gefolgt werden</translation>
    </message>
    <message>
        <source>a restart marker out of turn in its scan</source>
        <extracomment>A reason, shown in &quot;The picture %1 is damaged (%2); it is left as it is.&quot;</extracomment>
        <translation>eine Restart-Marke außer der Reihe in seinem Scan</translation>
    </message>
</context>
<context>
    <name>KalvoraStamp</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>--size-percent takes %1 to %2, not &quot;%3&quot;</source>
        <translation>--size-percent nimmt %1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--style takes %1, not &quot;%2&quot;</source>
        <translation>--style nimmt %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--style-color takes #RRGGBB, not &quot;%1&quot;</source>
        <translation>--style-color nimmt #RRGGBB, nicht „%1“</translation>
    </message>
    <message>
        <source>--box-opacity takes 0 to 100, not &quot;%1&quot;</source>
        <translation>--box-opacity nimmt 0 bis 100, nicht „%1“</translation>
    </message>
    <message>
        <source>--margin-percent takes 0 to 25, not &quot;%1&quot;</source>
        <translation>--margin-percent nimmt 0 bis 25, nicht „%1“</translation>
    </message>
    <message>
        <source>--date-format needs a pattern such as &quot;yyyy-MM-dd HH:mm&quot;</source>
        <translation>--date-format braucht ein Muster wie „yyyy-MM-dd HH:mm“</translation>
    </message>
    <message>
        <source>--locale takes a locale such as de_DE, not &quot;%1&quot;</source>
        <translation>--locale nimmt ein Gebietsschema wie de_DE, nicht „%1“</translation>
    </message>
    <message>
        <source>--no-date-taken takes %1, not &quot;%2&quot;</source>
        <translation>--no-date-taken nimmt %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--time-shift takes [+|-][Nd]HH:MM, not &quot;%1&quot;</source>
        <translation>--time-shift nimmt [+|-][Nd]HH:MM, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>Kalvora could not stamp</source>
        <translation>Kalvora konnte nicht stempeln</translation>
    </message>
    <message>
        <source>Stamping with Kalvora</source>
        <translation>Stempeln mit Kalvora</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>Stamping done</source>
        <translation>Stempeln abgeschlossen</translation>
    </message>
    <message>
        <source>%1 stamped, %2 failed.</source>
        <translation>%1 gestempelt, %2 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8, so it cannot be opened</source>
        <translation>der Name ist kein gültiges UTF-8, daher kann die Datei nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>der Zielordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>--text needs a text that is not empty</source>
        <translation>--text braucht einen nicht leeren Text</translation>
    </message>
    <message>
        <source>--date takes created, taken, modified or accessed, not &quot;%1&quot;</source>
        <translation>--date nimmt created, taken, modified oder accessed, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>unbekanntes Format „%1“</translation>
    </message>
    <message>
        <source>unknown position &quot;%1&quot;</source>
        <translation>unbekannte Position „%1“</translation>
    </message>
    <message>
        <source>--font needs a font family</source>
        <translation>--font braucht eine Schriftfamilie</translation>
    </message>
    <message>
        <source>--size takes points from above 0 to 1000, not &quot;%1&quot;</source>
        <translation>--size nimmt Punkte über 0 bis 1000, nicht „%1“</translation>
    </message>
    <message>
        <source>--color takes #RRGGBB, not &quot;%1&quot;</source>
        <translation>--color nimmt #RRGGBB, nicht „%1“</translation>
    </message>
    <message>
        <source>--quality takes 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality nimmt 1 bis 100, nicht „%1“</translation>
    </message>
    <message>
        <source>--extension takes an extension such as jpg, or *</source>
        <translation>--extension nimmt eine Dateiendung wie jpg, oder *</translation>
    </message>
    <message>
        <source>--jobs takes 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs nimmt 1 bis 256, nicht „%1“</translation>
    </message>
    <message>
        <source>--user-date and --user-time go together</source>
        <translation>--user-date und --user-time gehören zusammen</translation>
    </message>
    <message>
        <source>give only one of --text, --date and --user-date</source>
        <translation>nur eines von --text, --date und --user-date angeben</translation>
    </message>
    <message>
        <source>say what to stamp: --text, --date or --user-date</source>
        <translation>angeben, was gestempelt wird: --text, --date oder --user-date</translation>
    </message>
    <message>
        <source>give only one of --output and --in-place</source>
        <translation>nur eines von --output und --in-place angeben</translation>
    </message>
    <message>
        <source>say where results go: --output DIR or --in-place</source>
        <translation>angeben, wohin die Ergebnisse gehen: --output ORDNER oder --in-place</translation>
    </message>
    <message>
        <source>the saved custom text is empty: give --text</source>
        <translation>der gespeicherte eigene Text ist leer: --text angeben</translation>
    </message>
    <message>
        <source>name at least one file or folder</source>
        <translation>mindestens eine Datei oder einen Ordner angeben</translation>
    </message>
    <message>
        <source>the saved options cannot be read: %1</source>
        <translation>die gespeicherten Einstellungen können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>  --size-percent P          line height as P % of the shorter side (0.5 to 25),
                            instead of --size
  --style plain|outline|shadow|box
                            what is drawn with the text (default plain)
  --style-color #RRGGBB     the outline&apos;s, shadow&apos;s or box&apos;s colour (default: black
                            for light text, white for dark)
  --box-opacity 0-100       how much the box hides (default 60)
  --margin-percent P        the margin as P % of the shorter side (0 to 25)
Dates:
  --date-format PATTERN     a Qt date-time pattern such as &quot;yyyy-MM-dd HH:mm&quot;,
                            instead of --format
  --locale NAME             names of months and days (default: the system&apos;s)
  --no-date-taken sentence|filename|modified|skip
                            what a photo without a date taken gets (default sentence)
  --time-shift [+|-][Nd]HH:MM
                            added to every file date (a camera clock that was wrong)
Runs:
  --skip-stamped            skip photos this program stamped before, with a note
  --keep-folders            results of walked folders keep the folders below them
  --dry-run                 print source, result and text; write nothing
  --keep-quality            JPEGs keep their own quality: only the blocks under the
                            stamp are coded again, in the photo&apos;s own tables, and the
                            result can be restored to the original (--quality does
                            not apply)
</source>
        <translation>  --size-percent P          Zeilenhöhe als P % der kürzeren Seite (0.5 bis 25),
                            statt --size
  --style plain|outline|shadow|box
                            was mit dem Text gezeichnet wird (Vorgabe plain)
  --style-color #RRGGBB     Farbe von Kontur, Schatten oder Kasten (Vorgabe: schwarz
                            bei hellem Text, weiß bei dunklem)
  --box-opacity 0-100       wie stark der Kasten verdeckt (Vorgabe 60)
  --margin-percent P        der Rand als P % der kürzeren Seite (0 bis 25)
Datumsangaben:
  --date-format PATTERN     ein Qt-Datumsmuster wie &quot;yyyy-MM-dd HH:mm&quot;,
                            statt --format
  --locale NAME             Namen der Monate und Tage (Vorgabe: die des Systems)
  --no-date-taken sentence|filename|modified|skip
                            was ein Foto ohne Aufnahmedatum bekommt (Vorgabe sentence)
  --time-shift [+|-][Nd]HH:MM
                            zu jedem Dateidatum addiert (eine falsch gehende Kamerauhr)
Durchläufe:
  --skip-stamped            von diesem Programm schon gestempelte Fotos mit Hinweis überspringen
  --keep-folders            Ergebnisse durchsuchter Ordner behalten die Ordner darunter
  --dry-run                 Quelle, Ergebnis und Text ausgeben; nichts schreiben
  --keep-quality            JPEGs behalten ihre eigene Qualität: nur die Blöcke unter dem
                            Stempel werden neu codiert, mit den Tabellen des Fotos, und das
                            Ergebnis lässt sich zum Original zurückführen (--quality gilt
                            dann nicht)
</translation>
    </message>
    <message>
        <source>usage: kalvora-stamp [OPTIONS] FILE|FOLDER...
       kalvora-stamp --undo [--extension EXT] FILE|FOLDER...
Stamps a date or a text onto every picture named, keeping its format and its EXIF,
GPS, IPTC and XMP tags. Folders are walked with every folder below them.

What to stamp (one of):
  --text TEXT               a text of your own (&quot;\n&quot; in TEXT starts a new line)
  --date created|taken|modified|accessed
                            a date of each file
  --user-date D --user-time T
                            a date and time as typed
  --format CAPTION          how a file date is laid out: &quot;Timestamp And Datestamp&quot;
                            (default), &quot;Datestamp And Timestamp&quot;, &quot;Timestamp&quot;,
                            &quot;Datestamp&quot;
How it looks:
  --position CAPTION        Upper-Left (default), Upper-Right, Lower-Left, Lower-Right,
                            Center-Top, Center-Left, Center-Right, Center-Bottom, Center
  --font FAMILY             (default Arial)
  --size POINTS             (default 14)
  --bold --italic --underline --strikethrough
                            the style; without any of them, bold
  --color #RRGGBB           (default #FFFFFF)
  --quality 1-100           JPEG quality (default 85); HEIC and AVIF map it onto
                            libheif&apos;s quality (85 as 50)
%1Where results go (one of):
  --output DIR              into DIR under each source&apos;s name
  --in-place                in place of each source
Other:
  --extension EXT           the files a folder gives: &quot;jpg&quot;, or &quot;*&quot; for all (default)
  --jobs N                  files stamped at once (default: one per processor core)
  --from-settings           start from the options the window saved
  --notify                  show the progress and a summary as desktop notifications
  --undo                    put back the originals of the files named, which were
                            stamped keeping the photo&apos;s own quality; one line each
  --help, --version
  --                        ends the options: names after it may start with &quot;-&quot;

Failures are printed one line per file. Exit status: 0 every file was stamped (with
--undo: restored), 1 some failed (a path that does not exist counts), 2 a malformed
command (nothing written).
</source>
        <translation>Aufruf: kalvora-stamp [OPTIONEN] DATEI|ORDNER...
       kalvora-stamp --undo [--extension EXT] DATEI|ORDNER...
Stempelt ein Datum oder einen Text auf jedes genannte Bild und behält dabei sein Format und
seine EXIF-, GPS-, IPTC- und XMP-Tags. Ordner werden mit allen Ordnern darunter durchsucht.

Was gestempelt wird (eines davon):
  --text TEXT               ein eigener Text („\n“ in TEXT beginnt eine neue Zeile)
  --date created|taken|modified|accessed
                            ein Datum jeder Datei
  --user-date D --user-time T
                            Datum und Uhrzeit wie eingegeben
  --format CAPTION          wie ein Dateidatum aussieht: &quot;Timestamp And Datestamp&quot;
                            (Vorgabe), &quot;Datestamp And Timestamp&quot;, &quot;Timestamp&quot;,
                            &quot;Datestamp&quot;
Wie es aussieht:
  --position CAPTION        Upper-Left (Vorgabe), Upper-Right, Lower-Left, Lower-Right,
                            Center-Top, Center-Left, Center-Right, Center-Bottom, Center
  --font FAMILY             (Vorgabe Arial)
  --size POINTS             (Vorgabe 14)
  --bold --italic --underline --strikethrough
                            der Schriftstil; ohne eine davon fett
  --color #RRGGBB           (Vorgabe #FFFFFF)
  --quality 1-100           JPEG-Qualität (Vorgabe 85); für HEIC und AVIF auf die
                            Qualität von libheif übertragen (85 als 50)
%1Wohin die Ergebnisse gehen (eines davon):
  --output DIR              in DIR unter dem Namen jeder Quelle
  --in-place                anstelle jeder Quelle
Sonstiges:
  --extension EXT           welche Dateien ein Ordner liefert: &quot;jpg&quot; oder &quot;*&quot; für alle (Vorgabe)
  --jobs N                  gleichzeitig gestempelte Dateien (Vorgabe: eine je Prozessorkern)
  --from-settings           mit den vom Fenster gespeicherten Einstellungen beginnen
  --notify                  Fortschritt und Zusammenfassung als Desktop-Benachrichtigungen
  --undo                    die Originale der genannten Dateien zurückholen, die mit
                            der eigenen Qualität des Fotos gestempelt wurden; je eine Zeile
  --help, --version
  --                        beendet die Optionen: Namen danach dürfen mit „-“ beginnen

Fehler werden je Datei in einer Zeile ausgegeben. Rückgabewert: 0 alle Dateien gestempelt
(mit --undo: zurückgeholt), 1 einige fehlgeschlagen (ein nicht vorhandener Pfad zählt mit),
2 fehlerhafter Aufruf (nichts geschrieben).
</translation>
    </message>
    <message>
        <source>--undo takes files and folders only, with no stamp, --output, --in-place or --dry-run</source>
        <translation>--undo nimmt nur Dateien und Ordner, ohne Stempel, --output, --in-place oder --dry-run</translation>
    </message>
    <message>
        <source>name at least one file or folder to undo</source>
        <translation>mindestens eine Datei oder einen Ordner zum Zurückholen angeben</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>JPG Image Quality: %1%</source>
        <translation>JPG-Bildqualität: %1 %</translation>
    </message>
    <message>
        <source>Save images to this folder</source>
        <translation>Bilder in diesem Ordner speichern</translation>
    </message>
    <message>
        <source>Date Taken only applies to the JPG file format. JPG is the standard output from a digital camera.<byte value="xd"/><byte value="xd"/>Also, the JPG file has to have been created with a camera. JPG files can be created without a camera and will not have a Date Taken attribute assigned to it. Please right click the JPG file &gt; Properties &gt; Details to view the Date Taken attribute of a file.</source>
        <translation>Das Aufnahmedatum gibt es nur bei JPG-Dateien, dem üblichen Format von Digitalkameras.<byte value="xd"/><byte value="xd"/>Die JPG-Datei muss außerdem mit einer Kamera aufgenommen worden sein: Ohne Kamera erstellte JPG-Dateien haben kein Aufnahmedatum. Das Aufnahmedatum einer Datei zeigt ein Rechtsklick auf die Datei &gt; Eigenschaften &gt; Details.</translation>
    </message>
</context>
<context>
    <name>OutputFailures</name>
    <message>
        <source>the converter could not be started (%1)</source>
        <translation>der Konverter konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>the converter crashed</source>
        <translation>der Konverter ist abgestürzt</translation>
    </message>
    <message>
        <source>the converter did not finish in %1 s</source>
        <translation>der Konverter ist nicht in %1 s fertig geworden</translation>
    </message>
    <message>
        <source>the converter ended with code %1</source>
        <translation>der Konverter endete mit Code %1</translation>
    </message>
    <message>
        <source>Cannot convert %1: the format &quot;%2&quot; is not supported.</source>
        <translation>%1 kann nicht umgewandelt werden: das Format „%2“ wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>the converted file is not a %1 picture</source>
        <translation>die umgewandelte Datei ist kein %1-Bild</translation>
    </message>
    <message>
        <source>Cannot convert %1: %2.</source>
        <translation>%1 kann nicht umgewandelt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot save the image. GDI+ Error:%1
%2: %3</source>
        <extracomment>Keep &quot;GDI+ Error:%1&quot; as it is (a status number people look up); %2 is the file, %3 the reason.</extracomment>
        <translation>Das Bild kann nicht gespeichert werden. GDI+ Error:%1
%2: %3</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>der JPEG-Encoder ist gescheitert</translation>
    </message>
    <message>
        <source>Cannot save the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: pictures of the type &quot;%2&quot; cannot be written.</source>
        <translation>%1 kann nicht gespeichert werden: Bilder des Typs „%2“ können nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write the stamped picture %1 to the disk: %2.</source>
        <translation>Das gestempelte Bild %1 kann nicht auf den Datenträger geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the folder %1 is gone (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>der Ordner %1 ist verschwunden (%2)</translation>
    </message>
    <message>
        <source>Cannot put the stamped picture in place of %1: %2.</source>
        <translation>Das gestempelte Bild kann nicht an die Stelle von %1 gesetzt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot find the metadata tool exiftool on the search path (PATH). Please install ExifTool.</source>
        <translation>Das Metadaten-Werkzeug exiftool ist im Suchpfad (PATH) nicht zu finden. Bitte ExifTool installieren.</translation>
    </message>
    <message>
        <source>Cannot find the image converter kalvora-convert in %1. Please reinstall Kalvora.</source>
        <translation>Der Bildkonverter kalvora-convert ist in %1 nicht zu finden. Bitte Kalvora neu installieren.</translation>
    </message>
</context>
<context>
    <name>PictureFailures</name>
    <message>
        <source>error %1</source>
        <extracomment>The GIF library&apos;s error %1 (a number), when it has no text for it.</extracomment>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>the GIF&apos;s frames differ in size</source>
        <translation>die Einzelbilder des GIF sind verschieden groß</translation>
    </message>
    <message>
        <source>the GIF has no frames</source>
        <translation>das GIF hat keine Einzelbilder</translation>
    </message>
    <message>
        <source>a GIF cannot hold %1 x %2 pixels (at most %3 a side)</source>
        <translation>ein GIF kann keine %1 x %2 Pixel fassen (höchstens %3 je Seite)</translation>
    </message>
    <message>
        <source>the GIF encoder failed: %1</source>
        <translation>der GIF-Encoder ist gescheitert: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
    <message>
        <source>the GIF encoder cannot choose a palette</source>
        <translation>der GIF-Encoder kann keine Palette wählen</translation>
    </message>
    <message>
        <source>the GIF encoder cannot map a frame onto its palette</source>
        <translation>der GIF-Encoder kann ein Einzelbild nicht auf seine Palette abbilden</translation>
    </message>
    <message>
        <source>the file is cut short in a box header (%1 bytes)</source>
        <translation>die Datei bricht in einem Box-Kopf ab (%1 Bytes)</translation>
    </message>
    <message>
        <source>the file is cut short: its %1 box runs past its end (%2 bytes)</source>
        <translation>die Datei ist abgeschnitten: ihre %1-Box reicht über ihr Ende hinaus (%2 Bytes)</translation>
    </message>
    <message>
        <source>its %1 box has a size of %2 bytes, less than its header</source>
        <translation>ihre %1-Box hat eine Größe von %2 Bytes, weniger als ihr Kopf</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: libheif says &quot;%2&quot;.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: libheif meldet „%2“.</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped.</source>
        <translation>Das Bild %1 ist zu groß zum Stempeln.</translation>
    </message>
    <message>
        <source>libheif says &quot;%1&quot;</source>
        <translation>libheif meldet „%1“</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: %2. It was left as it is.</source>
        <translation>Das Bild %1 kann nicht vollständig zurückgeschrieben werden: %2. Es blieb, wie es war.</translation>
    </message>
    <message>
        <source>it holds a depth map, which libheif 1.15 cannot write</source>
        <translation>es enthält eine Tiefenkarte, die libheif 1.15 nicht schreiben kann</translation>
    </message>
    <message>
        <source>of an unknown kind</source>
        <extracomment>Fills %1 of &quot;it holds an auxiliary picture %1 …&quot; when its kind is not known.</extracomment>
        <translation>unbekannter Art</translation>
    </message>
    <message>
        <source>it holds an auxiliary picture %1 (an HDR gain map, a matte or the like), which libheif 1.15 cannot write</source>
        <translation>es enthält ein Hilfsbild %1 (eine HDR-Gain-Map, eine Maske oder Ähnliches), das libheif 1.15 nicht schreiben kann</translation>
    </message>
    <message>
        <source>libheif warns &quot;%1&quot;</source>
        <translation>libheif warnt „%1“</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped (%2 x %3 pixels).</source>
        <translation>Das Bild %1 ist zu groß zum Stempeln (%2 x %3 Pixel).</translation>
    </message>
    <message>
        <source>its meta box cannot be followed</source>
        <translation>seiner meta-Box kann nicht gefolgt werden</translation>
    </message>
    <message>
        <source>it holds %1 boxes, which libheif 1.15 cannot write</source>
        <translation>es enthält %1-Boxen, die libheif 1.15 nicht schreiben kann</translation>
    </message>
    <message>
        <source>its picture is coded with neither HEVC nor AV1</source>
        <translation>sein Bild ist weder mit HEVC noch mit AV1 codiert</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>es enthält kein Bild</translation>
    </message>
    <message>
        <source>this system has no %1 encoder for libheif</source>
        <translation>dieses System hat keinen %1-Encoder für libheif</translation>
    </message>
    <message>
        <source>libheif cannot hold a picture of %1 x %2 pixels</source>
        <translation>libheif kann kein Bild mit %1 x %2 Pixeln fassen</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>der %1-Encoder ist gescheitert: %2</translation>
    </message>
    <message>
        <source>its %1 item cannot be written: %2</source>
        <translation>sein %1-Element kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>a HEIF picture holds its pictures and their details together</source>
        <translation>ein HEIF-Bild hält seine Bilder und deren Angaben zusammen</translation>
    </message>
    <message>
        <source>libheif cannot assemble the file: %1</source>
        <translation>libheif kann die Datei nicht zusammensetzen: %1</translation>
    </message>
    <message>
        <source>cannot encode a size as PNG: %1</source>
        <translation>eine Größe kann nicht als PNG codiert werden: %1</translation>
    </message>
    <message>
        <source>the icon directory is cut short</source>
        <translation>das Symbolverzeichnis ist abgeschnitten</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: it is a cursor, not an icon.</source>
        <translation>Das Bild %1 kann nicht vollständig zurückgeschrieben werden: es ist ein Mauszeiger, kein Symbol.</translation>
    </message>
    <message>
        <source>the icon holds no image</source>
        <translation>das Symbol enthält kein Bild</translation>
    </message>
    <message>
        <source>size %1 of the icon is cut short</source>
        <translation>Größe %1 des Symbols ist abgeschnitten</translation>
    </message>
    <message>
        <source>an icon cannot hold a size of %1 x %2 pixels</source>
        <translation>ein Symbol kann keine Größe von %1 x %2 Pixeln fassen</translation>
    </message>
    <message>
        <source>The picture %1 is damaged (%2); it is left as it is.</source>
        <translation>Das Bild %1 ist beschädigt (%2); es bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>the picture is too large for the memory</source>
        <translation>das Bild ist zu groß für den Speicher</translation>
    </message>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>The picture %1 is damaged: %2</source>
        <translation>Das Bild %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>Das Bild %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: it is a folder.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: es ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: it is an animated PNG, and only its first frame could be kept.</source>
        <translation>Das Bild %1 kann nicht vollständig zurückgeschrieben werden: es ist ein animiertes PNG, und nur sein erstes Einzelbild könnte erhalten bleiben.</translation>
    </message>
    <message>
        <source>it holds no pixel data</source>
        <translation>es enthält keine Pixeldaten</translation>
    </message>
    <message>
        <source>%1 of its %2 frames can be read</source>
        <translation>%1 seiner %2 Einzelbilder können gelesen werden</translation>
    </message>
    <message>
        <source>frame %1 cannot be reached</source>
        <translation>Einzelbild %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: this system has no %2 reader.</source>
        <translation>Das Bild %1 kann nicht gelesen werden: dieses System hat keinen Leser für %2.</translation>
    </message>
    <message>
        <source>frame %1 cannot be read whole (%2)</source>
        <translation>Einzelbild %1 kann nicht vollständig gelesen werden (%2)</translation>
    </message>
    <message>
        <source>The picture %1 is not a PNG, TIFF, GIF, ICO, WebP or HEIF picture.</source>
        <translation>Das Bild %1 ist kein PNG-, TIFF-, GIF-, ICO-, WebP- oder HEIF-Bild.</translation>
    </message>
    <message>
        <source>a PNG holds one picture, not %1</source>
        <translation>ein PNG enthält ein Bild, nicht %1</translation>
    </message>
    <message>
        <source>the PNG encoder failed: %1</source>
        <translation>der PNG-Encoder ist gescheitert: %1</translation>
    </message>
    <message>
        <source>Cannot save the image: %1.</source>
        <translation>Das Bild kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>der Encoder hat nichts geschrieben</translation>
    </message>
    <message>
        <source>Cannot save the image %1: %2</source>
        <translation>Das Bild %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot save the image %1: frame %2 changed its size.</source>
        <translation>Das Bild %1 kann nicht gespeichert werden: Einzelbild %2 hat seine Größe geändert.</translation>
    </message>
    <message>
        <source>the file is cut short before its end chunk (%1 bytes)</source>
        <extracomment>A reason, shown after &quot;The picture %1 is damaged: &quot;.</extracomment>
        <translation>die Datei bricht vor ihrem End-Chunk ab (%1 Bytes)</translation>
    </message>
    <message>
        <source>the file is cut short in its header</source>
        <translation>die Datei bricht in ihrem Kopf ab</translation>
    </message>
    <message>
        <source>the file is cut short (%1 of %2 bytes)</source>
        <translation>die Datei ist abgeschnitten (%1 von %2 Bytes)</translation>
    </message>
    <message>
        <source>its header claims %1 x %2 pixels of %3 bits, more than a file holds</source>
        <translation>sein Kopf gibt %1 x %2 Pixel zu %3 Bit an, mehr als eine Datei fasst</translation>
    </message>
    <message>
        <source>its colours are stored as CMYK inks</source>
        <translation>seine Farben sind als CMYK-Druckfarben gespeichert</translation>
    </message>
    <message>
        <source>its colours are stored in a colour space (%1) that is not RGB</source>
        <translation>seine Farben sind in einem Farbraum (%1) gespeichert, der nicht RGB ist</translation>
    </message>
    <message>
        <source>its samples are not whole numbers</source>
        <translation>seine Abtastwerte sind keine ganzen Zahlen</translation>
    </message>
    <message>
        <source>it has %1 bits a sample</source>
        <translation>es hat %1 Bit je Abtastwert</translation>
    </message>
    <message>
        <source>it has more than one extra channel</source>
        <translation>es hat mehr als einen Zusatzkanal</translation>
    </message>
    <message>
        <source>the pixel data ends after %1 of %2 rows</source>
        <translation>die Pixeldaten enden nach %1 von %2 Zeilen</translation>
    </message>
    <message>
        <source>it is no readable TIFF file</source>
        <translation>es ist keine lesbare TIFF-Datei</translation>
    </message>
    <message>
        <source>The TIFF picture %1 cannot be written back whole: page %2: %3.</source>
        <translation>Das TIFF-Bild %1 kann nicht vollständig zurückgeschrieben werden: Seite %2: %3.</translation>
    </message>
    <message>
        <source>page %1: %2</source>
        <extracomment>%1 is a page number, %2 the TIFF library&apos;s own message.</extracomment>
        <translation>Seite %1: %2</translation>
    </message>
    <message>
        <source>page %1 is cut short (%2 of %3 bytes)</source>
        <translation>Seite %1 ist abgeschnitten (%2 von %3 Bytes)</translation>
    </message>
    <message>
        <source>the TIFF encoder failed: %1</source>
        <translation>der TIFF-Encoder ist gescheitert: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>frame %1 has no readable header</source>
        <translation>Einzelbild %1 hat keinen lesbaren Kopf</translation>
    </message>
    <message>
        <source>libwebp cannot decode its picture (status %1)</source>
        <translation>libwebp kann sein Bild nicht decodieren (Status %1)</translation>
    </message>
    <message>
        <source>libwebp cannot read its animation</source>
        <translation>libwebp kann seine Animation nicht lesen</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded</source>
        <translation>Einzelbild %1 kann nicht decodiert werden</translation>
    </message>
    <message>
        <source>the WebP encoder failed (libwebp error %1)</source>
        <translation>der WebP-Encoder ist gescheitert (libwebp-Fehler %1)</translation>
    </message>
    <message>
        <source>the WebP container cannot be made (libwebp error %1)</source>
        <translation>der WebP-Container kann nicht erzeugt werden (libwebp-Fehler %1)</translation>
    </message>
    <message>
        <source>a frame cannot be added to the WebP animation</source>
        <translation>ein Einzelbild kann der WebP-Animation nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>the WebP animation encoder cannot be set up</source>
        <translation>der WebP-Animations-Encoder kann nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>the WebP animation encoder failed: %1</source>
        <translation>der WebP-Animations-Encoder ist gescheitert: %1</translation>
    </message>
    <message>
        <source>no memory</source>
        <translation>kein Speicher</translation>
    </message>
    <message>
        <source>the %1 chunk cannot be put back</source>
        <translation>der %1-Chunk kann nicht zurückgesetzt werden</translation>
    </message>
    <message>
        <source>libwebp cannot read its chunks</source>
        <translation>libwebp kann seine Chunks nicht lesen</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped (%2 x %3 pixels, %4 frames).</source>
        <translation>Das Bild %1 ist zu groß zum Stempeln (%2 x %3 Pixel, %4 Einzelbilder).</translation>
    </message>
    <message>
        <source>a WebP holds at least one picture</source>
        <translation>ein WebP enthält mindestens ein Bild</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::TagFailures</name>
    <message>
        <source>ExifTool did not answer in %1 s</source>
        <translation>ExifTool hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll der Ordner mit den Beispieldateien geöffnet werden (um sie vor der Arbeit damit anzusehen)?</translation>
    </message>
    <message>
        <source>Overflow: the sample snapshot is longer than %1 characters.</source>
        <translation>Überlauf: der Beispiel-Schnappschuss ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The snapshot key is empty.</source>
        <translation>Der Schlüssel des Schnappschusses ist leer.</translation>
    </message>
    <message>
        <source>The sample snapshot holds a character (code %1) that cannot be coded.</source>
        <translation>Der Beispiel-Schnappschuss enthält ein Zeichen (Code %1), das sich nicht codieren lässt.</translation>
    </message>
    <message>
        <source>Cannot show the folder %1 in the file manager.</source>
        <translation>Der Ordner %1 kann nicht im Dateimanager gezeigt werden.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot save the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored number that is not a number.</extracomment>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>another program keeps it locked</source>
        <translation>ein anderes Programm hält sie gesperrt</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>ihre Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>percent &quot;%1&quot;</source>
        <translation>Prozent „%1“</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>time shift &quot;%1&quot;</source>
        <translation>Zeitverschiebung „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an item of the list</source>
        <translation>„%1“ ist kein Eintrag der Liste</translation>
    </message>
    <message>
        <source>Invalid property value: %1</source>
        <translation>Ungültiger Eigenschaftswert: %1</translation>
    </message>
    <message>
        <source>The settings were opened for reading only.</source>
        <translation>Die Einstellungen wurden nur zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>list position %1</source>
        <extracomment>A stored value that is not valid, shown in &quot;Invalid property value: %1&quot;.</extracomment>
        <translation>Listenposition %1</translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <source>font size %1</source>
        <translation>Schriftgröße %1</translation>
    </message>
</context>
<context>
    <name>StampFailures</name>
    <message>
        <source>its PNG chunks cannot be walked</source>
        <translation>seine PNG-Chunks können nicht durchlaufen werden</translation>
    </message>
    <message>
        <source>its first TIFF directory cannot be read or written again</source>
        <translation>sein erstes TIFF-Verzeichnis kann nicht gelesen oder neu geschrieben werden</translation>
    </message>
    <message>
        <source>libwebp cannot add a chunk to it</source>
        <translation>libwebp kann ihm keinen Chunk hinzufügen</translation>
    </message>
    <message>
        <source>its format keeps no restore data</source>
        <translation>sein Format bewahrt keine Wiederherstellungsdaten</translation>
    </message>
    <message>
        <source>%1: %2 cannot keep its own quality; stamp it without --keep-quality</source>
        <translation>%1: %2 kann seine eigene Qualität nicht behalten; ohne --keep-quality stempeln</translation>
    </message>
    <message>
        <source>Cannot stamp %1 keeping its own quality: %2</source>
        <translation>%1 kann nicht unter Beibehaltung seiner eigenen Qualität gestempelt werden: %2</translation>
    </message>
    <message>
        <source>%1 has no date taken: it was left as it is.</source>
        <translation>%1 hat kein Aufnahmedatum: die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>The %1 of %2 is not known.</source>
        <translation>%1 von %2 ist nicht bekannt.</translation>
    </message>
    <message>
        <source> It was stamped &quot;%1&quot;.</source>
        <extracomment>Added to the end of a failure sentence: keep the space in front.</extracomment>
        <translation> Gestempelt wurde „%1“.</translation>
    </message>
    <message>
        <source> Nothing was stamped on it.</source>
        <translation> Es wurde nichts darauf gestempelt.</translation>
    </message>
    <message>
        <source>The file date &quot;%1&quot; holds no time.</source>
        <translation>Das Dateidatum „%1“ enthält keine Uhrzeit.</translation>
    </message>
    <message>
        <source>Cannot stamp the thumbnail of %1: %2</source>
        <translation>Das Vorschaubild von %1 kann nicht gestempelt werden: %2</translation>
    </message>
    <message>
        <source>Cannot stamp the thumbnail of %1: stamped, it no longer fits in the file&apos;s EXIF block (64 KB)</source>
        <translation>Das Vorschaubild von %1 kann nicht gestempelt werden: gestempelt passt es nicht mehr in den EXIF-Block der Datei (64 KB)</translation>
    </message>
    <message>
        <source>%1 was stamped before (on %2): skipped</source>
        <translation>%1 wurde schon gestempelt (am %2): übersprungen</translation>
    </message>
    <message>
        <source>an unknown date</source>
        <extracomment>Fills %2 of &quot;%1 was stamped before (on %2): skipped&quot;.</extracomment>
        <translation>einem unbekannten Datum</translation>
    </message>
    <message>
        <source>%1 is read-only: it was left as it is.</source>
        <translation>%1 ist schreibgeschützt: die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>the stamped picture was removed on its way (%1)</source>
        <translation>das gestempelte Bild wurde unterwegs entfernt (%1)</translation>
    </message>
    <message>
        <source>Cannot copy the metadata of %1: %2.</source>
        <translation>Die Metadaten von %1 können nicht kopiert werden: %2.</translation>
    </message>
    <message>
        <source>no such folder</source>
        <extracomment>A reason, shown in &quot;Cannot put the stamped picture in place of %1: %2.&quot;</extracomment>
        <translation>kein solcher Ordner</translation>
    </message>
    <message>
        <source>Cannot make the folder %1 for the stamped picture: %2.</source>
        <translation>Der Ordner %1 für das gestempelte Bild kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>%1: stamped, but its XMP could not take the mark of the stamp (it cannot be read or is full), so a later run cannot tell it was stamped</source>
        <translation>%1: gestempelt, aber sein XMP konnte die Markierung des Stempels nicht aufnehmen (es ist nicht lesbar oder voll), daher erkennt ein späterer Lauf nicht, dass es gestempelt wurde</translation>
    </message>
    <message>
        <source>%1: the tags were copied; ExifTool warned: %2</source>
        <translation>%1: die Metadaten wurden kopiert; ExifTool warnte: %2</translation>
    </message>
    <message>
        <source>%1: stamped as usual, but the stamp cannot be undone: only JPEG, PNG, TIFF and lossless WebP results keep what an undo needs</source>
        <translation>%1: wie üblich gestempelt, aber der Stempel lässt sich nicht rückgängig machen: nur Ergebnisse als JPEG, PNG, TIFF und verlustfreies WebP bewahren, was dafür nötig ist</translation>
    </message>
    <message>
        <source>Cannot add the restore data to %1: %2.</source>
        <translation>Die Wiederherstellungsdaten können %1 nicht hinzugefügt werden: %2.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>Cannot make a private temporary folder in %1: %2.</source>
        <translation>In %1 kann kein privater temporärer Ordner angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>StampOptions</name>
    <message>
        <source>Date Created</source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Date Accessed</source>
        <translation>Datum des letzten Zugriffs</translation>
    </message>
    <message>
        <source>Timestamp And Datestamp</source>
        <translation>Uhrzeit und Datum</translation>
    </message>
    <message>
        <source>Datestamp And Timestamp</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Datestamp</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Upper-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Upper-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Lower-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Lower-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Center-Top</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Center-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Center-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Center-Bottom</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
</context>
<context>
    <name>StampRun</name>
    <message>
        <source>No files added.</source>
        <translation>Keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Der Ordner existiert nicht. Bitte einen anderen Ordner wählen.</translation>
    </message>
    <message>
        <source>Please enter custom text.</source>
        <translation>Bitte einen eigenen Text eingeben.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Stamped, with notes on their tags:
</source>
        <translation>Gestempelt, mit Hinweisen zu ihren Metadaten:
</translation>
    </message>
    <message>
        <source>Skipped:
</source>
        <translation>Übersprungen:
</translation>
    </message>
    <message>
        <source>Processing: </source>
        <translation>In Arbeit: </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Stamping done</source>
        <translation>Stempeln abgeschlossen</translation>
    </message>
    <message>
        <source>%1 stamped, %2 failed.</source>
        <translation>%1 gestempelt, %2 fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>StampStyleDialog</name>
    <message>
        <source>Stamp Style</source>
        <translation>Stempelstil</translation>
    </message>
    <message>
        <source>Size and Look</source>
        <translation>Größe und Aussehen</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>The font&apos;s points</source>
        <translation>Punktgröße der Schrift</translation>
    </message>
    <message>
        <source>Percent of the picture&apos;s shorter side</source>
        <translation>Prozent der kürzeren Bildseite</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Schlicht</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <source>Style colour:</source>
        <translation>Stilfarbe:</translation>
    </message>
    <message>
        <source>Black for light text, white for dark</source>
        <translation>Schwarz bei hellem Text, Weiß bei dunklem</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Farbe ändern</translation>
    </message>
    <message>
        <source>Outline width:</source>
        <translation>Konturbreite:</translation>
    </message>
    <message>
        <source> % of a line</source>
        <translation> % einer Zeile</translation>
    </message>
    <message>
        <source>Box opacity:</source>
        <translation>Deckkraft des Kastens:</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>Rand:</translation>
    </message>
    <message>
        <source>A few pixels, as always</source>
        <translation>Wenige Pixel, wie bisher</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datumsangaben</translation>
    </message>
    <message>
        <source>Date pattern:</source>
        <translation>Datumsmuster:</translation>
    </message>
    <message>
        <source>The Format list&apos;s choice</source>
        <translation>Auswahl der Formatliste</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Jetzt:</translation>
    </message>
    <message>
        <source>No date taken:</source>
        <translation>Ohne Aufnahmedatum:</translation>
    </message>
    <message>
        <source>Say there is none</source>
        <translation>Hinweis, dass es fehlt</translation>
    </message>
    <message>
        <source>The date in the file name</source>
        <translation>Datum im Dateinamen</translation>
    </message>
    <message>
        <source>The date modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Skip the photo</source>
        <translation>Foto überspringen</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>Zeitverschiebung:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Durchläufe</translation>
    </message>
    <message>
        <source>Skip photos already stamped</source>
        <translation>Bereits gestempelte Fotos überspringen</translation>
    </message>
    <message>
        <source>Keep the folders below a folder added whole</source>
        <translation>Unterordner eines ganz hinzugefügten Ordners beibehalten</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s own quality</source>
        <translation>Eigene Qualität des Fotos behalten</translation>
    </message>
    <message>
        <source>A JPEG keeps its own compression and every part the stamp does not cover, so the quality slider does not apply to JPEGs. JPEG, PNG, TIFF and lossless WebP results can be undone with &quot;Remove Stamp&quot; in the list&apos;s menu.</source>
        <translation>Ein JPEG behält seine eigene Kompression und jeden Teil, den der Stempel nicht bedeckt; der Qualitätsregler gilt dann nicht für JPEGs. Ergebnisse als JPEG, PNG, TIFF und verlustfreies WebP lassen sich mit „Stempel entfernen“ im Menü der Liste rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>TagFailures</name>
    <message>
        <source>Cannot read the date taken of %1: the file is empty.</source>
        <translation>Das Aufnahmedatum von %1 kann nicht gelesen werden: die Datei ist leer.</translation>
    </message>
    <message>
        <source>Cannot read the date taken of %1: %2</source>
        <translation>Das Aufnahmedatum von %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the run was stopped before ExifTool answered</source>
        <translation>der Lauf wurde angehalten, bevor ExifTool antwortete</translation>
    </message>
    <message>
        <source>Cannot copy the metadata of %1 into %2: %3.</source>
        <translation>Die Metadaten von %1 können nicht nach %2 kopiert werden: %3.</translation>
    </message>
    <message>
        <source>ExifTool updated no file</source>
        <translation>ExifTool hat keine Datei aktualisiert</translation>
    </message>
    <message>
        <source>ExifTool&apos;s configuration cannot be written in %1: %2</source>
        <translation>Die Konfiguration für ExifTool kann nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>ExifTool (%1) could not be started: %2</source>
        <translation>ExifTool (%1) konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>its name cannot be passed to ExifTool</source>
        <translation>ihr Name kann nicht an ExifTool übergeben werden</translation>
    </message>
    <message>
        <source>the name of the temporary file %1 cannot be passed to ExifTool</source>
        <translation>der Name der temporären Datei %1 kann nicht an ExifTool übergeben werden</translation>
    </message>
    <message>
        <source>ExifTool crashed</source>
        <translation>ExifTool ist abgestürzt</translation>
    </message>
    <message>
        <source>ExifTool stopped unexpectedly (exit code %1)</source>
        <translation>ExifTool wurde unerwartet beendet (Exit-Code %1)</translation>
    </message>
</context>
<context>
    <name>UndoReasons</name>
    <message>
        <source>its restore data cannot be read</source>
        <translation>seine Wiederherstellungsdaten können nicht gelesen werden</translation>
    </message>
    <message>
        <source>carries no restore data</source>
        <translation>enthält keine Wiederherstellungsdaten</translation>
    </message>
    <message>
        <source>was changed after it was stamped, so its original cannot be rebuilt</source>
        <translation>wurde nach dem Stempeln verändert, daher kann das Original nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>its restore data do not fit the picture they came with</source>
        <translation>seine Wiederherstellungsdaten passen nicht zu dem Bild, mit dem sie kamen</translation>
    </message>
    <message>
        <source>restored</source>
        <extracomment>An undo&apos;s answer after a file&apos;s name and a colon: the file is as it was before the stamp.</extracomment>
        <translation>wiederhergestellt</translation>
    </message>
    <message>
        <source>carries no restore data (it was not stamped with the photo&apos;s own quality)</source>
        <translation>enthält keine Wiederherstellungsdaten (es wurde nicht mit der eigenen Qualität des Fotos gestempelt)</translation>
    </message>
    <message>
        <source>carries the mark of a stamp but no restore data (it was stamped without keeping the photo&apos;s own quality, or saved again since); left as it is</source>
        <translation>trägt die Markierung eines Stempels, aber keine Wiederherstellungsdaten (es wurde gestempelt, ohne die eigene Qualität des Fotos zu behalten, oder seitdem neu gespeichert); unverändert gelassen</translation>
    </message>
    <message>
        <source>was changed after the stamp; left as it is</source>
        <translation>wurde nach dem Stempeln verändert; unverändert gelassen</translation>
    </message>
    <message>
        <source>its restore data is damaged; left as it is</source>
        <translation>seine Wiederherstellungsdaten sind beschädigt; unverändert gelassen</translation>
    </message>
    <message>
        <source>is read-only: left as it is</source>
        <translation>ist schreibgeschützt: unverändert gelassen</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>%1: the stamp could not be undone: %2</source>
        <translation>%1: der Stempel konnte nicht rückgängig gemacht werden: %2</translation>
    </message>
</context>
</TS>
