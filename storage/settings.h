// SPDX-License-Identifier: MIT
#pragma once
// Where the calculator's settings live in the settings file: two keys, read by
// Calculator::loadSettings and written by Calculator::saveSettings
// (app/settings_keys.cpp) through the typed values of settings_store.h.

#include <cstdint>

namespace trellum {

inline constexpr const char* kSettingsKey = "SOFTWARE\\Quorbel\\Trellum";
inline constexpr const char* kMemoryKey = "SOFTWARE\\Quorbel\\Trellum\\Memory";

// Which of the two keys start-up found; only Nothing is a first run.
enum class SettingsFound : int8_t { Nothing, MainKeyOnly, BothKeys };

}  // namespace trellum
