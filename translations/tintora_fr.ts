<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Application</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>the file declares a document type, which a color table has not</source>
        <translation>le fichier déclare un type de document, ce qu&apos;une table de couleurs n&apos;a pas</translation>
    </message>
    <message>
        <source>a LibreOffice color table has a color-table root element, and this file has &quot;%1&quot;</source>
        <translation>une table de couleurs LibreOffice a pour élément racine color-table, et ce fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>color %1 has no draw:color value</source>
        <translation>la couleur %1 n&apos;a pas de valeur draw:color</translation>
    </message>
    <message>
        <source>the draw:color of color %1 is &quot;%2&quot;, not #rrggbb</source>
        <translation>le draw:color de la couleur %1 vaut «&#xa0;%2&#xa0;», et non #rrggbb</translation>
    </message>
    <message>
        <source>the XML is broken: %1</source>
        <translation>le XML est invalide&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file holds no XML element</source>
        <translation>le fichier ne contient aucun élément XML</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>Picks one color from the screen, without the main window, and prints it. Exits with 1 when the pick is cancelled.</source>
        <translation>Prélève une couleur à l’écran, sans la fenêtre principale, et l’affiche. Se termine avec 1 quand le prélèvement est annulé.</translation>
    </message>
    <message>
        <source>With --pick: puts the color on the clipboard too, and keeps it there in the background until another program takes the clipboard.</source>
        <translation>Avec --pick&#xa0;: met aussi la couleur dans le presse-papiers et l’y garde en arrière-plan jusqu’à ce qu’un autre programme prenne le presse-papiers.</translation>
    </message>
    <message>
        <source>Prints the color given as the arguments (any color Paste Color reads) in the notation of --format.</source>
        <translation>Affiche la couleur donnée en arguments (toute couleur que «&#xa0;Coller la couleur&#xa0;» lit) dans la notation de --format.</translation>
    </message>
    <message>
        <source>Prints the contrast of one or two text colors on a background, given as the arguments BACKGROUND TEXT [TEXT]: the ratio, every WCAG 2.2 verdict, text against text, and APCA as advice.</source>
        <translation>Affiche le contraste d’une ou deux couleurs de texte sur un arrière-plan, données en arguments FOND TEXTE [TEXTE]&#xa0;: le rapport, chaque verdict WCAG 2.2, texte contre texte, et APCA à titre indicatif.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>The notation --pick and --convert print: hex (the default) or one of the others listed below.</source>
        <translation>La notation qu’affichent --pick et --convert&#xa0;: hex (par défaut) ou l’une des autres ci-dessous.</translation>
    </message>
    <message>
        <source>With --contrast: prints JSON, for programs.</source>
        <translation>Avec --contrast&#xa0;: affiche du JSON, pour les programmes.</translation>
    </message>
    <message>
        <source>%1 goes only with %2</source>
        <translation>%1 ne va qu’avec %2</translation>
    </message>
    <message>
        <source>Choose one of %1, %2 and %3</source>
        <translation>Choisissez un seul de %1, %2 et %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a notation; use one of %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une notation&#xa0;; possibles&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments: &apos;%2&apos;</source>
        <translation>%1 ne prend pas d’arguments&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 needs a color</source>
        <translation>%1 demande une couleur</translation>
    </message>
    <message>
        <source>%1 needs a background and one or two text colors, and %2 were given; quote a color that has spaces</source>
        <translation>%1 demande un arrière-plan et une ou deux couleurs de texte, et %2 ont été données&#xa0;; mettez entre guillemets une couleur qui contient des espaces</translation>
    </message>
    <message>
        <source>Tintora picks #RRGGBB colors and tries text colors on a background.
Without options it opens its window and loads the files named: color lists
(.clr with its .hex) as Load List does, palettes (.gpl, .soc, .ase, .css,
.json and Paint.NET .txt) as Import Palette does.</source>
        <translation>Tintora choisit des couleurs #RRGGBB et essaie des couleurs de texte sur un fond.
Sans option, il ouvre sa fenêtre et charge les fichiers nommés&#xa0;: listes de
couleurs (.clr avec son .hex) comme «&#xa0;Charger une liste&#xa0;», palettes (.gpl,
.soc, .ase, .css, .json et .txt de Paint.NET) comme «&#xa0;Importer une palette&#xa0;».</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>Color lists and palettes to open.</source>
        <translation>Listes de couleurs et palettes à ouvrir.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[fichiers...]</translation>
    </message>
    <message>
        <source>Notations:</source>
        <translation>Notations&#xa0;:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Exemples&#xa0;:</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 pick cancelled, 2 text that is not a color, a usage error or a failure.</source>
        <translation>Code de sortie&#xa0;: 0 fait, 1 prélèvement annulé, 2 texte qui n’est pas une couleur, erreur d’usage ou échec.</translation>
    </message>
    <message>
        <source>%1 needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>%1 demande un affichage&#xa0;: ni DISPLAY ni WAYLAND_DISPLAY n’est défini</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>%1, just below %2:1</source>
        <translation>%1, juste sous %2:1</translation>
    </message>
    <message>
        <source>Not readable</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>Non-text only</source>
        <translation>Non-texte seulement</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deutéranopie</translation>
    </message>
    <message>
        <source>Tritanopia</source>
        <translation>Tritanopie</translation>
    </message>
    <message>
        <source>Achromatopsia</source>
        <translation>Achromatopsie</translation>
    </message>
    <message>
        <source>normal text</source>
        <translation>texte normal</translation>
    </message>
    <message>
        <source>large text</source>
        <translation>grand texte</translation>
    </message>
    <message>
        <source>non-text</source>
        <translation>non-texte</translation>
    </message>
    <message>
        <source>Non-text elements only</source>
        <translation>Éléments non textuels seulement</translation>
    </message>
    <message>
        <source>Spot text and non-text only</source>
        <translation>Texte ponctuel et non-texte seulement</translation>
    </message>
    <message>
        <source>Large text and headlines</source>
        <translation>Grand texte et titres</translation>
    </message>
    <message>
        <source>Content text; least for body text</source>
        <translation>Texte de contenu&#xa0;; minimum pour le corps de texte</translation>
    </message>
    <message>
        <source>Body text</source>
        <translation>Corps de texte</translation>
    </message>
