// SPDX-License-Identifier: MIT
#pragma once
// Which languages the user wants the program in, from the locale variables.

#include <string>
#include <vector>

namespace trellum {

// The languages to look for, best first, from the locale variables as gettext
// reads them: LC_ALL, then LC_MESSAGES, then LANG pick the locale; a C or POSIX
// locale means English whatever LANGUAGE says; otherwise LANGUAGE (a colon list)
// comes before the locale. English anywhere in the list ends it: nothing after
// it is wanted. Each entry is "de_DE" or "de" (codeset and modifier removed).
// Empty: English.
std::vector<std::string> uiLanguages(const std::string& lcAll, const std::string& lcMessages,
                                     const std::string& lang, const std::string& language);

}  // namespace trellum
