// SPDX-License-Identifier: MIT
#include "testing/storage_tokens.h"

#include <charconv>
#include <functional>
#include <optional>

#include "app/calculator.h"
#include "app/constants_dialog.h"
#include "app/memory_dialog.h"
#include "testing/recording_toolkit.h"

namespace trellum {

namespace {

// A positive count written plainly: digits only, no sign, no leading zero.
std::optional<int> positiveNumber(std::string_view text, int largest)
{
    if (text.empty() || text.size() > 9 || text[0] == '0') return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    int value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc{} || res.ptr != text.data() + text.size() || value > largest) return std::nullopt;
    return value;
}

// What the user does in the memory dialog; the window closes if the steps leave it open.
std::optional<std::function<void(MemoryDialog&)>> memScript(std::string_view answer)
{
    if (answer == "X") return [](MemoryDialog& d) { d.cancel(); };
    if (answer == "W") return [](MemoryDialog& d) { d.closeWindow(); };
    const bool flush = !answer.empty() && answer[0] == 'F';
    if (flush) answer.remove_prefix(1);
    std::optional<int> line;
    if (!answer.empty()) {
        line = positiveNumber(answer, 10);
        if (!line) return std::nullopt;
    } else if (!flush) {
        return std::nullopt;
    }
    return [flush, line](MemoryDialog& d) {
        if (flush) d.flush();
        if (line) d.select(*line - 1);
        d.done();
        if (!d.isClosed()) d.closeWindow();
    };
}

std::optional<std::function<void(ConstantsDialog&)>> constScript(std::string_view answer)
{
    if (answer == "X") {
        return [](ConstantsDialog& d) {
            d.cancel();
            if (!d.isClosed()) d.closeWindow();
        };
    }
    const std::optional<int> entry = positiveNumber(answer, INT32_MAX);
    if (!entry) return std::nullopt;
    return [index = *entry - 1](ConstantsDialog& d) {
        if (static_cast<std::size_t>(index) < d.names().size()) {
            d.select(index);
            d.accept();
        }
        if (!d.isClosed()) d.closeWindow();
    };
}

}  // namespace

bool pressStorageToken(Calculator& calc, RecordingToolkit& toolkit, std::string_view token)
{
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view key = token.substr(0, colon);
    const std::string_view answer = token.substr(colon + 1);

    if (key == "MIN" || key == "MR") {
        auto script = memScript(answer);
        if (!script) return false;
        toolkit.memScripts.push_back(std::move(*script));
        calc.press(key == "MIN" ? Key::MemoryIn : Key::MemoryRecall);
        return true;
    }
    if (key == "CO") {
        auto script = constScript(answer);
        if (!script) return false;
        toolkit.constScripts.push_back(std::move(*script));
        calc.press(Key::Constants);
        return true;
    }
    return false;
}

}  // namespace trellum
