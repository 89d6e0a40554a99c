<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>O aplikaci Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Vyberte konstantu:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Zrušit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Přidat/upravit</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Vymazat paměti</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Vyberte paměť:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Hotovo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Hodnota:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Konstanty</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Paměti</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>paměť %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum verze %1</translation>
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
        <translation>hyperbolické funkce</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>paměť</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stupně</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiány</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>grady</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Displej</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>otevřené závorky: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 krát deset na %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>vypnuto: %1</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>skryto v oznamovací oblasti</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>minimalizováno</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>kompaktní okno</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>celé okno</translation>
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
        <translation>Shift</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <translation>zapíná a vypíná druhé funkce log, ln, 1/x, sin, cos a tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>smazat poslední číslici</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>úhlové jednotky</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>přepíná mezi stupni, radiány a grady</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>stupně minuty sekundy</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vypnout</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>druhá mocnina</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>druhá odmocnina</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x na y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>dekadický logaritmus</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>deset na x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>přirozený logaritmus</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e na x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>změna znaménka</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>převrácená hodnota</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>faktoriál</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolické funkce</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>zapíná a vypíná hyperbolické tvary sin, cos a tan</translation>
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
        <translation>arkus sinus</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>hyperbolický sinus</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>argument hyperbolického sinu</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>kosinus</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arkus kosinus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>hyperbolický kosinus</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>argument hyperbolického kosinu</translation>
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
        <translation>arkus tangens</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>hyperbolický tangens</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>argument hyperbolického tangens</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>levá závorka</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>levá hranatá závorka</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>pravá závorka</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>pravá hranatá závorka</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>uložit do paměti</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>vyvolat z paměti</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>vymazat zadání</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>vymazat vše</translation>
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
        <translation>plus na numerické klávesnici</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>minus na numerické klávesnici</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>krát</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>krát na numerické klávesnici</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>děleno</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>děleno na numerické klávesnici</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>desetinná tečka</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>desetinný oddělovač na numerické klávesnici</translation>
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
        <translation>bez zadání: pí</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>rovná se</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>konstanty</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>se shiftem: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>s hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>se shiftem a hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Dělení nulou!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Mimo rozsah!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Není kladné celé číslo!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Není kladné číslo!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Mimo rozsah</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Vložená data nejsou číslo </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Uložit číslo</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Vyvolat číslo</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Načíst konstantu</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Přidat novou konstantu</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Upravit konstantu</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Databázi konstant nelze načíst!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>Databáze konstant obsahuje chyby!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Vyplňte název a hodnotu konstanty.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Hodnota konstanty není číslo!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Název konstanty nesmí obsahovat „=“ ani zalomení řádku.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Databázi konstant nelze uložit! Původní soubor zůstává zachován a vaše změny zůstávají v seznamu.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (skryto)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Soubor konstant změnil jiný program, zatímco byl tento seznam otevřený. Verze uložená tím programem je uschována jako %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Kompaktní &amp;režim</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Skrýt</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Vždy &amp;navrchu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O aplikaci...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Pouze displej; dalším stisknutím %1 se klávesy vrátí</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Pod Waylandem nedostupné, protože nedrží žádné okno nad ostatními; pro použití spusťte pod X11</translation>
    </message>
</context>
</TS>
