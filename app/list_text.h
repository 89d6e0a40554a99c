// SPDX-License-Identifier: MIT
#pragma once
// What a dialog list shows of a text that may be as long as a hand-edited file
// makes it: a list line or tool tip of megabytes takes the window seconds to lay
// out, so long texts are shown cut short. The text itself is kept whole.

#include <string>
#include <string_view>

namespace trellum {

inline constexpr std::size_t kListTextChars = 64;

// The text when it has at most kListTextChars characters (UTF-8 code points);
// else its first kListTextChars - 3 characters followed by "...".
std::string listText(std::string_view text);

}  // namespace trellum
