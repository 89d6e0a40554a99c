<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Om Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Välj en konstant:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Lägg till/ändra</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>Alt&amp;ernativ</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Töm minnet</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Välj en minnesplats:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Klar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Värde:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Konstanter</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Minnesplatser</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>minnesplats %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum version %1</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>shift</source>
        <translation>shift</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolisk</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>minne</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grader</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radianer</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>gon</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Teckenfönster</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>öppna parenteser: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 gånger tio upphöjt till %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 av</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>dold i meddelandefältet</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>minimerad</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>kompakt fönster</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>fullt fönster</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>shift</source>
        <translation>shift</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Skift</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <translation>slår på eller av andrafunktionerna för log, ln, 1/x, sin, cos och tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>radera sista siffran</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backsteg</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>vinkelläge</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>växlar mellan grader, radianer och gon</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>grader minuter sekunder</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>stäng av</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kvadrat</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>kvadratrot</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x upphöjt till y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>tiologaritm</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>tio upphöjt till x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>naturlig logaritm</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e upphöjt till x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>byt tecken</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverterat värde</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>fakultet</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolisk</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>slår på eller av de hyperboliska formerna av sin, cos och tan</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arcussinus</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>hyperbolisk sinus</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>invers hyperbolisk sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arcuscosinus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>hyperbolisk cosinus</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>invers hyperbolisk cosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangens</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arcustangens</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>hyperbolisk tangens</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>invers hyperbolisk tangens</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>vänsterparentes</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>vänster hakparentes</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>högerparentes</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>höger hakparentes</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>spara i minnet</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>hämta från minnet</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>rensa inmatning</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>rensa allt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>plus på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>minus på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>gånger</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>gånger på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>delat med</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>delat med på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>decimalpunkt</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>decimaltangenten på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exponent</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>utan inmatning: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>lika med</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>konstanter</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>med shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>med hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>med shift och hyp: %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left (Arabic, Hebrew); leave it untranslated otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Division med noll!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Utanför intervallet!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Inte ett positivt heltal!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Inte ett positivt tal!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Utanför intervallet</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Inklistrade data är inte ett tal </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Spara ett tal</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Hämta ett tal</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Läs in en konstant</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Lägg till en ny konstant</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Ändra en konstant</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Det går inte att läsa in konstantdatabasen!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>Konstantdatabasen innehåller fel!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Fyll i konstantens namn och värde.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Konstantens värde är inte ett tal!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>En konstants namn får inte innehålla ”=” eller en radbrytning.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Det går inte att spara konstantdatabasen! Den gamla filen finns kvar och dina ändringar står kvar i listan.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (dold)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Konstantfilen ändrades av ett annat program medan listan var öppen. Den versionen har sparats som %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Kompakt &amp;läge</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Dölj</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Alltid &amp;överst</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Bara teckenfönstret; %1 igen tar tillbaka knappsatsen</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Inte tillgängligt i Wayland, som inte håller något fönster ovanför andra; kör under X11 för att använda det</translation>
    </message>
</context>
</TS>
