#include "app/start_guards.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <sstream>

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
