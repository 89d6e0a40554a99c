<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Trellum のバージョン情報</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>定数を選択：</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>追加/変更(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>メモリーをすべてクリア(&amp;F)</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>メモリーを選択：</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完了(&amp;D)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>値：</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>定数</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>メモリー %1：%2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum バージョン %1</translation>
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
        <translation>双曲線関数</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>ラジアン</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>グラジアン</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>開いている括弧：%1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 掛ける 10 の %2 乗</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 オフ</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>通知領域に隠しました</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>最小化しました</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>コンパクト表示</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>通常表示</translation>
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
        <translation>log、ln、1/x、sin、cos、tan の第 2 機能のオンとオフを切り替えます</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>最後の桁を削除</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>角度単位</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>度、ラジアン、グラジアンを切り替えます</translation>
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
        <translation>オフ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>2 乗</translation>
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
        <translation>x の y 乗</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>常用対数</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>10 の x 乗</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>自然対数</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e の x 乗</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>符号の反転</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>逆数</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>階乗</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>双曲線関数</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>sin、cos、tan の双曲線関数のオンとオフを切り替えます</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>サイン</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>アークサイン</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>ハイパボリックサイン</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>逆ハイパボリックサイン</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>コサイン</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>アークコサイン</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>ハイパボリックコサイン</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>逆ハイパボリックコサイン</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>タンジェント</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>アークタンジェント</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>ハイパボリックタンジェント</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>逆ハイパボリックタンジェント</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>左括弧</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>左角括弧</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>右括弧</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>右角括弧</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>メモリーに保存</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>メモリーから呼び出し</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>入力をクリア</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>オールクリア</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>プラス</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>テンキーのプラス</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>マイナス</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>テンキーのマイナス</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>掛ける</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>テンキーの掛け算</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>割る</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>テンキーの割り算</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>テンキーの小数点</translation>
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
        <translation>未入力時：円周率</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>定数</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>Shift オン時：%1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>hyp オン時：%1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>Shift と hyp オン時：%1</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>0 で割ることはできません。</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>範囲外です。</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>正の整数ではありません。</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>正の数ではありません。</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>範囲外です</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>貼り付けたデータは数値ではありません </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>数値の保存</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>数値の呼び出し</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>定数の呼び出し</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>新しい定数の追加</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>定数の変更</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>定数データベースを読み込めません。</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>定数データベースにエラーがあります。</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>定数の名前と値を入力してください。</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>定数の値が数値ではありません。</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>定数の名前には「=」や改行を含めることはできません。</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>定数データベースを保存できません。元のファイルはそのまま残り、変更内容は一覧に残っています。</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum（非表示）</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>この一覧を開いている間に、定数ファイルが別のプログラムによって変更されました。変更後のファイルは %1 として保存されています。</translation>
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
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>コンパクト表示(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>隠す(&amp;H)</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>常に手前に表示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>ディスプレイのみ。もう一度 %1 を押すとキーが戻ります</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Wayland ではウィンドウを他のウィンドウより手前に保てないため使用できません。使うには X11 で実行してください</translation>
    </message>
</context>
</TS>
