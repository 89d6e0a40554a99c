<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>O programie Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Wybierz stałą:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Dodaj/zmień</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Wyczyść pamięć</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Wybierz komórkę pamięci:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Gotowe</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Wartość:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Stałe</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Komórki pamięci</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>komórka %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum wersja %1</translation>
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
        <translation>hiperboliczny</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>pamięć</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stopnie</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiany</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>grady</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlacz</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>otwarte nawiasy: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 razy dziesięć do potęgi %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1: wyłączone</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>ukryte w zasobniku systemowym</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>zminimalizowane</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>okno kompaktowe</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>pełne okno</translation>
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
        <translation>włącza lub wyłącza drugie funkcje log, ln, 1/x, sin, cos i tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>usuwanie ostatniej cyfry</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>jednostka kąta</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>przełącza między stopniami, radianami i gradami</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>stopnie minuty sekundy</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wyłączenie</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kwadrat</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x do potęgi y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarytm dziesiętny</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>dziesięć do potęgi x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarytm naturalny</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e do potęgi x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>zmiana znaku</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>odwrotność</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>silnia</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hiperboliczny</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>włącza lub wyłącza hiperboliczne odmiany sin, cos i tan</translation>
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
        <translation>arcus sinus</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>sinus hiperboliczny</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>area sinus hiperboliczny</translation>
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
        <translation>arcus cosinus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>cosinus hiperboliczny</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>area cosinus hiperboliczny</translation>
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
        <translation>arcus tangens</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangens hiperboliczny</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>area tangens hiperboliczny</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>nawias otwierający</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>nawias kwadratowy otwierający</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>nawias zamykający</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>nawias kwadratowy zamykający</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>zapis do pamięci</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>odczyt z pamięci</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>kasowanie wpisu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>kasowanie wszystkiego</translation>
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
        <translation>plus na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>minus na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>mnożenie</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>mnożenie na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dzielenie</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>dzielenie na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>kropka dziesiętna</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>separator dziesiętny na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>wykładnik</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>bez wpisu: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>równa się</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>stałe</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>z shiftem: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>z hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>z shiftem i hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Dzielenie przez zero!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Poza zakresem!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>To nie jest dodatnia liczba całkowita!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>To nie jest liczba dodatnia!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Poza zakresem</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Wklejone dane nie są liczbą </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Zapisz liczbę</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Odczytaj liczbę</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Wczytaj stałą</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Dodaj nową stałą</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Zmień stałą</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Nie można wczytać bazy stałych!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>Baza stałych zawiera błędy!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Podaj nazwę i wartość stałej.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Wartość stałej nie jest liczbą!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Nazwa stałej nie może zawierać „=” ani podziału wiersza.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Nie można zapisać bazy stałych! Poprzedni plik zostaje zachowany, a zmiany pozostają na liście.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (ukryty)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Plik stałych został zmieniony przez inny program, gdy ta lista była otwarta. Tamta wersja została zachowana jako %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Tryb ko&amp;mpaktowy</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ukryj</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Zawsze &amp;na wierzchu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Tylko wyświetlacz; ponowne naciśnięcie %1 przywraca klawisze</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Niedostępne w Wayland, który nie utrzymuje żadnego okna nad innymi; uruchom w X11, aby z tego korzystać</translation>
    </message>
</context>
</TS>
