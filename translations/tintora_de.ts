<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Application</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>the file declares a document type, which a color table has not</source>
        <translation>die Datei deklariert einen Dokumenttyp, den eine Farbtabelle nicht hat</translation>
    </message>
    <message>
        <source>a LibreOffice color table has a color-table root element, and this file has &quot;%1&quot;</source>
        <translation>eine LibreOffice-Farbtabelle hat das Wurzelelement color-table, diese Datei aber „%1“</translation>
    </message>
    <message>
        <source>color %1 has no draw:color value</source>
        <translation>Farbe %1 hat keinen draw:color-Wert</translation>
    </message>
    <message>
        <source>the draw:color of color %1 is &quot;%2&quot;, not #rrggbb</source>
        <translation>der draw:color-Wert der Farbe %1 ist „%2“, nicht #rrggbb</translation>
    </message>
    <message>
        <source>the XML is broken: %1</source>
        <translation>das XML ist fehlerhaft: %1</translation>
    </message>
    <message>
        <source>the file holds no XML element</source>
        <translation>die Datei enthält kein XML-Element</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Picks one color from the screen, without the main window, and prints it. Exits with 1 when the pick is cancelled.</source>
        <translation>Nimmt eine Farbe vom Bildschirm auf, ohne das Hauptfenster, und gibt sie aus. Endet mit 1, wenn die Aufnahme abgebrochen wird.</translation>
    </message>
    <message>
        <source>With --pick: puts the color on the clipboard too, and keeps it there in the background until another program takes the clipboard.</source>
        <translation>Mit --pick: legt die Farbe auch in die Zwischenablage und hält sie dort im Hintergrund, bis ein anderes Programm die Zwischenablage übernimmt.</translation>
    </message>
    <message>
        <source>Prints the color given as the arguments (any color Paste Color reads) in the notation of --format.</source>
        <translation>Gibt die als Argumente angegebene Farbe (jede Farbe, die „Farbe einfügen“ liest) in der Schreibweise von --format aus.</translation>
    </message>
    <message>
        <source>Prints the contrast of one or two text colors on a background, given as the arguments BACKGROUND TEXT [TEXT]: the ratio, every WCAG 2.2 verdict, text against text, and APCA as advice.</source>
        <translation>Gibt den Kontrast von einer oder zwei Textfarben auf einem Hintergrund aus, angegeben als die Argumente HINTERGRUND TEXT [TEXT]: das Verhältnis, jedes Urteil nach WCAG 2.2, Text gegen Text und APCA als Empfehlung.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>The notation --pick and --convert print: hex (the default) or one of the others listed below.</source>
        <translation>Die Schreibweise, in der --pick und --convert ausgeben: hex (die Vorgabe) oder eine der anderen unten.</translation>
    </message>
    <message>
        <source>With --contrast: prints JSON, for programs.</source>
        <translation>Mit --contrast: gibt JSON aus, für Programme.</translation>
    </message>
    <message>
        <source>%1 goes only with %2</source>
        <translation>%1 geht nur mit %2</translation>
    </message>
    <message>
        <source>Choose one of %1, %2 and %3</source>
        <translation>Nur eines von %1, %2 und %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a notation; use one of %2</source>
        <translation>„%1“ ist keine Schreibweise; möglich sind %2</translation>
    </message>
    <message>
        <source>%1 takes no arguments: &apos;%2&apos;</source>
        <translation>%1 nimmt keine Argumente: „%2“</translation>
    </message>
    <message>
        <source>%1 needs a color</source>
        <translation>%1 braucht eine Farbe</translation>
    </message>
    <message>
        <source>%1 needs a background and one or two text colors, and %2 were given; quote a color that has spaces</source>
        <translation>%1 braucht einen Hintergrund und eine oder zwei Textfarben, angegeben wurden %2; setzen Sie eine Farbe mit Leerzeichen in Anführungszeichen</translation>
    </message>
    <message>
        <source>Tintora picks #RRGGBB colors and tries text colors on a background.
Without options it opens its window and loads the files named: color lists
(.clr with its .hex) as Load List does, palettes (.gpl, .soc, .ase, .css,
.json and Paint.NET .txt) as Import Palette does.</source>
        <translation>Tintora wählt #RRGGBB-Farben und probiert Textfarben auf einem Hintergrund aus.
Ohne Optionen öffnet es sein Fenster und lädt die genannten Dateien: Farblisten
(.clr mit ihrer .hex) wie „Liste laden“, Paletten (.gpl, .soc, .ase, .css,
.json und Paint.NET-.txt) wie „Palette importieren“.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>dateien</translation>
    </message>
    <message>
        <source>Color lists and palettes to open.</source>
        <translation>Zu öffnende Farblisten und Paletten.</translation>
    </message>
    <message>
        <source>[files...]</source>
        <translation>[dateien...]</translation>
    </message>
    <message>
        <source>Notations:</source>
        <translation>Schreibweisen:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 pick cancelled, 2 text that is not a color, a usage error or a failure.</source>
        <translation>Rückgabewert: 0 erledigt, 1 Aufnahme abgebrochen, 2 Text, der keine Farbe ist, falscher Aufruf oder ein Fehler.</translation>
    </message>
    <message>
        <source>%1 needs a display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>%1 braucht eine Anzeige: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
</context>
<context>
    <name>Contrast</name>
    <message>
        <source>%1, just below %2:1</source>
        <translation>%1, knapp unter %2:1</translation>
    </message>
    <message>
        <source>Not readable</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>Non-text only</source>
        <translation>Nur Nicht-Text</translation>
    </message>
    <message>
        <source>Protanopia</source>
        <translation>Protanopie</translation>
    </message>
    <message>
        <source>Deuteranopia</source>
        <translation>Deuteranopie</translation>
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
        <translation>normaler Text</translation>
    </message>
    <message>
        <source>large text</source>
        <translation>großer Text</translation>
    </message>
    <message>
        <source>non-text</source>
        <translation>Nicht-Text</translation>
    </message>
    <message>
        <source>Non-text elements only</source>
        <translation>Nur Nicht-Text-Elemente</translation>
    </message>
    <message>
        <source>Spot text and non-text only</source>
        <translation>Nur kurze Texte und Nicht-Text</translation>
    </message>
    <message>
        <source>Large text and headlines</source>
        <translation>Großer Text und Überschriften</translation>
    </message>
    <message>
        <source>Content text; least for body text</source>
        <translation>Inhaltstext; Minimum für Fließtext</translation>
    </message>
    <message>
        <source>Body text</source>
        <translation>Fließtext</translation>
    </message>
