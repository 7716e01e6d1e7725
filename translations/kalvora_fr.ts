<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
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
        <translation>Utilisation : kalvora [OPTION]... [FICHIER|DOSSIER]...
Tamponne une date, une date et une heure saisies ou un texte libre sur de nombreuses images
à la fois, en gardant le format de chaque image et ses métadonnées EXIF, GPS, IPTC et XMP.

Ouvre la fenêtre de tamponnage. Les fichiers nommés sur la ligne de commande sont ajoutés
tels quels à sa liste ; les dossiers sont parcourus, et chaque fichier qu&apos;ils contiennent,
ainsi que dans leurs sous-dossiers, est ajouté (sauf les fichiers cachés et les noms
commençant par « ~ »).

Options :
  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter
      --         traiter chaque argument suivant comme un fichier ou un dossier

Chaque choix fait dans la fenêtre est gardé dans ~/.config/Vendrel/Kalvora.ini.
kalvora-stamp tamponne des images depuis la ligne de commande, sans fenêtre.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez « %1 --help » pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer une capture d&apos;écran de ce message à </translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>FileAdder</name>
    <message>
        <source>Add File(s) - Hold Ctrl or Shift to select multiple files</source>
        <translation>Ajouter des fichiers – Ctrl ou Maj pour en sélectionner plusieurs</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Extension des fichiers à charger :<byte value="xd"/><byte value="xd"/>(* pour tous les fichiers, txt pour tous les fichiers txt, doc pour tous les fichiers doc, etc.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Choisissez un dossier :</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif)|*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif|</source>
        <translation>Toutes les images (*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif)|*.jpg;*.jpeg;*.bmp;*.dib;*.gif;*.png;*.ico;*.tif;*.webp;*.heic;*.heif;*.hif;*.avif|</translation>
    </message>
</context>
<context>
    <name>FolderWalk</name>
    <message>
        <source>1 file was left out: its name is not valid UTF-8, so this program cannot open it.</source>
        <translation>1 fichier a été ignoré : son nom n&apos;est pas en UTF-8 valide, ce programme ne peut donc pas l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>%1 files were left out: their names are not valid UTF-8, so this program cannot open them.</source>
        <translation>%1 fichiers ont été ignorés : leurs noms ne sont pas en UTF-8 valide, ce programme ne peut donc pas les ouvrir.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Image File(s)</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Add Image File(s)</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add All File(s) In Folder</source>
        <translation>Ajouter tout un dossier</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Load Sample/Example Files</source>
        <translation>Charger les fichiers d&apos;exemple</translation>
    </message>
    <message>
        <source>Stamp Text Options</source>
        <translation>Texte du tampon</translation>
    </message>
    <message>
        <source>Stamp With:</source>
        <translation>Tamponner :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Stamp With User Specified Date/Time</source>
        <translation>Tamponner une date/heure saisie</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Stamp With Your Custom Text:</source>
        <translation>Tamponner un texte libre :</translation>
    </message>
    <message>
        <source>Stamp Style...</source>
        <translation>Style du tampon…</translation>
    </message>
    <message>
        <source>Size by the picture, outline, shadow or box, date pattern, time shift</source>
        <translation>Taille selon l&apos;image, contour, ombre ou cadre, modèle de date, décalage horaire</translation>
    </message>
    <message>
        <source>Position Of Stamp Text</source>
        <translation>Position du texte</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Couleur…</translation>
    </message>
    <message>
        <source>JPG Image Quality</source>
        <translation>Qualité d&apos;image JPG</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Changer la police</translation>
    </message>
    <message>
        <source>Preview Stamp</source>
        <translation>Aperçu du tampon</translation>
    </message>
    <message>
        <source>Save Option</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Save results to this folder:</source>
        <translation>Enregistrer dans ce dossier :</translation>
    </message>
    <message>
        <source>Save results in folder of original file</source>
        <translation>Enregistrer à côté de l&apos;original</translation>
    </message>
    <message>
        <source>Start Stamping</source>
        <translation>Lancer le tamponnage</translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Remove Stamp</source>
        <translation>Retirer le tampon</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Fit to Window	F</source>
        <translation>Ajuster à la fenêtre	F</translation>
    </message>
    <message>
        <source>Actual Size	1</source>
        <translation>Taille réelle	1</translation>
    </message>
    <message>
        <source>Zoom In	+</source>
        <translation>Zoom avant	+</translation>
    </message>
    <message>
        <source>Zoom Out	-</source>
        <translation>Zoom arrière	-</translation>
    </message>
</context>
<context>
    <name>ImageList</name>
    <message>
        <source>Image File(s)</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Déposez les fichiers ici. Double-cliquez sur un élément pour le retirer. Tirez le trait | vers la droite hors de la fenêtre pour voir les noms complets.</translation>
    </message>
</context>
<context>
    <name>JpegReasons</name>
    <message>
        <source>a progressive JPEG</source>
        <extracomment>What kind of JPEG a photo is, shown in &quot;%1: %2 cannot keep its own quality; …&quot;.</extracomment>
        <translation>un JPEG progressif</translation>
    </message>
    <message>
        <source>an arithmetic-coded JPEG</source>
        <translation>un JPEG à codage arithmétique</translation>
    </message>
    <message>
        <source>a JPEG of %1 bits a sample</source>
        <translation>un JPEG de %1 bits par échantillon</translation>
    </message>
    <message>
        <source>a CMYK JPEG</source>
        <translation>un JPEG CMJN</translation>
    </message>
    <message>
        <source>a JPEG of %1 colour components</source>
        <translation>un JPEG à %1 composantes de couleur</translation>
    </message>
    <message>
        <source>a JPEG whose colours are coded in separate scans</source>
        <translation>un JPEG dont les couleurs sont codées dans des scans séparés</translation>
    </message>
    <message>
        <source>a JPEG of an unusual colour sampling</source>
        <translation>un JPEG au sous-échantillonnage des couleurs inhabituel</translation>
    </message>
    <message>
        <source>a quantization table is missing</source>
        <translation>une table de quantification manque</translation>
    </message>
    <message>
        <source>a Huffman table is no Huffman code</source>
        <translation>une table de Huffman n&apos;est pas un code de Huffman</translation>
    </message>
    <message>
        <source>the file ends in the middle of its scan</source>
        <translation>le fichier se termine au milieu de son scan</translation>
    </message>
    <message>
        <source>a bad Huffman code in its scan</source>
        <extracomment>A reason, shown in &quot;The picture %1 is damaged (%2); it is left as it is.&quot;</extracomment>
        <translation>un code de Huffman erroné dans son scan</translation>
    </message>
    <message>
        <source>its scan data end too early</source>
        <translation>les données de son scan se terminent trop tôt</translation>
    </message>
    <message>
        <source>bytes its scan&apos;s coding does not reach</source>
        <translation>des octets que le codage de son scan n&apos;atteint pas</translation>
    </message>
    <message>
        <source>the stamp reaches past the blocks read</source>
        <translation>le tampon dépasse les blocs lus</translation>
    </message>
    <message>
        <source>its Huffman tables hold no code for the stamp</source>
        <translation>ses tables de Huffman n&apos;ont aucun code pour le tampon</translation>
    </message>
    <message>
        <source>its marker structure cannot be followed</source>
        <translation>sa structure de marqueurs ne peut pas être suivie</translation>
    </message>
    <message>
        <source>a restart marker out of turn in its scan</source>
        <extracomment>A reason, shown in &quot;The picture %1 is damaged (%2); it is left as it is.&quot;</extracomment>
        <translation>un marqueur de reprise hors de son tour dans son scan</translation>
    </message>
