<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>关于 Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>选择常数：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>添加/修改(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>清空存储器(&amp;F)</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>选择存储位置：</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完成(&amp;D)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>数值：</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>常数</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>存储位置</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>位置 %1：%2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum 版本 %1</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>双曲</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>存储器</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>梯度</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示屏</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>未闭合的括号：%1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 乘以 10 的 %2 次方</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 关闭</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>已隐藏到系统托盘</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>已最小化</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>紧凑窗口</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>完整窗口</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>turns the second functions of log, ln, 1/x, sin, cos and tan on or off</source>
        <translation>打开或关闭 log、ln、1/x、sin、cos 和 tan 的第二功能</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除最后一位</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>角度单位</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>在角度、弧度和梯度之间切换</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>度分秒</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>平方</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x 的 y 次方</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>常用对数</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>10 的 x 次方</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>自然对数</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e 的 x 次方</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>正负号切换</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>倒数</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>阶乘</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>双曲</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>打开或关闭 sin、cos 和 tan 的双曲形式</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>正弦</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>反正弦</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>双曲正弦</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>反双曲正弦</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>余弦</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>反余弦</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>双曲余弦</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>反双曲余弦</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>正切</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>反正切</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>双曲正切</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>反双曲正切</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>左括号</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>左方括号</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>右括号</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>右方括号</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>存入存储器</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>读取存储器</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清除输入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>数字键盘加号</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>数字键盘减号</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>数字键盘乘号</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>数字键盘除号</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>数字键盘小数点</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>指数</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>未输入时：圆周率</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>回车</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>常数</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>按 Shift 后：%1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>按 hyp 后：%1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>按 Shift 和 hyp 后：%1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>除数为零！</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>超出范围！</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>不是正整数！</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>不是正数！</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>粘贴的数据不是数值 </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>保存数值</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>调用数值</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>载入常数</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>添加新常数</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>修改常数</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>无法载入常数数据库！</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>常数数据库包含错误！</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>请填写常数的名称和数值。</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>常数的值不是有效数值！</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>常数名称不能包含“=”或换行。</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>无法保存常数数据库！旧文件保持不变，您的更改仍保留在列表中。</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum（已隐藏）</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>此列表打开期间，常数文件被其他程序修改过。该版本已保存为 %1。</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>紧凑模式(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>隐藏(&amp;H)</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>总在最前(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>仅显示显示屏；再按一次 %1 即可恢复按键</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>在 Wayland 下不可用，因为它不会让窗口保持在其他窗口之上；如需使用，请在 X11 下运行</translation>
    </message>
</context>
</TS>
