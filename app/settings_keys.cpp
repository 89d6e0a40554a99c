// Settings persistence of the calculator: window place, angle mode,
// always-on-top and the memory bank, read once at start-up and written once
// when the main window unloads.

#include "storage/settings.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <utility>

#include "app/calculator.h"
#include "engine/number_text.h"

namespace trellum {

namespace {

// "Mem", then the number as text with the blank that a minus sign would take.
std::string memoryValueName(int n)
{
    return "Mem " + std::to_string(n);
}

// Reads one value. A value that is there with another type than the program
// writes (a hand edit, another program) marks the file as not read as expected.
SettingsValue readValue(const SettingsStore& store, const char* key, const std::string& name, uint32_t type,
                        bool& expected)
{
    SettingsValue holder;
    if (ReadSettingsValue(store, key, name, holder) != kSettingsNotFound && store.TypeOf(key, name) != type)
        expected = false;
    return holder;
}

// A stored place fits the 16-bit twips of the window only when it is a number in
// range; anything else counts as missing so that no wrapped place is applied.
std::optional<int32_t> readTwips(const SettingsStore& store, const char* name, bool& expected)
{
    const SettingsValue holder = readValue(store, kSettingsKey, name, REG_DWORD, expected);
    const double* number = std::get_if<double>(&holder);
    if (number == nullptr || *number < INT16_MIN || *number > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(*number);
}

std::optional<bool> storedBoolean(const SettingsValue& holder)
{
    const std::string* text = std::get_if<std::string>(&holder);
    if (text == nullptr) return std::nullopt;
    const std::string_view trimmed = TrimBlanks(*text);
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
    if (!store.HasKey(kSettingsKey)) return SettingsFound::Nothing;
    // Whatever the program would not write itself is applied as best it can be,
    // and the file is kept aside before the next save replaces it.
    bool expected = true;

    // Each value gets a holder of its own, so a missing one falls back to its
    // first-run default and never to what the previous read left behind.
    if (desktop.CanPlaceWindow()) {
        const std::optional<int32_t> top = readTwips(store, "Top", expected);
        const std::optional<int32_t> left = readTwips(store, "Left", expected);
        if (!top || !left) desktop.CenterMainWindow();
        if (top || left) desktop.MoveWindow(top ? *top : desktop.WindowTop(), left ? *left : desktop.WindowLeft());
        // A place stored on a screen that is gone would leave the window unseen.
        desktop.EnsureWindowVisible();
    }

    const SettingsValue mode = readValue(store, kSettingsKey, "Mode", REG_DWORD, expected);
    const double* modeNumber = std::get_if<double>(&mode);
    const bool knownMode = modeNumber != nullptr && (*modeNumber == 0 || *modeNumber == 1 || *modeNumber == 2);
    if (modeNumber != nullptr && !knownMode) expected = false;
    AngleMode = knownMode ? static_cast<Angle>(*modeNumber) : Angle::Degrees;

    const SettingsValue onTop = readValue(store, kSettingsKey, "OnTop", REG_SZ, expected);
    if (const std::optional<bool> stored = storedBoolean(onTop)) {
        // toggleAlwaysOnTop flips the mark and sets the z-order to match it.
        desktop.SetMenuChecked(Menu::Float, !*stored);
        toggleAlwaysOnTop();
    } else {
        if (std::holds_alternative<std::string>(onTop)) expected = false;
        desktop.SetMenuChecked(Menu::Float, false);
    }

    const bool memoryKey = store.HasKey(kMemoryKey);
    MemoryBank::Slots slots;
    for (int n = 1; n <= 10; ++n) {
        const SettingsValue slot =
            memoryKey ? readValue(store, kMemoryKey, memoryValueName(n), REG_SZ, expected) : SettingsValue();
        const std::string* text = std::get_if<std::string>(&slot);
        slots[static_cast<std::size_t>(n - 1)] = text != nullptr ? *text : "0";
    }
    m_memory.Assign(std::move(slots));
    if (!expected) settings().SetAsideBeforeSave();
    return memoryKey ? SettingsFound::BothKeys : SettingsFound::MainKeyOnly;
}

void Calculator::saveSettings()
{
    SettingsStore& store = settings();
    Toolkit& desktop = toolkit();
    CreateSettingsKey(store, kMemoryKey);
    // Where the window cannot be placed its place means nothing; the stored one
    // stays for the next session that can place it.
    if (desktop.CanPlaceWindow()) {
        WriteSettingsValue(store, kSettingsKey, "Top", REG_DWORD, static_cast<double>(desktop.WindowTop()));
        WriteSettingsValue(store, kSettingsKey, "Left", REG_DWORD, static_cast<double>(desktop.WindowLeft()));
    }
    WriteSettingsValue(store, kSettingsKey, "Mode", REG_DWORD, static_cast<double>(static_cast<int16_t>(AngleMode)));
    WriteSettingsValue(store, kSettingsKey, "OnTop", REG_SZ,
                       std::string(desktop.MenuChecked(Menu::Float) ? "True" : "False"));
    for (int n = 1; n <= 10; ++n)
        WriteSettingsValue(store, kMemoryKey, memoryValueName(n), REG_SZ,
                           m_memory.MemorySlots()[static_cast<std::size_t>(n - 1)]);
    // The whole shut-down reaches the file in one atomic replacement.
    store.Save();
}

}  // namespace trellum
