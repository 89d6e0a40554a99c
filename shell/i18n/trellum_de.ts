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
        <source>Trellum Version 2.1</source>
        <translation>Trellum Version 2.1</translation>
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
        <translation>&amp;Bearbeiten</translation>
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
</context>
</TS>
