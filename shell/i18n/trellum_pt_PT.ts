<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Acerca do Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Escolha uma constante:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Adicionar/alterar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Limpar memória</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Escolha uma posição de memória:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>Concl&amp;uído</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
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
        <translation>Posições de memória</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>posição %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum versão %1</translation>
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
        <translation>memória</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graus</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radianos</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visor</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>parênteses abertos: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 vezes dez elevado a %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 desativado</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>oculta na área de notificação</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>minimizada</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>janela compacta</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>janela completa</translation>
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
        <translation>ativa ou desativa as segundas funções de log, ln, 1/x, sin, cos e tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>apagar o último algarismo</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>unidade de ângulo</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>alterna entre graus, radianos e grados</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>graus minutos segundos</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligar</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrado</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>raiz quadrada</translation>
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
        <translation>dez elevado a x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo neperiano</translation>
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
        <translation>trocar o sinal</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverso</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>fatorial</translation>
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
        <translation>ativa ou desativa as formas hiperbólicas de sin, cos e tan</translation>
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
        <translation>arco seno</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>seno hiperbólico</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>seno hiperbólico inverso</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosseno</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arco cosseno</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>cosseno hiperbólico</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>cosseno hiperbólico inverso</translation>
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
        <translation>arco tangente</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>tangente hiperbólica</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>tangente hiperbólica inversa</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abrir parêntese</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>abrir parêntese reto</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>fechar parêntese</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>fechar parêntese reto</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>guardar na memória</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>obter da memória</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>limpar entrada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>limpar tudo</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>mais do teclado numérico</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>menos do teclado numérico</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>multiplicação do teclado numérico</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>a dividir por</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>divisão do teclado numérico</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>ponto decimal</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>tecla decimal do teclado numérico</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>expoente</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>sem nada introduzido: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
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
        <translation>com shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>com hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>com shift e hyp: %1</translation>
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
        <translation>Divisão por zero!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Fora do intervalo!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Não é um número inteiro positivo!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Não é um número positivo!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Fora do intervalo</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Os dados colados não são um número </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Guardar um número</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Obter um número</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Carregar uma constante</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Adicionar uma nova constante</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Alterar uma constante</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Não é possível carregar a base de dados de constantes!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>A base de dados de constantes contém erros!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Preencha o nome e o valor da constante.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>O valor da constante não é um número!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>O nome de uma constante não pode conter «=» nem uma quebra de linha.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Não é possível guardar a base de dados de constantes! O ficheiro anterior foi mantido e as suas alterações continuam na lista.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (oculto)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>O ficheiro de constantes foi alterado por outro programa enquanto esta lista estava aberta. Essa versão foi guardada como %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Definições</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Modo co&amp;mpacto</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>Ocu&amp;ltar</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Sempre &amp;visível</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Só o visor; prima %1 de novo para voltar a mostrar as teclas</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Indisponível no Wayland, que não mantém nenhuma janela acima das outras; execute no X11 para o utilizar</translation>
    </message>
</context>
</TS>
