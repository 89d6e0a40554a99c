// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "engine/error_code.h"

namespace trellum {

inline constexpr const char* kLcdReset = "0.  ";

// The display: mantissa text with its two trailing spaces (or the bracket-level
// text such as "(- 1"), the exponent label, and the entry flags that say how
// the next typed character edits them. Values are read back from the text, so
// every value that passes through has the display's precision.
class DisplayRegister {
public:
    explicit DisplayRegister(ErrorReporter& errors) : m_errors(errors) {}

    const std::string& lcdText() const { return m_lcdText; }
    const std::string& expText() const { return m_expText; }
    bool expVisible() const { return m_expVisible; }
    // The exponent is being typed, or belongs to the number shown.
    bool expShown() const { return m_expShown; }
    bool pointTyped() const { return m_pointTyped; }
    // The next digit starts a new number.
    bool newEntry() const { return m_newEntry; }

    // Takes the shown number as an operand: ends the entry, and a second take
    // ignores the exponent.
    double takeDisplayValue();
    // A value outside the double range is reported as out of range.
    void showValue(double value);
    // Shows a number text: mantissa cut to 15 characters, exponent to two digits.
    void showNumberText(const std::string& text);
    // Mantissa, and "E" and the exponent while one is shown.
    std::string displayText() const;

    // "0.", no exponent, no point; leaves newEntry as it is.
    void resetEntry();
    void endEntry() { m_newEntry = true; }
    void showBracketLevel(int16_t level);

    // A digit key; false when the mantissa is full (the digit is refused).
    bool typeDigit(int16_t digit);
    void typePoint();
    void startExponent();
    void deleteLast();
    // +/-: the sign of the exponent while it is typed, else of the mantissa.
    void toggleSign();

private:
    bool appendDigit(char digit);

    ErrorReporter& m_errors;
    std::string m_lcdText = kLcdReset;
    std::string m_expText = "00";
    bool m_expVisible = false;
    bool m_expShown = false;
    bool m_pointTyped = false;
    bool m_newEntry = true;
};

}  // namespace trellum