</context>
<context>
    <name>ContrastReport</name>
    <message>
        <source>No color of this hue passes</source>
        <translation>Keine Farbe dieses Farbtons besteht</translation>
    </message>
    <message>
        <source>No background of this hue gives both samples %1:1</source>
        <translation>Kein Hintergrund dieses Farbtons gibt beiden Proben %1:1</translation>
    </message>
    <message>
        <source>Contrast Checker</source>
        <translation>Kontrastprüfung</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Large text: at least 18 pt, or 14 pt bold</source>
        <translation>Großer Text: ab 18 pt oder ab 14 pt fett</translation>
    </message>
    <message>
        <source>As seen with a color vision deficiency (simulated):</source>
        <translation>So gesehen mit einer Farbsehschwäche (simuliert):</translation>
    </message>
    <message>
        <source>APCA, advisory</source>
        <translation>APCA, als Empfehlung</translation>
    </message>
    <message>
        <source>Least size, weight 400, 700</source>
        <translation>Mindestgröße, Stärke 400, 700</translation>
    </message>
    <message>
        <source>Body Lc %1, content %2, large %3</source>
        <translation>Fließtext Lc %1, Inhalt %2, groß %3</translation>
    </message>
    <message>
        <source>Background: %1</source>
        <translation>Hintergrund: %1</translation>
    </message>
    <message>
        <source>Text Sample %1: %2</source>
        <translation>Textprobe %1: %2</translation>
    </message>
    <message>
        <source>Text Sample %1 on the background</source>
        <translation>Textprobe %1 auf dem Hintergrund</translation>
    </message>
    <message>
        <source>Contrast ratio: %1</source>
        <translation>Kontrastverhältnis: %1</translation>
    </message>
    <message>
        <source>Text against text (a link among body text), %1:1</source>
        <translation>Text gegen Text (ein Link im Fließtext), %1:1</translation>
    </message>
    <message>
        <source>Text %1: %2</source>
        <translation>Text %1: %2</translation>
    </message>
    <message>
        <source>Text %1 on the background</source>
        <translation>Text %1 auf dem Hintergrund</translation>
    </message>
    <message>
        <source>APCA, advisory: %1, %2</source>
        <translation>APCA, als Empfehlung: %1, %2</translation>
    </message>
    <message>
        <source>Least size, weight 400, 700: %1</source>
        <translation>Mindestgröße, Stärke 400, 700: %1</translation>
    </message>
    <message>
        <source>Body Lc %1, content %2, large %3: %4</source>
        <translation>Fließtext Lc %1, Inhalt %2, groß %3: %4</translation>
    </message>
    <message>
        <source>Text against text (a link among body text), %1: %2, %3</source>
        <translation>Text gegen Text (ein Link im Fließtext), %1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>CssProperties</name>
    <message>
        <source>the value of --%1 starts like a color but is not one: &quot;%2&quot;</source>
        <translation>der Wert von --%1 beginnt wie eine Farbe, ist aber keine: „%2“</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Not available on Wayland: there the desktop alone decides which window stays above the others.</source>
        <translation>Unter Wayland nicht verfügbar: Dort entscheidet allein der Desktop, welches Fenster über den anderen bleibt.</translation>
    </message>
</context>
<context>
    <name>GimpPalette</name>
    <message>
        <source>a color line needs red, green and blue values, and the %1 value is missing</source>
        <translation>eine Farbzeile braucht Werte für Rot, Grün und Blau, und der Wert für %1 fehlt</translation>
    </message>
    <message>
        <source>a color line begins with red, green and blue from 0 to 255, but the %1 value is &quot;%2&quot;</source>
        <translation>eine Farbzeile beginnt mit Rot, Grün und Blau von 0 bis 255, aber der Wert für %1 ist „%2“</translation>
    </message>
    <message>
        <source>the %1 value %2 is outside 0 to 255</source>
        <translation>der Wert %2 für %1 liegt außerhalb von 0 bis 255</translation>
    </message>
    <message>
        <source>a GIMP palette begins with the line &quot;GIMP Palette&quot;</source>
        <translation>eine GIMP-Palette beginnt mit der Zeile „GIMP Palette“</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
</context>
<context>
    <name>HelpService</name>
    <message>
        <source>Tintora Help</source>
        <translation>Tintora-Hilfe</translation>
    </message>
    <message>
        <source>Cannot show help: the help file &apos;%1&apos; was not found</source>
        <translation>Hilfe kann nicht angezeigt werden: Die Hilfedatei „%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot show help: there is no topic %1 in the help file &apos;%2&apos;</source>
        <translation>Hilfe kann nicht angezeigt werden: Die Hilfedatei „%2“ enthält kein Thema %1</translation>
    </message>
</context>
<context>
    <name>ImagePalette</name>
    <message>
        <source>The image&apos;s data is damaged or cut short</source>
        <translation>Die Bilddaten sind beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>It is not a PNG, JPEG, BMP or GIF image</source>
        <translation>Es ist kein PNG-, JPEG-, BMP- oder GIF-Bild</translation>
    </message>
    <message>
        <source>The image has %1 x %2 pixels, more than the %3 million that colors are taken from</source>
        <translation>Das Bild hat %1 x %2 Pixel, mehr als die %3 Millionen, aus denen Farben entnommen werden</translation>
    </message>
    <message>
        <source>Every pixel of the image is transparent or nearly so: it has no colors to take</source>
        <translation>Jedes Pixel des Bildes ist ganz oder fast durchsichtig: Es gibt keine Farben zu entnehmen</translation>
    </message>
    <message>
        <source>%1 %2%</source>
        <extracomment>A color taken from an image: the image&apos;s file name and the color&apos;s share, &quot;31&quot;</extracomment>
        <translation>%1 %2 %</translation>
    </message>
