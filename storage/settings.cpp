// Settings persistence: window place, angle mode, always-on-top and the memory
// bank, read once at start-up and written once when the main window unloads.

#include "storage/settings.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/calculator.h"
#include "engine/number_text.h"

namespace trellum {

namespace {

std::string textOf(const SettingsValue& value)
{
    if (const std::string* text = std::get_if<std::string>(&value)) return *text;
    if (const double* number = std::get_if<double>(&value)) return NumberText(*number);
    return {};
}

int32_t roundToInt32(const SettingsValue& value)
{
    double number = 0;
    if (const double* n = std::get_if<double>(&value)) number = *n;
    else if (const std::string* text = std::get_if<std::string>(&value)) number = ValueOfText(*text);
    // Out-of-range values are held at the ends rather than wrapped into another place.
    if (std::isnan(number)) return 0;
    if (number >= 2147483647.0) return INT32_MAX;
    if (number <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(std::nearbyint(number));
}

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

void CreateSettingsKey(Registry& registry, const std::string& path, HKEY root)
{
    HKEY key = 0;
    registry.RegCreateKeyExA(root, path, 0, KEY_ALL_ACCESS_3F, &key);
    registry.RegCloseKey(key);
}

int32_t WriteSettingsValue(Registry& registry, HKEY key, const std::string& name, uint32_t type,
                           const SettingsValue& value)
{
    if (type == REG_SZ) {
        const std::string text = textOf(value);
        std::vector<uint8_t> data(text.begin(), text.end());
        data.push_back(0);
        return registry.RegSetValueExA(key, name, REG_SZ, data.data(), static_cast<uint32_t>(data.size()));
    }
    if (type == REG_DWORD) {
        const uint32_t number = static_cast<uint32_t>(roundToInt32(value));
        const uint8_t data[4] = {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
                                 static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
        return registry.RegSetValueExA(key, name, REG_DWORD, data, 4);
    }
    return ERROR_SUCCESS;
}

int32_t ReadSettingsValue(Registry& registry, HKEY key, const std::string& name, SettingsValue& holder)
{
    uint32_t type = 0;
    uint32_t size = 0;
    const int32_t status = registry.RegQueryValueExA(key, name, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return status;
    if (type == REG_SZ) {
        std::vector<uint8_t> buffer(size);
        const int32_t read = registry.RegQueryValueExA(key, name, &type, buffer.data(), &size);
        if (read != ERROR_SUCCESS) {
            holder = std::string();
            return read;
        }
        std::string text(buffer.begin(), buffer.begin() + size);
        if (!text.empty() && text.back() == '\0') text.pop_back();
        holder = std::move(text);
        return read;
    }
    if (type == REG_DWORD) {
        uint8_t buffer[4] = {0, 0, 0, 0};
        uint32_t bufferSize = sizeof buffer;
        const int32_t read = registry.RegQueryValueExA(key, name, &type, buffer, &bufferSize);
        if (read == ERROR_SUCCESS) {
            const uint32_t bits = static_cast<uint32_t>(buffer[0]) | static_cast<uint32_t>(buffer[1]) << 8 |
                                  static_cast<uint32_t>(buffer[2]) << 16 | static_cast<uint32_t>(buffer[3]) << 24;
            holder = static_cast<double>(static_cast<int32_t>(bits));
        }
        return read;
    }
    return -1;
}

bool Calculator::LoadSettings()
{
    Registry& store = registry();
    Toolkit& desktop = toolkit();
    HKEY key = 0;
    if (store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_ALL_ACCESS_3F, &key) != ERROR_SUCCESS) return false;

    // Each value gets a holder of its own, so a missing one falls back to its
    // first-run default and never to what the previous read left behind.
    if (desktop.CanPlaceWindow()) {
        const std::optional<int32_t> top = readTwips(store, key, "Top");
        const std::optional<int32_t> left = readTwips(store, key, "Left");
        if (!top || !left) desktop.CenterMainWindow();
        if (top || left) desktop.MoveWindow(top ? *top : desktop.WindowTop(), left ? *left : desktop.WindowLeft());
        // A place stored on a screen that is gone would leave the window unseen.
        desktop.EnsureWindowVisible();
    }

    SettingsValue mode;
    ReadSettingsValue(store, key, "Mode", mode);
    const double* modeNumber = std::get_if<double>(&mode);
    const bool knownMode = modeNumber != nullptr && (*modeNumber == 0 || *modeNumber == 1 || *modeNumber == 2);
    AngleMode = knownMode ? static_cast<int16_t>(*modeNumber) : int16_t{0};
    ModeDisplayVisible = {AngleMode == 0, AngleMode == 1, AngleMode == 2};

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
        MemorySlots.fill("0");
        MemIndicatorVisible = !MemoryIsEmpty();
        return false;
    }
    for (int n = 1; n <= 10; ++n) {
        SettingsValue slot;
        ReadSettingsValue(store, key, memoryValueName(n), slot);
        const std::string* text = std::get_if<std::string>(&slot);
        MemorySlots[static_cast<std::size_t>(n - 1)] = text != nullptr ? *text : "0";
    }
    MemIndicatorVisible = !MemoryIsEmpty();
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
    // Where the window cannot be placed its place means nothing; the stored one
    // stays for the next session that can place it.
    if (desktop.CanPlaceWindow()) {
        WriteSettingsValue(store, key, "Top", REG_DWORD, static_cast<double>(desktop.WindowTop()));
        WriteSettingsValue(store, key, "Left", REG_DWORD, static_cast<double>(desktop.WindowLeft()));
    }
    WriteSettingsValue(store, key, "Mode", REG_DWORD, static_cast<double>(AngleMode));
    WriteSettingsValue(store, key, "OnTop", REG_SZ, std::string(desktop.MenuChecked(Menu::Float) ? "True" : "False"));
    store.RegCloseKey(key);

    store.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMemoryKey, 0, KEY_ALL_ACCESS_3F, &key);
    for (int n = 1; n <= 10; ++n)
        WriteSettingsValue(store, key, memoryValueName(n), REG_SZ, MemorySlots[static_cast<std::size_t>(n - 1)]);
    store.RegCloseKey(key);
}

}  // namespace trellum
