<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>אודות Trellum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>בחר קבוע:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>הוספה/&amp;עריכה</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;מחיקה</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;אפשרויות</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>&amp;ניקוי הזיכרון</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>בחר תא זיכרון:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;סיום</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>שם:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>ערך:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>קבועים</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>תאי זיכרון</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>תא %1: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum גרסה ⁦%1⁩</translation>
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
        <translation>היפרבולי</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>זיכרון</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>מעלות</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>רדיאנים</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>גרדים</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>תצוגה</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>סוגריים פתוחים: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 כפול עשר בחזקת %2</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 כבוי</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>מוסתר באזור ההודעות</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>ממוזער</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>חלון קומפקטי</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>חלון מלא</translation>
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
        <translation>מפעיל או מכבה את הפונקציות השניות של log, ln, 1/x, sin, cos ו־tan</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>מחיקת הספרה האחרונה</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>יחידת זווית</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>מחליף בין מעלות, רדיאנים וגרדים</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>מעלות דקות שניות</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>כיבוי</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>ריבוע</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>שורש ריבועי</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x בחזקת y</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>לוגריתם עשרוני</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>עשר בחזקת x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>לוגריתם טבעי</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e בחזקת x</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>החלפת סימן</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>הופכי</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>עצרת</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>היפרבולי</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>מפעיל או מכבה את הצורות ההיפרבוליות של sin, cos ו־tan</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>סינוס</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>ארקסינוס</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>סינוס היפרבולי</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>סינוס היפרבולי הפוך</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>קוסינוס</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>ארקקוסינוס</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>קוסינוס היפרבולי</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>קוסינוס היפרבולי הפוך</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>טנגנס</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>ארקטנגנס</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>טנגנס היפרבולי</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>טנגנס היפרבולי הפוך</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>פתיחת סוגריים</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>פתיחת סוגריים מרובעים</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>סגירת סוגריים</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>סגירת סוגריים מרובעים</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>שמירה בזיכרון</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>שליפה מהזיכרון</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>ניקוי הקלט</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>ניקוי הכול</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>ועוד</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>ועוד במקלדת הנומרית</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>פחות</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>פחות במקלדת הנומרית</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>כפול</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>כפול במקלדת הנומרית</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>חלקי</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>חלקי במקלדת הנומרית</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>נקודה עשרונית</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>נקודה עשרונית במקלדת הנומרית</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>מעריך</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>ללא קלט: פאי</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>שווה</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>קבועים</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>עם shift: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>עם hyp: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>עם shift ו־hyp: %1</translation>
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
        <translation>חלוקה באפס!</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>מחוץ לטווח!</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>זה אינו מספר שלם חיובי!</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>זה אינו מספר חיובי!</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>מחוץ לטווח</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>הנתונים שהודבקו אינם מספר </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>שמירת מספר</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>שליפת מספר</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>טעינת קבוע</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>הוספת קבוע חדש</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>שינוי קבוע</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>לא ניתן לטעון את מסד הקבועים!</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>מסד הקבועים מכיל שגיאות!</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>יש למלא את השם והערך של הקבוע.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>ערך הקבוע אינו מספר!</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>שם של קבוע אינו יכול להכיל &quot;=&quot; או מעבר שורה.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>לא ניתן לשמור את מסד הקבועים! הקובץ הישן נשמר, והשינויים שלך נשארים ברשימה.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (מוסתר)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>קובץ הקבועים שונה על ידי תוכנית אחרת בזמן שרשימה זו הייתה פתוחה. הגרסה ההיא נשמרה בשם ⁦%1⁩.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;הגדרות</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;העתק</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ה&amp;דבק</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>מצב &amp;קומפקטי</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>ה&amp;סתר</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>תמיד &amp;עליון</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;אודות...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>התצוגה בלבד; הקשה נוספת על ⁦%1⁩ מחזירה את לוח המקשים</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>לא זמין ב־Wayland, שאינו שומר אף חלון מעל האחרים; יש להפעיל ב־X11 כדי להשתמש בזה</translation>
    </message>
</context>
</TS>
