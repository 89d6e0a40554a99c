// SPDX-License-Identifier: MIT
#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>
#include <string>

namespace trellum {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string numberText(double value)
{
    if (value == 0) return "0";
    if (!std::isfinite(value)) return std::signbit(value) ? "-1E+999" : "1E+999";

    // Scientific with 14 decimals is exactly 15 significant digits, rounded to
    // nearest, and to_chars never consults the locale.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const std::size_t e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        } else {
            const auto whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                text += digits + std::string(whole - digits.size(), '0');
            } else {
                text += digits.substr(0, whole) + "." + digits.substr(whole);
            }
        }
        return text;
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const std::string expDigits = std::to_string(std::abs(exponent));
    text += (expDigits.size() < 2 ? "0" : "") + expDigits;
    return text;
}

double valueOfText(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    std::string number;  // normalised for from_chars: digits [. digits] [e [-] digits]
    std::size_t mantissaDigits = 0;
    while (i < n && isDigit(text[i])) { number += text[i++]; ++mantissaDigits; }
    if (i < n && text[i] == '.') {
        ++i;
        std::string fraction;
        while (i < n && isDigit(text[i])) { fraction += text[i++]; ++mantissaDigits; }
        if (!fraction.empty()) number += "." + fraction;
    }
    if (mantissaDigits == 0) return 0;

    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string sign;
        if (j < n && (text[j] == '+' || text[j] == '-')) { if (text[j] == '-') sign = "-"; ++j; }
        std::string expDigits;
        while (j < n && isDigit(text[j])) expDigits += text[j++];
        if (!expDigits.empty()) number += "e" + sign + expDigits;
    }

    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small underflows to zero, too large is an infinity. The sign of the
        // written exponent alone does not say which ("0.000…1E+5" is tiny), so
        // place the first significant digit and add the written exponent.
        const std::size_t e = std::min(number.find('e'), number.size());
        const std::size_t point = std::min(number.find('.'), e);
        const std::size_t first = number.find_first_of("123456789");
        int64_t magnitude = first < point ? static_cast<int64_t>(point - first) - 1
                                          : -static_cast<int64_t>(first - point);
        if (e < number.size()) {
            const bool minus = number[e + 1] == '-';
            int64_t written = 0;
            for (std::size_t k = e + (minus ? 2 : 1); k < number.size(); ++k) {
                written = std::min<int64_t>(written * 10 + (number[k] - '0'), int64_t{1} << 40);
            }
            magnitude += minus ? -written : written;
        }
        value = magnitude < 0 ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

std::string_view trimBlanks(std::string_view text, std::string_view blanks)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string_view trimTrailingBlanks(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

bool isNumeric(std::string_view text)
{
    // Tabs and a line end count as blanks around a pasted number too.
    text = trimBlanks(text, kBlanksAndLineEnds);
    if (text.empty()) return false;

    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) ++digits;
        else if (text[i] == '.' && !point) point = true;
        else break;
    }
    if (digits == 0) return false;
    if (i == n) return true;
    if (text[i] != 'E' && text[i] != 'e') return false;
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t expDigits = 0;
    for (; i < n && isDigit(text[i]); ++i) ++expDigits;
    return expDigits > 0 && i == n;
}

std::string numberFromLocale(std::string_view text, char decimalSeparator)
{
    constexpr std::string_view kMinusSign = "\xE2\x88\x92";   // U+2212 in UTF-8
    std::string number;
    number.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kMinusSign.size()) == kMinusSign) {
            number += '-';
            i += kMinusSign.size() - 1;
        } else {
            number += text[i];
        }
    }
    // "1.234,5" stays as it is: a grouped number is no number text.
    if (decimalSeparator == ',' && std::count(number.begin(), number.end(), ',') == 1 &&
        number.find('.') == std::string::npos) {
        number[number.find(',')] = '.';
    }
    return number;
}

}  // namespace trellum
