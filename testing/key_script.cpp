// SPDX-License-Identifier: MIT
#include "testing/key_script.h"

#include <charconv>
#include <optional>
#include <unordered_map>

#include "app/calculator.h"
#include "app/key_table.h"
#include "testing/calculator_probe.h"
#include "testing/recording_toolkit.h"
#include "testing/storage_tokens.h"
#include "testing/virtual_key_codes.h"

namespace trellum {

namespace {

// Keys whose token is followed by a dialog's answer (storage_tokens.h).
bool takesAnswer(Key key) { return key == Key::MemoryIn || key == Key::MemoryRecall || key == Key::Constants; }

constexpr std::string_view kCopyToken = "COPY";

// The keypad's tokens from the key table; COPY (the Copy menu entry) maps to none.
const std::unordered_map<std::string_view, std::optional<Key>>& plainKeys()
{
    static const auto keys = [] {
        std::unordered_map<std::string_view, std::optional<Key>> all;
        for (const KeyRow& row : keyTable()) {
            if (*row.token != '\0' && !takesAnswer(row.key)) all.emplace(row.token, row.key);
        }
        all.emplace(kCopyToken, std::nullopt);
        return all;
    }();
    return keys;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

const std::vector<std::string>& plainTokens()
{
    static const std::vector<std::string> tokens = [] {
        std::vector<std::string> all;
        for (const auto& [name, press] : plainKeys()) all.emplace_back(name);
        return all;
    }();
    return tokens;
}

bool pressToken(Calculator& calc, RecordingToolkit& toolkit, std::string_view token)
{
    const auto& keys = plainKeys();
    if (const auto it = keys.find(token); it != keys.end()) {
        if (it->second) calc.press(*it->second);
        else calc.copy();
        return true;
    }
    if (startsWith(token, "PASTE:")) {
        toolkit.clipboard = std::string(token.substr(6));
        calc.paste();
        return true;
    }
    if (startsWith(token, "KEY:")) {
        int code = 0;
        const auto digits = token.substr(4);
        const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), code);
        if (res.ec != std::errc{} || res.ptr != digits.data() + digits.size() || code < 0 || code > 255) return false;
        typeVirtualKey(calc, code);
        return true;
    }
    return pressStorageToken(calc, toolkit, token);
}

void appendRunnerLine(std::string& out, std::string_view token, const Calculator& calc, RecordingToolkit& toolkit,
                      const LineOptions& options)
{
    const DisplayState shown = calc.display();
    out += token;
    out += '\t';
    out += shown.lcdText;
    out += '\t';
    if (shown.expVisible) out += shown.expText;
    out += '\t';
    std::string_view separator;
    const auto indicator = [&](bool visible, std::string_view name) {
        if (!visible) return;
        out += separator;
        out += name;
        separator = " ";
    };
    indicator(shown.shiftIndicatorVisible, "S");
    indicator(shown.hypIndicatorVisible, "hyp");
    indicator(shown.memIndicatorVisible, "M");
    indicator(shown.modeDisplayVisible[0], "D");
    indicator(shown.modeDisplayVisible[1], "R");
    indicator(shown.modeDisplayVisible[2], "G");
    out += '\t';
    for (std::size_t i = 0; i < toolkit.events.size(); ++i) {
        if (i > 0) out += " | ";
        out += toolkit.events[i];
    }
    toolkit.events.clear();
    if (options.state) {
        const CalculatorProbe::EntryState entry = CalculatorProbe::entry(calc);
        out += "\tnew=" + std::to_string(entry.newEntry ? 1 : 0) + " exp=" + std::to_string(entry.expShown ? 1 : 0) +
               " point=" + std::to_string(entry.pointTyped ? 1 : 0) + " open=" + std::to_string(entry.openBrackets) +
               " stack=" + std::to_string(entry.stacked);
    }
    if (options.memory) {
        out += '\t';
        const MemoryBank::Slots& slots = CalculatorProbe::memorySlots(calc);
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (i > 0) out += ',';
            out += slots[i];
        }
    }
    out += '\n';
}

}  // namespace trellum
