// SPDX-License-Identifier: MIT
// The display register and number entry: every key here edits text, and values
// are read back from that text.

#include <cmath>

#include "engine/display_register.h"
#include "engine/number_text.h"

namespace trellum {

namespace {

constexpr const char* kSpaces = "  ";
constexpr std::size_t kMantissaLength = 15;
constexpr std::size_t kTypedLimit = 14;

std::string mantissaOf(const std::string& lcd) { return std::string(trimTrailingBlanks(lcd)); }

// The number text that showValue puts on the display. A plain text with more
// than 15 characters before its point (a negative 15-digit whole number) would
// lose a digit when cut, so it is shown with an exponent instead.
std::string displayedText(double value)
{
    std::string text = numberText(value);
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
    return text;
}

}  // namespace

double DisplayRegister::takeDisplayValue()
{
    std::string text = mantissaOf(m_lcdText);
    if (m_expShown) {
        text += "E" + m_expText;
        m_expShown = false;  // the label stays: a second read ignores the exponent
    }
    m_newEntry = true;
    return valueOfText(text);
}

void DisplayRegister::showValue(double value)
{
    if (!std::isfinite(value)) {
        m_errors.reportError(ErrorCode::OutOfRange);
        m_newEntry = true;
        return;
    }
    showNumberText(displayedText(value));
    m_newEntry = true;
}

void DisplayRegister::showNumberText(const std::string& written)
{
    std::string text = written;
    std::size_t p = text.find_first_of("Ee");
    // A mantissa longer than 15 characters with no point among them cannot be cut
    // without showing another number (a pasted 12345678901234567890 would read
    // 123456789012345.), so it is shown as showValue shows its value.
    const std::size_t mantissaEnd = p == std::string::npos ? text.size() : p;
    if (mantissaEnd > kMantissaLength && text.find('.') >= kMantissaLength) {
        text = displayedText(valueOfText(text));
        p = text.find_first_of("Ee");
    }
    p = p == std::string::npos ? 0 : p + 1;
    const std::size_t length = (p >= 1 && p <= kMantissaLength) ? p - 1 : kMantissaLength;
    std::string mantissa = text.substr(0, length);
    if (text.find('.') == std::string::npos) mantissa += ".";
    m_lcdText = mantissa + kSpaces;
    if (p == 0) {
        m_expShown = false;
        m_expVisible = false;
        return;
    }
    const std::string part = text.substr(p);
    if (std::fabs(valueOfText(part)) > 99) {
        m_errors.reportError(ErrorCode::OutOfRange);
        return;
    }
    // The exponent is shown as written, only a leading "+" dropped: a pasted
    // 1E-5 shows -5 and copies back as it came.
    m_expText = !part.empty() && part[0] == '+' ? part.substr(1) : part;
    m_expShown = true;
    m_expVisible = true;
}

std::string DisplayRegister::displayText() const
{
    std::string text = mantissaOf(m_lcdText);
    if (m_expShown) text += "E" + m_expText;
    return text;
}

void DisplayRegister::resetEntry()
{
    m_pointTyped = false;
    m_lcdText = kLcdReset;
    m_expText = "00";
    m_expVisible = false;
    m_expShown = false;
}

bool DisplayRegister::appendDigit(char digit)
{
    if (m_expShown) {
        // A pasted exponent may be shorter than two characters, or empty.
        const std::string digits = (m_expText.empty() ? std::string() : m_expText.substr(m_expText.size() - 1)) + digit;
        m_expText = (!m_expText.empty() && m_expText[0] == '-') ? "-" + digits : digits;
        return true;
    }
    std::string s = m_newEntry ? "." : mantissaOf(m_lcdText);
    const bool room = s.size() < kTypedLimit;
    if (room && !m_pointTyped) {
        s = s.substr(0, s.size() - 1) + digit + ".";
    } else if (room) {
        s += digit;
    }
    m_lcdText = s + kSpaces;
    return room;
}

bool DisplayRegister::typeDigit(int16_t digit)
{
    bool accepted = true;
    if (digit != 0) {
        accepted = appendDigit(static_cast<char>('0' + digit));
        m_newEntry = false;
    } else if (m_pointTyped || !m_newEntry) {
        accepted = appendDigit('0');
    }
    return accepted;
}

void DisplayRegister::typePoint()
{
    m_pointTyped = true;
    m_newEntry = false;
}

void DisplayRegister::startExponent()
{
    m_expVisible = true;
    m_expShown = true;
}

void DisplayRegister::deleteLast()
{
    if (!m_expShown) {
        std::string s = mantissaOf(m_lcdText);
        if (!s.empty() && s.back() == '.') {
            m_pointTyped = false;
            s = s.substr(0, s.size() >= 2 ? s.size() - 2 : 0) + ".";
        } else if (!s.empty()) {
            s.pop_back();
        }
        // An emptied mantissa (from the bracket-level text) resets like "." does.
        if (s.empty() || s == "." || s == "-.") {
            s = "0.";
            m_newEntry = true;
        }
        m_lcdText = s + kSpaces;
    } else if (!m_expText.empty() && m_expText[0] == '-') {
        m_expText = m_expText.substr(m_expText.size() >= 2 ? m_expText.size() - 2 : 0);
    } else if (m_expText != "00") {
        m_expText.erase(m_expText.empty() ? 0 : 1).insert(0, 1, '0');
    } else {
        m_expShown = false;
        m_expVisible = false;
    }
}

void DisplayRegister::toggleSign()
{
    // The sign is edited as text so that an entry in progress can go on.
    if (m_expShown) {
        if (!m_expText.empty() && m_expText[0] == '-') m_expText.erase(0, 1);
        else m_expText = "-" + m_expText;
    } else if (isNumeric(m_lcdText) && valueOfText(m_lcdText) != 0) {
        // After "(" the display holds the bracket level, not a number: left alone.
        if (m_lcdText[0] == '-') m_lcdText.erase(0, 1);
        else m_lcdText = "-" + m_lcdText;
    }
}

void DisplayRegister::showBracketLevel(int16_t level) { m_lcdText = "(- " + std::to_string(level); }

}  // namespace trellum
