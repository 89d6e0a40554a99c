<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Qt: the windowing system (xcb, wayland, offscreen, ...).</source>
        <extracomment>Help of the -platform option, printed by &quot;trellum --help&quot;; keep &quot;Qt:&quot; and the names in brackets.</extracomment>
        <translation>Qt：視窗系統（xcb、wayland、offscreen 等）。</translation>
    </message>
    <message>
        <source>Qt: the X display to use (on xcb).</source>
        <extracomment>Help of the -display option: the X server&apos;s display, not the calculator&apos;s.</extracomment>
        <translation>Qt：要使用的 X 顯示器（xcb 下）。</translation>
    </message>
    <message>
        <source>Qt: the widget style (Fusion, Windows, ...).</source>
        <extracomment>Help of the -style option; keep the style names in brackets.</extracomment>
        <translation>Qt：元件樣式（Fusion、Windows 等）。</translation>
    </message>
    <message>
        <source>Qt: a style sheet to apply.</source>
        <extracomment>Help of the -stylesheet option.</extracomment>
        <translation>Qt：要套用的樣式表。</translation>
    </message>
    <message>
        <source>Qt: lay the window out right to left.</source>
        <extracomment>Help of the -reverse option.</extracomment>
        <translation>Qt：由右至左排列視窗。</translation>
    </message>
    <message>
        <source>Trellum, a scientific calculator drawn like a hand-held one.</source>
        <extracomment>Printed by &quot;trellum --help&quot; below its first line.</extracomment>
        <translation>Trellum，外觀如掌上型計算機的工程計算機。</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <extracomment>Help of the -h, --help option.</extracomment>
        <translation>顯示此說明並結束。</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <extracomment>Help of the -v, --version option.</extracomment>
        <translation>顯示版本並結束。</translation>
    </message>
    <message>
        <source>Hide the running calculator to the tray when it is shown, else show it; start it when none runs.</source>
        <extracomment>Help of the --toggle option, for a desktop&apos;s keyboard shortcut.</extracomment>
        <translation>如果執行中的計算機正在顯示，就將它隱藏到系統匣，否則顯示它；若沒有執行中的計算機則啟動它。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <extracomment>First line of &quot;trellum --help&quot;; %1 is the program&apos;s name, &quot;trellum&quot;. Keep &quot;[ ]&quot;.</extracomment>
        <translation>用法：%1 [選項]</translation>
    </message>
    <message>
        <source>Options:</source>
        <extracomment>Heading of the option list of &quot;trellum --help&quot;.</extracomment>
        <translation>選項：</translation>
    </message>
