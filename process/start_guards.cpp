// SPDX-License-Identifier: MIT
#include "process/start_guards.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <optional>
#include <sstream>
#include <string_view>

#include "engine/number_text.h"

namespace trellum {

namespace {

std::string fileProblem(const char* what, const std::string& path, std::int64_t maxBytes)
{
    struct stat info {};
    // A missing file is the toolkit's to ignore, as it always has.
    if (::stat(path.c_str(), &info) != 0) return {};
    const std::string named = std::string("the ") + what + " '" + path + "'";
    if (!S_ISREG(info.st_mode)) return named + " is not a regular file";
    if (info.st_size > maxBytes) return named + " is larger than " + std::to_string(maxBytes) + " bytes";
    return {};
}

// The whole text as a number in the C locale (a German LC_NUMERIC must not
// turn "1.5" away); blanks around it allowed, nothing else.
bool parseNumber(const std::string& text, double* value)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> *value;
    if (in.fail()) return false;
    in >> std::ws;
    return in.eof();
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// What follows `prefix` on the first line of `text`, or nothing when `text` does not start with it.
std::optional<std::string> after(const std::string& text, std::string_view prefix)
{
    if (!text.starts_with(prefix)) return std::nullopt;
    return firstLine(text.substr(prefix.size()));
}

std::string trimmed(std::string_view text) { return std::string(trimBlanks(text, kBlanksAndLineEnds)); }

}  // namespace

std::string styleSheetProblem(const std::string& path) { return fileProblem("style sheet", path, kMaxStyleSheetBytes); }

std::string windowIconProblem(const std::string& path) { return fileProblem("window icon", path, kMaxWindowIconBytes); }

void ignoreUnusableScaleFactor()
{
    const char* text = std::getenv("QT_SCALE_FACTOR");
    if (text == nullptr) return;
    // Empty counts as unset, as it does for Qt.
    if (std::string(text).find_first_not_of(" \t\n\r\f\v") == std::string::npos) return;
    double factor = 0;
    if (parseNumber(text, &factor) && std::isfinite(factor) && factor >= kMinScaleFactor && factor <= kMaxScaleFactor)
        return;
    std::fprintf(stderr, "trellum: ignoring QT_SCALE_FACTOR=%s (a number from %g to %g is used)\n", text,
                 kMinScaleFactor, kMaxScaleFactor);
    ::unsetenv("QT_SCALE_FACTOR");
}

std::string startFailureLine(const std::vector<std::string>& messages)
{
    const std::string program = "trellum: ";
    const std::string fatal = messages.empty() ? std::string() : messages.back();
    // Qt's fatal error ends with the plugins it has: "... are: wayland, xcb."
    std::string choices;
    constexpr std::string_view available = "Available platform plugins are: ";
    if (const std::size_t at = fatal.rfind(available); at != std::string::npos) {
        choices = trimmed(fatal.substr(at + available.size()));
        if (choices.ends_with('.')) choices.pop_back();
        if (choices.find('\n') != std::string::npos) choices.clear();
    }
    for (const std::string& message : messages) {
        const std::optional<std::string> rest = after(message, "Could not find the Qt platform plugin \"");
        if (!rest || rest->find('"') == std::string::npos) continue;
        return program + "no windowing system \"" + rest->substr(0, rest->find('"')) + "\" (there are: " +
               (choices.empty() ? "none" : choices) + ")";
    }
    for (const std::string& message : messages) {
        const std::optional<std::string> rest = after(message, "could not connect to display");
        if (!rest) continue;
        const std::string name = trimmed(*rest);
        if (name.empty()) return program + "no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)";
        return program + "cannot open the display " + name;
    }
    for (const std::string& message : messages) {
        if (!message.starts_with("Failed to create wl_display")) continue;
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        return program + "cannot connect to the Wayland display " + (wayland ? wayland : "wayland-0");
    }
    return program + "the windowing system could not start: " + firstLine(fatal);
}

int printAndExitStatus(const std::string& output, const std::string& error, int status)
{
    std::fwrite(output.data(), 1, output.size(), stdout);
    // A full disk or a closed pipe shows only when the buffer is flushed.
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int writeError = errno;
    std::fwrite(error.data(), 1, error.size(), stderr);
    if (written) return status;
    std::fprintf(stderr, "trellum: write error: %s\n", std::strerror(writeError));
    return 1;
}

}  // namespace trellum
