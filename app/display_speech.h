// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader is told of the display: the number as it is read out
// ("1.5 times ten to the power -7"), the lit indicators, and what a key changed
// of them. The words are named here and marked for translation; the shell
// translates them in kSpeechContext and sends the accessibility events.

#include <string>
#include <string_view>
#include <vector>

namespace trellum {

struct DisplayState;

inline constexpr char kSpeechContext[] = "Display";

// The display's indicators in reading order.
enum class Indicator { Shift, Hyp, Memory, Degrees, Radians, Grads };
using Indicators = std::vector<Indicator>;

Indicators litIndicatorsOf(const DisplayState& shown);
// The word said while an indicator is lit ("shift"), and the sentence said when it goes out ("shift off").
const char* litWord(Indicator indicator);
const char* offSentence(Indicator indicator);

// What a key's effect on the indicators is worth saying: the words of those it
// lit; with nothing lit and no new result, the sentences of those it put out.
// The indicators a function key clears along with its result go unsaid.
std::vector<const char*> indicatorNews(const Indicators& before, const Indicators& after, bool withResult);

// A number text as it is read out: the digits as shown, without the trailing
// point of a whole number, and the power of ten as a number ("-07" is -7,
// "+15" is 15). While brackets are open and no number is typed yet ("(- 2"),
// only how many are open.
struct SpokenNumber {
    bool bracketLevel = false;   // the bracket-level text: no number, only the count
    int openBrackets = 0;
    std::string digits;
    std::string powerOfTen;      // empty: no exponent
};
SpokenNumber spokenNumberOf(std::string_view numberText);
// The number the display shows: its text and the exponent while it is shown.
SpokenNumber spokenNumberOf(const DisplayState& shown);

}  // namespace trellum
