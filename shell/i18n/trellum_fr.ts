<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>À propos de Trellum</translation>
    </message>
    <message>
        <source>Trellum Version 2.1</source>
        <translation>Trellum version 2.1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Choisissez une constante&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Vider la mémoire</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Choisissez un emplacement mémoire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Valeur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Division par zéro&#xa0;!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Hors limites&#xa0;!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Pas un entier positif&#xa0;!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Pas un nombre positif&#xa0;!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Les données importées ne sont pas un nombre </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Enregistrer un nombre</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Rappeler un nombre</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Charger une constante</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Ajouter une nouvelle constante</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Modifier une constante</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Impossible de charger la base de constantes&#xa0;!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>La base de constantes contient des erreurs&#xa0;!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Indiquez le nom et la valeur de la constante.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>La valeur de la constante n’est pas un nombre&#xa0;!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Le nom d’une constante ne peut contenir ni «&#xa0;=&#xa0;» ni saut de ligne.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Impossible d’enregistrer la base de constantes&#xa0;! L’ancien fichier est conservé et vos modifications restent dans la liste.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (masqué)</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
</TS>
