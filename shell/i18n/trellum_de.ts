<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Über Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Konstante wählen:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Hinzufügen/Ändern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>Speicher &amp;leeren</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Speicherplatz wählen:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Speicherplätze</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>Speicherplatz %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum Version %1</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolisch</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>Radiant</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>Gon</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>offene Klammern: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 mal zehn hoch %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 aus</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>in den Infobereich ausgeblendet</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>minimiert</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>kompaktes Fenster</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>volles Fenster</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <translation>schaltet die Zweitfunktionen von log, ln, 1/x, sin, cos und tan ein oder aus</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>letzte Ziffer löschen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>Winkelmodus</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>wechselt zwischen Grad, Radiant und Gon</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>Grad Minuten Sekunden</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x hoch y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>zehn hoch x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e hoch x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>Vorzeichenwechsel</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolisch</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>schaltet die hyperbolischen Formen von sin, cos und tan ein oder aus</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>eckige Klammer auf</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>eckige Klammer zu</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>in den Speicher</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>aus dem Speicher</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>Ziffernblock Plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>Ziffernblock Minus</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>Ziffernblock Mal</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>Ziffernblock Geteilt</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>Ziffernblock Dezimaltaste</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>ohne Eingabe: Pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>mit Shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>mit hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>mit Shift und hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Division durch null!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Außerhalb des Wertebereichs!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Keine positive ganze Zahl!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Keine positive Zahl!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Die eingefügten Daten sind keine Zahl </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Zahl speichern</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Zahl abrufen</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Konstante laden</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Neue Konstante hinzufügen</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Konstante ändern</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Die Konstantendatenbank kann nicht geladen werden!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>Die Konstantendatenbank enthält Fehler!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Geben Sie Name und Wert der Konstante ein.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Der Wert der Konstante ist keine Zahl!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Der Name einer Konstante darf weder „=“ noch einen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Die Konstantendatenbank kann nicht gespeichert werden! Die alte Datei bleibt erhalten, und Ihre Änderungen bleiben in der Liste.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (ausgeblendet)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Die Konstantendatei wurde von einem anderen Programm geändert, während diese Liste offen war. Diese Fassung wurde als %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Verkleinern</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Immer im Vor&amp;dergrund</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Nur die Anzeige; erneutes %1 blendet das Tastenfeld wieder ein</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Unter Wayland nicht verfügbar: Dort bleibt kein Fenster über den anderen. Starten Sie das Programm unter X11, um diese Funktion zu nutzen</translation>
    </message>
</context>
</TS>
