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
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>¿Quiere abrir la carpeta donde están estos archivos de ejemplo (para verlos antes de trabajar con ellos)?</translation>
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
</TS>
