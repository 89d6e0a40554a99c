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
        <translation>Ajouter/&amp;Modifier</translation>
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
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Emplacements mémoire</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>emplacement %1&#xa0;: %2</translation>
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
        <translation>hyperbolique</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>mémoire</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radians</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>grades</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>parenthèses ouvertes&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 fois dix puissance %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1&#xa0;: désactivé</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>masquée dans la zone de notification</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>réduite</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>fenêtre compacte</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>fenêtre complète</translation>
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
        <translation>Maj</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <translation>active ou désactive les secondes fonctions de log, ln, 1/x, sin, cos et tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>effacer le dernier chiffre</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>mode angulaire</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>passe des degrés aux radians puis aux grades</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>degrés minutes secondes</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>arrêt</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x puissance y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>dix puissance x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e puissance x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>changement de signe</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hyperbolique</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>active ou désactive les formes hyperboliques de sin, cos et tan</translation>
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
        <translation>arc sinus</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>sinus hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>argument sinus hyperbolique</translation>
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
        <translation>arc cosinus</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>cosinus hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>argument cosinus hyperbolique</translation>
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
        <translation>arc tangente</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangente hyperbolique</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>mise en mémoire</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>rappel mémoire</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>effacer la saisie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>plus du pavé numérique</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>moins du pavé numérique</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>multiplication du pavé numérique</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>division du pavé numérique</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>point décimal</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>touche décimale du pavé numérique</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exposant</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>sans saisie&#xa0;: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>constantes</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>avec shift&#xa0;: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>avec hyp&#xa0;: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>avec shift et hyp&#xa0;: %1</translation>
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
        <translation>Ce n’est pas un entier positif&#xa0;!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Ce n’est pas un nombre positif&#xa0;!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Les données collées ne sont pas un nombre </translation>
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
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Le fichier des constantes a été modifié par un autre programme pendant que cette liste était ouverte. Cette version est conservée sous le nom %1.</translation>
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
        <translation>Mo&amp;de compact</translation>
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
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Affichage seul ; appuyez de nouveau sur %1 pour retrouver les touches</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Indisponible sous Wayland, qui ne garde aucune fenêtre au-dessus des autres ; lancez le programme sous X11 pour l’utiliser</translation>
    </message>
</context>
</TS>
