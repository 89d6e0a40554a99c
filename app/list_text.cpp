// SPDX-License-Identifier: MIT
#include "app/list_text.h"

namespace trellum {

std::string listText(std::string_view text)
{
    if (text.size() <= kListTextChars) return std::string(text);
    // "..." rather than an ellipsis character: the text may be Latin-1, not UTF-8.
    std::size_t chars = 0;
    std::size_t cut = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A byte that does not continue a UTF-8 sequence starts a character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == kListTextChars - 3) cut = i;
        if (++chars > kListTextChars) return std::string(text.substr(0, cut)) + "...";
    }
    return std::string(text);
}

}  // namespace trellum
