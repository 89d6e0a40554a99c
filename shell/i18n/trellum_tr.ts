<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Trellum Hakkında</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>Bir sabit seçin:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Ekle/Değiştir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>Belleği &amp;temizle</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>Bir bellek gözü seçin:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Bitti</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Değer:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Sabitler</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>Bellek gözleri</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>göz %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum Sürüm %1</translation>
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
        <translation>hiperbolik</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>bellek</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>derece</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radyan</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>grad</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>açık parantez: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 çarpı on üzeri %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 kapalı</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>bildirim alanında gizli</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>simge durumunda</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>kompakt pencere</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>tam pencere</translation>
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
        <translation>log, ln, 1/x, sin, cos ve tan&apos;ın ikinci işlevlerini açar veya kapatır</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>son rakamı sil</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>açı birimi</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>derece, radyan ve grad arasında geçiş yapar</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>derece dakika saniye</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>kapat</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kare</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>karekök</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x üzeri y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>onluk logaritma</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>on üzeri x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>doğal logaritma</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e üzeri x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>işaret değiştir</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>çarpmaya göre ters</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>faktöriyel</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>hiperbolik</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>sin, cos ve tan&apos;ın hiperbolik biçimlerini açar veya kapatır</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinüs</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>ark sinüs</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>hiperbolik sinüs</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>ters hiperbolik sinüs</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>kosinüs</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>ark kosinüs</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>hiperbolik kosinüs</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>ters hiperbolik kosinüs</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tanjant</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>ark tanjant</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>hiperbolik tanjant</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>ters hiperbolik tanjant</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>parantez aç</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>köşeli parantez aç</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>parantez kapat</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>köşeli parantez kapat</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>belleğe kaydet</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>bellekten çağır</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>girişi sil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>tümünü sil</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>artı</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>sayısal tuş takımı artı</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>eksi</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>sayısal tuş takımı eksi</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>çarpı</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>sayısal tuş takımı çarpı</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>bölü</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>sayısal tuş takımı bölü</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>ondalık nokta</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>sayısal tuş takımı ondalık tuşu</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>üs</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>giriş yokken: pi</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>eşittir</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>sabitler</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>shift ile: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>hyp ile: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>shift ve hyp ile: %1</translation>
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
        <translation>Sıfıra bölme!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>Aralık dışında!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>Pozitif bir tam sayı değil!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>Pozitif bir sayı değil!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>Aralık dışında</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>Yapıştırılan veri bir sayı değil </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>Bir sayı kaydet</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>Bir sayı çağır</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>Bir sabit yükle</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>Yeni bir sabit ekle</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>Bir sabiti değiştir</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>Sabitler veritabanı yüklenemiyor!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>Sabitler veritabanında hatalar var!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>Sabitin adını ve değerini girin.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>Sabitin değeri bir sayı değil!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>Bir sabitin adı &quot;=&quot; veya satır sonu içeremez.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>Sabitler veritabanı kaydedilemiyor! Eski dosya korunuyor ve değişiklikleriniz listede kalıyor.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (gizli)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>Bu liste açıkken sabitler dosyası başka bir program tarafından değiştirildi. O sürüm %1 olarak saklandı.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Yapıştır</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>Ko&amp;mpakt görünüm</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Gizle</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>&amp;Her zaman üstte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>Yalnızca ekran; tekrar %1 tuş takımını geri getirir</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Wayland&apos;de kullanılamaz, çünkü hiçbir pencereyi diğerlerinin üstünde tutmaz; kullanmak için X11&apos;de çalıştırın</translation>
    </message>
</context>
</TS>
