// The evaluator: pending left operands and operator codes alternate on the
// stack and are reduced as each operator key arrives, by precedence level.

#include <cmath>

#include "app/calculator.h"

namespace trellum {

namespace {

constexpr int16_t kMaxBrackets = 32767;

int16_t codeOf(double stacked) { return static_cast<int16_t>(stacked); }

}  // namespace

double Calculator::ApplyOperator(double left, int16_t code, double right)
{
    double result = 0;
    switch (code) {
    case kAdd: result = left + right; break;
    case kSubtract: result = left - right; break;
    case kMultiply: result = left * right; break;
    case kDivide:
        if (right == 0) {
            ReportError(1);
            return 0;
        }
        result = left / right;
        break;
    case kPower: result = std::pow(left, right); break;
    default: return 0;
    }
    // Beyond the double range, or a power without a real value (a negative base
    // with a fractional exponent, zero to a negative power).
    if (!std::isfinite(result)) {
        ReportError(2);
        return 0;
    }
    return result;
}

void Calculator::sscmdOperator_Click(int16_t Index)
{
    CurrentValue = GetDisplayValue();
    if (!Stack.StackIsEmpty()) {
        if (Index == kPower) {
            const int16_t c = codeOf(Stack.StackPop());
            const double a = Stack.StackPop();
            if (c == kPower) {
                CurrentValue = ApplyOperator(a, kPower, CurrentValue);
            } else {
                Stack.StackPush(a);
                Stack.StackPush(c);
            }
        } else {
            // + and - stop at a bracket; x and / also stop at + and -.
            const int16_t stopBelow = (Index == kAdd || Index == kSubtract) ? 1 : 3;
            while (!Stack.StackIsEmpty()) {
                const int16_t c = codeOf(Stack.StackPop());
                const double a = Stack.StackPop();
                if (c < stopBelow) {
                    Stack.StackPush(a);
                    Stack.StackPush(c);
                    break;
                }
                CurrentValue = ApplyOperator(a, c, CurrentValue);
            }
        }
        ShowValue(CurrentValue);
    }
    Stack.StackPush(CurrentValue);
    Stack.StackPush(Index);
    m_toolkit.FocusEqual();
}

void Calculator::cmdBracket_Click(int16_t Index)
{
    if (Index == 0) {
        if (OpenBrackets >= kMaxBrackets) {
            m_toolkit.Beep();  // the count is 16-bit; deeper nesting is refused
        } else {
            ++OpenBrackets;
            Stack.StackPush(OpenBrackets);
            Stack.StackPush(kBracketMarker);
            ResetEntry();
            LcdText = "(- " + std::to_string(OpenBrackets);
            NewEntry = true;
        }
    } else if (OpenBrackets >= 1) {
        closeBracket();
    }
    m_toolkit.FocusEqual();
}

void Calculator::closeBracket()
{
    CurrentValue = GetDisplayValue();
    // An error report inside the reduction empties the stack: stop there.
    while (!Stack.StackIsEmpty()) {
        const int16_t c = codeOf(Stack.StackPop());
        const double a = Stack.StackPop();
        if (c == kBracketMarker) break;
        CurrentValue = ApplyOperator(a, c, CurrentValue);
    }
    if (OpenBrackets > 0) --OpenBrackets;
    ShowValue(CurrentValue);
}

void Calculator::sscmdEqual_Click()
{
    for (int16_t n = OpenBrackets; n > 0; --n) {
        if (OpenBrackets >= 1) closeBracket();
    }
    CurrentValue = GetDisplayValue();
    while (!Stack.StackIsEmpty()) {
        const int16_t c = codeOf(Stack.StackPop());
        const double a = Stack.StackPop();
        CurrentValue = ApplyOperator(a, c, CurrentValue);
    }
    ShowValue(CurrentValue);
}

void Calculator::ReportError(int16_t code)
{
    static constexpr const char* kMessages[] = {"", "Divided by Zero!", "Out of Range!", "Not a positive integer!",
                                                "Not a positive number!"};
    const char* text = (code >= 1 && code <= 4) ? kMessages[code] : "";
    m_toolkit.MsgBox(text, MsgIcon::Exclamation, kProductName);
    sscmdClean_Click(0);
}

}  // namespace trellum