</context>
<context>
    <name>Constants</name>
    <message>
        <source>c speed of light</source>
        <extracomment>The speed of light in vacuum (symbol c).</extracomment>
        <translation>c 光速</translation>
    </message>
    <message>
        <source>h Planck</source>
        <extracomment>The Planck constant (symbol h).</extracomment>
        <translation>h 普朗克常數</translation>
    </message>
    <message>
        <source>hbar Planck/(2 pi)</source>
        <extracomment>The reduced Planck constant; keep &quot;/(2 pi)&quot; (symbol hbar).</extracomment>
        <translation>hbar 普朗克常數/(2 pi)</translation>
    </message>
    <message>
        <source>e elementary charge</source>
        <extracomment>The elementary charge (symbol e).</extracomment>
        <translation>e 基本電荷</translation>
    </message>
    <message>
        <source>NA Avogadro</source>
        <extracomment>The Avogadro constant (symbol NA).</extracomment>
        <translation>NA 亞佛加厥常數</translation>
    </message>
    <message>
        <source>k Boltzmann</source>
        <extracomment>The Boltzmann constant (symbol k).</extracomment>
        <translation>k 波茲曼常數</translation>
    </message>
    <message>
        <source>R molar gas</source>
        <extracomment>The molar gas constant (symbol R).</extracomment>
        <translation>R 理想氣體常數</translation>
    </message>
    <message>
        <source>F Faraday</source>
        <extracomment>The Faraday constant (symbol F).</extracomment>
        <translation>F 法拉第常數</translation>
    </message>
    <message>
        <source>G gravitation</source>
        <extracomment>The Newtonian constant of gravitation (symbol G).</extracomment>
        <translation>G 萬有引力常數</translation>
    </message>
    <message>
        <source>g standard gravity</source>
        <extracomment>The standard acceleration of gravity (symbol g).</extracomment>
        <translation>g 標準重力加速度</translation>
    </message>
    <message>
        <source>me electron mass</source>
        <extracomment>The electron mass (symbol me).</extracomment>
        <translation>me 電子質量</translation>
    </message>
    <message>
        <source>mp proton mass</source>
        <extracomment>The proton mass (symbol mp).</extracomment>
        <translation>mp 質子質量</translation>
    </message>
    <message>
        <source>mn neutron mass</source>
        <extracomment>The neutron mass (symbol mn).</extracomment>
        <translation>mn 中子質量</translation>
    </message>
    <message>
        <source>u atomic mass unit</source>
        <extracomment>The atomic mass unit (symbol u).</extracomment>
        <translation>u 原子質量單位</translation>
    </message>
    <message>
        <source>eps0 electric const</source>
        <extracomment>The vacuum electric permittivity (symbol eps0).</extracomment>
        <translation>eps0 真空電容率</translation>
    </message>
    <message>
        <source>mu0 magnetic const</source>
        <extracomment>The vacuum magnetic permeability (symbol mu0).</extracomment>
        <translation>mu0 真空磁導率</translation>
    </message>
    <message>
        <source>alpha fine-structure</source>
        <extracomment>The fine-structure constant (symbol alpha).</extracomment>
        <translation>alpha 精細結構常數</translation>
    </message>
    <message>
        <source>a0 Bohr radius</source>
        <extracomment>The Bohr radius (symbol a0).</extracomment>
        <translation>a0 波耳半徑</translation>
    </message>
    <message>
        <source>sigma Stefan-Boltzmann</source>
        <extracomment>The Stefan-Boltzmann constant (symbol sigma).</extracomment>
        <translation>sigma 史特凡-波茲曼常數</translation>
    </message>
    <message>
        <source>atm standard pressure</source>
        <extracomment>The standard atmosphere (symbol atm).</extracomment>
        <translation>atm 標準大氣壓</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <extracomment>Title of the About box. &quot;Trellum&quot; is the program&apos;s name: keep it.</extracomment>
        <translation>關於 Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>Button of a dialog: accepts it. &amp; marks the Alt key letter.</extracomment>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <extracomment>Prompt above the list of constants (the &quot;Co&quot; key&apos;s dialog).</extracomment>
        <translation>選擇常數：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>Button of a dialog: closes it without a change.</extracomment>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <extracomment>Button of the constants dialog: opens the name and value dialog, which adds a new constant or, with one selected, modifies it; say both in one word if your language can.</extracomment>
        <translation>新增/修改(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <extracomment>Button of the constants dialog: deletes the selected constant.</extracomment>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <extracomment>Menu of the memory dialog, holding &quot;Flush Memory&quot;.</extracomment>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <extracomment>Item of the memory dialog&apos;s Option menu: sets all ten memory slots to 0.</extracomment>
        <translation>清除記憶體(&amp;F)</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <extracomment>Prompt above the list of the ten memory slots.</extracomment>
        <translation>選擇記憶位置：</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <extracomment>Button of the memory dialog: stores into or recalls from the selected slot and closes.</extracomment>
        <translation>完成(&amp;D)</translation>
    </message>
    <message>
        <source>slot %1 holds %2</source>
        <extracomment>Spoken for a line of the memory dialog&apos;s list: %1 the slot&apos;s number (1 to 10), %2 the number stored in it, as the screen reader reads numbers.</extracomment>
        <translation>位置 %1 存有 %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Label of the name field in the dialog that adds or modifies a constant.</extracomment>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>Values:</source>
        <extracomment>Label of the value field in the dialog that adds or modifies a constant (one number).</extracomment>
        <translation>數值：</translation>
    </message>
    <message>
        <source>Constants</source>
        <extracomment>Accessible name of the list of constants, said by a screen reader.</extracomment>
        <translation>常數</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <extracomment>Accessible name of the list of memory slots, said by a screen reader.</extracomment>
        <translation>記憶位置</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <extracomment>The About box: the program&apos;s name and %1 its version number (2.1.0). Keep &quot;Trellum&quot;.</extracomment>
        <translation>Trellum 版本 %1</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>shift</source>
        <extracomment>The display&apos;s &quot;S&quot; indicator (the calculator&apos;s SHIFT key armed): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>shift off</source>
        <extracomment>Spoken when the display&apos;s &quot;S&quot; indicator goes out: the calculator&apos;s SHIFT key is no longer armed.</extracomment>
        <translation>Shift 關閉</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <extracomment>The display&apos;s &quot;hyp&quot; indicator (the hyperbolic functions armed): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>雙曲</translation>
    </message>
    <message>
        <source>hyperbolic off</source>
        <extracomment>Spoken when the display&apos;s &quot;hyp&quot; indicator goes out.</extracomment>
        <translation>雙曲關閉</translation>
    </message>
    <message>
        <source>memory</source>
        <extracomment>The display&apos;s &quot;M&quot; indicator (a number stored in the memory): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>記憶體</translation>
    </message>
    <message>
        <source>memory off</source>
        <extracomment>Spoken when the display&apos;s &quot;M&quot; indicator goes out: the memory is empty.</extracomment>
        <translation>記憶體已清空</translation>
    </message>
    <message>
        <source>degrees</source>
        <extracomment>The display&apos;s &quot;D&quot; indicator (angles in degrees): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>度</translation>
    </message>
    <message>
        <source>degrees off</source>
        <extracomment>Spoken when the display&apos;s &quot;D&quot; indicator goes out without another lighting.</extracomment>
        <translation>度模式關閉</translation>
    </message>
    <message>
        <source>radians</source>
        <extracomment>The display&apos;s &quot;R&quot; indicator (angles in radians): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>弧度</translation>
    </message>
    <message>
        <source>radians off</source>
        <extracomment>Spoken when the display&apos;s &quot;R&quot; indicator goes out without another lighting.</extracomment>
        <translation>弧度模式關閉</translation>
    </message>
    <message>
        <source>grads</source>
        <extracomment>The display&apos;s &quot;G&quot; indicator (angles in grads): spoken when it lights, listed in the display&apos;s description while lit.</extracomment>
        <translation>梯度</translation>
    </message>
    <message>
        <source>grads off</source>
        <extracomment>Spoken when the display&apos;s &quot;G&quot; indicator goes out without another lighting.</extracomment>
        <translation>梯度模式關閉</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Accessible name of the calculator&apos;s display panel, said before its number.</extracomment>
        <translation>顯示幕</translation>
    </message>
    <message>
        <source>Display %1</source>
        <extracomment>Said after the &quot;=&quot; key&apos;s description: the number on the display, %1, which that key would work on. &quot;Display&quot; names the calculator&apos;s display panel.</extracomment>
        <translation>顯示幕 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n open bracket(s)</source>
        <extracomment>Spoken for the display while brackets are open and no number is typed yet: %n is how many are open.</extracomment>
        <translation>
            <numerusform>%n 個未閉合的括號</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <extracomment>Spoken for a number with an exponent, 1.5E-07: %1 the digits before the exponent (1.5), %2 the power of ten (-7).</extracomment>
        <translation>%1 乘以 10 的 %2 次方</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <extracomment>Spoken when the window hides into its notification-area (tray) icon.</extracomment>
        <translation>已隱藏到系統匣</translation>
    </message>
    <message>
        <source>minimised</source>
        <extracomment>Spoken when the window is minimised instead, for want of a notification area.</extracomment>
        <translation>已最小化</translation>
    </message>
    <message>
        <source>compact window</source>
        <extracomment>Spoken when the window shrinks to the display alone (compact mode).</extracomment>
        <translation>精簡視窗</translation>
    </message>
    <message>
        <source>full window</source>
        <extracomment>Spoken when the window leaves compact mode and shows its keypad again.</extracomment>
        <translation>完整視窗</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>shift</source>
        <extracomment>Spoken name of the calculator&apos;s own SHIFT key on the keypad, which arms the second functions; not the keyboard&apos;s Shift key. A screen reader reads it.</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <extracomment>Spoken note on the SHIFT key. log, ln, 1/x, sin, cos and tan are the keys&apos; captions: keep them.</extracomment>
        <translation>開啟或關閉 log、ln、1/x、sin、cos 和 tan 的第二功能</translation>
    </message>
    <message>
        <source>delete</source>
        <extracomment>Spoken name of the DEL key, which removes the last typed digit. A screen reader reads it.</extracomment>
        <translation>刪除最後一位數</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>keyboard key</comment>
        <extracomment>The computer keyboard&apos;s Shift key, in the spoken description of the calculator key it presses; not the calculator&apos;s &quot;shift&quot; key. Use the name printed on keyboards in your language.</extracomment>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Backspace</source>
        <extracomment>Keyboard key Backspace, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>keyboard key</comment>
        <extracomment>The computer keyboard&apos;s Delete key, in the spoken description of the calculator key it presses; not the calculator&apos;s &quot;delete&quot; key. Use the name printed on keyboards in your language.</extracomment>
        <translation>Delete</translation>
    </message>
    <message>
        <source>angle mode</source>
        <extracomment>Spoken name of the MODE key, which picks degrees, radians or grads. A screen reader reads it.</extracomment>
        <translation>角度單位</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Keyboard key M, the letter key, in the spoken description of the calculator key it presses. Keep the letter M: it is the key to press.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <extracomment>Spoken note on the MODE key: the three angle units it cycles through.</extracomment>
        <translation>在度、弧度和梯度之間切換</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <extracomment>Spoken name of the key that turns degrees, minutes and seconds into decimal degrees. A screen reader reads it.</extracomment>
        <translation>度分秒</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>Keyboard key D, the letter key, in the spoken description of the calculator key it presses. Keep the letter D: it is the key to press.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>Spoken name of the OFF key, which ends the program. A screen reader reads it.</extracomment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>Keyboard key End, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <extracomment>Spoken name of the x squared key. A screen reader reads it.</extracomment>
        <translation>平方</translation>
    </message>
    <message>
        <source>F2</source>
        <extracomment>Keyboard key F2, a function key, in the spoken description of the calculator key it presses. Keep &quot;F2&quot; as printed on keyboards.</extracomment>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <extracomment>Spoken name of the square root key. A screen reader reads it.</extracomment>
        <translation>平方根</translation>
    </message>
    <message>
        <source>F3</source>
        <extracomment>Keyboard key F3, a function key, in the spoken description of the calculator key it presses. Keep &quot;F3&quot; as printed on keyboards.</extracomment>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <extracomment>Spoken name of the x to the power y key; x and y are the names of the two numbers. A screen reader reads it.</extracomment>
        <translation>x 的 y 次方</translation>
    </message>
    <message>
        <source>F4</source>
        <extracomment>Keyboard key F4, a function key, in the spoken description of the calculator key it presses. Keep &quot;F4&quot; as printed on keyboards.</extracomment>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <extracomment>Spoken name of the log key (logarithm to base 10). A screen reader reads it.</extracomment>
        <translation>常用對數</translation>
    </message>
    <message>
        <source>F5</source>
        <extracomment>Keyboard key F5, a function key, in the spoken description of the calculator key it presses. Keep &quot;F5&quot; as printed on keyboards.</extracomment>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <extracomment>Spoken name of the second function printed above the log key, which SHIFT selects.</extracomment>
        <translation>10 的 x 次方</translation>
    </message>
    <message>
        <source>with shift: ten to the power x</source>
        <extracomment>Spoken part of the log key&apos;s description: what SHIFT makes of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>按 Shift 後：10 的 x 次方</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <extracomment>Spoken name of the ln key (logarithm to base e). A screen reader reads it.</extracomment>
        <translation>自然對數</translation>
    </message>
    <message>
        <source>F6</source>
        <extracomment>Keyboard key F6, a function key, in the spoken description of the calculator key it presses. Keep &quot;F6&quot; as printed on keyboards.</extracomment>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <extracomment>Spoken name of the second function printed above the ln key, which SHIFT selects.</extracomment>
        <translation>e 的 x 次方</translation>
    </message>
    <message>
        <source>with shift: e to the power x</source>
        <extracomment>Spoken part of the ln key&apos;s description: what SHIFT makes of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>按 Shift 後：e 的 x 次方</translation>
    </message>
    <message>
        <source>with shift: factorial</source>
        <extracomment>Spoken part of the reciprocal key&apos;s description: what SHIFT makes of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>按 Shift 後：階乘</translation>
    </message>
    <message>
        <source>with shift: arc sine; with hyp: hyperbolic sine; with shift and hyp: inverse hyperbolic sine</source>
        <extracomment>Spoken part of the sin key&apos;s description: what SHIFT, hyp and both together make of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>按 Shift 後：反正弦；按 hyp 後：雙曲正弦；按 Shift 和 hyp 後：反雙曲正弦</translation>
    </message>
    <message>
        <source>with shift: arc cosine; with hyp: hyperbolic cosine; with shift and hyp: inverse hyperbolic cosine</source>
        <extracomment>Spoken part of the cos key&apos;s description: what SHIFT, hyp and both together make of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>按 Shift 後：反餘弦；按 hyp 後：雙曲餘弦；按 Shift 和 hyp 後：反雙曲餘弦</translation>
    </message>
    <message>
        <source>with shift: arc tangent; with hyp: hyperbolic tangent; with shift and hyp: inverse hyperbolic tangent</source>
        <extracomment>Spoken part of the tan key&apos;s description: what SHIFT, hyp and both together make of the key. &quot;shift&quot; and &quot;hyp&quot; name the calculator&apos;s SHIFT and hyp keys.</extracomment>
        <translation>按 Shift 後：反正切；按 hyp 後：雙曲正切；按 Shift 和 hyp 後：反雙曲正切</translation>
    </message>
    <message>
        <source>change sign</source>
        <extracomment>Spoken name of the +/- key. A screen reader reads it.</extracomment>
        <translation>變換正負號</translation>
    </message>
    <message>
        <source>F1</source>
        <extracomment>Keyboard key F1, a function key, in the spoken description of the calculator key it presses. Keep &quot;F1&quot; as printed on keyboards.</extracomment>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <extracomment>Spoken name of the 1/x key. A screen reader reads it.</extracomment>
        <translation>倒數</translation>
    </message>
    <message>
        <source>F11</source>
        <extracomment>Keyboard key F11, a function key, in the spoken description of the calculator key it presses. Keep &quot;F11&quot; as printed on keyboards.</extracomment>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <extracomment>Spoken name of the second function printed above the reciprocal key, which SHIFT selects.</extracomment>
        <translation>階乘</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <extracomment>Spoken name of the hyp key, which arms the hyperbolic functions. A screen reader reads it.</extracomment>
        <translation>雙曲</translation>
    </message>
    <message>
        <source>H</source>
        <extracomment>Keyboard key H, the letter key, in the spoken description of the calculator key it presses. Keep the letter H: it is the key to press.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <extracomment>Spoken note on the hyp key. sin, cos and tan are the keys&apos; captions: keep them.</extracomment>
        <translation>開啟或關閉 sin、cos 和 tan 的雙曲形式</translation>
    </message>
    <message>
        <source>sine</source>
        <extracomment>Spoken name of the sin key. A screen reader reads it.</extracomment>
        <translation>正弦</translation>
    </message>
    <message>
        <source>F7</source>
        <extracomment>Keyboard key F7, a function key, in the spoken description of the calculator key it presses. Keep &quot;F7&quot; as printed on keyboards.</extracomment>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <extracomment>Spoken name of the second function printed above the sin key, which SHIFT selects.</extracomment>
        <translation>反正弦</translation>
    </message>
    <message>
        <source>cosine</source>
        <extracomment>Spoken name of the cos key. A screen reader reads it.</extracomment>
        <translation>餘弦</translation>
    </message>
    <message>
        <source>F8</source>
        <extracomment>Keyboard key F8, a function key, in the spoken description of the calculator key it presses. Keep &quot;F8&quot; as printed on keyboards.</extracomment>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <extracomment>Spoken name of the second function printed above the cos key, which SHIFT selects.</extracomment>
        <translation>反餘弦</translation>
    </message>
    <message>
        <source>tangent</source>
        <extracomment>Spoken name of the tan key. A screen reader reads it.</extracomment>
        <translation>正切</translation>
    </message>
    <message>
        <source>F9</source>
        <extracomment>Keyboard key F9, a function key, in the spoken description of the calculator key it presses. Keep &quot;F9&quot; as printed on keyboards.</extracomment>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <extracomment>Spoken name of the second function printed above the tan key, which SHIFT selects.</extracomment>
        <translation>反正切</translation>
    </message>
    <message>
        <source>open bracket</source>
        <extracomment>Spoken name of the key that opens a bracket in the calculation. A screen reader reads it.</extracomment>
        <translation>左括號</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <extracomment>Keyboard key &quot;left square bracket&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>左方括號</translation>
    </message>
    <message>
        <source>close bracket</source>
        <extracomment>Spoken name of the key that closes a bracket in the calculation. A screen reader reads it.</extracomment>
        <translation>右括號</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <extracomment>Keyboard key &quot;right square bracket&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>右方括號</translation>
    </message>
    <message>
        <source>memory in</source>
        <extracomment>Spoken name of the Min key, which stores the displayed number in a memory slot. A screen reader reads it.</extracomment>
        <translation>存入記憶體</translation>
    </message>
    <message>
        <source>Insert</source>
        <extracomment>Keyboard key Insert, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <extracomment>Spoken name of the MR key, which puts a stored number on the display. A screen reader reads it.</extracomment>
        <translation>叫出記憶</translation>
    </message>
    <message>
        <source>Page Up</source>
        <extracomment>Keyboard key Page Up, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <extracomment>Spoken name of the C key, which clears the number being typed and keeps the calculation. A screen reader reads it.</extracomment>
        <translation>清除輸入</translation>
    </message>
    <message>
        <source>all clear</source>
        <extracomment>Spoken name of the AC key, which clears everything. A screen reader reads it.</extracomment>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Keyboard key Home, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <extracomment>Spoken name of the addition key. A screen reader reads it.</extracomment>
        <translation>加</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <extracomment>Keyboard key &quot;keypad plus&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>數字鍵台加號</translation>
    </message>
    <message>
        <source>minus</source>
        <extracomment>Spoken name of the subtraction key. A screen reader reads it.</extracomment>
        <translation>減</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <extracomment>Keyboard key &quot;keypad minus&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>數字鍵台減號</translation>
    </message>
    <message>
        <source>multiply</source>
        <extracomment>Spoken name of the multiplication key. A screen reader reads it.</extracomment>
        <translation>乘</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <extracomment>Keyboard key &quot;keypad multiply&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>數字鍵台乘號</translation>
    </message>
    <message>
        <source>divide</source>
        <extracomment>Spoken name of the division key. A screen reader reads it.</extracomment>
        <translation>除</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <extracomment>Keyboard key &quot;keypad divide&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>數字鍵台除號</translation>
    </message>
    <message>
        <source>decimal point</source>
        <extracomment>Spoken name of the decimal point key. A screen reader reads it.</extracomment>
        <translation>小數點</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <extracomment>Keyboard key &quot;keypad decimal point&quot;, in the spoken description of the calculator key it presses.</extracomment>
        <translation>數字鍵台小數點</translation>
    </message>
    <message>
        <source>exponent</source>
        <extracomment>Spoken name of the EXP key, which starts the power of ten of the number being typed. A screen reader reads it.</extracomment>
        <translation>指數</translation>
    </message>
    <message>
        <source>Page Down</source>
        <extracomment>Keyboard key Page Down, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <extracomment>Spoken note on the EXP key: pressed before any digit it puts pi on the display.</extracomment>
        <translation>未輸入時：圓周率</translation>
    </message>
    <message>
        <source>equals</source>
        <extracomment>Spoken name of the = key. A screen reader reads it.</extracomment>
        <translation>等於</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Keyboard key Enter, in the spoken description of the calculator key it presses. Use the name printed on keyboards in your language.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <extracomment>Spoken name of the Co key, which opens the list of constants. A screen reader reads it.</extracomment>
        <translation>常數</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>Keyboard key N, the letter key, in the spoken description of the calculator key it presses. Keep the letter N: it is the key to press.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>Tool tip of a calculator key: %1 is what the key does, as its spoken name (&quot;sine&quot;), %2 the keyboard key that presses it (&quot;F7&quot;), both translated elsewhere.</extracomment>
        <translation>%1（%2）</translation>
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
        <translation>除數為零！</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <extracomment>Message box when a result or an argument lies outside what the calculator can hold (an exponent beyond 99, a power too large).</extracomment>
        <translation>超出範圍！</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <extracomment>Message box when the factorial key (SHIFT 1/x) is pressed on a number that is not a whole number from 0 up.</extracomment>
        <translation>不是正整數！</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <extracomment>Message box when log, ln or the square root is pressed on a number that is zero or negative.</extracomment>
        <translation>不是正數！</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <extracomment>Message box of the sin, cos and tan keys when their argument is outside the function&apos;s range (arc sine of 2). Unlike the general message it has no &quot;!&quot;: keep the two apart.</extracomment>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <extracomment>Message box after Settings &gt; Paste when the clipboard holds no number. Keep the blank at the end.</extracomment>
        <translation>貼上的資料不是數值 </translation>
    </message>
    <message>
        <source>Settings could not be saved to %1.</source>
        <extracomment>Message box when the calculator ends and cannot write its settings file (memory slots, window place, modes); what the file held before is kept. %1 is the file&apos;s path.</extracomment>
        <translation>無法將設定儲存到 %1。</translation>
    </message>
    <message>
        <source>Save a number</source>
        <extracomment>Title of the memory dialog opened by the &quot;Min&quot; key, which stores the displayed number in a slot.</extracomment>
        <translation>儲存數值</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <extracomment>Title of the memory dialog opened by the &quot;MR&quot; key, which puts a stored number on the display.</extracomment>
        <translation>叫出數值</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <extracomment>Title of the list of constants opened by the &quot;Co&quot; key.</extracomment>
        <translation>載入常數</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <extracomment>Title of the name and value dialog when it adds a constant to the list.</extracomment>
        <translation>新增常數</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <extracomment>Title of the name and value dialog when it changes the selected constant.</extracomment>
        <translation>修改常數</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <extracomment>Message box when the file of constants (the &quot;Co&quot; key&apos;s list) cannot be read. &quot;Database&quot; means that file.</extracomment>
        <translation>無法載入常數資料庫！</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <extracomment>Message box when some lines of the file of constants could not be read; the others are listed.</extracomment>
        <translation>常數資料庫含有錯誤！</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <extracomment>Message box of the dialog that adds or modifies a constant, when OK is pressed with a field empty.</extracomment>
        <translation>請填寫常數的名稱和數值。</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <extracomment>Message box of the dialog that adds or modifies a constant, when its value is not a number.</extracomment>
        <translation>常數的值不是有效數值！</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <extracomment>Message box of the dialog that adds or modifies a constant. The &quot;=&quot; is the character itself: keep it, in the quotation marks of your language.</extracomment>
        <translation>常數名稱不能包含「=」或換行。</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <extracomment>Message box when the file of constants cannot be written; nothing is lost, the list keeps the changes.</extracomment>
        <translation>無法儲存常數資料庫！舊檔案保持不變，您的變更仍保留在清單中。</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <extracomment>Tip of the notification-area (tray) icon while the calculator&apos;s window is hidden in it. &quot;Trellum&quot; is the program&apos;s name: keep it.</extracomment>
        <translation>Trellum（已隱藏）</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <extracomment>Message box when another program changed the file of constants while its list was open; the list was saved and the other program&apos;s version kept in a copy. %1 is the copy&apos;s file name (a path).</extracomment>
        <translation>此清單開啟期間，常數檔案已被其他程式修改。該版本已另存為 %1。</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Menu bar: the first menu (copy, paste, compact window, hide, always on top). &amp; marks the Alt key letter.</extracomment>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Settings menu: copies the displayed number to the clipboard (Ctrl+C).</extracomment>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <extracomment>Settings menu: puts a number from the clipboard on the display (Ctrl+V).</extracomment>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <extracomment>Settings menu: shrinks the window to the display alone (compact mode, Ctrl+S). Not &quot;minimise&quot;: the window stays on screen.</extracomment>
        <translation>精簡模式(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <extracomment>Settings menu: hides the window into its notification-area (tray) icon.</extracomment>
        <translation>隱藏(&amp;H)</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <extracomment>Settings menu, a check item: keeps the window above all others.</extracomment>
        <translation>永遠在最上層(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu bar: the second menu, with the About item.</extracomment>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Help menu and the tray icon&apos;s menu: opens the About box.</extracomment>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>The tray icon&apos;s menu: ends the program.</extracomment>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <extracomment>Tip of the Settings menu&apos;s Shrink item. %1 is its shortcut as the menu shows it (Ctrl+S).</extracomment>
        <translation>僅保留顯示幕；再按一次 %1 即可恢復按鍵區</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <extracomment>Tip and spoken description of the greyed &quot;Always On Top&quot; item on Wayland. &quot;Wayland&quot; and &quot;X11&quot; are names of display systems: keep them.</extracomment>
        <translation>在 Wayland 下無法使用，因為它不會讓視窗保持在其他視窗之上；如需使用，請在 X11 下執行</translation>
    </message>
</context>
</TS>