</context>
<context>
    <name>ContrastReport</name>
    <message>
        <source>No color of this hue passes</source>
        <translation>Aucune couleur de cette teinte ne réussit</translation>
    </message>
    <message>
        <source>No background of this hue gives both samples %1:1</source>
        <translation>Aucun arrière-plan de cette teinte ne donne %1:1 aux deux exemples</translation>
    </message>
    <message>
        <source>Contrast Checker</source>
        <translation>Vérificateur de contraste</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Large text: at least 18 pt, or 14 pt bold</source>
        <translation>Grand texte&#xa0;: au moins 18 pt, ou 14 pt en gras</translation>
    </message>
    <message>
        <source>As seen with a color vision deficiency (simulated):</source>
        <translation>Vu avec un trouble de la vision des couleurs (simulé)&#xa0;:</translation>
    </message>
    <message>
        <source>APCA, advisory</source>
        <translation>APCA, à titre indicatif</translation>
    </message>
    <message>
        <source>Least size, weight 400, 700</source>
        <translation>Taille minimale, graisse 400, 700</translation>
    </message>
    <message>
        <source>Body Lc %1, content %2, large %3</source>
        <translation>Corps Lc %1, contenu %2, grand %3</translation>
    </message>
    <message>
        <source>Background: %1</source>
        <translation>Arrière-plan&#xa0;: %1</translation>
    </message>
    <message>
        <source>Text Sample %1: %2</source>
        <translation>Texte exemple %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Text Sample %1 on the background</source>
        <translation>Texte exemple %1 sur l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Contrast ratio: %1</source>
        <translation>Rapport de contraste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Text against text (a link among body text), %1:1</source>
        <translation>Texte contre texte (un lien dans le corps de texte), %1:1</translation>
    </message>
    <message>
        <source>Text %1: %2</source>
        <translation>Texte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Text %1 on the background</source>
        <translation>Texte %1 sur l’arrière-plan</translation>
    </message>
    <message>
        <source>APCA, advisory: %1, %2</source>
        <translation>APCA, à titre indicatif&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Least size, weight 400, 700: %1</source>
        <translation>Taille minimale, graisse 400, 700&#xa0;: %1</translation>
    </message>
    <message>
        <source>Body Lc %1, content %2, large %3: %4</source>
        <translation>Corps Lc %1, contenu %2, grand %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>Text against text (a link among body text), %1: %2, %3</source>
        <translation>Texte contre texte (un lien dans le corps de texte), %1&#xa0;: %2, %3</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>CssProperties</name>
    <message>
        <source>the value of --%1 starts like a color but is not one: &quot;%2&quot;</source>
        <translation>la valeur de --%1 commence comme une couleur mais n&apos;en est pas une&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Not available on Wayland: there the desktop alone decides which window stays above the others.</source>
        <translation>Indisponible sous Wayland&#xa0;: seul le bureau y décide quelle fenêtre reste au-dessus des autres.</translation>
    </message>
</context>
<context>
    <name>GimpPalette</name>
    <message>
        <source>a color line needs red, green and blue values, and the %1 value is missing</source>
        <translation>une ligne de couleur demande les composantes rouge, verte et bleue, et la composante %1 manque</translation>
    </message>
    <message>
        <source>a color line begins with red, green and blue from 0 to 255, but the %1 value is &quot;%2&quot;</source>
        <translation>une ligne de couleur commence par le rouge, le vert et le bleu de 0 à 255, mais la composante %1 vaut «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the %1 value %2 is outside 0 to 255</source>
        <translation>la composante %1 vaut %2, hors de 0 à 255</translation>
    </message>
    <message>
        <source>a GIMP palette begins with the line &quot;GIMP Palette&quot;</source>
        <translation>une palette GIMP commence par la ligne «&#xa0;GIMP Palette&#xa0;»</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verte</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleue</translation>
    </message>
</context>
<context>
    <name>HelpService</name>
    <message>
        <source>Tintora Help</source>
        <translation>Aide de Tintora</translation>
    </message>
    <message>
        <source>Cannot show help: the help file &apos;%1&apos; was not found</source>
        <translation>Impossible d&apos;afficher l&apos;aide&#xa0;: le fichier d&apos;aide «&#xa0;%1&#xa0;» est introuvable</translation>
    </message>
    <message>
        <source>Cannot show help: there is no topic %1 in the help file &apos;%2&apos;</source>
        <translation>Impossible d&apos;afficher l&apos;aide&#xa0;: le fichier d&apos;aide «&#xa0;%2&#xa0;» ne contient pas de rubrique %1</translation>
    </message>
</context>
<context>
    <name>ImagePalette</name>
    <message>
        <source>The image&apos;s data is damaged or cut short</source>
        <translation>Les données de l’image sont endommagées ou incomplètes</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG, BMP or GIF image</source>
        <translation>Ce n’est pas une image PNG, JPEG, BMP ou GIF</translation>
    </message>
    <message>
        <source>The image has %1 x %2 pixels, more than the %3 million that colors are taken from</source>
        <translation>L’image a %1 x %2 pixels, plus que les %3 millions dont les couleurs sont tirées</translation>
    </message>
    <message>
        <source>Every pixel of the image is transparent or nearly so: it has no colors to take</source>
        <translation>Tous les pixels de l’image sont transparents ou presque&#xa0;: elle n’a aucune couleur à donner</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>A color taken from an image: the image&apos;s file name and the color&apos;s share, &quot;31&quot;</extracomment>
        <translation>%1 %2&#xa0;%</translation>
    </message>
