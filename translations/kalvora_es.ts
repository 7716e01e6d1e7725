<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
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
        <translation>Uso: kalvora [OPCIÓN]... [ARCHIVO|CARPETA]...
Estampa una fecha, una fecha y hora escritas o un texto propio en muchas imágenes a la vez,
conservando el formato de cada imagen y sus metadatos EXIF, GPS, IPTC y XMP.

Abre la ventana de sellado. Los archivos indicados en la línea de órdenes se añaden tal cual
a su lista; las carpetas se recorren y se añade cada archivo que contienen, también en las
subcarpetas (salvo los archivos ocultos y los nombres que empiezan por «~»).

Opciones:
  -h, --help     mostrar esta ayuda y salir
      --version  mostrar la versión y salir
      --         tratar cada argumento siguiente como archivo o carpeta

Cada elección hecha en la ventana se guarda en ~/.config/Vendrel/Kalvora.ini.
kalvora-stamp sella imágenes desde la línea de órdenes, sin ventana.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe una captura de pantalla de este mensaje a </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Add File(s) - Hold Ctrl or Shift to select multiple files</source>
        <translation>Añadir archivos: mantenga Ctrl o Mayús para elegir varios</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Extensión de los archivos que cargar:<byte value="xd"/><byte value="xd"/>(* para todos los archivos, txt para todos los archivos txt, doc para todos los archivos doc, etc.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Elija una carpeta:</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif)|*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif|</source>
        <translation>Todas las imágenes (*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif)|*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif|</translation>
    </message>
</context>
<context>
    <name>FolderWalk</name>
    <message>
        <source>1 file was left out: its name is not valid UTF-8, so this program cannot open it.</source>
        <translation>Se ha omitido 1 archivo: su nombre no es UTF-8 válido, así que este programa no puede abrirlo.</translation>
    </message>
    <message>
        <source>%1 files were left out: their names are not valid UTF-8, so this program cannot open them.</source>
        <translation>Se han omitido %1 archivos: sus nombres no son UTF-8 válido, así que este programa no puede abrirlos.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Image File(s)</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Add Image File(s)</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add All File(s) In Folder</source>
        <translation>Añadir una carpeta entera</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Cargar archivos de ejemplo</translation>
    </message>
    <message>
        <source>Stamp Text Options</source>
        <translation>Texto del sello</translation>
    </message>
    <message>
        <source>Stamp With:</source>
        <translation>Sellar con:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Stamp With User Specified Date/Time</source>
        <translation>Sellar con la fecha/hora indicada</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Stamp With Your Custom Text:</source>
        <translation>Sellar con un texto propio:</translation>
    </message>
    <message>
        <source>Stamp Style...</source>
        <translation>Estilo del sello…</translation>
    </message>
    <message>
        <source>Size by the picture, outline, shadow or box, date pattern, time shift</source>
        <translation>Tamaño según la imagen, contorno, sombra o recuadro, patrón de fecha, desfase horario</translation>
    </message>
    <message>
        <source>Position Of Stamp Text</source>
        <translation>Posición del texto</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambiar color</translation>
    </message>
    <message>
        <source>JPG Image Quality</source>
        <translation>Calidad de imagen JPG</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Cambiar la fuente</translation>
    </message>
    <message>
        <source>Preview Stamp</source>
        <translation>Vista previa del sello</translation>
    </message>
    <message>
        <source>Save Option</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <translation>Guardar en esta carpeta:</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Guardar junto al original</translation>
    </message>
    <message>
        <source>Start Stamping</source>
        <translation>Empezar a sellar</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Remove Stamp</source>
        <translation>Quitar sello</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Volver</translation>
    </message>
    <message>
        <source>Fit to Window	F</source>
        <translation>Ajustar a la ventana	F</translation>
    </message>
    <message>
        <source>Actual Size	1</source>
        <translation>Tamaño real	1</translation>
    </message>
    <message>
        <source>Zoom In	+</source>
        <translation>Acercar	+</translation>
    </message>
    <message>
        <source>Zoom Out	-</source>
        <translation>Alejar	-</translation>
    </message>
</context>
<context>
    <name>ImageList</name>
    <message>
        <source>Image File(s)</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arrastre aquí los archivos. Haga doble clic en un elemento para quitarlo. Lleve la línea | a la derecha, fuera de la ventana, para ver los nombres completos.</translation>
    </message>
</context>
<context>
    <name>JpegReasons</name>
    <message>
        <source>a progressive JPEG</source>
        <extracomment>What kind of JPEG a photo is, shown in &quot;%1: %2 cannot keep its own quality; …&quot;.</extracomment>
        <translation>un JPEG progresivo</translation>
    </message>
    <message>
        <source>an arithmetic-coded JPEG</source>
        <translation>un JPEG con codificación aritmética</translation>
    </message>
    <message>
        <source>a JPEG of %1 bits a sample</source>
        <translation>un JPEG de %1 bits por muestra</translation>
    </message>
    <message>
        <source>a CMYK JPEG</source>
        <translation>un JPEG CMYK</translation>
    </message>
    <message>
        <source>a JPEG of %1 colour components</source>
        <translation>un JPEG de %1 componentes de color</translation>
    </message>
    <message>
        <source>a JPEG whose colours are coded in separate scans</source>
        <translation>un JPEG cuyos colores están codificados en barridos separados</translation>
    </message>
    <message>
        <source>a JPEG of an unusual colour sampling</source>
        <translation>un JPEG con un submuestreo de color poco habitual</translation>
    </message>
    <message>
        <source>a quantization table is missing</source>
        <translation>falta una tabla de cuantificación</translation>
    </message>
    <message>
        <source>a Huffman table is no Huffman code</source>
        <translation>una tabla de Huffman no es un código de Huffman</translation>
    </message>
    <message>
        <source>the file ends in the middle of its scan</source>
        <translation>el archivo termina en mitad de su barrido</translation>
    </message>
    <message>
        <source>a bad Huffman code in its scan</source>
        <extracomment>A reason, shown in &quot;The picture %1 is damaged (%2); it is left as it is.&quot;</extracomment>
        <translation>un código de Huffman erróneo en su barrido</translation>
    </message>
    <message>
        <source>its scan data end too early</source>
        <translation>los datos de su barrido terminan demasiado pronto</translation>
    </message>
    <message>
        <source>bytes its scan&apos;s coding does not reach</source>
        <translation>bytes que la codificación de su barrido no alcanza</translation>
    </message>
    <message>
        <source>the stamp reaches past the blocks read</source>
        <translation>el sello va más allá de los bloques leídos</translation>
    </message>
    <message>
        <source>its Huffman tables hold no code for the stamp</source>
        <translation>sus tablas de Huffman no tienen código para el sello</translation>
    </message>
    <message>
        <source>its marker structure cannot be followed</source>
        <translation>no se puede seguir su estructura de marcadores</translation>
    </message>
    <message>
        <source>a restart marker out of turn in its scan</source>
        <extracomment>A reason, shown in &quot;The picture %1 is damaged (%2); it is left as it is.&quot;</extracomment>
        <translation>un marcador de reinicio fuera de turno en su barrido</translation>
    </message>
