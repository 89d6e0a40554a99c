// Display register and number entry: the display is the calculator's register,
// so every key here edits text, and values are read back from that text.

#include <cmath>

#include "engine/calculator.h"
#include "engine/number_text.h"

namespace trellum {

namespace {

constexpr const char* kSpaces = "  ";
constexpr std::size_t kMantissaLength = 15;
constexpr std::size_t kTypedLimit = 14;

std::string mantissaOf(const std::string& lcd) { return std::string(TrimTrailingBlanks(lcd)); }

}  // namespace

Calculator::Calculator(Toolkit& toolkit, SettingsStore& settings) : m_toolkit(toolkit), m_settings(settings) {}

double Calculator::GetDisplayValue()
{
    std::string text = mantissaOf(LcdText);
    if (ExpShown) {
        text += "E" + ExpText;
        ExpShown = false;  // the label stays: a second read ignores the exponent
    }
    NewEntry = true;
    return ValueOfText(text);
}

void Calculator::ShowValue(double value)
{
    if (!std::isfinite(value)) {
        ReportError(2);
        NewEntry = true;
        return;
    }
    std::string text = NumberText(value);
    // A plain text with more than 15 characters before its point (a negative
    // 15-digit whole number) would lose a digit when cut; show it with an exponent.
    const std::size_t point = text.find('.');
    if (text.find('E') == std::string::npos && text.size() > kMantissaLength &&
        (point == std::string::npos || point >= kMantissaLength)) {
        const std::size_t first = text[0] == '-' ? 1 : 0;
        const std::string digits = point == std::string::npos ? text.substr(first)
                                                              : text.substr(first, point - first);
        std::string fraction = digits.substr(1);
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
        text = text.substr(0, first) + digits.substr(0, 1) + (fraction.empty() ? "" : "." + fraction) + "E+" +
               std::to_string(digits.size() - 1);
    }
    ShowNumberText(text);
    NewEntry = true;
}

void Calculator::ShowNumberText(const std::string& text)
{
    std::size_t p = text.find_first_of("Ee");
    p = p == std::string::npos ? 0 : p + 1;
    const std::size_t length = (p >= 1 && p <= kMantissaLength) ? p - 1 : kMantissaLength;
    std::string mantissa = text.substr(0, length);
    if (text.find('.') == std::string::npos) mantissa += ".";
    LcdText = mantissa + kSpaces;
    if (p == 0) {
        ExpShown = false;
        ExpVisible = false;
        return;
    }
    const std::string part = text.substr(p);
    if (std::fabs(ValueOfText(part)) > 99) {
        ReportError(2);
        return;
    }
    // Texts from outside (paste, hand-edited settings) may carry one or three
    // exponent digits; the label always holds two, as typed and computed ones do.
    const int exponent = static_cast<int>(ValueOfText(part));
    const int magnitude = exponent < 0 ? -exponent : exponent;
    ExpText = std::string(exponent < 0 ? "-" : "") + static_cast<char>('0' + magnitude / 10) +
              static_cast<char>('0' + magnitude % 10);
    ExpShown = true;
    ExpVisible = true;
}

std::string Calculator::GetDisplayText() const
{
    std::string text = mantissaOf(LcdText);
    if (ExpShown) text += "E" + ExpText;
    return text;
}

void Calculator::ResetEntry()
{
    ShiftOn = false;
    ShiftIndicatorVisible = false;
    HypOn = false;
    HypIndicatorVisible = false;
    PointTyped = false;
    LcdText = kLcdReset;
    DmsStep = 0;
    ExpText = "00";
    ExpVisible = false;
    ExpShown = false;
}

void Calculator::AppendDigit(char digit)
{
    if (ExpShown) {
        const std::string digits = std::string(1, ExpText.back()) + digit;
        ExpText = (!ExpText.empty() && ExpText[0] == '-') ? "-" + digits : digits;
        return;
    }
    std::string s = NewEntry ? "." : mantissaOf(LcdText);
    if (s.size() >= kTypedLimit) {
        m_toolkit.Beep();
    } else if (!PointTyped) {
        s = s.substr(0, s.size() - 1) + digit + ".";
    } else {
        s += digit;
    }
    LcdText = s + kSpaces;
}

// A typed number keeps the degrees-minutes-seconds step, so an angle can be
// entered part by part (30 DMS 15 DMS 36 DMS); C, AC and brackets abandon it.
void Calculator::sscmdDigit_Click(int16_t Index)
{
    if (NewEntry) {
        const int16_t step = DmsStep;
        ResetEntry();
        DmsStep = step;
    }
    const char digit = static_cast<char>('0' + Index);
    if (Index != 0) {
        AppendDigit(digit);
        NewEntry = false;
    } else if (PointTyped || !NewEntry) {
        AppendDigit(digit);
    }
    m_toolkit.FocusEqual();
}

void Calculator::sscmdDot_Click()
{
    if (NewEntry) {
        const int16_t step = DmsStep;
        ResetEntry();
        DmsStep = step;
        PointTyped = true;
        NewEntry = false;
    } else if (ExpShown || PointTyped) {
        return;
    } else {
        PointTyped = true;
        NewEntry = false;
    }
    m_toolkit.FocusEqual();
}

void Calculator::sscmdExp_Click()
{
    if (NewEntry) {
        ShowValue(3.14159265358979);
    } else {
        ExpVisible = true;
        ExpShown = true;
    }
    m_toolkit.FocusEqual();
}

void Calculator::cmdDel_Click()
{
    if (!ExpShown) {
        std::string s = mantissaOf(LcdText);
        if (!s.empty() && s.back() == '.') {
            PointTyped = false;
            s = s.substr(0, s.size() >= 2 ? s.size() - 2 : 0) + ".";
        } else if (!s.empty()) {
            s.pop_back();
        }
        // An emptied mantissa (from the bracket-level text) resets like "." does.
        if (s.empty() || s == "." || s == "-.") {
            s = "0.";
            NewEntry = true;
        }
        LcdText = s + kSpaces;
    } else if (!ExpText.empty() && ExpText[0] == '-') {
        ExpText = ExpText.substr(ExpText.size() - 2);
    } else if (ExpText != "00") {
        ExpText = "0" + ExpText.substr(0, 1);
    } else {
        ExpShown = false;
        ExpVisible = false;
    }
    m_toolkit.FocusEqual();
}

void Calculator::sscmdClean_Click(int16_t Index)
{
    if (Index == 0) {
        OpenBrackets = 0;
        Stack.StackClear();
    }
    ResetEntry();
    NewEntry = true;
    m_toolkit.FocusEqual();
}

}  // namespace trellum
