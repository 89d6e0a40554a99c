// SPDX-License-Identifier: MIT
// valueOfText reads any text; for a text that passes the numeric test it must
// agree with the C library's correctly rounded reading, and the number text of
// its value must read back to the same value at 15 digits.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/number_text.h"

namespace {

// The blanks paste strips before the text reaches the display.
std::string_view trimPasted(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = trellum::valueOfText(text);
    if (std::isnan(value)) std::abort();

    if (trellum::isNumeric(text)) {
        const std::string trimmed(trimPasted(text));
        const double expected = std::strtod(trimmed.c_str(), nullptr);
        if (trellum::valueOfText(trimmed) != expected) std::abort();
    }

    const std::string shown = trellum::numberText(value);
    if (!trellum::isNumeric(shown)) std::abort();
    if (std::isfinite(value) && value != 0) {
        const double back = trellum::valueOfText(shown);
        if (std::fabs(back - value) > std::fabs(value) * 1e-14) std::abort();
    }
    return 0;
}