</context>
<context>
    <name>KalvoraStamp</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>--size-percent takes %1 to %2, not &quot;%3&quot;</source>
        <translation>--size-percent admite de %1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>--style takes %1, not &quot;%2&quot;</source>
        <translation>--style admite %1, no «%2»</translation>
    </message>
    <message>
        <source>--style-color takes #RRGGBB, not &quot;%1&quot;</source>
        <translation>--style-color admite #RRGGBB, no «%1»</translation>
    </message>
    <message>
        <source>--box-opacity takes 0 to 100, not &quot;%1&quot;</source>
        <translation>--box-opacity admite de 0 a 100, no «%1»</translation>
    </message>
    <message>
        <source>--margin-percent takes 0 to 25, not &quot;%1&quot;</source>
        <translation>--margin-percent admite de 0 a 25, no «%1»</translation>
    </message>
    <message>
        <source>--date-format needs a pattern such as &quot;yyyy-MM-dd HH:mm&quot;</source>
        <translation>--date-format necesita un patrón como «yyyy-MM-dd HH:mm»</translation>
    </message>
    <message>
        <source>--locale takes a locale such as de_DE, not &quot;%1&quot;</source>
        <translation>--locale admite una configuración regional como es_ES, no «%1»</translation>
    </message>
    <message>
        <source>--no-date-taken takes %1, not &quot;%2&quot;</source>
        <translation>--no-date-taken admite %1, no «%2»</translation>
    </message>
    <message>
        <source>--time-shift takes [+|-][Nd]HH:MM, not &quot;%1&quot;</source>
        <translation>--time-shift admite [+|-][Nd]HH:MM, no «%1»</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>Kalvora could not stamp</source>
        <translation>Kalvora no ha podido sellar</translation>
    </message>
    <message>
        <source>Stamping with Kalvora</source>
        <translation>Sellando con Kalvora</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 de %2: %3</translation>
    </message>
    <message>
        <source>Stamping done</source>
        <translation>Sellado terminado</translation>
    </message>
    <message>
        <source>%1 stamped, %2 failed.</source>
        <translation>%1 sellados, %2 fallidos.</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8, so it cannot be opened</source>
        <translation>el nombre no es UTF-8 válido, así que no se puede abrir</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>la carpeta de destino %1 no existe</translation>
    </message>
    <message>
        <source>--text needs a text that is not empty</source>
        <translation>--text necesita un texto no vacío</translation>
    </message>
    <message>
        <source>--date takes created, taken, modified or accessed, not &quot;%1&quot;</source>
        <translation>--date admite created, taken, modified o accessed, no «%1»</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>formato desconocido «%1»</translation>
    </message>
    <message>
        <source>unknown position &quot;%1&quot;</source>
        <translation>posición desconocida «%1»</translation>
    </message>
    <message>
        <source>--font needs a font family</source>
        <translation>--font necesita una familia tipográfica</translation>
    </message>
    <message>
        <source>--size takes points from above 0 to 1000, not &quot;%1&quot;</source>
        <translation>--size admite puntos de más de 0 a 1000, no «%1»</translation>
    </message>
    <message>
        <source>--color takes #RRGGBB, not &quot;%1&quot;</source>
        <translation>--color admite #RRGGBB, no «%1»</translation>
    </message>
    <message>
        <source>--quality takes 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality admite de 1 a 100, no «%1»</translation>
    </message>
    <message>
        <source>--extension takes an extension such as jpg, or *</source>
        <translation>--extension admite una extensión como jpg, o *</translation>
    </message>
    <message>
        <source>--jobs takes 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs admite de 1 a 256, no «%1»</translation>
    </message>
    <message>
        <source>--user-date and --user-time go together</source>
        <translation>--user-date y --user-time van juntos</translation>
    </message>
    <message>
        <source>give only one of --text, --date and --user-date</source>
        <translation>indique solo una de --text, --date y --user-date</translation>
    </message>
    <message>
        <source>say what to stamp: --text, --date or --user-date</source>
        <translation>indique qué sellar: --text, --date o --user-date</translation>
    </message>
    <message>
        <source>give only one of --output and --in-place</source>
        <translation>indique solo --output o --in-place</translation>
    </message>
    <message>
        <source>say where results go: --output DIR or --in-place</source>
        <translation>indique adónde van los resultados: --output CARPETA o --in-place</translation>
    </message>
    <message>
        <source>the saved custom text is empty: give --text</source>
        <translation>el texto propio guardado está vacío: indique --text</translation>
    </message>
    <message>
        <source>name at least one file or folder</source>
        <translation>indique al menos un archivo o una carpeta</translation>
    </message>
    <message>
        <source>the saved options cannot be read: %1</source>
        <translation>no se pueden leer las opciones guardadas: %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
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
        <translation>  --size-percent P          altura de línea como P % del lado corto (0.5 a 25),
                            en lugar de --size
  --style plain|outline|shadow|box
                            lo que se dibuja con el texto (predeterminado plain)
  --style-color #RRGGBB     el color del contorno, la sombra o el recuadro (predeterminado:
                            negro para texto claro, blanco para oscuro)
  --box-opacity 0-100       cuánto tapa el recuadro (predeterminado 60)
  --margin-percent P        el margen como P % del lado corto (0 a 25)
