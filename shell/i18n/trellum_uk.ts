<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Про Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Виберіть константу:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Додати/змінити</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Вилучити</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;Очистити пам’ять</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Виберіть комірку пам’яті:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Готово</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Значення:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Константи</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Комірки пам’яті</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>комірка %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum версія %1</translation>
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
        <translation>гіперболічні функції</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>пам’ять</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градуси</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>радіани</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>гради</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Дисплей</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>відкриті дужки: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 помножити на десять у степені %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>вимкнено: %1</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>сховано в області сповіщень</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>згорнуто</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>компактне вікно</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>повне вікно</translation>
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
        <translation>вмикає або вимикає другі функції log, ln, 1/x, sin, cos і tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>видалити останню цифру</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>одиниці кутів</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>перемикає між градусами, радіанами і градами</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>градуси мінути секунди</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>вимкнути</translation>
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
        <translation>квадратний корінь</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x у степені y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>десятковий логарифм</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>десять у степені x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>натуральний логарифм</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e у степені x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>зміна знака</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>обернене число</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>факторіал</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>гіперболічні функції</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>вмикає або вимикає гіперболічні форми sin, cos і tan</translation>
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
        <translation>гіперболічний синус</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>обернений гіперболічний синус</translation>
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
        <translation>гіперболічний косинус</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>обернений гіперболічний косинус</translation>
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
        <translation>гіперболічний тангенс</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>обернений гіперболічний тангенс</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>ліва дужка</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>ліва квадратна дужка</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>права дужка</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>права квадратна дужка</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>запис у пам’ять</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>виклик з пам’яті</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>очистити введення</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>очистити все</translation>
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
        <translation>плюс на цифровій клавіатурі</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>мінус</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>мінус на цифровій клавіатурі</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>помножити</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>множення на цифровій клавіатурі</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>поділити</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>ділення на цифровій клавіатурі</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>десяткова крапка</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>десятковий роздільник на цифровій клавіатурі</translation>
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
        <translation>без введення: пі</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>дорівнює</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>константи</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>із shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>із hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>із shift і hyp: %1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>Ділення на нуль!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Поза діапазоном!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Потрібне додатне ціле число!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Потрібне додатне число!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Поза діапазоном</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Вставлені дані не є числом </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Зберегти число</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Викликати число</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Завантажити константу</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Додати нову константу</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Змінити константу</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Не вдалося завантажити базу констант!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>База констант містить помилки!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Заповніть назву і значення константи.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Значення константи не є числом!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Назва константи не може містити «=» або розрив рядка.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Не вдалося зберегти базу констант! Старий файл збережено, а ваші зміни залишаються у списку.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (сховано)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Поки цей список був відкритий, файл констант змінила інша програма. Її версію збережено як %1.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставити</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Компактний &amp;режим</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Сховати</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>&amp;Завжди згори</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Про програму...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вийти</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Лише дисплей; натисніть %1 ще раз, щоб повернути клавіші</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Недоступно у Wayland, який не тримає жодного вікна над іншими; щоб скористатися, запустіть під X11</translation>
    </message>
</context>
</TS>
