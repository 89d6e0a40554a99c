#pragma once
// Key tokens: the names by which scripts, tests, the soak and the benchmarks press
// the calculator's keys through the same handlers as the window. The runner's
// output line is part of the contract documented in the README.

#include <string>
#include <string_view>
#include <vector>

namespace trellum {

class Calculator;
class RecordingToolkit;

// Presses the key named by the token. Returns false for an unknown token, with
// nothing pressed.
bool PressToken(Calculator& calc, RecordingToolkit& toolkit, std::string_view token);

// Every plain token (those without arguments), for the soak and the help text.
const std::vector<std::string>& PlainTokens();

struct LineOptions {
    bool state = false;   // append new=.. exp=.. point=.. open=.. stack=..
    bool memory = false;  // append the ten slot texts, comma-separated
};

// Appends one runner line (token, LCD, exponent, indicators, events, [state],
// [memory]) and a newline to `out`, then clears the recorded events.
void AppendRunnerLine(std::string& out, std::string_view token, const Calculator& calc, RecordingToolkit& toolkit,
                      const LineOptions& options);

}  // namespace trellum