Fechas:
  --date-format PATTERN     un patrón de fecha de Qt como &quot;yyyy-MM-dd HH:mm&quot;,
                            en lugar de --format
  --locale NAME             nombres de meses y días (predeterminado: los del sistema)
  --no-date-taken sentence|filename|modified|skip
                            qué recibe una foto sin fecha de captura (predeterminado sentence)
  --time-shift [+|-][Nd]HH:MM
                            se suma a cada fecha de archivo (un reloj de cámara mal puesto)
Ejecuciones:
  --skip-stamped            omitir, con una nota, las fotos que este programa ya selló
  --keep-folders            los resultados de carpetas recorridas conservan sus subcarpetas
  --dry-run                 mostrar origen, resultado y texto; no escribir nada
  --keep-quality            los JPEG conservan su propia calidad: solo se codifican de nuevo
                            los bloques bajo el sello, con las tablas de la foto, y el
                            resultado puede volver al original (--quality no se
                            aplica)
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
        <translation>uso: kalvora-stamp [OPCIONES] ARCHIVO|CARPETA...
       kalvora-stamp --undo [--extension EXT] ARCHIVO|CARPETA...
Sella una fecha o un texto en cada imagen indicada, conservando su formato y sus etiquetas
EXIF, GPS, IPTC y XMP. Las carpetas se recorren con todas sus subcarpetas.

Qué sellar (una de estas):
  --text TEXT               un texto propio («\n» en TEXT empieza una línea nueva)
  --date created|taken|modified|accessed
                            una fecha de cada archivo
  --user-date D --user-time T
                            una fecha y una hora tal como se escriben
  --format CAPTION          cómo se presenta una fecha de archivo: &quot;Timestamp And Datestamp&quot;
                            (predeterminado), &quot;Datestamp And Timestamp&quot;, &quot;Timestamp&quot;,
                            &quot;Datestamp&quot;
Aspecto:
  --position CAPTION        Upper-Left (predeterminado), Upper-Right, Lower-Left, Lower-Right,
                            Center-Top, Center-Left, Center-Right, Center-Bottom, Center
  --font FAMILY             (predeterminado Arial)
  --size POINTS             (predeterminado 14)
  --bold --italic --underline --strikethrough
                            el estilo; sin ninguna de ellas, negrita
  --color #RRGGBB           (predeterminado #FFFFFF)
  --quality 1-100           calidad JPEG (predeterminado 85); en HEIC y AVIF se lleva a
                            la calidad de libheif (85 como 50)
%1Adónde van los resultados (una de estas):
  --output DIR              en DIR con el nombre de cada origen
  --in-place                en lugar de cada origen
Otras:
  --extension EXT           los archivos que da una carpeta: &quot;jpg&quot;, o &quot;*&quot; para todos (predeterminado)
  --jobs N                  archivos sellados a la vez (predeterminado: uno por núcleo)
  --from-settings           partir de las opciones que guardó la ventana
  --notify                  mostrar el progreso y un resumen como notificaciones
  --undo                    devolver los originales de los archivos indicados, sellados
                            con la calidad propia de la foto; una línea por archivo
  --help, --version
  --                        termina las opciones: los nombres siguientes pueden empezar por «-»

Los fallos se muestran en una línea por archivo. Estado de salida: 0 se sellaron todos los
archivos (con --undo: se restauraron), 1 algunos fallaron (una ruta que no existe cuenta),
2 orden mal formada (no se escribe nada).
</translation>
    </message>
    <message>
        <source>--undo takes files and folders only, with no stamp, --output, --in-place or --dry-run</source>
        <translation>--undo solo acepta archivos y carpetas, sin sello, --output, --in-place ni --dry-run</translation>
    </message>
    <message>
        <source>name at least one file or folder to undo</source>
        <translation>indique al menos un archivo o una carpeta que restaurar</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>JPG Image Quality: %1%</source>
        <translation>Calidad de imagen JPG: %1 %</translation>
    </message>
    <message>
        <source>Save images to this folder</source>
        <translation>Guardar las imágenes en esta carpeta</translation>
    </message>
    <message>
        <source>Date Taken only applies to the JPG file format. JPG is the standard output from a digital camera.<byte value="xd"/><byte value="xd"/>Also, the JPG file has to have been created with a camera. JPG files can be created without a camera and will not have a Date Taken attribute assigned to it. Please right click the JPG file &gt; Properties &gt; Details to view the Date Taken attribute of a file.</source>
        <translation>La fecha de captura solo existe en los archivos JPG, el formato habitual de las cámaras digitales.<byte value="xd"/><byte value="xd"/>Además, el archivo JPG tiene que haberse creado con una cámara: los JPG creados de otro modo no tienen fecha de captura. Para verla, haga clic derecho en el archivo JPG &gt; Propiedades &gt; Detalles.</translation>
    </message>
