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
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous ouvrir le dossier où sont rangés ces fichiers d&apos;exemple (pour les regarder avant de travailler avec) ?</translation>
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
</TS>
