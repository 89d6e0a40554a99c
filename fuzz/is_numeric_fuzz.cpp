// SPDX-License-Identifier: MIT
// Any text read as a number agrees with the C library's correctly rounded
// reading, and a number text of its value reads back at 15 digits. Whatever
// passes the numeric test (after a typographic minus is read as "-") goes onto
// the display without a crash and leaves it in a state the keys can work on;
// whatever fails it is refused by paste with the program's message and the
// display untouched.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/calculator.h"
#include "engine/number_text.h"
#include "storage/settings_store.h"
#include "testing/recording_toolkit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = trellum::valueOfText(text);
    if (std::isnan(value)) std::abort();
    if (trellum::isNumeric(text)) {
        // Paste strips the blanks around the number before it reads it.
        const std::size_t first = text.find_first_not_of(" \t\r\n");
        const std::string trimmed = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
        if (trellum::valueOfText(trimmed) != std::strtod(trimmed.c_str(), nullptr)) std::abort();
    }
    const std::string shown = trellum::numberText(value);
    if (!trellum::isNumeric(shown)) std::abort();
    if (std::isfinite(value) && value != 0 &&
        std::fabs(trellum::valueOfText(shown) - value) > std::fabs(value) * 1e-14)
        std::abort();

    trellum::RecordingToolkit toolkit;
    trellum::SettingsStore settings;
    trellum::Calculator calc(toolkit, settings);
    calc.allClear();
    calc.pressDigit(7);
    const std::string before(calc.display().lcdText);

    toolkit.clipboard = text;
    calc.paste();
    // Paste reads the text as a "." locale writes it: a U+2212 minus is a minus.
    const std::string number = trellum::numberFromLocale(text, '.');
    if (trellum::isNumeric(number)) {
        for (const auto& event : toolkit.events)
            if (event.rfind("msg:", 0) == 0 && event != "msg:!:Out of Range!") std::abort();
        if (!calc.display().lcdText.ends_with("  ")) std::abort();
        // The display copied, then read back and shown again by "=", must stay a display text.
        calc.copy();
        calc.equals();
        if (!calc.display().lcdText.ends_with("  ")) std::abort();
    } else {
        if (toolkit.events.size() != 1 || toolkit.events[0] != "msg:!:Importing data is not a number ") std::abort();
        if (calc.display().lcdText != before) std::abort();
    }
    return 0;
}
