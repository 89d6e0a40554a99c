<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>О программе Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Выберите константу:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Добавить/изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Очистить память</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Выберите ячейку памяти:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Значение:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Константы</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Ячейки памяти</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>ячейка %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum версии %1</translation>
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
        <translation>гиперболический</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>память</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градусы</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>радианы</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>грады</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>открытых скобок: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 умножить на десять в степени %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1: выключено</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>скрыто в области уведомлений</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>свёрнуто</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>компактное окно</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>полное окно</translation>
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
        <translation>включает или выключает вторые функции log, ln, 1/x, sin, cos и tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>стереть последнюю цифру</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>единицы углов</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>переключает градусы, радианы и грады</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>градусы минуты секунды</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выключить</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>квадрат</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>квадратный корень</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x в степени y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>десятичный логарифм</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>десять в степени x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>натуральный логарифм</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e в степени x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>смена знака</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>обратная величина</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>факториал</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>гиперболический</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>включает или выключает гиперболические варианты sin, cos и tan</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>синус</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>арксинус</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>гиперболический синус</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>гиперболический арксинус</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>косинус</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>арккосинус</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>гиперболический косинус</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>гиперболический арккосинус</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>тангенс</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>арктангенс</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>гиперболический тангенс</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>гиперболический арктангенс</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>открывающая скобка</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>открывающая квадратная скобка</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>закрывающая скобка</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>закрывающая квадратная скобка</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>запись в память</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>чтение из памяти</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>очистить ввод</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>очистить всё</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>плюс на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>минус на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>умножить</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>умножение на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>разделить</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>деление на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>десятичная точка</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>десятичный разделитель на цифровой клавиатуре</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>порядок</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>без ввода: пи</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>равно</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>константы</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>с shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>с hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>с shift и hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Деление на ноль!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Вне допустимого диапазона!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Это не целое положительное число!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Это не положительное число!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Вставленные данные не являются числом </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Сохранить число</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Вызвать число</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Загрузить константу</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Добавить новую константу</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Изменить константу</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Не удаётся загрузить базу констант!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>База констант содержит ошибки!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Введите имя и значение константы.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Значение константы не является числом!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Имя константы не может содержать «=» или перевод строки.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Не удаётся сохранить базу констант! Старый файл сохранён, а ваши изменения остаются в списке.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (скрыт)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Файл констант был изменён другой программой, пока этот список был открыт. Та версия сохранена как %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставить</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Компактный &amp;режим</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Скрыть</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>Поверх всех &amp;окон</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Только дисплей; ещё раз %1 — и клавиши вернутся</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Недоступно в Wayland: там окно не может оставаться поверх других; запустите программу в X11</translation>
    </message>
</context>
</TS>
