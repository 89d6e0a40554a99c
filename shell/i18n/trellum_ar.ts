<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>حول Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>اختر ثابتًا:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;إلغاء</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>إضافة/&amp;تعديل</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;مسح الذاكرة</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>اختر خانة في الذاكرة:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;تم</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>القيمة:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>الثوابت</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>خانات الذاكرة</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>الخانة %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum الإصدار ⁦%1⁩</translation>
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
        <translation>زائدي</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>ذاكرة</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>درجات</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>راديان</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>غراد</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>الشاشة</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>أقواس مفتوحة: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 ضرب عشرة أُس %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>إيقاف %1</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>مخفية في منطقة الإشعارات</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>مصغَّرة</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>نافذة مدمجة</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>نافذة كاملة</translation>
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
        <translation>يشغّل الوظائف الثانية للمفاتيح log وln و1/x وsin وcos وtan أو يوقفها</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>حذف آخر رقم</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>وحدة الزاوية</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>يبدّل بين الدرجات والراديان والغراد</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>درجات دقائق ثوانٍ</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>إيقاف التشغيل</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>المربع</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>الجذر التربيعي</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x أُس y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>اللوغاريتم العشري</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>عشرة أُس x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>اللوغاريتم الطبيعي</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e أُس x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>تغيير الإشارة</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>المقلوب</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>المضروب</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>زائدي</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>يشغّل الصيغ الزائدية للمفاتيح sin وcos وtan أو يوقفها</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>الجيب</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>معكوس الجيب</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>الجيب الزائدي</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>معكوس الجيب الزائدي</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>جيب التمام</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>معكوس جيب التمام</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>جيب التمام الزائدي</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>معكوس جيب التمام الزائدي</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>الظل</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>معكوس الظل</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>الظل الزائدي</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>معكوس الظل الزائدي</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>فتح قوس</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>فتح قوس مربع</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>إغلاق قوس</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>إغلاق قوس مربع</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>حفظ في الذاكرة</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>استدعاء من الذاكرة</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>مسح الإدخال</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>مسح الكل</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>زائد</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>زائد في لوحة الأرقام</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>ناقص في لوحة الأرقام</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>ضرب في لوحة الأرقام</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>قسمة</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>قسمة في لوحة الأرقام</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>الفاصلة العشرية</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>الفاصلة العشرية في لوحة الأرقام</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>الأُس</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>دون إدخال: باي</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>يساوي</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>الثوابت</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>مع shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>مع hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>مع shift وhyp: %1</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; in a language written right to left (Arabic, Hebrew); leave it untranslated otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Trellum</name>
    <message>
        <source>Divided by Zero!</source>
        <translation>قسمة على صفر!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>خارج النطاق!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>ليس عددًا صحيحًا موجبًا!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>ليس عددًا موجبًا!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>خارج النطاق</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>البيانات الملصقة ليست عددًا </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>حفظ عدد</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>استرجاع عدد</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>تحميل ثابت</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>إضافة ثابت جديد</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>تعديل ثابت</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>تعذّر تحميل قاعدة بيانات الثوابت!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>قاعدة بيانات الثوابت تحتوي على أخطاء!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>أدخل اسم الثابت وقيمته.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>قيمة الثابت ليست عددًا!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>لا يجوز أن يحتوي اسم الثابت على «=» أو على فاصل أسطر.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>تعذّر حفظ قاعدة بيانات الثوابت! بقي الملف القديم كما هو وبقيت تغييراتك في القائمة.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (مخفي)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>غيّر برنامج آخر ملف الثوابت بينما كانت هذه القائمة مفتوحة. حُفظت تلك النسخة باسم ⁦%1⁩.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;إعدادات</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;لصق</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>الوضع ال&amp;مدمج</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;إخفاء</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>&amp;دائمًا في المقدمة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;حول...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>الشاشة وحدها؛ اضغط ⁦%1⁩ مرة أخرى لإعادة لوحة الأزرار</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>غير متاح في Wayland لأنه لا يُبقي أي نافذة فوق النوافذ الأخرى؛ شغّل البرنامج في X11 لاستخدامه</translation>
    </message>
</context>
</TS>