</context>
<context>
    <name>OutputFailures</name>
    <message>
        <source>the converter could not be started (%1)</source>
        <translation>no se ha podido iniciar el convertidor (%1)</translation>
    </message>
    <message>
        <source>the converter crashed</source>
        <translation>el convertidor se ha bloqueado</translation>
    </message>
    <message>
        <source>the converter did not finish in %1 s</source>
        <translation>el convertidor no ha terminado en %1 s</translation>
    </message>
    <message>
        <source>the converter ended with code %1</source>
        <translation>el convertidor terminó con el código %1</translation>
    </message>
    <message>
        <source>Cannot convert %1: the format &quot;%2&quot; is not supported.</source>
        <translation>No se puede convertir %1: el formato «%2» no es compatible.</translation>
    </message>
    <message>
        <source>the converted file is not a %1 picture</source>
        <translation>el archivo convertido no es una imagen %1</translation>
    </message>
    <message>
        <source>Cannot convert %1: %2.</source>
        <translation>No se puede convertir %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the image. GDI+ Error:%1
%2: %3</source>
        <extracomment>Keep &quot;GDI+ Error:%1&quot; as it is (a status number people look up); %2 is the file, %3 the reason.</extracomment>
        <translation>No se puede guardar la imagen. GDI+ Error:%1