</context>
<context>
    <name>KalvoraStamp</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>--size-percent takes %1 to %2, not &quot;%3&quot;</source>
        <translation>--size-percent prend de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>--style takes %1, not &quot;%2&quot;</source>
        <translation>--style prend %1, pas « %2 »</translation>
    </message>
    <message>
        <source>--style-color takes #RRGGBB, not &quot;%1&quot;</source>
        <translation>--style-color prend #RRGGBB, pas « %1 »</translation>
    </message>
    <message>
        <source>--box-opacity takes 0 to 100, not &quot;%1&quot;</source>
        <translation>--box-opacity prend de 0 à 100, pas « %1 »</translation>
    </message>
    <message>
        <source>--margin-percent takes 0 to 25, not &quot;%1&quot;</source>
        <translation>--margin-percent prend de 0 à 25, pas « %1 »</translation>
    </message>
    <message>
        <source>--date-format needs a pattern such as &quot;yyyy-MM-dd HH:mm&quot;</source>
        <translation>--date-format demande un modèle comme « yyyy-MM-dd HH:mm »</translation>
    </message>
    <message>
        <source>--locale takes a locale such as de_DE, not &quot;%1&quot;</source>
        <translation>--locale prend une locale comme fr_FR, pas « %1 »</translation>
    </message>
    <message>
        <source>--no-date-taken takes %1, not &quot;%2&quot;</source>
        <translation>--no-date-taken prend %1, pas « %2 »</translation>
    </message>
    <message>
        <source>--time-shift takes [+|-][Nd]HH:MM, not &quot;%1&quot;</source>
        <translation>--time-shift prend [+|-][Nd]HH:MM, pas « %1 »</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>Kalvora could not stamp</source>
        <translation>Kalvora n&apos;a pas pu tamponner</translation>
    </message>
    <message>
        <source>Stamping with Kalvora</source>
        <translation>Tamponnage avec Kalvora</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 sur %2 : %3</translation>
    </message>
    <message>
        <source>Stamping done</source>
        <translation>Tamponnage terminé</translation>
    </message>
    <message>
        <source>%1 stamped, %2 failed.</source>
        <translation>%1 tamponné(s), %2 en échec.</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8, so it cannot be opened</source>
        <translation>le nom n&apos;est pas en UTF-8 valide, le fichier ne peut donc pas être ouvert</translation>
    </message>
    <message>
        <source>the output folder %1 does not exist</source>
        <translation>le dossier de destination %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>--text needs a text that is not empty</source>
        <translation>--text demande un texte non vide</translation>
    </message>
    <message>
        <source>--date takes created, taken, modified or accessed, not &quot;%1&quot;</source>
        <translation>--date prend created, taken, modified ou accessed, pas « %1 »</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>format inconnu « %1 »</translation>
    </message>
    <message>
        <source>unknown position &quot;%1&quot;</source>
        <translation>position inconnue « %1 »</translation>
    </message>
    <message>
        <source>--font needs a font family</source>
        <translation>--font demande une famille de police</translation>
    </message>
    <message>
        <source>--size takes points from above 0 to 1000, not &quot;%1&quot;</source>
        <translation>--size prend des points de plus de 0 à 1000, pas « %1 »</translation>
    </message>
    <message>
        <source>--color takes #RRGGBB, not &quot;%1&quot;</source>
        <translation>--color prend #RRGGBB, pas « %1 »</translation>
    </message>
    <message>
        <source>--quality takes 1 to 100, not &quot;%1&quot;</source>
        <translation>--quality prend de 1 à 100, pas « %1 »</translation>
    </message>
    <message>
        <source>--extension takes an extension such as jpg, or *</source>
        <translation>--extension prend une extension comme jpg, ou *</translation>
    </message>
    <message>
        <source>--jobs takes 1 to 256, not &quot;%1&quot;</source>
        <translation>--jobs prend de 1 à 256, pas « %1 »</translation>
    </message>
    <message>
        <source>--user-date and --user-time go together</source>
        <translation>--user-date et --user-time vont ensemble</translation>
    </message>
    <message>
        <source>give only one of --text, --date and --user-date</source>
        <translation>n&apos;indiquez qu&apos;une option parmi --text, --date et --user-date</translation>
    </message>
    <message>
        <source>say what to stamp: --text, --date or --user-date</source>
        <translation>indiquez quoi tamponner : --text, --date ou --user-date</translation>
    </message>
    <message>
        <source>give only one of --output and --in-place</source>
        <translation>n&apos;indiquez que --output ou --in-place</translation>
    </message>
    <message>
        <source>say where results go: --output DIR or --in-place</source>
        <translation>indiquez où vont les résultats : --output DOSSIER ou --in-place</translation>
    </message>
    <message>
        <source>the saved custom text is empty: give --text</source>
        <translation>le texte libre enregistré est vide : indiquez --text</translation>
    </message>
    <message>
        <source>name at least one file or folder</source>
        <translation>indiquez au moins un fichier ou un dossier</translation>
    </message>
    <message>
        <source>the saved options cannot be read: %1</source>
        <translation>les réglages enregistrés ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
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
        <translation>  --size-percent P          hauteur de ligne en P % du petit côté (0.5 à 25),
                            au lieu de --size
  --style plain|outline|shadow|box
                            ce qui est dessiné avec le texte (par défaut plain)
  --style-color #RRGGBB     la couleur du contour, de l&apos;ombre ou du cadre (par défaut :
                            noir pour un texte clair, blanc pour un sombre)
  --box-opacity 0-100       ce que le cadre masque (par défaut 60)
  --margin-percent P        la marge en P % du petit côté (0 à 25)
