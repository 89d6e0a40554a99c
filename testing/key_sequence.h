// SPDX-License-Identifier: MIT
#pragma once
// A calculator started as the program starts on a first run, driven by key tokens.

#include <sstream>
#include <string>
#include <utility>

#include "app/calculator.h"
#include "storage/settings_store.h"
#include "testing/key_script.h"
#include "testing/recording_toolkit.h"

namespace trellum::testing_support {

// Toolkit: RecordingToolkit, or a subclass that records more.
template <class Toolkit>
struct BasicKeySequence {
    Toolkit toolkit;
    SettingsStore settings;
    Calculator calc{toolkit, settings};

    BasicKeySequence()
    {
        calc.start();
        toolkit.events.clear();
    }

    // Presses each blank-separated token; returns the events of all of them,
    // joined by " | ". An unknown token is returned as "unknown:TOKEN".
    std::string press(const std::string& tokens)
    {
        std::istringstream in(tokens);
        std::string token;
        while (in >> token) {
            if (!pressToken(calc, toolkit, token)) return "unknown:" + token;
        }
        std::string events;
        for (const auto& event : toolkit.events) events += (events.empty() ? "" : " | ") + event;
        toolkit.events.clear();
        return events;
    }

    // The display as a person reads it: mantissa, and "E" and the exponent while shown.
    std::string shown() const
    {
        const DisplayState state = calc.display();
        std::string text(state.lcdText);
        if (state.expVisible) text += "E" + std::string(state.expText);
        return text;
    }

    // The lit indicators as the runner prints them, e.g. "S hyp M D".
    std::string indicators() const
    {
        const DisplayState state = calc.display();
        const std::pair<bool, const char*> parts[] = {
            {state.shiftIndicatorVisible, "S"}, {state.hypIndicatorVisible, "hyp"},
            {state.memIndicatorVisible, "M"},   {state.modeDisplayVisible[0], "D"},
            {state.modeDisplayVisible[1], "R"}, {state.modeDisplayVisible[2], "G"}};
        std::string text;
        for (const auto& [on, name] : parts) {
            if (on) text += (text.empty() ? "" : " ") + std::string(name);
        }
        return text;
    }
};

using KeySequence = BasicKeySequence<RecordingToolkit>;

}  // namespace trellum::testing_support
