#pragma once
// The three routines through which the calculator's settings reach the store:
// LoadSettings and SaveSettings (Calculator members, storage/settings.cpp) call
// nothing else of the registry. Statuses are the store's 32-bit results, 0 for success.

#include <cstdint>
#include <string>
#include <variant>

#include "storage/registry.h"

namespace trellum {

// What a value is read into or written from: nothing yet, a text, or a number.
using SettingsValue = std::variant<std::monostate, std::string, double>;

inline constexpr const char* kSettingsKey = "SOFTWARE\\Quorbel\\Trellum";
inline constexpr const char* kMemoryKey = "SOFTWARE\\Quorbel\\Trellum\\Memory";

// Creates the key with its missing parents (or opens it) and closes it at once.
void CreateSettingsKey(Registry& registry, const std::string& path, HKEY root);

// Type 1 writes the value's text and one NUL; type 4 the value rounded to the
// nearest 32-bit integer; any other type writes nothing.
int32_t WriteSettingsValue(Registry& registry, HKEY key, const std::string& name, uint32_t type,
                           const SettingsValue& value);

// Asks for type and size first; when that fails the holder stays as it was.
// A text that cannot be read leaves the holder empty text; a value of another
// type leaves it as it was and returns -1.
int32_t ReadSettingsValue(Registry& registry, HKEY key, const std::string& name, SettingsValue& holder);

}  // namespace trellum