Dates :
  --date-format PATTERN     un modèle de date Qt comme &quot;yyyy-MM-dd HH:mm&quot;,
                            au lieu de --format
  --locale NAME             noms des mois et des jours (par défaut : ceux du système)
  --no-date-taken sentence|filename|modified|skip
                            ce que reçoit une photo sans date de prise de vue (par défaut sentence)
  --time-shift [+|-][Nd]HH:MM
                            ajouté à chaque date de fichier (horloge d&apos;appareil mal réglée)
Traitements :
  --skip-stamped            ignorer, avec une remarque, les photos déjà tamponnées par ce programme
  --keep-folders            les résultats des dossiers parcourus gardent leurs sous-dossiers
  --dry-run                 afficher source, résultat et texte ; ne rien écrire
  --keep-quality            les JPEG gardent leur propre qualité : seuls les blocs sous le
                            tampon sont recodés, avec les tables de la photo, et le
                            résultat peut être ramené à l&apos;original (--quality ne
                            s&apos;applique pas)
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
        <translation>utilisation : kalvora-stamp [OPTIONS] FICHIER|DOSSIER...
       kalvora-stamp --undo [--extension EXT] FICHIER|DOSSIER...
Tamponne une date ou un texte sur chaque image nommée, en gardant son format et ses
balises EXIF, GPS, IPTC et XMP. Les dossiers sont parcourus avec tous leurs sous-dossiers.

Quoi tamponner (une option parmi) :
  --text TEXT               un texte libre (« \n » dans TEXT commence une nouvelle ligne)
  --date created|taken|modified|accessed
                            une date de chaque fichier
  --user-date D --user-time T
                            une date et une heure telles que saisies
  --format CAPTION          la présentation d&apos;une date de fichier : &quot;Timestamp And Datestamp&quot;
                            (par défaut), &quot;Datestamp And Timestamp&quot;, &quot;Timestamp&quot;,
                            &quot;Datestamp&quot;
Aspect :
  --position CAPTION        Upper-Left (par défaut), Upper-Right, Lower-Left, Lower-Right,
                            Center-Top, Center-Left, Center-Right, Center-Bottom, Center
  --font FAMILY             (par défaut Arial)
  --size POINTS             (par défaut 14)
  --bold --italic --underline --strikethrough
                            le style ; sans aucune d&apos;elles, gras
  --color #RRGGBB           (par défaut #FFFFFF)
  --quality 1-100           qualité JPEG (par défaut 85) ; pour HEIC et AVIF, ramenée
                            à la qualité de libheif (85 donne 50)
%1Où vont les résultats (une option parmi) :
  --output DIR              dans DIR sous le nom de chaque source
  --in-place                à la place de chaque source
Autres :
  --extension EXT           les fichiers pris dans un dossier : &quot;jpg&quot;, ou &quot;*&quot; pour tous (par défaut)
  --jobs N                  fichiers tamponnés en même temps (par défaut : un par cœur)
  --from-settings           partir des réglages enregistrés par la fenêtre
  --notify                  afficher la progression et un résumé en notifications
  --undo                    remettre les originaux des fichiers nommés, tamponnés en
                            gardant la qualité propre de la photo ; une ligne chacun
  --help, --version
  --                        termine les options : les noms suivants peuvent commencer par « - »

Les échecs sont affichés à raison d&apos;une ligne par fichier. Code de sortie : 0 tous les
fichiers tamponnés (avec --undo : restaurés), 1 certains en échec (un chemin inexistant
compte), 2 commande mal formée (rien d&apos;écrit).
</translation>
    </message>
    <message>
        <source>--undo takes files and folders only, with no stamp, --output, --in-place or --dry-run</source>
        <translation>--undo ne prend que des fichiers et des dossiers, sans tampon, --output, --in-place ni --dry-run</translation>
    </message>
    <message>
        <source>name at least one file or folder to undo</source>
        <translation>indiquez au moins un fichier ou un dossier à restaurer</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>JPG Image Quality: %1%</source>
        <translation>Qualité d&apos;image JPG : %1 %</translation>
    </message>
    <message>
        <source>Save images to this folder</source>
        <translation>Enregistrer les images dans ce dossier</translation>
    </message>
    <message>
        <source>Date Taken only applies to the JPG file format. JPG is the standard output from a digital camera.<byte value="xd"/><byte value="xd"/>Also, the JPG file has to have been created with a camera. JPG files can be created without a camera and will not have a Date Taken attribute assigned to it. Please right click the JPG file &gt; Properties &gt; Details to view the Date Taken attribute of a file.</source>
        <translation>La date de prise de vue ne concerne que les fichiers JPG, le format habituel des appareils photo numériques.<byte value="xd"/><byte value="xd"/>De plus, le fichier JPG doit avoir été créé par un appareil photo : un fichier JPG créé autrement n&apos;a pas de date de prise de vue. Pour la voir, faites un clic droit sur le fichier JPG &gt; Propriétés &gt; Détails.</translation>
    </message>
