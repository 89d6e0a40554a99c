// Settings persistence of the calculator: window place, angle mode,
// always-on-top and the memory bank, read once at start-up and written once
// when the main window unloads.

#include "storage/settings.h"

#include <cctype>
#include <cstdint>
#include <optional>

#include "app/calculator.h"
#include "engine/number_text.h"

namespace trellum {

namespace {

// "Mem", then the number as text with the blank that a minus sign would take.
std::string memoryValueName(int n)
{
    return "Mem " + std::to_string(n);
}

// A stored place fits the 16-bit twips of the window only when it is a number in
// range; anything else counts as missing so that no wrapped place is applied.
std::optional<int32_t> readTwips(Registry& registry, HKEY key, const char* name)
{
    SettingsValue holder;
    ReadSettingsValue(registry, key, name, holder);
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

bool Calculator::LoadSettings()
{
    Registry& store = registry();
    Toolkit& desktop = toolkit();
    HKEY key = 0;
    if (store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_ALL_ACCESS_3F, &key) != ERROR_SUCCESS) return false;

    // Each value gets a holder of its own, so a missing one falls back to its
    // first-run default and never to what the previous read left behind.
    const std::optional<int32_t> top = readTwips(store, key, "Top");
    const std::optional<int32_t> left = readTwips(store, key, "Left");
    if (!top || !left) desktop.CenterMainWindow();
    if (top || left) desktop.MoveWindow(top ? *top : desktop.WindowTop(), left ? *left : desktop.WindowLeft());
    // A place stored on a screen that is gone would leave the window unseen.
    desktop.EnsureWindowVisible();

    SettingsValue mode;
    ReadSettingsValue(store, key, "Mode", mode);
    const double* modeNumber = std::get_if<double>(&mode);
    const bool knownMode = modeNumber != nullptr && (*modeNumber == 0 || *modeNumber == 1 || *modeNumber == 2);
    AngleMode = knownMode ? static_cast<Angle>(*modeNumber) : Angle::Degrees;

    SettingsValue onTop;
    ReadSettingsValue(store, key, "OnTop", onTop);
    if (const std::optional<bool> stored = storedBoolean(onTop)) {
        // mnuFloat_Click flips the mark and sets the z-order to match it.
        desktop.SetMenuChecked(Menu::Float, !*stored);
        mnuFloat_Click();
    } else {
        desktop.SetMenuChecked(Menu::Float, false);
    }
    store.RegCloseKey(key);

    if (store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMemoryKey, 0, KEY_ALL_ACCESS_3F, &key) != ERROR_SUCCESS) {
        m_memory.Fill("0");
        return false;
    }
    MemoryBank::Slots slots;
    for (int n = 1; n <= 10; ++n) {
        SettingsValue slot;
        ReadSettingsValue(store, key, memoryValueName(n), slot);
        const std::string* text = std::get_if<std::string>(&slot);
        slots[static_cast<std::size_t>(n - 1)] = text != nullptr ? *text : "0";
    }
    m_memory.Assign(std::move(slots));
    store.RegCloseKey(key);
    return true;
}

void Calculator::SaveSettings()
{
    Registry& store = registry();
    Toolkit& desktop = toolkit();
    CreateSettingsKey(store, kMemoryKey, HKEY_LOCAL_MACHINE);

    HKEY key = 0;
    store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_ALL_ACCESS_3F, &key);
    WriteSettingsValue(store, key, "Top", REG_DWORD, static_cast<double>(desktop.WindowTop()));
    WriteSettingsValue(store, key, "Left", REG_DWORD, static_cast<double>(desktop.WindowLeft()));
    WriteSettingsValue(store, key, "Mode", REG_DWORD, static_cast<double>(static_cast<int16_t>(AngleMode)));
    WriteSettingsValue(store, key, "OnTop", REG_SZ, std::string(desktop.MenuChecked(Menu::Float) ? "True" : "False"));
    store.RegCloseKey(key);

    store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMemoryKey, 0, KEY_ALL_ACCESS_3F, &key);
    for (int n = 1; n <= 10; ++n)
        WriteSettingsValue(store, key, memoryValueName(n), REG_SZ, m_memory.MemorySlots()[static_cast<std::size_t>(n - 1)]);
    store.RegCloseKey(key);
}

}  // namespace trellum
