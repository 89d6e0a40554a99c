<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>關於 Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>選擇常數：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>新增/修改(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>清除記憶體(&amp;F)</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>選擇記憶位置：</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完成(&amp;D)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>數值：</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>常數</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>記憶位置</translation>
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
        <translation>雙曲</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>記憶體</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
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
        <translation>顯示幕</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>未閉合的括號：%1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 乘以 10 的 %2 次方</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 關閉</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>已隱藏到系統匣</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>已最小化</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>精簡視窗</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>完整視窗</translation>
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
        <translation>開啟或關閉 log、ln、1/x、sin、cos 和 tan 的第二功能</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>刪除最後一位數</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>角度單位</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>在度、弧度和梯度之間切換</translation>
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
        <translation>關閉</translation>
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
        <translation>常用對數</translation>
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
        <translation>自然對數</translation>
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
        <translation>變換正負號</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>倒數</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>階乘</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>雙曲</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>開啟或關閉 sin、cos 和 tan 的雙曲形式</translation>
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
        <translation>雙曲正弦</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>反雙曲正弦</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>餘弦</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>反餘弦</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>雙曲餘弦</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>反雙曲餘弦</translation>
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
        <translation>雙曲正切</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>反雙曲正切</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>左括號</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>左方括號</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>右括號</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>右方括號</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>存入記憶體</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>讀取記憶體</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清除輸入</translation>
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
        <translation>數字鍵台加號</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>減</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>數字鍵台減號</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>數字鍵台乘號</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>數字鍵台除號</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小數點</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>數字鍵台小數點</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>指數</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>未輸入時：圓周率</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>等於</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>常數</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>按 Shift 後：%1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>按 hyp 後：%1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>按 Shift 和 hyp 後：%1</translation>
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
        <translation>除數為零！</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>超出範圍！</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>不是正整數！</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>不是正數！</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>貼上的資料不是數值 </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>儲存數值</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>取回數值</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>載入常數</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>新增常數</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>修改常數</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>無法載入常數資料庫！</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>常數資料庫含有錯誤！</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>請填寫常數的名稱和數值。</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>常數的值不是有效數值！</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>常數名稱不能包含「=」或換行。</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>無法儲存常數資料庫！舊檔案保持不變，您的變更仍保留在清單中。</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum（已隱藏）</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>此清單開啟期間，常數檔案已被其他程式修改。該版本已保存為 %1。</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>精簡模式(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>隱藏(&amp;H)</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>永遠在最上層(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>只顯示顯示幕；再按 %1 即可恢復按鍵</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>在 Wayland 下無法使用，因為它不會讓視窗保持在其他視窗之上；如需使用，請在 X11 下執行</translation>
    </message>
</context>
</TS>
