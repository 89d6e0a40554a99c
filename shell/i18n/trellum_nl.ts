<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Over Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Kies een constante:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Toevoegen/wijzigen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>Geheugen &amp;wissen</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Kies een geheugenplaats:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Klaar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Waarde:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constanten</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Geheugenplaatsen</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>geheugenplaats %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum versie %1</translation>
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
        <translation>hyperbolisch</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>geheugen</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graden</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radialen</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>gon</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>open haakjes: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 maal tien tot de macht %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 uit</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>verborgen in het systeemvak</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>geminimaliseerd</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>compact venster</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>volledig venster</translation>
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
        <translation>zet de tweede functies van log, ln, 1/x, sin, cos en tan aan of uit</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>laatste cijfer wissen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>hoekeenheid</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>wisselt tussen graden, radialen en gon</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>graden minuten seconden</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kwadraat</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>vierkantswortel</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x tot de macht y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritme met grondtal 10</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>tien tot de macht x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>natuurlijke logaritme</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e tot de macht x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>teken omkeren</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>omgekeerde</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>faculteit</translation>
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
        <translation>zet de hyperbolische vormen van sin, cos en tan aan of uit</translation>
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
        <translation>arcsinus</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>sinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>areasinus hyperbolicus</translation>
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
        <translation>arccosinus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>cosinus hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>areacosinus hyperbolicus</translation>
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
        <translation>arctangens</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangens hyperbolicus</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>haakje openen</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>vierkante haak openen</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>haakje sluiten</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>vierkante haak sluiten</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>in geheugen opslaan</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>uit geheugen ophalen</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>invoer wissen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>alles wissen</translation>
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
        <translation>plus op het numerieke toetsenblok</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>min op het numerieke toetsenblok</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>maal</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>maalteken op het numerieke toetsenblok</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>gedeeld door</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>deelteken op het numerieke toetsenblok</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>decimale punt</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>decimaalteken op het numerieke toetsenblok</translation>
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
        <translation>zonder invoer: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>is gelijk aan</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>constanten</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>met shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>met hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>met shift en hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Deling door nul!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Buiten bereik!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Geen positief geheel getal!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Geen positief getal!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Buiten bereik</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>De geplakte gegevens zijn geen getal </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Getal opslaan</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Getal ophalen</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Constante laden</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Constante toevoegen</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Constante wijzigen</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Kan de constantendatabase niet laden!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>De constantendatabase bevat fouten!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Vul de naam en de waarde van de constante in.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>De waarde van de constante is geen getal!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>De naam van een constante mag geen ‘=’ of regeleinde bevatten.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Kan de constantendatabase niet opslaan! Het oude bestand blijft bewaard en uw wijzigingen blijven in de lijst staan.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (verborgen)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Het constantenbestand is door een ander programma gewijzigd terwijl deze lijst open was. Die versie is bewaard als %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Compacte weergave</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Altijd &amp;bovenop</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Alleen het display; met nog eens %1 komen de toetsen terug</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Niet beschikbaar onder Wayland, dat geen venster boven andere houdt; start het programma onder X11 om dit te gebruiken</translation>
    </message>
</context>
</TS>
