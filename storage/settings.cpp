// Settings persistence: window place, angle mode, always-on-top and the memory
// bank, read once at start-up and written once when the main window unloads.

#include "storage/settings.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

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

}  // namespace

void CreateSettingsKey(SettingsStore& store, const std::string& key) { store.CreateKey(key); }

int32_t WriteSettingsValue(SettingsStore& store, const std::string& key, const std::string& name, uint32_t type,
                           const SettingsValue& value)
{
    bool written = true;
    if (type == REG_SZ) written = store.SetText(key, name, textOf(value));
    else if (type == REG_DWORD) written = store.SetNumber(key, name, roundToInt32(value));
    return written ? kSettingsOk : kSettingsNotFound;
}

int32_t ReadSettingsValue(const SettingsStore& store, const std::string& key, const std::string& name,
                          SettingsValue& holder)
{
    const std::optional<uint32_t> type = store.TypeOf(key, name);
    if (!type) return kSettingsNotFound;
    if (std::optional<std::string> text = store.Text(key, name)) {
        holder = std::move(*text);
        return kSettingsOk;
    }
    if (const std::optional<int32_t> number = store.Number(key, name)) {
        holder = static_cast<double>(*number);
        return kSettingsOk;
    }
    return kSettingsOtherType;
}

}  // namespace trellum
