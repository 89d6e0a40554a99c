<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Informazioni su Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Scegliere una costante:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Aggiungi/&amp;modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Svuota memoria</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Scegliere una cella di memoria:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fatto</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Valore:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Costanti</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Celle di memoria</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>cella %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum versione %1</translation>
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
        <translation>iperbolico</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>memoria</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radianti</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>gradi centesimali</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>parentesi aperte: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 per dieci elevato a %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1: disattivato</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>nascosta nell’area di notifica</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>ridotta a icona</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>finestra compatta</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>finestra completa</translation>
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
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <translation>attiva o disattiva le seconde funzioni di log, ln, 1/x, sin, cos e tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>cancella l’ultima cifra</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>modalità angolare</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>passa tra gradi, radianti e gradi centesimali</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>gradi primi secondi</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>spegni</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrato</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>radice quadrata</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x elevato a y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritmo decimale</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>dieci elevato a x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo naturale</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e elevato a x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>cambia segno</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>reciproco</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>fattoriale</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>iperbolico</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>attiva o disattiva le forme iperboliche di sin, cos e tan</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arcoseno</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>seno iperbolico</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>arcoseno iperbolico</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>coseno</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arcocoseno</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>coseno iperbolico</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>arcocoseno iperbolico</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arcotangente</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangente iperbolica</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>arcotangente iperbolica</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>parentesi aperta</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>parentesi quadra aperta</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>parentesi chiusa</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>parentesi quadra chiusa</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>memorizza</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>richiama memoria</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Pag Su</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>cancella voce</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>cancella tutto</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>più del tastierino numerico</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>meno del tastierino numerico</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>per</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>moltiplicazione del tastierino numerico</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>diviso</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>divisione del tastierino numerico</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>punto decimale</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>tasto decimale del tastierino numerico</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>esponente</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pag Giù</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>senza inserimento: pi greco</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>uguale</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>costanti</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>con shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>con hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>con shift e hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Divisione per zero!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Fuori intervallo!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Non è un intero positivo!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Non è un numero positivo!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>I dati incollati non sono un numero </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Memorizza un numero</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Richiama un numero</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Carica una costante</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Aggiungi una nuova costante</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Modifica una costante</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Impossibile caricare l’archivio delle costanti!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>L’archivio delle costanti contiene errori!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Inserire nome e valore della costante.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Il valore della costante non è un numero!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Il nome di una costante non può contenere «=» né un ritorno a capo.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Impossibile salvare l’archivio delle costanti! Il file precedente viene conservato e le modifiche restano nell’elenco.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (nascosto)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Il file delle costanti è stato modificato da un altro programma mentre questo elenco era aperto. Quella versione è conservata come %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Modalità co&amp;mpatta</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Nascondi</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Sempre in &amp;primo piano</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Solo il display; premere di nuovo %1 per riavere i tasti</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Non disponibile su Wayland, che non tiene alcuna finestra sopra le altre; avviare il programma su X11 per usare questa funzione</translation>
    </message>
</context>
</TS>
