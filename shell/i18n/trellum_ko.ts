<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>Dialogs</name>
    <message>
        <source>About Trellum</source>
        <translation>Trellum 정보</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>Select a constant:</source>
        <translation>상수 선택:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>추가/수정(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>삭제(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Flush Memory</source>
        <translation>메모리 모두 지우기(&amp;F)</translation>
    </message>
    <message>
        <source>Select a memory slot:</source>
        <translation>메모리 칸 선택:</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>완료(&amp;D)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>값:</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>상수</translation>
    </message>
    <message>
        <source>Memory slots</source>
        <translation>메모리 칸</translation>
    </message>
    <message>
        <source>slot %1: %2</source>
        <translation>%1번 칸: %2</translation>
    </message>
    <message>
        <source>Trellum Version %1</source>
        <translation>Trellum 버전 %1</translation>
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
        <translation>쌍곡</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>메모리</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>도</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>라디안</translation>
    </message>
    <message>
        <source>grads</source>
        <translation>그라디안</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>표시창</translation>
    </message>
    <message>
        <source>open brackets: %1</source>
        <translation>열린 괄호: %1</translation>
    </message>
    <message>
        <source>%1 times ten to the power %2</source>
        <translation>%1 곱하기 10의 %2제곱</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 끔</translation>
    </message>
    <message>
        <source>hidden in the tray</source>
        <translation>알림 영역에 숨김</translation>
    </message>
    <message>
        <source>minimised</source>
        <translation>최소화됨</translation>
    </message>
    <message>
        <source>compact window</source>
        <translation>간단히 보기</translation>
    </message>
    <message>
        <source>full window</source>
        <translation>전체 보기</translation>
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
        <translation>log, ln, 1/x, sin, cos, tan의 두 번째 기능을 켜거나 끕니다</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>마지막 숫자 지우기</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>angle mode</source>
        <translation>각도 단위</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>switches between degrees, radians and grads</source>
        <translation>도, 라디안, 그라디안 사이를 전환합니다</translation>
    </message>
    <message>
        <source>degrees minutes seconds</source>
        <translation>도 분 초</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>square</source>
        <translation>제곱</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>제곱근</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x의 y제곱</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>상용로그</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>ten to the power x</source>
        <translation>10의 x제곱</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>자연로그</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e의 x제곱</translation>
    </message>
    <message>
        <source>change sign</source>
        <translation>부호 바꾸기</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>역수</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>계승</translation>
    </message>
    <message>
        <source>hyperbolic</source>
        <translation>쌍곡</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>turns the hyperbolic forms of sin, cos and tan on or off</source>
        <translation>sin, cos, tan의 쌍곡선 함수를 켜거나 끕니다</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>사인</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>아크사인</translation>
    </message>
    <message>
        <source>hyperbolic sine</source>
        <translation>쌍곡사인</translation>
    </message>
    <message>
        <source>inverse hyperbolic sine</source>
        <translation>역쌍곡사인</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>코사인</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>아크코사인</translation>
    </message>
    <message>
        <source>hyperbolic cosine</source>
        <translation>쌍곡코사인</translation>
    </message>
    <message>
        <source>inverse hyperbolic cosine</source>
        <translation>역쌍곡코사인</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>탄젠트</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>아크탄젠트</translation>
    </message>
    <message>
        <source>hyperbolic tangent</source>
        <translation>쌍곡탄젠트</translation>
    </message>
    <message>
        <source>inverse hyperbolic tangent</source>
        <translation>역쌍곡탄젠트</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>여는 괄호</translation>
    </message>
    <message>
        <source>left square bracket</source>
        <translation>여는 대괄호</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>닫는 괄호</translation>
    </message>
    <message>
        <source>right square bracket</source>
        <translation>닫는 대괄호</translation>
    </message>
    <message>
        <source>memory in</source>
        <translation>메모리에 저장</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>memory recall</source>
        <translation>메모리 불러오기</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>입력 지우기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>더하기</translation>
    </message>
    <message>
        <source>keypad plus</source>
        <translation>숫자 키패드 더하기</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>keypad minus</source>
        <translation>숫자 키패드 빼기</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>곱하기</translation>
    </message>
    <message>
        <source>keypad multiply</source>
        <translation>숫자 키패드 곱하기</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>나누기</translation>
    </message>
    <message>
        <source>keypad divide</source>
        <translation>숫자 키패드 나누기</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>소수점</translation>
    </message>
    <message>
        <source>keypad decimal point</source>
        <translation>숫자 키패드 소수점</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>지수</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>with nothing typed: pi</source>
        <translation>입력이 없을 때: 파이</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>등호</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>constants</source>
        <translation>상수</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>Shift와 함께: %1</translation>
    </message>
    <message>
        <source>with hyp: %1</source>
        <translation>hyp와 함께: %1</translation>
    </message>
    <message>
        <source>with shift and hyp: %1</source>
        <translation>Shift 및 hyp와 함께: %1</translation>
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
        <translation>0으로 나눌 수 없습니다.</translation>
    </message>
    <message>
        <source>Out of Range!</source>
        <translation>범위를 벗어났습니다.</translation>
    </message>
    <message>
        <source>Not a positive integer!</source>
        <translation>양의 정수가 아닙니다.</translation>
    </message>
    <message>
        <source>Not a positive number!</source>
        <translation>양수가 아닙니다.</translation>
    </message>
    <message>
        <source>Out of Range</source>
        <translation>범위를 벗어남</translation>
    </message>
    <message>
        <source>Importing data is not a number </source>
        <translation>붙여 넣은 데이터가 숫자가 아닙니다 </translation>
    </message>
    <message>
        <source>Save a number</source>
        <translation>숫자 저장</translation>
    </message>
    <message>
        <source>Retrieve a number</source>
        <translation>숫자 불러오기</translation>
    </message>
    <message>
        <source>Load a constant</source>
        <translation>상수 불러오기</translation>
    </message>
    <message>
        <source>Add a new constant</source>
        <translation>새 상수 추가</translation>
    </message>
    <message>
        <source>Modify a constant</source>
        <translation>상수 수정</translation>
    </message>
    <message>
        <source>Can&apos;t load constants Database!</source>
        <translation>상수 데이터베이스를 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>Constants Database contains errors!</source>
        <translation>상수 데이터베이스에 오류가 있습니다.</translation>
    </message>
    <message>
        <source>Fill in name and value of the constant.</source>
        <translation>상수의 이름과 값을 입력하십시오.</translation>
    </message>
    <message>
        <source>Value of the constant is not a number!</source>
        <translation>상수의 값이 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>The name of a constant can&apos;t contain &quot;=&quot; or a line break.</source>
        <translation>상수 이름에는 &quot;=&quot;나 줄 바꿈을 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>Can&apos;t save constants Database! The old file is kept and your changes stay in the list.</source>
        <translation>상수 데이터베이스를 저장할 수 없습니다. 이전 파일은 그대로 유지되며 변경 내용은 목록에 남아 있습니다.</translation>
    </message>
    <message>
        <source>Trellum (Hide)</source>
        <translation>Trellum (숨김)</translation>
    </message>
    <message>
        <source>The constants file was changed by another program while this list was open. That version is kept as %1.</source>
        <translation>이 목록이 열려 있는 동안 다른 프로그램이 상수 파일을 변경했습니다. 그 버전은 %1(으)로 보관했습니다.</translation>
    </message>
</context>
<context>
    <name>trellum::shell::MainWindow</name>
    <message>
        <source>&amp;Settings</source>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Shrin&amp;k</source>
        <translation>간단히 보기(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>숨기기(&amp;H)</translation>
    </message>
    <message>
        <source>Always On &amp;Top</source>
        <translation>항상 위(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>정보(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>Only the display; %1 again brings the keypad back</source>
        <translation>표시창만 보입니다. %1 키를 다시 누르면 키패드가 돌아옵니다</translation>
    </message>
    <message>
        <source>Not available on Wayland, which keeps no window above others; run on X11 to use it</source>
        <translation>Wayland에서는 창을 다른 창 위에 유지할 수 없어 사용할 수 없습니다. 사용하려면 X11에서 실행하십시오</translation>
    </message>
</context>
</TS>
