#include "shell/accessibility.h"

#include <cstring>
#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include "shell/main_window.h"

namespace trellum::shell {

namespace {

// One row per keypad key, keyed by control name and Index (never by caption).
// Texts are English sources, translated in the context "Keys".
struct KeySpeech {
    const char* control;
    int16_t index;         // -1: not an element of a control array
    const char* name;      // what the key is called aloud
    int keyboardKey;       // Qt key that types it, Qt::KeypadModifier for the keypad
    const char* keyName;   // that key, as a person names it
    const char* withShift = nullptr;
    const char* withHyp = nullptr;
    const char* withBoth = nullptr;
    const char* note = nullptr;
};

constexpr int kKeypad = Qt::KeypadModifier;

const KeySpeech kKeySpeech[] = {
    {"cmdShift", -1, QT_TRANSLATE_NOOP("Keys", "shift"), Qt::Key_Shift, QT_TRANSLATE_NOOP("Keys", "Shift"),
     nullptr, nullptr, nullptr,
     QT_TRANSLATE_NOOP("Keys", "turns the second functions of log, ln, 1/x, sin, cos and tan on or off")},
    {"cmdDel", -1, QT_TRANSLATE_NOOP("Keys", "delete"), Qt::Key_Backspace, QT_TRANSLATE_NOOP("Keys", "Backspace")},
    {"cmdMode", -1, QT_TRANSLATE_NOOP("Keys", "angle mode"), Qt::Key_M, QT_TRANSLATE_NOOP("Keys", "M"),
     nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("Keys", "switches between degrees, radians and grads")},
    {"cmdAngle", -1, QT_TRANSLATE_NOOP("Keys", "degrees minutes seconds"), Qt::Key_D, QT_TRANSLATE_NOOP("Keys", "D")},
    {"sscmdOff", -1, QT_TRANSLATE_NOOP("Keys", "off"), Qt::Key_End, QT_TRANSLATE_NOOP("Keys", "End")},
    {"cmdPowers", 0, QT_TRANSLATE_NOOP("Keys", "square"), Qt::Key_F2, QT_TRANSLATE_NOOP("Keys", "F2")},
    {"cmdPowers", 1, QT_TRANSLATE_NOOP("Keys", "square root"), Qt::Key_F3, QT_TRANSLATE_NOOP("Keys", "F3")},
    {"cmdPowers", 2, QT_TRANSLATE_NOOP("Keys", "x to the power y"), Qt::Key_F4, QT_TRANSLATE_NOOP("Keys", "F4")},
    {"cmdLogs", 0, QT_TRANSLATE_NOOP("Keys", "common logarithm"), Qt::Key_F5, QT_TRANSLATE_NOOP("Keys", "F5"),
     QT_TRANSLATE_NOOP("Keys", "ten to the power x")},
    {"cmdLogs", 1, QT_TRANSLATE_NOOP("Keys", "natural logarithm"), Qt::Key_F6, QT_TRANSLATE_NOOP("Keys", "F6"),
     QT_TRANSLATE_NOOP("Keys", "e to the power x")},
    {"cmdExtended", 0, QT_TRANSLATE_NOOP("Keys", "change sign"), Qt::Key_F1, QT_TRANSLATE_NOOP("Keys", "F1")},
    {"cmdExtended", 1, QT_TRANSLATE_NOOP("Keys", "reciprocal"), Qt::Key_F11, QT_TRANSLATE_NOOP("Keys", "F11"),
     QT_TRANSLATE_NOOP("Keys", "factorial")},
    {"cmdHyp", -1, QT_TRANSLATE_NOOP("Keys", "hyperbolic"), Qt::Key_H, QT_TRANSLATE_NOOP("Keys", "H"),
     nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("Keys", "turns the hyperbolic forms of sin, cos and tan on or off")},
    {"cmdTrigFunc", 0, QT_TRANSLATE_NOOP("Keys", "sine"), Qt::Key_F7, QT_TRANSLATE_NOOP("Keys", "F7"),
     QT_TRANSLATE_NOOP("Keys", "arc sine"), QT_TRANSLATE_NOOP("Keys", "hyperbolic sine"),
     QT_TRANSLATE_NOOP("Keys", "inverse hyperbolic sine")},
    {"cmdTrigFunc", 1, QT_TRANSLATE_NOOP("Keys", "cosine"), Qt::Key_F8, QT_TRANSLATE_NOOP("Keys", "F8"),
     QT_TRANSLATE_NOOP("Keys", "arc cosine"), QT_TRANSLATE_NOOP("Keys", "hyperbolic cosine"),
     QT_TRANSLATE_NOOP("Keys", "inverse hyperbolic cosine")},
    {"cmdTrigFunc", 2, QT_TRANSLATE_NOOP("Keys", "tangent"), Qt::Key_F9, QT_TRANSLATE_NOOP("Keys", "F9"),
     QT_TRANSLATE_NOOP("Keys", "arc tangent"), QT_TRANSLATE_NOOP("Keys", "hyperbolic tangent"),
     QT_TRANSLATE_NOOP("Keys", "inverse hyperbolic tangent")},
    {"cmdBracket", 0, QT_TRANSLATE_NOOP("Keys", "open bracket"), Qt::Key_BracketLeft,
     QT_TRANSLATE_NOOP("Keys", "left square bracket")},
    {"cmdBracket", 1, QT_TRANSLATE_NOOP("Keys", "close bracket"), Qt::Key_BracketRight,
     QT_TRANSLATE_NOOP("Keys", "right square bracket")},
    {"cmdMem", 0, QT_TRANSLATE_NOOP("Keys", "memory in"), Qt::Key_Insert, QT_TRANSLATE_NOOP("Keys", "Insert")},
    {"cmdMem", 1, QT_TRANSLATE_NOOP("Keys", "memory recall"), Qt::Key_PageUp, QT_TRANSLATE_NOOP("Keys", "Page Up")},
    {"sscmdDigit", 0, "0", Qt::Key_0, "0"},
    {"sscmdDigit", 1, "1", Qt::Key_1, "1"},
    {"sscmdDigit", 2, "2", Qt::Key_2, "2"},
    {"sscmdDigit", 3, "3", Qt::Key_3, "3"},
    {"sscmdDigit", 4, "4", Qt::Key_4, "4"},
    {"sscmdDigit", 5, "5", Qt::Key_5, "5"},
    {"sscmdDigit", 6, "6", Qt::Key_6, "6"},
    {"sscmdDigit", 7, "7", Qt::Key_7, "7"},
    {"sscmdDigit", 8, "8", Qt::Key_8, "8"},
    {"sscmdDigit", 9, "9", Qt::Key_9, "9"},
    {"sscmdClean", 1, QT_TRANSLATE_NOOP("Keys", "clear"), Qt::Key_Delete, QT_TRANSLATE_NOOP("Keys", "Delete")},
    {"sscmdClean", 0, QT_TRANSLATE_NOOP("Keys", "all clear"), Qt::Key_Home, QT_TRANSLATE_NOOP("Keys", "Home")},
    {"sscmdOperator", 1, QT_TRANSLATE_NOOP("Keys", "plus"), Qt::Key_Plus | kKeypad,
     QT_TRANSLATE_NOOP("Keys", "keypad plus")},
    {"sscmdOperator", 2, QT_TRANSLATE_NOOP("Keys", "minus"), Qt::Key_Minus | kKeypad,
     QT_TRANSLATE_NOOP("Keys", "keypad minus")},
    {"sscmdOperator", 3, QT_TRANSLATE_NOOP("Keys", "multiply"), Qt::Key_Asterisk | kKeypad,
     QT_TRANSLATE_NOOP("Keys", "keypad multiply")},
    {"sscmdOperator", 4, QT_TRANSLATE_NOOP("Keys", "divide"), Qt::Key_Slash | kKeypad,
     QT_TRANSLATE_NOOP("Keys", "keypad divide")},
    {"sscmdDot", -1, QT_TRANSLATE_NOOP("Keys", "decimal point"), Qt::Key_Period | kKeypad,
     QT_TRANSLATE_NOOP("Keys", "keypad decimal point")},
    {"sscmdExp", -1, QT_TRANSLATE_NOOP("Keys", "exponent"), Qt::Key_PageDown, QT_TRANSLATE_NOOP("Keys", "Page Down"),
     nullptr, nullptr, nullptr, QT_TRANSLATE_NOOP("Keys", "with nothing typed: pi")},
    {"sscmdEqual", -1, QT_TRANSLATE_NOOP("Keys", "equals"), Qt::Key_Return, QT_TRANSLATE_NOOP("Keys", "Enter")},
    {"sscmdConst", -1, QT_TRANSLATE_NOOP("Keys", "constants"), Qt::Key_N, QT_TRANSLATE_NOOP("Keys", "N")},
};

// The legends printed above the keys, read as the second functions they name.
struct LegendSpeech {
    const char* control;
    const char* name;
};

const LegendSpeech kLegendSpeech[] = {
    {"Label1", QT_TRANSLATE_NOOP("Keys", "ten to the power x")},
    {"Label2", QT_TRANSLATE_NOOP("Keys", "e to the power x")},
    {"Label6", QT_TRANSLATE_NOOP("Keys", "factorial")},
    {"Label3", QT_TRANSLATE_NOOP("Keys", "arc sine")},
    {"Label4", QT_TRANSLATE_NOOP("Keys", "arc cosine")},
    {"Label5", QT_TRANSLATE_NOOP("Keys", "arc tangent")},
};

const KeySpeech* findKey(const char* control, int16_t index)
{
    for (const KeySpeech& row : kKeySpeech) {
        if (std::strcmp(row.control, control) == 0 && row.index == index) return &row;
    }
    return nullptr;
}

QString trKeys(const char* text) { return QCoreApplication::translate("Keys", text); }

// The display panel's indicator labels, in the order they are read out.
struct IndicatorSpeech {
    const char* objectName;
    const char* word;
};

const IndicatorSpeech kIndicators[] = {
    {"lblShiftIndicator", QT_TRANSLATE_NOOP("Display", "shift")},
    {"lblHypIndicator", QT_TRANSLATE_NOOP("Display", "hyperbolic")},
    {"lblMemIndicator", QT_TRANSLATE_NOOP("Display", "memory")},
    {"lblModeDisplay_0", QT_TRANSLATE_NOOP("Display", "degrees")},
    {"lblModeDisplay_1", QT_TRANSLATE_NOOP("Display", "radians")},
    {"lblModeDisplay_2", QT_TRANSLATE_NOOP("Display", "grads")},
};

// The number on the display, read from its widgets: the panel's text and the
// exponent label while it is shown.
QString displayNumberText(const QWidget* display)
{
    const auto* lcd = qobject_cast<const LcdPanel*>(display);
    QString text = lcd ? lcd->text().trimmed() : QString();
    const auto* exponent = display->findChild<QLabel*>(QStringLiteral("lblExpDisplay"));
    if (exponent && !exponent->isHidden()) text += u'E' + exponent->text();
    return text;
}

QString displayIndicators(const QWidget* display)
{
    QStringList lit;
    for (const IndicatorSpeech& indicator : kIndicators) {
        const auto* label = display->findChild<QLabel*>(QLatin1String(indicator.objectName));
        if (label && !label->isHidden()) lit.append(QCoreApplication::translate("Display", indicator.word));
    }
    return lit.join(QStringLiteral(", "));
}

// The display as a read-only text: name "Display", text the spoken number,
// description the lit indicators. Its indicator and exponent labels are folded
// into it rather than listed as letters.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return QCoreApplication::translate("Display", "Display");
        case QAccessible::Description: return displayIndicators(widget());
        case QAccessible::Value: return spoken();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    // QAccessibleTextInterface: a plain, unselectable text.
    QString text(int startOffset, int endOffset) const override
    {
        return spoken().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(spoken().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString spoken() const { return SpokenNumber(displayNumberText(widget())); }
};

QAccessibleInterface* displayFactory(const QString& className, QObject* object)
{
    if (className == u"trellum::shell::LcdPanel" && object && object->isWidgetType())
        return new DisplayAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

bool DescribeKey(QWidget* key, const char* control, int16_t index)
{
    const KeySpeech* row = findKey(control, index);
    if (!row) return false;
    key->setAccessibleName(trKeys(row->name));
    QStringList parts{trKeys(row->keyName)};
    if (row->note) parts.append(trKeys(row->note));
    if (row->withShift) parts.append(trKeys(QT_TRANSLATE_NOOP("Keys", "with shift: %1")).arg(trKeys(row->withShift)));
    if (row->withHyp) parts.append(trKeys(QT_TRANSLATE_NOOP("Keys", "with hyp: %1")).arg(trKeys(row->withHyp)));
    if (row->withBoth)
        parts.append(trKeys(QT_TRANSLATE_NOOP("Keys", "with shift and hyp: %1")).arg(trKeys(row->withBoth)));
    key->setAccessibleDescription(parts.join(QStringLiteral("; ")));
    return true;
}

bool DescribeLegend(QWidget* legend, const char* control)
{
    for (const LegendSpeech& row : kLegendSpeech) {
        if (std::strcmp(row.control, control) == 0) {
            legend->setAccessibleName(trKeys(row.name));
            return true;
        }
    }
    return false;
}

int KeyboardKeyOf(const char* control, int16_t index)
{
    const KeySpeech* row = findKey(control, index);
    return row ? row->keyboardKey : 0;
}

QString SpokenNumber(const QString& numberText)
{
    const QString text = numberText.trimmed();
    if (text.startsWith(u'(')) {
        // "(- 2": two brackets open, no number yet.
        const QString level = text.mid(text.lastIndexOf(u' ') + 1);
        return QCoreApplication::translate("Display", "open brackets: %1").arg(level);
    }
    const qsizetype e = text.indexOf(u'E', 0, Qt::CaseInsensitive);
    QString mantissa = e < 0 ? text : text.left(e);
    if (mantissa.endsWith(u'.')) mantissa.chop(1);
    if (mantissa.isEmpty() || mantissa == u"-") mantissa += u'0';
    if (e < 0) return mantissa;
    // "-07" reads as -7 and "+15" as 15; the digits stay digits.
    QString exponent = text.mid(e + 1);
    bool negative = exponent.startsWith(u'-');
    if (negative || exponent.startsWith(u'+')) exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(u'0')) exponent.remove(0, 1);
    if (exponent.isEmpty()) exponent = QStringLiteral("0");
    if (negative && exponent != u"0") exponent.prepend(u'-');
    return QCoreApplication::translate("Display", "%1 times ten to the power %2").arg(mantissa, exponent);
}

void InstallAccessibility()
{
    // Qt keeps one list of factories per process; adding ours twice would only
    // make it asked twice.
    static const bool installed = [] {
        QAccessible::installFactory(displayFactory);
        return true;
    }();
    (void)installed;
}

void DisplaySpeech::send(QAccessibleEvent& event)
{
    if (Send)
        Send(event);
    else
        QAccessible::updateAccessibility(&event);
}

void DisplaySpeech::refresh(bool finishedValue)
{
    if (IsListening ? !IsListening() : !QAccessible::isActive()) return;
    const QString indicators = displayIndicators(m_display);
    if (indicators != m_lastIndicators) {
        m_lastIndicators = indicators;
        QAccessibleEvent event(m_display, QAccessible::DescriptionChanged);
        send(event);
    }
    // Compared with what the previous key left on the display, so a result
    // equal to the number just typed is not read out again.
    const QString text = SpokenNumber(displayNumberText(m_display));
    const QString before = std::exchange(m_lastText, text);
    if (!finishedValue || text == before) return;
    QAccessibleTextUpdateEvent event(m_display, 0, before, text);
    send(event);
}

}  // namespace trellum::shell
