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

}  // namespace trellum
