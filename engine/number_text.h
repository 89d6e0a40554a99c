// SPDX-License-Identifier: MIT
#pragma once
// Text forms of numbers shared by the display, memory slots, constants, clipboard
// and settings. All of them use "." as the decimal point whatever the locale.

#include <string>
#include <string_view>

namespace trellum {

// At most 15 significant digits; plain for decimal exponents -4..14, else
// mantissa, "E", sign and at least two exponent digits (1.5E-07, 1E+15).
std::string numberText(double value);

// The value of the number at the start of the text (sign, digits, point,
// digits, E, sign, digits); 0 when the text does not start with a number.
// A number beyond the double range gives an infinity of its sign.
double valueOfText(std::string_view text);

// Whether the text, blanks around it ignored, is a sign, digits with at most one
// point and at least one digit, and an optional E or e with sign and digits.
bool isNumeric(std::string_view text);

// A number as the user's locale writes it, in the form isNumeric reads: a minus
// sign U+2212 (as word processors write it) becomes "-", and where the locale's
// decimal separator is a comma, a lone comma becomes "." when the text has no
// point of its own. Every other text comes back unchanged.
std::string numberFromLocale(std::string_view text, char decimalSeparator);

// The blanks a pasted text may carry around a number, beyond the spaces the
// display and the constants file put there.
inline constexpr std::string_view kBlanksAndLineEnds = " \t\r\n";

// Trims leading and trailing blanks: spaces, or the characters in `blanks`.
std::string_view trimBlanks(std::string_view text, std::string_view blanks = " ");
std::string_view trimTrailingBlanks(std::string_view text);

}  // namespace trellum