</context>
<context>
    <name>OutputFailures</name>
    <message>
        <source>the converter could not be started (%1)</source>
        <translation>le convertisseur n&apos;a pas pu être lancé (%1)</translation>
    </message>
    <message>
        <source>the converter crashed</source>
        <translation>le convertisseur a planté</translation>
    </message>
    <message>
        <source>the converter did not finish in %1 s</source>
        <translation>le convertisseur n&apos;a pas terminé en %1 s</translation>
    </message>
    <message>
        <source>the converter ended with code %1</source>
        <translation>le convertisseur s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>Cannot convert %1: the format &quot;%2&quot; is not supported.</source>
        <translation>Impossible de convertir %1 : le format « %2 » n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>the converted file is not a %1 picture</source>
        <translation>le fichier converti n&apos;est pas une image %1</translation>
    </message>
    <message>
        <source>Cannot convert %1: %2.</source>
        <translation>Impossible de convertir %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot save the image. GDI+ Error:%1
%2: %3</source>
        <extracomment>Keep &quot;GDI+ Error:%1&quot; as it is (a status number people look up); %2 is the file, %3 the reason.</extracomment>
        <translation>Impossible d&apos;enregistrer l&apos;image. GDI+ Error:%1
%2 : %3</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l&apos;image est vide</translation>
    </message>
    <message>
        <source>the JPEG encoder failed</source>
        <translation>l&apos;encodeur JPEG a échoué</translation>
    </message>
    <message>
        <source>Cannot save the picture %1: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>Cannot save %1: pictures of the type &quot;%2&quot; cannot be written.</source>
        <translation>Impossible d&apos;enregistrer %1 : les images du type « %2 » ne peuvent pas être écrites.</translation>
    </message>
    <message>
        <source>Cannot write the stamped picture %1 to the disk: %2.</source>
        <translation>Impossible d&apos;écrire l&apos;image tamponnée %1 sur le disque : %2.</translation>
    </message>
    <message>
        <source>the folder %1 is gone (%2)</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>le dossier %1 a disparu (%2)</translation>
    </message>
    <message>
        <source>Cannot put the stamped picture in place of %1: %2.</source>
        <translation>Impossible de mettre l&apos;image tamponnée à la place de %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot find the metadata tool exiftool on the search path (PATH). Please install ExifTool.</source>
        <translation>L&apos;outil de métadonnées exiftool est introuvable dans le chemin de recherche (PATH). Installez ExifTool.</translation>
    </message>
    <message>
        <source>Cannot find the image converter kalvora-convert in %1. Please reinstall Kalvora.</source>
        <translation>Le convertisseur d&apos;images kalvora-convert est introuvable dans %1. Réinstallez Kalvora.</translation>
    </message>
