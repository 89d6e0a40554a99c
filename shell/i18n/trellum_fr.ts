<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the windowing system (xcb, wayland, offscreen, ...).</source>
        <extracomment>Help of the -platform option, printed by &quot;trellum --help&quot;; keep &quot;Qt:&quot; and the names in brackets.</extracomment>
        <translation>Qt : le système de fenêtrage (xcb, wayland, offscreen, ...).</translation>
    </message>
    <message>
        <source>Qt: the X display to use (on xcb).</source>
        <extracomment>Help of the -display option: the X server&apos;s display, not the calculator&apos;s.</extracomment>
        <translation>Qt : l’écran X à utiliser (avec xcb).</translation>
    </message>
    <message>
        <source>Qt: the widget style (Fusion, Windows, ...).</source>
        <extracomment>Help of the -style option; keep the style names in brackets.</extracomment>
        <translation>Qt : le style des widgets (Fusion, Windows, ...).</translation>
    </message>
    <message>
        <source>Qt: a style sheet to apply.</source>
        <extracomment>Help of the -stylesheet option.</extracomment>
        <translation>Qt : une feuille de style à appliquer.</translation>
    </message>
    <message>
        <source>Qt: lay the window out right to left.</source>
        <extracomment>Help of the -reverse option.</extracomment>
        <translation>Qt : disposer la fenêtre de droite à gauche.</translation>
    </message>
    <message>
        <source>Trellum, a scientific calculator drawn like a hand-held one.</source>
        <extracomment>Printed by &quot;trellum --help&quot; below its first line.</extracomment>
        <translation>Trellum, une calculatrice scientifique dessinée comme une calculatrice de poche.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <extracomment>Help of the -h, --help option.</extracomment>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <extracomment>Help of the -v, --version option.</extracomment>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Hide the running calculator to the tray when it is shown, else show it; start it when none runs.</source>
        <extracomment>Help of the --toggle option, for a desktop&apos;s keyboard shortcut.</extracomment>
        <translation>Masquer la calculatrice en cours dans la zone de notification si elle est affichée, sinon l’afficher ; la démarrer si aucune ne tourne.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>First line of &quot;trellum --help&quot;; %1 is the program&apos;s name, &quot;trellum&quot;. Keep &quot;[ ]&quot;.</extracomment>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>Heading of the option list of &quot;trellum --help&quot;.</extracomment>
        <translation>Options :</translation>
    </message>
