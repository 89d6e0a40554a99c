// SPDX-License-Identifier: MIT
#include "app/display_speech.h"

#include <algorithm>
#include <charconv>

#include "app/calculator.h"
#include "app/translatable.h"
#include "engine/number_text.h"

namespace trellum {

namespace {

struct IndicatorWords {
    const char* lit;
    const char* off;
};

const IndicatorWords kIndicatorWords[] = {
    //: The display's "S" indicator (the calculator's SHIFT key armed): spoken when it lights, listed in the
    //: display's description while lit.
    {TRELLUM_TRANSLATE_NOOP("Display", "shift"),
     //: Spoken when the display's "S" indicator goes out: the calculator's SHIFT key is no longer armed.
     TRELLUM_TRANSLATE_NOOP("Display", "shift off")},
    //: The display's "hyp" indicator (the hyperbolic functions armed): spoken when it lights, listed in the
    //: display's description while lit.
    {TRELLUM_TRANSLATE_NOOP("Display", "hyperbolic"),
     //: Spoken when the display's "hyp" indicator goes out.
     TRELLUM_TRANSLATE_NOOP("Display", "hyperbolic off")},
    //: The display's "M" indicator (a number stored in the memory): spoken when it lights, listed in the
    //: display's description while lit.
    {TRELLUM_TRANSLATE_NOOP("Display", "memory"),
     //: Spoken when the display's "M" indicator goes out: the memory is empty.
     TRELLUM_TRANSLATE_NOOP("Display", "memory off")},
    //: The display's "D" indicator (angles in degrees): spoken when it lights, listed in the display's
    //: description while lit.
    {TRELLUM_TRANSLATE_NOOP("Display", "degrees"),
     //: Spoken when the display's "D" indicator goes out without another lighting.
     TRELLUM_TRANSLATE_NOOP("Display", "degrees off")},
    //: The display's "R" indicator (angles in radians): spoken when it lights, listed in the display's
    //: description while lit.
    {TRELLUM_TRANSLATE_NOOP("Display", "radians"),
     //: Spoken when the display's "R" indicator goes out without another lighting.
     TRELLUM_TRANSLATE_NOOP("Display", "radians off")},
    //: The display's "G" indicator (angles in grads): spoken when it lights, listed in the display's
    //: description while lit.
    {TRELLUM_TRANSLATE_NOOP("Display", "grads"),
     //: Spoken when the display's "G" indicator goes out without another lighting.
     TRELLUM_TRANSLATE_NOOP("Display", "grads off")},
};

bool contains(const Indicators& indicators, Indicator indicator)
{
    return std::find(indicators.begin(), indicators.end(), indicator) != indicators.end();
}

}  // namespace

Indicators litIndicatorsOf(const DisplayState& shown)
{
    const bool on[] = {shown.shiftIndicatorVisible, shown.hypIndicatorVisible,   shown.memIndicatorVisible,
                       shown.modeDisplayVisible[0], shown.modeDisplayVisible[1], shown.modeDisplayVisible[2]};
    Indicators lit;
    for (std::size_t i = 0; i < std::size(on); ++i)
        if (on[i]) lit.push_back(static_cast<Indicator>(i));
    return lit;
}

const char* litWord(Indicator indicator) { return kIndicatorWords[static_cast<int>(indicator)].lit; }

const char* offSentence(Indicator indicator) { return kIndicatorWords[static_cast<int>(indicator)].off; }

std::vector<const char*> indicatorNews(const Indicators& before, const Indicators& after, bool withResult)
{
    std::vector<const char*> said;
    for (const Indicator indicator : after)
        if (!contains(before, indicator)) said.push_back(litWord(indicator));
    if (!said.empty() || withResult) return said;
    for (const Indicator indicator : before)
        if (!contains(after, indicator)) said.push_back(offSentence(indicator));
    return said;
}

SpokenNumber spokenNumberOf(std::string_view numberText)
{
    const std::string_view text = trimBlanks(numberText);
    SpokenNumber spoken;
    if (text.starts_with('(')) {
        // "(- 2": two brackets open, no number yet.
        spoken.bracketLevel = true;
        const std::string_view level = text.substr(text.rfind(' ') + 1);
        std::from_chars(level.data(), level.data() + level.size(), spoken.openBrackets);
        return spoken;
    }
    const std::size_t e = text.find_first_of("Ee");
    spoken.digits = text.substr(0, e);
    if (spoken.digits.ends_with('.')) spoken.digits.pop_back();
    if (spoken.digits.empty() || spoken.digits == "-") spoken.digits += '0';
    if (e == std::string_view::npos) return spoken;
    // The digits of the exponent stay digits; only its sign and leading zeros go.
    std::string_view exponent = text.substr(e + 1);
    const bool negative = exponent.starts_with('-');
    if (negative || exponent.starts_with('+')) exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    spoken.powerOfTen = exponent.empty() ? "0" : std::string(exponent);
    if (negative && spoken.powerOfTen != "0") spoken.powerOfTen.insert(0, 1, '-');
    return spoken;
}

SpokenNumber spokenNumberOf(const DisplayState& shown)
{
    std::string text(trimBlanks(shown.lcdText));
    if (shown.expVisible) text.append("E").append(shown.expText);
    return spokenNumberOf(text);
}

}  // namespace trellum
