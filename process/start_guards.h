// SPDX-License-Identifier: MIT
#pragma once
// What the program checks of its environment before the window system starts,
// so that a hostile value ends in a clear message instead of a hang, an
// exhausted memory or an unusable window, and what it prints without a window
// is known to have been written.

#include <cstdint>
#include <string>
#include <vector>

namespace trellum {

// Larger style sheets and window icons are refused: the toolkit would read any file whole.
inline constexpr std::int64_t kMaxStyleSheetBytes = std::int64_t{1} << 20;
inline constexpr std::int64_t kMaxWindowIconBytes = std::int64_t{16} << 20;
// A scale factor outside these bounds gives no usable window.
inline constexpr double kMinScaleFactor = 0.5;
inline constexpr double kMaxScaleFactor = 8;

// Why the file given with -stylesheet must not be read (a FIFO would never
// end, a device never stops, a huge file fills the memory), or empty. The
// path is in the file system's encoding; the message in UTF-8.
std::string styleSheetProblem(const std::string& path);
// The same for the image given with -qwindowicon (or -icon), opened as the
// window is made: a FIFO there would hold the start for good.
std::string windowIconProblem(const std::string& path);

// Drops a QT_SCALE_FACTOR that is not a number within the bounds above, with
// one warning line on standard error, so the window keeps its design size.
void ignoreUnusableScaleFactor();

// The one line printed when the window system could not start, from the
// messages the toolkit gave before it gave up (the last one is its fatal error):
// what is missing, said plainly.
std::string startFailureLine(const std::vector<std::string>& messages);

// Writes the texts to standard output and standard error. The exit status is
// `status`, or 1 (after a message) when standard output could not take its text.
int printAndExitStatus(const std::string& output, const std::string& error, int status);

}  // namespace trellum
