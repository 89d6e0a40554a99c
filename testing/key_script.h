// SPDX-License-Identifier: MIT
#pragma once
// testing/: the key-script harness, linked by tools/, tests/ and fuzz/ and never
// by the program.
//
//   key tokens ("2", "+", "MIN:3", "KEY:112") -> pressToken -> the calculator's
//     keys and commands, as the window would press them
//   KEY:n names a keyboard key by its Windows virtual-key code; only
//     virtual_key_codes.h knows those codes
//   RecordingToolkit (recording_toolkit.h) stands in for the desktop: it records
//     beeps, messages and clipboard writes, and answers dialogs from scripts
//     (storage_tokens.h turns MIN:/MR:/CO: tokens into such scripts)
//   appendRunnerLine prints what the window would show, one line per key; the
//     line is part of the contract documented in the README
//   CalculatorProbe (calculator_probe.h) reads entry state no key shows
//   KeySequence (key_sequence.h) wraps all of this for the unit tests

#include <string>
#include <string_view>
#include <vector>

namespace trellum {

class Calculator;
class RecordingToolkit;

// Presses the key named by the token. Returns false for an unknown token, with
// nothing pressed.
bool pressToken(Calculator& calc, RecordingToolkit& toolkit, std::string_view token);

// Every plain token (those without arguments), for the soak and the help text.
const std::vector<std::string>& plainTokens();

struct LineOptions {
    bool state = false;   // append new=.. exp=.. point=.. open=.. stack=..
    bool memory = false;  // append the ten slot texts, comma-separated
};

// Appends one runner line (token, LCD, exponent, indicators, events, [state],
// [memory]) and a newline to `out`, then clears the recorded events.
void appendRunnerLine(std::string& out, std::string_view token, const Calculator& calc, RecordingToolkit& toolkit,
                      const LineOptions& options);

}  // namespace trellum