%2: %3</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>el codificador JPEG ha fallado</translation>
    </message>
    <message>
        <source>Cannot save the picture %1: %2</source>
        <translation>No se puede guardar la imagen %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: pictures of the type &quot;%2&quot; cannot be written.</source>
        <translation>No se puede guardar %1: las imágenes del tipo «%2» no se pueden escribir.</translation>
    </message>
    <message>
        <source>Cannot write the stamped picture %1 to the disk: %2.</source>
        <translation>No se puede escribir la imagen sellada %1 en el disco: %2.</translation>
    </message>
    <message>
        <source>the folder %1 is gone (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>la carpeta %1 ha desaparecido (%2)</translation>
    </message>
    <message>
        <source>Cannot put the stamped picture in place of %1: %2.</source>
        <translation>No se puede poner la imagen sellada en lugar de %1: %2.</translation>
    </message>
    <message>
        <source>Cannot find the metadata tool exiftool on the search path (PATH). Please install ExifTool.</source>
        <translation>No se encuentra la herramienta de metadatos exiftool en la ruta de búsqueda (PATH). Instale ExifTool.</translation>
    </message>
    <message>
        <source>Cannot find the image converter kalvora-convert in %1. Please reinstall Kalvora.</source>
        <translation>No se encuentra el convertidor de imágenes kalvora-convert en %1. Vuelva a instalar Kalvora.</translation>
    </message>
</context>
<context>
    <name>PictureFailures</name>
    <message>
        <source>error %1</source>
        <extracomment>The GIF library&apos;s error %1 (a number), when it has no text for it.</extracomment>
        <translation>error %1</translation>
    </message>
    <message>
        <source>the GIF&apos;s frames differ in size</source>
        <translation>los fotogramas del GIF tienen tamaños distintos</translation>
    </message>
    <message>
        <source>the GIF has no frames</source>
        <translation>el GIF no tiene fotogramas</translation>
    </message>
    <message>
        <source>a GIF cannot hold %1 x %2 pixels (at most %3 a side)</source>
        <translation>un GIF no puede contener %1 x %2 píxeles (como mucho %3 por lado)</translation>
    </message>
    <message>
        <source>the GIF encoder failed: %1</source>
        <translation>el codificador GIF ha fallado: %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>la imagen está vacía</translation>
    </message>
    <message>
        <source>the GIF encoder cannot choose a palette</source>
        <translation>el codificador GIF no puede elegir una paleta</translation>
    </message>
    <message>
        <source>the GIF encoder cannot map a frame onto its palette</source>
        <translation>el codificador GIF no puede ajustar un fotograma a su paleta</translation>
    </message>
    <message>
        <source>the file is cut short in a box header (%1 bytes)</source>
        <translation>el archivo se corta en una cabecera de caja (%1 bytes)</translation>
    </message>
    <message>
        <source>the file is cut short: its %1 box runs past its end (%2 bytes)</source>
        <translation>el archivo está cortado: su caja %1 va más allá de su final (%2 bytes)</translation>
    </message>
    <message>
        <source>its %1 box has a size of %2 bytes, less than its header</source>
        <translation>su caja %1 tiene un tamaño de %2 bytes, menos que su cabecera</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: libheif says &quot;%2&quot;.</source>
        <translation>No se puede leer la imagen %1: libheif dice «%2».</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped.</source>
        <translation>La imagen %1 es demasiado grande para sellarla.</translation>
    </message>
    <message>
        <source>libheif says &quot;%1&quot;</source>
        <translation>libheif dice «%1»</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: %2. It was left as it is.</source>
        <translation>La imagen %1 no se puede volver a escribir entera: %2. Se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>it holds a depth map, which libheif 1.15 cannot write</source>
        <translation>contiene un mapa de profundidad, que libheif 1.15 no puede escribir</translation>
    </message>
    <message>
        <source>of an unknown kind</source>
        <extracomment>Fills %1 of &quot;it holds an auxiliary picture %1 …&quot; when its kind is not known.</extracomment>
        <translation>de un tipo desconocido</translation>
    </message>
    <message>
        <source>it holds an auxiliary picture %1 (an HDR gain map, a matte or the like), which libheif 1.15 cannot write</source>
        <translation>contiene una imagen auxiliar %1 (un mapa de ganancia HDR, un mate o similar), que libheif 1.15 no puede escribir</translation>
    </message>
    <message>
        <source>libheif warns &quot;%1&quot;</source>
        <translation>libheif advierte «%1»</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped (%2 x %3 pixels).</source>
        <translation>La imagen %1 es demasiado grande para sellarla (%2 x %3 píxeles).</translation>
    </message>
    <message>
        <source>its meta box cannot be followed</source>
        <translation>no se puede seguir su caja meta</translation>
    </message>
    <message>
        <source>it holds %1 boxes, which libheif 1.15 cannot write</source>
        <translation>contiene cajas %1, que libheif 1.15 no puede escribir</translation>
    </message>
    <message>
        <source>its picture is coded with neither HEVC nor AV1</source>
        <translation>su imagen no está codificada ni con HEVC ni con AV1</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>this system has no %1 encoder for libheif</source>
        <translation>este sistema no tiene un codificador %1 para libheif</translation>
    </message>
    <message>
        <source>libheif cannot hold a picture of %1 x %2 pixels</source>
        <translation>libheif no puede contener una imagen de %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>el codificador %1 ha fallado: %2</translation>
    </message>
    <message>
        <source>its %1 item cannot be written: %2</source>
        <translation>no se puede escribir su elemento %1: %2</translation>
    </message>
    <message>
        <source>a HEIF picture holds its pictures and their details together</source>
        <translation>una imagen HEIF mantiene juntas sus imágenes y sus datos</translation>
    </message>
    <message>
        <source>libheif cannot assemble the file: %1</source>
        <translation>libheif no puede montar el archivo: %1</translation>
    </message>
    <message>
        <source>cannot encode a size as PNG: %1</source>
        <translation>no se puede codificar un tamaño como PNG: %1</translation>
    </message>
    <message>
        <source>the icon directory is cut short</source>
        <translation>el directorio del icono está cortado</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: it is a cursor, not an icon.</source>
        <translation>La imagen %1 no se puede volver a escribir entera: es un cursor, no un icono.</translation>
    </message>
    <message>
        <source>the icon holds no image</source>
        <translation>el icono no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>size %1 of the icon is cut short</source>
        <translation>el tamaño %1 del icono está cortado</translation>
    </message>
    <message>
        <source>an icon cannot hold a size of %1 x %2 pixels</source>
        <translation>un icono no puede contener un tamaño de %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>The picture %1 is damaged (%2); it is left as it is.</source>
        <translation>La imagen %1 está dañada (%2); se deja como está.</translation>
    </message>
    <message>
        <source>the picture is too large for the memory</source>
        <translation>la imagen es demasiado grande para la memoria</translation>
    </message>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>No se puede cargar la imagen %1: %2</translation>
    </message>
    <message>
        <source>The picture %1 is damaged: %2</source>
        <translation>La imagen %1 está dañada: %2</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>La imagen %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: it is a folder.</source>
        <translation>No se puede leer la imagen %1: es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2</source>
        <translation>No se puede leer la imagen %1: %2</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: it is an animated PNG, and only its first frame could be kept.</source>
        <translation>La imagen %1 no se puede volver a escribir entera: es un PNG animado y solo se podría conservar su primer fotograma.</translation>
    </message>
    <message>
        <source>it holds no pixel data</source>
        <translation>no contiene datos de píxeles</translation>
    </message>
    <message>
        <source>%1 of its %2 frames can be read</source>
        <translation>se pueden leer %1 de sus %2 fotogramas</translation>
    </message>
    <message>
        <source>frame %1 cannot be reached</source>
        <translation>no se puede llegar al fotograma %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: this system has no %2 reader.</source>
        <translation>No se puede leer la imagen %1: este sistema no tiene un lector de %2.</translation>
    </message>
    <message>
        <source>frame %1 cannot be read whole (%2)</source>
        <translation>el fotograma %1 no se puede leer entero (%2)</translation>
    </message>
    <message>
        <source>The picture %1 is not a PNG, TIFF, GIF, ICO, WebP or HEIF picture.</source>
        <translation>La imagen %1 no es una imagen PNG, TIFF, GIF, ICO, WebP ni HEIF.</translation>
    </message>
    <message>
        <source>a PNG holds one picture, not %1</source>
        <translation>un PNG contiene una imagen, no %1</translation>
    </message>
    <message>
        <source>the PNG encoder failed: %1</source>
        <translation>el codificador PNG ha fallado: %1</translation>
    </message>
    <message>
        <source>Cannot save the image: %1.</source>
        <translation>No se puede guardar la imagen: %1.</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>el codificador no ha escrito nada</translation>
    </message>
    <message>
        <source>Cannot save the image %1: %2</source>
        <translation>No se puede guardar la imagen %1: %2</translation>
    </message>
    <message>
        <source>Cannot save the image %1: frame %2 changed its size.</source>
        <translation>No se puede guardar la imagen %1: el fotograma %2 ha cambiado de tamaño.</translation>
    </message>
    <message>
        <source>the file is cut short before its end chunk (%1 bytes)</source>
        <extracomment>A reason, shown after &quot;The picture %1 is damaged: &quot;.</extracomment>
        <translation>el archivo se corta antes de su bloque final (%1 bytes)</translation>
    </message>
    <message>
        <source>the file is cut short in its header</source>
        <translation>el archivo se corta en su cabecera</translation>
    </message>
    <message>
        <source>the file is cut short (%1 of %2 bytes)</source>
        <translation>el archivo está cortado (%1 de %2 bytes)</translation>
    </message>
    <message>
        <source>its header claims %1 x %2 pixels of %3 bits, more than a file holds</source>
        <translation>su cabecera declara %1 x %2 píxeles de %3 bits, más de lo que cabe en un archivo</translation>
    </message>
    <message>
        <source>its colours are stored as CMYK inks</source>
        <translation>sus colores están guardados como tintas CMYK</translation>
    </message>
    <message>
        <source>its colours are stored in a colour space (%1) that is not RGB</source>
        <translation>sus colores están guardados en un espacio de color (%1) que no es RGB</translation>
    </message>
    <message>
        <source>its samples are not whole numbers</source>
        <translation>sus muestras no son números enteros</translation>
    </message>
    <message>
        <source>it has %1 bits a sample</source>
        <translation>tiene %1 bits por muestra</translation>
    </message>
    <message>
        <source>it has more than one extra channel</source>
        <translation>tiene más de un canal adicional</translation>
    </message>
    <message>
        <source>the pixel data ends after %1 of %2 rows</source>
        <translation>los datos de píxeles terminan tras %1 de %2 filas</translation>
    </message>
    <message>
        <source>it is no readable TIFF file</source>
        <translation>no es un archivo TIFF legible</translation>
    </message>
    <message>
        <source>The TIFF picture %1 cannot be written back whole: page %2: %3.</source>
        <translation>La imagen TIFF %1 no se puede volver a escribir entera: página %2: %3.</translation>
    </message>
    <message>
        <source>page %1: %2</source>
        <extracomment>%1 is a page number, %2 the TIFF library&apos;s own message.</extracomment>
        <translation>página %1: %2</translation>
    </message>
    <message>
        <source>page %1 is cut short (%2 of %3 bytes)</source>
        <translation>la página %1 está cortada (%2 de %3 bytes)</translation>
    </message>
    <message>
        <source>the TIFF encoder failed: %1</source>
        <translation>el codificador TIFF ha fallado: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>frame %1 has no readable header</source>
        <translation>el fotograma %1 no tiene una cabecera legible</translation>
    </message>
    <message>
        <source>libwebp cannot decode its picture (status %1)</source>
        <translation>libwebp no puede decodificar su imagen (estado %1)</translation>
    </message>
    <message>
        <source>libwebp cannot read its animation</source>
        <translation>libwebp no puede leer su animación</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded</source>
        <translation>no se puede decodificar el fotograma %1</translation>
    </message>
    <message>
        <source>the WebP encoder failed (libwebp error %1)</source>
        <translation>el codificador WebP ha fallado (error de libwebp %1)</translation>
    </message>
    <message>
        <source>the WebP container cannot be made (libwebp error %1)</source>
        <translation>no se puede crear el contenedor WebP (error de libwebp %1)</translation>
    </message>
    <message>
        <source>a frame cannot be added to the WebP animation</source>
        <translation>no se puede añadir un fotograma a la animación WebP</translation>
    </message>
    <message>
        <source>the WebP animation encoder cannot be set up</source>
        <translation>no se puede preparar el codificador de animación WebP</translation>
    </message>
    <message>
        <source>the WebP animation encoder failed: %1</source>
        <translation>el codificador de animación WebP ha fallado: %1</translation>
    </message>
    <message>
        <source>no memory</source>
        <translation>sin memoria</translation>
    </message>
    <message>
        <source>the %1 chunk cannot be put back</source>
        <translation>no se puede volver a poner el bloque %1</translation>
    </message>
    <message>
        <source>libwebp cannot read its chunks</source>
        <translation>libwebp no puede leer sus bloques</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped (%2 x %3 pixels, %4 frames).</source>
        <translation>La imagen %1 es demasiado grande para sellarla (%2 x %3 píxeles, %4 fotogramas).</translation>
    </message>
    <message>
        <source>a WebP holds at least one picture</source>
        <translation>un WebP contiene al menos una imagen</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::TagFailures</name>
    <message>
        <source>ExifTool did not answer in %1 s</source>
        <translation>ExifTool no ha respondido en %1 s</translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>¿Quiere abrir la carpeta donde están estos archivos de ejemplo (para verlos antes de trabajar con ellos)?</translation>
    </message>
    <message>
        <source>Overflow: the sample snapshot is longer than %1 characters.</source>
        <translation>Desbordamiento: la instantánea de ejemplos tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The snapshot key is empty.</source>
        <translation>La clave de la instantánea está vacía.</translation>
    </message>
    <message>
        <source>The sample snapshot holds a character (code %1) that cannot be coded.</source>
        <translation>La instantánea de ejemplos contiene un carácter (código %1) que no se puede codificar.</translation>
    </message>
    <message>
        <source>Cannot show the folder %1 in the file manager.</source>
        <translation>No se puede mostrar la carpeta %1 en el gestor de archivos.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read the settings file %1: %2</source>
        <translation>No se puede leer el archivo de configuración %1: %2</translation>
    </message>
    <message>
        <source>Cannot save the settings file %1: %2</source>
        <translation>No se puede guardar el archivo de configuración %1: %2</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored number that is not a number.</extracomment>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>another program keeps it locked</source>
        <translation>otro programa lo mantiene bloqueado</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>no se puede crear su archivo de bloqueo</translation>
    </message>
    <message>
        <source>percent &quot;%1&quot;</source>
        <translation>porcentaje «%1»</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>color %1</translation>
    </message>
    <message>
        <source>time shift &quot;%1&quot;</source>
        <translation>desfase horario «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an item of the list</source>
        <translation>«%1» no es un elemento de la lista</translation>
    </message>
    <message>
        <source>Invalid property value: %1</source>
        <translation>Valor de propiedad no válido: %1</translation>
    </message>
    <message>
        <source>The settings were opened for reading only.</source>
        <translation>Las opciones se abrieron solo para lectura.</translation>
    </message>
    <message>
        <source>list position %1</source>
        <extracomment>A stored value that is not valid, shown in &quot;Invalid property value: %1&quot;.</extracomment>
        <translation>posición de la lista %1</translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>calidad %1</translation>
    </message>
    <message>
        <source>font size %1</source>
        <translation>tamaño de letra %1</translation>
    </message>
</context>
<context>
    <name>StampFailures</name>
    <message>
        <source>its PNG chunks cannot be walked</source>
        <translation>no se pueden recorrer sus bloques PNG</translation>
    </message>
    <message>
        <source>its first TIFF directory cannot be read or written again</source>
        <translation>su primer directorio TIFF no se puede leer ni volver a escribir</translation>
    </message>
    <message>
        <source>libwebp cannot add a chunk to it</source>
        <translation>libwebp no puede añadirle un bloque</translation>
    </message>
    <message>
        <source>its format keeps no restore data</source>
        <translation>su formato no guarda datos de restauración</translation>
    </message>
    <message>
        <source>%1: %2 cannot keep its own quality; stamp it without --keep-quality</source>
        <translation>%1: %2 no puede conservar su calidad propia; séllelo sin --keep-quality</translation>
    </message>
    <message>
        <source>Cannot stamp %1 keeping its own quality: %2</source>
        <translation>No se puede sellar %1 conservando su calidad propia: %2</translation>
    </message>
    <message>
        <source>%1 has no date taken: it was left as it is.</source>
        <translation>%1 no tiene fecha de captura: se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The %1 of %2 is not known.</source>
        <translation>%1 de %2 no se conoce.</translation>
    </message>
    <message>
        <source> It was stamped &quot;%1&quot;.</source>
        <extracomment>Added to the end of a failure sentence: keep the space in front.</extracomment>
        <translation> Se ha sellado «%1».</translation>
    </message>
    <message>
        <source> Nothing was stamped on it.</source>
        <translation> No se ha sellado nada en él.</translation>
    </message>
    <message>
        <source>The file date &quot;%1&quot; holds no time.</source>
        <translation>La fecha de archivo «%1» no contiene hora.</translation>
    </message>
    <message>
        <source>Cannot stamp the thumbnail of %1: %2</source>
        <translation>No se puede sellar la miniatura de %1: %2</translation>
    </message>
    <message>
        <source>Cannot stamp the thumbnail of %1: stamped, it no longer fits in the file&apos;s EXIF block (64 KB)</source>
        <translation>No se puede sellar la miniatura de %1: una vez sellada, ya no cabe en el bloque EXIF del archivo (64 KB)</translation>
    </message>
    <message>
        <source>%1 was stamped before (on %2): skipped</source>
        <translation>%1 ya se selló (el %2): omitido</translation>
    </message>
    <message>
        <source>an unknown date</source>
        <extracomment>Fills %2 of &quot;%1 was stamped before (on %2): skipped&quot;.</extracomment>
        <translation>una fecha desconocida</translation>
    </message>
    <message>
        <source>%1 is read-only: it was left as it is.</source>
        <translation>%1 es de solo lectura: se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>the stamped picture was removed on its way (%1)</source>
        <translation>la imagen sellada se ha eliminado por el camino (%1)</translation>
    </message>
    <message>
        <source>Cannot copy the metadata of %1: %2.</source>
        <translation>No se pueden copiar los metadatos de %1: %2.</translation>
    </message>
    <message>
        <source>no such folder</source>
        <extracomment>A reason, shown in &quot;Cannot put the stamped picture in place of %1: %2.&quot;</extracomment>
        <translation>no existe esa carpeta</translation>
    </message>
    <message>
        <source>Cannot make the folder %1 for the stamped picture: %2.</source>
        <translation>No se puede crear la carpeta %1 para la imagen sellada: %2.</translation>
    </message>
    <message>
        <source>%1: stamped, but its XMP could not take the mark of the stamp (it cannot be read or is full), so a later run cannot tell it was stamped</source>
        <translation>%1: sellado, pero su XMP no ha podido recibir la marca del sello (no se puede leer o está lleno), así que una ejecución posterior no sabrá que se selló</translation>
    </message>
    <message>
        <source>%1: the tags were copied; ExifTool warned: %2</source>
        <translation>%1: se copiaron los metadatos; ExifTool advirtió: %2</translation>
    </message>
    <message>
        <source>%1: stamped as usual, but the stamp cannot be undone: only JPEG, PNG, TIFF and lossless WebP results keep what an undo needs</source>
        <translation>%1: sellado como de costumbre, pero el sello no se puede deshacer: solo los resultados JPEG, PNG, TIFF y WebP sin pérdida guardan lo que hace falta para deshacerlo</translation>
    </message>
    <message>
        <source>Cannot add the restore data to %1: %2.</source>
        <translation>No se pueden añadir los datos de restauración a %1: %2.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>Cannot make a private temporary folder in %1: %2.</source>
        <translation>No se puede crear una carpeta temporal privada en %1: %2.</translation>
    </message>
</context>
<context>
    <name>StampOptions</name>
    <message>
        <source>Date Created</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Date Accessed</source>
        <translation>Fecha del último acceso</translation>
    </message>
    <message>
        <source>Timestamp And Datestamp</source>
        <translation>Hora y fecha</translation>
    </message>
    <message>
        <source>Datestamp And Timestamp</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Datestamp</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Upper-Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Upper-Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Lower-Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Lower-Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Center-Top</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>Center-Left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <source>Center-Right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <source>Center-Bottom</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>En el centro</translation>
    </message>
</context>
<context>
    <name>StampRun</name>
    <message>
        <source>No files added.</source>
        <translation>No se ha añadido ningún archivo.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>La carpeta no existe. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Please enter custom text.</source>
        <translation>Escriba un texto propio.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Stamped, with notes on their tags:
</source>
        <translation>Sellados, con notas sobre sus metadatos:
</translation>
    </message>
    <message>
        <source>Skipped:
</source>
        <translation>Omitidos:
</translation>
    </message>
    <message>
        <source>Processing: </source>
        <translation>Procesando: </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Stamping done</source>
        <translation>Sellado terminado</translation>
    </message>
    <message>
        <source>%1 stamped, %2 failed.</source>
        <translation>%1 sellados, %2 fallidos.</translation>
    </message>
</context>
<context>
    <name>StampStyleDialog</name>
    <message>
        <source>Stamp Style</source>
        <translation>Estilo del sello</translation>
    </message>
    <message>
        <source>Size and Look</source>
        <translation>Tamaño y aspecto</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>The font&apos;s points</source>
        <translation>Puntos de la fuente</translation>
    </message>
    <message>
        <source>Percent of the picture&apos;s shorter side</source>
        <translation>Porcentaje del lado corto de la imagen</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Recuadro</translation>
    </message>
    <message>
        <source>Style colour:</source>
        <translation>Color del estilo:</translation>
    </message>
    <message>
        <source>Black for light text, white for dark</source>
        <translation>Negro para texto claro, blanco para oscuro</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Cambiar color</translation>
    </message>
    <message>
        <source>Outline width:</source>
        <translation>Grosor del contorno:</translation>
    </message>
    <message>
        <source> % of a line</source>
        <translation> % de una línea</translation>
    </message>
    <message>
        <source>Box opacity:</source>
        <translation>Opacidad del recuadro:</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>Margen:</translation>
    </message>
    <message>
        <source>A few pixels, as always</source>
        <translation>Unos pocos píxeles, como siempre</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Date pattern:</source>
        <translation>Patrón de fecha:</translation>
    </message>
    <message>
        <source>The Format list&apos;s choice</source>
        <translation>Lo elegido en la lista Formato</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Ahora:</translation>
    </message>
    <message>
        <source>No date taken:</source>
        <translation>Sin fecha de captura:</translation>
    </message>
    <message>
        <source>Say there is none</source>
        <translation>Indicar que no la hay</translation>
    </message>
    <message>
        <source>The date in the file name</source>
        <translation>La fecha del nombre de archivo</translation>
    </message>
    <message>
        <source>The date modified</source>
        <translation>La fecha de modificación</translation>
    </message>
    <message>
        <source>Skip the photo</source>
        <translation>Omitir la foto</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>Desfase horario:</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Ejecuciones</translation>
    </message>
    <message>
        <source>Skip photos already stamped</source>
        <translation>Omitir las fotos ya selladas</translation>
    </message>
    <message>
        <source>Keep the folders below a folder added whole</source>
        <translation>Conservar las subcarpetas de una carpeta añadida entera</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s own quality</source>
        <translation>Conservar la calidad propia de la foto</translation>
    </message>
    <message>
        <source>A JPEG keeps its own compression and every part the stamp does not cover, so the quality slider does not apply to JPEGs. JPEG, PNG, TIFF and lossless WebP results can be undone with &quot;Remove Stamp&quot; in the list&apos;s menu.</source>
        <translation>Un JPEG conserva su propia compresión y todo lo que el sello no cubre; el control de calidad no se aplica entonces a los JPEG. Los resultados JPEG, PNG, TIFF y WebP sin pérdida se pueden deshacer con «Quitar sello» en el menú de la lista.</translation>
    </message>
</context>
<context>
    <name>TagFailures</name>
    <message>
        <source>Cannot read the date taken of %1: the file is empty.</source>
        <translation>No se puede leer la fecha de captura de %1: el archivo está vacío.</translation>
    </message>
    <message>
        <source>Cannot read the date taken of %1: %2</source>
        <translation>No se puede leer la fecha de captura de %1: %2</translation>
    </message>
    <message>
        <source>the run was stopped before ExifTool answered</source>
        <translation>la ejecución se detuvo antes de que ExifTool respondiera</translation>
    </message>
    <message>
        <source>Cannot copy the metadata of %1 into %2: %3.</source>
        <translation>No se pueden copiar los metadatos de %1 en %2: %3.</translation>
    </message>
    <message>
        <source>ExifTool updated no file</source>
        <translation>ExifTool no ha actualizado ningún archivo</translation>
    </message>
    <message>
        <source>ExifTool&apos;s configuration cannot be written in %1: %2</source>
        <translation>No se puede escribir la configuración de ExifTool en %1: %2</translation>
    </message>
    <message>
        <source>ExifTool (%1) could not be started: %2</source>
        <translation>No se ha podido iniciar ExifTool (%1): %2</translation>
    </message>
    <message>
        <source>its name cannot be passed to ExifTool</source>
        <translation>su nombre no se puede pasar a ExifTool</translation>
    </message>
    <message>
        <source>the name of the temporary file %1 cannot be passed to ExifTool</source>
        <translation>el nombre del archivo temporal %1 no se puede pasar a ExifTool</translation>
    </message>
    <message>
        <source>ExifTool crashed</source>
        <translation>ExifTool se ha bloqueado</translation>
    </message>
    <message>
        <source>ExifTool stopped unexpectedly (exit code %1)</source>
        <translation>ExifTool se ha detenido inesperadamente (código de salida %1)</translation>
    </message>
</context>
<context>
    <name>UndoReasons</name>
    <message>
        <source>its restore data cannot be read</source>
        <translation>no se pueden leer sus datos de restauración</translation>
    </message>
    <message>
        <source>carries no restore data</source>
        <translation>no lleva datos de restauración</translation>
    </message>
    <message>
        <source>was changed after it was stamped, so its original cannot be rebuilt</source>
        <translation>se modificó después de sellarse, así que no se puede reconstruir su original</translation>
    </message>
    <message>
        <source>its restore data do not fit the picture they came with</source>
        <translation>sus datos de restauración no encajan con la imagen que los acompaña</translation>
    </message>
    <message>
        <source>restored</source>
        <extracomment>An undo&apos;s answer after a file&apos;s name and a colon: the file is as it was before the stamp.</extracomment>
        <translation>restaurado</translation>
    </message>
    <message>
        <source>carries no restore data (it was not stamped with the photo&apos;s own quality)</source>
        <translation>no lleva datos de restauración (no se selló con la calidad propia de la foto)</translation>
    </message>
    <message>
        <source>carries the mark of a stamp but no restore data (it was stamped without keeping the photo&apos;s own quality, or saved again since); left as it is</source>
        <translation>lleva la marca de un sello pero no datos de restauración (se selló sin conservar la calidad propia de la foto o se ha vuelto a guardar desde entonces); se deja como está</translation>
    </message>
    <message>
        <source>was changed after the stamp; left as it is</source>
        <translation>se modificó después del sello; se deja como está</translation>
    </message>
    <message>
        <source>its restore data is damaged; left as it is</source>
        <translation>sus datos de restauración están dañados; se deja como está</translation>
    </message>
    <message>
        <source>is read-only: left as it is</source>
        <translation>es de solo lectura: se deja como está</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>%1: the stamp could not be undone: %2</source>
        <translation>%1: no se ha podido deshacer el sello: %2</translation>
    </message>
</context>
</TS>
