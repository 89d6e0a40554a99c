<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Acerca de Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Elija una constante:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Añadir/&amp;modificar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Vaciar memoria</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Elija una posición de memoria:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Posiciones de memoria</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>posición %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum versión %1</translation>
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
        <translation>hiperbólico</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>memoria</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radianes</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>gradianes</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>paréntesis abiertos: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 por diez elevado a %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1: desactivado</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>oculta en la bandeja del sistema</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>minimizada</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>ventana compacta</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>ventana completa</translation>
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
        <translation>Mayús</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <translation>activa o desactiva las segundas funciones de log, ln, 1/x, sin, cos y tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>borrar el último dígito</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>modo angular</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>cambia entre grados, radianes y gradianes</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>grados minutos segundos</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagar</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x elevado a y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritmo decimal</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>diez elevado a x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e elevado a x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>cambiar signo</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>recíproco</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorial</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hiperbólico</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>activa o desactiva las formas hiperbólicas de sin, cos y tan</translation>
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
        <translation>seno hiperbólico</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>arcoseno hiperbólico</translation>
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
        <translation>coseno hiperbólico</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>arcocoseno hiperbólico</translation>
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
        <translation>tangente hiperbólica</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>arcotangente hiperbólica</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abrir paréntesis</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>corchete de apertura</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>cerrar paréntesis</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>corchete de cierre</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>guardar en memoria</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>recuperar de memoria</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>borrar entrada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>borrar todo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>más del teclado numérico</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>menos del teclado numérico</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>por</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>multiplicación del teclado numérico</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>división del teclado numérico</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>punto decimal</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>tecla decimal del teclado numérico</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exponente</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>sin nada escrito: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
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
        <translation>con shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>con hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>con shift y hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>¡División por cero!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>¡Fuera de rango!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>¡No es un entero positivo!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>¡No es un número positivo!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Los datos pegados no son un número </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Guardar un número</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Recuperar un número</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Cargar una constante</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Añadir una constante nueva</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Modificar una constante</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>¡No se puede cargar la base de constantes!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>¡La base de constantes contiene errores!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Escriba el nombre y el valor de la constante.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>¡El valor de la constante no es un número!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>El nombre de una constante no puede contener «=» ni saltos de línea.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>¡No se puede guardar la base de constantes! Se conserva el archivo anterior y sus cambios siguen en la lista.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (oculto)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Otro programa modificó el archivo de constantes mientras esta lista estaba abierta. Esa versión se conserva como %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Modo co&amp;mpacto</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Siempre &amp;visible</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Solo la pantalla; pulse %1 de nuevo para recuperar las teclas</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>No disponible en Wayland, que no mantiene ninguna ventana por encima de las demás; ejecútelo en X11 para usarlo</translation>
    </message>
</context>
</TS>
