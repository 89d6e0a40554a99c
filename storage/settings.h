#pragma once
// The three routines through which the calculator's settings reach the store:
// LoadSettings and SaveSettings (Calculator members, storage/settings.cpp) call
// nothing else of it. Keys are named by their path; statuses are 0 for success.

#include <cstdint>
#include <string>
#include <variant>

#include "storage/settings_store.h"

namespace trellum {

// What a value is read into or written from: nothing yet, a text, or a number.
using SettingsValue = std::variant<std::monostate, std::string, double>;

inline constexpr const char* kSettingsKey = "SOFTWARE\\Quorbel\\Trellum";
inline constexpr const char* kMemoryKey = "SOFTWARE\\Quorbel\\Trellum\\Memory";

inline constexpr int32_t kSettingsOk = 0;
inline constexpr int32_t kSettingsNotFound = 2;   // no such key or value
inline constexpr int32_t kSettingsOtherType = -1;  // the value is neither text nor number

// Which of the two keys start-up found; only Nothing is a first run.
enum class SettingsFound : int8_t { Nothing, MainKeyOnly, BothKeys };

// Creates the key with its missing parents (or leaves it as it is).
void CreateSettingsKey(SettingsStore& store, const std::string& key);

// Type 1 (REG_SZ) writes the value's text; type 4 (REG_DWORD) the value rounded
// to the nearest 32-bit integer; any other type writes nothing.
int32_t WriteSettingsValue(SettingsStore& store, const std::string& key, const std::string& name, uint32_t type,
                           const SettingsValue& value);

// A text or number value into the holder. When the value is missing, or of
// another type (status -1), the holder stays as it was.
int32_t ReadSettingsValue(const SettingsStore& store, const std::string& key, const std::string& name,
                          SettingsValue& holder);

}  // namespace trellum
