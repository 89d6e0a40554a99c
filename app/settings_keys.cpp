// Settings persistence of the calculator: window place, angle mode,
// always-on-top and the memory bank, read once at start-up and written once
// when the main window closes.

#include "storage/settings.h"
#include "storage/settings_store.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <utility>

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
    if (!store.hasKey(kSettingsKey)) return SettingsFound::Nothing;
    // Whatever the program would not write itself is applied as best it can be,
    // and the file is kept aside before the next save replaces it.
    bool expected = true;

    // Each value gets a holder of its own, so a missing one falls back to its
    // first-run default and never to what the previous read left behind.
    if (desktop.canPlaceWindow()) {
        const std::optional<Twips> top = readPlace(store, "Top", expected);
        const std::optional<Twips> left = readPlace(store, "Left", expected);
        if (!top || !left) desktop.centerWindow();
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
    // Where the window cannot be placed its place means nothing; the stored one
    // stays for the next session that can place it.
    if (desktop.canPlaceWindow()) {
        store.set(kSettingsKey, "Top", desktop.windowTop().value);
        store.set(kSettingsKey, "Left", desktop.windowLeft().value);
    }
    store.set(kSettingsKey, "Mode", static_cast<int32_t>(m_angleMode));
    store.set(kSettingsKey, "OnTop", std::string(m_alwaysOnTop ? "True" : "False"));
    for (int n = 1; n <= 10; ++n)
        store.set(kMemoryKey, memoryValueName(n), m_memory.memorySlots()[static_cast<std::size_t>(n - 1)]);
    // The whole shut-down reaches the file in one atomic replacement.
    return store.save();
}

}  // namespace trellum