</context>
<context>
    <name>Constants</name>
    <message>
        <source>c speed of light</source>
        <extracomment>The speed of light in vacuum (symbol c).</extracomment>
        <translation>c vitesse de la lumière</translation>
    </message>
    <message>
        <source>h Planck</source>
        <extracomment>The Planck constant (symbol h).</extracomment>
        <translation>h Planck</translation>
    </message>
    <message>
        <source>hbar Planck/(2 pi)</source>
        <extracomment>The reduced Planck constant; keep &quot;/(2 pi)&quot; (symbol hbar).</extracomment>
        <translation>hbar Planck/(2 pi)</translation>
    </message>
    <message>
        <source>e elementary charge</source>
        <extracomment>The elementary charge (symbol e).</extracomment>
        <translation>e charge élémentaire</translation>
    </message>
    <message>
        <source>NA Avogadro</source>
        <extracomment>The Avogadro constant (symbol NA).</extracomment>
        <translation>NA Avogadro</translation>
    </message>
    <message>
        <source>k Boltzmann</source>
        <extracomment>The Boltzmann constant (symbol k).</extracomment>
        <translation>k Boltzmann</translation>
    </message>
    <message>
        <source>R molar gas</source>
        <extracomment>The molar gas constant (symbol R).</extracomment>
        <translation>R constante des gaz parfaits</translation>
    </message>
    <message>
        <source>F Faraday</source>
        <extracomment>The Faraday constant (symbol F).</extracomment>
        <translation>F Faraday</translation>
    </message>
    <message>
        <source>G gravitation</source>
        <extracomment>The Newtonian constant of gravitation (symbol G).</extracomment>
        <translation>G gravitation</translation>
    </message>
    <message>
        <source>g standard gravity</source>
        <extracomment>The standard acceleration of gravity (symbol g).</extracomment>
        <translation>g pesanteur normale</translation>
    </message>
    <message>
        <source>me electron mass</source>
        <extracomment>The electron mass (symbol me).</extracomment>
        <translation>me masse de l’électron</translation>
    </message>
    <message>
        <source>mp proton mass</source>
        <extracomment>The proton mass (symbol mp).</extracomment>
        <translation>mp masse du proton</translation>
    </message>
    <message>
        <source>mn neutron mass</source>
        <extracomment>The neutron mass (symbol mn).</extracomment>
        <translation>mn masse du neutron</translation>
    </message>
    <message>
        <source>u atomic mass unit</source>
        <extracomment>The atomic mass unit (symbol u).</extracomment>
        <translation>u unité de masse atomique</translation>
    </message>
    <message>
        <source>eps0 electric const</source>
        <extracomment>The vacuum electric permittivity (symbol eps0).</extracomment>
        <translation>eps0 permittivité du vide</translation>
    </message>
    <message>
        <source>mu0 magnetic const</source>
        <extracomment>The vacuum magnetic permeability (symbol mu0).</extracomment>
        <translation>mu0 perméabilité du vide</translation>
    </message>
    <message>
        <source>alpha fine-structure</source>
        <extracomment>The fine-structure constant (symbol alpha).</extracomment>
        <translation>alpha structure fine</translation>
    </message>
    <message>
        <source>a0 Bohr radius</source>
        <extracomment>The Bohr radius (symbol a0).</extracomment>
        <translation>a0 rayon de Bohr</translation>
    </message>
    <message>
        <source>sigma Stefan-Boltzmann</source>
        <extracomment>The Stefan-Boltzmann constant (symbol sigma).</extracomment>
        <translation>sigma Stefan-Boltzmann</translation>
    </message>
    <message>
        <source>atm standard pressure</source>
        <extracomment>The standard atmosphere (symbol atm).</extracomment>
        <translation>atm pression normale</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <extracomment>Title of the About box. &quot;Trellum&quot; is the program&apos;s name: keep it.</extracomment>
        <translation>À propos de Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>Button of a dialog: accepts it. &amp; marks the Alt key letter.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <extracomment>Prompt above the list of constants (the &quot;Co&quot; key&apos;s dialog).</extracomment>
        <translation>Choisissez une constante&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button of a dialog: closes it without a change.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Button of the constants dialog: opens the name and value dialog, which adds a new constant or, with one selected, modifies it; say both in one word if your language can.</extracomment>
        <translation>Ajouter/&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button of the constants dialog: deletes the selected constant.</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu of the memory dialog, holding &quot;Flush Memory&quot;.</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <extracomment>Item of the memory dialog&apos;s Option menu: sets all ten memory slots to 0.</extracomment>
        <translation>&amp;Vider la mémoire</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <extracomment>Prompt above the list of the ten memory slots.</extracomment>
        <translation>Choisissez un emplacement mémoire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>Button of the memory dialog: stores into or recalls from the selected slot and closes.</extracomment>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>slot %1 holds %2</source>
        <extracomment>Spoken for a line of the memory dialog&apos;s list: %1 the slot&apos;s number (1 to 10), %2 the number stored in it, as the screen reader reads numbers.</extracomment>
        <translation>l’emplacement %1 contient %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Label of the name field in the dialog that adds or modifies a constant.</extracomment>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Values:</source>
        <extracomment>Label of the value field in the dialog that adds or modifies a constant (one number).</extracomment>
        <translation>Valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Constants</source>
        <extracomment>Accessible name of the list of constants, said by a screen reader.</extracomment>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <extracomment>Accessible name of the list of memory slots, said by a screen reader.</extracomment>
        <translation>Emplacements mémoire</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <extracomment>The About box: the program&apos;s name and %1 its version number (2.1.0). Keep &quot;Trellum&quot;.</extracomment>
        <translation>Trellum version %1</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>shift</source>
        <extracomment>The display&apos;s &quot;S&quot; indicator (the calculator&apos;s SHIFT key armed): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>shift</translation>
    </message>
    <message>
        <source>shift off</source>
        <extracomment>Spoken when the display&apos;s &quot;S&quot; indicator goes out: the calculator&apos;s SHIFT key is no longer armed.</extracomment>
        <translation>shift désactivé</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <extracomment>The display&apos;s &quot;hyp&quot; indicator (the hyperbolic functions armed): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>hyperbolique</translation>
    </message>
    <message>
        <source>hyperbolic off</source>
        <extracomment>Spoken when the display&apos;s &quot;hyp&quot; indicator goes out.</extracomment>
        <translation>hyperbolique désactivé</translation>
    </message>
    <message>
        <source>memory</source>
        <extracomment>The display&apos;s &quot;M&quot; indicator (a number stored in the memory): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>mémoire</translation>
    </message>
    <message>
        <source>memory off</source>
        <extracomment>Spoken when the display&apos;s &quot;M&quot; indicator goes out: the memory is empty.</extracomment>
        <translation>mémoire vide</translation>
    </message>
    <message>
        <source>degrees</source>
        <extracomment>The display&apos;s &quot;D&quot; indicator (angles in degrees): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>degrés</translation>
    </message>
    <message>
        <source>degrees off</source>
        <extracomment>Spoken when the display&apos;s &quot;D&quot; indicator goes out without another lighting.</extracomment>
        <translation>degrés désactivés</translation>
    </message>
    <message>
        <source>radians</source>
        <extracomment>The display&apos;s &quot;R&quot; indicator (angles in radians): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>radians</translation>
    </message>
    <message>
        <source>radians off</source>
        <extracomment>Spoken when the display&apos;s &quot;R&quot; indicator goes out without another lighting.</extracomment>
        <translation>radians désactivés</translation>
    </message>
    <message>
        <source>grads</source>
        <extracomment>The display&apos;s &quot;G&quot; indicator (angles in grads): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>grades</translation>
    </message>
    <message>
        <source>grads off</source>
        <extracomment>Spoken when the display&apos;s &quot;G&quot; indicator goes out without another lighting.</extracomment>
        <translation>grades désactivés</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Accessible name of the calculator&apos;s display panel, said before its number.</extracomment>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Display %1</source>
        <extracomment>Said after the &quot;=&quot; key&apos;s description: the number on the display, %1, which that key would work on. &quot;Display&quot; names the calculator&apos;s display panel.</extracomment>
        <translation>Affichage %1</translation>
    </message>
    <message numerus="yes">
        <source>%n open bracket(s)</source>
        <extracomment>Spoken for the display while brackets are open and no number is typed yet: %n is how many are open.</extracomment>
        <translation>
            <numerusform>%n parenthèse ouverte</numerusform>
            <numerusform>%n parenthèses ouvertes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <extracomment>Spoken for a number with an exponent, 1.5E-07: %1 the digits before the exponent (1.5), %2 the power of ten (-7).</extracomment>
        <translation>%1 fois dix puissance %2</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <extracomment>Spoken when the window hides into its notification-area (tray) icon.</extracomment>
        <translation>masquée dans la zone de notification</translation>
    </message>
    <message>
        <source>minimised</source>
        <extracomment>Spoken when the window is minimised instead, for want of a notification area.</extracomment>
        <translation>réduite</translation>
    </message>
    <message>
        <source>compact window</source>
        <extracomment>Spoken when the window shrinks to the display alone (compact mode).</extracomment>
        <translation>fenêtre compacte</translation>
    </message>
    <message>
        <source>full window</source>
        <extracomment>Spoken when the window leaves compact mode and shows its keypad again.</extracomment>
        <translation>fenêtre complète</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>shift</source>
        <extracomment>Spoken name of the calculator&apos;s own SHIFT key on the keypad, which arms the second functions; not the keyboard&apos;s Shift key. A screen reader reads it.</extracomment>
        <translation>shift</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <extracomment>Spoken note on the SHIFT key. log, ln, 1/x, sin, cos and tan are the keys&apos; captions: keep them.</extracomment>
        <translation>active ou désactive les secondes fonctions de log, ln, 1/x, sin, cos et tan</translation>
    </message>
    <message>
        <source>delete</source>
        <extracomment>Spoken name of the DEL key, which removes the last typed digit. A screen reader reads it.</extracomment>
        <translation>effacer le dernier chiffre</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>keyboard key</comment>
        <extracomment>The computer keyboard&apos;s Shift key, in the spoken description of the calculator key it presses; not the calculator&apos;s &quot;shift&quot; key. Use the name printed on keyboards in your language.</extracomment>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Backspace</source>
        <extracomment>Keyboard key Backspace, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>keyboard key</comment>
        <extracomment>The computer keyboard&apos;s Delete key, in the spoken description of the calculator key it presses; not the calculator&apos;s &quot;delete&quot; key. Use the name printed on keyboards in your language.</extracomment>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>angle mode</source>
        <extracomment>Spoken name of the MODE key, which picks degrees, radians or grads. A screen reader reads it.</extracomment>
        <translation>mode angulaire</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Keyboard key M, the letter key, in the spoken description of the calculator key it presses. Keep the letter M: it is the key to press.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <extracomment>Spoken note on the MODE key: the three angle units it cycles through.</extracomment>
        <translation>passe des degrés aux radians puis aux grades</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <extracomment>Spoken name of the key that turns degrees, minutes and seconds into decimal degrees. A screen reader reads it.</extracomment>
        <translation>degrés minutes secondes</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>Keyboard key D, the letter key, in the spoken description of the calculator key it presses. Keep the letter D: it is the key to press.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Spoken name of the OFF key, which ends the program. A screen reader reads it.</extracomment>
        <translation>arrêt</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>Keyboard key End, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>Spoken name of the x squared key. A screen reader reads it.</extracomment>
        <translation>carré</translation>
    </message>
    <message>
        <source>F2</source>
        <extracomment>Keyboard key F2, a function key, in the spoken description of the calculator key it presses. Keep &quot;F2&quot; as printed on keyboards.</extracomment>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <extracomment>Spoken name of the square root key. A screen reader reads it.</extracomment>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>F3</source>
        <extracomment>Keyboard key F3, a function key, in the spoken description of the calculator key it presses. Keep &quot;F3&quot; as printed on keyboards.</extracomment>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <extracomment>Spoken name of the x to the power y key; x and y are the names of the two numbers. A screen reader reads it.</extracomment>
        <translation>x puissance y</translation>
    </message>
    <message>
        <source>F4</source>
        <extracomment>Keyboard key F4, a function key, in the spoken description of the calculator key it presses. Keep &quot;F4&quot; as printed on keyboards.</extracomment>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <extracomment>Spoken name of the log key (logarithm to base 10). A screen reader reads it.</extracomment>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <source>F5</source>
        <extracomment>Keyboard key F5, a function key, in the spoken description of the calculator key it presses. Keep &quot;F5&quot; as printed on keyboards.</extracomment>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <extracomment>Spoken name of the second function printed above the log key, which SHIFT selects.</extracomment>
        <translation>dix puissance x</translation>
    </message>
    <message>
        <source>with shift: ten to the power x</source>
        <extracomment>Spoken part of the log key&apos;s description: what SHIFT makes of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>avec shift&#xa0;: dix puissance x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <extracomment>Spoken name of the ln key (logarithm to base e). A screen reader reads it.</extracomment>
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <source>F6</source>
        <extracomment>Keyboard key F6, a function key, in the spoken description of the calculator key it presses. Keep &quot;F6&quot; as printed on keyboards.</extracomment>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <extracomment>Spoken name of the second function printed above the ln key, which SHIFT selects.</extracomment>
        <translation>e puissance x</translation>
    </message>
    <message>
        <source>with shift: e to the power x</source>
        <extracomment>Spoken part of the ln key&apos;s description: what SHIFT makes of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>avec shift&#xa0;: e puissance x</translation>
    </message>
    <message>
        <source>with shift: factorial</source>
        <extracomment>Spoken part of the reciprocal key&apos;s description: what SHIFT makes of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>avec shift&#xa0;: factorielle</translation>
    </message>
    <message>
        <source>with shift: arc sine; with hyp: hyperbolic sine; with shift and hyp: inverse hyperbolic sine</source>
        <extracomment>Spoken part of the sin key&apos;s description: what SHIFT, hyp and both together make of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>avec shift&#xa0;: arc sinus&#xa0;; avec hyp&#xa0;: sinus hyperbolique&#xa0;; avec shift et hyp&#xa0;: argument sinus hyperbolique</translation>
    </message>
    <message>
        <source>with shift: arc cosine; with hyp: hyperbolic cosine; with shift and hyp: inverse hyperbolic cosine</source>
        <extracomment>Spoken part of the cos key&apos;s description: what SHIFT, hyp and both together make of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>avec shift&#xa0;: arc cosinus&#xa0;; avec hyp&#xa0;: cosinus hyperbolique&#xa0;; avec shift et hyp&#xa0;: argument cosinus hyperbolique</translation>
    </message>
    <message>
        <source>with shift: arc tangent; with hyp: hyperbolic tangent; with shift and hyp: inverse hyperbolic tangent</source>
        <extracomment>Spoken part of the tan key&apos;s description: what SHIFT, hyp and both together make of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>avec shift&#xa0;: arc tangente&#xa0;; avec hyp&#xa0;: tangente hyperbolique&#xa0;; avec shift et hyp&#xa0;: argument tangente hyperbolique</translation>
    </message>
    <message>
        <source>change sign</source>
        <extracomment>Spoken name of the +/- key. A screen reader reads it.</extracomment>
        <translation>changement de signe</translation>
    </message>
    <message>
        <source>F1</source>
        <extracomment>Keyboard key F1, a function key, in the spoken description of the calculator key it presses. Keep &quot;F1&quot; as printed on keyboards.</extracomment>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <extracomment>Spoken name of the 1/x key. A screen reader reads it.</extracomment>
        <translation>inverse</translation>
    </message>
    <message>
        <source>F11</source>
        <extracomment>Keyboard key F11, a function key, in the spoken description of the calculator key it presses. Keep &quot;F11&quot; as printed on keyboards.</extracomment>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <extracomment>Spoken name of the second function printed above the reciprocal key, which SHIFT selects.</extracomment>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <extracomment>Spoken name of the hyp key, which arms the hyperbolic functions. A screen reader reads it.</extracomment>
        <translation>hyperbolique</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Keyboard key H, the letter key, in the spoken description of the calculator key it presses. Keep the letter H: it is the key to press.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <extracomment>Spoken note on the hyp key. sin, cos and tan are the keys&apos; captions: keep them.</extracomment>
        <translation>active ou désactive les formes hyperboliques de sin, cos et tan</translation>
    </message>
    <message>
        <source>sine</source>
        <extracomment>Spoken name of the sin key. A screen reader reads it.</extracomment>
        <translation>sinus</translation>
    </message>
    <message>
        <source>F7</source>
        <extracomment>Keyboard key F7, a function key, in the spoken description of the calculator key it presses. Keep &quot;F7&quot; as printed on keyboards.</extracomment>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <extracomment>Spoken name of the second function printed above the sin key, which SHIFT selects.</extracomment>
        <translation>arc sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <extracomment>Spoken name of the cos key. A screen reader reads it.</extracomment>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>F8</source>
        <extracomment>Keyboard key F8, a function key, in the spoken description of the calculator key it presses. Keep &quot;F8&quot; as printed on keyboards.</extracomment>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <extracomment>Spoken name of the second function printed above the cos key, which SHIFT selects.</extracomment>
        <translation>arc cosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <extracomment>Spoken name of the tan key. A screen reader reads it.</extracomment>
        <translation>tangente</translation>
    </message>
    <message>
        <source>F9</source>
        <extracomment>Keyboard key F9, a function key, in the spoken description of the calculator key it presses. Keep &quot;F9&quot; as printed on keyboards.</extracomment>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <extracomment>Spoken name of the second function printed above the tan key, which SHIFT selects.</extracomment>
        <translation>arc tangente</translation>
    </message>
    <message>
        <source>open bracket</source>
        <extracomment>Spoken name of the key that opens a bracket in the calculation. A screen reader reads it.</extracomment>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <extracomment>Keyboard key &quot;left square bracket&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <source>close bracket</source>
        <extracomment>Spoken name of the key that closes a bracket in the calculation. A screen reader reads it.</extracomment>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <extracomment>Keyboard key &quot;right square bracket&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <source>memory in</source>
        <extracomment>Spoken name of the Min key, which stores the displayed number in a memory slot. A screen reader reads it.</extracomment>
        <translation>mise en mémoire</translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Keyboard key Insert, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Inser</translation>
    </message>
    <message>
        <source>memory recall</source>
        <extracomment>Spoken name of the MR key, which puts a stored number on the display. A screen reader reads it.</extracomment>
        <translation>rappel mémoire</translation>
    </message>
    <message>
        <source>Page Up</source>
        <extracomment>Keyboard key Page Up, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>Spoken name of the C key, which clears the number being typed and keeps the calculation. A screen reader reads it.</extracomment>
        <translation>effacer la saisie</translation>
    </message>
    <message>
        <source>all clear</source>
        <extracomment>Spoken name of the AC key, which clears everything. A screen reader reads it.</extracomment>
        <translation>tout effacer</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Keyboard key Home, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Début</translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>Spoken name of the addition key. A screen reader reads it.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <extracomment>Keyboard key &quot;keypad plus&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>plus du pavé numérique</translation>
    </message>
    <message>
        <source>minus</source>
        <extracomment>Spoken name of the subtraction key. A screen reader reads it.</extracomment>
        <translation>moins</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <extracomment>Keyboard key &quot;keypad minus&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>moins du pavé numérique</translation>
    </message>
    <message>
        <source>multiply</source>
        <extracomment>Spoken name of the multiplication key. A screen reader reads it.</extracomment>
        <translation>fois</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <extracomment>Keyboard key &quot;keypad multiply&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>multiplication du pavé numérique</translation>
    </message>
    <message>
        <source>divide</source>
        <extracomment>Spoken name of the division key. A screen reader reads it.</extracomment>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <extracomment>Keyboard key &quot;keypad divide&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>division du pavé numérique</translation>
    </message>
    <message>
        <source>decimal point</source>
        <extracomment>Spoken name of the decimal point key. A screen reader reads it.</extracomment>
        <translation>point décimal</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <extracomment>Keyboard key &quot;keypad decimal point&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>touche décimale du pavé numérique</translation>
    </message>
    <message>
        <source>exponent</source>
        <extracomment>Spoken name of the EXP key, which starts the power of ten of the number being typed. A screen reader reads it.</extracomment>
        <translation>exposant</translation>
    </message>
    <message>
        <source>Page Down</source>
        <extracomment>Keyboard key Page Down, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <extracomment>Spoken note on the EXP key: pressed before any digit it puts pi on the display.</extracomment>
        <translation>sans saisie&#xa0;: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <extracomment>Spoken name of the = key. A screen reader reads it.</extracomment>
        <translation>égal</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Keyboard key Enter, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>constants</source>
        <extracomment>Spoken name of the Co key, which opens the list of constants. A screen reader reads it.</extracomment>
        <translation>constantes</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Keyboard key N, the letter key, in the spoken description of the calculator key it presses. Keep the letter N: it is the key to press.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>Tool tip of a calculator key: %1 is what the key does, as its spoken name (&quot;sine&quot;), %2 the keyboard key that presses it (&quot;F7&quot;), both translated elsewhere.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left (Arabic, Hebrew), &quot;LTR&quot; in every other.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <extracomment>Message box after a division by zero; it then clears the calculator.</extracomment>
        <translation>Division par zéro&#xa0;!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <extracomment>Message box when a result or an argument lies outside what the calculator can hold (an exponent beyond 99, a power too large).</extracomment>
        <translation>Hors limites&#xa0;!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <extracomment>Message box when the factorial key (SHIFT 1/x) is pressed on a number that is not a whole number from 0 up.</extracomment>
        <translation>Ce n’est pas un entier positif&#xa0;!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <extracomment>Message box when log, ln or the square root is pressed on a number that is zero or negative.</extracomment>
        <translation>Ce n’est pas un nombre positif&#xa0;!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <extracomment>Message box of the sin, cos and tan keys when their argument is outside the function&apos;s range (arc sine of 2). Unlike the general message it has no &quot;!&quot;: keep the two apart.</extracomment>
        <translation>Hors limites</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <extracomment>Message box after Settings &gt; Paste when the clipboard holds no number. Keep the blank at the end.</extracomment>
        <translation>Les données collées ne sont pas un nombre </translation>
    </message>
    <message>
        <source>Settings could not be saved to %1.</source>
        <extracomment>Message box when the calculator ends and cannot write its settings file (memory slots, window place, modes); what the file held before is kept. %1 is the file&apos;s path.</extracomment>
        <translation>Impossible d’enregistrer les paramètres dans %1.</translation>
    </message>
    <message>
        <source>Save a number</source>
        <extracomment>Title of the memory dialog opened by the &quot;Min&quot; key, which stores the displayed number in a slot.</extracomment>
        <translation>Enregistrer un nombre</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <extracomment>Title of the memory dialog opened by the &quot;MR&quot; key, which puts a stored number on the display.</extracomment>
        <translation>Rappeler un nombre</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <extracomment>Title of the list of constants opened by the &quot;Co&quot; key.</extracomment>
        <translation>Charger une constante</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <extracomment>Title of the name and value dialog when it adds a constant to the list.</extracomment>
        <translation>Ajouter une nouvelle constante</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <extracomment>Title of the name and value dialog when it changes the selected constant.</extracomment>
        <translation>Modifier une constante</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <extracomment>Message box when the file of constants (the &quot;Co&quot; key&apos;s list) cannot be read. &quot;Database&quot; means that file.</extracomment>
        <translation>Impossible de charger la base de constantes&#xa0;!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <extracomment>Message box when some lines of the file of constants could not be read; the others are listed.</extracomment>
        <translation>La base de constantes contient des erreurs&#xa0;!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <extracomment>Message box of the dialog that adds or modifies a constant, when OK is pressed with a field empty.</extracomment>
        <translation>Indiquez le nom et la valeur de la constante.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <extracomment>Message box of the dialog that adds or modifies a constant, when its value is not a number.</extracomment>
        <translation>La valeur de la constante n’est pas un nombre&#xa0;!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <extracomment>Message box of the dialog that adds or modifies a constant. The &quot;=&quot; is the character itself: keep it, in the quotation marks of your language.</extracomment>
        <translation>Le nom d’une constante ne peut contenir ni «&#xa0;=&#xa0;» ni saut de ligne.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <extracomment>Message box when the file of constants cannot be written; nothing is lost, the list keeps the changes.</extracomment>
        <translation>Impossible d’enregistrer la base de constantes&#xa0;! L’ancien fichier est conservé et vos modifications restent dans la liste.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <extracomment>Tip of the notification-area (tray) icon while the calculator&apos;s window is hidden in it. &quot;Trellum&quot; is the program&apos;s name: keep it.</extracomment>
        <translation>Trellum (masqué)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <extracomment>Message box when another program changed the file of constants while its list was open; the list was saved and the other program&apos;s version kept in a copy. %1 is the copy&apos;s file name (a path).</extracomment>
        <translation>Le fichier des constantes a été modifié par un autre programme pendant que cette liste était ouverte. Cette version est conservée sous le nom %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Menu bar: the first menu (copy, paste, compact window, hide, always on top). &amp; marks the Alt key letter.</extracomment>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Settings menu: copies the displayed number to the clipboard (Ctrl+C).</extracomment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Settings menu: puts a number from the clipboard on the display (Ctrl+V).</extracomment>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <extracomment>Settings menu: shrinks the window to the display alone (compact mode, Ctrl+S). Not &quot;minimise&quot;: the window stays on screen.</extracomment>
        <translation>Mo&amp;de compact</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <extracomment>Settings menu: hides the window into its notification-area (tray) icon.</extracomment>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <extracomment>Settings menu, a check item: keeps the window above all others.</extracomment>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar: the second menu, with the About item.</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Help menu and the tray icon&apos;s menu: opens the About box.</extracomment>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The tray icon&apos;s menu: ends the program.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <extracomment>Tip of the Settings menu&apos;s Shrink item. %1 is its shortcut as the menu shows it (Ctrl+S).</extracomment>
        <translation>Affichage seul ; appuyez de nouveau sur %1 pour retrouver les touches</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <extracomment>Tip and spoken description of the greyed &quot;Always On Top&quot; item on Wayland. &quot;Wayland&quot; and &quot;X11&quot; are names of display systems: keep them.</extracomment>
        <translation>Indisponible sous Wayland, qui ne garde aucune fenêtre au-dessus des autres ; lancez le programme sous X11 pour l’utiliser</translation>
    </message>
</context>
</TS>