</context>
<context>
    <name>PictureFailures</name>
    <message>
        <source>error %1</source>
        <extracomment>The GIF library&apos;s error %1 (a number), when it has no text for it.</extracomment>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>the GIF&apos;s frames differ in size</source>
        <translation>les trames du GIF n&apos;ont pas la même taille</translation>
    </message>
    <message>
        <source>the GIF has no frames</source>
        <translation>le GIF n&apos;a aucune trame</translation>
    </message>
    <message>
        <source>a GIF cannot hold %1 x %2 pixels (at most %3 a side)</source>
        <translation>un GIF ne peut pas contenir %1 x %2 pixels (au plus %3 par côté)</translation>
    </message>
    <message>
        <source>the GIF encoder failed: %1</source>
        <translation>l&apos;encodeur GIF a échoué : %1</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>l&apos;image est vide</translation>
    </message>
    <message>
        <source>the GIF encoder cannot choose a palette</source>
        <translation>l&apos;encodeur GIF ne peut pas choisir de palette</translation>
    </message>
    <message>
        <source>the GIF encoder cannot map a frame onto its palette</source>
        <translation>l&apos;encodeur GIF ne peut pas ramener une trame à sa palette</translation>
    </message>
    <message>
        <source>the file is cut short in a box header (%1 bytes)</source>
        <translation>le fichier est tronqué dans un en-tête de boîte (%1 octets)</translation>
    </message>
    <message>
        <source>the file is cut short: its %1 box runs past its end (%2 bytes)</source>
        <translation>le fichier est tronqué : sa boîte %1 dépasse sa fin (%2 octets)</translation>
    </message>
    <message>
        <source>its %1 box has a size of %2 bytes, less than its header</source>
        <translation>sa boîte %1 a une taille de %2 octets, moins que son en-tête</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: libheif says &quot;%2&quot;.</source>
        <translation>L&apos;image %1 ne peut pas être lue : libheif indique « %2 ».</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped.</source>
        <translation>L&apos;image %1 est trop grande pour être tamponnée.</translation>
    </message>
    <message>
        <source>libheif says &quot;%1&quot;</source>
        <translation>libheif indique « %1 »</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: %2. It was left as it is.</source>
        <translation>L&apos;image %1 ne peut pas être réécrite entière : %2. Elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>it holds a depth map, which libheif 1.15 cannot write</source>
        <translation>elle contient une carte de profondeur, que libheif 1.15 ne sait pas écrire</translation>
    </message>
    <message>
        <source>of an unknown kind</source>
        <extracomment>Fills %1 of &quot;it holds an auxiliary picture %1 …&quot; when its kind is not known.</extracomment>
        <translation>d&apos;un type inconnu</translation>
    </message>
    <message>
        <source>it holds an auxiliary picture %1 (an HDR gain map, a matte or the like), which libheif 1.15 cannot write</source>
        <translation>elle contient une image auxiliaire %1 (une carte de gain HDR, un masque ou autre), que libheif 1.15 ne sait pas écrire</translation>
    </message>
    <message>
        <source>libheif warns &quot;%1&quot;</source>
        <translation>libheif avertit « %1 »</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped (%2 x %3 pixels).</source>
        <translation>L&apos;image %1 est trop grande pour être tamponnée (%2 x %3 pixels).</translation>
    </message>
    <message>
        <source>its meta box cannot be followed</source>
        <translation>sa boîte meta ne peut pas être suivie</translation>
    </message>
    <message>
        <source>it holds %1 boxes, which libheif 1.15 cannot write</source>
        <translation>elle contient des boîtes %1, que libheif 1.15 ne sait pas écrire</translation>
    </message>
    <message>
        <source>its picture is coded with neither HEVC nor AV1</source>
        <translation>son image n&apos;est codée ni en HEVC ni en AV1</translation>
    </message>
    <message>
        <source>it holds no picture</source>
        <translation>elle ne contient aucune image</translation>
    </message>
    <message>
        <source>this system has no %1 encoder for libheif</source>
        <translation>ce système n&apos;a pas d&apos;encodeur %1 pour libheif</translation>
    </message>
    <message>
        <source>libheif cannot hold a picture of %1 x %2 pixels</source>
        <translation>libheif ne peut pas contenir une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>the %1 encoder failed: %2</source>
        <translation>l&apos;encodeur %1 a échoué : %2</translation>
    </message>
    <message>
        <source>its %1 item cannot be written: %2</source>
        <translation>son élément %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>a HEIF picture holds its pictures and their details together</source>
        <translation>une image HEIF garde ensemble ses images et leurs détails</translation>
    </message>
    <message>
        <source>libheif cannot assemble the file: %1</source>
        <translation>libheif ne peut pas assembler le fichier : %1</translation>
    </message>
    <message>
        <source>cannot encode a size as PNG: %1</source>
        <translation>impossible d&apos;encoder une taille en PNG : %1</translation>
    </message>
    <message>
        <source>the icon directory is cut short</source>
        <translation>le répertoire de l&apos;icône est tronqué</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: it is a cursor, not an icon.</source>
        <translation>L&apos;image %1 ne peut pas être réécrite entière : c&apos;est un curseur, pas une icône.</translation>
    </message>
    <message>
        <source>the icon holds no image</source>
        <translation>l&apos;icône ne contient aucune image</translation>
    </message>
    <message>
        <source>size %1 of the icon is cut short</source>
        <translation>la taille %1 de l&apos;icône est tronquée</translation>
    </message>
    <message>
        <source>an icon cannot hold a size of %1 x %2 pixels</source>
        <translation>une icône ne peut pas contenir une taille de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>The picture %1 is damaged (%2); it is left as it is.</source>
        <translation>L&apos;image %1 est endommagée (%2) ; elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>the picture is too large for the memory</source>
        <translation>l&apos;image est trop grande pour la mémoire</translation>
    </message>
    <message>
        <source>Cannot load the picture %1: %2</source>
        <translation>Impossible de charger l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>The picture %1 is damaged: %2</source>
        <translation>L&apos;image %1 est endommagée : %2</translation>
    </message>
    <message>
        <source>The picture %1 does not exist.</source>
        <translation>L&apos;image %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: it is a folder.</source>
        <translation>Impossible de lire l&apos;image %1 : c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>Cannot read the picture %1: %2</source>
        <translation>Impossible de lire l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>The picture %1 cannot be written back whole: it is an animated PNG, and only its first frame could be kept.</source>
        <translation>L&apos;image %1 ne peut pas être réécrite entière : c&apos;est un PNG animé, et seule sa première trame pourrait être gardée.</translation>
    </message>
    <message>
        <source>it holds no pixel data</source>
        <translation>elle ne contient aucune donnée de pixels</translation>
    </message>
    <message>
        <source>%1 of its %2 frames can be read</source>
        <translation>%1 de ses %2 trames peuvent être lues</translation>
    </message>
    <message>
        <source>frame %1 cannot be reached</source>
        <translation>la trame %1 est inaccessible</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: this system has no %2 reader.</source>
        <translation>L&apos;image %1 ne peut pas être lue : ce système n&apos;a pas de lecteur %2.</translation>
    </message>
    <message>
        <source>frame %1 cannot be read whole (%2)</source>
        <translation>la trame %1 ne peut pas être lue entière (%2)</translation>
    </message>
    <message>
        <source>The picture %1 is not a PNG, TIFF, GIF, ICO, WebP or HEIF picture.</source>
        <translation>L&apos;image %1 n&apos;est pas une image PNG, TIFF, GIF, ICO, WebP ou HEIF.</translation>
    </message>
    <message>
        <source>a PNG holds one picture, not %1</source>
        <translation>un PNG contient une image, pas %1</translation>
    </message>
    <message>
        <source>the PNG encoder failed: %1</source>
        <translation>l&apos;encodeur PNG a échoué : %1</translation>
    </message>
    <message>
        <source>Cannot save the image: %1.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image : %1.</translation>
    </message>
    <message>
        <source>the encoder wrote nothing</source>
        <translation>l&apos;encodeur n&apos;a rien écrit</translation>
    </message>
    <message>
        <source>Cannot save the image %1: %2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>Cannot save the image %1: frame %2 changed its size.</source>
        <translation>Impossible d&apos;enregistrer l&apos;image %1 : la trame %2 a changé de taille.</translation>
    </message>
    <message>
        <source>the file is cut short before its end chunk (%1 bytes)</source>
        <extracomment>A reason, shown after &quot;The picture %1 is damaged: &quot;.</extracomment>
        <translation>le fichier est tronqué avant son bloc de fin (%1 octets)</translation>
    </message>
    <message>
        <source>the file is cut short in its header</source>
        <translation>le fichier est tronqué dans son en-tête</translation>
    </message>
    <message>
        <source>the file is cut short (%1 of %2 bytes)</source>
        <translation>le fichier est tronqué (%1 octets sur %2)</translation>
    </message>
    <message>
        <source>its header claims %1 x %2 pixels of %3 bits, more than a file holds</source>
        <translation>son en-tête annonce %1 x %2 pixels de %3 bits, plus qu&apos;un fichier ne peut contenir</translation>
    </message>
    <message>
        <source>its colours are stored as CMYK inks</source>
        <translation>ses couleurs sont stockées en encres CMJN</translation>
    </message>
    <message>
        <source>its colours are stored in a colour space (%1) that is not RGB</source>
        <translation>ses couleurs sont stockées dans un espace colorimétrique (%1) qui n&apos;est pas RVB</translation>
    </message>
    <message>
        <source>its samples are not whole numbers</source>
        <translation>ses échantillons ne sont pas des nombres entiers</translation>
    </message>
    <message>
        <source>it has %1 bits a sample</source>
        <translation>elle a %1 bits par échantillon</translation>
    </message>
    <message>
        <source>it has more than one extra channel</source>
        <translation>elle a plus d&apos;un canal supplémentaire</translation>
    </message>
    <message>
        <source>the pixel data ends after %1 of %2 rows</source>
        <translation>les données de pixels s&apos;arrêtent après %1 lignes sur %2</translation>
    </message>
    <message>
        <source>it is no readable TIFF file</source>
        <translation>ce n&apos;est pas un fichier TIFF lisible</translation>
    </message>
    <message>
        <source>The TIFF picture %1 cannot be written back whole: page %2: %3.</source>
        <translation>L&apos;image TIFF %1 ne peut pas être réécrite entière : page %2 : %3.</translation>
    </message>
    <message>
        <source>page %1: %2</source>
        <extracomment>%1 is a page number, %2 the TIFF library&apos;s own message.</extracomment>
        <translation>page %1 : %2</translation>
    </message>
    <message>
        <source>page %1 is cut short (%2 of %3 bytes)</source>
        <translation>la page %1 est tronquée (%2 octets sur %3)</translation>
    </message>
    <message>
        <source>the TIFF encoder failed: %1</source>
        <translation>l&apos;encodeur TIFF a échoué : %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>frame %1 has no readable header</source>
        <translation>la trame %1 n&apos;a pas d&apos;en-tête lisible</translation>
    </message>
    <message>
        <source>libwebp cannot decode its picture (status %1)</source>
        <translation>libwebp ne peut pas décoder son image (état %1)</translation>
    </message>
    <message>
        <source>libwebp cannot read its animation</source>
        <translation>libwebp ne peut pas lire son animation</translation>
    </message>
    <message>
        <source>frame %1 cannot be decoded</source>
        <translation>la trame %1 ne peut pas être décodée</translation>
    </message>
    <message>
        <source>the WebP encoder failed (libwebp error %1)</source>
        <translation>l&apos;encodeur WebP a échoué (erreur libwebp %1)</translation>
    </message>
    <message>
        <source>the WebP container cannot be made (libwebp error %1)</source>
        <translation>le conteneur WebP ne peut pas être créé (erreur libwebp %1)</translation>
    </message>
    <message>
        <source>a frame cannot be added to the WebP animation</source>
        <translation>une trame ne peut pas être ajoutée à l&apos;animation WebP</translation>
    </message>
    <message>
        <source>the WebP animation encoder cannot be set up</source>
        <translation>l&apos;encodeur d&apos;animation WebP ne peut pas être préparé</translation>
    </message>
    <message>
        <source>the WebP animation encoder failed: %1</source>
        <translation>l&apos;encodeur d&apos;animation WebP a échoué : %1</translation>
    </message>
    <message>
        <source>no memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the %1 chunk cannot be put back</source>
        <translation>le bloc %1 ne peut pas être remis</translation>
    </message>
    <message>
        <source>libwebp cannot read its chunks</source>
        <translation>libwebp ne peut pas lire ses blocs</translation>
    </message>
    <message>
        <source>The picture %1 is too large to be stamped (%2 x %3 pixels, %4 frames).</source>
        <translation>L&apos;image %1 est trop grande pour être tamponnée (%2 x %3 pixels, %4 trames).</translation>
    </message>
    <message>
        <source>a WebP holds at least one picture</source>
        <translation>un WebP contient au moins une image</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::TagFailures</name>
    <message>
        <source>ExifTool did not answer in %1 s</source>
        <translation>ExifTool n&apos;a pas répondu en %1 s</translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous ouvrir le dossier où sont rangés ces fichiers d&apos;exemple (pour les regarder avant de travailler avec) ?</translation>
    </message>
    <message>
        <source>Overflow: the sample snapshot is longer than %1 characters.</source>
        <translation>Dépassement de capacité : l&apos;instantané des exemples dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The snapshot key is empty.</source>
        <translation>La clé de l&apos;instantané est vide.</translation>
    </message>
    <message>
        <source>The sample snapshot holds a character (code %1) that cannot be coded.</source>
        <translation>L&apos;instantané des exemples contient un caractère (code %1) qui ne peut pas être codé.</translation>
    </message>
    <message>
        <source>Cannot show the folder %1 in the file manager.</source>
        <translation>Impossible d&apos;afficher le dossier %1 dans le gestionnaire de fichiers.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read the settings file %1: %2</source>
        <translation>Impossible de lire le fichier de réglages %1 : %2</translation>
    </message>
    <message>
        <source>Cannot save the settings file %1: %2</source>
        <translation>Impossible d&apos;enregistrer le fichier de réglages %1 : %2</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored number that is not a number.</extracomment>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>another program keeps it locked</source>
        <translation>un autre programme la garde verrouillée</translation>
    </message>
    <message>
        <source>its lock file cannot be created</source>
        <translation>son fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>percent &quot;%1&quot;</source>
        <translation>pourcentage « %1 »</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>couleur %1</translation>
    </message>
    <message>
        <source>time shift &quot;%1&quot;</source>
        <translation>décalage horaire « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an item of the list</source>
        <translation>« %1 » n&apos;est pas un élément de la liste</translation>
    </message>
    <message>
        <source>Invalid property value: %1</source>
        <translation>Valeur de propriété incorrecte : %1</translation>
    </message>
    <message>
        <source>The settings were opened for reading only.</source>
        <translation>Les réglages ont été ouverts en lecture seule.</translation>
    </message>
    <message>
        <source>list position %1</source>
        <extracomment>A stored value that is not valid, shown in &quot;Invalid property value: %1&quot;.</extracomment>
        <translation>position dans la liste %1</translation>
    </message>
    <message>
        <source>quality %1</source>
        <translation>qualité %1</translation>
    </message>
    <message>
        <source>font size %1</source>
        <translation>taille de police %1</translation>
    </message>