</context>
<context>
    <name>JsonPalette</name>
    <message>
        <source>a JSON palette is an array of colors, [ {&quot;name&quot;: ..., &quot;hex&quot;: &quot;#RRGGBB&quot;}, ... ]</source>
        <translation>eine JSON-Palette ist ein Array von Farben, [ {&quot;name&quot;: ..., &quot;hex&quot;: &quot;#RRGGBB&quot;}, ... ]</translation>
    </message>
    <message>
        <source>there is more after the end of the array</source>
        <translation>nach dem Ende des Arrays folgt noch mehr</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>%1 erwartet</translation>
    </message>
    <message>
        <source>color %1 is not an object {&quot;name&quot;: ..., &quot;hex&quot;: ...}</source>
        <translation>Farbe %1 ist kein Objekt {&quot;name&quot;: ..., &quot;hex&quot;: ...}</translation>
    </message>
    <message>
        <source>&quot;:&quot; after a member name</source>
        <translation>„:“ nach einem Membernamen</translation>
    </message>
    <message>
        <source>the &quot;name&quot; of color %1 is not text</source>
        <translation>der Wert „name“ der Farbe %1 ist kein Text</translation>
    </message>
    <message>
        <source>the &quot;hex&quot; of color %1 is not text</source>
        <translation>der Wert „hex“ der Farbe %1 ist kein Text</translation>
    </message>
    <message>
        <source>color %1 has no &quot;hex&quot;</source>
        <translation>Farbe %1 hat keinen Wert „hex“</translation>
    </message>
    <message>
        <source>the &quot;hex&quot; of color %1 is &quot;%2&quot;, not #RRGGBB</source>
        <translation>der Wert „hex“ der Farbe %1 ist „%2“, nicht #RRGGBB</translation>
    </message>
    <message>
        <source>a text in quotes is not closed</source>
        <translation>ein Text in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>a text in quotes holds an unknown escape</source>
        <translation>ein Text in Anführungszeichen enthält eine unbekannte Escape-Sequenz</translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>Wert erwartet</translation>
    </message>
    <message>
        <source>a number has no digits in its exponent</source>
        <translation>eine Zahl hat keine Ziffern im Exponenten</translation>
    </message>
    <message>
        <source>the file holds more than %1 values, more than a palette has</source>
        <translation>die Datei enthält mehr als %1 Werte, mehr als eine Palette hat</translation>
    </message>
    <message>
        <source>values are nested more than %1 deep</source>
        <translation>Werte sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>expected &quot;,&quot; or &quot;%1&quot;</source>
        <translation>„,“ oder „%1“ erwartet</translation>
    </message>
    <message>
        <source>a JSON file is UTF-8 text, and this is not</source>
        <translation>eine JSON-Datei ist UTF-8-Text, diese nicht</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Line %1 contains a line break, which a list file cannot hold</source>
        <translation>Zeile %1 enthält einen Zeilenumbruch, den eine Listendatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>Line %1 contains a NUL character, which a list file cannot hold</source>
        <translation>Zeile %1 enthält ein NUL-Zeichen, das eine Listendatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>Line %1 contains half of a character (a lone surrogate), which a list file cannot hold</source>
        <translation>Zeile %1 enthält ein halbes Zeichen (ein einzelnes Surrogat), das eine Listendatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>The old file cannot be kept aside</source>
        <translation>Die alte Datei kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The file is too large for a color list</source>
        <translation>Die Datei ist zu groß für eine Farbliste</translation>
    </message>
    <message>
        <source>It is not a text file</source>
        <translation>Es ist keine Textdatei</translation>
    </message>
    <message>
        <source>The file has more lines than a color list can hold (%1)</source>
        <translation>Die Datei hat mehr Zeilen, als eine Farbliste aufnehmen kann (%1)</translation>
    </message>
    <message>
        <source>Line %1 is %2 characters long; a line of a color list can have at most %3</source>
        <translation>Zeile %1 ist %2 Zeichen lang; eine Zeile einer Farbliste darf höchstens %3 haben</translation>
    </message>
</context>
<context>
    <name>ListRules</name>
    <message>
        <source>Save changes to current file?</source>
        <translation>Änderungen in der aktuellen Datei speichern?</translation>
    </message>
    <message>
        <source>Save current color list to new file?</source>
        <translation>Aktuelle Farbliste in einer neuen Datei speichern?</translation>
    </message>
    <message>
        <source>Save current color list to file?</source>
        <translation>Aktuelle Farbliste in einer Datei speichern?</translation>
    </message>
</context>
<context>
    <name>PaintNetPalette</name>
    <message>
        <source>a color is written as eight hex digits AARRGGBB, not &quot;%1&quot;</source>
        <translation>eine Farbe wird als acht Hexziffern AARRGGBB geschrieben, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>the file holds more than %1 colors, more than a list can take</source>
        <translation>die Datei enthält mehr als %1 Farben, mehr als eine Liste aufnehmen kann</translation>
    </message>
    <message>
        <source>the file has more than %1 lines, more than a palette has</source>
        <translation>die Datei hat mehr als %1 Zeilen, mehr als eine Palette hat</translation>
    </message>
</context>
<context>
    <name>PaletteFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>All palettes (%1)</source>
        <translation>Alle Paletten (%1)</translation>
    </message>
    <message>
        <source>GIMP palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>LibreOffice color table (*.soc)</source>
        <translation>LibreOffice-Farbtabelle (*.soc)</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>CSS custom properties (*.css)</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften (*.css)</translation>
    </message>
    <message>
        <source>JSON palette (*.json)</source>
        <translation>JSON-Palette (*.json)</translation>
    </message>
    <message>
        <source>Paint.NET palette (*.txt)</source>
        <translation>Paint.NET-Palette (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a palette</source>
        <translation>Die Datei ist größer als %1 MB und damit zu groß für eine Palette</translation>
    </message>
    <message>
        <source>Its name and its contents show no palette format known here</source>
        <translation>Weder Name noch Inhalt weisen auf ein hier bekanntes Palettenformat hin</translation>
    </message>
    <message>
        <source>Color %1 (&quot;%2&quot;) has the value &quot;%3&quot;, which is not a #RRGGBB color</source>
        <translation>Farbe %1 („%2“) hat den Wert „%3“, der keine #RRGGBB-Farbe ist</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecoveryCopy</name>
    <message>
        <source>Cannot write the recovery copy &quot;%1&quot;: %2</source>
        <translation>Die Wiederherstellungskopie &quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the recovery copy &quot;%1&quot;: %2</source>
        <translation>Die Wiederherstellungskopie &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>It is not whole (cut short or overwritten)</source>
        <translation>Sie ist nicht vollständig (abgeschnitten oder überschrieben)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>&quot;%1&quot; ist kein Ordner</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot remove the recovery copy &quot;%1&quot;: %2</source>
        <translation>Die Wiederherstellungskopie &quot;%1&quot; kann nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Cannot move the damaged recovery copy &quot;%1&quot; aside: %2</source>
        <translation>Die beschädigte Wiederherstellungskopie &quot;%1&quot; kann nicht beiseitegelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>ScreenPick</name>
    <message>
        <source>Picking a color from the screen is not available on this desktop: %1</source>
        <translation>Das Aufnehmen einer Farbe vom Bildschirm ist auf diesem Desktop nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>the desktop ended the pick without a color (response 2)</source>
        <translation>der Desktop hat die Aufnahme ohne Farbe beendet (Antwort 2)</translation>
    </message>
    <message>
        <source>the desktop answered the pick with the unknown response %1</source>
        <translation>der Desktop hat die Aufnahme mit der unbekannten Antwort %1 beantwortet</translation>
    </message>
    <message>
        <source>the desktop&apos;s answer held no color</source>
        <translation>die Antwort des Desktops enthielt keine Farbe</translation>
    </message>
    <message>
        <source>the desktop answered a color outside the range 0 to 1 (%1, %2, %3)</source>
        <translation>der Desktop hat eine Farbe außerhalb des Bereichs 0 bis 1 geliefert (%1, %2, %3)</translation>
    </message>
</context>
<context>
    <name>SwatchExchange</name>
    <message>
        <source>an Adobe Swatch Exchange file begins with &quot;ASEF&quot;</source>
        <translation>eine Adobe-Swatch-Exchange-Datei beginnt mit „ASEF“</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>die Datei endet innerhalb ihres Kopfes</translation>
    </message>
    <message>
        <source>the file is of version %1.%2, and only version 1 is known</source>
        <translation>die Datei hat die Version %1.%2, bekannt ist nur Version 1</translation>
    </message>
    <message>
        <source>the header announces %1 blocks, more than the %2 bytes after it can hold</source>
        <translation>der Kopf kündigt %1 Blöcke an, mehr als die %2 Bytes danach fassen können</translation>
    </message>
    <message>
        <source>the file ends before block %1 of the %2 it announces</source>
        <translation>die Datei endet vor Block %1 der %2 angekündigten</translation>
    </message>
    <message>
        <source>block %1 claims %2 bytes, but only %3 follow</source>
        <translation>Block %1 beansprucht %2 Bytes, es folgen aber nur %3</translation>
    </message>
    <message>
        <source>%1 bytes follow the last of the %2 blocks the header announces</source>
        <translation>nach dem letzten der %2 im Kopf angekündigten Blöcke folgen noch %1 Bytes</translation>
    </message>
    <message>
        <source>block %1 ends before the color it holds does</source>
        <translation>Block %1 endet vor der Farbe, die er enthält</translation>
    </message>
    <message>
        <source>the name in block %1 claims %2 characters, more than the block holds</source>
        <translation>der Name in Block %1 beansprucht %2 Zeichen, mehr als der Block enthält</translation>
    </message>
    <message>
        <source>a component of block %1 is not a number</source>
        <translation>eine Komponente von Block %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>a component of block %1 is %2, outside %3 to %4</source>
        <translation>eine Komponente von Block %1 ist %2, außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>block %1 has the color model &quot;%2&quot;; RGB, Gray, CMYK and LAB are known</source>
        <translation>Block %1 hat das Farbmodell „%2“; bekannt sind RGB, Gray, CMYK und LAB</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
        <translation>Fragen und Ideen gern an tintora@brindle.example</translation>
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
        <translation>Farbe an&amp;passen</translation>
    </message>
    <message>
        <source>Tintora - Release 1.0</source>
        <translation>Tintora - Version 1.0</translation>
    </message>
    <message>
        <source>Set the Color of:</source>
        <translation>Farbe setzen für:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>Hex Value:</source>
        <translation>Hexwert:</translation>
    </message>
    <message>
        <source>Sample 1: Our ingnorance of  history...</source>
        <translation>Probe 1: Unkenntnis der Geschichte...</translation>
    </message>
    <message>
        <source>Sample 2: ...makes us vilify our own age.    -Marlowen</source>
        <translation>Probe 2: ...lässt uns unsere Zeit schelten.    -Marlowen</translation>
    </message>
    <message>
        <source>Custom Color Name:</source>
        <translation>Name der eigenen Farbe:</translation>
    </message>
    <message>
        <source>Enter or select custom color by name here.</source>
        <translation>Hier eine eigene Farbe per Namen eingeben oder auswählen.</translation>
    </message>
    <message>
        <source>Set The Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Click her to use the color dialog to set sample color.</source>
        <translation>Hier klicken, um die Farbe der Probe im Farbdialog zu wählen.</translation>
    </message>
    <message>
        <source>Add To List</source>
        <translation>In Liste eintragen</translation>
    </message>
    <message>
        <source>Add the color displayed in the sample to custom color list.</source>
        <translation>Die angezeigte Farbe der Probe in die eigene Farbliste aufnehmen.</translation>
    </message>
    <message>
        <source>Delete From List</source>
        <translation>Aus Liste löschen</translation>
    </message>
    <message>
        <source>Delete the currently displayed name from the custom color list.</source>
        <translation>Den angezeigten Namen aus der eigenen Farbliste löschen.</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Text Sample 1</source>
        <translation>Textprobe 1</translation>
    </message>
    <message>
        <source>Text Sample 2</source>
        <translation>Textprobe 2</translation>
    </message>
    <message>
        <source>This is the string that gets copied to the clipboard.when you click Edit/Copy to Clipboard</source>
        <translation>Dieser Text wird mit Bearbeiten/In die Zwischenablage kopieren in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load List</source>
        <translation>Liste &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Import Palette...</source>
        <translation>Palette &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Palette...</source>
        <translation>Palette &amp;exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>Pick From &amp;Screen</source>
        <translation>Vom &amp;Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Find in List</source>
        <translation>In Liste &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Delete From List</source>
        <translation>Aus Liste &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Contrast &amp;Checker</source>
        <translation>&amp;Kontrastprüfung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>TRA Color lists (*.clr)</source>
        <translation>TRA-Farblisten (*.clr)</translation>
    </message>
    <message>
        <source>TRA Color Lists (*.clr)</source>
        <translation>TRA-Farblisten (*.clr)</translation>
    </message>
    <message>
        <source>Enable &amp;Lists</source>
        <translation>&amp;Listen einschalten</translation>
    </message>
    <message>
        <source>Disable &amp;Lists</source>
        <translation>&amp;Listen ausschalten</translation>
    </message>
    <message>
        <source>View Full List</source>
        <translation>Liste ausklappen</translation>
    </message>
    <message>
        <source>Close Full List</source>
        <translation>Liste einklappen</translation>
    </message>
    <message>
        <source>View &amp;Full List</source>
        <translation>Liste &amp;ausklappen</translation>
    </message>
    <message>
        <source>Close &amp;Full List</source>
        <translation>Liste &amp;einklappen</translation>
    </message>
    <message>
        <source>&amp;Roll Up</source>
        <translation>Auf&amp;rollen</translation>
    </message>
    <message>
        <source>&amp;Roll Down</source>
        <translation>Ab&amp;rollen</translation>
    </message>
    <message>
        <source>Disable &amp;Hints</source>
        <translation>&amp;Hinweise ausschalten</translation>
    </message>
    <message>
        <source>Enable Hints</source>
        <translation>Hinweise einschalten</translation>
    </message>
    <message>
        <source>TRA v 1.0</source>
        <translation>TRA v 1.0</translation>
    </message>
    <message>
        <source>TRA v 1.0  Current File: %1</source>
        <translation>TRA v 1.0  Aktuelle Datei: %1</translation>
    </message>
    <message>
        <source>Please enter a custom name before adding this color to the list.</source>
        <translation>Bitte geben Sie einen eigenen Namen ein, bevor Sie diese Farbe in die Liste aufnehmen.</translation>
    </message>
    <message>
        <source>There is no currently displayed custom color to delete from the list.</source>
        <translation>Es wird keine eigene Farbe angezeigt, die aus der Liste gelöscht werden könnte.</translation>
    </message>
    <message>
        <source>Copy &amp;As</source>
        <translation>Kopieren &amp;als</translation>
    </message>
    <message>
        <source>&amp;Paste Color</source>
        <translation>Farbe &amp;einfügen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a color</source>
        <translation>„%1“ ist keine Farbe</translation>
    </message>
    <message>
        <source>There is no color on the clipboard to paste</source>
        <translation>In der Zwischenablage ist keine Farbe zum Einfügen</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Palette importieren</translation>
    </message>
    <message>
        <source>Export Palette</source>
        <translation>Palette exportieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>„%1“ ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Hex</source>
        <translation>&amp;Hex</translation>
    </message>
    <message>
        <source>Hex, &amp;lowercase</source>
        <translation>Hex, &amp;Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Hex, &amp;no #</source>
        <translation>Hex, oh&amp;ne #</translation>
    </message>
    <message>
        <source>&amp;RGB</source>
        <translation>&amp;RGB</translation>
    </message>
    <message>
        <source>RGB, co&amp;mmas</source>
        <translation>RGB, Ko&amp;mmas</translation>
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
        <translation>Hex-Zahl, 0&amp;x</translation>
    </message>
    <message>
        <source>&amp;Bytes</source>
        <translation>&amp;Bytes</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>Bruch&amp;teile</translation>
    </message>
    <message>
        <source>Number of colors to take from &quot;%1&quot;:</source>
        <translation>Anzahl der Farben, die aus „%1“ entnommen werden:</translation>
    </message>
</context>
<context>
    <name>TextCommands</name>
    <message>
        <source>&apos;%1&apos; is not a color</source>
        <translation>„%1“ ist keine Farbe</translation>
    </message>
    <message>
        <source>Try &apos;tintora --help&apos; for more.</source>
        <translation>Mehr mit „tintora --help“.</translation>
    </message>
</context>
<context>
    <name>Tintora::Accessibility</name>
    <message>
        <source>The manual; Tab moves between its links, Esc closes it</source>
        <translation>Das Handbuch; Tab wechselt zwischen seinen Links, Esc schließt es</translation>
    </message>
    <message>
        <source>Judges both sample texts against the background by the contrast rules of WCAG 2.2 and, as advice, by APCA</source>
        <translation>Beurteilt beide Textproben gegen den Hintergrund nach den Kontrastregeln von WCAG 2.2 und, als Empfehlung, nach APCA</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>The background color; selected when it is the active sample</source>
        <translation>Die Hintergrundfarbe; ausgewählt, wenn sie die aktive Probe ist</translation>
    </message>
    <message>
        <source>What Fix background found</source>
        <translation>Was „Hintergrund anpassen“ gefunden hat</translation>
    </message>
    <message>
        <source>Pick background</source>
        <translation>Hintergrund aufnehmen</translation>
    </message>
    <message>
        <source>Pick the background color from anywhere on the screen</source>
        <translation>Die Hintergrundfarbe an einer beliebigen Stelle des Bildschirms aufnehmen</translation>
    </message>
    <message>
        <source>Background lightness</source>
        <translation>Helligkeit des Hintergrunds</translation>
    </message>
    <message>
        <source>Contrast of the samples</source>
        <translation>Kontrast der Proben</translation>
    </message>
    <message>
        <source>Text Sample %1</source>
        <translation>Textprobe %1</translation>
    </message>
    <message>
        <source>%1 and its color; selected when it is the active sample</source>
        <translation>%1 und ihre Farbe; ausgewählt, wenn sie die aktive Probe ist</translation>
    </message>
    <message>
        <source>Pick %1</source>
        <translation>%1 aufnehmen</translation>
    </message>
    <message>
        <source>Pick the color of %1 from anywhere on the screen</source>
        <translation>Die Farbe von %1 an einer beliebigen Stelle des Bildschirms aufnehmen</translation>
    </message>
    <message>
        <source>%1 preview</source>
        <translation>Vorschau von %1</translation>
    </message>
    <message>
        <source>%1 written on the background</source>
        <translation>%1 auf den Hintergrund geschrieben</translation>
    </message>
    <message>
        <source>%1 lightness</source>
        <translation>Helligkeit von %1</translation>
    </message>
    <message>
        <source>Contrast ratio of %1 against the background</source>
        <translation>Kontrastverhältnis von %1 gegen den Hintergrund</translation>
    </message>
    <message>
        <source>%1, %2, at least %3:1</source>
        <translation>%1, %2, mindestens %3:1</translation>
    </message>
    <message>
        <source>Fix text, %1, %2</source>
        <translation>Text anpassen, %1, %2</translation>
    </message>
    <message>
        <source>Change %1 to the nearest color of its hue that passes %2</source>
        <translation>%1 in die nächstgelegene Farbe ihres Farbtons ändern, die %2 besteht</translation>
    </message>
    <message>
        <source>Fix background, %1</source>
        <translation>Hintergrund anpassen, %1</translation>
    </message>
    <message>
        <source>Change the background to the nearest color of its hue with which both samples pass %1</source>
        <translation>Den Hintergrund in die nächstgelegene Farbe seines Farbtons ändern, mit der beide Proben %1 bestehen</translation>
    </message>
    <message>
        <source>APCA lightness contrast of %1, advisory</source>
        <translation>APCA-Helligkeitskontrast von %1, als Empfehlung</translation>
    </message>
    <message>
        <source>What the APCA contrast of %1 is good for</source>
        <translation>Wofür der APCA-Kontrast von %1 genügt</translation>
    </message>
    <message>
        <source>Least font size for %1 by APCA, at weights 400 and 700</source>
        <translation>Kleinste Schriftgröße für %1 nach APCA, in den Stärken 400 und 700</translation>
    </message>
    <message>
        <source>%1, APCA %2, at least Lc %3, advisory</source>
        <translation>%1, APCA %2, mindestens Lc %3, als Empfehlung</translation>
    </message>
    <message>
        <source>What Fix text found for %1</source>
        <translation>Was „Text anpassen“ für %1 gefunden hat</translation>
    </message>
    <message>
        <source>Contrast ratio of Text Sample 1 against Text Sample 2</source>
        <translation>Kontrastverhältnis von Textprobe 1 gegen Textprobe 2</translation>
    </message>
    <message>
        <source>Text against text, at least %1:1</source>
        <translation>Text gegen Text, mindestens %1:1</translation>
    </message>
    <message>
        <source>Both samples on the background as seen with %1, simulated</source>
        <translation>Beide Proben auf dem Hintergrund, wie sie bei %1 erscheinen, simuliert</translation>
    </message>
    <message>
        <source>Contrast ratios of Text Sample 1 and Text Sample 2 as seen with %1</source>
        <translation>Kontrastverhältnisse von Textprobe 1 und Textprobe 2, wie sie bei %1 erscheinen</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Red component of the current color, 0 to 255</source>
        <translation>Rotanteil der aktuellen Farbe, 0 bis 255</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Green component of the current color, 0 to 255</source>
        <translation>Grünanteil der aktuellen Farbe, 0 bis 255</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue component of the current color, 0 to 255</source>
        <translation>Blauanteil der aktuellen Farbe, 0 bis 255</translation>
    </message>
    <message>
        <source>Hex value</source>
        <translation>Hexwert</translation>
    </message>
    <message>
        <source>The current color as #RRGGBB; Copy to Clipboard copies it</source>
        <translation>Die aktuelle Farbe als #RRGGBB; „In die Zwischenablage kopieren“ kopiert sie</translation>
    </message>
    <message>
        <source>Sample area</source>
        <translation>Probenfläche</translation>
    </message>
    <message>
        <source>Custom color name</source>
        <translation>Name der eigenen Farbe</translation>
    </message>
    <message>
        <source>Enter or select custom color by name here.</source>
        <translation>Hier eine eigene Farbe per Namen eingeben oder auswählen.</translation>
    </message>
    <message>
        <source>Color list</source>
        <translation>Farbliste</translation>
    </message>
    <message>
        <source>The custom colors by name and hex value; Enter chooses the row</source>
        <translation>Die eigenen Farben nach Name und Hexwert; Eingabe wählt die Zeile</translation>
    </message>
    <message>
        <source>The sample that the current color is applied to</source>
        <translation>Die Probe, auf die die aktuelle Farbe angewendet wird</translation>
    </message>
    <message>
        <source>Delete the currently displayed name from the custom color list. From the keyboard: Edit, Delete From List</source>
        <translation>Den angezeigten Namen aus der Liste der eigenen Farben löschen. Per Tastatur: Bearbeiten, Aus Liste löschen</translation>
    </message>
    <message>
        <source>Show or hide the whole color list as a table. From the keyboard: Options, View Full List</source>
        <translation>Die ganze Farbliste als Tabelle zeigen oder verbergen. Per Tastatur: Optionen, Liste ausklappen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Background color %1</source>
        <translation>Hintergrundfarbe %1</translation>
    </message>
    <message>
        <source>Text Sample 1 color %1</source>
        <translation>Farbe von Textprobe 1: %1</translation>
    </message>
    <message>
        <source>Text Sample 2 color %1</source>
        <translation>Farbe von Textprobe 2: %1</translation>
    </message>
    <message>
        <source>Finds a color of the list by its name or hex value; Esc closes it</source>
        <translation>Findet eine Farbe der Liste nach Name oder Hexwert; Esc schließt die Suche</translation>
    </message>
    <message>
        <source>Find in list</source>
        <translation>In Liste suchen</translation>
    </message>
    <message>
        <source>Part of a name, or a hex value such as #87CEEB or #87C; Enter finds the next match</source>
        <translation>Ein Teil eines Namens oder ein Hexwert wie #87CEEB oder #87C; Eingabe findet den nächsten Treffer</translation>
    </message>
    <message>
        <source>Show the next entry that matches</source>
        <translation>Den nächsten passenden Eintrag zeigen</translation>
    </message>
    <message>
        <source>Says when no entry matches</source>
        <translation>Meldet, wenn kein Eintrag passt</translation>
    </message>
    <message>
        <source>The program&apos;s name, release and maker; OK or Esc closes it</source>
        <translation>Name, Version und Hersteller des Programms; OK oder Esc schließt das Fenster</translation>
    </message>
    <message>
        <source>Tintora icon</source>
        <translation>Tintora-Symbol</translation>
    </message>
    <message>
        <source>Pick From Screen</source>
        <translation>Vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Arrow keys move the crosshair, with Shift by ten pixels; + and - zoom; Enter picks the color, Esc cancels</source>
        <translation>Die Pfeiltasten bewegen das Fadenkreuz, mit Umschalt um zehn Pixel; + und - zoomen; Eingabe nimmt die Farbe auf, Esc bricht ab</translation>
    </message>
    <message>
        <source>Color %1. %2</source>
        <translation>Farbe %1. %2</translation>
    </message>
    <message>
        <source>body text</source>
        <translation>Fließtext</translation>
    </message>
    <message>
        <source>content text</source>
        <translation>Inhaltstext</translation>
    </message>
    <message>
        <source>large text</source>
        <translation>großer Text</translation>
    </message>
    <message>
        <source>Click or press Alt+A to show the maker&apos;s postal address</source>
        <translation>Klicken oder Alt+A drücken, um die Postanschrift des Herstellers zu zeigen</translation>
    </message>
    <message>
        <source>The maker&apos;s postal address; click or press Alt+A to hide it</source>
        <translation>Die Postanschrift des Herstellers; zum Verbergen klicken oder Alt+A drücken</translation>
    </message>
</context>
<context>
    <name>Tintora::ColorAdjuster</name>
    <message>
        <source>Adjust Color</source>
        <translation>Farbe anpassen</translation>
    </message>
    <message>
        <source>Changes the selected sample&apos;s color by hue, saturation, lightness and the other channels of five color models; Esc closes it</source>
        <translation>Ändert die Farbe der gewählten Probe nach Farbton, Sättigung, Helligkeit und den anderen Kanälen von fünf Farbmodellen; Esc schließt das Fenster</translation>
    </message>
    <message>
        <source>Color being adjusted</source>
        <translation>Farbe, die angepasst wird</translation>
    </message>
    <message>
        <source>Text Sample 2: %1  %2</source>
        <translation>Textprobe 2: %1  %2</translation>
    </message>
    <message>
        <source>gamut-mapped</source>
        <translation>in den Farbraum abgebildet</translation>
    </message>
    <message>
        <source>Color models</source>
        <translation>Farbmodelle</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The groove shows the colors this channel gives with the others held</source>
        <translation>Die Rille zeigt die Farben, die dieser Kanal ergibt, während die anderen bleiben</translation>
    </message>
    <message>
        <source>Drag, click or use the arrow keys; the groove shows the colors %1 gives with the other channels held</source>
        <translation>Ziehen, klicken oder die Pfeiltasten benutzen; die Rille zeigt die Farben, die %1 ergibt, während die anderen Kanäle bleiben</translation>
    </message>
    <message>
        <source>%1 %2 value</source>
        <translation>Wert von %1 %2</translation>
    </message>
    <message>
        <source>Hatched beneath a groove: outside sRGB. There the color shown and applied
is the nearest one inside, gamut-mapped as CSS Color 4 does.</source>
        <translation>Schraffiert unter einer Rille: außerhalb von sRGB. Dort ist die gezeigte und angewendete Farbe
die nächste darin, abgebildet wie in CSS Color 4.</translation>
    </message>
    <message>
        <source>Gamut</source>
        <translation>Farbraum</translation>
    </message>
    <message>
        <source>Variations (in OKLCH)</source>
        <translation>Variationen (in OKLCH)</translation>
    </message>
    <message>
        <source>Add to List</source>
        <translation>In Liste eintragen</translation>
    </message>
    <message>
        <source>Add %1 to the list</source>
        <translation>%1 in die Liste aufnehmen</translation>
    </message>
    <message>
        <source>Add these colors to the color list</source>
        <translation>Diese Farben in die Farbliste aufnehmen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the history</source>
        <translation>Den Verlauf leeren</translation>
    </message>
    <message>
        <source>Forget the colors of the history</source>
        <translation>Die Farben des Verlaufs vergessen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Text Sample 1</source>
        <translation>Textprobe 1</translation>
    </message>
    <message>
        <source>Text Sample 2</source>
        <translation>Textprobe 2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>This position is outside sRGB: the color is gamut-mapped.</source>
        <translation>Diese Stelle liegt außerhalb von sRGB: Die Farbe ist in den Farbraum abgebildet.</translation>
    </message>
    <message>
        <source>History %1</source>
        <translation>Verlauf %1</translation>
    </message>
</context>
<context>
    <name>Tintora::ColorModel</name>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hellwert</translation>
    </message>
    <message>
        <source>Whiteness</source>
        <translation>Weißanteil</translation>
    </message>
    <message>
        <source>Blackness</source>
        <translation>Schwarzanteil</translation>
    </message>
    <message>
        <source>Chroma</source>
        <translation>Buntheit</translation>
    </message>
    <message>
        <source>a (green-red)</source>
        <translation>a (Grün-Rot)</translation>
    </message>
    <message>
        <source>b (blue-yellow)</source>
        <translation>b (Blau-Gelb)</translation>
    </message>
</context>
<context>
    <name>Tintora::ContrastChecker</name>
    <message>
        <source>  (selected)</source>
        <translation>  (ausgewählt)</translation>
    </message>
    <message>
        <source>Text below large size</source>
        <translation>Text unterhalb der großen Schriftgröße</translation>
    </message>
    <message>
        <source>Text of at least 18 pt, or 14 pt bold</source>
        <translation>Text ab 18 pt oder ab 14 pt fett</translation>
    </message>
    <message>
        <source>Icons, borders and controls in this color</source>
        <translation>Symbole, Rahmen und Bedienelemente in dieser Farbe</translation>
    </message>
    <message>
        <source>Contrast Checker</source>
        <translation>Kontrastprüfung</translation>
    </message>
    <message>
        <source>Background  %1%2</source>
        <translation>Hintergrund  %1%2</translation>
    </message>
    <message>
        <source>The background&apos;s hue from dark to light; the bands mark where both samples pass AA (4.5:1) and AAA (7:1). Click or drag to choose.</source>
        <translation>Der Farbton des Hintergrunds von dunkel nach hell; die Bänder zeigen, wo beide Proben AA (4,5:1) und AAA (7:1) bestehen. Zum Wählen klicken oder ziehen.</translation>
    </message>
    <message>
        <source>Text against text (a link among body text), %1:1</source>
        <translation>Text gegen Text (ein Link im Fließtext), %1:1</translation>
    </message>
    <message>
        <source>Text Sample 1 against Text Sample 2: a link told apart from the text around it by color alone needs 3:1</source>
        <translation>Textprobe 1 gegen Textprobe 2: Ein Link, der sich nur durch die Farbe vom umgebenden Text abhebt, braucht 3:1</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Nicht bestanden</translation>
    </message>
    <message>
        <source>Large text: at least 18 pt, or 14 pt bold</source>
        <translation>Großer Text: ab 18 pt oder ab 14 pt fett</translation>
    </message>
    <message>
        <source>Copy Report</source>
        <translation>Bericht kopieren</translation>
    </message>
    <message>
        <source>Copy everything the checker shows to the clipboard as plain text</source>
        <translation>Alles, was die Prüfung zeigt, als reinen Text in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>As seen with a color vision deficiency (simulated):</source>
        <translation>So gesehen mit einer Farbsehschwäche (simuliert):</translation>
    </message>
    <message>
        <source>Contrast ratio</source>
        <translation>Kontrastverhältnis</translation>
    </message>
    <message>
        <source>APCA, advisory</source>
        <translation>APCA, als Empfehlung</translation>
    </message>
    <message>
        <source>A draft method, not part of WCAG 2: advice beside the verdicts</source>
        <translation>Ein Verfahren im Entwurfsstadium, nicht Teil von WCAG 2: ein Rat neben den Urteilen</translation>
    </message>
    <message>
        <source>Least size, weight 400, 700</source>
        <translation>Mindestgröße, Stärke 400, 700</translation>
    </message>
    <message>
        <source>From APCA&apos;s font lookup table, in CSS pixels</source>
        <translation>Aus der Schrifttabelle von APCA, in CSS-Pixeln</translation>
    </message>
    <message>
        <source>Body Lc %1, content %2, large %3</source>
        <translation>Fließtext Lc %1, Inhalt %2, groß %3</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Pick this color from anywhere on the screen</source>
        <translation>Diese Farbe an beliebiger Stelle vom Bildschirm aufnehmen</translation>
    </message>
    <message>
        <source>Text Sample %1%2</source>
        <translation>Textprobe %1%2</translation>
    </message>
    <message>
        <source>Sample %1</source>
        <translation>Probe %1</translation>
    </message>
    <message>
        <source>Text Sample %1&apos;s hue from dark to light; the bands mark where it passes AA (4.5:1) and AAA (7:1). Click or drag to choose.</source>
        <translation>Der Farbton von Textprobe %1 von dunkel nach hell; die Bänder zeigen, wo sie AA (4,5:1) und AAA (7:1) besteht. Zum Wählen klicken oder ziehen.</translation>
    </message>
    <message>
        <source>Fix text</source>
        <translation>Text anpassen</translation>
    </message>
    <message>
        <source>Fix background</source>
        <translation>Hintergrund anpassen</translation>
    </message>
    <message>
        <source>Sample %1  %2</source>
        <translation>Probe %1  %2</translation>
    </message>
    <message>
        <source>Passes already</source>
        <translation>Besteht bereits</translation>
    </message>
    <message>
        <source>Change Text Sample %1 to the nearest color of its hue that passes %2</source>
        <translation>Textprobe %1 in die nächstgelegene Farbe ihres Farbtons ändern, die %2 besteht</translation>
    </message>
    <message>
        <source>Both samples pass already</source>
        <translation>Beide Proben bestehen bereits</translation>
    </message>
    <message>
        <source>Change the background to the nearest color of its hue with which both samples pass %1</source>
        <translation>Den Hintergrund in die nächstgelegene Farbe seines Farbtons ändern, mit der beide Proben %1 bestehen</translation>
    </message>
</context>
<context>
    <name>Tintora::FindBar</name>
    <message>
        <source>Find in List</source>
        <translation>In Liste suchen</translation>
    </message>
    <message>
        <source>Part of a name, or a hex value such as #87CEEB or #87C.</source>
        <translation>Teil eines Namens oder ein Hexwert wie #87CEEB oder #87C.</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Tintora::PickCommand</name>
    <message>
        <source>The color could not be put on the clipboard.</source>
        <translation>Die Farbe konnte nicht in die Zwischenablage gelegt werden.</translation>
    </message>
</context>
<context>
    <name>Tintora::PickerOverlay</name>
    <message>
        <source>Pick From Screen</source>
        <translation>Vom Bildschirm aufnehmen</translation>
    </message>
</context>
<context>
    <name>Tintora::PortalColorPicker</name>
    <message>
        <source>there is no D-Bus session bus (%1)</source>
        <translation>es gibt keinen D-Bus-Sitzungsbus (%1)</translation>
    </message>
    <message>
        <source>the desktop portal did not start</source>
        <translation>das Desktop-Portal ist nicht gestartet</translation>
    </message>
    <message>
        <source>no desktop portal is running (%1)</source>
        <translation>es läuft kein Desktop-Portal (%1)</translation>
    </message>
    <message>
        <source>the desktop portal has no color picker (%1)</source>
        <translation>das Desktop-Portal hat keine Farbauswahl (%1)</translation>
    </message>
    <message>
        <source>the desktop portal refused the pick (%1)</source>
        <translation>das Desktop-Portal hat die Aufnahme abgelehnt (%1)</translation>
    </message>
</context>
<context>
    <name>Tintora::RecoveryKeeper</name>
    <message>
        <source>%1.
Unsaved changes to the list cannot be recovered if Tintora ends unexpectedly.</source>
        <translation>%1.
Ungespeicherte Änderungen an der Liste können nicht wiederhergestellt werden, wenn Tintora unerwartet endet.</translation>
    </message>
    <message>
        <source>%1.
It was kept aside as &quot;%2&quot;.</source>
        <translation>%1.
Sie wurde als &quot;%2&quot; beiseitegelegt.</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
    <message numerus="yes">
        <source>A list with %Ln unsaved colors was not saved when Tintora last ended (list %1, %2). Restore it?</source>
        <translation>
            <numerusform>Eine Liste mit %Ln ungespeicherten Farbe wurde beim letzten Beenden von Tintora nicht gespeichert (Liste %1, %2). Wiederherstellen?</numerusform>
            <numerusform>Eine Liste mit %Ln ungespeicherten Farben wurde beim letzten Beenden von Tintora nicht gespeichert (Liste %1, %2). Wiederherstellen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tintora::ScreenPicker</name>
    <message>
        <source>the screen %1 could not be captured</source>
        <translation>der Bildschirm %1 konnte nicht aufgenommen werden</translation>
    </message>
    <message>
        <source>there is no screen</source>
        <translation>es gibt keinen Bildschirm</translation>
    </message>
</context>
<context>
    <name>Tintora::Variations</name>
    <message>
        <source>Tints</source>
        <translation>Aufhellungen</translation>
    </message>
    <message>
        <source>tint</source>
        <translation>Aufhellung</translation>
    </message>
    <message>
        <source>Shades</source>
        <translation>Abdunklungen</translation>
    </message>
    <message>
        <source>shade</source>
        <translation>Abdunklung</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Abtönungen</translation>
    </message>
    <message>
        <source>tone</source>
        <translation>Abtönung</translation>
    </message>
    <message>
        <source>Complementary</source>
        <translation>Komplementär</translation>
    </message>
    <message>
        <source>complementary</source>
        <translation>komplementär</translation>
    </message>
    <message>
        <source>Analogous</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>analogous</source>
        <translation>analog</translation>
    </message>
    <message>
        <source>Triadic</source>
        <translation>Triadisch</translation>
    </message>
    <message>
        <source>triadic</source>
        <translation>triadisch</translation>
    </message>
    <message>
        <source>Split-complementary</source>
        <translation>Geteilt komplementär</translation>
    </message>
    <message>
        <source>split-complementary</source>
        <translation>geteilt komplementär</translation>
    </message>
    <message>
        <source>Tetradic</source>
        <translation>Tetradisch</translation>
    </message>
    <message>
        <source>tetradic</source>
        <translation>tetradisch</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tintora - version 1.0</source>
        <translation>Tintora - Version 1.0</translation>
    </message>
</context>
</TS>
