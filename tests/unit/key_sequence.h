#pragma once
// A calculator started as the program starts on a first run, driven by key tokens.

#include <sstream>
#include <string>

#include "engine/calculator.h"
#include "engine/key_script.h"
#include "engine/recording_toolkit.h"
#include "storage/settings_store.h"

namespace trellum::testing_support {

// Names a TEST_P row after its `name` field, so a failure says which case broke.
struct RowName {
    template <class Info>
    std::string operator()(const Info& info) const
    {
        return info.param.name;
    }
};

// Toolkit: RecordingToolkit, or a subclass that records more.
template <class Toolkit>
struct BasicKeySequence {
    Toolkit toolkit;
    SettingsStore settings;
    Calculator calc{toolkit, settings};

    BasicKeySequence()
    {
        calc.Form_Load();
        toolkit.Events.clear();
    }

    // Presses each blank-separated token; returns the events of all of them,
    // joined by " | ". An unknown token is returned as "unknown:TOKEN".
    std::string press(const std::string& tokens)
    {
        std::istringstream in(tokens);
        std::string token;
        while (in >> token) {
            if (!PressToken(calc, toolkit, token)) return "unknown:" + token;
        }
        std::string events;
        for (const auto& event : toolkit.Events) events += (events.empty() ? "" : " | ") + event;
        toolkit.Events.clear();
        return events;
    }

    // The display as a person reads it: mantissa, and "E" and the exponent while shown.
    std::string shown() const
    {
        std::string text = calc.LcdText;
        if (calc.ExpVisible) text += "E" + calc.ExpText;
        return text;
    }
};

using KeySequence = BasicKeySequence<RecordingToolkit>;

}  // namespace trellum::testing_support