</context>
<context>
    <name>StampFailures</name>
    <message>
        <source>its PNG chunks cannot be walked</source>
        <translation>ses blocs PNG ne peuvent pas être parcourus</translation>
    </message>
    <message>
        <source>its first TIFF directory cannot be read or written again</source>
        <translation>son premier répertoire TIFF ne peut pas être lu ni réécrit</translation>
    </message>
    <message>
        <source>libwebp cannot add a chunk to it</source>
        <translation>libwebp ne peut pas lui ajouter de bloc</translation>
    </message>
    <message>
        <source>its format keeps no restore data</source>
        <translation>son format ne garde pas de données de restauration</translation>
    </message>
    <message>
        <source>%1: %2 cannot keep its own quality; stamp it without --keep-quality</source>
        <translation>%1 : %2 ne peut pas garder sa qualité propre ; tamponnez-le sans --keep-quality</translation>
    </message>
    <message>
        <source>Cannot stamp %1 keeping its own quality: %2</source>
        <translation>Impossible de tamponner %1 en gardant sa qualité propre : %2</translation>
    </message>
    <message>
        <source>%1 has no date taken: it was left as it is.</source>
        <translation>%1 n&apos;a pas de date de prise de vue : il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The %1 of %2 is not known.</source>
        <translation>%1 de %2 n&apos;est pas connue.</translation>
    </message>
    <message>
        <source> It was stamped &quot;%1&quot;.</source>
        <extracomment>Added to the end of a failure sentence: keep the space in front.</extracomment>
        <translation> Il a été tamponné « %1 ».</translation>
    </message>
    <message>
        <source> Nothing was stamped on it.</source>
        <translation> Rien n&apos;y a été tamponné.</translation>
    </message>
    <message>
        <source>The file date &quot;%1&quot; holds no time.</source>
        <translation>La date de fichier « %1 » ne contient pas d&apos;heure.</translation>
    </message>
    <message>
        <source>Cannot stamp the thumbnail of %1: %2</source>
        <translation>Impossible de tamponner la miniature de %1 : %2</translation>
    </message>
    <message>
        <source>Cannot stamp the thumbnail of %1: stamped, it no longer fits in the file&apos;s EXIF block (64 KB)</source>
        <translation>Impossible de tamponner la miniature de %1 : une fois tamponnée, elle ne tient plus dans le bloc EXIF du fichier (64 Ko)</translation>
    </message>
    <message>
        <source>%1 was stamped before (on %2): skipped</source>
        <translation>%1 a déjà été tamponné (le %2) : ignoré</translation>
    </message>
    <message>
        <source>an unknown date</source>
        <extracomment>Fills %2 of &quot;%1 was stamped before (on %2): skipped&quot;.</extracomment>
        <translation>une date inconnue</translation>
    </message>
    <message>
        <source>%1 is read-only: it was left as it is.</source>
        <translation>%1 est en lecture seule : il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>the stamped picture was removed on its way (%1)</source>
        <translation>l&apos;image tamponnée a été supprimée en chemin (%1)</translation>
    </message>
    <message>
        <source>Cannot copy the metadata of %1: %2.</source>
        <translation>Impossible de copier les métadonnées de %1 : %2.</translation>
    </message>
    <message>
        <source>no such folder</source>
        <extracomment>A reason, shown in &quot;Cannot put the stamped picture in place of %1: %2.&quot;</extracomment>
        <translation>dossier introuvable</translation>
    </message>
    <message>
        <source>Cannot make the folder %1 for the stamped picture: %2.</source>
        <translation>Impossible de créer le dossier %1 pour l&apos;image tamponnée : %2.</translation>
    </message>
    <message>
        <source>%1: stamped, but its XMP could not take the mark of the stamp (it cannot be read or is full), so a later run cannot tell it was stamped</source>
        <translation>%1 : tamponné, mais son XMP n&apos;a pas pu recevoir la marque du tampon (il est illisible ou plein) ; une exécution ultérieure ne pourra donc pas savoir qu&apos;il a été tamponné</translation>
    </message>
    <message>
        <source>%1: the tags were copied; ExifTool warned: %2</source>
        <translation>%1 : les métadonnées ont été copiées ; ExifTool a averti : %2</translation>
    </message>
    <message>
        <source>%1: stamped as usual, but the stamp cannot be undone: only JPEG, PNG, TIFF and lossless WebP results keep what an undo needs</source>
        <translation>%1 : tamponné comme d&apos;habitude, mais le tampon ne peut pas être annulé : seuls les résultats JPEG, PNG, TIFF et WebP sans perte gardent ce qu&apos;une annulation demande</translation>
    </message>
    <message>
        <source>Cannot add the restore data to %1: %2.</source>
        <translation>Impossible d&apos;ajouter les données de restauration à %1 : %2.</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot make a private temporary folder in %1: %2.</source>
        <translation>Impossible de créer un dossier temporaire privé dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>StampOptions</name>
    <message>
        <source>Date Created</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Date Accessed</source>
        <translation>Date du dernier accès</translation>
    </message>
    <message>
        <source>Timestamp And Datestamp</source>
        <translation>Heure et date</translation>
    </message>
    <message>
        <source>Datestamp And Timestamp</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Timestamp</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Datestamp</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Upper-Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Upper-Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Lower-Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Lower-Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Center-Top</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Center-Left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <source>Center-Right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <source>Center-Bottom</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Au centre</translation>
    </message>
