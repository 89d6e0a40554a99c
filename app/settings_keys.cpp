// SPDX-License-Identifier: MIT
// Settings persistence of the calculator: window place, angle mode,
// always-on-top and the memory bank, read once at start-up and written once
// when the main window closes.

#include "storage/settings.h"
#include "storage/settings_store.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "app/calculator.h"
#include "engine/number_text.h"

namespace trellum {

namespace {

// "Mem 1" to "Mem 10": the value names every earlier version wrote.
std::string memoryValueName(int n)
{
    return "Mem " + std::to_string(n);
}

// Reads one value that the program stores as a T. A value that is there with
// another type (a hand edit, another program) is not used and marks the file
// as not read as expected.
template <typename T>
std::optional<T> readValue(const SettingsStore& store, const char* key, const std::string& name, bool& expected)
{
    const std::optional<SettingValue> value = store.value(key, name);
    if (!value) return std::nullopt;
    if (const T* typed = std::get_if<T>(&*value)) return *typed;
    expected = false;
    return std::nullopt;
}

// A stored place fits the window's 16-bit coordinates only when it is a number
// in range; anything else counts as missing so that no wrapped place is applied.
std::optional<Twips> readPlace(const SettingsStore& store, const char* name, bool& expected)
{
    const std::optional<int32_t> number = readValue<int32_t>(store, kSettingsKey, name, expected);
    if (!number || *number < INT16_MIN || *number > INT16_MAX) return std::nullopt;
    return Twips(*number);
}

// Each value saveSettings writes, under its key, with the value a copy takes
// it to have while the file has none (the first-run state; none for the place).
struct SavedValue {
    const char* key;
    std::string name;
    std::optional<SettingValue> whenMissing;
};

std::vector<SavedValue> savedValues()
{
    std::vector<SavedValue> values = {{kSettingsKey, "Top", std::nullopt},
                                      {kSettingsKey, "Left", std::nullopt},
                                      {kSettingsKey, "Mode", int32_t{0}},
                                      {kSettingsKey, "OnTop", std::string("False")}};
    for (int n = 1; n <= 10; ++n) values.push_back({kMemoryKey, memoryValueName(n), std::string("0")});
    return values;
}

std::optional<bool> storedBoolean(const std::string& text)
{
    const std::string_view trimmed = trimBlanks(text);
    auto is = [&](std::string_view word) {
        if (trimmed.size() != word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(trimmed[i])) != word[i]) return false;
        return true;
    };
    if (is("true")) return true;
    if (is("false")) return false;
    return std::nullopt;
}

}  // namespace

SettingsFound Calculator::loadSettings()
{
    const SettingsStore& store = settings();
    Toolkit& desktop = toolkit();
    m_settingsAsRead.clear();
    for (const SavedValue& saved : savedValues()) {
        if (std::optional<SettingValue> value = store.value(saved.key, saved.name))
            m_settingsAsRead.emplace(saved.name, std::move(*value));
        else if (saved.whenMissing)
            m_settingsAsRead.emplace(saved.name, *saved.whenMissing);
    }
    if (!store.hasKey(kSettingsKey)) return SettingsFound::Nothing;
    // Whatever the program would not write itself is applied as best it can be,
    // and the file is kept aside before the next save replaces it.
    bool expected = true;

    // Each value gets a holder of its own, so a missing one falls back to its
    // first-run default and never to what the previous read left behind.
    if (desktop.canPlaceWindow()) {
        const std::optional<Twips> top = readPlace(store, "Top", expected);
        const std::optional<Twips> left = readPlace(store, "Left", expected);
        if (!top || !left) desktop.centreWindow();
        if (top || left) desktop.moveWindow(top ? *top : desktop.windowTop(), left ? *left : desktop.windowLeft());
        // A place stored on a screen that is gone would leave the window unseen.
        desktop.keepWindowOnScreen();
    }

    const std::optional<int32_t> mode = readValue<int32_t>(store, kSettingsKey, "Mode", expected);
    const bool knownMode = mode && (*mode == 0 || *mode == 1 || *mode == 2);
    if (mode && !knownMode) expected = false;
    m_angleMode = knownMode ? static_cast<Angle>(*mode) : Angle::Degrees;

    const std::optional<std::string> onTop = readValue<std::string>(store, kSettingsKey, "OnTop", expected);
    if (const std::optional<bool> stored = onTop ? storedBoolean(*onTop) : std::nullopt) {
        setAlwaysOnTop(*stored);
    } else {
        if (onTop) expected = false;
        m_alwaysOnTop = false;
    }

    const bool memoryKey = store.hasKey(kMemoryKey);
    MemoryBank::Slots slots;
    for (int n = 1; n <= 10; ++n) {
        const std::optional<std::string> text =
            memoryKey ? readValue<std::string>(store, kMemoryKey, memoryValueName(n), expected) : std::nullopt;
        slots[static_cast<std::size_t>(n - 1)] = text.value_or("0");
    }
    m_memory.assign(std::move(slots));
    if (!expected) settings().setAsideBeforeSave();
    return memoryKey ? SettingsFound::BothKeys : SettingsFound::MainKeyOnly;
}

bool Calculator::saveSettings()
{
    SettingsStore& store = settings();
    Toolkit& desktop = toolkit();
    store.createKey(kMemoryKey);
    // Another copy of the program may have saved since this one read the file:
    // only what this copy changed is written over the file as it is then.
    std::map<std::string, SettingValue> saved;
    auto save = [&](const char* key, const std::string& name, SettingValue value) {
        const auto asRead = m_settingsAsRead.find(name);
        if (asRead != m_settingsAsRead.end() && asRead->second == value) store.setIfMissing(key, name, value);
        else store.set(key, name, value);
        saved.emplace(name, std::move(value));
    };
    // Where the window cannot be placed its place means nothing; the stored one
    // stays for the next session that can place it.
    if (desktop.canPlaceWindow()) {
        save(kSettingsKey, "Top", desktop.windowTop().value);
        save(kSettingsKey, "Left", desktop.windowLeft().value);
    }
    save(kSettingsKey, "Mode", static_cast<int32_t>(m_angleMode));
    save(kSettingsKey, "OnTop", std::string(m_alwaysOnTop ? "True" : "False"));
    for (int n = 1; n <= 10; ++n)
        save(kMemoryKey, memoryValueName(n), m_memory.memorySlots()[static_cast<std::size_t>(n - 1)]);
    // The whole shut-down reaches the file in one atomic replacement.
    if (!store.save()) return false;
    saved.merge(m_settingsAsRead);
    m_settingsAsRead = std::move(saved);
    return true;
}

}  // namespace trellum
