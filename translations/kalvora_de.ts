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
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll der Ordner mit den Beispieldateien geöffnet werden (um sie vor der Arbeit damit anzusehen)?</translation>
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
</TS>