</context>
<context>
    <name>StampRun</name>
    <message>
        <source>No files added.</source>
        <translation>Aucun fichier ajouté.</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Le dossier n&apos;existe pas. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Please enter custom text.</source>
        <translation>Saisissez un texte.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Stamped, with notes on their tags:
</source>
        <translation>Tamponnés, avec des remarques sur leurs métadonnées :
</translation>
    </message>
    <message>
        <source>Skipped:
</source>
        <translation>Ignorés :
</translation>
    </message>
    <message>
        <source>Processing: </source>
        <translation>En cours : </translation>
    </message>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Stamping done</source>
        <translation>Tamponnage terminé</translation>
    </message>
    <message>
        <source>%1 stamped, %2 failed.</source>
        <translation>%1 tamponné(s), %2 en échec.</translation>
    </message>
</context>
<context>
    <name>StampStyleDialog</name>
    <message>
        <source>Stamp Style</source>
        <translation>Style du tampon</translation>
    </message>
    <message>
        <source>Size and Look</source>
        <translation>Taille et aspect</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>The font&apos;s points</source>
        <translation>Corps de la police en points</translation>
    </message>
    <message>
        <source>Percent of the picture&apos;s shorter side</source>
        <translation>Pourcentage du petit côté de l&apos;image</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Style colour:</source>
        <translation>Couleur du style :</translation>
    </message>
    <message>
        <source>Black for light text, white for dark</source>
        <translation>Noir pour un texte clair, blanc pour un sombre</translation>
    </message>
    <message>
        <source>Change Color</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>Outline width:</source>
        <translation>Épaisseur du contour :</translation>
    </message>
    <message>
        <source> % of a line</source>
        <translation> % d&apos;une ligne</translation>
    </message>
    <message>
        <source>Box opacity:</source>
        <translation>Opacité du cadre :</translation>
    </message>
    <message>
        <source>Margin:</source>
        <translation>Marge :</translation>
    </message>
    <message>
        <source>A few pixels, as always</source>
        <translation>Quelques pixels, comme toujours</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Date pattern:</source>
        <translation>Modèle de date :</translation>
    </message>
    <message>
        <source>The Format list&apos;s choice</source>
        <translation>Le choix de la liste Format</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Maintenant :</translation>
    </message>
    <message>
        <source>No date taken:</source>
        <translation>Sans date de prise de vue :</translation>
    </message>
    <message>
        <source>Say there is none</source>
        <translation>Indiquer qu&apos;il n&apos;y en a pas</translation>
    </message>
    <message>
        <source>The date in the file name</source>
        <translation>La date du nom de fichier</translation>
    </message>
    <message>
        <source>The date modified</source>
        <translation>La date de modification</translation>
    </message>
    <message>
        <source>Skip the photo</source>
        <translation>Ignorer la photo</translation>
    </message>
    <message>
        <source>Time shift:</source>
        <translation>Décalage horaire :</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Traitements</translation>
    </message>
    <message>
        <source>Skip photos already stamped</source>
        <translation>Ignorer les photos déjà tamponnées</translation>
    </message>
    <message>
        <source>Keep the folders below a folder added whole</source>
        <translation>Garder les sous-dossiers d&apos;un dossier ajouté en entier</translation>
    </message>
    <message>
        <source>Keep the photo&apos;s own quality</source>
        <translation>Garder la qualité propre de la photo</translation>
    </message>
    <message>
        <source>A JPEG keeps its own compression and every part the stamp does not cover, so the quality slider does not apply to JPEGs. JPEG, PNG, TIFF and lossless WebP results can be undone with &quot;Remove Stamp&quot; in the list&apos;s menu.</source>
        <translation>Un JPEG garde sa propre compression et toutes les parties que le tampon ne couvre pas ; le curseur de qualité ne s&apos;applique alors pas aux JPEG. Les résultats JPEG, PNG, TIFF et WebP sans perte peuvent être annulés avec « Retirer le tampon » dans le menu de la liste.</translation>
    </message>