</context>
<context>
    <name>JsonPalette</name>
    <message>
        <source>a JSON palette is an array of colors, [ {&quot;name&quot;: ..., &quot;hex&quot;: &quot;#RRGGBB&quot;}, ... ]</source>
        <translation>une palette JSON est un tableau de couleurs, [ {&quot;name&quot;: ..., &quot;hex&quot;: &quot;#RRGGBB&quot;}, ... ]</translation>
    </message>
    <message>
        <source>there is more after the end of the array</source>
        <translation>il reste du contenu après la fin du tableau</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>%1 attendu</translation>
    </message>
    <message>
        <source>color %1 is not an object {&quot;name&quot;: ..., &quot;hex&quot;: ...}</source>
        <translation>la couleur %1 n&apos;est pas un objet {&quot;name&quot;: ..., &quot;hex&quot;: ...}</translation>
    </message>
    <message>
        <source>&quot;:&quot; after a member name</source>
        <translation>«&#xa0;:&#xa0;» après un nom de membre</translation>
    </message>
    <message>
        <source>the &quot;name&quot; of color %1 is not text</source>
        <translation>le «&#xa0;name&#xa0;» de la couleur %1 n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>the &quot;hex&quot; of color %1 is not text</source>
        <translation>le «&#xa0;hex&#xa0;» de la couleur %1 n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>color %1 has no &quot;hex&quot;</source>
        <translation>la couleur %1 n&apos;a pas de «&#xa0;hex&#xa0;»</translation>
    </message>
    <message>
        <source>the &quot;hex&quot; of color %1 is &quot;%2&quot;, not #RRGGBB</source>
        <translation>le «&#xa0;hex&#xa0;» de la couleur %1 vaut «&#xa0;%2&#xa0;», et non #RRGGBB</translation>
    </message>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>un texte entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>a text in quotes holds an unknown escape</source>
        <translation>un texte entre guillemets contient une séquence d&apos;échappement inconnue</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>valeur attendue</translation>
    </message>
    <message>
        <source>a number has no digits in its exponent</source>
        <translation>un nombre n&apos;a pas de chiffres dans son exposant</translation>
    </message>
    <message>
        <source>the file holds more than %1 values, more than a palette has</source>
        <translation>le fichier contient plus de %1 valeurs, plus qu&apos;une palette n&apos;en a</translation>
    </message>
    <message>
        <source>values are nested more than %1 deep</source>
        <translation>les valeurs sont imbriquées sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;%1&quot;</source>
        <translation>«&#xa0;,&#xa0;» ou «&#xa0;%1&#xa0;» attendu</translation>
    </message>
    <message>
        <source>a JSON file is UTF-8 text, and this is not</source>
        <translation>un fichier JSON est du texte UTF-8, et celui-ci n&apos;en est pas</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1 contains a line break, which a list file cannot hold</source>
        <translation>La ligne %1 contient un saut de ligne, ce qu&apos;un fichier de liste ne peut pas contenir</translation>
    </message>
    <message>
        <source>Line %1 contains a NUL character, which a list file cannot hold</source>
        <translation>La ligne %1 contient un caractère NUL, ce qu&apos;un fichier de liste ne peut pas contenir</translation>
    </message>
    <message>
        <source>Line %1 contains half of a character (a lone surrogate), which a list file cannot hold</source>
        <translation>La ligne %1 contient un demi-caractère (un surrogate isolé), ce qu&apos;un fichier de liste ne peut pas contenir</translation>
    </message>
    <message>
        <source>The old file cannot be kept aside</source>
        <translation>L&apos;ancien fichier ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file is too large for a color list</source>
        <translation>Le fichier est trop volumineux pour une liste de couleurs</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>Ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>The file has more lines than a color list can hold (%1)</source>
        <translation>Le fichier a plus de lignes qu&apos;une liste de couleurs ne peut en contenir (%1)</translation>
    </message>
    <message>
        <source>Line %1 is %2 characters long; a line of a color list can have at most %3</source>
        <translation>La ligne %1 fait %2 caractères&#xa0;; une ligne de liste de couleurs peut en avoir au plus %3</translation>
    </message>
</context>
<context>
    <name>ListRules</name>
    <message>
        <source>Save changes to current file?</source>
        <translation>Enregistrer les modifications dans le fichier actuel&#xa0;?</translation>
    </message>
    <message>
        <source>Save current color list to new file?</source>
        <translation>Enregistrer la liste de couleurs actuelle dans un nouveau fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Save current color list to file?</source>
        <translation>Enregistrer la liste de couleurs actuelle dans un fichier&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PaintNetPalette</name>
    <message>
        <source>a color is written as eight hex digits AARRGGBB, not &quot;%1&quot;</source>
        <translation>une couleur s&apos;écrit en huit chiffres hexadécimaux AARRGGBB, et non «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>octet %1</translation>
    </message>
    <message>
        <source>the file holds more than %1 colors, more than a list can take</source>
        <translation>le fichier contient plus de %1 couleurs, plus qu&apos;une liste ne peut en recevoir</translation>
    </message>
    <message>
        <source>the file has more than %1 lines, more than a palette has</source>
        <translation>le fichier a plus de %1 lignes, plus qu&apos;une palette n&apos;en a</translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>All palettes (%1)</source>
        <translation>Toutes les palettes (%1)</translation>
    </message>
    <message>
        <source>GIMP palette (*.gpl)</source>
        <translation>Palette GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>LibreOffice color table (*.soc)</source>
        <translation>Table de couleurs LibreOffice (*.soc)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS custom properties (*.css)</source>
        <translation>Propriétés personnalisées CSS (*.css)</translation>
    </message>
    <message>
        <source>JSON palette (*.json)</source>
        <translation>Palette JSON (*.json)</translation>
    </message>
    <message>
        <source>Paint.NET palette (*.txt)</source>
        <translation>Palette Paint.NET (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a palette</source>
        <translation>Le fichier dépasse %1 Mo, trop pour une palette</translation>
    </message>
    <message>
        <source>Its name and its contents show no palette format known here</source>
        <translation>Ni son nom ni son contenu ne correspondent à un format de palette connu ici</translation>
    </message>
    <message>
        <source>Color %1 (&quot;%2&quot;) has the value &quot;%3&quot;, which is not a #RRGGBB color</source>
        <translation>La couleur %1 («&#xa0;%2&#xa0;») a la valeur «&#xa0;%3&#xa0;», qui n&apos;est pas une couleur #RRGGBB</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Cannot write the recovery copy &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire la copie de récupération «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the recovery copy &quot;%1&quot;: %2</source>
        <translation>Impossible de lire la copie de récupération «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>It is not whole (cut short or overwritten)</source>
        <translation>Elle est incomplète (tronquée ou écrasée)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot remove the recovery copy &quot;%1&quot;: %2</source>
        <translation>Impossible de supprimer la copie de récupération «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot move the damaged recovery copy &quot;%1&quot; aside: %2</source>
        <translation>Impossible de mettre de côté la copie de récupération endommagée «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ScreenPick</name>
    <message>
        <source>Picking a color from the screen is not available on this desktop: %1</source>
        <translation>Le prélèvement d&apos;une couleur à l&apos;écran n&apos;est pas disponible sur ce bureau&#xa0;: %1</translation>
    </message>
    <message>
        <source>the desktop ended the pick without a color (response 2)</source>
        <translation>le bureau a terminé le prélèvement sans couleur (réponse 2)</translation>
    </message>
    <message>
        <source>the desktop answered the pick with the unknown response %1</source>
        <translation>le bureau a répondu au prélèvement par la réponse inconnue %1</translation>
    </message>
    <message>
        <source>the desktop&apos;s answer held no color</source>
        <translation>la réponse du bureau ne contenait aucune couleur</translation>
    </message>
    <message>
        <source>the desktop answered a color outside the range 0 to 1 (%1, %2, %3)</source>
        <translation>le bureau a renvoyé une couleur hors de l&apos;intervalle 0 à 1 (%1, %2, %3)</translation>
    </message>
</context>
<context>
    <name>SwatchExchange</name>
    <message>
        <source>an Adobe Swatch Exchange file begins with &quot;ASEF&quot;</source>
        <translation>un fichier Adobe Swatch Exchange commence par «&#xa0;ASEF&#xa0;»</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>le fichier se termine dans son en-tête</translation>
    </message>
    <message>
        <source>the file is of version %1.%2, and only version 1 is known</source>
        <translation>le fichier est en version %1.%2, et seule la version 1 est connue</translation>
    </message>
    <message>
        <source>the header announces %1 blocks, more than the %2 bytes after it can hold</source>
        <translation>l&apos;en-tête annonce %1 blocs, plus que les %2 octets qui le suivent ne peuvent en contenir</translation>
    </message>
    <message>
        <source>the file ends before block %1 of the %2 it announces</source>
        <translation>le fichier se termine avant le bloc %1 des %2 qu&apos;il annonce</translation>
    </message>
    <message>
        <source>block %1 claims %2 bytes, but only %3 follow</source>
        <translation>le bloc %1 annonce %2 octets, mais seuls %3 suivent</translation>
    </message>
    <message>
        <source>%1 bytes follow the last of the %2 blocks the header announces</source>
        <translation>%1 octets suivent le dernier des %2 blocs annoncés par l&apos;en-tête</translation>
    </message>
    <message>
        <source>block %1 ends before the color it holds does</source>
        <translation>le bloc %1 se termine avant la couleur qu&apos;il contient</translation>
    </message>
    <message>
        <source>the name in block %1 claims %2 characters, more than the block holds</source>
        <translation>le nom du bloc %1 annonce %2 caractères, plus que le bloc n&apos;en contient</translation>
    </message>
    <message>
        <source>a component of block %1 is not a number</source>
        <translation>une composante du bloc %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>a component of block %1 is %2, outside %3 to %4</source>
        <translation>une composante du bloc %1 vaut %2, hors de %3 à %4</translation>
    </message>
    <message>
        <source>block %1 has the color model &quot;%2&quot;; RGB, Gray, CMYK and LAB are known</source>
        <translation>le bloc %1 a le modèle de couleur «&#xa0;%2&#xa0;»&#xa0;; RGB, Gray, CMYK et LAB sont connus</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Release 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Copyright © 1998 Brindle Pixel Works</source>
        <translation>Copyright © 1998 Brindle Pixel Works</translation>
    </message>
    <message>
        <source>Questions and ideas are welcome at tintora@brindle.example</source>
        <translation>Questions et idées bienvenues à tintora@brindle.example</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>&amp;Adjust Color</source>
        <translation>&amp;Ajuster la couleur</translation>
    </message>
    <message>
        <source>Tintora - Release 1.0</source>
        <translation>Tintora - Version 1.0</translation>
    </message>
    <message>
        <source>Set the Color of:</source>
        <translation>Couleur de&#xa0;:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>V:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>Hex Value:</source>
        <translation>Valeur hex&#xa0;:</translation>
    </message>
    <message>
        <source>Sample 1: Our ingnorance of  history...</source>
        <translation>Exemple 1&#xa0;: Ignorer l&apos;histoire...</translation>
    </message>
    <message>
        <source>Sample 2: ...makes us vilify our own age.    -Marlowen</source>
        <translation>Exemple 2&#xa0;: ...fait dénigrer notre époque.    -Marlowen</translation>
    </message>
    <message>
        <source>Custom Color Name:</source>
        <translation>Nom de la couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Enter or select custom color by name here.</source>
        <translation>Saisissez ou choisissez ici une couleur personnalisée par son nom.</translation>
    </message>
    <message>
        <source>Set The Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Click her to use the color dialog to set sample color.</source>
        <translation>Cliquez ici pour choisir la couleur de l&apos;exemple dans le sélecteur de couleurs.</translation>
    </message>
    <message>
        <source>Add To List</source>
        <translation>Ajouter à la liste</translation>
    </message>
    <message>
        <source>Add the color displayed in the sample to custom color list.</source>
        <translation>Ajouter la couleur affichée dans l&apos;exemple à la liste de couleurs personnalisées.</translation>
    </message>
    <message>
        <source>Delete From List</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Delete the currently displayed name from the custom color list.</source>
        <translation>Retirer le nom affiché de la liste de couleurs personnalisées.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Text Sample 1</source>
        <translation>Texte 1</translation>
    </message>
    <message>
        <source>Text Sample 2</source>
        <translation>Texte 2</translation>
    </message>
    <message>
        <source>This is the string that gets copied to the clipboard.when you click Edit/Copy to Clipboard</source>
        <translation>C&apos;est ce texte que copie Édition/Copier dans le presse-papiers.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation>&amp;Charger une liste</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Enregistrer la liste</translation>
    </message>
    <message>
        <source>&amp;Import Palette...</source>
        <translation>&amp;Importer une palette...</translation>
    </message>
    <message>
        <source>&amp;Export Palette...</source>
        <translation>E&amp;xporter une palette...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Pick From &amp;Screen</source>
        <translation>Prélever à l&apos;&amp;écran</translation>
    </message>
    <message>
        <source>&amp;Find in List</source>
        <translation>&amp;Rechercher dans la liste</translation>
    </message>
    <message>
        <source>&amp;Delete From List</source>
        <translation>Re&amp;tirer de la liste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>Contrast &amp;Checker</source>
        <translation>Vérificateur de &amp;contraste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>TRA Color lists (*.clr)</source>
        <translation>Listes de couleurs TRA (*.clr)</translation>
    </message>
    <message>
        <source>TRA Color Lists (*.clr)</source>
        <translation>Listes de couleurs TRA (*.clr)</translation>
    </message>
    <message>
        <source>Enable &amp;Lists</source>
        <translation>Activer les &amp;listes</translation>
    </message>
    <message>
        <source>Disable &amp;Lists</source>
        <translation>Désactiver les &amp;listes</translation>
    </message>
    <message>
        <source>View Full List</source>
        <translation>Liste entière</translation>
    </message>
    <message>
        <source>Close Full List</source>
        <translation>Fermer la liste</translation>
    </message>
    <message>
        <source>View &amp;Full List</source>
        <translation>Afficher la liste &amp;entière</translation>
    </message>
    <message>
        <source>Close &amp;Full List</source>
        <translation>Fermer la liste &amp;entière</translation>
    </message>
    <message>
        <source>&amp;Roll Up</source>
        <translation>En&amp;rouler</translation>
    </message>
    <message>
        <source>&amp;Roll Down</source>
        <translation>Dé&amp;rouler</translation>
    </message>
    <message>
        <source>Disable &amp;Hints</source>
        <translation>Désactiver les &amp;bulles d&apos;aide</translation>
    </message>
    <message>
        <source>Enable Hints</source>
        <translation>Activer les bulles d&apos;aide</translation>
    </message>
    <message>
        <source>TRA v 1.0</source>
        <translation>TRA v 1.0</translation>
    </message>
    <message>
        <source>TRA v 1.0  Current File: %1</source>
        <translation>TRA v 1.0  Fichier actuel&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please enter a custom name before adding this color to the list.</source>
        <translation>Veuillez saisir un nom personnalisé avant d&apos;ajouter cette couleur à la liste.</translation>
    </message>
    <message>
        <source>There is no currently displayed custom color to delete from the list.</source>
        <translation>Aucune couleur personnalisée affichée ne peut être retirée de la liste.</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Copier &amp;au format</translation>
    </message>
    <message>
        <source>&amp;Paste Color</source>
        <translation>Co&amp;ller la couleur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a color</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une couleur</translation>
    </message>
    <message>
        <source>There is no color on the clipboard to paste</source>
        <translation>Le presse-papiers ne contient aucune couleur à coller</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Importer une palette</translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Exporter une palette</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Hex</source>
        <translation>&amp;Hex</translation>
    </message>
    <message>
        <source>Hex, &amp;lowercase</source>
        <translation>Hex, &amp;minuscules</translation>
    </message>
    <message>
        <source>Hex, &amp;no #</source>
        <translation>Hex, sa&amp;ns #</translation>
    </message>
    <message>
        <source>&amp;RGB</source>
        <translation>&amp;RGB</translation>
    </message>
    <message>
        <source>RGB, co&amp;mmas</source>
        <translation>RGB, &amp;virgules</translation>
    </message>
    <message>
        <source>H&amp;SL</source>
        <translation>H&amp;SL</translation>
    </message>
    <message>
        <source>H&amp;WB</source>
        <translation>H&amp;WB</translation>
    </message>
    <message>
        <source>L&amp;ab</source>
        <translation>L&amp;ab</translation>
    </message>
    <message>
        <source>L&amp;CH</source>
        <translation>L&amp;CH</translation>
    </message>
    <message>
        <source>&amp;Oklab</source>
        <translation>&amp;Oklab</translation>
    </message>
    <message>
        <source>O&amp;klch</source>
        <translation>Ok&amp;lch</translation>
    </message>
    <message>
        <source>color(sr&amp;gb)</source>
        <translation>color(sr&amp;gb)</translation>
    </message>
    <message>
        <source>Hex number, 0&amp;x</source>
        <translation>Nombre hex, 0&amp;x</translation>
    </message>
    <message>
        <source>&amp;Bytes</source>
        <translation>Oc&amp;tets</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Fractions</translation>
    </message>
    <message>
        <source>Number of colors to take from &quot;%1&quot;:</source>
        <translation>Nombre de couleurs à tirer de «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TextCommands</name>
    <message>
        <source>&apos;%1&apos; is not a color</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une couleur</translation>
    </message>
    <message>
        <source>Try &apos;tintora --help&apos; for more.</source>
        <translation>Voir «&#xa0;tintora --help&#xa0;» pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>Tintora::Accessibility</name>
    <message>
        <source>The manual; Tab moves between its links, Esc closes it</source>
        <translation>Le manuel&#xa0;; Tab passe d’un lien à l’autre, Échap le ferme</translation>
    </message>
    <message>
        <source>Judges both sample texts against the background by the contrast rules of WCAG 2.2 and, as advice, by APCA</source>
        <translation>Juge les deux textes exemples sur l’arrière-plan selon les règles de contraste des WCAG 2.2 et, à titre indicatif, selon l’APCA</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur d’arrière-plan</translation>
    </message>
    <message>
        <source>The background color; selected when it is the active sample</source>
        <translation>La couleur d’arrière-plan&#xa0;; sélectionnée quand c’est l’exemple actif</translation>
    </message>
    <message>
        <source>What Fix background found</source>
        <translation>Ce que «&#xa0;Corriger l’arrière-plan&#xa0;» a trouvé</translation>
    </message>
    <message>
        <source>Pick background</source>
        <translation>Prélever l’arrière-plan</translation>
    </message>
    <message>
        <source>Pick the background color from anywhere on the screen</source>
        <translation>Prélever la couleur d’arrière-plan n’importe où à l’écran</translation>
    </message>
    <message>
        <source>Background lightness</source>
        <translation>Luminosité de l’arrière-plan</translation>
    </message>
    <message>
        <source>Contrast of the samples</source>
        <translation>Contraste des exemples</translation>
    </message>
    <message>
        <source>Text Sample %1</source>
        <translation>Texte exemple %1</translation>
    </message>
    <message>
        <source>%1 and its color; selected when it is the active sample</source>
        <translation>%1 et sa couleur&#xa0;; sélectionné quand c’est l’exemple actif</translation>
    </message>
    <message>
        <source>Pick %1</source>
        <translation>Prélever %1</translation>
    </message>
    <message>
        <source>Pick the color of %1 from anywhere on the screen</source>
        <translation>Prélever la couleur de %1 n’importe où à l’écran</translation>
    </message>
    <message>
        <source>%1 preview</source>
        <translation>Aperçu de %1</translation>
    </message>
    <message>
        <source>%1 written on the background</source>
        <translation>%1 écrit sur l’arrière-plan</translation>
    </message>
    <message>
        <source>%1 lightness</source>
        <translation>Luminosité de %1</translation>
    </message>
    <message>
        <source>Contrast ratio of %1 against the background</source>
        <translation>Rapport de contraste de %1 sur l’arrière-plan</translation>
    </message>
    <message>
        <source>%1, %2, at least %3:1</source>
        <translation>%1, %2, au moins %3:1</translation>
    </message>
    <message>
        <source>Fix text, %1, %2</source>
        <translation>Corriger le texte, %1, %2</translation>
    </message>
    <message>
        <source>Change %1 to the nearest color of its hue that passes %2</source>
        <translation>Remplacer %1 par la couleur la plus proche de sa teinte qui réussit %2</translation>
    </message>
    <message>
        <source>Fix background, %1</source>
        <translation>Corriger l’arrière-plan, %1</translation>
    </message>
    <message>
        <source>Change the background to the nearest color of its hue with which both samples pass %1</source>
        <translation>Remplacer l’arrière-plan par la couleur la plus proche de sa teinte avec laquelle les deux exemples réussissent %1</translation>
    </message>
    <message>
        <source>APCA lightness contrast of %1, advisory</source>
        <translation>Contraste de luminosité APCA de %1, à titre indicatif</translation>
    </message>
    <message>
        <source>What the APCA contrast of %1 is good for</source>
        <translation>Ce à quoi suffit le contraste APCA de %1</translation>
    </message>
    <message>
        <source>Least font size for %1 by APCA, at weights 400 and 700</source>
        <translation>Plus petite taille de police pour %1 selon l’APCA, en graisses 400 et 700</translation>
    </message>
    <message>
        <source>%1, APCA %2, at least Lc %3, advisory</source>
        <translation>%1, APCA %2, au moins Lc %3, à titre indicatif</translation>
    </message>
    <message>
        <source>What Fix text found for %1</source>
        <translation>Ce que «&#xa0;Corriger le texte&#xa0;» a trouvé pour %1</translation>
    </message>
    <message>
        <source>Contrast ratio of Text Sample 1 against Text Sample 2</source>
        <translation>Rapport de contraste du texte exemple 1 sur le texte exemple 2</translation>
    </message>
    <message>
        <source>Text against text, at least %1:1</source>
        <translation>Texte contre texte, au moins %1:1</translation>
    </message>
    <message>
        <source>Both samples on the background as seen with %1, simulated</source>
        <translation>Les deux exemples sur l’arrière-plan tels qu’on les voit avec %1, en simulation</translation>
    </message>
    <message>
        <source>Contrast ratios of Text Sample 1 and Text Sample 2 as seen with %1</source>
        <translation>Rapports de contraste du texte exemple 1 et du texte exemple 2 tels qu’on les voit avec %1</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Red component of the current color, 0 to 255</source>
        <translation>Composante rouge de la couleur actuelle, de 0 à 255</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Green component of the current color, 0 to 255</source>
        <translation>Composante verte de la couleur actuelle, de 0 à 255</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue component of the current color, 0 to 255</source>
        <translation>Composante bleue de la couleur actuelle, de 0 à 255</translation>
    </message>
    <message>
        <source>Hex value</source>
        <translation>Valeur hexadécimale</translation>
    </message>
    <message>
        <source>The current color as #RRGGBB; Copy to Clipboard copies it</source>
        <translation>La couleur actuelle en #RRGGBB&#xa0;; «&#xa0;Copier dans le presse-papiers&#xa0;» la copie</translation>
    </message>
    <message>
        <source>Sample area</source>
        <translation>Zone d’exemple</translation>
    </message>
    <message>
        <source>Custom color name</source>
        <translation>Nom de la couleur</translation>
    </message>
    <message>
        <source>Enter or select custom color by name here.</source>
        <translation>Saisissez ou choisissez ici une couleur personnalisée par son nom.</translation>
    </message>
    <message>
        <source>Color list</source>
        <translation>Liste des couleurs</translation>
    </message>
    <message>
        <source>The custom colors by name and hex value; Enter chooses the row</source>
        <translation>Les couleurs personnalisées par nom et valeur hexadécimale&#xa0;; Entrée choisit la ligne</translation>
    </message>
    <message>
        <source>The sample that the current color is applied to</source>
        <translation>L’exemple auquel la couleur actuelle s’applique</translation>
    </message>
    <message>
        <source>Delete the currently displayed name from the custom color list. From the keyboard: Edit, Delete From List</source>
        <translation>Retirer le nom affiché de la liste des couleurs personnalisées. Au clavier&#xa0;: Édition, Retirer de la liste</translation>
    </message>
    <message>
        <source>Show or hide the whole color list as a table. From the keyboard: Options, View Full List</source>
        <translation>Afficher ou masquer toute la liste des couleurs sous forme de tableau. Au clavier&#xa0;: Options, Afficher la liste entière</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Background color %1</source>
        <translation>Couleur d’arrière-plan %1</translation>
    </message>
    <message>
        <source>Text Sample 1 color %1</source>
        <translation>Couleur du texte exemple 1&#xa0;: %1</translation>
    </message>
    <message>
        <source>Text Sample 2 color %1</source>
        <translation>Couleur du texte exemple 2&#xa0;: %1</translation>
    </message>
    <message>
        <source>Finds a color of the list by its name or hex value; Esc closes it</source>
        <translation>Trouve une couleur de la liste par son nom ou sa valeur hexadécimale&#xa0;; Échap ferme la recherche</translation>
    </message>
    <message>
        <source>Find in list</source>
        <translation>Rechercher dans la liste</translation>
    </message>
    <message>
        <source>Part of a name, or a hex value such as #87CEEB or #87C; Enter finds the next match</source>
        <translation>Une partie d’un nom, ou une valeur hexadécimale comme #87CEEB ou #87C&#xa0;; Entrée trouve la correspondance suivante</translation>
    </message>
    <message>
        <source>Show the next entry that matches</source>
        <translation>Afficher l’entrée suivante qui correspond</translation>
    </message>
    <message>
        <source>Says when no entry matches</source>
        <translation>Signale qu’aucune entrée ne correspond</translation>
    </message>
    <message>
        <source>The program&apos;s name, release and maker; OK or Esc closes it</source>
        <translation>Le nom, la version et l’auteur du programme&#xa0;; OK ou Échap ferme la fenêtre</translation>
    </message>
    <message>
        <source>Tintora icon</source>
        <translation>Icône de Tintora</translation>
    </message>
    <message>
        <source>Pick From Screen</source>
        <translation>Prélever à l’écran</translation>
    </message>
    <message>
        <source>Arrow keys move the crosshair, with Shift by ten pixels; + and - zoom; Enter picks the color, Esc cancels</source>
        <translation>Les flèches déplacent le réticule, de dix pixels avec Maj&#xa0;; + et - zooment&#xa0;; Entrée prélève la couleur, Échap annule</translation>
    </message>
    <message>
        <source>Color %1. %2</source>
        <translation>Couleur %1. %2</translation>
    </message>
    <message>
        <source>body text</source>
        <translation>texte courant</translation>
    </message>
    <message>
        <source>content text</source>
        <translation>texte de contenu</translation>
    </message>
    <message>
        <source>large text</source>
        <translation>grand texte</translation>
    </message>
    <message>
        <source>Click or press Alt+A to show the maker&apos;s postal address</source>
        <translation>Cliquez ou appuyez sur Alt+A pour afficher l&apos;adresse postale de l&apos;auteur</translation>
    </message>
    <message>
        <source>The maker&apos;s postal address; click or press Alt+A to hide it</source>
        <translation>L’adresse postale de l’auteur&#xa0;; cliquez ou appuyez sur Alt+A pour la masquer</translation>
    </message>
</context>
<context>
    <name>Tintora::ColorAdjuster</name>
    <message>
        <source>Adjust Color</source>
        <translation>Ajuster la couleur</translation>
    </message>
    <message>
        <source>Changes the selected sample&apos;s color by hue, saturation, lightness and the other channels of five color models; Esc closes it</source>
        <translation>Change la couleur de l’échantillon choisi par la teinte, la saturation, la luminosité et les autres canaux de cinq modèles de couleur ; Échap la ferme</translation>
    </message>
    <message>
        <source>Color being adjusted</source>
        <translation>Couleur ajustée</translation>
    </message>
    <message>
        <source>Text Sample 2: %1  %2</source>
        <translation>Texte d’exemple 2 : %1  %2</translation>
    </message>
    <message>
        <source>gamut-mapped</source>
        <translation>ramenée dans la gamme</translation>
    </message>
    <message>
        <source>Color models</source>
        <translation>Modèles de couleur</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The groove shows the colors this channel gives with the others held</source>
        <translation>La glissière montre les couleurs que donne ce canal, les autres restant fixes</translation>
    </message>
    <message>
        <source>Drag, click or use the arrow keys; the groove shows the colors %1 gives with the other channels held</source>
        <translation>Faites glisser, cliquez ou utilisez les flèches ; la glissière montre les couleurs que donne %1, les autres canaux restant fixes</translation>
    </message>
    <message>
        <source>%1 %2 value</source>
        <translation>Valeur %1 %2</translation>
    </message>
    <message>
        <source>Hatched beneath a groove: outside sRGB. There the color shown and applied
is the nearest one inside, gamut-mapped as CSS Color 4 does.</source>
        <translation>Hachuré sous une glissière : hors de sRGB. La couleur montrée et appliquée y est
la plus proche dans sRGB, ramenée dans la gamme comme le fait CSS Color 4.</translation>
    </message>
    <message>
        <source>Gamut</source>
        <translation>Gamme</translation>
    </message>
    <message>
        <source>Variations (in OKLCH)</source>
        <translation>Variations (en OKLCH)</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>Ajouter à la liste</translation>
    </message>
    <message>
        <source>Add %1 to the list</source>
        <translation>Ajouter %1 à la liste</translation>
    </message>
    <message>
        <source>Add these colors to the color list</source>
        <translation>Ajouter ces couleurs à la liste de couleurs</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear the history</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>Forget the colors of the history</source>
        <translation>Oublier les couleurs de l’historique</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Text Sample 1</source>
        <translation>Texte d’exemple 1</translation>
    </message>
    <message>
        <source>Text Sample 2</source>
        <translation>Texte d’exemple 2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>This position is outside sRGB: the color is gamut-mapped.</source>
        <translation>Cette position est hors de sRGB : la couleur est ramenée dans la gamme.</translation>
    </message>
    <message>
        <source>History %1</source>
        <translation>Historique %1</translation>
    </message>
</context>
<context>
    <name>Tintora::ColorModel</name>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Whiteness</source>
        <translation>Blancheur</translation>
    </message>
    <message>
        <source>Blackness</source>
        <translation>Noirceur</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Chroma</translation>
    </message>
    <message>
        <source>a (green-red)</source>
        <translation>a (vert-rouge)</translation>
    </message>
    <message>
        <source>b (blue-yellow)</source>
        <translation>b (bleu-jaune)</translation>
    </message>
</context>
<context>
    <name>Tintora::ContrastChecker</name>
    <message>
        <source>  (selected)</source>
        <translation>  (sélectionné)</translation>
    </message>
    <message>
        <source>Text below large size</source>
        <translation>Texte sous la grande taille</translation>
    </message>
    <message>
        <source>Text of at least 18 pt, or 14 pt bold</source>
        <translation>Texte d&apos;au moins 18 pt, ou 14 pt en gras</translation>
    </message>
    <message>
        <source>Icons, borders and controls in this color</source>
        <translation>Icônes, bordures et contrôles dans cette couleur</translation>
    </message>
    <message>
        <source>Contrast Checker</source>
        <translation>Vérificateur de contraste</translation>
    </message>
    <message>
        <source>Background  %1%2</source>
        <translation>Arrière-plan  %1%2</translation>
    </message>
    <message>
        <source>The background&apos;s hue from dark to light; the bands mark where both samples pass AA (4.5:1) and AAA (7:1). Click or drag to choose.</source>
        <translation>La teinte de l&apos;arrière-plan, du sombre au clair&#xa0;; les bandes indiquent où les deux exemples réussissent AA (4,5:1) et AAA (7:1). Cliquez ou faites glisser pour choisir.</translation>
    </message>
    <message>
        <source>Text against text (a link among body text), %1:1</source>
        <translation>Texte contre texte (un lien dans le corps de texte), %1:1</translation>
    </message>
    <message>
        <source>Text Sample 1 against Text Sample 2: a link told apart from the text around it by color alone needs 3:1</source>
        <translation>Texte exemple 1 contre texte exemple 2&#xa0;: un lien distingué du texte qui l&apos;entoure par la seule couleur demande 3:1</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Large text: at least 18 pt, or 14 pt bold</source>
        <translation>Grand texte&#xa0;: au moins 18 pt, ou 14 pt en gras</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <translation>Copier le rapport</translation>
    </message>
    <message>
        <source>Copy everything the checker shows to the clipboard as plain text</source>
        <translation>Copier tout ce qu&apos;affiche le vérificateur dans le presse-papiers, en texte brut</translation>
    </message>
    <message>
        <source>As seen with a color vision deficiency (simulated):</source>
        <translation>Vu avec un trouble de la vision des couleurs (simulé)&#xa0;:</translation>
    </message>
    <message>
        <source>Contrast ratio</source>
        <translation>Rapport de contraste</translation>
    </message>
    <message>
        <source>APCA, advisory</source>
        <translation>APCA, à titre indicatif</translation>
    </message>
    <message>
        <source>A draft method, not part of WCAG 2: advice beside the verdicts</source>
        <translation>Une méthode à l&apos;état de projet, hors WCAG 2&#xa0;: un conseil à côté des verdicts</translation>
    </message>
    <message>
        <source>Least size, weight 400, 700</source>
        <translation>Taille minimale, graisse 400, 700</translation>
    </message>
    <message>
        <source>From APCA&apos;s font lookup table, in CSS pixels</source>
        <translation>D&apos;après la table des polices de l&apos;APCA, en pixels CSS</translation>
    </message>
    <message>
        <source>Body Lc %1, content %2, large %3</source>
        <translation>Corps Lc %1, contenu %2, grand %3</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Prélever</translation>
    </message>
    <message>
        <source>Pick this color from anywhere on the screen</source>
        <translation>Prélever cette couleur n&apos;importe où à l&apos;écran</translation>
    </message>
    <message>
        <source>Text Sample %1%2</source>
        <translation>Texte exemple %1%2</translation>
    </message>
    <message>
        <source>Sample %1</source>
        <translation>Exemple %1</translation>
    </message>
    <message>
        <source>Text Sample %1&apos;s hue from dark to light; the bands mark where it passes AA (4.5:1) and AAA (7:1). Click or drag to choose.</source>
        <translation>La teinte du texte exemple %1, du sombre au clair&#xa0;; les bandes indiquent où il réussit AA (4,5:1) et AAA (7:1). Cliquez ou faites glisser pour choisir.</translation>
    </message>
    <message>
        <source>Fix text</source>
        <translation>Corriger le texte</translation>
    </message>
    <message>
        <source>Fix background</source>
        <translation>Corriger l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Sample %1  %2</source>
        <translation>Exemple %1  %2</translation>
    </message>
    <message>
        <source>Passes already</source>
        <translation>Réussit déjà</translation>
    </message>
    <message>
        <source>Change Text Sample %1 to the nearest color of its hue that passes %2</source>
        <translation>Remplacer le texte exemple %1 par la couleur la plus proche de sa teinte qui réussit %2</translation>
    </message>
    <message>
        <source>Both samples pass already</source>
        <translation>Les deux exemples réussissent déjà</translation>
    </message>
    <message>
        <source>Change the background to the nearest color of its hue with which both samples pass %1</source>
        <translation>Remplacer l&apos;arrière-plan par la couleur la plus proche de sa teinte avec laquelle les deux exemples réussissent %1</translation>
    </message>
</context>
<context>
    <name>Tintora::FindBar</name>
    <message>
        <source>Find in List</source>
        <translation>Rechercher dans la liste</translation>
    </message>
    <message>
        <source>Part of a name, or a hex value such as #87CEEB or #87C.</source>
        <translation>Une partie d&apos;un nom, ou une valeur hexadécimale comme #87CEEB ou #87C.</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>Tintora::PickCommand</name>
    <message>
        <source>The color could not be put on the clipboard.</source>
        <translation>La couleur n’a pas pu être mise dans le presse-papiers.</translation>
    </message>
</context>
<context>
    <name>Tintora::PickerOverlay</name>
    <message>
        <source>Pick From Screen</source>
        <translation>Prélever à l&apos;écran</translation>
    </message>
</context>
<context>
    <name>Tintora::PortalColorPicker</name>
    <message>
        <source>there is no D-Bus session bus (%1)</source>
        <translation>il n&apos;y a pas de bus de session D-Bus (%1)</translation>
    </message>
    <message>
        <source>the desktop portal did not start</source>
        <translation>le portail du bureau n&apos;a pas démarré</translation>
    </message>
    <message>
        <source>no desktop portal is running (%1)</source>
        <translation>aucun portail du bureau ne fonctionne (%1)</translation>
    </message>
    <message>
        <source>the desktop portal has no color picker (%1)</source>
        <translation>le portail du bureau n&apos;a pas de sélecteur de couleur (%1)</translation>
    </message>
    <message>
        <source>the desktop portal refused the pick (%1)</source>
        <translation>le portail du bureau a refusé le prélèvement (%1)</translation>
    </message>
</context>
<context>
    <name>Tintora::RecoveryKeeper</name>
    <message>
        <source>%1.
Unsaved changes to the list cannot be recovered if Tintora ends unexpectedly.</source>
        <translation>%1.
Les modifications non enregistrées de la liste ne pourront pas être récupérées si Tintora se termine de façon inattendue.</translation>
    </message>
    <message>
        <source>%1.
It was kept aside as &quot;%2&quot;.</source>
        <translation>%1.
Elle a été mise de côté sous le nom «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sans titre</translation>
    </message>
    <message numerus="yes">
        <source>A list with %Ln unsaved colors was not saved when Tintora last ended (list %1, %2). Restore it?</source>
        <translation>
            <numerusform>Une liste de %Ln couleur non enregistrée n&apos;a pas été enregistrée à la dernière fermeture de Tintora (liste %1, %2). La restaurer&#xa0;?</numerusform>
            <numerusform>Une liste de %Ln couleurs non enregistrées n&apos;a pas été enregistrée à la dernière fermeture de Tintora (liste %1, %2). La restaurer&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tintora::ScreenPicker</name>
    <message>
        <source>the screen %1 could not be captured</source>
        <translation>l&apos;écran %1 n&apos;a pas pu être capturé</translation>
    </message>
    <message>
        <source>there is no screen</source>
        <translation>il n&apos;y a aucun écran</translation>
    </message>
</context>
<context>
    <name>Tintora::Variations</name>
    <message>
        <source>Tints</source>
        <translation>Teintes claires</translation>
    </message>
    <message>
        <source>tint</source>
        <translation>teinte claire</translation>
    </message>
    <message>
        <source>Shades</source>
        <translation>Ombres</translation>
    </message>
    <message>
        <source>shade</source>
        <translation>ombre</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Tons rompus</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>ton rompu</translation>
    </message>
    <message>
        <source>Complementary</source>
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>complementary</source>
        <translation>complémentaire</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analogues</translation>
    </message>
    <message>
        <source>analogous</source>
        <translation>analogue</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triade</translation>
    </message>
    <message>
        <source>triadic</source>
        <translation>triade</translation>
    </message>
    <message>
        <source>Split-complementary</source>
        <translation>Complémentaires adjacentes</translation>
    </message>
    <message>
        <source>split-complementary</source>
        <translation>complémentaire adjacente</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tétrade</translation>
    </message>
    <message>
        <source>tetradic</source>
        <translation>tétrade</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tintora - version 1.0</source>
        <translation>Tintora - version 1.0</translation>
    </message>
</context>
</TS>
