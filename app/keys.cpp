// SPDX-License-Identifier: MIT
// One key, one command: what a click on each key of the keypad does, and the
// keys typed on the keyboard, which press the same keys. Every key gives the
// keyboard back to "=" when its command is done, so the commands themselves
// never see the focus.

#include "app/calculator.h"

namespace trellum {

void Calculator::press(Key key)
{
    runCommand(key);
    // The keyboard map listens on "=" (a click or a dialog took the focus away).
    // OFF has closed the window: there is no keyboard left to give back.
    if (key != Key::Off) m_toolkit.focusEqualsKey();
}

void Calculator::runCommand(Key key)
{
    switch (key) {
    case Key::Shift: return toggleShift();
    case Key::Delete: return deleteLast();
    case Key::Mode: return cycleAngleMode();
    case Key::DegreesMinutesSeconds: return pressDegreesMinutesSeconds();
    case Key::Off: return switchOff();
    case Key::Square: return square();
    case Key::SquareRoot: return squareRoot();
    case Key::Log: return pressLog(LogFunction::Log);
    case Key::Ln: return pressLog(LogFunction::Ln);
    case Key::Power: return pressOperator(Operator::Power);
    case Key::Reciprocal: return pressReciprocal();
    case Key::Hyp: return toggleHyp();
    case Key::Sin: return pressTrig(TrigFunction::Sin);
    case Key::Cos: return pressTrig(TrigFunction::Cos);
    case Key::Tan: return pressTrig(TrigFunction::Tan);
    case Key::ChangeSign: return changeSign();
    case Key::OpenBracket: return openBracket();
    case Key::CloseBracket: return closeBracket();
    case Key::MemoryIn: return memoryIn();
    case Key::MemoryRecall: return memoryRecall();
    case Key::Digit0: return pressDigit(0);
    case Key::Digit1: return pressDigit(1);
    case Key::Digit2: return pressDigit(2);
    case Key::Digit3: return pressDigit(3);
    case Key::Digit4: return pressDigit(4);
    case Key::Digit5: return pressDigit(5);
    case Key::Digit6: return pressDigit(6);
    case Key::Digit7: return pressDigit(7);
    case Key::Digit8: return pressDigit(8);
    case Key::Digit9: return pressDigit(9);
    case Key::Clear: return clearEntry();
    case Key::AllClear: return allClear();
    case Key::Multiply: return pressOperator(Operator::Multiply);
    case Key::Divide: return pressOperator(Operator::Divide);
    case Key::Add: return pressOperator(Operator::Add);
    case Key::Subtract: return pressOperator(Operator::Subtract);
    case Key::Point: return pressPoint();
    case Key::Exponent: return pressExponent();
    case Key::Equals: return equals();
    case Key::Constants: return openConstants();
    }
}

void Calculator::typeKey(std::optional<Key> key)
{
    if (key) return press(*key);
    m_toolkit.beep();
}

void Calculator::typeEscape()
{
    if (m_toolkit.isWindowVisible()) hideToTray();
}

}  // namespace trellum