</context>
<context>
    <name>TagFailures</name>
    <message>
        <source>Cannot read the date taken of %1: the file is empty.</source>
        <translation>Impossible de lire la date de prise de vue de %1 : le fichier est vide.</translation>
    </message>
    <message>
        <source>Cannot read the date taken of %1: %2</source>
        <translation>Impossible de lire la date de prise de vue de %1 : %2</translation>
    </message>
    <message>
        <source>the run was stopped before ExifTool answered</source>
        <translation>l&apos;exécution a été arrêtée avant la réponse d&apos;ExifTool</translation>
    </message>
    <message>
        <source>Cannot copy the metadata of %1 into %2: %3.</source>
        <translation>Impossible de copier les métadonnées de %1 dans %2 : %3.</translation>
    </message>
    <message>
        <source>ExifTool updated no file</source>
        <translation>ExifTool n&apos;a mis à jour aucun fichier</translation>
    </message>
    <message>
        <source>ExifTool&apos;s configuration cannot be written in %1: %2</source>
        <translation>La configuration d&apos;ExifTool ne peut pas être écrite dans %1 : %2</translation>
    </message>
    <message>
        <source>ExifTool (%1) could not be started: %2</source>
        <translation>ExifTool (%1) n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>its name cannot be passed to ExifTool</source>
        <translation>son nom ne peut pas être transmis à ExifTool</translation>
    </message>
    <message>
        <source>the name of the temporary file %1 cannot be passed to ExifTool</source>
        <translation>le nom du fichier temporaire %1 ne peut pas être transmis à ExifTool</translation>
    </message>
    <message>
        <source>ExifTool crashed</source>
        <translation>ExifTool a planté</translation>
    </message>
    <message>
        <source>ExifTool stopped unexpectedly (exit code %1)</source>
        <translation>ExifTool s&apos;est arrêté de façon inattendue (code de sortie %1)</translation>
    </message>
</context>
<context>
    <name>UndoReasons</name>
    <message>
        <source>its restore data cannot be read</source>
        <translation>ses données de restauration ne peuvent pas être lues</translation>
    </message>
    <message>
        <source>carries no restore data</source>
        <translation>ne contient pas de données de restauration</translation>
    </message>
    <message>
        <source>was changed after it was stamped, so its original cannot be rebuilt</source>
        <translation>a été modifié après avoir été tamponné, son original ne peut donc pas être reconstitué</translation>
    </message>
    <message>
        <source>its restore data do not fit the picture they came with</source>
        <translation>ses données de restauration ne correspondent pas à l&apos;image qui les accompagne</translation>
    </message>
    <message>
        <source>restored</source>
        <extracomment>An undo&apos;s answer after a file&apos;s name and a colon: the file is as it was before the stamp.</extracomment>
        <translation>restauré</translation>
    </message>
    <message>
        <source>carries no restore data (it was not stamped with the photo&apos;s own quality)</source>
        <translation>ne contient pas de données de restauration (il n&apos;a pas été tamponné avec la qualité propre de la photo)</translation>
    </message>
    <message>
        <source>carries the mark of a stamp but no restore data (it was stamped without keeping the photo&apos;s own quality, or saved again since); left as it is</source>
        <translation>porte la marque d&apos;un tampon mais pas de données de restauration (il a été tamponné sans garder la qualité propre de la photo, ou réenregistré depuis) ; laissé tel quel</translation>
    </message>
    <message>
        <source>was changed after the stamp; left as it is</source>
        <translation>a été modifié après le tampon ; laissé tel quel</translation>
    </message>
    <message>
        <source>its restore data is damaged; left as it is</source>
        <translation>ses données de restauration sont endommagées ; laissé tel quel</translation>
    </message>
    <message>
        <source>is read-only: left as it is</source>
        <translation>est en lecture seule : laissé tel quel</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>%1: the stamp could not be undone: %2</source>
        <translation>%1 : le tampon n&apos;a pas pu être annulé : %2</translation>
    </message>
</context>
</TS>
