// SPDX-License-Identifier: MIT
#include "process/languages.h"

#include <algorithm>

namespace trellum {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"
std::string withoutCodeset(const std::string& locale) { return locale.substr(0, locale.find_first_of(".@")); }

bool isEnglish(const std::string& language) { return language == "en" || language.starts_with("en_"); }

bool isPlain(const std::string& name) { return name.empty() || name == "C" || name == "POSIX"; }

}  // namespace

std::vector<std::string> uiLanguages(const std::string& lcAll, const std::string& lcMessages,
                                     const std::string& lang, const std::string& language)
{
    const std::string locale = withoutCodeset(!lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang);
    if (isPlain(locale)) return {};
    std::vector<std::string> wanted;
    for (std::size_t start = 0; start <= language.size();) {
        const std::size_t colon = std::min(language.find(':', start), language.size());
        if (colon > start) wanted.push_back(language.substr(start, colon - start));
        start = colon + 1;
    }
    wanted.push_back(locale);
    std::vector<std::string> result;
    for (const std::string& entry : wanted) {
        const std::string name = withoutCodeset(entry);
        if (isPlain(name)) continue;
        if (isEnglish(name)) break;
        if (std::find(result.begin(), result.end(), name) == result.end()) result.push_back(name);
    }
    return result;
}

}  // namespace trellum
